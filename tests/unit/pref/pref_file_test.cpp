// The settings file on disk, each case in a folder of its own: what is
// created, what is rewritten, and what is left alone.
#include "toolkit/pref_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/facilities.h"

namespace {

// "Путь = D:\Музыка\01.mp3" and "Позиция = 2" spelled out in Windows-1251.
const std::string kCreated =
    "\xCF\xF3\xF2\xFC = D:\\\xCC\xF3\xE7\xFB\xEA\xE0\\01.mp3\r\n"
    "\xCF\xEE\xE7\xE8\xF6\xE8\xFF = 2\r\n";

class PrefFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "pref-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    path_ = folder_ + "плейлист.pcs";
  }
  void TearDown() override {
    closePrefFile();
    for (const std::string& name : names()) {
      SetFileAttributesA((folder_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileA((folder_ + name).c_str())) RemoveDirectoryA((folder_ + name).c_str());
    }
    RemoveDirectoryA(folder_.c_str());
  }

  void put(const std::string& bytes, FILETIME stamp = {0x12345600, 0x01C0F000}) {
    put(path_.substr(folder_.size()), bytes, stamp);
  }
  void put(const std::string& name, const std::string& bytes,
           FILETIME stamp = {0x12345600, 0x01C0F000}) {
    HANDLE file =
        CreateFileA((folder_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    SetFileTime(file, nullptr, nullptr, &stamp);  // an old time, so a rewrite shows
    CloseHandle(file);
  }
  std::string contents() const {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD got = 0;
    ReadFile(file, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
  }
  ULONGLONG lastWrite() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data);
    return (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) |
           data.ftLastWriteTime.dwLowDateTime;
  }
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
      if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..")
        found.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return found;
  }
  void writeBoth() {
    writePrefString("Путь", "D:\\Музыка\\01.mp3");
    writePrefString("Позиция", "2");
  }

  std::string folder_;
  std::string path_;
};

const std::vector<std::string> kOnlyThePlaylist = {"плейлист.pcs"};

TEST_F(PrefFileTest, MissingFileIsCreatedAtCloseWithExactBytes) {
  EXPECT_EQ(openPrefFile(path_), 0);
  EXPECT_EQ(readPrefString("Путь", "Нет"), "Нет");
  writeBoth();
  EXPECT_EQ(readPrefString("Позиция", "Нет"), "2");
  closePrefFile();
  EXPECT_EQ(contents(), kCreated);
  EXPECT_EQ(names(), kOnlyThePlaylist);
}

TEST_F(PrefFileTest, ChangedFileIsReplacedWithoutLeftovers) {
  put("  Путь=C:\\old.mp3   \n[g]\nx = 1  ");
  ASSERT_NE(openPrefFile(path_), 0);
  EXPECT_EQ(readPrefString("Путь", "Нет"), "C:\\old.mp3");
  writePrefString("Путь", "D:\\new.mp3");
  closePrefFile();
  EXPECT_EQ(contents(), "Путь = D:\\new.mp3\r\n[g]\r\nx = 1  \r\n");
  EXPECT_EQ(names(), kOnlyThePlaylist);
}

TEST_F(PrefFileTest, UnchangedFileIsNotRewritten) {
  const std::string bytes = "  Путь=x  \n\n[g]";
  put(bytes);
  const ULONGLONG stamp = lastWrite();
  ASSERT_NE(openPrefFile(path_), 0);
  EXPECT_EQ(readPrefString("Путь", "Нет"), "x");
  closePrefFile();
  EXPECT_EQ(contents(), bytes);
  EXPECT_EQ(lastWrite(), stamp);
  EXPECT_EQ(names(), kOnlyThePlaylist);
}

TEST_F(PrefFileTest, ReadOnlyFileIsReadButLeftAsItWas) {
  const std::string bytes = "Путь=x\n";
  put(bytes);
  ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_NE(openPrefFile(path_), 0);
  EXPECT_EQ(readPrefString("Путь", "Нет"), "x");
  writeBoth();
  closePrefFile();
  EXPECT_EQ(contents(), bytes);
  EXPECT_TRUE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(names(), kOnlyThePlaylist);
}

TEST_F(PrefFileTest, FailedReplaceRemovesTheTemporaryFile) {
  ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));  // a folder where the file should go
  EXPECT_EQ(openPrefFile(path_), 0);
  writeBoth();
  closePrefFile();
  EXPECT_EQ(names(), kOnlyThePlaylist);
  EXPECT_TRUE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(PrefFileTest, OpeningAnotherOrReleasingWritesTheOpenFile) {
  EXPECT_EQ(openPrefFile(path_), 0);
  writeBoth();
  openPrefFile(folder_ + "other.pcs");
  EXPECT_EQ(contents(), kCreated);

  put("");
  ASSERT_NE(openPrefFile(path_), 0);
  writePrefString("k", "v");
  releasePrefFile();
  EXPECT_EQ(contents(), "k = v\r\n");
  EXPECT_EQ(readPrefString("k", "Нет"), "Нет");  // closed: defaults again
}

TEST_F(PrefFileTest, RelativeNameKeepsTheFolderOfTheOpen) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  EXPECT_EQ(openPrefFile("плейлист.pcs"), 0);
  SetCurrentDirectoryA(previous);  // as the open requester may do
  writeBoth();
  closePrefFile();
  EXPECT_EQ(contents(), kCreated);
}

// The mark's bytes after an empty line are part of the first key, not a mark.
// Two runs of the mini's shutdown and start-up: the keys written by the first
// are read by the second, and the third run still finds one pair, not two.
TEST_F(PrefFileTest, MarkAfterAnEmptyLineDoesNotLoseTheSavedKeys) {
  const std::string bytes = "\r\n\xEF\xBB\xBFx = 1\r\n";
  put(bytes);
  for (int run = 0; run < 3; ++run) {
    openPrefFile(path_);
    writeBoth();
    closePrefFile();
    ASSERT_NE(openPrefFile(path_), 0) << run;
    EXPECT_EQ(readPrefString("Путь", "Нет"), "D:\\Музыка\\01.mp3") << run;
    EXPECT_EQ(readPrefString("Позиция", "Нет"), "2") << run;
    closePrefFile();
    EXPECT_EQ(contents(), bytes + kCreated) << run;
  }
}

// Only the names that a save of this very file gives its temporary files
// are taken for leftovers of a killed save; everything else stays.
TEST_F(PrefFileTest, NextSaveRemovesLeftoversOfAKilledSaveAndNothingElse) {
  const std::vector<std::string> leftovers = {"плейлист.pcs.1f4.tmp", "плейлист.pcs.a.tmp",
                                              "плейлист.PCS.deadbeef.tmp"};
  std::vector<std::string> others = {"prf1a2b.tmp",
                                     "плейлист.pcs.tmp",
                                     "плейлист.pcs.xyz.tmp",
                                     "плейлист.pcs..tmp",
                                     "other.pcs.12.tmp",
                                     "плейлист.pcs.123456789.tmp",
                                     "плейлист.pcs.12.tmp.bak",
                                     "xплейлист.pcs.12.tmp"};
  for (const std::string& name : leftovers) put(name, "Путь = old\r\n");
  for (const std::string& name : others) put(name, "keep");
  const std::string folderLike = "плейлист.pcs.ab.tmp";
  ASSERT_TRUE(CreateDirectoryA((folder_ + folderLike).c_str(), nullptr));
  others.push_back(folderLike);
  others.push_back("плейлист.pcs");

  openPrefFile(path_);
  writeBoth();
  closePrefFile();

  EXPECT_EQ(contents(), kCreated);
  std::vector<std::string> left = names();
  std::sort(left.begin(), left.end());
  std::sort(others.begin(), others.end());
  EXPECT_EQ(left, others);
}

}  // namespace
