// The settings text without any file: what a key reads as, what a write
// changes, and the bytes a document renders to.
#include "toolkit/pref_parse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

using namespace std::string_literals;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

std::string rewritten(const std::string& bytes) { return renderPrefText(parsePrefText(bytes)); }

struct ReadCase {
  const char* what;
  std::string bytes;
  std::string key;
  std::optional<std::string> expected;
};

TEST(PrefParse, ReadsKeysOfTheTopSection) {
  const ReadCase cases[] = {
      {"plain", "Путь=D:\\a", "Путь", "D:\\a"},
      {"blanks around", " Путь =D:\\a ", "Путь", "D:\\a"},
      {"hand-written with tabs", "\t Путь\t=\t D:\\a \t\r\n", "Путь", "D:\\a"},
      {"LF ends", "a=1\nПуть=x\n", "Путь", "x"},
      {"CR ends", "a=1\rПуть=x\r", "Путь", "x"},
      {"CR LF ends and empty lines", "\r\n\r\na=1\r\n\r\nПуть=x\r\n", "Путь", "x"},
      {"ASCII letters fold", "PATH=1", "path", "1"},
      {"lower-case п is another key", "путь=1", "Путь", std::nullopt},
      {"key below a group", "a=1\n[g]\nПуть=x", "Путь", std::nullopt},
      {"comment skipped", ";Путь=x\nПуть=y", "Путь", "y"},
      {"first duplicate", "Путь=1\nПуть=2", "Путь", "1"},
      {"no equals sign", "Позиция\r\n", "Позиция", ""},
      {"second equals sign", "Позиция = 2 = 3", "Позиция", "2 = 3"},
      {"byte-order mark", kBom + "\xC3\x8F\xC3\xB3\xC3\xB2\xC3\xBC = D:\\\xC3\x9C", "Путь",
       "D:\\Ь"},
      {"not UTF-8", kBom + "k = \xE9", "k", ""},
      {"above U+00FF", kBom + "k = \xC4\x80", "k", ""},
      {"overlong", kBom + "k = \xC1\x81", "k", ""},
      {"cut-off sequence", kBom + "k = a\xC3", "k", ""},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(findPrefValue(parsePrefText(c.bytes), c.key), c.expected) << c.what;
  }
}

TEST(PrefParse, RewritesLinesInTheirNormalForm) {
  const std::pair<std::string, std::string> cases[] = {
      {";x", "; x\r\n"},
      {"  ;  two", ";  two\r\n"},
      {"[g] rest\n[h", "[g]\r\n[h]\r\n"},
      {"\n\n  a=1\r\r\rb = 2", "a = 1\r\nb = 2\r\n"},
      {"x=1  \t", "x = 1  \t\r\n"},
      {"Позиция", "Позиция = \r\n"},
      {"a=1\0b"s, "a = 1\0b\r\n"s},
      {"   \t", ""},
      {kBom, kBom + "\r\n"},
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(rewritten(bytes), expected) << bytes;
}

struct WriteCase {
  const char* what;
  std::string bytes;
  std::string key;
  std::string expected;
};

TEST(PrefParse, WritesReplaceOrAddAboveTheFirstGroup) {
  const WriteCase cases[] = {
      {"hand-written line", "  Путь=C:\\old.mp3   \r\n", "Путь", "Путь = V\r\n"},
      {"lower-case п", "путь = x\r\n", "Путь", "путь = x\r\nПуть = V\r\n"},
      {"key below a group", "a=1\n[g]\nПуть=x", "Путь", "a = 1\r\nПуть = V\r\n[g]\r\nПуть = x\r\n"},
      {"comment before group", ";c\n[g]", "k", "; c\r\nk = V\r\n[g]\r\n"},
      {"first duplicate", "Путь=1\nПуть=2", "Путь", "Путь = V\r\nПуть = 2\r\n"},
      {"letter case given", "PATH = 1", "Path", "Path = V\r\n"},
      {"byte-order mark", kBom + "a=1", "Ь", kBom + "\r\na = 1\r\n\xC3\x9C = V\r\n"},
  };
  for (const WriteCase& c : cases) {
    PrefDocument document = parsePrefText(c.bytes);
    setPrefValue(document, c.key, "V");
    EXPECT_EQ(renderPrefText(document), c.expected) << c.what;
  }
}

bool sameEntries(const PrefDocument& a, const PrefDocument& b) {
  if (a.utf8 != b.utf8 || a.entries.size() != b.entries.size()) return false;
  for (std::size_t i = 0; i < a.entries.size(); ++i) {
    const PrefEntry &x = a.entries[i], &y = b.entries[i];
    if (x.kind != y.kind || x.name != y.name || x.value != y.value) return false;
  }
  return true;
}

// The mark counts only at byte 0; elsewhere its bytes belong to a key, and
// the rewrite must not move them to the front, where the next reading would
// take the file for UTF-8 and lose every key the program wrote.
TEST(PrefParse, MarkAfterTheFirstByteStaysPartOfTheKey) {
  const std::pair<std::string, std::string> cases[] = {
      {" " + kBom, "\r\n" + kBom + " = \r\n"},
      {"\r\n" + kBom + "x = 1\r\n", "\r\n" + kBom + "x = 1\r\n"},
      {"\t" + kBom + "k=v\n[g]", "\r\n" + kBom + "k = v\r\n[g]\r\n"},
      {";c\n" + kBom + "k=v", "; c\r\n" + kBom + "k = v\r\n"},
      {kBom + kBom + "k=v", kBom + "\r\n" + kBom + "k = v\r\n"},
  };
  for (const auto& [bytes, expected] : cases) {
    const PrefDocument document = parsePrefText(bytes);
    EXPECT_EQ(document.utf8, bytes.starts_with(kBom)) << bytes;
    const std::string once = renderPrefText(document);
    EXPECT_EQ(once, expected) << bytes;
    EXPECT_TRUE(sameEntries(parsePrefText(once), document)) << bytes;
  }
}

TEST(PrefParse, KeyWrittenWithTheMarksBytesKeepsTheFileNarrow) {
  PrefDocument document = parsePrefText("");
  ASSERT_TRUE(setPrefValue(document, kBom + "k", "1"));
  ASSERT_TRUE(setPrefValue(document, "Путь", "x"));
  const PrefDocument again = parsePrefText(renderPrefText(document));
  EXPECT_FALSE(again.utf8);
  EXPECT_EQ(findPrefValue(again, kBom + "k"), "1");
  EXPECT_EQ(findPrefValue(again, "Путь"), "x");
}

// A line that would read back as another key, a comment, a group or two
// lines is refused and changes nothing.
TEST(PrefParse, WritesThatWouldNotReadBackAreRefused) {
  const struct {
    std::string key, value;
    bool holds;
  } cases[] = {
      {"Путь", "D:\\a b", true}, {"", "v", true},          {"k", " v", true},   {"a b", "=", true},
      {"k\r", "v", false},       {"k", "v\nx = 1", false}, {"k", "v\r", false}, {"a=b", "v", false},
      {" k", "v", false},        {"k\t", "v", false},      {";k", "v", false},  {"[k", "v", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(prefLineHolds(c.key, c.value), c.holds) << c.key << "|" << c.value;
    PrefDocument document = parsePrefText("a = 1\r\n");
    EXPECT_EQ(setPrefValue(document, c.key, c.value), c.holds) << c.key;
    if (!c.holds) {
      EXPECT_EQ(renderPrefText(document), "a = 1\r\n") << c.key;
      continue;
    }
    const PrefDocument again = parsePrefText(renderPrefText(document));
    EXPECT_EQ(findPrefValue(again, c.key), c.value.substr(c.value.find_first_not_of(' '))) << c.key;
  }
}

TEST(PrefParse, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int code = 0; code < 256; ++code) all.push_back(static_cast<char>(code));
  std::string utf8 = bytesToUtf8(all);
  EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
  EXPECT_EQ(utf8ToBytes(utf8), all);
}

}  // namespace
