// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "機能": countdown timer, check interval, clock correction, Zunbo link and the editor program.
#pragma once

#include "app/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace rekko {

class FunctionSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is written through to its key of settings.
    explicit FunctionSettingsPage(SettingsKeys& keys, QWidget* parent = nullptr);

    // Shows the values of the settings, as read from the settings file.
    void showValues();
    // Answers whether cbZunbo asks for the diary program to be looked for (a control without a key).
    bool zunboWanted() const { return m_zunbo->isChecked(); }
    // cbTShuusei, disabled while the function tick runs.
    QCheckBox* autoCorrection() const { return m_tShuusei; }
    // The button "内蔵時計修正設定", enabled while cbTShuusei is on and no time retrieval runs.
    QPushButton* clockCorrection() const { return m_jikoku; }
    // A time retrieval started (false) or ended (true).
    void setClockCorrectionAvailable(bool available);

    // Shows what the sibling lookup and the feature switches allow: Zunbo found checks cbZunbo, not found unchecks it
    // and hides cbPrjN; the editor group shows only with Pomta; without the time feature the clock controls hide.
    void offerFeatures(bool zunboFound, bool pomtaFound, bool timeFeature);

private:
    SettingsKeys& m_keys;
    const Settings& m_settings;
    QCheckBox* m_jigen;
    QLabel* m_jikoku1;
    QComboBox* m_timer;
    QLabel* m_jikoku2;
    QCheckBox* m_tShuusei;
    QPushButton* m_jikoku;
    bool m_clockCorrectionAvailable = true;
    QCheckBox* m_zunbo;
    QCheckBox* m_prjN;
    QGroupBox* m_editorGroup;
    QCheckBox* m_editor;
    QCheckBox* m_rekkoJ;
    QCheckBox* m_noReturn;
};

} // namespace rekko
