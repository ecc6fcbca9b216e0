// SPDX-License-Identifier: GPL-3.0-or-later
// Errors as values: a failure with its cause and place, and a result holding either a value or a failure.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace rekko {

struct Failure {
    std::string cause{};   // what went wrong, for the user to read
    std::string path{};    // the file concerned, when there is one
    size_t line = 0;       // 1-based line in that file, 0 when not about a line
    bool reported = false; // its own message has been shown already, so no other box repeats it
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_value(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_value); }
    explicit operator bool() const { return ok(); }

    const T& value() const& {
        assert(ok());
        return std::get<T>(m_value);
    }
    T& value() & {
        assert(ok());
        return std::get<T>(m_value);
    }
    T&& value() && {
        assert(ok());
        return std::get<T>(std::move(m_value));
    }
    const Failure& error() const {
        assert(!ok());
        return std::get<Failure>(m_value);
    }

private:
    std::variant<T, Failure> m_value;
};

// A result without a value: success, or a failure.
using Status = Result<std::monostate>;

inline Status Success() {
    return std::monostate{};
}

} // namespace rekko
