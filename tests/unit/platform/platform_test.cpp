// The build and the run-time environment every other test relies on:
// narrow literals are Windows-1251 bytes, and the ANSI code page is 1251,
// so a Cyrillic file name passed to an ...A function names the right file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

TEST(Platform, NarrowLiteralsAreWindows1251) {
  const std::string title = "Ровел mp3";
  ASSERT_EQ(title.size(), 9u);
  EXPECT_EQ(static_cast<unsigned char>(title[0]), 0xD0);  // Р
  EXPECT_EQ(static_cast<unsigned char>(title[4]), 0xEB);  // л
}

TEST(Platform, AnsiCodePageIs1251) { EXPECT_EQ(GetACP(), 1251u); }

TEST(Platform, CyrillicFileNameRoundTrips) {
  char folder[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "плейлист-проба.txt";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(folder) + "плейлист-*.txt").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::string(found.cFileName), "плейлист-проба.txt");
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}
