// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "window/start_hidden.h"

namespace zelvik {
namespace {

TEST(StartHidden, FirstTwoPaintsWithATrayJustAfterBoot) {
  struct Case {
    const char* name;
    bool minirun;
    std::uint32_t uptime;
    bool tray;
    bool hides;
  };
  const Case cases[] = {
      {"2 minutes after boot", true, 120000, true, true},
      {"just under 6 minutes", true, 359999, true, true},
      {"6 minutes", true, 360000, true, false},
      {"10 minutes", true, 600000, true, false},
      {"minirun off", false, 1000, true, false},
      {"no tray to hide in", true, 120000, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartHidden rule(c.minirun);
    EXPECT_EQ(rule.OnPaint(c.uptime, c.tray), c.hides);
    EXPECT_EQ(rule.OnPaint(c.uptime, c.tray), c.hides);
    EXPECT_FALSE(rule.OnPaint(c.uptime, c.tray)) << "a third paint counts no more";
  }
}

TEST(StartHidden, ATrayThatComesWithinTenSeconds) {
  struct Case {
    const char* name;
    std::uint32_t uptime;
    std::int64_t since;
    bool hides;
  };
  const Case cases[] = {
      {"at once", 120000, 0, true},
      {"at 10 s", 120000, 10000, true},
      {"after 10 s", 120000, 10001, false},
      {"booted 6 minutes ago", 360000, 3000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartHidden rule(true);
    EXPECT_TRUE(rule.WaitingForTray(c.since) == (c.since <= StartHidden::kLateTrayMs));
    EXPECT_EQ(rule.OnTrayShown(c.uptime, c.since), c.hides);
    EXPECT_FALSE(rule.OnTrayShown(c.uptime, c.since)) << "a tray that comes back does not hide it again";
  }
  EXPECT_FALSE(StartHidden(false).OnTrayShown(1000, 0));
  EXPECT_FALSE(StartHidden(false).WaitingForTray(0));
}

}  // namespace
}  // namespace zelvik
