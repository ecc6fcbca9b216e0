// SPDX-License-Identifier: GPL-3.0-or-later
// The month and period stores in month initialisation and save all.
#include "ScheduleStores.h"

#include "calendar/Julius.h"
#include "files/UserFiles.h"

#include <algorithm>
#include <iterator>

namespace rekko {

namespace fs = std::filesystem;

ScheduleStores::ScheduleStores(MonthShell& host, Dialogs& dialogs, ScheduleBook& book,
                               std::array<std::string, 3>& copyNames)
    : m_host(host), m_dialogs(dialogs), m_book(book), m_months(dialogs, book), m_periods(dialogs, copyNames, book),
      m_navigator(m_months, m_periods, dialogs, host) {}

namespace {

// While writes are held, an edited store says that it was not written.
Status heldBack(const MonthShell& host, bool edited, const fs::path& file) {
    if (!edited)
        return Success();
    return Failure{host.writesHeldCause(), file.string()};
}

} // namespace

void ScheduleStores::buildWindow() {
    m_months.buildWindow(m_host.today());
    m_navigator.reset();
}

Status ScheduleStores::load() {
    m_months.setDataFolder(m_host.dataFolder());
    for (int slot = 0; slot < kJumpSlot; ++slot)
        if (Status loaded = m_months.loadSlot(slot); !loaded)
            return loaded;
    const CalendarDate today = DecodeJuliusDay(m_host.today());
    const PeriodStore::LoadOutcome period =
        m_periods.load(m_host.dataFolder(), today.year, today.month, today.day,
                       {.dataFolder = !m_host.writesHeld(), .copies = !m_host.workingFolderHeld()});
    if (period == PeriodStore::LoadOutcome::Loaded || period == PeriodStore::LoadOutcome::Created)
        return Success();
    return m_periods.loadFailure();
}

Status ScheduleStores::reload() {
    m_months.setDataFolder(m_host.dataFolder());
    for (int slot = 0; slot <= kJumpSlot; ++slot)
        if (!m_months.lines(slot).empty())
            if (Status read = m_months.readSlot(slot); !read)
                return read;
    if (Status loaded = load(); !loaded)
        return loaded;
    return m_book.slot(kJumpSlot).month != 0 ? m_months.loadSlot(kJumpSlot) : Success();
}

Status ScheduleStores::saveMonth(int slot) {
    if (m_host.writesHeld())
        return heldBack(m_host, m_months.edited(slot), m_months.dataFolder() / m_months.window().slot(slot).fileName);
    return m_months.saveSlot(slot);
}

Status ScheduleStores::savePeriods() {
    if (m_host.writesHeld())
        return heldBack(m_host, m_periods.edited(), fs::path(m_host.dataFolder() + kPeriodFileName));
    return m_periods.save();
}

void ScheduleStores::save(SaveReport& report) {
    if (m_months.book().jumpedMonthEdited()) {
        const size_t failuresBefore = report.failures.size();
        report.run(
            "jumped month", [this] { return saveMonth(kJumpSlot); },
            [this](const fs::path& folder) { return m_months.rescueSlot(kJumpSlot, folder); });
        // A failed or held-back write is tried again at the next save all.
        m_months.book().setJumpedMonthEdited(m_host.writesHeld() || report.failures.size() > failuresBefore);
    }
    for (int slot = 0; slot < kJumpSlot; ++slot)
        report.run(
            "month " + std::to_string(slot), [this, slot] { return saveMonth(slot); },
            [this, slot](const fs::path& folder) { return m_months.rescueSlot(slot, folder); });
    report.run(
        kPeriodFileName, [this] { return savePeriods(); },
        [this](const fs::path& folder) { return m_periods.rescue(folder); });
    // The merges with the disk of these writes, and of the writes since the last save all (leaving jump mode, the
    // anniversary dialog), are told with this report.
    std::ranges::move(m_book.takeMerged(), std::back_inserter(report.merged));
}

bool ScheduleStores::removeStaleCopies() {
    if (const SaveReport report = m_host.saveAll(); !report.ok()) {
        m_dialogs.inform("不要アイテム削除エラー\r\n\r\n" + report.message());
        return false;
    }
    if (const Status removed = m_periods.removeStaleCopies(); !removed) {
        m_dialogs.show({kDefaultCaption,
                        "ファイルの削除に失敗しました。\r\n" + removed.error().path + "\r\n" + removed.error().cause,
                        DialogIcon::Error});
        return false;
    }
    return true;
}

Anniversary ScheduleStores::anniversaryOf(int month, int day) const {
    return FindAnniversary(m_book.rules().specialDayList(), month, day);
}

Status ScheduleStores::saveAnniversary(int month, int day, const Anniversary& found, const Anniversary& edited) {
    std::vector<std::string> lines = m_book.rules().specialDayList();
    ReplaceAnniversary(lines, found, edited, month, day);
    return replaceSpecialDays(std::move(lines));
}

Status ScheduleStores::replaceSpecialDays(std::vector<std::string> lines) {
    if (m_host.workingFolderHeld())
        return Failure{m_host.writesHeldCause(), fs::absolute(kSpecialDayFileName).string()};
    return m_book.replaceSpecialDays(std::move(lines));
}

} // namespace rekko
