// Preloaded into the real program by the dialogue test: rand() always
// gives 0, so the first shuffle turns the numbered deck round by five
// places and the whole game is known in advance.
extern "C" int rand() noexcept { return 0; }
