// SPDX-License-Identifier: GPL-3.0-or-later
// Section Setup of the settings file: its keys, and reading and writing it alone.
#include "SetupSettings.h"

#include "base/ProfileFile.h"

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
    t.setWriteOrder(kSetupSection, {"SetupY", "SetupX", "edtCopy1", "edtCopy2", "lblCopy1", "lblCopy2", "edtCopy3",
                                    "rbText", "rbCSV", "TextDir"});
    return t;
}

Status ReadSetupSection(SetupTable& table, const std::filesystem::path& settingsFile) {
    const auto file = ProfileFile::Load(settingsFile);
    if (!file)
        return file.error();
    return table.read(file.value());
}

Status WriteSetupSection(SetupTable& table, const std::filesystem::path& settingsFile) {
    auto file = ProfileFile::Load(settingsFile);
    if (!file)
        return file.error();
    if (Status written = table.write(file.value()); !written)
        return written;
    return file.value().save(settingsFile);
}

} // namespace rekko
