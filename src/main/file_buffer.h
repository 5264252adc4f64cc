// Standard input and output as stream buffers straight on their file
// descriptors, so that a failed read or write is told from the end of the
// input and the program can say why it stopped.
#ifndef BLACKJACK_FILE_BUFFER_H
#define BLACKJACK_FILE_BUFFER_H

#include <streambuf>

class FileBuffer : public std::streambuf {
public:
  explicit FileBuffer(int fd);

  // The system's error number of the read or write that failed, or 0.
  int error() const { return failure; }

protected:
  int_type underflow() override;
  int_type overflow(int_type character) override;
  int sync() override;

private:
  bool writeAll();

  int fd;          // the descriptor read or written
  int failure = 0; // errno of the first failed read or write
  char buffer[4096];
};

#endif
