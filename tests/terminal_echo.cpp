// Preloaded into the real program by the page's test, to show what a
// terminal would: standard input gives one line per read, as a terminal
// does, and each line is echoed to standard output as the program reads
// it, that is as the player types it once the question shows. With
// TERMINAL_ECHO=paste every line is echoed at the first read instead, as
// when all the answers are pasted once the first question shows. A record
// separator (\x1e) goes before each echo, so that the test can tell where
// the player typed.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Read = ssize_t (*)(int, void *, std::size_t);

std::string input; // all of standard input, taken at the first read
std::size_t next = 0;
bool started = false;

void echo(const char *text, std::size_t size) {
  std::string said = "\x1e" + std::string(text, size);
  for (std::size_t put = 0; put < said.size();) {
    const ssize_t wrote =
        write(STDOUT_FILENO, said.data() + put, said.size() - put);
    if (wrote <= 0) {
      return;
    }
    put += static_cast<std::size_t>(wrote);
  }
}

} // namespace

// The C library names the parameters with reserved names of its own.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" ssize_t read(int fd, void *buffer, std::size_t size) {
  static const auto realRead = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  if (fd != STDIN_FILENO) {
    return realRead(fd, buffer, size);
  }
  const char *mode = std::getenv("TERMINAL_ECHO");
  const bool paste = mode != nullptr && std::strcmp(mode, "paste") == 0;
  if (!started) {
    started = true;
    char chunk[4096];
    for (ssize_t got; (got = realRead(fd, chunk, sizeof chunk)) > 0;) {
      input.append(chunk, static_cast<std::size_t>(got));
    }
    if (paste) {
      echo(input.data(), input.size());
    }
  }
  const std::size_t newline = input.find('\n', next);
  const std::size_t end =
      newline == std::string::npos ? input.size() : newline + 1;
  const std::size_t given = std::min(end - next, size);
  if (!paste && given > 0) {
    echo(input.data() + next, given);
  }
  std::memcpy(buffer, input.data() + next, given);
  next += given;
  return static_cast<ssize_t>(given);
}
