#include "file_buffer.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

FileBuffer::FileBuffer(int fd) : fd(fd) {
  setg(buffer, buffer, buffer);
  setp(buffer, buffer + sizeof buffer);
}

// A read that fails throws: the input stream catches it and goes bad, which
// the game tells from the end of the input.
FileBuffer::int_type FileBuffer::underflow() {
  ssize_t got = 0;
  do {
    got = ::read(fd, buffer, sizeof buffer);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    failure = errno;
    throw std::system_error(failure, std::generic_category());
  }
  if (got == 0) {
    return traits_type::eof();
  }
  setg(buffer, buffer, buffer + got);
  return traits_type::to_int_type(*gptr());
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

// Called for every flush, that is at the end of every line.
int FileBuffer::sync() { return writeAll() ? 0 : -1; }

// Writes out what is buffered, however many writes it takes.
bool FileBuffer::writeAll() {
  const char *next = pbase();
  while (next < pptr()) {
    const ssize_t put = ::write(fd, next, pptr() - next);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put < 0) {
      failure = errno;
      return false;
    }
    next += put;
  }
  setp(buffer, buffer + sizeof buffer);
  return true;
}
