// SPDX-License-Identifier: GPL-3.0-or-later
// The period page.
#include "PeriodPage.h"

#include "controls/ui/LosslessText.h"
#include "controls/ui/UpDownButtons.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <algorithm>

namespace rekko {

namespace {

constexpr std::array<const char*, 3> kPartNames = {"朝", "昼", "夕"};
constexpr std::array<DateField, 3> kDateFields = {DateField::Year, DateField::Month, DateField::Day};

// Puts a numeric box and its up-down side by side.
QWidget* withUpDown(TSeNEdit* box, UpDownButtons* upDown) {
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(box);
    layout->addWidget(upDown);
    return pair;
}

} // namespace

PeriodPage::PeriodPage(QWidget* parent)
    : QWidget(parent), m_pnlKikan(new QLabel(this)), m_thickness(new TSeNEdit(1)), m_colour(new ColourField),
      m_description(new TSeEdit) {
    setObjectName("tsKikan");
    auto* grid = new QGridLayout(this);
    m_pnlKikan->setObjectName("pnlKikan");
    m_pnlKikan->setFrameShape(QFrame::Panel);
    m_pnlKikan->setFrameShadow(QFrame::Sunken);
    m_pnlKikan->setAlignment(Qt::AlignCenter);
    m_pnlKikan->setMinimumWidth(48);
    grid->addWidget(m_pnlKikan, 0, 0, 2, 1);
    const std::array<const char*, 3> captions = {"開始", "終了", "記入日"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QString::fromUtf8(captions[static_cast<size_t>(row)])), row, 1);
        grid->addWidget(buildDateRow(row), row, 2);
        if (row < 2)
            grid->addWidget(buildPartList(row), row, 3);
    }

    m_thickness->setObjectName("edtFutosa");
    m_thickness->setFixedWidth(32);
    auto* thicknessUpDown = new UpDownButtons;
    thicknessUpDown->setObjectName("udFutosa");
    connect(thicknessUpDown, &UpDownButtons::stepped, this,
            [this](int step) { m_thickness->setValue(std::clamp(m_thickness->value(1) + step, 1, 3)); });
    m_colour->swatch()->setObjectName("edtColor");
    m_colour->changeButton()->setObjectName("btnColor");
    auto* lineRow = new QHBoxLayout;
    lineRow->addWidget(new QLabel(QString::fromUtf8("太さ")));
    lineRow->addWidget(withUpDown(m_thickness, thicknessUpDown));
    lineRow->addSpacing(12);
    lineRow->addWidget(new QLabel(QString::fromUtf8("色")));
    lineRow->addWidget(m_colour);
    lineRow->addStretch();
    grid->addLayout(lineRow, 3, 1, 1, 3);

    m_description->setObjectName("SeEdit4");
    grid->addWidget(new QLabel(QString::fromUtf8("内容")), 4, 1);
    grid->addWidget(m_description, 4, 2, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    linkNeighbours();
}

QWidget* PeriodPage::buildDateRow(int row) {
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const std::array<const char*, 3> names = {"edtYear_%1", "edtMonth_%1", "edtDay_%1"};
    const std::array<const char*, 3> units = {"年", "月", "日"};
    for (size_t field = 0; field < 3; ++field) {
        auto* box = new TSeNEdit(field == 0 ? 4 : 2);
        box->setObjectName(QString::fromUtf8(names[field]).arg(row + 1));
        box->setFixedWidth(field == 0 ? 48 : 32);
        box->setIsReturnNext(true);
        auto* upDown = new UpDownButtons;
        connect(upDown, &UpDownButtons::stepped, this, [this, row, field](int step) {
            PeriodDate date = dateOf(row);
            StepDateField(date, kDateFields[field], step);
            showDate(row, date);
        });
        layout->addWidget(withUpDown(box, upDown));
        layout->addWidget(new QLabel(QString::fromUtf8(units[field])));
        m_rows[static_cast<size_t>(row)].fields[field] = box;
    }
    layout->addStretch();
    return widget;
}

QComboBox* PeriodPage::buildPartList(int row) {
    auto* list = new QComboBox;
    list->setObjectName(QString("cbJikan_%1").arg(row + 1));
    for (const char* name : kPartNames)
        list->addItem(QString::fromUtf8(name));
    m_parts[static_cast<size_t>(row)] = list;
    return list;
}

void PeriodPage::linkNeighbours() {
    for (size_t row = 0; row < 3; ++row) {
        for (size_t field = 0; field < 3; ++field) {
            TSeNEdit* box = m_rows[row].fields[field];
            box->setKeyLeftNext(field > 0 ? m_rows[row].fields[field - 1] : nullptr);
            box->setKeyRightNext(field < 2 ? m_rows[row].fields[field + 1] : nullptr);
            box->setKeyUpNext(row > 0 ? m_rows[row - 1].fields[field] : nullptr);
            box->setKeyDownNext(row < 2 ? static_cast<QWidget*>(m_rows[row + 1].fields[field]) : m_thickness);
        }
    }
    m_thickness->setKeyUpNext(m_rows[2].fields[0]);
    m_thickness->setKeyDownNext(m_description);
    m_description->setKeyUpNext(m_thickness);
}

PeriodDate PeriodPage::dateOf(int row) const {
    const auto& fields = m_rows[static_cast<size_t>(row)].fields;
    return {fields[0]->value(0), fields[1]->value(0), fields[2]->value(0)};
}

void PeriodPage::showDate(int row, const PeriodDate& date) {
    const auto& fields = m_rows[static_cast<size_t>(row)].fields;
    fields[0]->setValue(date.year);
    fields[1]->setValue(date.month);
    fields[2]->setValue(date.day);
}

void PeriodPage::setPeriod(const PeriodFields& period, bool isNew) {
    m_pnlKikan->setText(QString::fromUtf8(isNew ? "追加" : "修正"));
    showDate(0, period.start);
    showDate(1, period.end);
    showDate(2, period.label);
    m_parts[0]->setCurrentIndex(static_cast<int>(period.startPart));
    m_parts[1]->setCurrentIndex(static_cast<int>(period.endPart));
    m_thickness->setValue(std::clamp(period.thickness, 1, 3));
    m_colour->setColour(period.colour);
    m_description->setText(ToQString(period.text));
}

PeriodFields PeriodPage::period() const {
    PeriodFields period;
    period.start = dateOf(0);
    period.end = dateOf(1);
    period.label = dateOf(2);
    period.startPart = static_cast<DayPart>(m_parts[0]->currentIndex());
    period.endPart = static_cast<DayPart>(m_parts[1]->currentIndex());
    period.thickness = std::clamp(m_thickness->value(1), 1, 3);
    period.colour = m_colour->colour();
    period.text = FromQString(m_description->text());
    return period;
}

void PeriodPage::keepLabelInside() {
    PeriodFields fields = period();
    KeepLabelInsidePeriod(fields);
    showDate(2, fields.label);
}

} // namespace rekko
