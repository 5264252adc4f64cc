// Standard input and output on other stream buffers for a while: the
// program's own descriptors, the page's log and typed lines, the tests'
// strings.
#ifndef BLACKJACK_STREAM_SWAP_H
#define BLACKJACK_STREAM_SWAP_H

#include <iostream>

// Reads standard input from `input` and writes standard output to `output`
// for as long as it lives, then puts back what they had. The streams start
// with a clear state both ways.
class StreamSwap {
public:
  StreamSwap(std::streambuf *input, std::streambuf *output)
      : oldInput(std::cin.rdbuf(input)), oldOutput(std::cout.rdbuf(output)) {}
  ~StreamSwap() {
    std::cin.rdbuf(oldInput);
    std::cout.rdbuf(oldOutput);
  }
  StreamSwap(const StreamSwap &) = delete;
  StreamSwap &operator=(const StreamSwap &) = delete;

private:
  std::streambuf *oldInput;  // what standard input read from before
  std::streambuf *oldOutput; // what standard output wrote to before
};

#endif
