// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "config/config_path.h"
#include "config/settings_store.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using testing_files::ReadBytes;
using testing_files::TempDir;


// The store as the program builds it: the path comes from the path rule, pointed at a
// private folder through the environment.
class SettingsStoreTest : public testing::Test {
 protected:
  void SetUp() override { setenv(kConfigDirEnv, dir_.path().c_str(), 1); }
  void TearDown() override { unsetenv(kConfigDirEnv); }

  fs::path Path() const { return ConfigFilePath("/nonexistent-exe-dir"); }
  void Seed(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }

  TempDir dir_;
};

struct Scenario {
  const char* name;
  std::optional<std::string> before;  // nullopt: no file
  std::function<void(SettingsStore&)> actions;
  std::optional<std::string> after;
};

void PrintTo(const Scenario& c, std::ostream* os) { *os << c.name; }

class SettingsScenarioTest : public SettingsStoreTest,
                             public testing::WithParamInterface<Scenario> {};

TEST_P(SettingsScenarioTest, KeepsTheFileMinimal) {
  const Scenario& s = GetParam();
  ASSERT_EQ(Path(), dir_.path() / "ConfigMW.ini");
  if (s.before) Seed(*s.before);
  SettingsStore store{IniFile(Path())};
  store.LoadAll();
  s.actions(store);
  EXPECT_EQ(ReadBytes(Path()), s.after);
  if (std::optional<std::string> bytes = ReadBytes(Path())) {
    EXPECT_EQ(bytes->find("danwei=0"), std::string::npos);
  }
}

const std::string kTask = "[任务01]\nrenwuxiang01=1\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsScenarioTest,
    testing::Values(
        Scenario{"FirstStartCreatesNothing", std::nullopt, [](SettingsStore&) {}, std::nullopt},
        Scenario{"SelectKgM", std::nullopt, [](SettingsStore& s) { s.StoreUnitSystem(1); },
                 "[Setting]\ndanwei=1\n"},
        Scenario{"BackToKgMmRemovesKeySectionFile", std::nullopt,
                 [](SettingsStore& s) {
                   s.StoreUnitSystem(1);
                   s.StoreUnitSystem(0);
                 },
                 std::nullopt},
        Scenario{"KgMmOnEmptyFolderCreatesNothing", std::nullopt,
                 [](SettingsStore& s) { s.StoreUnitSystem(0); }, std::nullopt},
        Scenario{"KgMmKeepsSectionWithHidetubiao", "[Setting]\ndanwei=2\nhidetubiao=1\n",
                 [](SettingsStore& s) { s.StoreUnitSystem(0); }, "[Setting]\nhidetubiao=1\n"},
        Scenario{"LastSettingKeyKeepsTaskSection", "[Setting]\nhidetubiao=1\n" + kTask,
                 [](SettingsStore& s) { s.StoreSetting(SettingKey::kHideTrayIcon, 0); }, kTask},
        Scenario{"ChecksBoxesOnAndOff", std::nullopt,
                 [](SettingsStore& s) {
                   s.StoreSetting(SettingKey::kAutorun, 1);
                   s.StoreSetting(SettingKey::kMinirun, 1);
                   s.StoreSetting(SettingKey::kAutorun, 0);
                 },
                 "[Setting]\nminirun=1\n"},
        Scenario{"ZeroByteFileDeleted", "",
                 [](SettingsStore& s) { s.StoreSetting(SettingKey::kAutorun, 0); }, std::nullopt},
        Scenario{"WritesDecimalText", std::nullopt,
                 [](SettingsStore& s) { s.StoreSetting(SettingKey::kUnitSystem, 2); },
                 "[Setting]\ndanwei=2\n"},
        // The file decides, not the flags: a key another copy stored after this one loaded
        // survives although all four flags here are 0.
        Scenario{"AllFlagsZeroKeepsAnotherCopysKey", "[Setting]\ndanwei=1\n",
                 [](SettingsStore& s) {
                   IniFile(s.file().path()).WriteString("Setting", "hidetubiao", "1");
                   s.StoreUnitSystem(0);
                 },
                 "[Setting]\nhidetubiao=1\n"},
        Scenario{"AnotherCopyClearedItsKeyToo", "[Setting]\nautorun=1\n",
                 [](SettingsStore& s) {
                   IniFile(s.file().path()).DeleteKey("Setting", "autorun");
                   IniFile(s.file().path()).WriteString("Setting", "danwei", "2");
                   s.StoreUnitSystem(0);
                 },
                 std::nullopt},
        Scenario{"ZeroValuedKeysDoNotKeepTheSection", "[Setting]\nminirun=0\nautorun=1\n",
                 [](SettingsStore& s) { s.StoreSetting(SettingKey::kAutorun, 0); }, std::nullopt},
        Scenario{"OtherSectionsUntouched", "; mine\n[Setting]\r\ndanwei=1\r\n" + kTask,
                 [](SettingsStore& s) { s.StoreUnitSystem(2); },
                 "; mine\n[Setting]\r\ndanwei=2\r\n" + kTask}),
    [](const testing::TestParamInfo<Scenario>& info) { return info.param.name; });

TEST_F(SettingsStoreTest, LoadsStoredValues) {
  Seed("[Setting]\r\ndanwei=1\r\nautorun=1\r\nhidetubiao=x\r\n");
  SettingsStore store{IniFile(Path())};
  EXPECT_EQ(store.Read(SettingKey::kUnitSystem), 1);
  EXPECT_EQ(store.flags().unitSystem, 0);  // reading alone leaves the flags
  store.LoadAll();
  SettingFlags f = store.flags();
  EXPECT_EQ(f.unitSystem, 1);
  EXPECT_EQ(f.autorun, 1);
  EXPECT_EQ(f.minirun, 0);
  EXPECT_EQ(f.hideTrayIcon, 0);
  EXPECT_EQ(store.Load(SettingKey::kMinirun), 0);
}

TEST_F(SettingsStoreTest, UnitSystemIsTheWeightSettingsField) {
  Seed("[Setting]\ndanwei=2\n");
  WeightSettings weights;
  SettingsStore store{IniFile(Path()), &weights};
  store.Load(SettingKey::kUnitSystem);
  EXPECT_EQ(weights.unitSystem, 2);
  weights.unitSystem = 1;
  EXPECT_EQ(store.flags().unitSystem, 1);
  store.StoreUnitSystem(0);
  EXPECT_EQ(weights.unitSystem, 0);
  EXPECT_FALSE(fs::exists(Path()));
}

TEST_F(SettingsStoreTest, WriteFailureKeepsTheNewFlag) {
  fs::create_directory(Path());  // a folder in the file's place cannot be written
  SettingsStore store{IniFile(Path())};
  EXPECT_FALSE(store.StoreSetting(SettingKey::kAutorun, 1));
  EXPECT_EQ(store.flags().autorun, 1);
}

}  // namespace
}  // namespace zelvik
