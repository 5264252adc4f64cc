// The least a program can do to print the game's dialogue: take the whole
// of it from standard input at once, then write it line by line, one
// write(2) for each line, as the game does when it flushes every line.
#include <cstdio>
#include <string>
#include <unistd.h>

int main() {
  std::string text;
  char block[1 << 16];
  for (std::size_t got;
       (got = std::fread(block, 1, sizeof block, stdin)) > 0;) {
    text.append(block, got);
  }
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (::write(STDOUT_FILENO, text.data() + start, end - start) < 0) {
      return 1;
    }
    start = end;
  }
  return 0;
}
