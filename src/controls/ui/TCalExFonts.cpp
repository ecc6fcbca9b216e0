// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of a calendar control with their creation defaults.
#include "TCalExFonts.h"

#include <QFontDatabase>

namespace rekko {

QStringList InstalledFamily(const QStringList& families) {
    // Filling the database first: until then it does not know a family by its other names, and with a Japanese
    // locale the families are listed by their Japanese ones (IPA Pゴシック for IPAPGothic).
    QFontDatabase::families();
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family))
            return {family};
    return families;
}

QFont CalendarFont(int points) {
    static const QStringList families =
        InstalledFamily({"IPAGothic", "IPAゴシック", "Noto Sans CJK JP", "Noto Sans Mono CJK JP", "DejaVu Sans"});
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    return font;
}

TCalExFonts::TCalExFonts(QObject* parent) : QObject(parent) {
    const QFont base = CalendarFont(9);
    m_fonts[Weekday] = {base, QColor(0, 0, 0)};
    m_fonts[Saturday] = {base, QColor(0, 0, 255)};
    m_fonts[Sunday] = {base, QColor(255, 0, 0)};
    m_fonts[DayOfWeek] = {base, QColor(255, 255, 255)};
    m_fonts[Holiday] = {base, QColor(255, 0, 0)};
    m_fonts[SpecialDay] = {base, QColor(0, 128, 0)};
    m_fonts[Rokuyo] = {CalendarFont(10), QColor(0, 0, 0)};
}

void TCalExFonts::setFont(Role role, const CalExFont& font) {
    if (m_synchronize)
        m_fonts.fill(font);
    else
        m_fonts[role] = font;
    emit changed();
}

void TCalExFonts::setPointSizeExceptRokuyo(int points) {
    for (int role = 0; role < kRoles; ++role)
        if (role != Rokuyo)
            m_fonts[role].font.setPointSize(points);
    emit changed();
}

} // namespace rekko
