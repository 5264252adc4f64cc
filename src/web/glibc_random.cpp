#include "glibc_random.h"

GlibcRandom::GlibcRandom(unsigned seed) {
  // The first words follow one another by the "minimal standard" generator,
  // 16807 x mod (2^31 - 1), in Schrage's form so that nothing overflows.
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

int GlibcRandom::next() {
  state[front] += state[rear];
  const int result = static_cast<int>(state[front] >> 1);
  front = (front + 1) % kDegree;
  rear = (rear + 1) % kDegree;
  return result;
}
