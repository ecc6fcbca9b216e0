// SPDX-License-Identifier: GPL-3.0-or-later
// The libsecret store against a real gnome-keyring on a private session bus, and without any secret service.
#include "platform/SecretStore.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

std::optional<std::string> Kept(SecretStore& store, const std::string& server, const std::string& user) {
    const auto kept = store.lookup(server, user);
    EXPECT_TRUE(kept.ok()) << (kept.ok() ? "" : kept.error().cause);
    return kept.ok() ? kept.value() : std::nullopt;
}

TEST(SecretStore, KeepsOnePasswordPerServerAndUser) {
    LibsecretStore store;
    const std::string server = "https://cal.example/dav/";
    EXPECT_EQ(Kept(store, server, "hanako"), std::nullopt);
    ASSERT_TRUE(store.store(server, "hanako", "最初の pass"));
    ASSERT_TRUE(store.store(server, "taro", "taro's"));
    ASSERT_TRUE(store.store(server, "hanako", "second"));
    EXPECT_EQ(Kept(store, server, "hanako"), "second");
    EXPECT_EQ(Kept(store, server, "taro"), "taro's");
    EXPECT_EQ(Kept(store, "https://other.example/", "hanako"), std::nullopt);
    ASSERT_TRUE(store.clear(server, "hanako"));
    EXPECT_EQ(Kept(store, server, "hanako"), std::nullopt);
    EXPECT_EQ(Kept(store, server, "taro"), "taro's");
    EXPECT_TRUE(store.clear(server, "nobody"));
}

// Run with DBUS_SESSION_BUS_ADDRESS pointing nowhere.
TEST(SecretStoreWithoutService, FailsEveryRequest) {
    LibsecretStore store;
    EXPECT_FALSE(store.store("https://cal.example/", "hanako", "secret"));
    const auto kept = store.lookup("https://cal.example/", "hanako");
    ASSERT_FALSE(kept.ok());
    EXPECT_FALSE(kept.error().cause.empty());
}

} // namespace
} // namespace rekko
