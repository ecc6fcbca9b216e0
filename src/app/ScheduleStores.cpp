// Wiring the month and period stores into month initialisation and save all.
#include "ScheduleStores.h"

#include "calendar/Julius.h"

namespace rekko {

namespace fs = std::filesystem;

ScheduleStores::ScheduleStores(MainController& controller, Dialogs& dialogs, MonthGrid& grid)
    : m_controller(controller), m_dialogs(dialogs), m_months(dialogs, grid),
      m_periods(dialogs, controller.settings().CaFT, grid), m_navigator(m_months, m_periods, dialogs, [this] {
          if (const SaveReport report = m_controller.saveAll(); !report.ok())
              m_dialogs.inform(report.message());
      }) {}

namespace {

// While writes are held, an edited store says that it was not written.
Status heldBack(bool edited, const std::filesystem::path& file) {
    if (!edited)
        return Success();
    return Failure{kWritesHeldCause, file.string()};
}

} // namespace

Status ScheduleStores::saveMonth(int slot) {
    if (m_controller.writesHeld())
        return heldBack(m_months.edited(slot), m_months.dataFolder() / m_months.window().slot(slot).fileName);
    return m_months.saveSlot(slot);
}

void ScheduleStores::attach() {
    ShellSeams& seams = m_controller.seams();
    seams.monthInitialisation.push_back({MonthInitPhase::BeforeSettings, [this] {
                                             m_months.buildWindow(m_controller.today());
                                             m_navigator.reset();
                                             return Success();
                                         }});
    seams.monthInitialisation.push_back({MonthInitPhase::AfterSettings, [this] { return loadAfterSettings(); }});
    seams.saveAll.push_back({"jumped month", [this] {
                                 if (!m_months.jumpedMonthEdited)
                                     return Success();
                                 const Status saved = saveMonth(kJumpSlot);
                                 // A failed or held-back write is tried again at the next save all.
                                 m_months.jumpedMonthEdited = m_controller.writesHeld() || !saved;
                                 return saved;
                             },
                             [this](const fs::path& folder) { return m_months.rescueSlot(kJumpSlot, folder); }});
    for (int slot = 0; slot < kJumpSlot; ++slot)
        seams.saveAll.push_back({"month " + std::to_string(slot), [this, slot] { return saveMonth(slot); },
                                 [this, slot](const fs::path& folder) { return m_months.rescueSlot(slot, folder); }});
    seams.saveAll.push_back({kPeriodFileName,
                             [this] {
                                 if (m_controller.writesHeld())
                                     return heldBack(m_periods.edited(), m_controller.files().periodFile);
                                 return m_periods.save();
                             },
                             [this](const fs::path& folder) { return m_periods.rescue(folder); }});
}

bool ScheduleStores::removeStaleCopies() {
    if (const SaveReport report = m_controller.saveAll(); !report.ok()) {
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

Status ScheduleStores::loadAfterSettings() {
    m_months.setDataFolder(m_controller.dataFolder());
    for (int slot = 0; slot < kJumpSlot; ++slot)
        if (Status loaded = m_months.loadSlot(slot); !loaded)
            return loaded;
    const CalendarDate today = DecodeJuliusDay(m_controller.today());
    const PeriodStore::LoadOutcome period =
        m_periods.load(m_controller.dataFolder(), today.year, today.month, today.day, !m_controller.writesHeld());
    if (period == PeriodStore::LoadOutcome::Loaded || period == PeriodStore::LoadOutcome::Created)
        return Success();
    return m_periods.loadFailure();
}

} // namespace rekko
