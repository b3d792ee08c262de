// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "weight/tables/tables.h"

namespace zelvik {
namespace {

struct Row {
  int index;
  const char* name;
  double q;
  const char* spec;
};

void ExpectRows(std::span<const SizeEntry> table, size_t count, std::initializer_list<Row> rows, const char* what) {
  SCOPED_TRACE(what);
  ASSERT_EQ(table.size(), count);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.index);
    const SizeEntry& e = table[static_cast<size_t>(r.index)];
    EXPECT_STREQ(e.name, r.name);
    EXPECT_DOUBLE_EQ(e.q, r.q);
    EXPECT_STREQ(e.spec, r.spec);
  }
}

TEST(WeightTables, SingleListsHaveTheirCountsAndRows) {
  ExpectRows(HotAngleTable(), 147,
             {{0, "∠20×20×3", 0.889, ""}, {81, "∠200×200×24", 71.168, ""}, {82, "∠25×16×3", 0.912, ""},
              {111, "∠90×56×5", 5.661, ""}, {146, "∠200×125×18", 43.588, ""}},
             "hot angle");
  ExpectRows(HotChannelTable(), 41,
             {{0, "[5", 5.438, "50×37×4.5"}, {10, "[16", 19.752, "160×65×8.5"}, {12, "[18", 23.0, "180×70×9.0"},
              {40, "[40c", 71.488, "400×104×14.5"}},
             "hot channel");
  ExpectRows(IBeamTable(), 45,
             {{0, "工10", 11.261, "100×68×4.5"}, {1, "工12*", 13.987, "120×74×5.0"},
              {37, "工55b*", 113.97, "550×168×14.5"}, {44, "工63c", 141.189, "630×180×17.0"}},
             "I-beam");
  ExpectRows(SquareTubeTable(), 293,
             {{0, "20×1.2", 0.679, ""}, {80, "190×6.0", 33.9, ""}, {122, "500×16.0", 235, ""},
              {123, "30×20×1.5", 1.06, ""}, {231, "180×100×5", 20.689, ""}, {292, "600×400×16", 235, ""}},
             "square tube");
  ExpectRows(WeldedPipeTable(), 28,
             {{0, "1/8'×2.00", 0.39, ""}, {10, "1'×3.25", 2.42, ""}, {12, "5/4'×3.25", 3.13, ""},
              {27, "6'×5.50", 21.63, ""}},
             "welded pipe");
  ExpectRows(HexBarTable(), 39, {{0, "8", 0.435, ""}, {20, "28", 5.33, ""}, {38, "70", 33.3, ""}}, "hex");
  ExpectRows(OctBarTable(), 12, {{0, "16", 1.66, ""}, {6, "30", 5.85, ""}, {11, "40", 10.4, ""}}, "oct");
  ExpectRows(RebarTable(), 68,
             {{0, "φ5.5*", 0.184, ""}, {8, "φ12", 0.888, ""}, {38, "φ50", 15.42, ""}, {67, "φ250*", 385.0, ""}},
             "rebar");
}

struct GroupRow {
  size_t type;
  int index;
  const char* name;
  double q;
};

void ExpectGroups(std::span<const SizeGroup> groups, std::initializer_list<std::pair<const char*, size_t>> shape,
                  std::initializer_list<GroupRow> rows, const char* what) {
  SCOPED_TRACE(what);
  ASSERT_EQ(groups.size(), shape.size());
  size_t i = 0;
  for (const auto& [type, count] : shape) {
    EXPECT_STREQ(groups[i].type, type);
    EXPECT_EQ(groups[i].sizes.size(), count) << type;
    ++i;
  }
  for (const GroupRow& r : rows) {
    const SizeEntry& e = groups[r.type].sizes[static_cast<size_t>(r.index)];
    EXPECT_STREQ(e.name, r.name) << r.type << "/" << r.index;
    EXPECT_DOUBLE_EQ(e.q, r.q) << r.name;
  }
}

TEST(WeightTables, TwoLevelListsHaveTheirShapesAndRows) {
  ExpectGroups(ColdAngleTable(), {{"等边角钢", 33}, {"不等边角钢", 25}},
               {{0, 0, "∠20×20×1.2", 0.354}, {0, 32, "∠300×300×16", 70.312}, {1, 0, "∠30×20×2.0", 0.723},
                {1, 24, "∠300×260×16", 65.32}},
               "cold angle");
  ExpectGroups(ColdChannelTable(), {{"等边槽钢", 33}, {"不等边槽钢", 22}, {"内卷边槽钢", 24}, {"外卷边槽钢", 26}},
               {{0, 0, "[20×10×1.5", 0.401}, {1, 21, "[550×300×250×16", 128.144}, {2, 12, "[400×50×15×3.0", 11.928},
                {3, 0, "[30×30×16×2.5", 2.009}, {3, 25, "[600×250×150×16", 156.449}},
               "cold channel");
  ExpectGroups(ColdZTable(), {{"Z型钢", 12}, {"卷边Z型钢", 14}},
               {{0, 0, "80×40×2.5", 2.947}, {0, 11, "400×150×8", 41.611}, {1, 13, "400×120×40×10", 49.692}},
               "cold Z");
  ExpectGroups(HTSectionTable(),
               {{"HW宽翼缘", 29}, {"HM中翼缘", 15}, {"HN窄翼缘", 59}, {"HT薄壁", 27}, {"HP钢柱", 11}, {"TW宽翼缘", 19},
                {"TM中翼缘", 15}, {"TN窄翼缘", 46}},
               {{0, 0, "100×100", 16.9}, {0, 4, "200×200", 49.9}, {0, 28, "502×470", 259}, {2, 35, "638×202", 147},
                {2, 36, "646×299", 120}, {2, 37, "650×300", 134}, {2, 58, "1008×302", 345}, {7, 36, "323×299", 59.9},
                {7, 45, "456×302", 141}},
               "H/T");
  ExpectGroups(PlateMeshTable(),
               {{"菱形花纹板", 10}, {"扁豆花纹板", 10}, {"圆豆花纹板", 10}, {"重型钢板网", 21}, {"普通钢板网", 40},
                {"有筋扩张网", 42}, {"建筑批荡网", 3}, {"钢丝网", 96}},
               {{0, 0, "δ2.5", 21.6}, {0, 3, "δ4", 33.4}, {3, 20, "ZW80×8×10", 15.7}, {4, 39, "10×45×100×10", 34.89},
                {6, 2, "0.6×1.5×17×8", 1.84}, {7, 0, "0.4#×0.2", 0.9}, {7, 95, "20#×3.0", 5.1}},
               "plate and mesh");
}

TEST(WeightTables, FastenerStandardsAndTheirLists) {
  auto t = FastenerTable();
  ASSERT_EQ(t.size(), 71u);
  struct Std {
    size_t index;
    const char* name;
    size_t count;
    const char* first;
    double firstR;
    const char* last;
    double lastR;
  };
  const Std cases[] = {
      {0, "LS 5780-2000", 18, "M5", 0.013, "M64", 4.87},
      {8, "LS 29.1-1988", 20, "M3", 0.005, "M64", 4.427},
      {14, "LS 32.3-1988", 3, "M10×1.25", 0.067, "M20×1.5", 0.295},
      {29, "LS 900-1988", 22, "M2", 0.002, "M48", 2.409},
      {30, "LM 39-1988", 13, "M3", 0.00022, "M24", 0.1019},
      {35, "LM 6170-2000", 23, "M1.6", 0.00005, "M64", 1.353},
      {54, "LM 810-1988", 48, "M10×1.0", 0.00953, "M200×3.0", 0},
      {55, "LM 812-1988", 48, "M10×1.0", 0.01682, "M200×3.0", 3.978},
      {57, "DQ 96-2002", 16, "d=1.6", 0, "d=36", 0.495},
      {69, "DQ 7244-1987", 14, "d=6.0", 0.00039, "d=36", 0.05613},
      {70, "开口销91-2000", 16, "φ0.6", 0.0000018517, "φ20", 0.094475931},
  };
  for (const Std& c : cases) {
    SCOPED_TRACE(c.name);
    const auto& st = t[c.index];
    EXPECT_STREQ(st.name, c.name);
    ASSERT_EQ(st.sizes.size(), c.count);
    EXPECT_STREQ(st.sizes.front().name, c.first);
    EXPECT_DOUBLE_EQ(st.sizes.front().r, c.firstR);
    EXPECT_STREQ(st.sizes.back().name, c.last);
    EXPECT_DOUBLE_EQ(st.sizes.back().r, c.lastR);
  }
  // Standards that share a list.
  EXPECT_EQ(t[0].sizes.data(), t[1].sizes.data());
  EXPECT_EQ(t[26].sizes.data(), t[29].sizes.data());
  EXPECT_NE(t[9].sizes.data(), t[10].sizes.data());
  // LM 810-1988 carries values for its first 41 sizes only.
  EXPECT_DOUBLE_EQ(t[54].sizes[40].r, 2.257);
  EXPECT_EQ(t[54].sizes[41].r, 0);
  // Cotter pins: fixed part and per-length part; φ8 keeps its stored fixed part.
  const auto& pins = t[70].sizes;
  EXPECT_STREQ(pins[5].name, "φ2");
  EXPECT_DOUBLE_EQ(pins[5].r, 0.00006951);
  EXPECT_DOUBLE_EQ(pins[5].s, 0.00001998);
  EXPECT_STREQ(pins[11].name, "φ8");
  EXPECT_DOUBLE_EQ(pins[11].r, 0.00021462);
  EXPECT_DOUBLE_EQ(pins[11].s, 0.0003468);
  EXPECT_DOUBLE_EQ(pins[15].s, 0.002296541);
  for (size_t i = 0; i < 70; ++i) {
    for (const auto& sz : t[i].sizes) EXPECT_EQ(sz.s, 0) << t[i].name << " " << sz.name;
  }
}

// K × d² rounded half-up to three significant figures, in exact integer arithmetic:
// K in units of 1e-4, d in units of 0.1 mm, so K·d² is in units of 1e-6.
int64_t RuleMicro(int64_t k4, int64_t d10) {
  int64_t v = k4 * d10 * d10;
  int64_t scale = 1;
  while (v / scale >= 1000) scale *= 10;
  const int64_t kept = v / scale;
  const int64_t rest = v % scale;
  return (kept + (rest * 2 >= scale && scale > 1 ? 1 : 0)) * scale;
}

struct RopeRule {
  int first;
  int last;
  int kNatural;  // or the only K / 纤维芯 K, in 1e-4
  int kSynthetic;
  int kSteel;
  const char* cores;  // "n": no core; "nss": 天然/合成/钢; "ns": 天然/合成; "fs": 纤维芯/钢芯
};

const RopeRule kRopeRules[] = {
    {0, 0, 5220, 0, 0, "n"},          {1, 1, 5070, 0, 0, "n"},          {2, 2, 5010, 0, 0, "n"},
    {3, 4, 3510, 3440, 3870, "nss"},  {5, 6, 3686, 3598, 4054, "nss"},  {7, 7, 3510, 3440, 4000, "nss"},
    {8, 16, 3800, 3710, 4180, "nss"}, {17, 17, 3460, 3370, 4000, "nss"}, {18, 18, 3610, 3540, 3980, "nss"},
    {19, 20, 3463, 3337, 4220, "nss"}, {21, 27, 3570, 3440, 4350, "nss"}, {28, 32, 3900, 0, 4300, "fs"},
    {33, 34, 3900, 0, 4300, "fs"},    {35, 36, 4600, 0, 0, "n"},        {37, 37, 2510, 2310, 0, "ns"},
    {38, 38, 3180, 3040, 0, "ns"},    {39, 40, 3310, 3160, 0, "ns"},    {42, 47, 4100, 0, 0, "n"},
    {48, 49, 4120, 4040, 4370, "nss"}, {50, 51, 3726, 3650, 0, "ns"},   {52, 52, 4050, 3970, 4290, "nss"},
    {53, 55, 4050, 3970, 4290, "nss"}, {56, 56, 4171, 4089, 4418, "nss"}, {57, 60, 4100, 4020, 0, "ns"},
};

// Stored values that the tables hold instead of the rule.
const std::set<std::pair<int, std::string>> kRopeExceptions = {
    {0, "φ0.6"},         {0, "φ1.2"},        {0, "φ2.7"},        {1, "φ1"},          {2, "φ1.4"},
    {3, "φ4合成纤芯"},   {4, "φ4合成纤芯"},  {5, "φ32合成纤芯"}, {6, "φ32合成纤芯"}, {5, "φ10钢芯"},
    {6, "φ10钢芯"},      {7, "φ12合成纤芯"}, {19, "φ12合成纤芯"}, {20, "φ12合成纤芯"}, {39, "φ11天然纤芯"},
    {40, "φ11天然纤芯"},
};

bool IsRopeException(int construction, const std::string& name) {
  if (kRopeExceptions.count({construction, name})) return true;
  if (construction >= 8 && construction <= 16 && (name == "φ40钢芯" || name == "φ50钢芯")) return true;
  if (construction >= 21 && construction <= 27 && name == "φ50天然纤芯") return true;
  return construction >= 53 && construction <= 55 && name == "φ30天然纤芯";
}

// Parses "φ<d><core>" into d in tenths of a millimetre and the core text.
std::pair<int64_t, std::string> SplitRopeName(const std::string& name) {
  const std::string phi = "φ";
  EXPECT_EQ(name.rfind(phi, 0), 0u) << name;
  size_t i = phi.size();
  int64_t whole = 0, tenths = 0;
  while (i < name.size() && name[i] >= '0' && name[i] <= '9') whole = whole * 10 + (name[i++] - '0');
  if (i < name.size() && name[i] == '.') {
    ++i;
    tenths = name[i++] - '0';
  }
  return {whole * 10 + tenths, name.substr(i)};
}

TEST(WeightTables, WireRopeListsFollowTheRule) {
  auto ropes = WireRopeTable();
  ASSERT_EQ(ropes.size(), 61u);
  EXPECT_STREQ(ropes[0].type, "1×7");
  EXPECT_STREQ(ropes[41].type, "6×15+7FC");
  EXPECT_STREQ(ropes[60].type, "6Q×33+6×V21+7FC");
  int checked = 0;
  for (const RopeRule& rule : kRopeRules) {
    for (int c = rule.first; c <= rule.last; ++c) {
      for (const SizeEntry& e : ropes[static_cast<size_t>(c)].sizes) {
        auto [d10, core] = SplitRopeName(e.name);
        int k = 0;
        if (core.empty() || core == "天然纤芯" || core == "纤维芯") k = rule.kNatural;
        if (core == "合成纤芯") k = rule.kSynthetic;
        if (core == "钢芯") k = rule.kSteel;
        ASSERT_NE(k, 0) << ropes[static_cast<size_t>(c)].type << " " << e.name;
        if (IsRopeException(c, e.name)) continue;
        EXPECT_EQ(static_cast<int64_t>(std::llround(e.q * 1e6)), RuleMicro(k, d10))
            << ropes[static_cast<size_t>(c)].type << " " << e.name << " " << e.q;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 3000);
}

TEST(WeightTables, WireRopeSamplesAndMendedLists) {
  auto ropes = WireRopeTable();
  auto find = [&](size_t c, const std::string& name) {
    for (const auto& e : ropes[c].sizes) {
      if (name == e.name) return e.q;
    }
    ADD_FAILURE() << "no " << name << " in " << ropes[c].type;
    return -1.0;
  };
  struct Sample {
    size_t construction;
    const char* name;
    double q;
  };
  const Sample samples[] = {
      {3, "φ1.8天然纤芯", 1.14}, {3, "φ36钢芯", 502},        {8, "φ64钢芯", 1710},       {7, "φ20钢芯", 160},
      {39, "φ30天然纤芯", 298},  {39, "φ32天然纤芯", 339},   {0, "φ0.6", 0.19},          {0, "φ2.7", 3.8},
      {5, "φ10钢芯", 40.6},      {5, "φ32合成纤芯", 369},    {8, "φ40钢芯", 660},        {16, "φ50钢芯", 1040},
      {21, "φ50天然纤芯", 892},  {53, "φ30天然纤芯", 364},   {3, "φ4合成纤芯", 5.55},    {0, "φ12", 75.2},
  };
  for (const Sample& s : samples) EXPECT_DOUBLE_EQ(find(s.construction, s.name), s.q) << s.name;
  EXPECT_STREQ(ropes[3].sizes[0].name, "φ1.8天然纤芯");
  EXPECT_STREQ(ropes[3].sizes[3].name, "φ2天然纤芯");
  EXPECT_EQ(ropes[39].sizes.size(), 40u);
  EXPECT_EQ(ropes[0].sizes.size(), 26u);
  EXPECT_EQ(ropes[28].sizes.size(), 2u * 32u);
  // 6×15+7FC: diameters 10, 12, …, 32, each natural then synthetic, paired with the 24 weights.
  const auto& mended = ropes[41].sizes;
  ASSERT_EQ(mended.size(), 24u);
  EXPECT_STREQ(mended[0].name, "φ10天然纤芯");
  EXPECT_DOUBLE_EQ(mended[0].q, 20.0);
  EXPECT_STREQ(mended[1].name, "φ10合成纤芯");
  EXPECT_DOUBLE_EQ(mended[1].q, 18.5);
  EXPECT_STREQ(mended[22].name, "φ32天然纤芯");
  EXPECT_DOUBLE_EQ(mended[22].q, 205);
  EXPECT_STREQ(mended[23].name, "φ32合成纤芯");
  EXPECT_DOUBLE_EQ(mended[23].q, 189);
  for (const auto& e : mended) EXPECT_GT(e.q, 0) << e.name;
}

}  // namespace
}  // namespace zelvik
