// SPDX-License-Identifier: GPL-3.0-or-later
// Windows profile files kept as raw lines, read and edited key by key.
#include "ProfileFile.h"

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileEntry.h"
#include "TextFile.h"
#include "TextProcedures.h"

namespace rekko {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// The name of a "[name]" line. The last "]" closes it: in code page 932 a "]" byte can be the second byte of a
// character, so the first one may sit inside the name.
std::optional<std::string_view> sectionNameOf(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const size_t close = text.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    return TrimBlanks(text.substr(1, close - 1));
}

// A key line splits at its first "="; "=" (0x3D) is never the second byte of a code page 932 character.
struct KeyLine {
    std::string_view key;
    size_t valueStart = 0; // first byte of the value, blanks after "=" skipped
};

std::optional<KeyLine> keyLineOf(std::string_view text) {
    const std::string_view body = TrimBlanks(text);
    if (body.empty() || body.front() == ';' || body.front() == '[')
        return std::nullopt;
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    KeyLine line{TrimBlanks(text.substr(0, equals)), equals + 1};
    if (line.key.empty())
        return std::nullopt;
    while (line.valueStart < text.size() && isBlank(text[line.valueStart]))
        ++line.valueStart;
    return line;
}

std::string_view valueOf(std::string_view text, const KeyLine& line) {
    std::string_view value = TrimBlanks(text.substr(line.valueStart));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileFile ProfileFile::FromBytes(std::string_view bytes) {
    ProfileFile file;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            file.m_lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        const size_t endLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        file.m_lines.push_back(
            {std::string(bytes.substr(start, end - start)), std::string(bytes.substr(end, endLength))});
        start = end + endLength;
    }
    return file;
}

Result<ProfileFile> ProfileFile::Load(const std::filesystem::path& path) {
    if (!FileEntryExists(path))
        return ProfileFile{};
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return bytes.error();
    return FromBytes(bytes.value());
}

std::optional<ProfileFile::SectionRange> ProfileFile::findSection(std::string_view name) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const auto found = sectionNameOf(m_lines[i].text);
        if (!found || !sameName(*found, name))
            continue;
        SectionRange range{i, i + 1};
        while (range.end < m_lines.size() && !sectionNameOf(m_lines[range.end].text))
            ++range.end;
        return range;
    }
    return std::nullopt;
}

std::optional<size_t> ProfileFile::findKey(const SectionRange& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLineOf(m_lines[i].text);
        if (line && sameName(line->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::readString(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    const std::string& text = m_lines[*index].text;
    return DecodeCp932(valueOf(text, *keyLineOf(text)));
}

void ProfileFile::insertLine(size_t at, std::string text) {
    if (at > 0 && m_lines[at - 1].end.empty())
        m_lines[at - 1].end = "\r\n";
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), "\r\n"});
}

Status ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return Failure{.cause = "「" + std::string(key) + "」の値に改行は使えません。", .path = ""};
    auto encoded = EncodeCp932(value);
    if (!encoded)
        return encoded.error();
    const std::string& bytes = encoded.value();

    const auto range = findSection(section);
    if (!range) {
        insertLine(m_lines.size(), "[" + std::string(section) + "]");
        insertLine(m_lines.size(), std::string(key) + "=" + bytes);
        return Success();
    }
    if (const auto index = findKey(*range, key)) {
        std::string& text = m_lines[*index].text;
        const KeyLine line = *keyLineOf(text);
        // Compared as text: a value written with other codes of the same characters (NEC and IBM duplicates) keeps
        // its bytes.
        if (DecodeCp932(valueOf(text, line)) != value)
            text = text.substr(0, line.valueStart) + bytes;
        return Success();
    }
    size_t after = range->end;
    while (after > range->header + 1 && TrimBlanks(m_lines[after - 1].text).empty())
        --after;
    insertLine(after, std::string(key) + "=" + bytes);
    return Success();
}

std::string ProfileFile::bytes() const {
    std::string all;
    for (const auto& line : m_lines) {
        all += line.text;
        all += line.end;
    }
    return all;
}

Status ProfileFile::save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, bytes());
}

} // namespace rekko
