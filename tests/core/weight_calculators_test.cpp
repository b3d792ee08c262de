// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "weight/calculators.h"
#include "weight/size_lists.h"

namespace zelvik {
namespace {

WeightSettings Settings(int unit, int decimals = 2, double density = 7.85) {
  return WeightSettings{unit, decimals, density};
}

int SizeIndex(CalcId id, int type, const std::string& name, const CustomRowSet& rows = {}) {
  const auto items = SizeItems(id, type, rows);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].name == name) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no size " << name;
  return -1;
}

struct Case {
  const char* what;
  CalcId id;
  WeightSettings settings;
  CalcInputs in;
  const char* weight;
  const char* unitWeight;  // nullptr: not checked
};

CalcInputs Len(int type, int size, const char* length) {
  CalcInputs in;
  in.type = type;
  in.size = size;
  in.length = length;
  return in;
}

CalcInputs Plate(const char* l, const char* w, const char* t) {
  CalcInputs in;
  in.length = l;
  in.width = w;
  in.thickness = t;
  return in;
}

CalcInputs Pipe(const char* d, const char* inner, const char* wall, const char* l, int mode) {
  CalcInputs in;
  in.outer = d;
  in.inner = inner;
  in.wall = wall;
  in.length = l;
  in.pipeMode = mode;
  return in;
}

CalcInputs Area(int type, int size, const char* area) {
  CalcInputs in;
  in.type = type;
  in.size = size;
  in.area = area;
  return in;
}

TEST(WeightCalculators, EdgeCasesOfEveryPage) {
  const CustomRowSet none;
  CalcInputs plate2;
  plate2.area = "2";
  plate2.thickness = "1";
  const Case cases[] = {
      // Plates.
      {"plate 0 decimals", CalcId::kPlate1, Settings(0, 0), Plate("1000", "1000", "1"), "8", nullptr},
      {"plate 2 decimals", CalcId::kPlate1, Settings(0), Plate("1000", "1000", "1"), "7.85", nullptr},
      {"plate kg;m", CalcId::kPlate1, Settings(1), Plate("1", "1", "1"), "7.85", nullptr},
      {"plate t;m", CalcId::kPlate1, Settings(2), Plate("1", "1", "1"), "0.01", nullptr},
      {"plate t;m 5 decimals", CalcId::kPlate1, Settings(2, 5), Plate("1", "1", "1"), "0.00785", nullptr},
      {"plate density 8", CalcId::kPlate1, Settings(0, 2, 8), Plate("1000", "1000", "1"), "8.00", nullptr},
      {"plate empty length", CalcId::kPlate1, Settings(0), Plate("", "1000", "1"), "0.00", nullptr},
      {"plate unknown unit", CalcId::kPlate1, Settings(7), Plate("1000", "1000", "1"), "0.00", nullptr},
      {"plate bad decimals", CalcId::kPlate1, Settings(0, 10), Plate("1000", "1000", "1"), "0.00", nullptr},
      {"plate expressions", CalcId::kPlate1, Settings(0), Plate("2x500", "（600+400）", "1"), "7.85", nullptr},
      {"plate by area", CalcId::kPlate2, Settings(1), plate2, "15.70", nullptr},
      // Round bar and pipe.
      {"bar inner mode", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "r", "1000", 0), "2.47", nullptr},
      {"bar wall r", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "r", "1000", 1), "2.47", nullptr},
      {"bar wall half", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "10", "1000", 1), "2.47", nullptr},
      {"pipe wall 2", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "2", "1000", 1), "0.89", nullptr},
      {"pipe wall too thick", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "11", "1000", 1), "壁厚输入错误", nullptr},
      {"bar kg;m", CalcId::kRoundPipe, Settings(1, 3), Pipe("20", "0", "r", "1", 0), "2.466", nullptr},
      {"inner beyond outer", CalcId::kRoundPipe, Settings(0), Pipe("20", "30", "r", "1000", 0), "-3.08", nullptr},
      {"R is not r", CalcId::kRoundPipe, Settings(0), Pipe("20", "0", "R", "1000", 1), "0.00", nullptr},
      // Tabulated sections of page one.
      {"angle kg;m", CalcId::kHotAngle, Settings(1), Len(0, 0, "6"), "5.33", "0.889"},
      {"angle kg;mm", CalcId::kHotAngle, Settings(0, 3), Len(0, 0, "6000"), "5.334", "0.889"},
      {"angle t;m", CalcId::kHotAngle, Settings(2, 5), Len(0, 0, "6"), "0.00533", "0.889"},
      {"angle density 8", CalcId::kHotAngle, Settings(0, 2, 8.0), Len(0, 0, "1000"), "0.91", "0.906"},
      {"angle no selection", CalcId::kHotAngle, Settings(0), Len(0, -1, "1000"), "0.00", "0.000"},
      {"angle empty length", CalcId::kHotAngle, Settings(0), Len(0, 0, ""), "0.00", "0.889"},
      {"channel [16", CalcId::kHotChannel, Settings(1), Len(0, 10, "1"), "19.75", "19.752"},
      {"I-beam 63c", CalcId::kIBeam, Settings(1), Len(0, 44, "1"), "141.19", "141.189"},
      // Page three.
      {"hex 8", CalcId::kHexBar, Settings(1), Len(0, 0, "1"), "0.43", "0.435"},
      {"rebar 12", CalcId::kRebar, Settings(0), Len(0, 8, "9000"), "7.99", "0.888"},
      {"oct 40", CalcId::kOctBar, Settings(1), Len(0, 11, "2"), "20.80", "10.400"},
      {"cold lipped channel", CalcId::kColdChannel, Settings(1), Len(3, 0, "1"), "2.01", "2.009"},
      {"cold Z lipped last", CalcId::kColdZ, Settings(1), Len(1, 13, "1"), "49.69", "49.692"},
      {"cold angle no type", CalcId::kColdAngle, Settings(1), Len(-1, 0, "1"), "0.00", "0.000"},
      // Page two: tubes and pipes.
      {"tube 20x1.2", CalcId::kSquareTube, Settings(0), Len(0, 0, "6000"), "4.07", "0.679"},
      {"tube 3 decimals", CalcId::kSquareTube, Settings(0, 3), Len(0, 0, "6000"), "4.074", "0.679"},
      {"tube density 7.93", CalcId::kSquareTube, Settings(0, 2, 7.93), Len(0, 0, "6000"), "4.12", "0.686"},
      {"pipe 1' kg;m", CalcId::kWeldedPipe, Settings(1), Len(0, 10, "6"), "14.52", "2.420"},
      {"pipe 1' t;m", CalcId::kWeldedPipe, Settings(2, 5), Len(0, 10, "6"), "0.01452", "2.420"},
      // H/T, plates and mesh, rope.
      {"HW 200", CalcId::kHTSection, Settings(1), Len(0, 4, "12"), "598.80", "49.900"},
      {"HW 200 density", CalcId::kHTSection, Settings(1, 2, 7.93), Len(0, 4, "12"), "604.90", "50.409"},
      {"HN 646x299 mended", CalcId::kHTSection, Settings(1), Len(2, 36, "1"), "120.00", "120.000"},
      {"checker kg;mm", CalcId::kPlateMesh, Settings(0), Area(0, 3, "2000000"), "66.80", "33.400"},
      {"checker kg;m", CalcId::kPlateMesh, Settings(1), Area(0, 3, "2"), "66.80", "33.400"},
      {"checker t;m", CalcId::kPlateMesh, Settings(2, 4), Area(0, 3, "2"), "0.0668", "33.400"},
      {"checker bad unit", CalcId::kPlateMesh, Settings(3), Area(0, 3, "2"), "0.00", "33.400"},
      {"rope kg;mm", CalcId::kWireRope, Settings(0), Len(7, SizeIndex(CalcId::kWireRope, 7, "φ20钢芯"), "50"), "80.00", "160.00"},
      {"rope kg;m", CalcId::kWireRope, Settings(1), Len(7, SizeIndex(CalcId::kWireRope, 7, "φ20钢芯"), "50"), "80.00", "160.00"},
      {"rope t;m", CalcId::kWireRope, Settings(2), Len(7, SizeIndex(CalcId::kWireRope, 7, "φ20钢芯"), "50"), "0.08", "160.00"},
      {"rope ignores density", CalcId::kWireRope, Settings(1, 2, 9.5), Len(7, SizeIndex(CalcId::kWireRope, 7, "φ20钢芯"), "50"), "80.00", "160.00"},
      {"rope 6x24S 30", CalcId::kWireRope, Settings(1), Len(39, SizeIndex(CalcId::kWireRope, 39, "φ30天然纤芯"), "100"), "298.00", "298.00"},
      // Fasteners.
      {"bolt kg;mm", CalcId::kFastener, Settings(0), Len(0, 3, "100"), "0.06", nullptr},
      {"bolt kg;mm 3 decimals", CalcId::kFastener, Settings(0, 3), Len(0, 3, "100"), "0.063", nullptr},
      {"bolt kg;m", CalcId::kFastener, Settings(1, 3), Len(0, 3, "0.1"), "0.063", nullptr},
      {"bolt t;m", CalcId::kFastener, Settings(2, 6), Len(0, 3, "0.1"), "0.000063", nullptr},
      {"nut t;m", CalcId::kFastener, Settings(2, 9), Len(35, 8, ""), "0.000007940", nullptr},
      {"nut ignores length", CalcId::kFastener, Settings(0, 5), Len(35, 8, "100"), "0.00794", nullptr},
      {"cotter pin", CalcId::kFastener, Settings(0, 9), Len(70, 5, "20"), "0.000469110", nullptr},
      {"cotter pin kg;m", CalcId::kFastener, Settings(1, 9), Len(70, 5, "0.02"), "0.000469110", nullptr},
      {"cotter pin t;m", CalcId::kFastener, Settings(2, 9), Len(70, 5, "0.02"), "0.000000469", nullptr},
      {"cotter pin no length", CalcId::kFastener, Settings(0, 9), Len(70, 5, ""), "0.000000000", nullptr},
      {"nut without value", CalcId::kFastener, Settings(0, 5), Len(54, 41, ""), "0.00000", nullptr},
      {"washer without value", CalcId::kFastener, Settings(0, 5), Len(57, 0, ""), "0.00000", nullptr},
      {"fastener bad unit", CalcId::kFastener, Settings(5), Len(0, 3, "100"), "0.00", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CalcOutputs out = Compute(c.id, c.settings, c.in, none);
    EXPECT_EQ(out.weight, c.weight);
    if (c.unitWeight) {
      ASSERT_TRUE(out.unitWeight.has_value());
      EXPECT_EQ(*out.unitWeight, c.unitWeight);
    }
    EXPECT_EQ(out.unitWeight.has_value(), GetCalcInfo(c.id).unitWeight);
  }
}

TEST(WeightCalculators, DensityScalesFastenersExceptThePerLengthPartOfPins) {
  const CustomRowSet none;
  const double f = 7.93 / 7.85;
  auto weight = [&](int type, int size, const char* len, double density) {
    return std::stod(Compute(CalcId::kFastener, Settings(0, 9, density), Len(type, size, len), none).weight);
  };
  EXPECT_NEAR(weight(0, 3, "100", 7.93), 0.063 * f, 1e-9);
  EXPECT_NEAR(weight(35, 8, "", 7.93), 0.00794 * f, 1e-9);
  EXPECT_NEAR(weight(70, 5, "20", 7.93), 0.00006951 * f + 0.00001998 * 20, 1e-9);
}

TEST(WeightCalculators, FastenerLengthTextOnlyForNutsAndWashers) {
  const CustomRowSet none;
  for (int standard = 0; standard < 71; ++standard) {
    const auto out = Compute(CalcId::kFastener, Settings(0), Len(standard, 0, "100"), none);
    const bool nutOrWasher = standard >= 30 && standard <= 69;
    EXPECT_EQ(out.lengthText.has_value(), nutOrWasher) << standard;
    EXPECT_EQ(FastenerTakesLength(standard), !nutOrWasher) << standard;
    if (nutOrWasher) {
      EXPECT_EQ(*out.lengthText, "标准大小");
    }
  }
}

TEST(WeightCalculators, NoStandardTakesNoLength) {
  EXPECT_FALSE(FastenerTakesLength(-1));
  EXPECT_FALSE(FastenerTakesLength(71));
}

TEST(WeightCalculators, SpecFieldFollowsTheSelection) {
  CustomRowSet rows;
  rows[1].push_back(CustomRow{1, "槽钢(热轧)", "[20a", "200×73×7.0", "22.637"});
  auto channel = Compute(CalcId::kHotChannel, Settings(0), Len(0, 10, ""), rows);
  ASSERT_TRUE(channel.spec);
  EXPECT_EQ(*channel.spec, "160×65×8.5");
  auto custom = Compute(CalcId::kHotChannel, Settings(1), Len(0, 41, "1"), rows);
  ASSERT_TRUE(custom.spec);
  EXPECT_EQ(*custom.spec, "200×73×7.0");
  EXPECT_EQ(*custom.unitWeight, "22.637");
  // With nothing selected the field keeps its text.
  EXPECT_FALSE(Compute(CalcId::kHotChannel, Settings(0), Len(0, -1, ""), rows).spec);
  EXPECT_FALSE(Compute(CalcId::kIBeam, Settings(0), Len(0, 45, ""), rows).spec);
  EXPECT_FALSE(Compute(CalcId::kHotAngle, Settings(0), Len(0, 0, ""), rows).spec);
}

TEST(WeightCalculators, UserDefinedRowsFollowTheBuiltInSizes) {
  CustomRowSet rows;
  rows[0].push_back(CustomRow{0, "角钢(热轧)", "∠30×30×2", "", "12.5"});
  rows[3] = {CustomRow{3, "方管", "A", "", "12.5kg"}, CustomRow{3, "方管", "B", "", "abc"},
             CustomRow{3, "方管", "C", "", " 3"}};
  rows[4].push_back(CustomRow{4, "钢管", "P", "", "1"});
  rows[5].push_back(CustomRow{5, "六角钢", "H", "", "2"});
  struct RowCase {
    CalcId id;
    int index;
    const char* unitWeight;
  };
  const RowCase cases[] = {
      {CalcId::kHotAngle, 147, "12.500"}, {CalcId::kSquareTube, 293, "12.500"}, {CalcId::kSquareTube, 294, "0.000"},
      {CalcId::kSquareTube, 295, "3.000"}, {CalcId::kSquareTube, 296, "0.000"}, {CalcId::kWeldedPipe, 28, "1.000"},
      {CalcId::kHexBar, 39, "2.000"},      {CalcId::kOctBar, 12, "0.000"},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(*Compute(c.id, Settings(0), Len(0, c.index, ""), rows).unitWeight, c.unitWeight)
        << GetCalcInfo(c.id).cliName << " " << c.index;
  }
  EXPECT_EQ(SizeItems(CalcId::kSquareTube, 0, rows).size(), 296u);
  EXPECT_EQ(SizeItems(CalcId::kSquareTube, 0, rows)[293].name, "A");
  EXPECT_EQ(SizeItems(CalcId::kWeldedPipe, 0, rows)[28].name, "P");
  EXPECT_EQ(SizeItems(CalcId::kWeldedPipe, 0, rows)[27].name, "6'×5.50");
  // Two-level lists never show user-defined rows.
  for (CalcId id : {CalcId::kColdAngle, CalcId::kColdChannel, CalcId::kColdZ, CalcId::kHTSection}) {
    const auto types = TypeNames(id);
    for (int t = 0; t < static_cast<int>(types.size()); ++t) {
      for (const auto& item : SizeItems(id, t, rows)) EXPECT_NE(item.name, "∠30×30×2");
    }
  }
}

TEST(WeightCalculators, ListsOfTwoLevelCalculators) {
  const CustomRowSet none;
  EXPECT_EQ(TypeNames(CalcId::kFastener).size(), 71u);
  EXPECT_EQ(TypeNames(CalcId::kWireRope).size(), 61u);
  EXPECT_EQ(TypeNames(CalcId::kColdChannel).size(), 4u);
  EXPECT_TRUE(TypeNames(CalcId::kHotAngle).empty());
  EXPECT_EQ(SizeItems(CalcId::kColdChannel, 3, none).size(), 26u);
  EXPECT_EQ(SizeItems(CalcId::kColdChannel, 3, none)[0].name, "[30×30×16×2.5");
  EXPECT_TRUE(SizeItems(CalcId::kColdChannel, 4, none).empty());
  EXPECT_TRUE(SizeItems(CalcId::kColdChannel, -1, none).empty());
  EXPECT_EQ(SizeItems(CalcId::kFastener, 0, none).front().name, "M5");
  EXPECT_EQ(SizeItems(CalcId::kFastener, 0, none).back().name, "M64");
  EXPECT_DOUBLE_EQ(SizeItems(CalcId::kFastener, 70, none)[5].perMm, 0.00001998);
  EXPECT_EQ(SizeItems(CalcId::kHTSection, 0, none)[0].name, "100×100");
  EXPECT_EQ(SizeItems(CalcId::kPlateMesh, 0, none)[0].name, "δ2.5");
  EXPECT_EQ(SizeItems(CalcId::kWireRope, 0, none)[0].name, "φ0.6");
}

TEST(WeightCalculators, InfoTableIsInRecomputeOrder) {
  const char* names[] = {"plate1",   "plate2",      "hot-angle",  "round-pipe", "hot-channel", "i-beam",
                         "square-tube", "welded-pipe", "fastener", "ht-section", "plate-mesh",  "wire-rope",
                         "hex-bar",  "oct-bar",     "rebar",      "cold-angle", "cold-channel", "cold-z"};
  ASSERT_EQ(AllCalcs().size(), 18u);
  for (int i = 0; i < kCalcCount; ++i) {
    EXPECT_EQ(static_cast<int>(AllCalcs()[static_cast<size_t>(i)].id), i);
    EXPECT_STREQ(AllCalcs()[static_cast<size_t>(i)].cliName, names[i]);
  }
}

}  // namespace
}  // namespace zelvik
