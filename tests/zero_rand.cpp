// rand() always gives 0, so the first shuffle turns the numbered deck
// round by five places and the whole game is known in advance. Preloaded
// into the real program by the dialogue test, or, where nothing can be
// preloaded (Windows), linked into a program of its own.
#include <cstdlib>

extern "C" int rand() noexcept(noexcept(std::rand())) { return 0; }
