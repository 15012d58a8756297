// Where the settings file goes when no --registry is given.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/registry/registry_store.h"
#include "platform/scoped_environment.h"

namespace {

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
