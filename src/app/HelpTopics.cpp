// SPDX-License-Identifier: GPL-3.0-or-later
// The help page of each window and page.
#include "HelpTopics.h"

#include <cctype>
#include <map>

namespace rekko {

std::string HelpTopic(const std::vector<std::string>& namesInnermostFirst) {
    static const std::map<std::string, std::string, std::less<>> topics = {
        {"fmC21", "main.html"},
        {"tsMonth", "main.html#month"},
        {"tsYear", "main.html#year"},
        {"tsNisuu", "main.html#year"},
        {"tsMemo", "main.html#memo"},
        {"tsSettei", "settings.html"},
        {"tsKihon", "settings.html#basic"},
        {"tsKoyomi", "settings.html#calendar"},
        {"tsKinou", "settings.html#functions"},
        {"tsDouki", "settings.html#sync"},
        {"fmDay", "schedule.html"},
        {"ts1Nichi", "schedule.html#day"},
        {"tsKikan", "schedule.html#period"},
        {"tsKinenbi", "schedule.html#anniversary"},
        {"fmNichiji", "timer.html"},
        {"fmIcal", "export.html"},
    };
    for (const std::string& name : namesInnermostFirst) {
        const auto topic = topics.find(name);
        if (topic != topics.end())
            return topic->second;
    }
    return kHelpIndexTopic;
}

std::string HelpAddress(const std::filesystem::path& shippedFolder, std::string_view topic) {
    // Bytes other than the unreserved ones and "/" are percent-encoded, so blanks and Japanese folder names pass.
    std::string address = "file://";
    for (const char c : (shippedFolder / "help").string() + "/") {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || std::string_view("-._~/").find(c) != std::string_view::npos) {
            address += c;
        } else {
            constexpr const char* kHex = "0123456789ABCDEF";
            address += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
        }
    }
    return address + std::string(topic);
}

} // namespace rekko
