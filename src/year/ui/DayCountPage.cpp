// SPDX-License-Identifier: GPL-3.0-or-later
// The day-count sub-page: date rows, the click flow and the count.
#include "DayCountPage.h"

#include "calendar/Julius.h"
#include "schedule/DateFieldStep.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr std::array<DateField, 3> kDateFields = {DateField::Year, DateField::Month, DateField::Day};

PeriodDate dateIn(const std::array<TSeNEdit*, 3>& boxes) {
    return {boxes[0]->value(0), boxes[1]->value(1), boxes[2]->value(1)};
}

void showDate(const std::array<TSeNEdit*, 3>& boxes, const PeriodDate& date) {
    boxes[0]->setValue(date.year);
    boxes[1]->setValue(date.month);
    boxes[2]->setValue(date.day);
}

} // namespace

DayCountPage::DayCountPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs) {
    setObjectName("tsNisuu");
    m_c.rbSt = new QRadioButton(QStringLiteral("開始日"));
    m_c.rbSt->setObjectName("rbSt");
    m_c.rbSt->setChecked(true);
    m_c.rbEd = new QRadioButton(QStringLiteral("終了日"));
    m_c.rbEd->setObjectName("rbEd");
    // The two selectors sit in different rows, so a group keeps one of them checked.
    auto* selectors = new QButtonGroup(this);
    selectors->addButton(m_c.rbSt);
    selectors->addButton(m_c.rbEd);
    m_c.cbKeisan = new QCheckBox(QStringLiteral("自動計算"));
    m_c.cbKeisan->setObjectName("cbKeisan");
    m_c.cbKeisan->setChecked(true);
    m_c.rgNissuu = new QGroupBox(QStringLiteral("計算方法"));
    m_c.rgNissuu->setObjectName("rgNissuu");
    auto* methods = new QHBoxLayout(m_c.rgNissuu);
    for (const auto& [index, caption] : {std::pair{0, "日数(期間-1)"}, std::pair{1, "期間"}}) {
        auto* button = new QRadioButton(QString::fromUtf8(caption));
        methods->addWidget(button);
        m_c.methods[static_cast<size_t>(index)] = button;
        connect(button, &QRadioButton::clicked, this, [this] {
            if (automatic())
                compute();
        });
    }
    m_c.methods[0]->setChecked(true);
    m_c.btnKeisan = new QPushButton(QStringLiteral("計算実行"));
    m_c.btnKeisan->setObjectName("btnKeisan");
    // The button keeps its room while automatic calculation hides it, so the result box below keeps its width.
    QSizePolicy keepRoom = m_c.btnKeisan->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_c.btnKeisan->setSizePolicy(keepRoom);
    m_c.lblNissuu = new QLabel;
    m_c.lblNissuu->setObjectName("lblNissuu");
    m_c.lblNissuu->setMinimumWidth(110);
    m_c.lblNissuu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_c.lblNissuu->setFrameShape(QFrame::Panel);
    m_c.lblNissuu->setFrameShadow(QFrame::Sunken);
    QFont result = m_c.lblNissuu->font();
    result.setPointSize(14);
    result.setBold(true);
    m_c.lblNissuu->setFont(result);
    m_c.lblHint = new QLabel;
    m_c.lblHint->setObjectName("lblHint");

    auto* dates = new QVBoxLayout;
    dates->addWidget(buildDateRow(0, m_c.rbSt));
    dates->addWidget(buildDateRow(1, m_c.rbEd));
    auto* outcome = new QGridLayout;
    outcome->addWidget(m_c.cbKeisan, 0, 0);
    outcome->addWidget(m_c.btnKeisan, 0, 1);
    outcome->addWidget(m_c.lblNissuu, 1, 0, 1, 2);
    auto* top = new QHBoxLayout;
    top->addLayout(dates);
    top->addWidget(m_c.rgNissuu);
    top->addLayout(outcome);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_c.lblHint);
    layout->addStretch();

    connect(m_c.btnKeisan, &QPushButton::clicked, this, &DayCountPage::compute);
    connect(m_c.cbKeisan, &QCheckBox::toggled, m_c.btnKeisan, &QWidget::setHidden);
    connect(m_c.cbKeisan, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            compute();
    });
    m_c.btnKeisan->setHidden(automatic());
}

QWidget* DayCountPage::buildDateRow(int row, QRadioButton* selector) {
    const DateSlot slot = row == 0 ? DateSlot::Start : DateSlot::End;
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(selector);
    const std::array<const char*, 3> names = {"edtYear_%1", "edtMonth_%1", "edtDay_%1"};
    const std::array<const char*, 3> upDownNames = {"udYear_%1", "udMonth_%1", "udDay_%1"};
    const std::array<const char*, 3> units = {"年", "月", "日"};
    for (size_t field = 0; field < 3; ++field) {
        auto* box = new TSeNEdit(field == 0 ? 4 : 2);
        box->setObjectName(QString::fromUtf8(names[field]).arg(row + 1));
        box->setFixedWidth(field == 0 ? 48 : 32);
        auto* upDown = new UpDownButtons;
        upDown->setObjectName(QString::fromUtf8(upDownNames[field]).arg(row + 1));
        connect(upDown, &UpDownButtons::stepped, this,
                [this, slot, field](int delta) { step(slot, static_cast<int>(field), delta); });
        connect(box, &QLineEdit::returnPressed, this, &DayCountPage::compute);
        layout->addWidget(box);
        layout->addWidget(upDown);
        layout->addWidget(new QLabel(QString::fromUtf8(units[field])));
        fields(slot)[field] = box;
        (slot == DateSlot::Start ? m_c.upDowns1 : m_c.upDowns2)[field] = upDown;
    }
    return widget;
}

void DayCountPage::step(DateSlot slot, int field, int delta) {
    PeriodDate date = dateIn(fields(slot));
    StepDateField(date, kDateFields[static_cast<size_t>(field)], delta);
    showDate(fields(slot), date);
    if (automatic())
        compute();
}

void DayCountPage::setDate(DateSlot slot, int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    showDate(fields(slot), {date.year, date.month, date.day});
}

void DayCountPage::takeClick(int32_t jd) {
    const DayCountClick click = DecideDayCountClick(selectedSlot(), automatic());
    setDate(click.target, jd);
    selectSlot(click.nextSelected);
    m_c.lblHint->setText(click.hint ? QString::fromStdString(*click.hint) : QString());
    if (click.compute)
        compute();
}

void DayCountPage::selectSlot(DateSlot slot) {
    (slot == DateSlot::Start ? m_c.rbSt : m_c.rbEd)->setChecked(true);
}

DateSlot DayCountPage::selectedSlot() const {
    return m_c.rbEd->isChecked() ? DateSlot::End : DateSlot::Start;
}

bool DayCountPage::compute() {
    const auto read = [](const std::array<TSeNEdit*, 3>& boxes) {
        return ReadDayCountDate(boxes[0]->text().toStdString(), boxes[1]->text().toStdString(),
                                boxes[2]->text().toStdString());
    };
    const Result<int32_t> first = read(m_c.date1);
    const Result<int32_t> second = read(m_c.date2);
    for (const Result<int32_t>* date : {&first, &second}) {
        if (!*date) {
            m_c.lblNissuu->clear();
            m_dialogs.inform(date->error().cause);
            return false;
        }
    }
    const int64_t days = DayCount(first.value(), second.value(), method());
    m_c.lblNissuu->setText(QString::fromStdString(DayCountText(days)));
    return true;
}

DayCountMethod DayCountPage::method() const {
    return m_c.methods[1]->isChecked() ? DayCountMethod::Period : DayCountMethod::Days;
}

void DayCountPage::setMethod(DayCountMethod method) {
    m_c.methods[method == DayCountMethod::Period ? 1 : 0]->setChecked(true);
}

bool DayCountPage::automatic() const {
    return m_c.cbKeisan->isChecked();
}

void DayCountPage::setAutomatic(bool on) {
    m_c.cbKeisan->setChecked(on);
    m_c.btnKeisan->setHidden(on);
}

} // namespace rekko
