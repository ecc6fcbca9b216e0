// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file read and written: the writer agrees with the reader, and every line whose value it
// does not change keeps its bytes.
#include "FuzzCheck.h"

#include "app/Settings.h"

#include <algorithm>
#include <set>

using namespace rekko;

namespace {

std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.emplace_back(bytes.substr(start, end - start));
        start = bytes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    }
    return lines;
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

// The keys the writer owns, in lower case, taken from what it writes into an empty file.
const std::set<std::string>& ownedKeys() {
    static const std::set<std::string> keys = [] {
        ProfileFile file;
        SettingsKeys settings = MakeSettingsTable();
        (void)WriteSettings(file, settings);
        std::set<std::string> found;
        for (const std::string& line : linesOf(file.bytes()))
            if (const size_t equals = line.find('='); equals != std::string::npos)
                found.insert(lowerAscii(line.substr(0, equals)));
        return found;
    }();
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const ProfileFile read = ProfileFile::FromBytes(bytes);
    FUZZ_CHECK(read.bytes() == bytes);
    ProfileFile file = read;

    SettingsKeys settings = MakeSettingsTable();
    (void)ReadSettings(file, settings, true);
    FUZZ_CHECK(WriteSettings(file, settings).ok());
    const std::string written = file.bytes();

    // What the writer wrote reads back as the same settings: writing those changes nothing.
    ProfileFile again = ProfileFile::FromBytes(written);
    SettingsKeys reread = MakeSettingsTable();
    (void)ReadSettings(again, reread, true);
    FUZZ_CHECK(WriteSettings(again, reread).ok());
    FUZZ_CHECK(again.bytes() == written);

    // Every line but those of a key whose value in section Settei changed is still there with its bytes, in order:
    // foreign keys, sections and comments, and keys written with the value they had, whatever their bytes.
    std::set<std::string> changed;
    for (const std::string& key : ownedKeys())
        if (read.readString(kSetteiSection, key) != file.readString(kSetteiSection, key))
            changed.insert(key);
    const std::vector<std::string> after = linesOf(written);
    auto next = after.begin();
    for (const std::string& line : linesOf(bytes)) {
        const std::string key(line.substr(0, line.find('=')));
        const size_t first = key.find_first_not_of(" \t"), last = key.find_last_not_of(" \t");
        if (key.size() < line.size() && first != std::string::npos &&
            changed.count(lowerAscii(key.substr(first, last - first + 1))))
            continue;
        next = std::find(next, after.end(), line);
        FUZZ_CHECK(next != after.end());
        ++next;
    }
    return 0;
}
