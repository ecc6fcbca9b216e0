// Wiring the month and period stores into month initialisation and save all.
#include "ScheduleStores.h"

#include "calendar/Julius.h"

namespace rekko {

ScheduleStores::ScheduleStores(MainController& controller, Dialogs& dialogs, MonthGrid& grid)
    : m_controller(controller), m_dialogs(dialogs), m_months(dialogs, grid),
      m_periods(dialogs, controller.settings().CaFT, grid), m_navigator(m_months, m_periods, dialogs, [this] {
          if (const SaveReport report = m_controller.saveAll(); !report.ok())
              m_dialogs.inform(report.message());
      }) {}

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
                                 m_months.jumpedMonthEdited = false;
                                 return m_months.saveSlot(kJumpSlot);
                             }});
    for (int slot = 0; slot < kJumpSlot; ++slot)
        seams.saveAll.push_back({"month " + std::to_string(slot), [this, slot] { return m_months.saveSlot(slot); }});
    seams.saveAll.push_back({kPeriodFileName, [this] { return m_periods.save(); }});
}

Status ScheduleStores::loadAfterSettings() {
    m_months.setDataFolder(m_controller.dataFolder());
    for (int slot = 0; slot < kJumpSlot; ++slot)
        if (Status loaded = m_months.loadSlot(slot); !loaded)
            return loaded;
    const CalendarDate today = DecodeJuliusDay(m_controller.today());
    const PeriodStore::LoadOutcome period =
        m_periods.load(m_controller.dataFolder(), today.year, today.month, today.day);
    if (period == PeriodStore::LoadOutcome::Loaded || period == PeriodStore::LoadOutcome::Created)
        return Success();
    return m_periods.loadFailure();
}

} // namespace rekko
