// The program's own rand() and srand(), linked in where the C library is
// not glibc: on Windows, in the browser, on macOS and the BSDs. Each C
// library has a generator of its own, so a seed would deal other cards
// there than on Linux. This is glibc's generator rebuilt, so that a seed
// deals the same game on every system. Where the C library is glibc, its
// own rand() deals, and a rand() preloaded or linked in by a test still
// replaces it.
#include <cstdint>
#include <cstdlib>

namespace {

// The additive feedback generator behind glibc's rand() in its default
// state.
class GlibcRandom {
public:
  // As srand(seed): 0 is taken as 1, like glibc does.
  explicit GlibcRandom(unsigned seed = 1) {
    // The first words follow one another by the "minimal standard"
    // generator, 16807 x mod (2^31 - 1), in Schrage's form so that nothing
    // overflows.
    std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    state[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < kDegree; ++i) {
      word = 16807 * (word % 127773) - 2836 * (word / 127773);
      if (word < 0) {
        word += 2147483647;
      }
      state[i] = static_cast<std::uint32_t>(word);
    }
    // glibc throws away the first ten rounds of the state.
    for (int i = 0; i < 10 * kDegree; ++i) {
      next();
    }
  }

  // As rand(): 0 to 2147483647.
  int next() {
    state[front] += state[rear];
    const int result = static_cast<int>(state[front] >> 1);
    front = (front + 1) % kDegree;
    rear = (rear + 1) % kDegree;
    return result;
  }

private:
  static constexpr int kDegree = 31;    // words of state
  static constexpr int kSeparation = 3; // from the rear word to the front
  std::uint32_t state[kDegree] = {};    // the last kDegree sums
  int front = kSeparation;              // the word the next sum goes to
  int rear = 0;                         // the word added to it
};

GlibcRandom generator;

} // namespace

// Declared as the C library declares them, throwing or not.
extern "C" void srand(unsigned seed) noexcept(noexcept(std::srand(0))) {
  generator = GlibcRandom(seed);
}
extern "C" int rand() noexcept(noexcept(std::rand())) {
  return generator.next();
}
