// Checks of what cannot happen, such as a control that belongs to no
// quantity: in a debug build a broken one stops the program at once, saying
// where and what; in a release build it costs nothing.
#pragma once

#ifdef NDEBUG
#define QUINTORA_CHECK(condition, what) static_cast<void>(0)
#else
#include <cstdio>
#include <cstdlib>
#define QUINTORA_CHECK(condition, what)                                                            \
    ((condition) ? static_cast<void>(0)                                                            \
                 : (std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, what), std::abort()))
#endif
