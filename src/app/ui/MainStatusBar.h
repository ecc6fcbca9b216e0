// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: panel 0 (clock), panel 1 (start folder, countdown) and the overlays edtStatus and
// pnlGyoKeta, placed over it and hidden until a command shows them.
#pragma once

#include "app/StatusText.h"

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace rekko {

class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setPanel0(const std::string& text);
    void setPanel1(const StatusLine& line);
    // Puts an indicator at the right end of the bar.
    void addIndicator(QWidget* indicator) { addPermanentWidget(indicator); }
    // Colours the bar yellow (the date change), or gives it back its normal colour.
    void setHighlighted(bool highlighted);
    QLabel* panel0() const { return m_panel0; }
    QLabel* panel1() const { return m_panel1; }
    // edtStatus, the day entry.
    QLineEdit* dayEntry() const { return m_dayEntry; }
    // pnlGyoKeta, the line and column panel.
    QLabel* lineColumnPanel() const { return m_lineColumn; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_panel0;
    QLabel* m_panel1;
    QLineEdit* m_dayEntry;
    QLabel* m_lineColumn;
};

} // namespace rekko
