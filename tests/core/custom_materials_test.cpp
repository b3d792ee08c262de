// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/custom_materials.h"
#include "config/gbk.h"
#include "test_files.h"

namespace zelvik {
namespace {

using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

class CustomMaterialsTest : public ::testing::Test {
 protected:
  TempDir dir;
  IniFile file{dir.path() / "ConfigMW.ini"};

  // The file as UTF-8 text; "" when there is none.
  std::string Text() const {
    auto bytes = ReadBytes(file.path());
    return bytes ? GbkToUtf8(*bytes).value_or("<not GBK>") : "";
  }
  void WriteText(const std::string& utf8) { WriteBytes(file.path(), *Utf8ToGbk(utf8)); }

  // A fresh start of the window.
  CustomMaterials Start() {
    CustomMaterials m;
    m.LoadAndRefresh(file);
    return m;
  }
};

TEST_F(CustomMaterialsTest, FirstAngleRowOfAnEmptyConfiguration) {
  CustomMaterials m = Start();
  EXPECT_FALSE(file.Exists());  // loading an empty configuration stores nothing
  const auto out = m.Add(file, 0, "∠30×30×2", "ignored", "0.9");
  EXPECT_EQ(out.result, CustomAddResult::kAdded);
  EXPECT_TRUE(out.stored);
  EXPECT_EQ(Text(), "[角钢]\n型号1=∠30×30×2\n单重1=0.9\n");
  EXPECT_EQ(m.Lines(), std::vector<std::string>{"1、角钢(热轧) ∠30×30×2  0.9"});
}

TEST_F(CustomMaterialsTest, ChecksInOrderAndAddsNothingOnRefusal) {
  struct Case {
    int kind;
    const char* model;
    const char* spec;
    const char* weight;
    CustomAddResult result;
  };
  const Case cases[] = {
      {1, "[20a", "", "22.637", CustomAddResult::kNoSpec},
      {1, "", "", "", CustomAddResult::kNoModel},
      {2, "I10", "", "", CustomAddResult::kNoSpec},
      {1, "[20a", "200×73×7.0", "", CustomAddResult::kNoUnitWeight},
      {0, "  ", "", "1", CustomAddResult::kNoModel},  // blanks would read back as empty
      {3, "a", "", " \t", CustomAddResult::kNoUnitWeight},
      {0, "a\nb", "", "1", CustomAddResult::kNotStorable},
      {0, "a", "", "😀", CustomAddResult::kNotStorable},  // no GBK code
      {8, "a", "", "1", CustomAddResult::kNotStorable},
      {0, "∠20", "", "", CustomAddResult::kNoUnitWeight},
  };
  CustomMaterials m = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.model) + "/" + c.spec + "/" + c.weight);
    const auto out = m.Add(file, c.kind, c.model, c.spec, c.weight);
    EXPECT_EQ(out.result, c.result);
    EXPECT_FALSE(out.stored);
  }
  EXPECT_TRUE(m.rows().empty());
  EXPECT_FALSE(file.Exists());
  EXPECT_STREQ(CustomAddMessage(CustomAddResult::kNoSpec).text, "请输入规格");
  EXPECT_STREQ(CustomAddMessage(CustomAddResult::kNoSpec).caption, "输入提示");
  // An angle row has no spec field: an empty one is accepted.
  EXPECT_EQ(m.Add(file, 0, "∠30×30×2", "", "0.9").result, CustomAddResult::kAdded);
  EXPECT_EQ(m.Add(file, 1, " [20a ", "200×73×7.0", "22.637").result, CustomAddResult::kAdded);
  EXPECT_EQ(m.Lines().back(), "2、槽钢(热轧) [20a 200×73×7.0 22.637");
}

TEST_F(CustomMaterialsTest, DeletingRenumbersWithoutGapsAndDropsEmptiedSections) {
  WriteText("[八角钢]\n型号1=a\n单重1=1\n型号2=b\n单重2=2\n型号3=c\n单重3=3\n[方管]\n型号1=t\n单重1=9\n");
  CustomMaterials m = Start();
  ASSERT_EQ(m.rows().size(), 4u);  // 方管 (kind 3) comes before 八角钢 (kind 6)
  EXPECT_EQ(m.rows()[0].model, "t");
  ASSERT_TRUE(m.Delete(file, 2));  // the second 八角钢 row
  EXPECT_EQ(Text(), "[方管]\n型号1=t\n单重1=9\n[八角钢]\n型号1=a\n单重1=1\n型号2=c\n单重2=3\n");
  EXPECT_EQ(m.CountOf(6), 2);
  ASSERT_TRUE(m.Delete(file, 0));  // the last 方管 row: its section goes
  EXPECT_EQ(Text(), "[八角钢]\n型号1=a\n单重1=1\n型号2=c\n单重2=3\n");
  EXPECT_FALSE(m.Delete(file, 2));
  EXPECT_FALSE(m.Delete(file, -1));
  ASSERT_TRUE(m.Delete(file, 0));
  ASSERT_TRUE(m.Delete(file, 0));
  EXPECT_FALSE(file.Exists());  // nothing left in the file
  EXPECT_EQ(m.Lines(), std::vector<std::string>{});
}

TEST_F(CustomMaterialsTest, EveryKindComesBackUnchangedAfterRestarts) {
  CustomMaterials m = Start();
  for (int round = 0; round < 2; ++round) {
    for (const CustomKind& k : kCustomKinds) {
      const std::string model = std::string(k.section) + std::to_string(round);
      ASSERT_EQ(m.Add(file, k.kind, model, "s" + model, "1." + std::to_string(k.kind)).result,
                CustomAddResult::kAdded);
    }
  }
  // Rows of one kind were not next to each other; a restart groups them by kind.
  std::vector<std::string> lines;
  for (int restart = 0; restart < 3; ++restart) {
    CustomMaterials again = Start();
    ASSERT_EQ(again.rows().size(), 16u);
    if (restart == 0) lines = again.Lines();
    EXPECT_EQ(again.Lines(), lines);
  }
  EXPECT_EQ(lines.front(), "1、角钢(热轧) 角钢0  1.0");
  EXPECT_EQ(lines[3], "4、槽钢(热轧) 槽钢1 s槽钢1 1.1");
  EXPECT_EQ(lines.back(), "16、螺纹钢 螺纹钢1  1.7");
}

// The window holds every row the pages read, far beyond 88 in all, refuses an 87th row of
// one kind, and lets every line be deleted.
TEST_F(CustomMaterialsTest, HoldsEightySixRowsPerKind) {
  std::string text;
  for (const char* section : {"角钢", "螺纹钢"}) {
    text += std::string("[") + section + "]\n";
    for (int i = 1; i <= 87; ++i) text += "型号" + std::to_string(i) + "=m" + std::to_string(i) + "\n单重" +
                                          std::to_string(i) + "=1\n";
  }
  WriteText(text);
  CustomMaterials m = Start();
  ASSERT_EQ(m.rows().size(), 172u);
  EXPECT_EQ(m.CountOf(0), 86);
  EXPECT_EQ(m.CountOf(7), 86);
  EXPECT_EQ(m.Lines()[171], "172、螺纹钢 m86  1");
  EXPECT_EQ(file.Load().GetString("螺纹钢", "型号86"), "m86");
  EXPECT_EQ(file.Load().GetString("螺纹钢", "型号87"), "");  // never read, so not kept

  const auto full = m.Add(file, 7, "x", "", "1");
  EXPECT_EQ(full.result, CustomAddResult::kKindFull);
  EXPECT_STREQ(CustomAddMessage(full.result).text, "材料数量超出范围");
  EXPECT_STREQ(CustomAddMessage(full.result).caption, "警告");
  EXPECT_EQ(m.Add(file, 5, "hex", "", "2").result, CustomAddResult::kAdded);

  ASSERT_TRUE(m.Delete(file, 150));  // far beyond the 86th line
  EXPECT_EQ(m.CountOf(7), 85);
  EXPECT_EQ(m.Add(file, 7, "x", "", "1").result, CustomAddResult::kAdded);
  CustomMaterials again = Start();
  EXPECT_EQ(again.rows().size(), 173u);
  EXPECT_EQ(again.rows().back().model, "x");
  EXPECT_EQ(again.rows()[86].model, "hex");
}

TEST_F(CustomMaterialsTest, AStrayCarriageReturnDoesNotBlockRewrites) {
  WriteText("[角钢]\n型号1=a\r\rb\n单重1=1\n型号2=c\n单重2=2\n");
  CustomMaterials m = Start();
  EXPECT_EQ(m.Lines()[0], "1、角钢(热轧) ab  1");
  ASSERT_TRUE(m.Delete(file, 1));
  EXPECT_EQ(Text(), "[角钢]\n型号1=ab\n单重1=1\n");
}

TEST_F(CustomMaterialsTest, AddWritesOnlyItsOwnKeys) {
  WriteText("[Setting]\nautorun=1\n[角钢]\n型号1=a\n单重1=1\n");
  CustomMaterials m = Start();
  // Another copy changed the section meanwhile; the add does not rewrite it.
  file.WriteString("角钢", "单重1", "7");
  ASSERT_EQ(m.Add(file, 0, "b", "", "2").result, CustomAddResult::kAdded);
  EXPECT_EQ(Text(), "[Setting]\nautorun=1\n[角钢]\n型号1=a\n单重1=7\n型号2=b\n单重2=2\n");
}

}  // namespace
}  // namespace zelvik
