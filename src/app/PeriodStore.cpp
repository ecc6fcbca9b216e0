// The period file, its copies and its records.
#include "PeriodStore.h"

#include "MonthStore.h"

#include "calendar/TextFile.h"
#include "calendar/TextProcedures.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace rekko {

std::string PeriodCopyName(int year, int month, int day) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.4d%.2d%.2d", year, month, day < 30 ? day : 1);
    return "CaFT" + std::string(stamp).substr(3, 4) + ".mcp";
}

PeriodStore::LoadOutcome PeriodStore::load(const fs::path& dataFolder, int year, int month, int day) {
    m_file = dataFolder / kPeriodFileName;
    m_grid.setPeriodList({});
    m_unreadable = false;
    std::error_code error;
    LoadOutcome outcome = LoadOutcome::Loaded;
    if (fs::exists(m_file, error)) {
        auto text = ReadTextFile(m_file);
        if (!text) {
            m_unreadable = true;
            m_loadFailure = text.error();
            return LoadOutcome::Unreadable;
        }
        m_lastLineEnd = text.value().lastLineEnd;
        m_grid.setPeriodList(std::move(text.value().lines));
        const std::string copyName = PeriodCopyName(year, month, day);
        if (copyName != m_copyNames[0])
            rotateCopies(copyName);
    } else {
        m_dialogs.inform(WithTrailingSeparator(dataFolder.string()) + kPeriodFileName +
                         " が存在しません。\r\n新しい期間データを作ります。");
        m_lastLineEnd = "\r\n";
        m_grid.setPeriodList({kPeriodFileHeader});
        if (!dataFolder.empty() && !fs::exists(dataFolder, error))
            fs::create_directories(dataFolder, error);
        if (!dataFolder.empty() && !fs::is_directory(dataFolder, error)) {
            m_dialogs.show({"エラー", "フォルダを作成できません。", DialogIcon::Error});
            m_loadFailure =
                Failure{.cause = "フォルダを作成できません。", .path = dataFolder.string(), .reported = true};
            return LoadOutcome::FolderMissing;
        }
        (void)WriteTextFile(m_file, TextLines{list(), m_lastLineEnd});
        outcome = LoadOutcome::Created;
    }
    m_loadCount = list().size();
    m_loaded = true;
    return outcome;
}

void PeriodStore::rotateCopies(const std::string& copyName) {
    m_rotated = true;
    std::error_code error;
    const std::string& oldest = m_copyNames[2];
    if (!oldest.empty() && fs::exists(oldest, error) && !fs::remove(oldest, error))
        m_dialogs.inform("旧期間ファイルを削除できません。\r\n" + oldest);
    m_copyNames = {copyName, m_copyNames[0], m_copyNames[1]};
    if (!WriteTextFile(copyName, TextLines{list(), m_lastLineEnd}))
        m_dialogs.inform("期間ファイルを書き込めません。\r\n" + copyName);
}

Status PeriodStore::save() {
    if (!m_loaded || m_unreadable)
        return Success();
    if (!SaveGuardAllows(m_loadCount, list().size())) {
        m_dialogs.inform("期間予定が立ち上げ時の半分以下、または０になっています。\r\n期間予定は保存しません。");
        return Success();
    }
    return WriteTextFile(m_file, TextLines{list(), m_lastLineEnd});
}

Status PeriodStore::removeStaleCopies(const fs::path& directory) {
    if (!m_rotated)
        return Success();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with("CaFT") || !name.ends_with(".mcp") || name.size() < 8)
            continue;
        if (name == m_copyNames[0] || name == m_copyNames[1] || name == m_copyNames[2])
            continue;
        std::error_code removeError;
        if (!fs::remove(it->path(), removeError))
            return Failure{"ファイルの削除に失敗しました。", it->path().string()};
    }
    return Success();
}

bool PeriodStore::store(size_t index, const PeriodFields& period) {
    if (const auto invalid = FirstInvalidPeriodDate(period)) {
        m_dialogs.show({kDefaultCaption, "不正な日付：" + *invalid, DialogIcon::Warning});
        m_dialogs.inform("登録いたしません。");
        return false;
    }
    m_grid.editPeriodList([&](std::vector<std::string>& lines) {
        if (index > 0 && index < lines.size())
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
        lines.push_back(FormatPeriodRecord(period));
    });
    return true;
}

} // namespace rekko
