// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog.
#include "ScheduleDialog.h"

#include "controls/ui/ColourConversion.h"
#include "controls/ui/LosslessText.h"
#include "platform/InstanceRegistry.h"
#include "platform/ui/LocalInstance.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr const char* kCaption = "予定";

} // namespace

ScheduleDialog::ScheduleDialog(Dialogs& dialogs, const Clock& clock, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_dayPage(new DayPage(clock, DialogColourChooser(this))),
      m_periodPage(new PeriodPage), m_anniversaryPage(new AnniversaryPage), m_pages(new QStackedWidget),
      m_heading(new QWidget), m_dateLine(new QLabel), m_weekdayLine(new QLabel), m_names(new QLabel) {
    setObjectName("fmDay");
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(420, 300);

    m_dateLine->setObjectName("lblDate");
    QFont dateFont = m_dateLine->font();
    dateFont.setPointSize(dateFont.pointSize() + 4);
    dateFont.setBold(true);
    m_dateLine->setFont(dateFont);
    m_weekdayLine->setObjectName("lblYoubi");
    m_names->setObjectName("ImgSaijitu");
    m_names->setAlignment(Qt::AlignCenter);
    m_names->setAutoFillBackground(true);
    m_names->setBackgroundRole(QPalette::Button);
    m_names->setTextFormat(Qt::RichText);
    auto* headingLayout = new QVBoxLayout(m_heading);
    headingLayout->setContentsMargins(0, 0, 0, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addStretch();
    dateRow->addWidget(m_dateLine);
    dateRow->addWidget(m_weekdayLine);
    dateRow->addStretch();
    headingLayout->addLayout(dateRow);
    headingLayout->addWidget(m_names);

    m_pages->setObjectName("PageControl1");
    m_pages->addWidget(m_dayPage);
    m_pages->addWidget(m_periodPage);
    m_pages->addWidget(m_anniversaryPage);

    auto* writeButton = new QPushButton(QString::fromUtf8("書込／閉じる(&W)"));
    writeButton->setObjectName("btnKakikomi");
    auto* cancelButton = new QPushButton(QString::fromUtf8("キャンセル(&Q)"));
    cancelButton->setObjectName("btnCancel");
    for (QPushButton* button : {writeButton, cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(writeButton, &QPushButton::clicked, this, &ScheduleDialog::write);
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        QDialog::reject();
    });
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &ScheduleDialog::write);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(writeButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
}

ScheduleDialog::~ScheduleDialog() = default;

void ScheduleDialog::setNameColours(const QColor& holiday, const QColor& special) {
    m_holidayColour = holiday;
    m_specialColour = special;
}

void ScheduleDialog::setColourChooser(const ColourChooser& chooser) {
    m_dayPage->setColourChooser(chooser);
    m_periodPage->setColourChooser(chooser);
}

void ScheduleDialog::begin(ScheduleMode mode) {
    m_mode = mode;
    m_cancelled = false;
    m_writeFlag = false;
    m_pages->setCurrentIndex(static_cast<int>(mode));
    m_heading->setVisible(mode != ScheduleMode::Period);
}

void ScheduleDialog::showHeading(int32_t jd, const DayNameList& names) {
    m_dateLine->setText(QString::fromStdString(DateLineOf(jd)));
    const WeekdayLine weekday = WeekdayLineOf(jd);
    m_weekdayLine->setText(QString::fromStdString(weekday.text));
    QPalette palette = m_weekdayLine->palette();
    palette.setColor(QPalette::WindowText, ToQColor(weekday.colour, palette));
    m_weekdayLine->setPalette(palette);
    QString strip;
    for (const HeadingPart& part : HeadingParts(names))
        strip += QString("<span style=\"color:%1\">%2</span>")
                     .arg((part.special ? m_specialColour : m_holidayColour).name(),
                          ToQString(part.text).toHtmlEscaped().replace(" ", "&nbsp;"));
    m_names->setText(strip.isEmpty() ? QString("&nbsp;") : strip);
}

void ScheduleDialog::loadDay(int32_t jd, const DaySchedule& schedule, const DayNameList& names) {
    begin(ScheduleMode::Day);
    m_jd = jd;
    showHeading(jd, names);
    m_dayPage->setDay(schedule);
    m_dayPage->editor()->setFocus();
}

void ScheduleDialog::loadPeriod(const PeriodFields& period, bool isNew) {
    begin(ScheduleMode::Period);
    m_periodPage->setPeriod(period, isNew);
    m_loadedPeriod = m_periodPage->period();
    m_periodPage->description()->setFocus();
}

void ScheduleDialog::loadAnniversary(int32_t jd, const Anniversary& anniversary, const DayNameList& names) {
    begin(ScheduleMode::Anniversary);
    m_jd = jd;
    showHeading(jd, names);
    m_anniversaryPage->setAnniversary(anniversary);
    m_anniversaryPage->text()->setFocus();
}

std::optional<DaySchedule> ScheduleDialog::editDay(int32_t jd, const DaySchedule& schedule, const DayNameList& names) {
    loadDay(jd, schedule, names);
    exec();
    return m_writeFlag ? std::optional(daySchedule()) : std::nullopt;
}

std::optional<PeriodFields> ScheduleDialog::editPeriod(const PeriodFields& period, bool isNew) {
    loadPeriod(period, isNew);
    exec();
    return m_writeFlag ? std::optional(this->period()) : std::nullopt;
}

std::optional<Anniversary> ScheduleDialog::editAnniversary(int32_t jd, const Anniversary& anniversary,
                                                           const DayNameList& names) {
    loadAnniversary(jd, anniversary, names);
    exec();
    return m_writeFlag ? std::optional(this->anniversary()) : std::nullopt;
}

bool ScheduleDialog::textModified() const {
    if (m_mode == ScheduleMode::Anniversary)
        return m_anniversaryPage->textChanged();
    return m_dayPage->editor()->document()->isModified();
}

std::optional<ScheduleEdit> ScheduleDialog::unwrittenEdit() const {
    if (!isVisible())
        return std::nullopt;
    const bool changed =
        m_mode == ScheduleMode::Period
            ? period() != m_loadedPeriod
            : WriteOnClose(m_mode, textModified(),
                           m_mode == ScheduleMode::Anniversary && m_anniversaryPage->yearsChanged(), false);
    if (!changed)
        return std::nullopt;
    ScheduleEdit edit{.mode = m_mode, .jd = m_jd};
    switch (m_mode) {
    case ScheduleMode::Day:
        edit.day = daySchedule();
        break;
    case ScheduleMode::Period:
        edit.period = period();
        break;
    case ScheduleMode::Anniversary:
        edit.anniversary = anniversary();
        break;
    }
    return edit;
}

std::vector<std::string> ScheduleDialog::textsToStore() const {
    switch (m_mode) {
    case ScheduleMode::Day:
        return daySchedule().lines;
    case ScheduleMode::Period:
        return {period().text};
    case ScheduleMode::Anniversary:
        break;
    }
    const Anniversary edited = anniversary();
    return {edited.text, edited.firstYear, edited.lastYear};
}

void ScheduleDialog::write() {
    if (m_mode == ScheduleMode::Period) {
        if (PeriodReversed(period())) {
            m_dialogs.inform(kReversedPeriodMessage);
            return;
        }
        m_periodPage->keepLabelInside();
    }
    const bool yearsChanged = m_mode == ScheduleMode::Anniversary && m_anniversaryPage->yearsChanged();
    if (WriteOnClose(m_mode, textModified(), yearsChanged, false)) {
        const std::vector<std::string> texts = textsToStore();
        if (const auto refusal = FindUnstorableText(texts)) {
            m_dialogs.inform(refusal->message);
            selectUnstorable(*refusal, texts[refusal->text]);
            return;
        }
    }
    accept();
}

void ScheduleDialog::selectUnstorable(const UnstorableText& found, std::string_view text) {
    // The editors count in UTF-16 units, the finding in UTF-8 bytes.
    const auto from = static_cast<int>(ToQString(text.substr(0, found.offset)).size());
    const auto length = static_cast<int>(ToQString(text.substr(found.offset, found.length)).size());
    if (m_mode == ScheduleMode::Day) {
        LineColourEditor* editor = m_dayPage->editor();
        const int start = editor->document()->findBlockByNumber(static_cast<int>(found.text)).position() + from;
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        editor->setFocus();
        return;
    }
    // The period's description and the anniversary's text come first; the year fields hold digits only.
    if (found.text != 0)
        return;
    QLineEdit* field = m_mode == ScheduleMode::Period ? static_cast<QLineEdit*>(m_periodPage->description())
                                                      : static_cast<QLineEdit*>(m_anniversaryPage->text());
    field->setFocus();
    field->setSelection(from, length);
}

void ScheduleDialog::reject() {
    if (!ConfirmCancel(m_dialogs))
        return;
    m_cancelled = true;
    QDialog::reject();
}

void ScheduleDialog::showEvent(QShowEvent* event) {
    if (!m_lastPosition.isNull())
        move(m_lastPosition);
    // While shown the dialog answers a second start under the title the single-instance rule looks for.
    setWindowTitle(QString::fromUtf8(kScheduleDialogTitle));
    m_endpoint = std::make_unique<InstanceEndpoint>(kScheduleDialogTitle);
    connect(m_endpoint.get(), &InstanceEndpoint::woken, this, [this] {
        raise();
        activateWindow();
    });
    QDialog::showEvent(event);
}

void ScheduleDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // Showing gives the focus widget a tab focus, which selects a line edit's whole text.
    if (visible && m_mode == ScheduleMode::Anniversary)
        m_anniversaryPage->text()->end(false);
}

void ScheduleDialog::done(int result) {
    m_lastPosition = pos();
    const bool yearsChanged = m_mode == ScheduleMode::Anniversary && m_anniversaryPage->yearsChanged();
    m_writeFlag = WriteOnClose(m_mode, textModified(), yearsChanged, m_cancelled);
    if (m_mode == ScheduleMode::Day)
        m_dayPage->rememberCaret();
    m_endpoint.reset();
    setWindowTitle(QString::fromUtf8(kCaption));
    QDialog::done(result);
}

} // namespace rekko
