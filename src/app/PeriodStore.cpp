// The period file, its copies and its records.
#include "PeriodStore.h"

#include "MonthStore.h"

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
    m_list = TextLines{};
    m_unreadable = false;
    std::error_code error;
    LoadOutcome outcome = LoadOutcome::Loaded;
    if (fs::exists(m_file, error)) {
        auto text = ReadTextFile(m_file);
        if (!text) {
            m_unreadable = true;
            return LoadOutcome::Unreadable;
        }
        m_list = std::move(text.value());
        const std::string copyName = PeriodCopyName(year, month, day);
        if (copyName != m_copyNames[0])
            rotateCopies(copyName);
    } else {
        m_dialogs.inform(WithTrailingSeparator(dataFolder.string()) + kPeriodFileName +
                         " が存在しません。\r\n新しい期間データを作ります。");
        m_list.lines = {kPeriodFileHeader};
        if (!dataFolder.empty() && !fs::exists(dataFolder, error))
            fs::create_directories(dataFolder, error);
        if (!dataFolder.empty() && !fs::is_directory(dataFolder, error)) {
            m_dialogs.show({"エラー", "フォルダを作成できません。", DialogIcon::Error});
            return LoadOutcome::FolderMissing;
        }
        (void)WriteTextFile(m_file, m_list);
        outcome = LoadOutcome::Created;
    }
    m_loadCount = m_list.lines.size();
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
    if (!WriteTextFile(copyName, m_list))
        m_dialogs.inform("期間ファイルを書き込めません。\r\n" + copyName);
}

Status PeriodStore::save() {
    if (!m_loaded || m_unreadable)
        return Success();
    if (!SaveGuardAllows(m_loadCount, m_list.lines.size())) {
        m_dialogs.inform("期間予定が立ち上げ時の半分以下、または０になっています。\r\n期間予定は保存しません。");
        return Success();
    }
    return WriteTextFile(m_file, m_list);
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
    if (index > 0 && index < m_list.lines.size())
        m_list.lines.erase(m_list.lines.begin() + static_cast<std::ptrdiff_t>(index));
    m_list.lines.push_back(FormatPeriodRecord(period));
    return true;
}

bool PeriodStore::confirmDelete(size_t index) {
    if (index == 0 || index >= m_list.lines.size())
        return false;
    const DialogMessage question{"確認", "この予定を削除してもいいですか？", DialogIcon::Question, DialogButtons::YesNo,
                                 DialogAnswer::Yes};
    if (m_dialogs.show(question) != DialogAnswer::Yes)
        return false;
    m_list.lines.erase(m_list.lines.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

} // namespace rekko
