// The C library generator of GNU systems, rebuilt: the additive feedback
// generator behind glibc's rand() in its default state. The browser's C
// library deals other cards for the same seed; with this one, a seed deals
// the same game in the page as on the console.
#ifndef BLACKJACK_GLIBC_RANDOM_H
#define BLACKJACK_GLIBC_RANDOM_H

#include <cstdint>

class GlibcRandom {
public:
  // As srand(seed): 0 is taken as 1, like glibc does.
  explicit GlibcRandom(unsigned seed = 1);
  // As rand(): 0 to 2147483647.
  int next();

private:
  static constexpr int kDegree = 31;    // words of state
  static constexpr int kSeparation = 3; // from the rear word to the front
  std::uint32_t state[kDegree] = {};    // the last kDegree sums
  int front = kSeparation;              // the word the next sum goes to
  int rear = 0;                         // the word added to it
};

#endif
