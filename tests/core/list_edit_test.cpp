// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "list/list_fields.h"
#include "list/material_list.h"
#include "list_fake_resolver.h"

namespace zelvik {
namespace {

ListRow Row(const char* note, const char* spec = "L50") {
  ListRow row;
  row.item = std::get<ResolvedSpec>(testing::FakeResolver().Resolve(spec, "", 7.85));
  row.lengthMm = row.item.takesLength ? 6000 : 0;
  row.note = note;
  return row;
}

std::string Notes(const MaterialList& list) {
  std::string out;
  for (const ListRow& r : list.rows()) out += r.note;
  return out;
}

// Records what a Qt model would be told, and checks that "before" and "after" pair up.
struct Recorder : ListObserver {
  std::vector<std::string> log;
  int open = 0;
  void BeforeChange(const ListChange& c) override {
    ++open;
    log.push_back(Describe(c));
  }
  void AfterChange(const ListChange&) override { --open; }
  static std::string Describe(const ListChange& c) {
    const char* kinds[] = {"insert", "remove", "move", "change", "reset"};
    return std::string(kinds[static_cast<int>(c.kind)]) + " " + std::to_string(c.first) + "+" +
           std::to_string(c.count) + (c.kind == ListChange::Kind::kMoved ? ">" + std::to_string(c.destination) : "");
  }
};

TEST(MaterialList, EveryEditUndoesAndRedoes) {
  MaterialList list;
  Recorder rec;
  list.SetObserver(&rec);
  const ListDisplay d;
  struct Step {
    std::function<void()> edit;
    const char* after;
    const char* told;
  };
  const std::vector<Step> steps = {
      {[&] { list.Append({Row("a"), Row("b"), Row("c"), Row("d")}); }, "abcd", "insert 0+4"},
      {[&] { list.Insert(1, {Row("x")}); }, "axbcd", "insert 1+1"},
      {[&] { list.Remove({4, 0, 2, 0, 99}); }, "xc", "remove 4+1"},  // blocks last first: 4, then 2, then 0
      {[&] { list.Append({Row("e"), Row("f")}); }, "xcef", "insert 2+2"},
      {[&] { list.Move(0, 1, 4); }, "cefx", "move 0+1>4"},
      {[&] { list.Move(2, 2, 0); }, "fxce", "move 2+2>0"},
      {[&] { list.Edit(0, ListColumn::kNote, "n", d); }, "nxce", "change 0+1"},
      {[&] { list.Reset({Row("z")}); }, "z", "reset 0+0"},
  };
  std::vector<std::string> states = {""};
  for (const Step& s : steps) {
    rec.log.clear();
    s.edit();
    EXPECT_EQ(Notes(list), s.after);
    ASSERT_FALSE(rec.log.empty());
    EXPECT_EQ(rec.log.front(), s.told);
    states.push_back(Notes(list));
  }
  EXPECT_EQ(rec.open, 0);
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    ASSERT_TRUE(list.Undo());
    EXPECT_EQ(Notes(list), states[i - 1]);
  }
  EXPECT_FALSE(list.Undo());
  for (std::size_t i = 1; i < states.size(); ++i) {
    ASSERT_TRUE(list.Redo());
    EXPECT_EQ(Notes(list), states[i]);
  }
  EXPECT_FALSE(list.Redo());
  EXPECT_EQ(rec.open, 0);
  list.SetObserver(nullptr);
}

TEST(MaterialList, RefusedEditsRecordNothing) {
  MaterialList list({Row("a"), Row("b", "-10×1000×2000")});
  const ListDisplay d;
  const std::size_t both[] = {0, 1};
  struct Case {
    std::size_t row;
    ListColumn column;
    const char* text;
    const char* reason;  // nullptr: accepted
  };
  const Case cases[] = {
      {0, ListColumn::kQuantity, "0", "数量 \"0\" 不是不小于 1 的整数"},
      {0, ListColumn::kQuantity, "2.5", "数量 \"2.5\" 不是不小于 1 的整数"},
      {0, ListColumn::kQuantity, "1,000", nullptr},
      {0, ListColumn::kLength, "-1", "长度 \"-1\" 不是大于 0 的数"},
      {0, ListColumn::kLength, "", "长度为空"},
      {1, ListColumn::kLength, "6000", "此规格没有长度"},
      {0, ListColumn::kPrice, "-5", "单价 \"-5\" 不是不小于 0 的数"},
      {0, ListColumn::kPrice, "", nullptr},
      {0, ListColumn::kPriceBasis, "元/斤", "计价方式 \"元/斤\" 不是 元/吨、元/千克、元/米 或 元/件"},
      {1, ListColumn::kPriceBasis, "元/米", "元/米 计价需要长度，此规格没有长度"},
      {0, ListColumn::kSpec, "L50", "此列不能编辑"},
      {0, ListColumn::kMaterial, " Q235B ", nullptr},
  };
  for (const Case& c : cases) {
    const bool couldUndo = list.CanUndo();
    const auto why = list.Edit(c.row, c.column, c.text, d);
    if (c.reason) {
      EXPECT_EQ(why, c.reason) << c.text;
      EXPECT_EQ(list.CanUndo(), couldUndo);
    } else {
      EXPECT_EQ(why, std::nullopt) << c.text;
    }
  }
  EXPECT_EQ(list.at(0).quantity, 1000);
  EXPECT_EQ(list.at(0).material, "Q235B");
  list.Undo();
  EXPECT_EQ(list.at(0).material, "");
  list.Redo();
  EXPECT_EQ(list.Edit(0, ListColumn::kMaterial, "Q235B", d), std::nullopt);  // no change, no step
  list.Undo();
  EXPECT_EQ(list.at(0).material, "");
  // A step over several rows is refused whole when one of them refuses it.
  EXPECT_TRUE(list.Edit(both, ListColumn::kPriceBasis, "元/米", d));
  EXPECT_EQ(list.at(0).basis, PriceBasis::kPerTonne);
  EXPECT_EQ(list.Edit(both, ListColumn::kPrice, "3000", d), std::nullopt);
  EXPECT_EQ(list.at(1).price, 3000);
  list.Undo();
  EXPECT_EQ(list.at(0).price, 0);
  EXPECT_EQ(list.at(1).price, 0);
  // Lengths are typed in the display's unit.
  EXPECT_EQ(list.Edit(0, ListColumn::kLength, "2.5", ListDisplay{2, kUnitKgM}), std::nullopt);
  EXPECT_EQ(list.at(0).lengthMm, 2500);
}

TEST(MaterialList, MovesOutOfRangeOrInPlaceAreRefused) {
  MaterialList list({Row("a"), Row("b"), Row("c")});
  const std::tuple<std::size_t, std::size_t, std::size_t> refused[] = {
      {0, 1, 0}, {0, 1, 1}, {0, 0, 2}, {2, 2, 0}, {0, 1, 4}, {3, 1, 0}, {1, 2, 3},
  };
  for (const auto& [first, count, dest] : refused) EXPECT_FALSE(list.Move(first, count, dest));
  EXPECT_FALSE(list.CanUndo());
  EXPECT_TRUE(list.Move(2, 1, 0));
  EXPECT_EQ(Notes(list), "cab");
}

TEST(MaterialList, CleanStateFollowsUndoAndRedo) {
  MaterialList list;
  EXPECT_TRUE(list.IsClean());
  list.Append({Row("a")});
  EXPECT_FALSE(list.IsClean());
  list.MarkClean();
  list.Append({Row("b")});
  list.Undo();
  EXPECT_TRUE(list.IsClean());
  list.Undo();
  EXPECT_FALSE(list.IsClean());
  list.Redo();
  EXPECT_TRUE(list.IsClean());
  list.Redo();
  list.Undo();
  list.Undo();
  list.Append({Row("c")});  // the saved state is now out of reach
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(list.IsClean());
    list.Undo();
  }
  // Old steps are forgotten beyond the limit.
  for (std::size_t i = 0; i < MaterialList::kUndoLimit + 5; ++i) list.Append({Row("x")});
  std::size_t undone = 0;
  while (list.Undo()) ++undone;
  EXPECT_EQ(undone, MaterialList::kUndoLimit);
}

// The list read back at start is where the history begins.
TEST(MaterialList, LoadIsNoStep) {
  MaterialList list;
  Recorder recorder;
  list.SetObserver(&recorder);
  list.Append({Row("a")});
  list.Load({Row("b"), Row("c")});
  EXPECT_EQ(Notes(list), "bc");
  EXPECT_TRUE(list.IsClean());
  EXPECT_FALSE(list.CanUndo());
  EXPECT_FALSE(list.CanRedo());
  EXPECT_EQ(recorder.log.back(), "reset 0+0");
  EXPECT_EQ(recorder.open, 0);
}

}  // namespace
}  // namespace zelvik
