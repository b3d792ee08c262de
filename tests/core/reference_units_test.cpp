// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "reference/unit_table.h"

namespace zelvik {
namespace {

// Quantity and unit indices by their list texts, so the cases read like the window.
struct Pick {
  int q, from, to;
};

Pick Find(std::string_view quantity, std::string_view from, std::string_view to) {
  const auto table = UnitTable();
  for (size_t q = 0; q < table.size(); ++q) {
    if (table[q].name != quantity) continue;
    int i = -1, j = -1;
    for (size_t u = 0; u < table[q].units.size(); ++u) {
      if (table[q].units[u] == from) i = static_cast<int>(u);
      if (table[q].units[u] == to) j = static_cast<int>(u);
    }
    if (i >= 0 && j >= 0) return {static_cast<int>(q), i, j};
  }
  ADD_FAILURE() << "no " << quantity << " " << from << " " << to;
  return {0, 0, 0};
}

TEST(UnitTable, CountsFirstLastAndLabelsBetween) {
  const auto table = UnitTable();
  ASSERT_EQ(table.size(), 23u);
  size_t factors = 0;
  for (const UnitQuantity& q : table) {
    EXPECT_EQ(q.factors.size(), q.units.size() * q.units.size()) << q.name;
    factors += q.factors.size();
  }
  EXPECT_EQ(factors, 1035u);
  EXPECT_EQ(table[0].name, "长度");
  EXPECT_EQ(table[0].units.front(), "米 (m)");
  EXPECT_EQ(table[0].units.back(), "费密 (无)");
  EXPECT_EQ(table[3].units[3], "[角]秒 (\")");
  EXPECT_EQ(table[10].units[2], "千克每升(kg/L)");
  EXPECT_EQ(table[20].units[1], "泊 (P，Po)");
  EXPECT_EQ(table[22].name, "电脑容量");
  EXPECT_EQ(table[22].units.back(), "YB");
}

TEST(UnitTable, FactorsAreExactQuotients) {
  for (size_t q = 0; q < UnitTable().size(); ++q) {
    const int n = static_cast<int>(UnitTable()[q].units.size());
    for (int i = 0; i < n; ++i) EXPECT_EQ(UnitFactor(static_cast<int>(q), i, i), 1.0) << q << " " << i;
  }
  struct Case {
    const char *quantity, *from, *to;
    double factor;
  };
  const Case cases[] = {
      {"长度", "码 (yd)", "英尺 (ft)", 3},
      {"长度", "英尺 (ft)", "英寸 (in)", 12},
      {"长度", "米 (m)", "丝(道) (dmm)", 100000},
      {"平面角", "度 (°)", "[角]分 (′)", 60},  // π cancels
      {"平面角", "[角]分 (′)", "[角]秒 (\")", 60},
      {"平面角", "度 (°)", "弧度 (rad)", M_PI / 180},
      {"能量，功，热", "千瓦小时 (kW.h)", "焦[耳] (J)", 3600000},
      {"电脑容量", "KB", "Byte", 1024},
      {"电脑容量", "YB", "bit", 8 * std::pow(1024.0, 8)},
      {"面积", "平方米 (m^2)", "平方英尺 (ft^2)", 10.763910416709722},  // into ft²: 0.09290304
      {"面积", "平方英寸 (in^2)", "平方英尺 (ft^2)", 1.0 / 144},
      {"面积", "平方英尺 (ft^2)", "平方米 (m^2)", 0.092903},  // out of ft²: as listed
  };
  for (const Case& c : cases) {
    const Pick p = Find(c.quantity, c.from, c.to);
    EXPECT_EQ(UnitFactor(p.q, p.from, p.to), c.factor) << c.from << " → " << c.to;
  }
}

TEST(ConvertUnits, ResultFieldTexts) {
  struct Case {
    const char *quantity, *from, *to, *value, *result;
  };
  const Case cases[] = {
      {"长度", "米 (m)", "米 (m)", "1", "1"},
      {"长度", "英寸 (in)", "厘米 (cm)", "1", "2.54"},
      {"长度", "米 (m)", "丝(道) (dmm)", "1", "100000"},
      {"长度", "码 (yd)", "英尺 (ft)", "1", "3"},
      {"长度", "费密 (无)", "米 (m)", "1", "0.000000000000001"},
      {"质量", "克 (g)", "千克 (kg)", "1", "0.001"},
      {"质量", "原子质量单位 (u)", "千克 (kg)", "1", "0"},
      {"质量", "原子质量单位 (u)", "千克 (kg)", "-1", "-0"},
      {"质量", "格令 (gr,gn)", "盎司 (oz)", "1", "0.0022857161501967"},
      {"体积", "英加仑 (UKgal)", "立方分米(升) (dm^3/L/l)", "1", "4.5460900000000004"},
      {"速度", "节 (kn)", "米每秒 (m/s)", "1", "0.514444"},
      {"面积", "平方米 (m^2)", "平方英尺 (ft^2)", "1", "10.7639104167097219"},
      // The value field: atof of its first 44 characters.
      {"长度", "米 (m)", "米 (m)", "", "0"},
      {"长度", "米 (m)", "米 (m)", "abc", "0"},
      {"长度", "米 (m)", "米 (m)", "12abc", "12"},
      {"长度", "米 (m)", "米 (m)", "-2.5", "-2.5"},
      {"长度", "米 (m)", "米 (m)", "1e3", "1000"},
      {"长度", "米 (m)", "米 (m)", "  7.25", "7.25"},
      {"长度", "米 (m)", "米 (m)", "1+2", "1"},
  };
  for (const Case& c : cases) {
    const Pick p = Find(c.quantity, c.from, c.to);
    EXPECT_EQ(ConvertUnits(p.q, p.from, p.to, c.value), c.result) << c.from << " → " << c.to << " " << c.value;
  }
  EXPECT_EQ(ConvertUnits(0, 0, 0, std::string(44, '0') + "5"), "0");  // the 45th character is cut off
  EXPECT_EQ(ConvertUnits(0, 0, 0, std::string(43, ' ') + "9"), "9");
  EXPECT_EQ(ConvertUnits(0, 0, 6, "1e308"), "inf");  // m → nm overflows
  EXPECT_EQ(ConvertUnits(0, 0, 0, "0.1"), "0.1");
}

TEST(ConvertUnits, TrimsOnlyAfterThePoint) {
  EXPECT_EQ(FormatConversion(100), "100");
  EXPECT_EQ(FormatConversion(2.5), "2.5");
  EXPECT_EQ(FormatConversion(-0.0), "-0");
  EXPECT_EQ(FormatConversion(1.0 / 3), "0.3333333333333333");
  EXPECT_EQ(FormatConversion(INFINITY), "inf");
}

}  // namespace
}  // namespace zelvik
