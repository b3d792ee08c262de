// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "reference/bearing_catalogue.h"

namespace zelvik {
namespace {

struct Block {
  int kind;
  const char* heading;
  int headingLine;
  int dataLines;
  const char* first;
  const char* last;
};

const Block kBlocks[] = {
    {1, "深沟球轴承(GB/T276-94)", 0, 256, "619/3", "60/500"},
    {2, "调心球轴承(GB/T281-94)", 257, 91, "1200", "2322"},
    {3, "圆柱滚子轴承(GB/T283-94)", 349, 815, "NU202", "N260"},
    {4, "调心滚子轴承(GB/T288-94)", 1165, 292, "22206", "22356K"},
    {5, "圆锥滚子轴承(GB/T297-94)", 1458, 159, "30204", "32238"},
    {6, "双列圆锥滚子轴承(GB/T299-1995)", 1618, 76, "352206", "352068"},
    {7, "角接触球轴承(GB/T292-94)", 1695, 108, "7002C", "7020AC"},
    {8, "滚针轴承(GB/T5801-94)", 1804, 51, "NA4900", "NA4856"},
    {9, "推力球轴承(GB/T301-1995)", 1856, 173, "51100", "51296"},
    {10, "推力调心滚子轴承(GB/T5859-94)", 2030, 53, "29412", "29468"},
    {11, "推力圆柱滚子轴承(GB/T4663-94)", 2084, 14, "81108", "81226"},
    {12, "推力圆锥滚子轴承(GB/T4663-1994)", 2099, 10, "99426", "99476"},
};

std::string Designation(std::string_view line) { return std::string(line.substr(0, line.find(' '))); }

TEST(BearingCatalogue, BlocksHeadingsCountsFirstAndLast) {
  const auto lines = BearingLines();
  ASSERT_EQ(lines.size(), 2110u);
  const auto entries = BearingKindEntries();
  ASSERT_EQ(entries.size(), 13u);
  EXPECT_EQ(entries[0], "全部滚动轴承");
  for (const Block& b : kBlocks) {
    EXPECT_EQ(lines[b.headingLine], b.heading) << b.kind;
    EXPECT_EQ(entries[b.kind], b.heading) << b.kind;
    const int next = b.kind < 12 ? kBlocks[b.kind].headingLine : 2110;
    EXPECT_EQ(next - b.headingLine - 1, b.dataLines) << b.kind;
    EXPECT_EQ(Designation(lines[b.headingLine + 1]), b.first) << b.kind;
    EXPECT_EQ(Designation(lines[next - 1]), b.last) << b.kind;
  }
}

TEST(BearingCatalogue, ReferenceLinesVerbatimInTheirKind) {
  const std::pair<int, const char*> reference[] = {
      {1, "619/3  -------   3×8×3       0.0008"},  {1, "6204   204       20×47×14    0.103 "},
      {1, "60/500 1/500     500×720×100 117.0 "},  {1, "623    -------   3×10×4      0.002 "},
      {3, "NU202  32202     15×35×11    ----- "},  {3, "NUP2204E 92504E  20×47×18    0.147 "},
      {4, "22206   -----    30×62×20     0.500"},  {5, "30204   -----    20×47×15.25  0.124"},
      {5, "32321   -----    105×225×81.5 14.458"}, {7, "7204C   36204    20×47×14     0.100"},
      {8, "NA4900  4544900  10×22×13     0.0243"}, {10, "29412   9039412  60×130×42    -----"},
      {12, "99476   9019476  380×670×175  254.0"},
  };
  const auto lines = BearingLines();
  for (const auto& [kind, text] : reference) {
    int found = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == text) found = static_cast<int>(i);
    }
    ASSERT_GE(found, 0) << text;
    EXPECT_EQ(BearingEntryOfLine(found), kind) << text;
  }
  EXPECT_EQ(lines[55], "6204   204       20×47×14    0.103 ");
  EXPECT_EQ(lines[1706], "7204C   36204    20×47×14     0.100");
}

// Columns as the list font shows them: a Chinese character or "×" takes two.
int Columns(std::string_view text) {
  int columns = 0;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    columns += (len >= 3 || text.substr(i, len) == "×") ? 2 : 1;
    i += len;
  }
  return columns;
}

std::string Place(std::string line, std::string_view field, int column) {
  const int at = std::max(column, Columns(line) + 1);
  line.append(static_cast<size_t>(at - Columns(line)), ' ');
  return line.append(field);
}

TEST(BearingCatalogue, EveryDataLineFollowsTheLayout) {
  const std::regex dims(R"(\d+(\.\d+)?×\d+(\.\d+)?×\d+(\.\d+)?)");
  const std::regex weight(R"(-----|\d+(\.\d{1,4})?)");
  const std::regex designation(R"([0-9A-Z/]+)");
  const auto lines = BearingLines();
  int longLines = 0;
  for (const Block& b : kBlocks) {
    const bool narrow = b.kind <= 3;
    std::set<std::string> designations;
    for (int i = b.headingLine + 1; i <= b.headingLine + b.dataLines; ++i) {
      const std::string line(lines[i]);
      std::vector<std::string> fields;
      for (size_t pos = 0; (pos = line.find_first_not_of(' ', pos)) != std::string::npos;) {
        const size_t end = line.find(' ', pos);
        fields.push_back(line.substr(pos, end - pos));
        pos = end;
      }
      ASSERT_EQ(fields.size(), 4u) << i << ": " << line;
      EXPECT_TRUE(std::regex_match(fields[0], designation)) << i << ": " << line;
      EXPECT_TRUE(designations.insert(fields[0]).second) << i << ": " << line;
      if (fields[1].find('-') != std::string::npos) {
        EXPECT_EQ(fields[1], narrow ? "-------" : "-----") << i;
      }
      EXPECT_TRUE(std::regex_match(fields[2], dims)) << i << ": " << line;
      EXPECT_TRUE(std::regex_match(fields[3], weight)) << i << ": " << line;
      std::string expected = Place(fields[0], fields[1], narrow ? 7 : 8);
      expected = Place(expected, fields[2], 17);
      expected = Place(expected, fields[3], narrow ? 31 : 32);
      expected.append(static_cast<size_t>(std::max(0, 37 - Columns(expected))), ' ');
      EXPECT_EQ(line, expected) << i;
      EXPECT_LE(Columns(line), 38) << i << ": " << line;
      longLines += Columns(line) > 37;
    }
  }
  EXPECT_LE(longLines, 6);
  // Only kind 10 gives no weights at all.
  for (int i = 2031; i < 2084; ++i) EXPECT_EQ(std::string(lines[i]).substr(32, 5), "-----") << i;
}

TEST(BearingCatalogue, FindNextFromTheSelection) {
  struct Case {
    int selected;
    const char* text;
    int line;
    int entry;
  };
  const Case cases[] = {
      {-1, "6204", 55, 1},     // a fresh window: no selection
      {55, "6204", 1706, 7},   // the old designation 36204 holds the text
      {-1, "GB/T", 257, 2},    // line 0 comes last
      {-1, "深沟球", 0, -1},   // found only on line 0: the kind list stays as it is
      {-1, "NU202", 350, 3},
      {2109, "619/3", 1, 1},   // wraps past the end
      {350, "NU202", 350, 3},  // the only hit is the selected line itself
      {10, "SKF", -1, -1},
      {0, "", 1, 1},
      {2109, "", 0, -1},
  };
  for (const Case& c : cases) {
    const int line = FindBearingLine(c.selected, c.text);
    EXPECT_EQ(line, c.line) << c.selected << " " << c.text;
    EXPECT_EQ(BearingEntryOfLine(line), c.entry) << c.selected << " " << c.text;
  }
}

TEST(BearingCatalogue, KindListAndLinesPointAtEachOther) {
  EXPECT_EQ(BearingLineOfEntry(0), 0);
  EXPECT_EQ(BearingLineOfEntry(1), 0);
  EXPECT_EQ(BearingLineOfEntry(9), 1856);
  EXPECT_EQ(BearingLineOfEntry(13), -1);
  EXPECT_EQ(BearingLineOfEntry(-1), -1);
  for (const Block& b : kBlocks) {
    EXPECT_EQ(BearingLineOfEntry(b.kind), b.headingLine) << b.kind;
    if (b.headingLine > 0) {
      EXPECT_EQ(BearingEntryOfLine(b.headingLine), b.kind);
    }
    EXPECT_EQ(BearingEntryOfLine(b.headingLine + 1), b.kind);
    EXPECT_EQ(BearingEntryOfLine(b.headingLine + b.dataLines), b.kind);
  }
  EXPECT_EQ(BearingEntryOfLine(0), -1);
  EXPECT_EQ(BearingEntryOfLine(2110), -1);
  EXPECT_EQ(BearingEntryOfLine(-5), -1);
}

}  // namespace
}  // namespace zelvik
