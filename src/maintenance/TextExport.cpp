// SPDX-License-Identifier: GPL-3.0-or-later
// Building the export lines of a month and writing them to the chosen file.
#include "TextExport.h"

#include "base/FileEntry.h"
#include "base/TextFile.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "files/UserFiles.h"
#include "schedule/LineAttribute.h"

#include <cstdio>

namespace rekko {

namespace fs = std::filesystem;

namespace {

std::string DateText(int year, int month, int day) {
    char text[24];
    std::snprintf(text, sizeof text, "%.4d/%.2d/%.2d", year, month, day);
    return text;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (size_t i = 0; i < texts.size(); ++i)
        joined += (i ? ", " : "") + texts[i];
    return joined;
}

} // namespace

Result<std::vector<std::string>> MonthExportLines(int year, int month, const std::vector<std::string>& monthLines,
                                                  const DayRules& rules, ExportFormat format) {
    const int days = DaysOfMonth(year, month);
    std::vector<std::vector<std::string>> texts(static_cast<size_t>(days) + 1);
    for (size_t i = 0; i < monthLines.size(); ++i) {
        if (TrimBlanks(monthLines[i]).empty())
            continue;
        const DayLine line = ReadDayLine(monthLines[i]);
        if (!line.day)
            return Failure{.cause = std::to_string(i + 1) + "行目の日付が数値ではありません：" + monthLines[i],
                           .line = i + 1};
        if (*line.day >= 1 && *line.day <= days)
            texts[static_cast<size_t>(*line.day)].push_back(line.text);
    }
    std::vector<std::string> lines;
    for (int day = 1; day <= days; ++day) {
        const std::string names = DayNamesText(rules.DayNames(year, month, day));
        const std::string content = (names.empty() ? "" : "[" + names + "] ") + Joined(texts[static_cast<size_t>(day)]);
        const std::string weekday = "(" + WeekdayShortName(JuliusDayOfWeek(EncodeJuliusDay(year, month, day))) + ")";
        const std::string date = DateText(year, month, day);
        if (format == ExportFormat::Text)
            lines.push_back(date + weekday + "  " + content);
        else
            lines.push_back(date + ",\"" + weekday + "\",\"" + ReplaceAll(content, "\"", "\"\"") + "\"");
    }
    return lines;
}

fs::path TextExport::startFolder() const {
    const std::string& folder = m_setup.values().TextDir;
    return folder.empty() ? m_shell.programFolder() : fs::path(folder);
}

void TextExport::exportTo(const fs::path& file) {
    m_setup.set(&SetupSettings::TextDir, WithTrailingSeparator(file.parent_path().string()));
    m_shell.saveAll();
    const ShownMonth shown = m_shell.shownMonth();
    const std::string name = MonthFileName(shown.year, shown.month);
    const std::string dataFolder = m_shell.dataFolder();
    const fs::path monthFile = DataFolderPath(dataFolder) / name;
    if (!FileEntryExists(monthFile)) {
        m_dialogs.inform("目的のデータ[" + name + "]が存在しません。\r\n中止します。");
        return;
    }
    const auto read = ReadTextFile(monthFile);
    if (!read) {
        m_dialogs.inform(name + "\r\n" + read.error().cause + "\r\n中止します。");
        return;
    }
    const auto lines = MonthExportLines(shown.year, shown.month, read.value().lines(), m_rules,
                                        m_setup.values().rbCSV ? ExportFormat::Csv : ExportFormat::Text);
    if (!lines) {
        m_dialogs.inform(name + "\r\n" + lines.error().cause + "\r\n中止します。");
        return;
    }
    if (FileEntryExists(file) && !m_dialogs.ask("同名のファイルが存在します。\r\n上書きしますか？")) {
        m_dialogs.inform("中止します。");
        return;
    }
    if (const Status written = WriteTextFile(file, lines.value()); !written) {
        m_dialogs.inform(file.string() + "\r\n" + written.error().cause);
        return;
    }
    m_dialogs.inform("テキスト(" + file.filename().string() + ")を書き出しました。");
}

} // namespace rekko
