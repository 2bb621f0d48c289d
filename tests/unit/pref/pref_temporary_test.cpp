// The names of a save's temporary files, and which names count as its leftovers.
#include "toolkit/pref_temporary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(PrefTemporary, NamesAreRecognisedOnlyInTheirExactShape) {
  const std::string name = "плейлист.pcs";
  for (std::uint32_t id : {0u, 0x1F4u, 0xFFFFFFFFu}) {
    EXPECT_TRUE(isPrefTemporaryName(name, prefTemporaryName(name, id))) << id;
  }
  EXPECT_EQ(prefTemporaryName(name, 0x1F4), "плейлист.pcs.1f4.tmp");
  const struct {
    std::string candidate;
    bool ours;
  } cases[] = {
      {"плейлист.pcs.0.tmp", true},
      {"ПЛЕЙЛИСТ.PCS.0.tmp", false},  // Cyrillic case differs
      {"плейлист.PCS.ab.tmp", true},
      {"плейлист.pcs.AB.tmp", false},
      {"плейлист.pcs.tmp", false},
      {"плейлист.pcs..tmp", false},
      {"плейлист.pcs.123456789.tmp", false},
      {"плейлист.pcs.12.TMP", false},
      {"плейлист.pcs", false},
      {"prf1a2b.tmp", false},
      {"плейлист.pcsx12.tmp", false},
      {"плейлист.pcs.1 2.tmp", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(isPrefTemporaryName(name, c.candidate), c.ours) << c.candidate;
  EXPECT_FALSE(isPrefTemporaryName("", ".0.tmp"));
}

}  // namespace
