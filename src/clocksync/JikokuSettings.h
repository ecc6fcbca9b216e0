// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-correction settings of section Jikoku as plain values, the time-source choices and their addresses.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace rekko {

// The values of section Jikoku, named after their keys, with the values used when a key is absent (vTime aside,
// which the window fills with the time of day).
struct JikokuSettings {
    int JikokuY = 0;
    int JikokuX = 0;
    int ActivePage = 0;
    int udChousei = 700; // fine adjustment of the whole-second HTTP time, milliseconds
    bool rbDay = true;
    bool rbWeek = false;
    bool rbShitei = false;
    int cbYoubi = 1;
    std::string vTime;
    int udGosa = 30;  // tolerance, seconds
    int udGyou = 100; // access-log length, lines
    bool cbErrH = false;
    bool rbJapan = true;
    bool rbTamaru1 = false;
    bool rbTamaru2 = false;
    bool rbWebSV1 = false;
    bool rbWebSV2 = false;
    std::string edtWebSV1;
    std::string edtWebSV2;
    bool cbSetuzokuT = false;
    bool cbProxy = false;
    std::string edtProxy;
    std::string edtPort;
    bool cbNoCkProxy = false;
};

enum class TimeSourceChoice { Japan, Tamaru1, Tamaru2, WebSV1, WebSV2 };

inline constexpr std::array<const char*, 5> kTimeSourceCaptions = {
    "日本標準時（通信総合研究所）", "Tamaru標準時１", "Tamaru標準時２", "Ｗｅｂサーバー１", "Ｗｅｂサーバー２"};

// The national institute serves Japan Standard Time over NTP only.
inline constexpr const char* kJapanTimeAddress = "ntp://ntp.nict.jp";

// Returns the selected choice: the first of the source buttons that is on, the national institute when none is.
TimeSourceChoice SelectedSource(const JikokuSettings& settings);

// Returns the caption of a choice.
const char* SourceCaption(TimeSourceChoice choice);

// Returns the address a choice fetches from: the institute's NTP server, the maker's page of the build, none for the
// maker's second page, the user's server addresses as written.
std::string SourceAddress(const JikokuSettings& settings, TimeSourceChoice choice);

} // namespace rekko
