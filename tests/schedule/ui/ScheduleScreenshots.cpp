// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the schedule dialog's day, period and anniversary pages under Xvfb, for a person to look at.
#include "schedule/ui/ScheduleDialog.h"

#include "app/ui/Entry.h"
#include "calendar/Julius.h"
#include "schedule/DayLines.h"

#include "FakeClock.h"
#include "Pictures.h"
#include "ScriptedDialogs.h"

#include <QTest>

namespace rekko {

class ScheduleScreenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    void dayPeriodAndAnniversary() {
        test::ScriptedDialogs dialogs;
        test::FakeClock clock(CalendarDate{2026, 5, 5}, TimeOfDay{10, 0, 0});
        ScheduleDialog dialog(dialogs, clock);
        const int32_t day = EncodeJuliusDay(2026, 5, 5);
        const std::vector<std::string> month = {" 0,0,9,2026/ 5",
                                                " 5,1,,09:30 朝会,clRed,,,,,",
                                                " 5,2,,設計レビュー,clBlue,,,,,",
                                                " 5,3,,昼食会 1，000円,clFuchsia,,,,,",
                                                " 5,4,,資料作成,clTeal,,,,,",
                                                " 5,5,,帰りに買い物,clMaroon,,,,,",
                                                " 5,6,,標準色の行,,,,,,"};
        dialog.loadDay(day, LoadDay(month, 5), {{"創立記念日", "端午", "こどもの日"}, "SSH"});
        dialog.show();
        test::SaveScreenshot(dialog, "schedule-day");
        // The red first line is drawn red.
        QVERIFY(test::CountPixels(dialog.grab().toImage(), dialog.rect(), test::Reddish) > 20);
        PeriodFields period = NewPeriod(EncodeJuliusDay(2026, 5, 25), 1, EncodeJuliusDay(2026, 5, 29), 3, 2, clNavy);
        period.text = "出張 大阪・京都";
        dialog.loadPeriod(period, true);
        test::SaveScreenshot(dialog, "schedule-period");
        dialog.loadAnniversary(day, {"2001", "", "創立記念日, 25周年", 4}, {{"創立記念日", "こどもの日"}, "SH"});
        test::SaveScreenshot(dialog, "schedule-anniversary");
    }
};

} // namespace rekko

QTEST_MAIN(rekko::ScheduleScreenshots)
#include "ScheduleScreenshots.moc"
