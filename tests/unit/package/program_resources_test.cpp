// The version resource and the manifest of both programs, read back from the
// built files the way Explorer's properties and the loader read them.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Program {
  const char* path;
  const char* fileName;
  const char* description;
};

const Program kPrograms[] = {
    {DECK_FULL_PROGRAM, "deckplayer.exe", "deckplayer, a turntable audio player"},
    {DECK_MINI_PROGRAM, "deckplayer-mini.exe", "deckplayer-mini, the small turntable audio player"},
};

constexpr DWORD kVersionMs = MAKELONG(DECK_VERSION_MINOR, DECK_VERSION_MAJOR);
constexpr DWORD kVersionLs = MAKELONG(0, DECK_VERSION_PATCH);

std::vector<char> versionInfo(const char* path) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  std::vector<char> info(size);
  if (size == 0 || !GetFileVersionInfoA(path, 0, size, info.data())) info.clear();
  return info;
}

std::string stringValue(std::vector<char>& info, const std::string& name) {
  void* value = nullptr;
  UINT length = 0;
  std::string query = "\\StringFileInfo\\040904B0\\" + name;
  if (!VerQueryValueA(info.data(), query.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const char*>(value);
}

// The manifest the loader applies: resource 1 of type RT_MANIFEST.
std::string manifest(const char* path) {
  HMODULE module =
      LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  std::string text;
  if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    if (bytes) text.assign(bytes, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(ProgramResources, VersionResourceCarriesTheProjectVersion) {
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(program.fileName);
    std::vector<char> info = versionInfo(program.path);
    ASSERT_FALSE(info.empty());

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionMs);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLs);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionMs);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLs);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(stringValue(info, "FileVersion"), DECK_VERSION);
    EXPECT_EQ(stringValue(info, "ProductVersion"), DECK_VERSION);
    EXPECT_EQ(stringValue(info, "ProductName"), "deckplayer");
    EXPECT_EQ(stringValue(info, "FileDescription"), program.description);
    EXPECT_EQ(stringValue(info, "OriginalFilename"), program.fileName);
  }
}

TEST(ProgramResources, ManifestIsEmbeddedWhereTheLoaderLooks) {
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(program.fileName);
    std::string text = manifest(program.path);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(occurrences(text, "<supportedOS "), 4);  // Windows 7, 8, 8.1, 10 and 11
    EXPECT_EQ(occurrences(text, "level=\"asInvoker\""), 1);
    EXPECT_EQ(occurrences(text, ">true</dpiAware>"), 1);
    EXPECT_EQ(occurrences(text, ">system</dpiAwareness>"), 1);
    EXPECT_EQ(occurrences(text, "\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), 1);
  }
}

}  // namespace
