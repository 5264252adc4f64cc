// Standard input and output as stream buffers straight on their file
// descriptors, so that a failed read or write is told from the end of the
// input and the program can say why it stopped.
#ifndef BLACKJACK_FILE_BUFFER_H
#define BLACKJACK_FILE_BUFFER_H

#include <streambuf>
#include <string_view>

class FileBuffer : public std::streambuf {
public:
  explicit FileBuffer(int fd);
  FileBuffer(const FileBuffer &) = delete;
  FileBuffer &operator=(const FileBuffer &) = delete;

  // The system's error number of the first read or write that failed, or 0.
  // A failed read ends the input: the game sees it as ended, and the
  // program tells the two apart by this.
  int error() const { return failure; }

protected:
  int_type underflow() override;
  int_type overflow(int_type character) override;
  int sync() override; // called for every flush: the end of every line

private:
  bool writeAll();
  void keepError();

  int fd;          // the descriptor read or written
  int failure = 0; // errno of the first failed read or write
  char buffer[4096];
};

// Writes all of `text` to `fd`, in one write(2) unless the system takes
// less; waits while the descriptor is busy. False, with errno set, if it
// fails.
bool writeWhole(int fd, std::string_view text);

// Says on standard error why the program stops: "blackjack: " and `what`,
// as one line written at once, so that another writer cannot split it.
void complain(std::string_view what);

#endif
