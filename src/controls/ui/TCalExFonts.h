// SPDX-License-Identifier: GPL-3.0-or-later
// The seven fonts of a calendar control, each with its colour, and the switch that makes them change together.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

#include <array>

namespace rekko {

// A font with its text colour.
struct CalExFont {
    QFont font;
    QColor color;
};

class TCalExFonts : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Synchronize READ Synchronize WRITE setSynchronize)

public:
    enum Role { Weekday, Saturday, Sunday, DayOfWeek, Holiday, SpecialDay, Rokuyo };
    static constexpr int kRoles = 7;

    // Creates the fonts with their defaults: black, blue, red, white, red, green 0x008000 and a black 10-point
    // rokuyo font, all in the Japanese gothic face.
    explicit TCalExFonts(QObject* parent = nullptr);

    const CalExFont& font(Role role) const { return m_fonts[role]; }
    // Assigns one font, or all seven while Synchronize is on.
    void setFont(Role role, const CalExFont& font);
    // Sets the point size of every font but the rokuyo font.
    void setPointSizeExceptRokuyo(int points);

    bool Synchronize() const { return m_synchronize; }
    void setSynchronize(bool on) { m_synchronize = on; }

signals:
    void changed();

private:
    std::array<CalExFont, kRoles> m_fonts;
    bool m_synchronize = false;
};

// The point size of the month grid's fonts, the rokuyo font excepted.
inline constexpr int kMonthGridFontPoints = 12;

// Returns the first of the families that this desktop has, alone, or all of them when it has none. A font that names
// one family is matched once; with a list, Qt asks fontconfig for the fallbacks of every script the text uses, before
// any glyph is missing.
QStringList InstalledFamily(const QStringList& families);

// Returns the gothic face the calendars draw Japanese text in, at a point size.
QFont CalendarFont(int points);

} // namespace rekko
