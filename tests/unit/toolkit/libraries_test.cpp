#include "toolkit/libraries.h"

#include <gtest/gtest.h>

#include "toolkit/facilities.h"

namespace {

// Built next to this test; LoadLibraryA finds it in the program's folder.
constexpr const char* kProbe = "float_probe.dll";

class Libraries : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(loadLibraryAs(0, kProbe), nullptr); }
  void TearDown() override { releaseLibraries(); }
};

// On x86_64 a float travels in an XMM register and an int in a general one;
// on i686 both are 32-bit stack slots that the callee removes.
TEST_F(Libraries, ArgumentsReachTheirPlaces) {
  int four = 4;
  EXPECT_EQ(callByName(0, "ScaleByFloat", 7, 1.5f), 10);
  EXPECT_EQ(callByName(0, "ScaleByFloat", -4, 0.25f), -1);
  EXPECT_EQ(callByName(0, "SixDigits", 1, 2, 3, 4, 5, 6), 123456);
  EXPECT_EQ(callByName(0, "SixDigits", 9, 0, 0, 0, 0, 1), 900001);
  EXPECT_EQ(callByName(0, "MixedSix", 0.25f, 3, &four, 5, 0.5f, 6), 605595);
  EXPECT_EQ(callByName(0, "NoArguments"), 4321);
}

// The calls made so far are counted by the library itself.
TEST_F(Libraries, MissingNameCallsNothing) {
  int before = callByName(0, "CallCount");
  EXPECT_EQ(callByName(0, "NoSuchExport", 1, 2.0f), 0);
  EXPECT_EQ(callByName(0, "scalebyfloat", 7, 1.5f), 0);
  EXPECT_EQ(callByName(0, "", 1), 0);
  EXPECT_EQ(libraryFunction(0, nullptr), nullptr);
  EXPECT_EQ(callByName(0, "CallCount"), before);
  EXPECT_EQ(callByName(0, "ScaleByFloat", 2, 2.0f), 4);
  EXPECT_EQ(callByName(0, "CallCount"), before + 1);
}

TEST_F(Libraries, UnloadFreesTheModuleAndTheNumber) {
  EXPECT_NE(GetModuleHandleA(kProbe), nullptr);
  unloadLibrary(0);
  EXPECT_EQ(GetModuleHandleA(kProbe), nullptr);
  EXPECT_EQ(libraryFunction(0, "ScaleByFloat"), nullptr);
  EXPECT_EQ(callByName(0, "NoArguments"), 0);
  unloadLibrary(0);  // a number that names nothing
}

TEST_F(Libraries, FailedLoadLeavesTheNumberEmpty) {
  EXPECT_EQ(loadLibraryAs(0, "no_such_library_tk2.dll"), nullptr);
  EXPECT_EQ(callByName(0, "NoArguments"), 0);
  EXPECT_EQ(GetModuleHandleA(kProbe), nullptr) << "the library the number held is freed";
  EXPECT_EQ(loadLibraryAs(1, ""), nullptr);
  EXPECT_EQ(callByName(5, "NoArguments"), 0);
}

// Two numbers may hold the same library; each load counts once.
TEST_F(Libraries, EachNumberHoldsItsOwnReference) {
  ASSERT_NE(loadLibraryAs(1, kProbe), nullptr);
  unloadLibrary(0);
  EXPECT_EQ(callByName(1, "NoArguments"), 4321);
  releaseLibraries();
  EXPECT_EQ(GetModuleHandleA(kProbe), nullptr);
}

}  // namespace
