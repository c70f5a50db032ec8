#include <gtest/gtest.h>

#include "ScopedEnv.h"
#include "platform/GroupContainer.h"

using testsupport::ScopedEnv;

TEST(GroupContainer, FollowsXdgDataHomeAndFallsBackToHome) {
  {
    ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(GroupContainer::url("G.com.x").value(), "/srv/data/G.com.x");
  }
  ScopedEnv home("HOME", "/home/ann");
  for (const char *ignored : {static_cast<const char *>(nullptr), "", "relative/dir"}) {
    ScopedEnv data("XDG_DATA_HOME", ignored);
    EXPECT_EQ(GroupContainer::url("G.com.x").value(), "/home/ann/.local/share/G.com.x");
  }
}

TEST(GroupContainer, UnresolvableWithoutHomeOrWithAPathLikeGroupId) {
  ScopedEnv data("XDG_DATA_HOME", nullptr);
  {
    ScopedEnv home("HOME", nullptr);
    EXPECT_FALSE(GroupContainer::url("G.com.x").has_value());
  }
  ScopedEnv home("HOME", "/home/ann");
  for (const char *bad : {"", ".", "..", "a/b", "../etc"}) {
    EXPECT_FALSE(GroupContainer::url(bad).has_value()) << bad;
  }
}
