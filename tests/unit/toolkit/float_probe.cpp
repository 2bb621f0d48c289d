// A library whose exports take floats and six arguments, to check that
// callByName puts every argument where the standard calling convention wants it.
#include <windows.h>

namespace {
int calls = 0;
}

extern "C" {

__declspec(dllexport) int WINAPI ScaleByFloat(int a, float f) {
  ++calls;
  return static_cast<int>(a * f);
}

// Each argument lands in its own decimal digit, so order and place both show.
__declspec(dllexport) int WINAPI SixDigits(int a, int b, int c, int d, int e, int f) {
  ++calls;
  return a * 100000 + b * 10000 + c * 1000 + d * 100 + e * 10 + f;
}

// Floats in the register-passed places and on the stack.
__declspec(dllexport) int WINAPI MixedSix(float a, int b, const int* c, int d, float e, int f) {
  ++calls;
  return static_cast<int>(a * 1000.0f) + b * 100 + *c * 10 + d + static_cast<int>(e * 10000.0f) +
         f * 100000;
}

__declspec(dllexport) int WINAPI NoArguments() { return 4321; }

__declspec(dllexport) int WINAPI CallCount() { return calls; }
}
