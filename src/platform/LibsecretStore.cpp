// SPDX-License-Identifier: GPL-3.0-or-later
// The secret store over libsecret.
#include "SecretStore.h"

#include <libsecret/secret.h>

namespace rekko {

namespace {

const SecretSchema* Schema() {
    static const SecretSchema schema = {
        "org.rekko.Sync",
        SECRET_SCHEMA_NONE,
        {{"server", SECRET_SCHEMA_ATTRIBUTE_STRING}, {"user", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, {}}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &schema;
}

// Takes a GLib error into a failure and frees it.
Failure Taken(GError* error) {
    Failure failure{error ? error->message : "the secret service did not answer"};
    if (error)
        g_error_free(error);
    return failure;
}

} // namespace

Result<std::optional<std::string>> LibsecretStore::lookup(const std::string& server, const std::string& user) {
    GError* error = nullptr;
    gchar* password =
        secret_password_lookup_sync(Schema(), nullptr, &error, "server", server.c_str(), "user", user.c_str(), nullptr);
    if (error)
        return Taken(error);
    if (!password)
        return std::optional<std::string>();
    std::string kept(password);
    secret_password_free(password);
    return std::optional<std::string>(std::move(kept));
}

Status LibsecretStore::store(const std::string& server, const std::string& user, const std::string& password) {
    GError* error = nullptr;
    const std::string label = "Rekko " + user + " @ " + server;
    if (!secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr,
                                    &error, "server", server.c_str(), "user", user.c_str(), nullptr))
        return Taken(error);
    return Success();
}

Status LibsecretStore::clear(const std::string& server, const std::string& user) {
    GError* error = nullptr;
    secret_password_clear_sync(Schema(), nullptr, &error, "server", server.c_str(), "user", user.c_str(), nullptr);
    if (error)
        return Taken(error);
    return Success();
}

} // namespace rekko
