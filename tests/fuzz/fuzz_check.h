// An invariant of a fuzz target: when it fails, the run ends as a crash that
// libFuzzer keeps. The line is printed because, inlined, the check leaves
// none in the stack trace.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void check(bool holds, int line = __builtin_LINE()) {
  if (holds) return;
  std::fprintf(stderr, "check failed at line %d\n", line);
  std::abort();
}
