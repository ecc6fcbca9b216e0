// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-correction settings window fmJikoku: the schedule, tolerance and log length, the time source, the access
// log, and the connection test that fetches the time while the window stays responsive.
#pragma once

#include "clocksync/ClockCorrection.h"
#include "clocksync/JikokuFile.h"
#include "platform/Clock.h"
#include "platform/ClockSetter.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>

#include <array>
#include <filesystem>
#include <memory>

namespace rekko {

struct JikokuWindowParts {
    std::filesystem::path settingsFile; // holds section Jikoku
    std::filesystem::path logFile;      // the access log
    const Clock& clock;
    ClockSetter& setter; // must outlive the program's event loop
    Dialogs& dialogs;
    RetrievalView& view; // the main window, busy during a connection test
    // The main window's schedule: the start delay shown comes from it, the schedule goes back to it on close.
    ClockCorrectionSettings& schedule;
};

class JikokuWindow : public QDialog {
    Q_OBJECT
public:
    // Reads section Jikoku and the access log; says once in the status bar when the clock cannot simply be set here.
    JikokuWindow(const JikokuWindowParts& parts, QWidget* parent = nullptr);
    ~JikokuWindow() override;

    // Opens the window and waits for it to close, unless a time retrieval runs or a window is open already: then says
    // to try later.
    static void open(const JikokuWindowParts& parts, bool retrievalRunning, QWidget* parent);

    // Answers whether a settings window exists: no automatic retrieval starts meanwhile.
    static bool isOpen() { return s_open > 0; }

    // Closing is refused while a connection test runs; otherwise an edit of the set time is cancelled, the schedule
    // goes to the main window and section Jikoku is written.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class TwoDigits;

    QWidget* buildCommonPage();
    QWidget* buildSourcePage();
    QWidget* buildLogPage();
    void showValues();
    void collectValues();
    void showAccessNote();

    void runConnectionTest();
    void showLog(const std::vector<std::string>& lines);
    void beginTimeEdit();
    bool decideTime();
    void endTimeEdit();
    void showSetTime();
    void followSchedule();

    JikokuWindowParts m_parts;
    JikokuKeys m_keys;
    // Cleared when the window goes: the note on the clock may come back after that.
    std::shared_ptr<JikokuWindow*> m_alive;
    bool m_testing = false;
    bool m_editingTime = false;
    static inline int s_open = 0;

    QPushButton* m_test;
    QPushButton* m_close;
    QCheckBox* m_setuzokuT;
    QTabWidget* m_pages;
    QStatusBar* m_status;
    QSpinBox* m_chousei;
    QRadioButton* m_day;
    QRadioButton* m_week;
    QRadioButton* m_shitei;
    QComboBox* m_youbi;
    std::array<QSpinBox*, 3> m_time{};
    QPushButton* m_timeEdit;
    QPushButton* m_decide;
    QPushButton* m_cancel;
    QSpinBox* m_chien;
    QSpinBox* m_gosa;
    QSpinBox* m_gyou;
    std::array<QRadioButton*, 5> m_sources{};
    QLabel* m_message;
    QPlainTextEdit* m_log;
};

} // namespace rekko
