// SPDX-License-Identifier: GPL-3.0-or-later
// The month page's commands, keys and grid events, driving the month navigator and the stores.
#include "MonthView.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"
#include "month/EditRescue.h"

#include <QKeyEvent>
#include <QLayout>
#include <QShortcut>

namespace rekko {

namespace {

constexpr const char* kYearMonthCaption = "年月指定";

// Answers key presses of a widget through a function, so the view keeps the rules in one place.
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<bool(const QKeyEvent&)> onKey)
        : QObject(parent), m_onKey(std::move(onKey)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress && m_onKey(*static_cast<QKeyEvent*>(event));
    }

private:
    std::function<bool(const QKeyEvent&)> m_onKey;
};

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

MonthView::MonthView(MonthPage* page, QLineEdit* dayEntry, MonthShell& host, MonthSettings& settings,
                     const Clock& clock, Dialogs& dialogs, ScheduleBook& book)
    : QObject(page), m_page(page), m_dayEntry(dayEntry), m_host(host), m_settings(settings), m_clock(clock),
      m_dialogs(dialogs), m_book(book), m_grid(new TSeMCal(host.today(), book, page->gridPanel())),
      m_stores(host, dialogs, book, settings.CaFT) {
    m_grid->setObjectName("SeMCal1");
    // The main window's grid: bold dates, five lines a day, the header sized by the grid's own rule.
    m_grid->setIsFontBold(true);
    m_grid->setItemGyo(5);
    m_grid->setSelfSize(true);
    m_page->gridPanel()->layout()->addWidget(m_grid);
    wireNavigation();
    wireEntries();
    wireGrid();
    useScheduleDialog();
}

void MonthView::useScheduleDialog() {
    // The dialog opens where it was last closed; the settings keep that place as fmDayLeft and fmDayTop.
    // The dialog is made at its first use, which keeps it out of the start-up time.
    auto shown = [this](auto edit) {
        if (!m_dialog)
            m_dialog = new ScheduleDialog(m_dialogs, m_clock, m_page->window());
        m_dialog->setLastPosition({m_settings.fmDayLeft, m_settings.fmDayTop});
        auto result = edit();
        m_settings.fmDayLeft = m_dialog->lastPosition().x();
        m_settings.fmDayTop = m_dialog->lastPosition().y();
        return result;
    };
    editDay = [this, shown](int32_t day, const DaySchedule& schedule) {
        return shown([&] { return m_dialog->editDay(day, schedule, namesOf(day)); });
    };
    editPeriod = [this, shown](const PeriodFields& period, bool isNew) {
        return shown([&] { return m_dialog->editPeriod(period, isNew); });
    };
    editAnniversary = [this, shown](int32_t day, const Anniversary& anniversary) {
        return shown([&] { return m_dialog->editAnniversary(day, anniversary, namesOf(day)); });
    };
}

void MonthView::reportUnwrittenEdit(SaveReport& report) const {
    if (const auto edit = m_dialog ? m_dialog->unwrittenEdit() : std::nullopt)
        AddUnwrittenEdit(report, *edit, m_host.dataFolder());
}

DayNameList MonthView::namesOf(int32_t day) const {
    const CalendarDate date = DecodeJuliusDay(day);
    return m_grid->grid().rules().DayNames(date.year, date.month, date.day);
}

void MonthView::finishInitialisation() {
    MonthGrid& grid = m_grid->grid();
    {
        // One full redraw at the end instead of one per changed property.
        const RedrawSuspension suspended(grid.state());
        grid.setToday(m_host.today());
        // Without "Hday.dat" in the current directory the built-in rules stay, so the holidays always show.
        m_book.setHolidays(BuiltinHolidayList());
        followSettings();
        for (const std::string& message : m_book.readRuleFiles())
            m_dialogs.inform(message);
        m_grid->Redraw();
    }
    showCurrentMonth();
}

bool MonthView::followSettings() {
    const bool nextDayChanged = m_grid->AutoFurikae() != m_settings.cbNextDay;
    const int lines = m_settings.udCalSize == 0 ? 3 : 5;
    const bool linesChanged = m_grid->ItemGyo() != lines;
    {
        const RedrawSuspension suspended(m_grid->grid().state());
        m_grid->setAutoFurikae(m_settings.cbNextDay);
        m_grid->setAutoKokumin(m_settings.cbNextDay);
        m_grid->setNeighborJump(m_settings.cbNeighborJump);
        m_grid->setIsFontBold(m_settings.cbBold);
        m_grid->setShowRokuyo(m_settings.cbRokuyo);
        m_grid->setShowSolarTerms(m_settings.cbSekki);
        m_grid->setShowAlmanacMarks(m_settings.cbRekichu);
        m_grid->setItemGyo(lines);
    }
    m_grid->Redraw();
    if (nextDayChanged)
        emit dayRulesChanged();
    return linesChanged;
}

void MonthView::wireNavigation() {
    const MonthPageButtons& buttons = m_page->buttons();
    for (const auto& [button, months] : {std::pair{buttons.previousMonth, -1}, std::pair{buttons.nextMonth, +1},
                                         std::pair{buttons.previousYear, -12}, std::pair{buttons.nextYear, +12}})
        connect(button, &QPushButton::clicked, this, [this, months = months] { step(months); });
    connect(buttons.thisMonth, &QPushButton::clicked, this, &MonthView::showCurrentMonth);
    connect(buttons.standardDisplay, &QPushButton::clicked, this, [this] {
        toggleYearMonthEntry(false);
        m_stores.navigator().standardDisplay();
        showSlot();
    });
    connect(m_page->monthTabs(), &QTabBar::currentChanged, this, [this](int tab) {
        {
            const RedrawSuspension suspended(m_grid->grid().state());
            m_stores.navigator().chooseTab(tab, m_host.today());
        }
        showSlot();
    });
    // Window-wide, so that a focused tab bar does not take them; a shortcut of the month page is live only while
    // the page shows, and toggleYearMonthEntry switches them off while the year-month entry is open.
    auto shortcut = [this](QKeySequence keys, std::function<void()> action) {
        m_monthKeys.push_back(new QShortcut(keys, m_page, nullptr, nullptr, Qt::WindowShortcut));
        connect(m_monthKeys.back(), &QShortcut::activated, this, std::move(action));
    };
    shortcut(Qt::CTRL | Qt::Key_Right, [this] { step(+1); });
    shortcut(Qt::CTRL | Qt::Key_Left, [this] { step(-1); });
    shortcut(Qt::CTRL | Qt::Key_Up, [this] { showCurrentMonth(); });
    shortcut(Qt::CTRL | Qt::Key_Down, [this] { showDayEntry(); });
    shortcut(Qt::CTRL | Qt::Key_L, [this] { showDayEntry(); });
}

void MonthView::wireEntries() {
    connect(m_page->buttons().yearMonth, &QPushButton::clicked, this,
            [this] { toggleYearMonthEntry(!m_page->yearMonthEntry()->isVisible()); });
    connect(m_page->yearMonthEntry(), &QLineEdit::returnPressed, this, [this] {
        const std::string text = m_page->yearMonthEntry()->text().toStdString();
        const auto result = m_stores.navigator().typedMonth(text);
        if (result != MonthNavigator::JumpResult::Refused) {
            toggleYearMonthEntry(false);
            showSlot();
        }
    });
    m_dayEntry->installEventFilter(
        new KeyFilter(this, [this](const QKeyEvent& event) { return dayEntryKey(event.key()); }));
    // Enter on the grid opens its current day.
    m_grid->installEventFilter(new KeyFilter(this, [this](const QKeyEvent& event) {
        if (!isEnter(event) || (event.modifiers() & ~Qt::KeypadModifier))
            return false;
        openDay(m_grid->grid().JuliusDay());
        return true;
    }));
}

void MonthView::toggleYearMonthEntry(bool show) {
    QLineEdit* entry = m_page->yearMonthEntry();
    QPushButton* button = m_page->buttons().yearMonth;
    if (show == entry->isVisible())
        return;
    for (QShortcut* key : m_monthKeys)
        key->setEnabled(!show);
    if (show) {
        const MonthSlot& slot = m_stores.navigator().shown();
        entry->setText(QString::asprintf("%.4d%.2d", slot.year, slot.month));
        entry->show();
        entry->setFocus();
        button->setText(QStringLiteral("Cancel"));
        emit hintShown(QString::fromUtf8(kTypedMonthHint));
    } else {
        entry->hide();
        button->setText(QString::fromUtf8(kYearMonthCaption));
        emit hintClosed();
        m_grid->setFocus();
    }
}

void MonthView::showDayEntry() {
    m_dayEntry->clear();
    m_dayEntry->show();
    m_dayEntry->setFocus();
}

bool MonthView::dayEntryKey(int key) {
    if (key == Qt::Key_Escape) {
        m_dayEntry->hide();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    const std::string text = m_dayEntry->text().toStdString();
    m_dayEntry->clear();
    m_dayEntry->hide();
    m_grid->setFocus();
    if (const auto day = m_stores.navigator().typedDay(text)) {
        const MonthSlot& slot = m_stores.navigator().shown();
        openDay(EncodeJuliusDay(slot.year, slot.month, *day));
    }
    return true;
}

void MonthView::step(int months) {
    toggleYearMonthEntry(false);
    m_stores.navigator().stepMonths(months);
    showSlot();
}

bool MonthView::jumpToMonth(std::string_view yyyymm) {
    toggleYearMonthEntry(false);
    if (m_stores.navigator().jump(yyyymm) == MonthNavigator::JumpResult::Refused)
        return false;
    showSlot();
    return true;
}

void MonthView::setToday(int32_t day) {
    m_grid->grid().setToday(day);
}

void MonthView::redraw() {
    m_grid->RedrawCells();
}

void MonthView::showCurrentMonth() {
    toggleYearMonthEntry(false);
    m_stores.navigator().thisMonth(m_host.today());
    showSlot();
    m_grid->setFocus();
}

void MonthView::showSlot() {
    const MonthNavigator& navigator = m_stores.navigator();
    QStringList labels;
    for (const auto& label : navigator.tabLabels())
        labels << QString::fromStdString(label);
    m_page->monthTabs()->setLabels(labels, navigator.selectedTab());
    const MonthSlot& slot = navigator.shown();
    MonthGrid& grid = m_grid->grid();
    const int32_t today = m_host.today();
    const CalendarDate now = DecodeJuliusDay(today);
    // A period selected in another month is out of sight, so 削除 no longer offers it.
    if (grid.Year() != slot.year || grid.Month() != slot.month)
        grid.state().selectedPeriod = 0;
    // The shown month opens on today when it holds today, else on its first day.
    grid.goToYearMonth(slot.year, slot.month, slot.year == now.year && slot.month == now.month ? now.day : 1);
    m_grid->setCurrentTab(navigator.currentSlot());
}

} // namespace rekko
