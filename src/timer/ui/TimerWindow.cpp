// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window's states, bindings and display tick.
#include "TimerWindow.h"

#include "platform/ui/LocalInstance.h"

#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr int kSettingWidth = 782;
constexpr int kWaitingWidth = 515;
constexpr int kDisplayTickMs = 800;
constexpr std::array<TimeField, 3> kTimeFields = {TimeField::Hour, TimeField::Minute, TimeField::Second};

} // namespace

TimerWindow::TimerWindow(const Clock& clock, Dialogs& dialogs, const CountdownTimer& timer, TimerWindowMode mode,
                         QWidget* parent)
    : QDialog(parent), m_controller(clock, dialogs, timer, mode), m_page(new TimerPage(clock)), m_pages(new QTabWidget),
      m_displayTimer(new QTimer(this)) {
    setObjectName("fmNichiji");
    setWindowTitle(QString::fromUtf8(kScheduleDialogTitle));
    m_pages->setObjectName("pcNichiji");
    m_pages->addTab(m_page, QString::fromUtf8(" タイマー "));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_pages);
    m_displayTimer->setInterval(kDisplayTickMs);
    bind();

    const TimerControls& c = controls();
    c.noticeList->setCurrentIndex(m_controller.timer().notice());
    showFields(m_controller.openingFields());
    // The height of the full setting layout holds in every state.
    setFixedHeight(sizeHint().height());
    setWindowModality(Qt::ApplicationModal);
    applyState();
    if (m_controller.state() == TimerWindowState::Alert)
        keepOnTop();
}

TimerWindow::~TimerWindow() = default;

void TimerWindow::bind() {
    const TimerControls& c = controls();
    for (size_t i = 0; i < c.fields.size(); ++i) {
        QLineEdit* field = c.fields[i];
        connect(field, &QLineEdit::textChanged, this, &TimerWindow::fieldsEdited);
        // A field left empty shows 0.
        connect(field, &QLineEdit::editingFinished, this, [field] {
            if (field->text().isEmpty())
                field->setText(QStringLiteral("0"));
        });
        connect(c.upDowns[i], &UpDownButtons::stepped, this,
                [this, i](int step) { showFields(StepSetTimeField(fields(), kTimeFields[i], step)); });
    }
    connect(c.nowButton, &QPushButton::clicked, this, [this] { showFields(m_controller.currentTimeFields()); });
    for (size_t hour = 0; hour < c.hourButtons.size(); ++hour)
        connect(c.hourButtons[hour], &QPushButton::clicked, this,
                [field = c.fields[0], hour] { field->setText(QString::number(hour)); });
    for (size_t i = 0; i < c.minuteButtons.size(); ++i)
        connect(c.minuteButtons[i], &QPushButton::clicked, this,
                [field = c.fields[1], i] { field->setText(QString::number(i * 5)); });
    connect(c.noticeList, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_controller.setNotice(index);
        showDisplay();
    });
    connect(c.startStopButton, &QPushButton::clicked, this, &TimerWindow::startOrStop);
    connect(c.closeButton, &QPushButton::clicked, this, &TimerWindow::reject);
    connect(m_displayTimer, &QTimer::timeout, this, &TimerWindow::displayTick);
}

SetTimeFields TimerWindow::fields() const {
    const TimerControls& c = controls();
    return {c.fields[0]->text().toStdString(), c.fields[1]->text().toStdString(), c.fields[2]->text().toStdString()};
}

void TimerWindow::showFields(const SetTimeFields& shown) {
    const TimerControls& c = controls();
    m_fillingFields = true;
    c.fields[0]->setText(QString::fromStdString(shown.hour));
    c.fields[1]->setText(QString::fromStdString(shown.minute));
    c.fields[2]->setText(QString::fromStdString(shown.second));
    m_fillingFields = false;
    fieldsEdited();
}

void TimerWindow::fieldsEdited() {
    if (m_fillingFields)
        return;
    if (const auto time = m_controller.fieldsChanged(fields()))
        controls().setClock->setTime(static_cast<double>(*time) / kMillisecondsOfDay);
}

void TimerWindow::startOrStop() {
    const bool stopping = m_controller.state() != TimerWindowState::Setting;
    if (stopping)
        m_controller.stop();
    else
        m_controller.start(fields());
    applyState();
    // The hour field takes the focus once it is enabled again.
    if (stopping)
        controls().fields[0]->setFocus();
}

void TimerWindow::displayTick() {
    if (m_controller.tick()) {
        applyState();
        keepOnTop();
    }
    showDisplay();
}

void TimerWindow::applyState() {
    const TimerControls& c = controls();
    const TimerWindowState state = m_controller.state();
    const bool setting = state == TimerWindowState::Setting;
    const bool waiting = state == TimerWindowState::Waiting;
    setFixedWidth(setting ? kSettingWidth : kWaitingWidth);
    for (QLineEdit* field : c.fields)
        field->setEnabled(setting);
    for (UpDownButtons* upDown : c.upDowns)
        upDown->setVisible(setting);
    c.nowButton->setVisible(setting);
    c.twoTouch->setVisible(setting);
    c.startStopButton->setVisible(state != TimerWindowState::Alert);
    c.startStopButton->setText(QString::fromUtf8(setting ? "タイマー開始(&G)" : "タイマー中止(&G)"));
    c.stateLabel->setVisible(!setting);
    c.countdownLine->setVisible(waiting);
    c.noticeLine->setVisible(waiting);
    c.statusLine->setVisible(state == TimerWindowState::Alert);
    if (state == TimerWindowState::Alert)
        c.closeButton->setFocus();
    if (setting)
        m_displayTimer->stop();
    else if (!m_displayTimer->isActive())
        m_displayTimer->start();
    showDisplay();
}

void TimerWindow::showDisplay() {
    const TimerControls& c = controls();
    const TimerDisplay& display = m_controller.display();
    c.stateLabel->setText(QString::fromStdString(display.label));
    c.stateLabel->setEnabled(display.labelEnabled);
    c.countdownLine->setText(QString::fromStdString(display.countdown));
    c.noticeLine->setText(QString::fromStdString(display.noticeLine));
    c.statusLine->setText(QString::fromStdString(display.status));
}

void TimerWindow::keepOnTop() {
    // Changing the flags hides a shown window; it comes back where it was, without taking the focus. The alert stops
    // being modal: a modal window is always activated when it is shown on X11.
    const bool shown = isVisible();
    const QPoint at = pos();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::NonModal);
    if (shown) {
        move(at);
        show();
    }
    raise();
}

void TimerWindow::reject() {
    if (m_controller.mayClose())
        QDialog::reject();
}

void TimerWindow::showEvent(QShowEvent* event) {
    // While shown the window answers a second start under the title the single-instance rule looks for.
    if (!m_endpoint) {
        m_endpoint = std::make_unique<InstanceEndpoint>(kScheduleDialogTitle);
        connect(m_endpoint.get(), &InstanceEndpoint::woken, this, [this] {
            raise();
            activateWindow();
        });
    }
    QDialog::showEvent(event);
}

void TimerWindow::done(int result) {
    m_displayTimer->stop();
    m_endpoint.reset();
    QDialog::done(result);
}

} // namespace rekko
