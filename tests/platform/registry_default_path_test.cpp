// Where the settings file goes when no --registry is given.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/registry/registry_store.h"

namespace {

// Sets or clears an environment variable for the length of a test.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/talonix-config");
    ScopedEnvironment home("HOME", "/home/player");
    EXPECT_EQ(platform::defaultSettingsPath(), "/tmp/talonix-config/talonix/settings.reg");
}

TEST(DefaultSettingsPath, FallsBackToTheHomeConfigFolder) {
    ScopedEnvironment home("HOME", "/home/player");
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(platform::defaultSettingsPath(), "/home/player/.config/talonix/settings.reg");
    }
    {
        // An empty or relative value is to be ignored.
        ScopedEnvironment config("XDG_CONFIG_HOME", "");
        EXPECT_EQ(platform::defaultSettingsPath(), "/home/player/.config/talonix/settings.reg");
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/dir");
        EXPECT_EQ(platform::defaultSettingsPath(), "/home/player/.config/talonix/settings.reg");
    }
}

} // namespace
