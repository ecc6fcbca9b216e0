// SPDX-License-Identifier: GPL-3.0-or-later
// The comma-text rule and the comma escaping of user text.
#include "CommaText.h"

#include "TextProcedures.h"

namespace rekko {

namespace {

constexpr std::string_view kFullWidthComma = "，";

bool isSeparatorBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view line) {
    // The text ends at the first NUL, as a C string would.
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> fields;
    size_t p = 0;
    const size_t n = line.size();
    auto skipBlanks = [&] {
        while (p < n && isSeparatorBlank(line[p]))
            ++p;
    };
    skipBlanks();
    while (p < n) {
        std::string field;
        if (line[p] == '"') {
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            const size_t start = p;
            while (p < n && !isSeparatorBlank(line[p]) && line[p] != ',')
                ++p;
            field.assign(line.substr(start, p - start));
        }
        fields.push_back(std::move(field));
        skipBlanks();
        if (p < n && line[p] == ',') {
            ++p;
            skipBlanks();
        }
    }
    return fields;
}

std::string JoinCommaText(const std::vector<std::string>& fields) {
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        const std::string& field = fields[i];
        bool quote = field.empty();
        for (char c : field)
            if (isSeparatorBlank(c) || c == ',' || c == '"')
                quote = true;
        if (quote)
            text += '"' + ReplaceAll(field, "\"", "\"\"") + '"';
        else
            text += field;
    }
    return text;
}

std::string EscapeCommas(std::string_view text) {
    return ReplaceAll(text, ",", kFullWidthComma);
}

std::string UnescapeDigitComma(std::string_view text) {
    std::string result(text);
    const size_t pos = result.find(kFullWidthComma);
    if (pos == std::string::npos || pos == 0)
        return result;
    const size_t after = pos + kFullWidthComma.size();
    if (after < result.size() && isDigit(result[pos - 1]) && isDigit(result[after]))
        result.replace(pos, kFullWidthComma.size(), ",");
    return result;
}

} // namespace rekko
