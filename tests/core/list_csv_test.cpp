// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "config/gbk.h"
#include "list/csv_text.h"
#include "list/list_csv.h"
#include "list/list_paste.h"
#include "list/list_store.h"
#include "list_fake_resolver.h"
#include "test_files.h"

namespace zelvik {
namespace {

const testing::FakeResolver kResolver;

std::vector<ListRow> Read(std::string_view bytes) {
  auto result = ReadListCsv(bytes, kResolver);
  if (auto* p = std::get_if<ListFileProblem>(&result)) ADD_FAILURE() << p->line << ": " << p->reason;
  return std::get_if<std::vector<ListRow>>(&result) ? std::get<std::vector<ListRow>>(result) : std::vector<ListRow>{};
}

ListFileProblem Problem(std::string_view bytes) {
  auto result = ReadListCsv(bytes, kResolver);
  EXPECT_TRUE(std::holds_alternative<ListFileProblem>(result)) << bytes;
  return std::holds_alternative<ListFileProblem>(result) ? std::get<ListFileProblem>(result) : ListFileProblem{};
}

std::vector<ListRow> SampleRows() {
  std::vector<ListRow> rows;
  const char* text =
      "规格\t长度\t数量\t材质\t单价\t计价方式\t备注\n"
      "L50\t6000\t10\tQ235B\t4200\t元/吨\t\"第一行\n第二行, \"\"引号\"\"\"\n"
      "-10×1000×2000\t\t3\t304\t12.5\t元/千克\t 前后空格 \n"
      "ROPE\t2350.5\t1\t\t\t\t\n";
  PasteResult pasted = ReadPastedRows(text, kResolver, 7.93);
  EXPECT_TRUE(pasted.problems.empty());
  return pasted.rows;
}

void ExpectSameRows(const std::vector<ListRow>& a, const std::vector<ListRow>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i].item.spec, b[i].item.spec);
    EXPECT_EQ(a[i].material, b[i].material);
    EXPECT_EQ(a[i].lengthMm, b[i].lengthMm);
    EXPECT_EQ(a[i].quantity, b[i].quantity);
    EXPECT_EQ(a[i].price, b[i].price);
    EXPECT_EQ(a[i].basis, b[i].basis);
    EXPECT_EQ(a[i].note, b[i].note);
    EXPECT_EQ(a[i].density, b[i].density);
    EXPECT_EQ(a[i].item.unitWeight, b[i].item.unitWeight);
  }
}

TEST(ListCsv, WrittenAsSpreadsheetsOpenIt) {
  const std::string csv = WriteListCsv(SampleRows(), 2);
  EXPECT_TRUE(csv.starts_with(
      "\xEF\xBB\xBF序号,品名,规格,材质,长度(mm),数量,单重,单位,单件重(kg),总重(kg),单价,计价方式,金额(元),备注,密度(t/m3)\r\n"));
  EXPECT_NE(csv.find("\r\n1,角钢(热轧),L50,Q235B,6000,10,3.808,kg/m,22.85,228.51,4200,元/吨,959.72,"
                     "\"第一行\n第二行, \"\"引号\"\"\",7.93\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("\r\n3,钢丝绳,ROPE,,2350.5,1,50.000,kg/100m,1.18,1.18,,元/吨,,,7.93\r\n"), std::string::npos);
}

TEST(ListCsv, RoundTripsInEveryFormASpreadsheetSavesBack) {
  const std::vector<ListRow> rows = SampleRows();
  const std::string csv = WriteListCsv(rows, 2);
  const std::string body = csv.substr(3);  // without the BOM
  auto lineEnds = [&](std::string_view end) {
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (body.compare(i, 2, "\r\n") == 0) {
        out += end;
        ++i;
      } else {
        out += body[i];
      }
    }
    return out;
  };
  const std::pair<const char*, std::string> forms[] = {
      {"as written", csv},
      {"without BOM", body},
      {"GBK", Utf8ToGbk(lineEnds("\r\n")).value_or("")},
      {"LF", lineEnds("\n")},
      {"CR", lineEnds("\r")},
  };
  for (const auto& [name, bytes] : forms) {
    SCOPED_TRACE(name);
    ExpectSameRows(Read(bytes), rows);
  }
}

TEST(ListCsv, ColumnsAreFoundByNameInAnyOrder) {
  const char* files[] = {
      "数量,备注,规格,长度,材质\r\n10,x,L50,6000,Q235B\r\n",
      "\"Quantity\",\"Note\",\"Spec\",\"Length (mm)\",\"Material\",\"Unknown\"\r\n10,x,L50,6000,Q235B,?\r\n",
      "数量;备注;规格;长度(mm);材质\r\n10;x;L50;6000;Q235B\r\n",          // Excel with a decimal comma
      "\r\n数量,备注,规格,长度（m）,材质\r\n10,x,L50,6,Q235B\r\n,,,,\r\n合计,,,,\r\n",  // blank and totals lines
  };
  for (const char* file : files) {
    SCOPED_TRACE(file);
    const auto rows = Read(file);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].quantity, 10);
    EXPECT_EQ(rows[0].lengthMm, 6000);
    EXPECT_EQ(rows[0].material, "Q235B");
    EXPECT_EQ(rows[0].note, "x");
    EXPECT_EQ(rows[0].density, 7.85);
  }
  // The 品名 picks the product where the spec alone names two.
  EXPECT_EQ(Read("品名,规格,长度,数量\n角钢(热轧),TWIN,1000,1\n")[0].item.calc, "hot-angle");
}

TEST(ListCsv, ADamagedFileIsRefusedWholeNamingTheLine) {
  const std::tuple<std::string, std::size_t, const char*> cases[] = {
      {"规格,长度,数量\nL50,6000,1\nL50,6000,0\n", 3, "数量 \"0\" 不是不小于 1 的整数"},
      {"规格,长度,数量\nL50,6000,1\n\"L50\n\",6000,1\nX,1,1\n", 5, "不认识的规格 \"X\""},
      {"规格,长度,数量\nL50,6000,1\n\"L50,6000,1\n", 3, "引号没有结束"},
      {"规格,长度,数量\n\"L50\"x,6000,1\n", 2, "引号结束后还有字符"},
      {"规格,长度,数量\nL50,,1\n", 2, "长度为空"},
      {"规格,长度,数量\nL50,6000,\n", 2, "数量为空"},
      {"规格,长度,数量,计价方式\n-10×1000×2000,,1,元/米\n", 2, "元/米 计价需要长度，此规格没有长度"},
      {"规格,长度,数量,密度\nL50,6000,1,heavy\n", 2, "密度 \"heavy\" 不是大于 0 的数"},
      {"长度,数量\n6000,1\n", 1, "表头没有 规格 列"},
      {"L50,6000,1\n", 1, "表头没有 规格 列"},
      {"规格,长度\nL50,6000\n", 1, "表头没有 数量 列"},
      {"规格,规格型号,数量\n", 1, "列 规格 出现了两次"},
      {"", 0, "文件是空的，没有表头"},
      {"\xFF\xFEx\0", 0, "文件是 UTF-16 文本，请另存为 CSV (UTF-8 或 GBK)"},
      {"\xEF\xBB\xBF规格\xFF,数量\n", 0, "文件既不是 UTF-8 也不是 GBK 文本"},
  };
  for (const auto& [bytes, line, reason] : cases) {
    const ListFileProblem p = Problem(bytes);
    EXPECT_EQ(p.line, line) << bytes;
    EXPECT_EQ(p.reason, reason) << bytes;
  }
}

TEST(ListPaste, EveryBadRowIsReportedAndTheOthersKept) {
  const char* text =
      "规格\t长度\t数量\n"      // header, skipped
      "L50\t6,000\t2\n"
      "\n"
      "L50\t\t2\n"              // line 4: no length
      "-10×1000×2000\t5\n"      // 规格, 数量 of a product without a length
      "X\t1\t1\n"               // line 6
      "L50\t1000\n"             // 数量 defaults to 1
      "\"L50\t2000\t1\n";       // a stray quote is text: line 8, unknown spec
  const PasteResult r = ReadPastedRows(text, kResolver, 7.85);
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0].lengthMm, 6000);
  EXPECT_EQ(r.rows[1].quantity, 5);
  EXPECT_EQ(r.rows[2].quantity, 1);
  ASSERT_EQ(r.problems.size(), 3u);
  EXPECT_EQ(r.problems[0].line, 4u);
  EXPECT_EQ(r.problems[0].reason, "长度为空");
  EXPECT_EQ(r.problems[1].line, 6u);
  EXPECT_EQ(r.problems[2].line, 8u);
  EXPECT_EQ(r.problems[2].reason, "不认识的规格 \"\"L50\"");

  // Comma-separated text without a header, all seven columns.
  const PasteResult c = ReadPastedRows("L50,6000,3,Q345B,4.5,元/千克,急\n", kResolver, 7.85);
  ASSERT_EQ(c.rows.size(), 1u);
  EXPECT_EQ(c.rows[0].basis, PriceBasis::kPerKg);
  EXPECT_EQ(c.rows[0].note, "急");
}

TEST(ListPaste, CopiedRowsPasteBack) {
  const std::vector<ListRow> rows = SampleRows();
  const std::size_t picked[] = {0, 2};
  const std::string text = CopyRowsText(rows, picked, ListDisplay{});
  EXPECT_TRUE(text.starts_with("序号\t品名\t规格\t材质\t长度(mm)\t数量\t单重\t")) << text;
  const PasteResult back = ReadPastedRows(text, kResolver, 7.93);
  EXPECT_TRUE(back.problems.empty());
  ExpectSameRows(back.rows, {rows[0], rows[2]});
}

// Sets an environment variable for the scope and then restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ListStore, KeptAtomicallyWhereXdgSays) {
  testing_files::TempDir dir;
  {
    ScopedEnv xdg("XDG_DATA_HOME", dir.path());
    EXPECT_EQ(CurrentListPath(), dir.path() / "zelvik" / "current.csv");
  }
  ScopedEnv xdg("XDG_DATA_HOME", "relative");
  ScopedEnv home("HOME", "/home/someone");
  EXPECT_EQ(CurrentListPath(), std::filesystem::path("/home/someone/.local/share/zelvik/current.csv"));


  const CurrentListStore store(dir.path() / "zelvik" / "current.csv");
  EXPECT_TRUE(std::get<std::vector<ListRow>>(store.Load(kResolver)).empty());  // nothing kept yet
  const std::vector<ListRow> rows = SampleRows();
  ASSERT_TRUE(store.Save(rows));
  struct stat st;
  ASSERT_EQ(stat((dir.path() / "zelvik").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ExpectSameRows(std::get<std::vector<ListRow>>(store.Load(kResolver)), rows);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "zelvik"), {}), 1);  // no debris

  // An unreadable file is kept aside rather than overwritten.
  std::ofstream(store.path()) << "规格,数量\nX,1\n";
  EXPECT_EQ(std::get<ListFileProblem>(store.Load(kResolver)).line, 2u);
  const auto aside = store.SetAside();
  EXPECT_EQ(aside, dir.path() / "zelvik" / "current.unreadable.csv");
  EXPECT_TRUE(store.Save({}));
  EXPECT_TRUE(std::filesystem::exists(aside));
  EXPECT_EQ(std::get<ListFileProblem>(ReadListFile(dir.path() / "none.csv", kResolver)).reason, "文件不存在");
  EXPECT_FALSE(WriteListFile(dir.path(), rows, 2));  // a folder in the file's place
}

TEST(CsvText, QuotingRoundTrips) {
  const std::vector<std::string> fields = {"a", "", "b,c", "say \"hi\"", "two\nlines", " pad", "x\ty"};
  std::string out;
  AppendCsvRecord(out, fields, ',');
  EXPECT_EQ(out, "a,,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\" pad\",x\ty\r\n");
  const auto records = std::get<std::vector<CsvRecord>>(ReadCsv(out + out, ',', CsvMode::kStrict));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, fields);
  EXPECT_EQ(records[1].line, 3u);  // the first record spans two lines
}

}  // namespace
}  // namespace zelvik
