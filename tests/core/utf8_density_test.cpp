// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "util/utf8.h"
#include "weight/density.h"

namespace zelvik {
namespace {

TEST(Utf8, FirstCharactersCutsWholeCharacters) {
  EXPECT_EQ(FirstCharacters("abc", 2), "ab");
  EXPECT_EQ(FirstCharacters("角钢abc", 2), "角钢");
  EXPECT_EQ(FirstCharacters("角钢", 5), "角钢");
  EXPECT_EQ(FirstCharacters("", 3), "");
  EXPECT_EQ(FirstCharacters("\xE8\xA7", 1), "\xE8");  // truncated sequence: one byte at a time
  EXPECT_EQ(FirstCharacters("\xFF\xFE", 1), "\xFF");
  EXPECT_EQ(FirstCharacters("φ2", 1), "φ");
}

TEST(Density, FieldTextIsAPlainNumber) {
  const std::pair<std::string, double> cases[] = {
      {"7.85", 7.85},
      {"8", 8},
      {"7.85+1", 7.85},
      {"", 0},
      {"abc", 0},
      {" 7.93", 7.93},
      // Only the first 29 characters count.
      {std::string(28, '0') + "5", 5},
      {std::string(29, '0') + "5", 0},
      {"１", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(DensityFromFieldText(text), value) << text;
}

}  // namespace
}  // namespace zelvik
