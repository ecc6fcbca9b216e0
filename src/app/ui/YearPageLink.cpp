// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's place in the main window: its making, stored values, rules, today and the jump to a month.
#include "YearPageLink.h"

#include "calendar/Julius.h"

#include <QEvent>
#include <QVBoxLayout>

namespace rekko {

YearPageLink::YearPageLink(const Clock& clock, Dialogs& dialogs, Settings& settings, QTabWidget* pages,
                           MonthView& monthView, const ScheduleBook& book)
    : QObject(pages), m_clock(clock), m_dialogs(dialogs), m_settings(settings), m_pages(pages), m_monthView(monthView),
      m_book(book), m_tab(new QWidget(pages)) {
    auto* layout = new QVBoxLayout(m_tab);
    layout->setContentsMargins(0, 0, 0, 0);
    // The tab is shown before the tab widget moves the focus onto it, so the page made here takes the focus as it
    // would have from the start.
    m_tab->installEventFilter(this);
    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_page && m_pages->widget(index) == m_tab)
            followSettings();
    });
    connect(&monthView, &MonthView::dayRulesChanged, this, [this] {
        m_rulesChanged = true;
        if (m_page)
            takeRules();
    });
}

YearPage* YearPageLink::page() {
    build();
    return m_page;
}

bool YearPageLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tab && event->type() == QEvent::Show)
        build();
    return QObject::eventFilter(watched, event);
}

void YearPageLink::build() {
    if (m_page)
        return;
    m_page = new YearPage(m_clock, m_dialogs, *this, m_tab);
    m_tab->layout()->addWidget(m_page);
    if (m_tab->isVisible()) {
        m_tab->layout()->activate();
        m_page->show();
    }
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

    // The page took today from the clock when made; the rest is what it was given before.
    if (m_startDay)
        applySettings();
    if (m_startDay || m_rulesChanged)
        takeRules();
    if (m_showRokuyo)
        m_page->setShowRokuyo(*m_showRokuyo);
    if (m_showSolarTerms)
        m_page->setShowSolarTerms(*m_showSolarTerms);
    if (m_startDay)
        m_page->showYearAtStart(*m_startDay);
    if (m_dayCountDay)
        m_page->startDayCount(*m_dayCountDay);
}

void YearPageLink::showYearAtStart() {
    m_startDay = today();
    m_showRokuyo = m_settings.cbRokuyo;
    m_showSolarTerms = m_settings.cbSekki;
    if (!m_page)
        return;
    applySettings();
    m_page->refreshToday();
    takeRules();
    m_page->setShowRokuyo(*m_showRokuyo);
    m_page->setShowSolarTerms(*m_showSolarTerms);
    m_page->showYearAtStart(*m_startDay);
}

void YearPageLink::startDayCount() {
    m_dayCountDay = today();
    if (m_page)
        m_page->startDayCount(*m_dayCountDay);
}

void YearPageLink::jumpToMonth(std::string_view yyyymm) {
    if (m_monthView.jumpToMonth(yyyymm))
        m_pages->setCurrentIndex(0);
}

void YearPageLink::showDayCount() {
    build();
    m_pages->setCurrentWidget(m_tab);
    m_page->showDayCount();
}

void YearPageLink::setShowRokuyo(bool on) {
    m_showRokuyo = on;
    if (m_page)
        m_page->setShowRokuyo(on);
}

void YearPageLink::setShowSolarTerms(bool on) {
    m_showSolarTerms = on;
    if (m_page)
        m_page->setShowSolarTerms(on);
}

void YearPageLink::refreshToday() {
    if (m_page)
        m_page->refreshToday();
}

void YearPageLink::takeRules() {
    m_page->setRules(m_book.rules(), m_settings.cbNextDay);
}

void YearPageLink::applySettings() {
    // The controls change one by one; the settings keep what they hold until all of them show it.
    m_applying = true;
    m_page->apply(m_settings);
    m_applying = false;
}

void YearPageLink::storeSettings() {
    if (m_applying)
        return;
    static_cast<YearPageSettings&>(m_settings) = m_page->settings();
}

void YearPageLink::followSettings() {
    const YearPageSettings shown = m_page->settings();
    const int stored = static_cast<int>(FirstMonthRuleOf(m_settings.rgYFirstMonth));
    if (shown.rgYFirstMonth != stored || shown.SpHajimariTuki != m_settings.SpHajimariTuki)
        applySettings();
}

int32_t YearPageLink::today() const {
    return DateTimeToJuliusDay(m_clock.now());
}

} // namespace rekko
