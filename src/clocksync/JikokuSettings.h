// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-correction settings of section Jikoku as plain values and keys, the set time, the time-source choices and
// their addresses.
#pragma once

#include "ClockCorrectionSettings.h"

#include "settings/SettingsTable.h"

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

// The section of "Sorel.ini" that the settings window reads when it opens and writes when it closes.
inline constexpr const char* kJikokuSection = "Jikoku";

// The keys of section Jikoku, in the order they are written. vTime keeps what the values hold when it is absent.
template <class Table> void DeclareJikokuKeys(Table& t) {
    using J = JikokuSettings;
    const char* s = kJikokuSection;
    t.number(s, "JikokuY", &J::JikokuY, kAnyLow, kAnyHigh);
    t.number(s, "JikokuX", &J::JikokuX, kAnyLow, kAnyHigh);
    t.number(s, "ActivePage", &J::ActivePage, 0, 5);
    t.number(s, "udChousei", &J::udChousei, -5000, 5000);
    t.flag(s, "rbDay", &J::rbDay);
    t.flag(s, "rbWeek", &J::rbWeek);
    t.flag(s, "rbShitei", &J::rbShitei);
    t.number(s, "cbYoubi", &J::cbYoubi, 0, 7);
    t.text(s, "vTime", &J::vTime).fallback = Fallback::KeepCurrent;
    t.number(s, "udGosa", &J::udGosa, kAnyLow, kAnyHigh); // a tolerance out of range stops the run, naming it
    t.number(s, "udGyou", &J::udGyou, 10, 300);
    t.flag(s, "cbErrH", &J::cbErrH);
    t.flag(s, "rbJapan", &J::rbJapan);
    t.flag(s, "rbTamaru1", &J::rbTamaru1);
    t.flag(s, "rbTamaru2", &J::rbTamaru2);
    t.flag(s, "rbWebSV1", &J::rbWebSV1);
    t.flag(s, "rbWebSV2", &J::rbWebSV2);
    t.text(s, "edtWebSV1", &J::edtWebSV1);
    t.text(s, "edtWebSV2", &J::edtWebSV2);
    t.flag(s, "cbSetuzokuT", &J::cbSetuzokuT);
    t.flag(s, "cbProxy", &J::cbProxy);
    t.text(s, "edtProxy", &J::edtProxy);
    t.text(s, "edtPort", &J::edtPort);
    t.flag(s, "cbNoCkProxy", &J::cbNoCkProxy);
}

// Returns the set time vTime as a valid "hhmmss": hours from its first two characters (15 when not a number),
// minutes and seconds from the next two pairs (0 when not a number); 15:00:00 when these make no time of day.
std::string ValidSetTime(std::string_view vTime);

// The schedule the settings window gives the main window when it closes: the start delay, the mode from the three
// schedule buttons, the set time and the weekday choice.
void CopySchedule(const JikokuSettings& settings, int startDelay, ClockCorrectionSettings& schedule);

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
