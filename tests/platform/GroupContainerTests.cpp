#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/GroupContainer.h"

namespace {

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char *name, const char *value) : name_(name) {
    if (const char *old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char *name_;
  std::optional<std::string> old_;
};

}  // namespace

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
