// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/custom_rows.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;

// UTF-8 INI text; Parse takes GBK, so the fixture converts through the file writer's rules.
IniDocument Doc(const std::vector<std::vector<std::string>>& sections) {
  IniDocument doc;
  for (const auto& s : sections) {
    for (std::size_t i = 1; i + 1 < s.size(); i += 2) {
      EXPECT_EQ(doc.Set(s[0], s[i], s[i + 1]), IniDocument::EditResult::kChanged);
    }
  }
  return IniDocument::Parse(doc.Serialize());
}

std::vector<std::string> Models(const std::vector<CustomRow>& rows) {
  std::vector<std::string> models;
  for (const CustomRow& r : rows) models.push_back(r.model);
  return models;
}

TEST(CustomRowsTest, StopsAtTheFirstEmptyModel) {
  struct Case {
    const char* name;
    IniDocument doc;
    std::vector<std::string> models;
  };
  const Case cases[] = {
      {"NoSection", Doc({}), {}},
      {"GapAfterTwo",
       Doc({{"角钢", "型号1", "a", "单重1", "1", "型号2", "b", "单重2", "2", "型号4", "d"}}),
       {"a", "b"}},
      {"EmptyModelEndsSection", Doc({{"角钢", "型号1", "a", "型号2", "", "型号3", "c"}}), {"a"}},
      {"NoLeadingZeros", Doc({{"角钢", "型号01", "a", "型号1", "b"}}), {"b"}},
      {"ModelWithoutWeight", Doc({{"角钢", "型号1", "∠30×30×2"}}), {"∠30×30×2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Models(LoadCustomRows(c.doc, 0)), c.models);
  }
}

TEST(CustomRowsTest, ReadsAtMost86Rows) {
  IniDocument doc;
  for (int i = 1; i <= 90; ++i) {
    doc.Set("螺纹钢", "型号" + std::to_string(i), "Φ" + std::to_string(i));
    doc.Set("螺纹钢", "单重" + std::to_string(i), std::to_string(i));
  }
  std::vector<CustomRow> rows = LoadCustomRows(IniDocument::Parse(doc.Serialize()), 7);
  ASSERT_EQ(rows.size(), 86u);
  EXPECT_EQ(rows.back().model, "Φ86");
  EXPECT_EQ(rows.back().unitWeight, "86");
}

TEST(CustomRowsTest, EveryKindReadsItsOwnSectionAndSpecOnlyWhereItHasOne) {
  std::vector<std::vector<std::string>> sections;
  for (const CustomKind& k : kCustomKinds) {
    sections.push_back({k.section, "型号1", std::string("m") + std::to_string(k.kind), "规格1", "s",
                        "单重1", " 12.5kg "});
  }
  CustomRowSet set = LoadAllCustomRows(Doc(sections));
  for (const CustomKind& k : kCustomKinds) {
    SCOPED_TRACE(k.kind);
    const std::vector<CustomRow>& rows = set[static_cast<std::size_t>(k.kind)];
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, k.kind);
    EXPECT_EQ(rows[0].typeName, k.typeName);
    EXPECT_EQ(rows[0].model, "m" + std::to_string(k.kind));
    EXPECT_EQ(rows[0].spec, (k.kind == 1 || k.kind == 2) ? "s" : "");
    EXPECT_EQ(rows[0].unitWeight, "12.5kg");  // as stored; the pages convert it at use
  }
  EXPECT_EQ(set[0][0].typeName, "角钢(热轧)");
  EXPECT_EQ(set[3][0].typeName, "方管");
  EXPECT_TRUE(LoadCustomRows(Doc(sections), 8).empty());
  EXPECT_TRUE(LoadCustomRows(Doc(sections), -1).empty());
}

TEST(CustomRowsTest, ReadsFromTheFile) {
  std::string tmpl = (fs::temp_directory_path() / "zelvik-rows-XXXXXX").string();
  ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
  fs::path dir(tmpl);
  IniFile file(dir / "ConfigMW.ini");
  EXPECT_TRUE(LoadAllCustomRows(file)[1].empty());
  ASSERT_TRUE(file.Edit([](IniDocument& d) {
    d.Set("槽钢", "型号1", "[20a");
    d.Set("槽钢", "规格1", "200×73×7.0");
    d.Set("槽钢", "单重1", "22.637");
    return true;
  }));
  std::vector<CustomRow> rows = LoadCustomRows(file, 1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].model, "[20a");
  EXPECT_EQ(rows[0].spec, "200×73×7.0");
  EXPECT_EQ(rows[0].unitWeight, "22.637");
  EXPECT_EQ(LoadAllCustomRows(file)[1][0].spec, "200×73×7.0");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zelvik
