// SPDX-License-Identifier: GPL-3.0-or-later
// The child of the crash harness: Rekko's start-up, an edit of every month, the period list and the settings, and
// save all, on the real stores and files, without widgets; in a merging save another writer changes every month file
// on disk between the reading and the save.
#include "CrashFolders.h"
#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include "app/ShellSequence.h"
#include "base/AtomicWrite.h"
#include "base/TextFile.h"

#include <cstdio>
#include <string>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// The main window's part of the start and the year and memo pages: nothing to show without widgets, and the memo,
// which the driver does not edit, is neither read nor written.
class HeadlessWindow : public ShellWindow, public MonthDisplay, public YearCalendars, public StoredMemo {
public:
    bool zunboWanted() const override { return false; }
    void offerFeatures() override {}
    void runFunctionTick(int) override {}
    void collectWindowState(Settings&) override {}
    void showSettings() override {}
    void showStartState() override {}
    void showCommemoration(const Commemoration&) override {}
    void offerEditor(bool) override {}
    void place() override {}
    void tellMerged(const std::string&) override {}
    void finishInitialisation() override {}
    void setToday(int32_t) override {}
    void showThisMonth() override {}
    void redraw() override {}
    void showYearAtStart() override {}
    void startDayCount() override {}
    void refreshToday() override {}
    Status load(const fs::path&) override { return Success(); }
    Status save() override { return Success(); }
    void measure() override {}
};

// The days edited in every month; the harness checks that the other days keep their bytes.
constexpr int kEditedDays[] = {2, 11, 20};

// Edits as the schedule dialog would: each day keeps its lines (stray bytes and all), its first line turns red and
// a line with NEC, NEC-selected and IBM characters is added; a period is added and a setting changed.
void edit(ScheduleStores& stores, Settings& settings, const CalendarDate& today) {
    for (int slot = 0; slot < kJumpSlot; ++slot)
        for (const int day : kEditedDays) {
            DaySchedule schedule = LoadDay(stores.months().lines(slot), day);
            schedule.attributes.front().setColour(clRed);
            schedule.lines.push_back("追記 ①纊ⅰ黑 " + std::to_string(day));
            schedule.attributes.emplace_back();
            stores.months().replaceDay(slot, day, schedule);
        }
    const int32_t jd = EncodeJuliusDay(today.year, today.month, today.day);
    PeriodFields period = NewPeriod(jd, 1, jd + 3, 3, 2, clGreen);
    period.text = "出張，大阪";
    stores.periods().store(0, period);
    settings.udKidouGyou = 77;
}

// Another writer appends a line to every month file of the window, each written atomically as a file-sync tool does.
bool appendElsewhere(ScheduleStores& stores) {
    for (int slot = 0; slot < kJumpSlot; ++slot) {
        const fs::path file = stores.months().dataFolder() / stores.months().window().slot(slot).fileName;
        const auto bytes = ReadFileBytes(file);
        if (!bytes || !WriteFileAtomically(file, bytes.value() + crash::kOtherWriterLine))
            return false;
    }
    return true;
}

} // namespace

// crash_driver start|save|merge ROOT YYYY-MM-DD: ROOT/prog is the program folder, its Sorel.ini names the data folder;
// the current directory takes the period-file copies. Exits 0 when everything went through without a box.
int main(int argc, char** argv) {
    int year = 0, month = 0, day = 0;
    if (argc != 4 || std::sscanf(argv[3], "%d-%d-%d", &year, &month, &day) != 3) {
        std::fputs("usage: crash_driver start|save|merge ROOT YYYY-MM-DD\n", stderr);
        return 64;
    }
    const CalendarDate today{year, static_cast<uint8_t>(month), static_cast<uint8_t>(day)};
    const fs::path root = argv[2];
    test::FakeClock clock{today, TimeOfDay{9, 0, 0}};
    test::FakeClockSetter setter;
    test::ScriptedDialogs dialogs; // neither the start nor the save may show a box: one ends the driver abnormally
    MainController controller{root / "prog", root / "startup", clock, setter, dialogs, root / "rescue"};
    HeadlessWindow window;
    ShellSequence sequence{controller, dialogs, window, NullShellPorts()};
    ScheduleStores stores{sequence, dialogs, controller.book(), controller.settings().CaFT};
    sequence.attachMonthPage(stores, window);
    sequence.attachPages(window, window);
    if (std::string(argv[1]) == "start") {
        if (!sequence.start({}, root / "startup"))
            return 2;
    } else {
        controller.beginStart({});
        if (!sequence.initialiseMonths())
            return 2;
        edit(stores, controller.settings(), today);
        if (std::string(argv[1]) == "merge" && !appendElsewhere(stores))
            return 3;
        if (const SaveReport report = sequence.saveAll(); !report.ok()) {
            std::fputs(report.message().c_str(), stderr);
            return 4;
        }
    }
    return 0;
}
