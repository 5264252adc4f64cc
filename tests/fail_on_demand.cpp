// Preloaded into the real program by the dialogue test, to fail what the
// system may fail: with FAIL_NEW_AFTER=N every allocation after the first
// N fails, as when memory runs out; with WRITE_NOTHING set, a write to
// standard output takes nothing and reports no error.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <new>

namespace {

using Write = ssize_t (*)(int, const void *, std::size_t);

// Allocations still allowed; negative for no limit.
long allowedAllocations() {
  const char *after = std::getenv("FAIL_NEW_AFTER");
  return after == nullptr ? -1 : std::atol(after);
}

} // namespace

void *operator new(std::size_t size) {
  static long left = allowedAllocations();
  for (;;) {
    if (left != 0) {
      left -= left > 0 ? 1 : 0;
      if (void *memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
      }
    }
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) {
      throw std::bad_alloc();
    }
    handler();
  }
}

void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, std::size_t /*size*/) noexcept {
  std::free(memory);
}

// The C library names the parameters with reserved names of its own.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" ssize_t write(int fd, const void *buffer, std::size_t size) {
  static const auto realWrite =
      reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
  if (fd == STDOUT_FILENO && std::getenv("WRITE_NOTHING") != nullptr) {
    return 0;
  }
  return realWrite(fd, buffer, size);
}
