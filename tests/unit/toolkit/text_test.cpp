#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <climits>

#include "toolkit/drawing.h"
#include "toolkit/wide_text.h"

namespace {

struct PathCase {
  const char* path;
  const char* file;
  const char* folder;
};

TEST(PathParts, FileAndFolderOfEachSpelling) {
  const PathCase cases[] = {
      {"D:\\music\\a.mp3", "a.mp3", "D:\\music\\"},
      {"a.mp3", "a.mp3", ""},
      {"D:/music/b.wav", "b.wav", "D:/music/"},
      {"D:\\mixed/sub\\c.mid", "c.mid", "D:\\mixed/sub\\"},
      {"D:\\music\\", "", "D:\\music\\"},
      {"", "", ""},
      {"\"D:\\my music\\a.mp3\"", "a.mp3", "D:\\my music\\"},
      {"\"D:\\my music\\a.mp3\" D:\\other\\", "a.mp3", "D:\\my music\\a.mp3\" D:\\other\\"},
      {"\"D:\\open\\a.mp3", "a.mp3", "D:\\open\\"},
      {"D:\\one\\*.*|D:\\two\\x", "x", "D:\\one\\"},
      {"|D:\\two\\x", "x", ""},
      {"D:\\Музыка\\трек.mp3", "трек.mp3", "D:\\Музыка\\"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(filePart(c.path), c.file) << c.path;
    EXPECT_EQ(folderPart(c.path), c.folder) << c.path;
  }
}

struct PadCase {
  const char* text;
  int width;
  const char* pad;
  const char* result;
};

TEST(PadLeft, ExactWidthFromTheFirstPadCharacter) {
  const PadCase cases[] = {
      {"5", 2, "00", "05"}, {"123", 2, "0", "12"}, {"7", 3, "", "  7"},  {"7", 3, "xy", "xx7"},
      {"", 2, "0", "00"},   {"abc", 0, "0", ""},   {"abc", -4, "0", ""}, {"abc", 3, "0", "abc"},
  };
  for (const PadCase& c : cases)
    EXPECT_EQ(padLeft(c.text, c.width, c.pad), c.result) << c.text << " " << c.width;
}

struct IntegerCase {
  std::string text;
  std::int64_t value;
};

TEST(ParseInteger, BlanksSignBaseAndStop) {
  const IntegerCase cases[] = {
      {"Нет", 0},
      {"  12x", 12},
      {"-3", -3},
      {"+8", 8},
      {"$1F", 31},
      {"$ff", 255},
      {"-$10", -16},
      {"%101", 5},
      {"%102", 2},
      {"\t \t42", 42},
      {"", 0},
      {"-", 0},
      {"$", 0},
      {"%", 0},
      {"$G", 0},
      {" - 3", 0},
      {"\n5", 0},
      {"007", 7},
      {"12 34", 12},
      {"1.5", 1},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      // beyond 64 bits the value stays at the edge instead of wrapping
      {"9223372036854775808", INT64_MAX},
      {"-9223372036854775809", INT64_MIN},
      {"18446744073709551617", INT64_MAX},
      {"-18446744073709551617", INT64_MIN},
      {"99999999999999999999999999", INT64_MAX},
      {"$FFFFFFFFFFFFFFFF", INT64_MAX},
      {"$10000000000000001", INT64_MAX},
      {"-%1" + std::string(70, '1'), INT64_MIN},
  };
  for (const IntegerCase& c : cases) EXPECT_EQ(parseInteger(c.text), c.value) << c.text;
}

TEST(TimeParts, MinutesWithinTheHourSecondsWithinTheMinute) {
  const struct {
    std::int64_t seconds, minutes, secondsLeft;
  } cases[] = {
      {3725, 2, 5}, {59, 0, 59}, {60, 1, 0},    {3599, 59, 59},    {3600, 0, 0},
      {0, 0, 0},    {-1, 0, 0},  {-3725, 0, 0}, {INT64_MIN, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(minutesPart(c.seconds), c.minutes) << c.seconds;
    EXPECT_EQ(secondsPart(c.seconds), c.secondsLeft) << c.seconds;
  }
}

TEST(DecimalText, SignedSixtyFourBit) {
  EXPECT_EQ(decimalText(0), "0");
  EXPECT_EQ(decimalText(-42), "-42");
  EXPECT_EQ(decimalText(1381653), "1381653");
  EXPECT_EQ(decimalText(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(decimalText(INT64_MIN), "-9223372036854775808");
}

TEST(ShortTexts, RightCharsLowerCaseAndEquality) {
  EXPECT_EQ(rightChars("track.MP3", 4), ".MP3");
  EXPECT_EQ(rightChars("mp3", 10), "mp3");
  EXPECT_EQ(rightChars("mp3", -1), "");
  EXPECT_EQ(rightChars("mp3", 0), "");
  EXPECT_EQ(lowerCase(".MP3 AZaz@[`{"), ".mp3 azaz@[`{");
  EXPECT_EQ(lowerCase("ТРЕК"), "ТРЕК");  // bytes above 127 untouched
  EXPECT_EQ(textEquals("a.mp3", "a.mp3"), 1);
  EXPECT_EQ(textEquals("a.mp3", "A.mp3"), 0);
  EXPECT_EQ(textEquals("", ""), 1);
}

TEST(MakeColour, UnmaskedSum) {
  EXPECT_EQ(makeColour(21, 21, 21), 1381653);
  EXPECT_EQ(makeColour(93, 93, 93), 6118749);
  EXPECT_EQ(makeColour(255, 0, 0), 0x0000FF);
  EXPECT_EQ(makeColour(0, 0, 255), 0xFF0000);
  EXPECT_EQ(makeColour(256, 0, 0), 0x000100);
  EXPECT_EQ(makeColour(-1, 0, 0), -1);
}

TEST(WideText, FromTheAnsiCodePage) {
  EXPECT_EQ(wideText("Нет"), L"\x041D\x0435\x0442");
  EXPECT_EQ(wideText("a.png"), L"a.png");
  EXPECT_EQ(wideText(""), L"");
  EXPECT_EQ(wideText(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(wideText("x").c_str()[1], L'\0');
}

}  // namespace
