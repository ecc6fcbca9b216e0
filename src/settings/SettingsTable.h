// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file's keys, each declared once with its section, type and range, its default taken from the values'
// own initialiser; the values as last read or written; one explicit write order; those told of a change.
#pragma once

#include "ValueText.h"

#include "base/ProfileFile.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rekko {

// The main section of "Sorel.ini".
inline constexpr const char* kSetteiSection = "Settei";

// What a key holds when the file has no usable value for it.
enum class Fallback {
    Default,     // the value of a default-constructed Values
    KeepCurrent, // what the values hold already (window positions, the state of a control)
};

inline constexpr int kAnyLow = std::numeric_limits<int>::min();
inline constexpr int kAnyHigh = std::numeric_limits<int>::max();

template <class Values> class SettingsTable {
public:
    // Whether a key is read or written for the values as they stand when its turn comes in the table's order.
    using Gate = bool (*)(const Values&);
    using TextCheck = bool (*)(std::string_view);

    // A key as declared: how its text becomes a value and back. read answers false when the text (or its absence)
    // gave no value of the key, which the fallback then decides.
    struct Key {
        std::string section;
        std::string name;
        Fallback fallback = Fallback::Default;
        Gate readGate = nullptr;                     // read only when it answers true
        Gate writeGate = nullptr;                    // read and written only when it answers true
        Status (*check)(std::string_view) = nullptr; // a text it refuses makes the whole read fail
        std::function<bool(const std::optional<std::string>&, Values&)> read;
        std::function<std::string(const Values&)> text;
        std::function<void(const Values& from, Values& to)> reset; // copies the key's value
    };

    // Declarations. A member of a base of Values may be named (a feature's own settings struct).
    template <class Owner> Key& flag(std::string section, std::string name, bool Owner::*member) {
        return declare<bool>(
            std::move(section), std::move(name), [member](auto& v) -> auto& { return v.*member; },
            [](const std::optional<std::string>& text, bool& value) {
                const auto number = text ? ParseInteger(*text) : std::nullopt;
                if (number)
                    value = *number != 0;
                return number.has_value();
            },
            [](bool value) { return std::string(value ? "1" : "0"); });
    }
    template <class Field> Key& number(std::string section, std::string name, Field field, int low, int high) {
        return declare<int>(
            std::move(section), std::move(name), accessor(field),
            [low, high](const std::optional<std::string>& text, int& value) {
                const auto number = text ? ParseInteger(*text) : std::nullopt;
                if (!number || *number < low || *number > high)
                    return false;
                value = *number;
                return true;
            },
            [](int value) { return std::to_string(value); });
    }
    template <class Field> Key& text(std::string section, std::string name, Field field, TextCheck check = nullptr) {
        return declare<std::string>(
            std::move(section), std::move(name), accessor(field),
            [check](const std::optional<std::string>& text, std::string& value) {
                if (!text || (check && !check(*text)))
                    return false;
                value = *text;
                return true;
            },
            [](const std::string& value) { return value; });
    }
    // A folder text: one that check refuses makes the whole read fail, naming the key, and takes the default.
    template <class Owner>
    Key& folder(std::string section, std::string name, std::string Owner::*member, Status (*check)(std::string_view)) {
        Key& key = declare<std::string>(
            std::move(section), std::move(name), [member](auto& v) -> auto& { return v.*member; },
            [check](const std::optional<std::string>& text, std::string& value) {
                value = text.value_or("");
                return check(value).ok();
            },
            [](const std::string& value) { return value; });
        key.check = check;
        return key;
    }
    // A time of day "h:nn:ss"; a missing or unreadable one keeps the date-and-time the values hold.
    template <class Owner> Key& time(std::string section, std::string name, LocalDateTime Owner::*member) {
        Key& key = declare<LocalDateTime>(
            std::move(section), std::move(name), [member](auto& v) -> auto& { return v.*member; },
            [](const std::optional<std::string>& text, LocalDateTime& value) {
                const auto time = text ? ParseTimeOfDay(*text) : std::nullopt;
                if (time)
                    value = *time;
                return time.has_value();
            },
            [](LocalDateTime value) { return FormatLongTime(value); });
        key.fallback = Fallback::KeepCurrent;
        return key;
    }

    const std::vector<Key>& keys() const { return m_keys; }

    // The keys of a section in the order they are written; keys written in no order come after, as declared.
    // Sections of a new file come in the order their orders were given.
    void setWriteOrder(const std::string& section, std::vector<std::string> names) {
        m_order.emplace_back(section, std::move(names));
    }
    // The names of an order that no key has, and of the keys of a section that no order names.
    std::vector<std::string> orderMismatches() const {
        std::vector<std::string> wrong;
        for (const auto& [section, names] : m_order) {
            for (const std::string& name : names)
                if (!find(section, name))
                    wrong.push_back(section + "/" + name);
        }
        for (const Key& key : m_keys) {
            const auto order = std::find_if(m_order.begin(), m_order.end(),
                                            [&](const auto& entry) { return entry.first == key.section; });
            if (order == m_order.end() || std::count(order->second.begin(), order->second.end(), key.name) != 1)
                wrong.push_back(key.section + "/" + key.name);
        }
        return wrong;
    }

    const Values& values() const { return m_values; }
    // The values for changes no one needs to hear of (the window's state collected before a write).
    Values& edit() { return m_values; }

    // Sets a value and tells those watching it when it changed.
    template <class Field, class T> void set(Field field, T value) {
        auto& target = accessor(field)(m_values);
        if (target == value)
            return;
        target = std::move(value);
        tell(&target);
    }
    // Calls back after each change of a value set, and at tellAll. Answers the watch's number.
    template <class Field> int watch(Field field, std::function<void()> callback) {
        m_watches.push_back({++m_lastWatch, &accessor(field)(m_values), std::move(callback)});
        return m_lastWatch;
    }
    void unwatch(int id) {
        std::erase_if(m_watches, [id](const Watch& w) { return w.id == id; });
    }

    // Reads every key from the file in the write order; include leaves keys out of this read. A key without a
    // usable value takes its fallback. Each key read is held as last read. Fails, naming the key, when a key whose
    // unusable text fails the read has one; the other keys are read all the same.
    Status read(const ProfileFile& file, const std::function<bool(const Key&)>& include = {}) {
        const Values defaults{};
        Status status = Success();
        for (const Key* key : ordered()) {
            if ((key->readGate && !key->readGate(m_values)) || (key->writeGate && !key->writeGate(m_values)) ||
                (include && !include(*key)))
                continue;
            const auto text = file.readString(key->section, key->name);
            if (!key->read(text, m_values)) {
                if (const Status checked = key->check ? key->check(key->text(m_values)) : Success();
                    !checked && status.ok())
                    status = Failure{.cause = key->name + ": " + checked.error().cause};
                if (key->fallback == Fallback::Default)
                    key->reset(defaults, m_values);
            }
            m_stored[id(*key)] = key->text(m_values);
        }
        return status;
    }

    // Tells every watch, as after the values were read.
    void tellAll() {
        for (const Watch& watch : std::vector<Watch>(m_watches))
            watch.callback();
    }

    // Before a write: takes from the file (the disk as it is now) the value of each key that was not changed here
    // since it was last read or written and that the file holds another usable value for, so that a change someone
    // else made to it is kept; a key changed here keeps ours. Tells every watch when a value was taken. Answers the
    // names of the keys taken.
    std::vector<std::string> takeChangesFrom(const ProfileFile& file) {
        std::vector<std::string> taken;
        Values theirs = m_values; // each key reads only its own field into it
        for (const Key* key : ordered()) {
            const auto stored = m_stored.find(id(*key));
            if (stored == m_stored.end() || key->text(m_values) != stored->second ||
                (key->readGate && !key->readGate(m_values)) || (key->writeGate && !key->writeGate(m_values)))
                continue;
            const auto text = file.readString(key->section, key->name);
            if (!text || !key->read(text, theirs) || key->text(theirs) == stored->second)
                continue;
            key->reset(theirs, m_values);
            taken.push_back(key->name);
        }
        if (!taken.empty())
            tellAll();
        return taken;
    }

    // Writes every key into the file in the write order, leaving other sections and keys as they are, and holds
    // the values as last written once all were. Fails on a text that code page 932 cannot hold.
    Status write(ProfileFile& file) {
        std::vector<std::pair<std::string, std::string>> written;
        for (const Key* key : ordered()) {
            if (key->writeGate && !key->writeGate(m_values))
                continue;
            std::string text = key->text(m_values);
            if (Status put = file.writeString(key->section, key->name, text); !put)
                return put;
            written.emplace_back(id(*key), std::move(text));
        }
        for (auto& [name, text] : written)
            m_stored[name] = std::move(text);
        return Success();
    }

    // The text of a key as last read or written, if it was.
    std::optional<std::string> storedText(const std::string& section, const std::string& name) const {
        const auto found = m_stored.find(section + "/" + name);
        return found == m_stored.end() ? std::nullopt : std::optional(found->second);
    }
    // The text a key's value would be written as.
    std::string currentText(const std::string& section, const std::string& name) const {
        const Key* key = find(section, name);
        return key ? key->text(m_values) : std::string();
    }

private:
    struct Watch {
        int id;
        const void* address;
        std::function<void()> callback;
    };

    // A member pointer or a function returning the field of the values.
    template <class Field> static auto accessor(Field field) {
        if constexpr (std::is_member_object_pointer_v<Field>)
            return [field](auto& v) -> auto& {
                return v.*field;
            };
        else
            return field;
    }

    template <class T, class Access, class Parse, class Format>
    Key& declare(std::string section, std::string name, Access access, Parse parse, Format format) {
        Key key;
        key.section = std::move(section);
        key.name = std::move(name);
        key.read = [access, parse](const std::optional<std::string>& text, Values& values) {
            return parse(text, static_cast<T&>(access(values)));
        };
        key.text = [access, format](const Values& values) { return format(access(const_cast<Values&>(values))); };
        key.reset = [access](const Values& from, Values& to) { access(to) = access(const_cast<Values&>(from)); };
        m_keys.push_back(std::move(key));
        return m_keys.back();
    }

    const Key* find(const std::string& section, const std::string& name) const {
        for (const Key& key : m_keys)
            if (key.section == section && key.name == name)
                return &key;
        return nullptr;
    }

    std::vector<const Key*> ordered() const {
        std::vector<const Key*> keys;
        for (const auto& [section, names] : m_order)
            for (const std::string& name : names)
                if (const Key* key = find(section, name))
                    keys.push_back(key);
        for (const Key& key : m_keys)
            if (std::find(keys.begin(), keys.end(), &key) == keys.end())
                keys.push_back(&key);
        return keys;
    }

    static std::string id(const Key& key) { return key.section + "/" + key.name; }

    void tell(const void* address) {
        for (const Watch& watch : std::vector<Watch>(m_watches))
            if (watch.address == address)
                watch.callback();
    }

    Values m_values{};
    std::vector<Key> m_keys;
    std::vector<std::pair<std::string, std::vector<std::string>>> m_order;
    std::map<std::string, std::string> m_stored;
    std::vector<Watch> m_watches;
    int m_lastWatch = 0;
};

} // namespace rekko
