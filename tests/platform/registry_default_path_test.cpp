// Where the settings file goes when no --registry is given.

#include <gtest/gtest.h>

#include "platform/registry/registry_store.h"
#include "platform/scoped_environment.h"

namespace {

TEST(DefaultSettingsPath, FollowsAnAbsoluteXdgConfigHomeElseTheHomeConfigFolder) {
    ScopedEnvironment home("HOME", "/home/player");
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/talonix-config", "/tmp/talonix-config/talonix/settings.reg"},
        {nullptr, "/home/player/.config/talonix/settings.reg"},
        {"", "/home/player/.config/talonix/settings.reg"},
        {"relative/dir", "/home/player/.config/talonix/settings.reg"},
    };
    for (const auto& [config, expected] : cases) {
        ScopedEnvironment setting("XDG_CONFIG_HOME", config);
        EXPECT_EQ(platform::defaultSettingsPath(), expected) << (config ? config : "(unset)");
    }
}

} // namespace
