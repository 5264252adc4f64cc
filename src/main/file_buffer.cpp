#include "file_buffer.h"

#include <cerrno>
#include <string>
#include <unistd.h>
#ifndef _WIN32
#include <poll.h>
#endif

namespace {

// After a read or write that did nothing: true when it is worth trying
// again, because it was interrupted, or because the descriptor was not
// ready (non-blocking, as a parent's pipe may be) and now is. Windows has
// neither non-blocking pipes nor poll(2).
bool readyAgain([[maybe_unused]] int fd, [[maybe_unused]] bool reading) {
  if (errno == EINTR) {
    return true;
  }
#ifdef _WIN32
  return false;
#else
  if (errno != EAGAIN && errno != EWOULDBLOCK) {
    return false;
  }
  pollfd waiting = {fd, static_cast<short>(reading ? POLLIN : POLLOUT), 0};
  while (::poll(&waiting, 1, -1) < 0) {
    if (errno != EINTR) {
      return false;
    }
  }
  return true;
#endif
}

} // namespace

bool writeWhole(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = ::write(fd, text.data(), text.size());
    if (put > 0) {
      text.remove_prefix(static_cast<std::size_t>(put));
    } else if (put == 0) {
      errno = EIO; // nothing taken, and no reason why: it would never end
      return false;
    } else if (!readyAgain(fd, false)) {
      return false;
    }
  }
  return true;
}

void complain(std::string_view what) {
  std::string line = "blackjack: ";
  line += what;
  line += '\n';
  writeWhole(STDERR_FILENO, line); // nowhere left to say it failed
}

FileBuffer::FileBuffer(int fd) : fd(fd) {
  setg(buffer, buffer, buffer);
  setp(buffer, buffer + sizeof buffer);
}

// A failed read is the end of the input for the stream, whatever the C++
// library does with exceptions, and stays so.
FileBuffer::int_type FileBuffer::underflow() {
  while (failure == 0) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      setg(buffer, buffer, buffer + got);
      return traits_type::to_int_type(*gptr());
    }
    if (got == 0) {
      break;
    }
    if (!readyAgain(fd, true)) {
      keepError();
    }
  }
  return traits_type::eof();
}

FileBuffer::int_type FileBuffer::overflow(int_type character) {
  if (!writeAll()) {
    return traits_type::eof();
  }
  if (!traits_type::eq_int_type(character, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(character);
    pbump(1);
  }
  return traits_type::not_eof(character);
}

int FileBuffer::sync() { return writeAll() ? 0 : -1; }

bool FileBuffer::writeAll() {
  if (!writeWhole(fd, std::string_view(pbase(), pptr() - pbase()))) {
    keepError();
    return false;
  }
  setp(buffer, buffer + sizeof buffer);
  return true;
}

void FileBuffer::keepError() {
  if (failure == 0) {
    failure = errno;
  }
}
