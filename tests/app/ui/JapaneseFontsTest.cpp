// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese faces under a Japanese locale: the widgets' font and the calendars' font each name the one family this
// desktop has, so Qt matches it without searching, and they are the faces the program always showed.
#include "app/ui/Entry.h"
#include "controls/ui/TCalExFonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class JapaneseFontsTest : public QObject {
    Q_OBJECT

private slots:
    // First, while the font database is still empty: it knows IPAPGothic by that name only once filled, as the
    // locale lists the families by their Japanese names.
    void widgetsTakeTheProportionalGothicAlone() {
        rekko::UseJapaneseFonts();
        QCOMPARE(QApplication::font().families(), QStringList{"IPAPGothic"});
        QCOMPARE(QFontInfo(QApplication::font()).family(), QString("IPA Pゴシック"));
    }

    void calendarsTakeTheFixedGothicAlone() {
        const QFont font = rekko::CalendarFont(rekko::kMonthGridFontPoints);
        QCOMPARE(font.families(), QStringList{"IPAGothic"});
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(QFontInfo(font).family(), QString("IPAゴシック"));
    }

    void theFirstInstalledFamilyOrTheWholeList() {
        QCOMPARE(rekko::InstalledFamily({"No Such Face", "Noto Sans CJK JP", "IPAGothic"}),
                 QStringList{"Noto Sans CJK JP"});
        const QStringList none{"No Such Face", "Nor This"};
        QCOMPARE(rekko::InstalledFamily(none), none);
    }
};

QTEST_MAIN(JapaneseFontsTest)
#include "JapaneseFontsTest.moc"
