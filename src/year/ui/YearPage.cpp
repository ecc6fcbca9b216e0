// SPDX-License-Identifier: GPL-3.0-or-later
// The year page: building its controls, showing a year, the calendar clicks and the stored values.
#include "YearPage.h"

#include "controls/ui/ColourConversion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr TColor kYearTodayColor = 0x81FE8A;
constexpr int kCalendarWidth = 184;
constexpr int kCalendarHeight = 125;
constexpr int kCalendarColumns = 4;

} // namespace

YearPage::YearPage(const Clock& clock, Dialogs& dialogs, MonthJump& jump, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_controller(dialogs, jump) {
    setObjectName("tsYear");
    m_c.tsNisuu = new DayCountPage(dialogs);
    auto* layout = new QVBoxLayout(this);
    buildTop();
    auto* top = new QHBoxLayout;
    top->addWidget(m_c.FramSpeedBtn7);
    top->addWidget(m_c.edtYear);
    top->addWidget(m_c.udYear);
    top->addWidget(new QLabel(QStringLiteral("年")));
    top->addWidget(m_c.FramSpeedBtn8);
    top->addWidget(m_c.FramSpeedBtn16);
    top->addSpacing(16);
    top->addWidget(m_c.lblYM);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(buildCalendars(), 1);
    m_c.pcNen = new QTabWidget;
    m_c.pcNen->setObjectName("pcNen");
    m_c.pcNen->addTab(buildStandardPage(), QStringLiteral("標準"));
    m_c.pcNen->addTab(m_c.tsNisuu, QStringLiteral("日数計算"));
    layout->addWidget(m_c.pcNen);
    showYear(YearAtStart(FirstMonthRule::Standard, 1, DecodeJuliusDay(today())));
}

void YearPage::buildTop() {
    m_c.FramSpeedBtn7 = new QPushButton(QStringLiteral("前年"));
    m_c.FramSpeedBtn7->setObjectName("FramSpeedBtn7");
    m_c.FramSpeedBtn8 = new QPushButton(QStringLiteral("翌年"));
    m_c.FramSpeedBtn8->setObjectName("FramSpeedBtn8");
    m_c.FramSpeedBtn16 = new QPushButton(QStringLiteral("変更実行"));
    m_c.FramSpeedBtn16->setObjectName("FramSpeedBtn16");
    m_c.edtYear = new TSeNEdit(4);
    m_c.edtYear->setObjectName("edtYear");
    m_c.edtYear->setFixedWidth(52);
    m_c.udYear = new UpDownButtons;
    m_c.udYear->setObjectName("udYear");
    m_c.lblYM = new QLabel;
    m_c.lblYM->setObjectName("lblYM");
    QFont span = m_c.lblYM->font();
    span.setPointSize(12);
    span.setBold(true);
    m_c.lblYM->setFont(span);

    connect(m_c.FramSpeedBtn7, &QPushButton::clicked, this, [this] { showYear(m_controller.year() - 1); });
    connect(m_c.FramSpeedBtn8, &QPushButton::clicked, this, [this] { showYear(m_controller.year() + 1); });
    connect(m_c.udYear, &UpDownButtons::stepped, this, [this](int step) { showYear(m_controller.year() + step); });
    connect(m_c.FramSpeedBtn16, &QPushButton::clicked, this, &YearPage::applyTypedYear);
    connect(m_c.edtYear, &QLineEdit::returnPressed, this, &YearPage::applyTypedYear);
    // A typed year waits for "変更実行", whose text is black until the year is shown.
    connect(m_c.edtYear, &QLineEdit::textEdited, this, [this] { m_c.FramSpeedBtn16->setPalette(QPalette()); });
}

QWidget* YearPage::buildCalendars() {
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const int32_t now = today();
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel;
        label->setObjectName(QString("Label%1").arg(i + 1));
        QFont font = label->font();
        font.setPointSize(11);
        font.setBold(true);
        label->setFont(font);
        auto* calendar = new TSeMCalendar(now);
        calendar->setObjectName(QString("SeMCalendar%1").arg(i + 1));
        calendar->resize(kCalendarWidth, kCalendarHeight);
        calendar->setColorToDay(ToQColor(kYearTodayColor, palette()));
        calendar->setNeighborJump(false);
        calendar->setIsCursor(false);
        calendar->Fonts()->setSynchronize(true);
        connect(calendar, &TMonthlyCalendar::clicked, this, [this, i](bool taken) { calendarClicked(i, taken); });
        // A key can move a calendar to another month; its label follows.
        connect(calendar, &TCustomCalendarEx::OnDayChange, label,
                [label](int, int month, int) { label->setText(QString::number(month)); });
        connect(calendar, &TMonthlyCalendar::refused, this,
                [this](const QString& message) { m_controller.showError(message.toStdString()); });
        const int row = i / kCalendarColumns * 2;
        const int column = i % kCalendarColumns;
        grid->addWidget(label, row, column);
        grid->addWidget(calendar, row + 1, column);
        grid->setRowStretch(row + 1, 1);
        m_c.Label[static_cast<size_t>(i)] = label;
        m_c.SeMCalendar[static_cast<size_t>(i)] = calendar;
    }
    return area;
}

QWidget* YearPage::buildStandardPage() {
    m_c.tsNen = new QWidget;
    m_c.tsNen->setObjectName("tsNen");
    auto* group = new QGroupBox(QStringLiteral("表示"));
    group->setObjectName("rgYFirstMonth");
    auto* choices = new QHBoxLayout(group);
    const std::array<const char*, 3> captions = {"標準", "年度", "特別"};
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(captions[i]));
        choices->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &YearPage::firstMonthChosen);
        m_c.rgYFirstMonth[i] = button;
    }
    m_c.rgYFirstMonth[0]->setChecked(true);
    m_c.SpHajimariTuki = new QSpinBox;
    m_c.SpHajimariTuki->setObjectName("SpHajimariTuki");
    m_c.SpHajimariTuki->setRange(1, 12);
    m_c.SpHajimariTuki->setSuffix(QStringLiteral("月から"));
    choices->addWidget(m_c.SpHajimariTuki);
    connect(m_c.SpHajimariTuki, &QSpinBox::valueChanged, this, &YearPage::firstMonthChosen);
    auto* layout = new QHBoxLayout(m_c.tsNen);
    layout->addWidget(group);
    layout->addStretch();
    return m_c.tsNen;
}

int32_t YearPage::today() const {
    return DateTimeToJuliusDay(m_clock.now());
}

void YearPage::showYear(int32_t year) {
    m_controller.setYear(year);
    const std::array<YearMonth, 12> span = m_controller.span();
    for (size_t i = 0; i < span.size(); ++i) {
        m_c.SeMCalendar[i]->setJuliusDay(EncodeJuliusDay(span[i].year, span[i].month, 1));
        m_c.Label[i]->setText(QString::number(span[i].month));
    }
    m_c.lblYM->setText(QString::fromStdString(SpanLabel(span)));
    m_c.edtYear->setValue(m_controller.year());
    QPalette shown;
    shown.setColor(QPalette::ButtonText, Qt::gray);
    m_c.FramSpeedBtn16->setPalette(shown);
}

void YearPage::showYearAtStart(int32_t day) {
    showYear(YearAtStart(m_controller.rule(), m_controller.specialMonth(), DecodeJuliusDay(day)));
}

void YearPage::applyTypedYear() {
    m_controller.applyTypedYear(m_c.edtYear->text().toStdString());
    showYear(m_controller.year());
}

void YearPage::firstMonthChosen() {
    FirstMonthRule rule = FirstMonthRule::Standard;
    for (size_t i = 0; i < m_c.rgYFirstMonth.size(); ++i)
        if (m_c.rgYFirstMonth[i]->isChecked())
            rule = FirstMonthRuleOf(static_cast<int>(i));
    m_controller.setFirstMonth(rule, m_c.SpHajimariTuki->value());
    showYear(m_controller.year());
}

void YearPage::calendarClicked(int index, bool dayTaken) {
    TSeMCalendar* calendar = m_c.SeMCalendar[static_cast<size_t>(index)];
    if (m_c.pcNen->currentWidget() == m_c.tsNisuu) {
        if (dayTaken)
            m_c.tsNisuu->takeClick(calendar->JuliusDay());
        return;
    }
    const int32_t year = calendar->Year();
    const int month = calendar->Month();
    // Answering No leaves the page as it was, the calendar on the 1st of its month.
    if (!m_controller.offerMonthView(year, month))
        calendar->setJuliusDay(EncodeJuliusDay(year, month, 1));
}

void YearPage::apply(const YearPageSettings& settings) {
    const FirstMonthRule rule = FirstMonthRuleOf(settings.rgYFirstMonth);
    const QSignalBlocker blocker(m_c.SpHajimariTuki);
    m_c.SpHajimariTuki->setValue(settings.SpHajimariTuki);
    m_c.rgYFirstMonth[static_cast<size_t>(rule)]->setChecked(true);
    m_controller.setFirstMonth(rule, settings.SpHajimariTuki);
    m_c.tsNisuu->setMethod(DayCountMethodOf(settings.rgNissuu));
    m_c.tsNisuu->setAutomatic(settings.cbKeisan);
    m_c.pcNen->setCurrentIndex(settings.pcNen == 1 ? 1 : 0);
    showYear(m_controller.year());
}

YearPageSettings YearPage::settings() const {
    YearPageSettings settings;
    settings.rgYFirstMonth = static_cast<int>(m_controller.rule());
    settings.SpHajimariTuki = m_c.SpHajimariTuki->value();
    settings.rgNissuu = static_cast<int>(m_c.tsNisuu->method());
    settings.cbKeisan = m_c.tsNisuu->automatic();
    settings.pcNen = m_c.pcNen->currentIndex();
    return settings;
}

void YearPage::setRules(const DayRules& rules, bool nextDay) {
    for (TSeMCalendar* calendar : m_c.SeMCalendar) {
        calendar->takeRuleLists(rules);
        calendar->setAutoFurikae(nextDay);
        calendar->setAutoKokumin(nextDay);
    }
}

void YearPage::setShowRokuyo(bool on) {
    for (TSeMCalendar* calendar : m_c.SeMCalendar)
        calendar->setShowRokuyo(on);
}

void YearPage::setShowSolarTerms(bool on) {
    for (TSeMCalendar* calendar : m_c.SeMCalendar)
        calendar->setShowSolarTerms(on);
}

void YearPage::refreshToday() {
    const int32_t now = today();
    for (TSeMCalendar* calendar : m_c.SeMCalendar) {
        calendar->model().setToday(now);
        calendar->Redraw();
    }
}

void YearPage::startDayCount(int32_t day) {
    m_c.tsNisuu->setDate(DateSlot::Start, day);
    m_c.tsNisuu->setDate(DateSlot::End, day);
    m_c.tsNisuu->compute();
}

void YearPage::showDayCount() {
    m_c.pcNen->setCurrentWidget(m_c.tsNisuu);
    m_c.tsNisuu->selectSlot(DateSlot::Start);
}

} // namespace rekko
