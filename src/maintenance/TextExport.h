// SPDX-License-Identifier: GPL-3.0-or-later
// The text and CSV export of a month: one line per day with its names and the texts of its schedule lines, and the
// export page's steps from the chosen file to the written one.
#pragma once

#include "MaintenanceShell.h"
#include "SetupSettings.h"

#include "base/Result.h"
#include "calendar/DayRules.h"
#include "platform/Dialogs.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

enum class ExportFormat { Text, Csv };

// Returns the lines of a month, one per day from the 1st to the last: the date "yyyy/mm/dd", the weekday "(火)",
// then two spaces (text) or the weekday quoted and a third quoted field (CSV), holding "[names] " when the day has
// names and the texts of the day's lines in file order joined with ", ". In CSV a double quote of a text is doubled,
// so that every line keeps three fields. Blank lines of the month file are passed over; a line whose day field is
// not an integer stops the export with a failure naming its line number and text.
Result<std::vector<std::string>> MonthExportLines(int year, int month, const std::vector<std::string>& monthLines,
                                                  const DayRules& rules, ExportFormat format);

class TextExport {
public:
    TextExport(MaintenanceShell& shell, SetupTable& setup, Dialogs& dialogs, const DayRules& rules)
        : m_shell(shell), m_setup(setup), m_dialogs(dialogs), m_rules(rules) {}

    // The folder the file chooser opens on: TextDir, or the program folder while it is empty.
    std::filesystem::path startFolder() const;

    // Writes the month the main window shows into the chosen file, in the format the page has chosen: remembers
    // the file's folder, saves all, checks the month file, asks before overwriting, and tells what it wrote.
    void exportTo(const std::filesystem::path& file);

private:
    MaintenanceShell& m_shell;
    SetupTable& m_setup;
    Dialogs& m_dialogs;
    const DayRules& m_rules;
};

} // namespace rekko
