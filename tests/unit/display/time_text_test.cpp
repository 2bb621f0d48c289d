#include "display/time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct LabelCase {
  int seconds;
  const char* elapsed;
  const char* total;
};

// The total label counts whole minutes past the hour too (62:05), like the
// elapsed label; a negative length (no stream) shows 0:00.
TEST(TimeText, LabelsCountWholeMinutesAndPadSeconds) {
  const LabelCase cases[] = {{0, "0:00", "0:00"},      {59, "0:59", "0:59"},
                             {60, "1:00", "1:00"},     {65, "1:05", "1:05"},
                             {245, "4:05", "4:05"},    {3599, "59:59", "59:59"},
                             {3725, "62:05", "62:05"}, {-1, "0:-1", "0:00"}};
  for (const LabelCase& c : cases) {
    EXPECT_EQ(ElapsedText(c.seconds), c.elapsed) << c.seconds;
    EXPECT_EQ(TotalText(c.seconds), c.total) << c.seconds;
  }
  EXPECT_EQ(TotalText(-3725), "0:00");
}

TEST(TimeText, SecondsRoundToNearestWithHalvesToEven) {
  const struct {
    double in;
    int out;
  } cases[] = {{2.5, 2},   {3.5, 4},       {59.49, 59}, {59.5, 60},  {-0.5, 0},   {-1.0, -1},
               {-1.5, -2}, {3725.0, 3725}, {NAN, -1},   {1e300, -1}, {-1e300, -1}};
  for (auto c : cases) EXPECT_EQ(WholeSeconds(c.in), c.out) << c.in;
}

TEST(TimeText, MarkerRisesFromRow103To3) {
  const struct {
    int position, length, row;
  } cases[] = {{0, 245, 103},
               {245, 245, 3},
               {122, 245, 54},
               {1, 3, 70},
               {10, 0, 103},
               {-1, -1, 103},
               {2000000000, 2000000000, 3}};
  for (auto c : cases)
    EXPECT_EQ(MarkerRow(c.position, c.length), c.row) << c.position << "/" << c.length;
}

TEST(TimeText, KnobStaysBetween5And48) {
  const struct {
    int in, out;
  } cases[] = {{-4, 5}, {4, 5}, {5, 5}, {6, 6}, {30, 30}, {50, 50}, {51, 48}, {54, 48}};
  for (auto c : cases) EXPECT_EQ(KnobX(c.in), c.out) << c.in;
}

TEST(TimeText, CountedTitleIsNameSpacesIndexAndCount) {
  EXPECT_EQ(CountedTitle("Трек.mp3", 3, 12), "Трек.mp3   3/12");
  EXPECT_EQ(CountedTitle("", 1, 1), "   1/1");
}

}  // namespace
