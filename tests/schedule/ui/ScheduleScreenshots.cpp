// Saves screenshots of the schedule dialog's three pages for a person to look at: a day with five coloured lines
// and a names strip, a period, and an anniversary.
#include "schedule/ui/ScheduleDialog.h"

#include "calendar/Julius.h"
#include "schedule/DayLines.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFont>

#include <cstdio>

namespace rekko {
namespace {

bool save(ScheduleDialog& dialog, const QDir& folder, const char* name) {
    dialog.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(name));
    const bool saved = dialog.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", path.toUtf8().constData());
    dialog.hide();
    return saved;
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    using namespace rekko;
    QApplication application(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", font.family()});
    QApplication::setFont(font);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots"));
    QDir().mkpath(folder.path());
    test::ScriptedDialogs dialogs;
    test::FakeClock clock(CalendarDate{2026, 5, 5}, TimeOfDay{10, 0, 0});
    ScheduleDialog dialog(dialogs, clock);
    const int32_t jd = EncodeJuliusDay(2026, 5, 5);
    const std::vector<std::string> month = {" 0,0,9,2026/ 5",         " 5,1,,09:30 朝会,clRed,,,,,",
                                            " 5,2,,設計レビュー,clBlue,,,,,", " 5,3,,昼食会 1，000円,clFuchsia,,,,,",
                                            " 5,4,,資料作成,clTeal,,,,,",     " 5,5,,帰りに買い物,clMaroon,,,,,",
                                            " 5,6,,標準色の行,,,,,,"};
    dialog.loadDay(jd, LoadDay(month, 5), {{"創立記念日", "端午", "こどもの日"}, "SSH"});
    bool ok = save(dialog, folder, "schedule-day.png");
    PeriodFields period = NewPeriod(EncodeJuliusDay(2026, 5, 25), 1, EncodeJuliusDay(2026, 5, 29), 3, 2, clNavy);
    period.text = "出張 大阪・京都";
    dialog.loadPeriod(period, true);
    ok = save(dialog, folder, "schedule-period.png") && ok;
    dialog.loadAnniversary(jd, {"2001", "", "創立記念日, 25周年", 4}, {{"創立記念日", "こどもの日"}, "SH"});
    ok = save(dialog, folder, "schedule-anniversary.png") && ok;
    return ok ? 0 : 1;
}
