// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>

#include "config/ini_document.h"

namespace zelvik {
namespace {

using Edit = IniDocument::EditResult;

// GBK bytes of the texts used below.
const std::string kJiaoGang = "\xBD\xC7\xB8\xD6";                     // 角钢
const std::string kXingHao1 = std::string("\xD0\xCD\xBA\xC5") + "1";  // 型号1
const std::string kAngleSign = "\xA1\xCF";                            // ∠
const std::string kTimes = "\xA1\xC1";                                // ×
const std::string kAngle = kAngleSign + "20" + kTimes + "20" + kTimes + "3";

struct LookupCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class IniLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, FindsAsTheProfileFunctionsDo) {
  const LookupCase& c = GetParam();
  IniDocument doc = IniDocument::Parse(c.file);
  std::optional<std::string_view> found = doc.Find(c.section, c.key);
  if (c.expected) {
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, *c.expected);
  } else {
    EXPECT_FALSE(found.has_value()) << "found " << *found;
  }
}

const std::string kLookupFile =
    "; comment=1\n"
    "top=before any section\n"
    "[Setting]\n"
    "  danwei = 2 \t\n"
    "Autorun=1\n"
    "noequals\n"
    "=nokey\n"
    "[ " +
    kJiaoGang + " ]\n" + kXingHao1 + "=" + kAngle + "\n" + kXingHao1 +
    "=second\n"
    "#x=1\n"
    "[\xA3\xD3]\n"  // a full-width Ｓ: not folded
    "k=full\n"
    "[setting]\n"
    "minirun=1\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniLookupTest,
    testing::Values(
        LookupCase{"TrimsNameAndValue", kLookupFile, "Setting", "danwei", "2"},
        LookupCase{"AsciiCaseInsensitive", kLookupFile, "SETTING", "DANWEI", "2"},
        LookupCase{"KeyCaseInsensitive", kLookupFile, "setting", "autorun", "1"},
        LookupCase{"TrimsArguments", kLookupFile, " Setting ", " danwei\t", "2"},
        LookupCase{"ChineseNames", kLookupFile, "角钢", "型号1", "∠20×20×3"},
        LookupCase{"FirstDuplicateKeyWins", kLookupFile, "角钢", "型号1", "∠20×20×3"},
        LookupCase{"FirstDuplicateSectionWins", kLookupFile, "Setting", "minirun", std::nullopt},
        LookupCase{"NonAsciiNotFolded", kLookupFile, "ｓ", "k", std::nullopt},
        LookupCase{"NonAsciiExact", kLookupFile, "Ｓ", "k", "full"},
        LookupCase{"LineWithoutEquals", kLookupFile, "Setting", "noequals", std::nullopt},
        LookupCase{"CommentIsNoKey", kLookupFile, "角钢", "#x", std::nullopt},
        LookupCase{"KeyBeforeSections", kLookupFile, "", "top", std::nullopt},
        LookupCase{"MissingSection", kLookupFile, "任务01", "hour01", std::nullopt},
        LookupCase{"CrLf", "[A]\r\nx=1\r\ny= 2 \r\n", "A", "y", "2"},
        LookupCase{"NoFinalNewline", "[A]\nx=1", "A", "x", "1"},
        LookupCase{"EmptyValue", "[A]\nx=\n", "A", "x", ""},
        LookupCase{"ValueWithEquals", "[A]\nx=a=b\n", "A", "x", "a=b"},
        LookupCase{"HeaderWithTrailingText", "[A] junk\nx=1\n", "A", "x", "1"},
        LookupCase{"UnclosedHeaderIsNoSection", "[A]\n[B\nx=1\n", "A", "x", "1"},
        LookupCase{"InvalidGbkValueUnreadable", "[A]\nx=\x81\x20\n", "A", "x", std::nullopt},
        LookupCase{"InvalidGbkLineSkipped", "[A]\n\xFF\xFF\ny=1\n", "A", "y", "1"},
        LookupCase{"InvalidGbkHeaderHidesItsKeys", "[A]\nx=1\n[\x81\x20]\ny=2\n", "A", "y",
                   std::nullopt},
        LookupCase{"NulLineSkipped", std::string("[A]\nz=\0\ny=1\n", 12), "A", "y", "1"},
        LookupCase{"NulValueUnreadable", std::string("[A]\nz=\0\ny=1\n", 12), "A", "z",
                   std::nullopt}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST(IniDocumentTest, GetIntReadsLikeGetPrivateProfileInt) {
  struct Case {
    const char* value;
    int expected;
  };
  const Case cases[] = {
      {"1", 1}, {"  42 ", 42}, {"-3", -3}, {"+5", 5},  {"12abc", 12},      {"abc", 0},
      {"", 7},  {"0x10", 0},   {"- 1", 0}, {"2.9", 2}, {"4294967295", -1}, {"4294967297", 1},
  };
  for (const Case& c : cases) {
    IniDocument doc = IniDocument::Parse(std::string("[S]\nk=") + c.value + "\n");
    EXPECT_EQ(doc.GetInt("S", "k", 7), c.expected) << "value \"" << c.value << "\"";
  }
  EXPECT_EQ(IniDocument().GetInt("S", "k", 7), 7);
  EXPECT_EQ(IniDocument().GetString("S", "k", "dflt"), "dflt");
}

struct EditCase {
  const char* name;
  std::string before;
  std::function<Edit(IniDocument&)> edit;
  Edit result;
  std::string after;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class IniEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, ChangesOnlyTheLinesConcerned) {
  const EditCase& c = GetParam();
  IniDocument doc = IniDocument::Parse(c.before);
  EXPECT_EQ(c.edit(doc), c.result);
  EXPECT_EQ(doc.Serialize(), c.after);
  // The edited document reads back the same after a round trip through its bytes.
  EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Serialize(), c.after);
}

const std::string kTwoSections = "; head\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2";

auto SetKey(const char* s, const char* k, std::string v) {
  return [=](IniDocument& d) { return d.Set(s, k, v); };
}
auto DeleteKey(const char* s, const char* k) {
  return [=](IniDocument& d) { return d.DeleteKey(s, k); };
}
auto DeleteSection(const char* s) {
  return [=](IniDocument& d) { return d.DeleteSection(s); };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniEditTest,
    testing::Values(EditCase{"NewKeyAfterLastLineOfSection", kTwoSections, SetKey("a", "z", "3"),
                             Edit::kChanged, "; head\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2"},
                    EditCase{"NewKeyAtEndWithoutFinalNewline", kTwoSections, SetKey("B", "w", "4"),
                             Edit::kChanged, kTwoSections + "\r\nw=4\r\n"},
                    EditCase{"NewSectionAtEndInFileLineEnds", kTwoSections, SetKey("C", "k", "v"),
                             Edit::kChanged, kTwoSections + "\r\n[C]\r\nk=v\r\n"},
                    EditCase{"EmptyFileGetsLf", "", SetKey("Setting", "danwei", "1"),
                             Edit::kChanged, "[Setting]\ndanwei=1\n"},
                    EditCase{"ReplaceKeepsSpellingAndSpacing", "[A]\n  Danwei = 1\n",
                             SetKey("A", "danwei", "2"), Edit::kChanged, "[A]\n  Danwei = 2\n"},
                    EditCase{"SameValueUnchanged", "[A]\nx=1", SetKey("A", "X", "1"),
                             Edit::kUnchanged, "[A]\nx=1"},
                    EditCase{"NewKeyAfterComment", "[A]\nx=1\n; note\n\n[B]\n",
                             SetKey("A", "y", "2"), Edit::kChanged,
                             "[A]\nx=1\n; note\ny=2\n\n[B]\n"},
                    EditCase{"NewKeyInEmptySection", "[A]\n\n[B]\n", SetKey("A", "y", "2"),
                             Edit::kChanged, "[A]\ny=2\n\n[B]\n"},
                    EditCase{"GbkOnDisk", "", SetKey("角钢", "型号1", "∠20×20×3"), Edit::kChanged,
                             "[" + kJiaoGang + "]\n" + kXingHao1 + "=" + kAngle + "\n"},
                    EditCase{"DeleteLastKeyRemovesSection", kTwoSections, DeleteKey("A", "x"),
                             Edit::kChanged, "; head\r\n[B]\r\ny=2"},
                    EditCase{"DeleteKeepsSectionWithComment", "[A]\n; note\nx=1\n",
                             DeleteKey("A", "x"), Edit::kChanged, "[A]\n; note\n"},
                    EditCase{"DeleteEveryDuplicate", "[A]\nx=1\ny=2\nX=3\n[a]\nx=4\n",
                             DeleteKey("A", "x"), Edit::kChanged, "[A]\ny=2\n"},
                    EditCase{"DeleteMissingKeyUnchanged", kTwoSections, DeleteKey("A", "q"),
                             Edit::kUnchanged, kTwoSections},
                    EditCase{"DeleteSectionWithDuplicates", "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n",
                             DeleteSection("a"), Edit::kChanged, "[B]\ny=2\n"},
                    EditCase{"DeleteLastSectionKeepsLineEnds", kTwoSections, DeleteSection("B"),
                             Edit::kChanged, "; head\r\n[A]\r\nx=1\r\n\r\n"},
                    EditCase{"DeleteOnlySectionEmptiesFile", "[Setting]\ndanwei=1\n",
                             DeleteSection("Setting"), Edit::kChanged, ""},
                    EditCase{"ReplaceUnreadableValue", "[A]\nx=\x81\x20\n", SetKey("A", "x", "1"),
                             Edit::kChanged, "[A]\nx=1\n"},
                    EditCase{"InvalidGbkLinesKept",
                             "[A]\n\xFF\xFE junk\nbad=\x81\x20zz\n[\x81\x20]\nx=1\n",
                             SetKey("A", "y", "2"), Edit::kChanged,
                             "[A]\n\xFF\xFE junk\nbad=\x81\x20zz\ny=2\n[\x81\x20]\nx=1\n"},
                    EditCase{"InvalidKeyWithEquals", kTwoSections, SetKey("A", "a=b", "1"),
                             Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidKeyLooksLikeHeader", kTwoSections, SetKey("A", "[x]", "1"),
                             Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidKeyLooksLikeComment", kTwoSections, SetKey("A", ";x", "1"),
                             Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidEmptyKey", kTwoSections, SetKey("A", " ", "1"), Edit::kInvalid,
                             kTwoSections},
                    EditCase{"InvalidSectionBracket", kTwoSections, SetKey("A]B", "k", "1"),
                             Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidValueLineBreak", kTwoSections, SetKey("A", "x", "1\n[B]"),
                             Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidValueWithoutGbkCode", kTwoSections,
                             SetKey("A", "x", "\xF0\x9F\x98\x80"), Edit::kInvalid, kTwoSections},
                    EditCase{"InvalidUtf8Value", kTwoSections, SetKey("A", "x", "\xC3"),
                             Edit::kInvalid, kTwoSections}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(IniDocumentTest, KeyWithUnreadableValueIsReplacedNotDuplicated) {
  IniDocument doc = IniDocument::Parse("[A]\nbad=\x81\x20\n");
  EXPECT_EQ(doc.GetString("A", "bad", "d"), "d");
  ASSERT_EQ(doc.Set("A", "bad", "ok"), Edit::kChanged);
  EXPECT_EQ(doc.Serialize(), "[A]\nbad=ok\n");
}

// Random bytes rich in the characters that carry structure: parsing never fails, the bytes
// come back unchanged, and an edit elsewhere keeps every one of them.
TEST(IniDocumentTest, GarbageSurvivesParseAndEdit) {
  const char alphabet[] = {'[', ']', '=',    '\n',   '\r',   '\0',   ' ',   ';',
                           'a', 'k', '\x81', '\xFF', '\xB8', '\xD6', '\x40'};
  std::mt19937 rng(12345);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(rng() % 400, '\0');
    for (char& c : bytes) c = alphabet[rng() % sizeof alphabet];
    IniDocument doc = IniDocument::Parse(bytes);
    ASSERT_EQ(doc.Serialize(), bytes) << "round " << round;
    doc.Find("a", "k");
    doc.GetInt("a", "a", 0);
    ASSERT_EQ(doc.Set("Z", "k", "v"), Edit::kChanged);
    std::string after = doc.Serialize();
    ASSERT_EQ(after.compare(0, bytes.size(), bytes), 0) << "round " << round;
    EXPECT_EQ(IniDocument::Parse(after).GetString("Z", "k"), "v");
  }
}

}  // namespace
}  // namespace zelvik
