// The least a program can do to print the game's dialogue: take the whole
// of it from standard input at once, then write it line by line, flushing
// after every line as the game does.
#include <cstdio>
#include <iostream>
#include <string>

int main() {
  std::string text;
  char block[1 << 16];
  for (std::size_t got;
       (got = std::fread(block, 1, sizeof block, stdin)) > 0;) {
    text.append(block, got);
  }
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::cout.write(text.data() + start,
                    static_cast<std::streamsize>(end - start))
        << std::endl;
    start = end + 1;
  }
  return 0;
}
