// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "test_files.h"
#include "update/list_file.h"
#include "update/update_list.h"

namespace zelvik::update {
namespace {

using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

struct LookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class ListLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ListLookupTest, ReadsAsTheServerFilesExpect) {
  const LookupCase& c = GetParam();
  EXPECT_EQ(ListFileText(c.text).GetValue(c.section, c.key), c.expected);
}

const std::string kNumbered =
    "[filelist]\n1=one\n2=two\n3=three\n4=four\n5=five\n6=six\n7=seven\n8=eight\n9=nine\n10=ten\n11=eleven\n"
    "12=twelve\n21=twenty-one\n";

INSTANTIATE_TEST_SUITE_P(
    Quirks, ListLookupTest,
    testing::Values(
        LookupCase{"plain", "[upexe]\nupexe=zelvik43\n", "upexe", "upexe", "zelvik43"},
        LookupCase{"blanks trimmed", "[upexe]\nupexe =  zelvik 43 \t\n", "upexe", "upexe", "zelvik 43"},
        LookupCase{"crlf", "[upexe]\r\nupexe=zelvik43\r\n", "upexe", "upexe", "zelvik43"},
        LookupCase{"no final line end", "[upexe]\nupexe=zelvik43", "upexe", "upexe", "zelvik43"},
        LookupCase{"lone cr stays", "[a]\nk=v\rw\n", "a", "k", "v\rw"},
        LookupCase{"section found anywhere in a line", "x upexe y\nupexe=1\n", "upexe", "upexe", "1"},
        // The first line holding "upexe" is the key line itself: the search starts after it.
        LookupCase{"key line before its header", "upexe=early\n[upexe]\nupexe=late\n", "upexe", "upexe", "late"},
        LookupCase{"headers do not stop the search", "[a]\n[b]\nk=from b\n", "a", "k", "from b"},
        LookupCase{"a later section's key is found", "[newversion]\n[upexe]\nupexe=x\n", "newversion", "upexe",
                   "x"},
        LookupCase{"a line with [ is skipped", "[a]\nk=[x]\nk=y\n", "a", "k", "y"},
        LookupCase{"key as substring", "[a]\nmykeys=1\n", "a", "key", "1"},
        LookupCase{"key 1 matches 10 first", "[filelist]\n10=ten\n1=one\n", "filelist", "1", "ten"},
        LookupCase{"key 1 in order", kNumbered, "filelist", "1", "one"},
        LookupCase{"key 10 in order", kNumbered, "filelist", "10", "ten"},
        LookupCase{"key 12 in order", kNumbered, "filelist", "12", "twelve"},
        LookupCase{"key 21 in order", kNumbered, "filelist", "21", "twenty-one"},
        LookupCase{"key 2 in order", kNumbered, "filelist", "2", "two"},
        LookupCase{"first = splits", "[a]\nk=v=w\n", "a", "k", "v=w"},
        LookupCase{"empty value", "[a]\nk=\n", "a", "k", ""},
        LookupCase{"empty key text skipped", "[a]\n=x\nk=y\n", "a", "k", "y"},
        LookupCase{"key after = does not match", "[a]\nx=k\n", "a", "k", std::nullopt},
        LookupCase{"line without =", "[a]\nk\n", "a", "k", std::nullopt},
        LookupCase{"missing section", "[a]\nk=v\n", "b", "k", std::nullopt},
        LookupCase{"key only before the section", "k=v\n[a]\n", "a", "k", std::nullopt},
        LookupCase{"empty file", "", "a", "k", std::nullopt},
        LookupCase{"case matters", "[A]\nK=v\n", "a", "k", std::nullopt},
        LookupCase{"chinese text", "[说明]\n名称=钢材\n", "说明", "名称", "钢材"}));

TEST(ListFileText, ValueIntReadsLikeAtoi) {
  const struct {
    const char* value;
    int expected;
  } rows[] = {{"2", 2}, {" 7 files", 7}, {"-3", -3}, {"+4", 4}, {"x1", 0}, {"", 0}, {"99999999999", 2147483647},
              {"-99999999999", -2147483647 - 1}};
  for (const auto& row : rows) {
    const ListFileText text(std::string("[upnumber]\nupnumber=") + row.value + "\n");
    EXPECT_EQ(text.GetValueInt("upnumber", "upnumber"), row.expected) << row.value;
  }
  EXPECT_EQ(ListFileText("").GetValueInt("upnumber", "upnumber"), 0);
}

TEST(CIniFile, ReadsGbkAndAppendsAtTheEnd) {
  TempDir dir;
  const auto path = dir.path() / "list.ini";
  // 钢材 in GBK, and a filelist section that is not the last one.
  WriteBytes(path, "[filelist]\r\n1=\xB8\xD6\xB2\xC4.txt\r\n[upexe]\r\nupexe=zelvik43\r\n");
  CIniFile file;
  ASSERT_TRUE(file.OpenIniFile(path));
  EXPECT_EQ(file.GetValue("filelist", "1"), "钢材.txt");
  EXPECT_TRUE(file.WriteSection("oldexe"));
  EXPECT_TRUE(file.SetValue("oldexe", "旧版"));
  file.CloseIniFile();
  EXPECT_FALSE(file.SetValue("k", "v"));
  EXPECT_EQ(ReadBytes(path), "[filelist]\r\n1=\xB8\xD6\xB2\xC4.txt\r\n[upexe]\r\nupexe=zelvik43\r\n"
                             "\n[oldexe]\noldexe=\xBE\xC9\xB0\xE6\n");
  ASSERT_TRUE(file.OpenIniFile(path));
  EXPECT_EQ(file.GetValue("oldexe", "oldexe"), "旧版");
  EXPECT_EQ(file.GetValue("upexe", "upexe"), "zelvik43");
}

TEST(CIniFile, RefusesWhatItCannotRead) {
  TempDir dir;
  CIniFile file;
  EXPECT_FALSE(file.OpenIniFile(dir.path() / "missing.ini"));
  EXPECT_FALSE(file.WriteSection("oldexe"));
  // Not GBK (a lone lead byte): read as an empty file, never half of it.
  WriteBytes(dir.path() / "bad.ini", "[upexe]\nupexe=a\xB8\n");
  ASSERT_TRUE(file.OpenIniFile(dir.path() / "bad.ini"));
  EXPECT_EQ(file.GetValue("upexe", "upexe"), std::nullopt);
  // Text without a GBK form is not written.
  EXPECT_FALSE(file.SetValue("oldexe", "\xF0\x9F\x98\x80"));
  WriteBytes(dir.path() / "big.ini", std::string(kListFileMaxBytes + 1, 'x'));
  EXPECT_FALSE(file.OpenIniFile(dir.path() / "big.ini"));
}

TEST(WithHashSection, ReplacesTheSectionAndKeepsTheRest) {
  const std::string h1(64, 'a'), h2(64, 'b');
  const struct {
    const char* name;
    std::string in, out;
  } rows[] = {
      {"appended", "[upnumber]\nupnumber=2\n", "[upnumber]\nupnumber=2\n[sha256]\n1=" + h1 + "\n2=" + h2 + "\n"},
      {"line end added", "[a]\nk=v", "[a]\nk=v\n[sha256]\n1=" + h1 + "\n2=" + h2 + "\n"},
      {"old section replaced", "[sha256]\r\n1=old\r\n[filelist]\r\n1=x\r\n",
       "[filelist]\r\n1=x\r\n[sha256]\r\n1=" + h1 + "\r\n2=" + h2 + "\r\n"},
  };
  for (const auto& row : rows) EXPECT_EQ(WithHashSection(row.in, {h1, h2}), row.out) << row.name;
  const ListFileText read(WithHashSection(rows[2].in, {h1, h2}));
  EXPECT_EQ(ReadUpdateList(read).upnumber, 0);
  EXPECT_EQ(read.GetValue("sha256", "2"), h2);
}

}  // namespace
}  // namespace zelvik::update
