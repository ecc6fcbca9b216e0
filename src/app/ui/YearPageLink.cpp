// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's place in the main window: stored values, rules, today and the jump to a month.
#include "YearPageLink.h"

namespace rekko {

namespace {

YearPageSettings storedValues(const Settings& s) {
    return {s.rgYFirstMonth, s.SpHajimariTuki, s.rgNissuu, s.cbKeisan, s.pcNen};
}

} // namespace

YearPageLink::YearPageLink(const Clock& clock, Dialogs& dialogs, Settings& settings, QTabWidget* pages,
                           MonthView& monthView)
    : QObject(pages), m_settings(settings), m_pages(pages), m_monthView(monthView),
      m_page(new YearPage(clock, dialogs, *this, pages)) {
    // Every change of a stored value goes into the settings at once, as the settings page's controls do.
    const YearPageControls& c = m_page->controls();
    const DayCountControls& d = c.tsNisuu->controls();
    for (QRadioButton* button : c.rgYFirstMonth)
        connect(button, &QRadioButton::clicked, this, &YearPageLink::storeSettings);
    for (QRadioButton* button : d.methods)
        connect(button, &QRadioButton::toggled, this, &YearPageLink::storeSettings);
    connect(c.SpHajimariTuki, &QSpinBox::valueChanged, this, &YearPageLink::storeSettings);
    connect(d.cbKeisan, &QCheckBox::toggled, this, &YearPageLink::storeSettings);
    connect(c.pcNen, &QTabWidget::currentChanged, this, &YearPageLink::storeSettings);
    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_pages->widget(index) == m_page)
            followSettings();
    });
    connect(&monthView, &MonthView::specialDaysChanged, this, &YearPageLink::takeRules);
}

void YearPageLink::showYearAtStart() {
    applySettings();
    m_page->refreshToday();
    takeRules();
    m_page->setShowRokuyo(m_settings.cbRokuyo);
    m_page->showYearAtStart();
}

void YearPageLink::startDayCount() {
    m_page->startDayCount();
}

void YearPageLink::jumpToMonth(std::string_view yyyymm) {
    if (m_monthView.jumpToMonth(yyyymm))
        m_pages->setCurrentIndex(0);
}

void YearPageLink::showDayCount() {
    m_pages->setCurrentWidget(m_page);
    m_page->showDayCount();
}

void YearPageLink::takeRules() {
    const TSeMCal* grid = m_monthView.grid();
    m_page->setRules(grid->HolidayList(), grid->SpecialDayList(), m_settings.cbNextDay);
}

void YearPageLink::applySettings() {
    // The controls change one by one; the settings keep what they hold until all of them show it.
    m_applying = true;
    m_page->apply(storedValues(m_settings));
    m_applying = false;
}

void YearPageLink::storeSettings() {
    if (m_applying)
        return;
    const YearPageSettings shown = m_page->settings();
    m_settings.rgYFirstMonth = shown.rgYFirstMonth;
    m_settings.SpHajimariTuki = shown.SpHajimariTuki;
    m_settings.rgNissuu = shown.rgNissuu;
    m_settings.cbKeisan = shown.cbKeisan;
    m_settings.pcNen = shown.pcNen;
}

void YearPageLink::followSettings() {
    const YearPageSettings shown = m_page->settings();
    const int stored = static_cast<int>(FirstMonthRuleOf(m_settings.rgYFirstMonth));
    if (shown.rgYFirstMonth != stored || shown.SpHajimariTuki != m_settings.SpHajimariTuki)
        applySettings();
}

} // namespace rekko
