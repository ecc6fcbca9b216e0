// SPDX-License-Identifier: GPL-3.0-or-later
// Section Setup of the settings file: its keys and the month workbook's page defaults.
#include "SetupSettings.h"

#include "base/FileEntry.h"

namespace rekko {

SetupTable MakeSetupTable() {
    SetupTable t;
    t.number(kSetupSection, "SetupY", &SetupSettings::SetupY, kAnyLow, kAnyHigh);
    t.number(kSetupSection, "SetupX", &SetupSettings::SetupX, kAnyLow, kAnyHigh);
    t.text(kSetupSection, "edtCopy1", &SetupSettings::edtCopy1);
    t.text(kSetupSection, "edtCopy2", &SetupSettings::edtCopy2);
    t.text(kSetupSection, "lblCopy1", &SetupSettings::lblCopy1);
    t.text(kSetupSection, "lblCopy2", &SetupSettings::lblCopy2);
    t.text(kSetupSection, "edtCopy3", &SetupSettings::edtCopy3);
    t.flag(kSetupSection, "rbText", &SetupSettings::rbText);
    t.flag(kSetupSection, "rbCSV", &SetupSettings::rbCSV);
    t.text(kSetupSection, "TextDir", &SetupSettings::TextDir);
    t.flag(kSetupSection, "cbExTitle", &SetupSettings::cbExTitle);
    t.number(kSetupSection, "rgExTitle", &SetupSettings::rgExTitle, 0, 2);
    t.text(kSetupSection, "edtExTitle", &SetupSettings::edtExTitle);
    t.flag(kSetupSection, "cbExDate", &SetupSettings::cbExDate);
    t.flag(kSetupSection, "cbExSaijitu", &SetupSettings::cbExSaijitu);
    t.flag(kSetupSection, "cbExKinenbi", &SetupSettings::cbExKinenbi);
    t.flag(kSetupSection, "cbExNaiyou", &SetupSettings::cbExNaiyou);
    t.flag(kSetupSection, "cbExShoshiki", &SetupSettings::cbExShoshiki);
    t.flag(kSetupSection, "cbExPreview", &SetupSettings::cbExPreview);
    t.setWriteOrder(kSetupSection, {"SetupY", "SetupX", "edtCopy1", "edtCopy2", "lblCopy1", "lblCopy2", "edtCopy3",
                                    "rbText", "rbCSV", "TextDir", "cbExTitle", "rgExTitle", "edtExTitle", "cbExDate",
                                    "cbExSaijitu", "cbExKinenbi", "cbExNaiyou", "cbExShoshiki", "cbExPreview"});
    return t;
}

void ResetExcelOptions(SetupSettings& settings) {
    const SetupSettings defaults;
    settings.cbExTitle = defaults.cbExTitle;
    settings.rgExTitle = 1;
    settings.edtExTitle = defaults.edtExTitle;
    settings.cbExDate = defaults.cbExDate;
    settings.cbExSaijitu = defaults.cbExSaijitu;
    settings.cbExKinenbi = defaults.cbExKinenbi;
    settings.cbExNaiyou = defaults.cbExNaiyou;
    settings.cbExShoshiki = defaults.cbExShoshiki;
    settings.cbExPreview = defaults.cbExPreview;
}

Status ReadSetupSettings(SetupTable& table, const std::filesystem::path& settingsFile) {
    if (FileEntryExists(settingsFile))
        return ReadSettingsFile(table, settingsFile);
    ResetExcelOptions(table.edit());
    return Success();
}

} // namespace rekko
