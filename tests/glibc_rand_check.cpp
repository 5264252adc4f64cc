// The program's own rand() (linked in from glibc_rand.cpp) against glibc's
// generator on this machine, run through random_r() on a state of its own:
// the same numbers for the same seed, so that a seed deals the same game
// on every system as on Linux.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main() {
  const unsigned seeds[] = {0,     1,          2,           19,
                            12345, 2147483647, 2147483648U, 4294967295U};
  int passed = 0;
  int failed = 0;
  for (const unsigned seed : seeds) {
    char state[128]; // 128 bytes: the generator rand() uses
    random_data glibc = {};
    initstate_r(seed, state, sizeof state, &glibc);
    std::srand(seed);
    int call = 0;
    for (; call < 100000; ++call) {
      const int ours = std::rand();
      std::int32_t theirs = 0;
      random_r(&glibc, &theirs);
      if (ours != theirs) {
        std::printf("seed %u, call %d: %d where glibc gives %d\n", seed, call,
                    ours, theirs);
        break;
      }
    }
    ++(call == 100000 ? passed : failed);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
