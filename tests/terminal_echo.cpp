// Preloaded into the real program by the page's test, to show what the
// page's log shows: standard input gives one line per read, as a terminal
// does, and each line is echoed to standard output, whole, when the
// program starts to read it.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using Read = ssize_t (*)(int, void *, std::size_t);

std::string input; // all of standard input, taken at the first read
std::size_t next = 0;
std::size_t echoed = 0; // where the input echoed so far ends
bool started = false;

} // namespace

// The C library names the parameters with reserved names of its own.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" ssize_t read(int fd, void *buffer, std::size_t size) {
  static const auto realRead = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  if (fd != STDIN_FILENO) {
    return realRead(fd, buffer, size);
  }
  if (!started) {
    started = true;
    char chunk[4096];
    for (ssize_t got; (got = realRead(fd, chunk, sizeof chunk)) > 0;) {
      input.append(chunk, static_cast<std::size_t>(got));
    }
  }
  const std::size_t newline = input.find('\n', next);
  const std::size_t end =
      newline == std::string::npos ? input.size() : newline + 1;
  const std::size_t given = std::min(end - next, size);
  // The echo goes straight out; the program flushes every line it prints.
  while (echoed < end) {
    const ssize_t wrote =
        write(STDOUT_FILENO, input.data() + echoed, end - echoed);
    if (wrote <= 0) {
      break;
    }
    echoed += static_cast<std::size_t>(wrote);
  }
  std::memcpy(buffer, input.data() + next, given);
  next += given;
  return static_cast<ssize_t>(given);
}
