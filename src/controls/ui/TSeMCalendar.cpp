// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's small month calendar: its defaults and its three further properties.
#include "TSeMCalendar.h"

#include "ColourConversion.h"

namespace rekko {

namespace {

constexpr TColor kDayOfWeekBkColor = 0xE1E1E1;
constexpr TColor kColorToDay = 0xD0FFD5;
constexpr int kFontPoints = 12;

} // namespace

TSeMCalendar::TSeMCalendar(int32_t today, QWidget* parent)
    : TMonthlyCalendar(today, SeMCalendarOptions(), ToQColor(kDayOfWeekBkColor, QPalette()), parent),
      m_colorToDay(ToQColor(kColorToDay, palette())) {
    Fonts()->setPointSizeExceptRokuyo(kFontPoints);
}

void TSeMCalendar::setKeisen(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.Keisen = on; });
}

void TSeMCalendar::setIsCursor(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.IsCursor = on; });
}

void TSeMCalendar::setColorToDay(const QColor& color) {
    m_colorToDay = color;
    Redraw();
}

} // namespace rekko
