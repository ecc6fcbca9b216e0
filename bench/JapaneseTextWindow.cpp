// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor of the start-up benchmark: a bare Qt window that paints one line of Japanese text in the month
// grid's font, so it pays for the font database and one Japanese face as Rekko does.
#include "ReferenceWindow.h"

#include "controls/ui/TCalExFonts.h"

#include <QApplication>
#include <QPainter>

namespace {

class JapaneseTextWindow : public ReferenceWindow {
protected:
    void paintContents() override {
        QPainter painter(this);
        painter.setFont(m_font);
        painter.drawText(10, 40, QStringLiteral("2026年7月20日（月） 海の日 大安 カレンダー"));
    }

private:
    QFont m_font = rekko::CalendarFont(rekko::kMonthGridFontPoints);
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    JapaneseTextWindow window;
    window.show();
    return QApplication::exec();
}
