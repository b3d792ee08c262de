// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "spec/spec_parse.h"
#include "weight/size_lists.h"

namespace zelvik {
namespace {

std::string Describe(const std::variant<ParsedSpec, SpecError>& r) {
  if (const auto* e = std::get_if<SpecError>(&r)) {
    std::string text = "error " + e->message + " [";
    for (const auto& c : e->candidates) text += c + "; ";
    return text + "]";
  }
  const auto& p = std::get<ParsedSpec>(r);
  return std::string(GetCalcInfo(p.calc).cliName) + " " + std::to_string(p.type) + "/" + std::to_string(p.size) +
         " " + p.canonical;
}

ParsedSpec Parsed(std::string_view text) {
  const auto r = ParseSpec(text);
  EXPECT_TRUE(std::holds_alternative<ParsedSpec>(r)) << text << ": " << Describe(r);
  return std::holds_alternative<ParsedSpec>(r) ? std::get<ParsedSpec>(r) : ParsedSpec{};
}

SpecError Failed(std::string_view text) {
  const auto r = ParseSpec(text);
  EXPECT_TRUE(std::holds_alternative<SpecError>(r)) << text << ": " << Describe(r);
  return std::holds_alternative<SpecError>(r) ? std::get<SpecError>(r) : SpecError{};
}

TEST(SpecParse, EveryFormAsPeopleTypeIt) {
  const struct {
    const char* text;
    CalcId calc;
    const char* canonical;
  } rows[] = {
      {"L50×5", CalcId::kHotAngle, "∠50×50×5"},
      {"Ｌ５０×５", CalcId::kHotAngle, "∠50×50×5"},
      {" l 50 x 5 ", CalcId::kHotAngle, "∠50×50×5"},
      {"∠50*5", CalcId::kHotAngle, "∠50×50×5"},
      {"L50＊5", CalcId::kHotAngle, "∠50×50×5"},
      {"L50·5", CalcId::kHotAngle, "∠50×50×5"},
      {"角钢50X5", CalcId::kHotAngle, "∠50×50×5"},
      {"∠63×40×5", CalcId::kHotAngle, "∠63×40×5"},
      {"L40×63×5", CalcId::kHotAngle, "∠63×40×5"},
      {"冷弯L50×50×3", CalcId::kColdAngle, "∠50×50×3.0"},
      {"L100×100×4", CalcId::kColdAngle, "∠100×100×4"},
      {"[20a", CalcId::kHotChannel, "[20a"},
      {"［２０ａ", CalcId::kHotChannel, "[20a"},
      {"槽钢20a", CalcId::kHotChannel, "[20a"},
      {"C20a", CalcId::kHotChannel, "[20a"},
      {"[6.5", CalcId::kHotChannel, "[6.5*"},
      {"[50×30×2", CalcId::kColdChannel, "[50×30×2.0"},
      {"I20a", CalcId::kIBeam, "工20a"},
      {"工20a", CalcId::kIBeam, "工20a"},
      {"工字钢 20a", CalcId::kIBeam, "工20a"},
      {"Z80×40×2.5", CalcId::kColdZ, "Z80×40×2.5"},
      {"HW200×200", CalcId::kHTSection, "HW200×200"},
      {"hn400x200", CalcId::kHTSection, "HN400×200"},
      {"H400×200×8×13", CalcId::kHTSection, "HN400×200"},
      {"TN200×200", CalcId::kHTSection, "TN200×200"},
      {"H型钢400×200", CalcId::kHTSection, "HN400×200"},
      {"Φ20", CalcId::kRoundPipe, "Φ20"},
      {"φ20", CalcId::kRoundPipe, "Φ20"},
      {"∅20", CalcId::kRoundPipe, "Φ20"},
      {"Ф20", CalcId::kRoundPipe, "Φ20"},
      {"D20", CalcId::kRoundPipe, "Φ20"},
      {"圆钢20", CalcId::kRoundPipe, "Φ20"},
      {"Φ108×4", CalcId::kRoundPipe, "Φ108×4"},
      {"钢管Φ１０８ｘ４", CalcId::kRoundPipe, "Φ108×4"},
      {"DN25×3.25", CalcId::kWeldedPipe, "1'×3.25"},
      {"1'×3.25", CalcId::kWeldedPipe, "1'×3.25"},
      {"1″×3.25", CalcId::kWeldedPipe, "1'×3.25"},
      {"1-1/4'×3.25", CalcId::kWeldedPipe, "5/4'×3.25"},
      {"DN25", CalcId::kWeldedPipe, "1'×3.25"},
      {"□100×100×4", CalcId::kSquareTube, "□100×4.0"},
      {"□100×4", CalcId::kSquareTube, "□100×4.0"},
      {"口100×4", CalcId::kSquareTube, "□100×4.0"},
      {"方管100×50×3", CalcId::kSquareTube, "□100×50×3.0"},
      {"-10×1500×6000", CalcId::kPlate1, "-10×1500×6000"},
      {"－１０×１５００×６０００", CalcId::kPlate1, "-10×1500×6000"},
      {"δ10×1500×6000", CalcId::kPlate1, "-10×1500×6000"},
      {"PL10×1500×6000", CalcId::kPlate1, "-10×1500×6000"},
      {"t=10×1500×6000", CalcId::kPlate1, "-10×1500×6000"},
      {"钢板10×1500×6000", CalcId::kPlate1, "-10×1500×6000"},
      {"-50×5", CalcId::kPlate1, "-50×5"},
      {"-5×50", CalcId::kPlate1, "-50×5"},
      {"δ10", CalcId::kPlate2, "-10"},
      {"钢板 δ=10", CalcId::kPlate2, "-10"},
      {"六角20", CalcId::kHexBar, "六角20"},
      {"八角20", CalcId::kOctBar, "八角20"},
      {"Φ20 HRB400", CalcId::kRebar, "螺纹钢φ20"},
      {"螺纹钢Φ20", CalcId::kRebar, "螺纹钢φ20"},
      {"M20", CalcId::kFastener, "LS 5782-2000 M20"},
      {"Ｍ２０", CalcId::kFastener, "LS 5782-2000 M20"},
      {"M20×100", CalcId::kFastener, "LS 5782-2000 M20×100"},
      {"GB 5782 M20×100", CalcId::kFastener, "LS 5782-2000 M20×100"},
      {"LS 5785-2000 M20×2.0", CalcId::kFastener, "LS 5785-2000 M20×2.0"},
      {"M20×2", CalcId::kFastener, "LS 5785-2000 M20×2.0"},
      {"螺母M20", CalcId::kFastener, "LM 6170-2000 M20"},
      {"垫圈20", CalcId::kFastener, "DQ 97.1-2002 d=20"},
      {"开口销φ2×20", CalcId::kFastener, "开口销91-2000 φ2×20"},
      {"6×19-20", CalcId::kWireRope, "6×19-20天然纤芯"},
      {"6x19-φ20钢芯", CalcId::kWireRope, "6×19-20钢芯"},
      {"6×19-20IWRC", CalcId::kWireRope, "6×19-20钢芯"},
      {"钢丝绳 6×19φ20", CalcId::kWireRope, "6×19-20天然纤芯"},
      {"菱形花纹板δ4", CalcId::kPlateMesh, "菱形花纹板δ4"},
      {"菱形花纹板 δ4 1500×6000", CalcId::kPlateMesh, "菱形花纹板δ4×1500×6000"},
      {"钢丝网0.4#×0.2", CalcId::kPlateMesh, "钢丝网0.4#×0.2"},
  };
  for (const auto& row : rows) {
    const ParsedSpec p = Parsed(row.text);
    EXPECT_EQ(p.calc, row.calc) << row.text;
    EXPECT_EQ(p.canonical, row.canonical) << row.text;
    EXPECT_EQ(Parsed(p.canonical), p) << row.text;
  }
}

TEST(SpecParse, SizesAndDimensionsAreThoseThePagesSelect) {
  EXPECT_EQ(Parsed("L50×5"), (ParsedSpec{CalcId::kHotAngle, -1, 18, std::nullopt, "∠50×50×5"}));
  EXPECT_EQ(Parsed("TN200×200").type, 7);
  const ParsedSpec pipe = Parsed("Φ108×4");
  ASSERT_TRUE(pipe.dims);
  EXPECT_EQ(pipe.dims->outer, 108);
  EXPECT_EQ(pipe.dims->wall, 4);
  const ParsedSpec plate = Parsed("-10×1500×6000");
  EXPECT_EQ(plate.dims, (SpecDims{0, 0, 10, 1500, 6000, 0, 0}));
  EXPECT_EQ(Parsed("-50×5").dims, (SpecDims{0, 0, 5, 50, 0, 0, 0}));
  EXPECT_EQ(Parsed("菱形花纹板δ4×1500×6000").dims, (SpecDims{0, 0, 0, 0, 0, 1500, 6000}));
  const ParsedSpec bolt = Parsed("GB 5782 M20×100");
  EXPECT_EQ(bolt.type, 2);
  EXPECT_EQ(bolt.dims, (SpecDims{0, 0, 0, 0, 100, 0, 0}));
}

// Every item of every built-in list is named by one text, which reads back to it.
TEST(SpecParse, EverySizeOfEveryTableReadsBack) {
  const CustomRowSet none;
  int count = 0;
  for (const CalcInfo& info : AllCalcs()) {
    if (!info.sizeList) continue;
    const int types = info.typeList ? static_cast<int>(TypeNames(info.id).size()) : 1;
    for (int type = 0; type < types; ++type) {
      const int listType = info.typeList ? type : -1;
      const auto items = SizeItems(info.id, type, none);
      for (int size = 0; size < static_cast<int>(items.size()); ++size) {
        const auto spec = SpecOfSize(info.id, listType, size);
        ASSERT_TRUE(spec) << info.cliName << " " << type << "/" << size;
        const auto read = ParseSpec(spec->canonical);
        ASSERT_TRUE(std::holds_alternative<ParsedSpec>(read)) << spec->canonical << ": " << Describe(read);
        EXPECT_EQ(std::get<ParsedSpec>(read), *spec);
        ++count;
      }
    }
  }
  EXPECT_EQ(count, 5654);
}

TEST(SpecParse, ErrorsSayWhatAndOfferTheClosestSizes) {
  const struct {
    const char* text;
    SpecErrorKind kind;
    std::vector<std::string> firstCandidates;
  } rows[] = {
      {"", SpecErrorKind::kEmpty, {}},
      {"　 ", SpecErrorKind::kEmpty, {}},
      {"xyz", SpecErrorKind::kUnreadable, {}},
      {"L50×7", SpecErrorKind::kNoSuchSize, {"∠50×50×6", "∠50×50×5"}},
      {"\nL50×7\r\n", SpecErrorKind::kNoSuchSize, {"∠50×50×6"}},
      {"L50", SpecErrorKind::kNoSuchSize, {"∠50×50×3"}},
      {"[21a", SpecErrorKind::kNoSuchSize, {"[22a"}},
      {"HW201×200", SpecErrorKind::kNoSuchSize, {"HW200×200"}},
      {"6×19-21", SpecErrorKind::kNoSuchSize, {"6×19-22天然纤芯"}},
      {"LS 5782-2000 M21", SpecErrorKind::kNoSuchSize, {"LS 5782-2000 (M22)", "LS 5782-2000 M20"}},
      {"R7:20", SpecErrorKind::kNoSuchSize, {}},
      {"20", SpecErrorKind::kNoSuchSize, {"六角20", "八角20"}},
      {"Φ20×11", SpecErrorKind::kBadDimensions, {}},
      {"-0×5", SpecErrorKind::kBadDimensions, {}},
      {"H200×200", SpecErrorKind::kAmbiguous, {"HW200×200", "HP200×200"}},
      {"100×50×3", SpecErrorKind::kAmbiguous, {"□100×50×3.0", "Z100×50×3.0"}},
      {"花纹板δ4", SpecErrorKind::kAmbiguous, {"菱形花纹板δ4", "扁豆花纹板δ4", "圆豆花纹板δ4"}},
  };
  for (const auto& row : rows) {
    const SpecError e = Failed(row.text);
    EXPECT_EQ(e.kind, row.kind) << row.text << ": " << e.message;
    EXPECT_FALSE(e.message.empty());
    EXPECT_EQ(e.message.find('\n'), std::string::npos) << row.text;
    EXPECT_LE(e.candidates.size(), kMaxSpecCandidates);
    ASSERT_GE(e.candidates.size(), row.firstCandidates.size()) << row.text;
    for (size_t i = 0; i < row.firstCandidates.size(); ++i) EXPECT_EQ(e.candidates[i], row.firstCandidates[i]) << row.text;
  }
}

TEST(SpecParse, UserDefinedSizesAreReadWhereTheListsShowThem) {
  CustomRowSet rows;
  rows[0].push_back(CustomRow{0, "角钢(热轧)", "∠30×30×2", "", "0.9"});
  rows[5].push_back(CustomRow{5, "六角钢", "71", "", "34"});
  const auto angle = std::get<ParsedSpec>(ParseSpec("L30×2", rows));
  EXPECT_EQ(angle.size, 147);
  EXPECT_EQ(angle.canonical, "∠30×30×2");
  EXPECT_DOUBLE_EQ(UnitWeightOf(angle, 7.85, rows).value, 0.9);
  EXPECT_EQ(std::get<ParsedSpec>(ParseSpec("六角71", rows)).size, 39);
  // A model that carries the list's own mark keeps one, so its canonical text reads back.
  rows[3].push_back(CustomRow{3, "方管", "□ 12x1", "", "0.5"});
  rows[7].push_back(CustomRow{7, "螺纹钢", " ", "", ""});
  EXPECT_TRUE(std::holds_alternative<SpecError>(ParseSpec("HRB400", rows)));
  const auto tube = std::get<ParsedSpec>(ParseSpec("\n□12×1", rows));
  EXPECT_EQ(std::get<ParsedSpec>(ParseSpec(tube.canonical, rows)), tube);
  // Without it the cold-formed ∠30×30×2.0 is the only one.
  EXPECT_EQ(std::get<ParsedSpec>(ParseSpec("L30×2")).calc, CalcId::kColdAngle);
}

}  // namespace
}  // namespace zelvik
