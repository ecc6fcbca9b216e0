// SPDX-License-Identifier: GPL-3.0-or-later
// The secret-store port: a password kept by the desktop's secret service for a server and a user name.
#pragma once

#include "base/Result.h"

#include <optional>
#include <string>

namespace rekko {

class SecretStore {
public:
    virtual ~SecretStore() = default;

    // Answers the password kept for the server and user, nothing when none is kept; fails when no secret service
    // answers.
    virtual Result<std::optional<std::string>> lookup(const std::string& server, const std::string& user) = 0;
    // Keeps the password for the server and user in place of any kept before; fails when no secret service answers.
    virtual Status store(const std::string& server, const std::string& user, const std::string& password) = 0;
    // Forgets the password of the server and user; a password never kept is no failure.
    virtual Status clear(const std::string& server, const std::string& user) = 0;
};

// The desktop's secret service (the freedesktop Secret Service API over D-Bus, through libsecret), items of the
// schema "org.rekko.Sync" with the attributes server and user.
class LibsecretStore : public SecretStore {
public:
    Result<std::optional<std::string>> lookup(const std::string& server, const std::string& user) override;
    Status store(const std::string& server, const std::string& user, const std::string& password) override;
    Status clear(const std::string& server, const std::string& user) override;
};

// Keeps nothing and fails every request: for programs without a secret service (tests).
class NoSecretStore : public SecretStore {
public:
    Result<std::optional<std::string>> lookup(const std::string&, const std::string&) override { return missing(); }
    Status store(const std::string&, const std::string&, const std::string&) override { return missing(); }
    Status clear(const std::string&, const std::string&) override { return missing(); }

private:
    static Failure missing() { return Failure{"no secret service"}; }
};

} // namespace rekko
