// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of the main window.
#include "MainStatusBar.h"

#include <QApplication>

namespace rekko {

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    m_panel0 = new QLabel(this);
    m_panel0->setObjectName("pnlStatus0");
    m_panel0->setMinimumWidth(210);
    m_panel0->setFrameShape(QFrame::Panel);
    m_panel0->setFrameShadow(QFrame::Sunken);
    m_panel1 = new QLabel(this);
    m_panel1->setObjectName("pnlStatus1");
    m_panel1->setFrameShape(QFrame::Panel);
    m_panel1->setFrameShadow(QFrame::Sunken);
    addPermanentWidget(m_panel0);
    addPermanentWidget(m_panel1, 1);
    m_dayEntry = new QLineEdit(this);
    m_dayEntry->setObjectName("edtStatus");
    m_dayEntry->hide();
    m_lineColumn = new QLabel(this);
    m_lineColumn->setObjectName("pnlGyoKeta");
    m_lineColumn->setAutoFillBackground(true);
    m_lineColumn->hide();
}

void MainStatusBar::setPanel0(const std::string& text) {
    m_panel0->setText(QString::fromStdString(text));
}

void MainStatusBar::setPanel1(const StatusLine& line) {
    m_panel1->setText(QString::fromStdString(line.text));
    m_panel1->setAlignment((line.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
}

void MainStatusBar::setHighlighted(bool highlighted) {
    setAutoFillBackground(highlighted);
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     highlighted ? QColor(Qt::yellow) : QApplication::palette(this).color(QPalette::Window));
    setPalette(colours);
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    // The overlays sit on panel 1: the day entry at its left end, the line and column panel at its right end.
    const QRect panel = m_panel1->geometry();
    m_dayEntry->setGeometry(panel.left() + 2, panel.top() + 1, 60, panel.height() - 2);
    m_lineColumn->setGeometry(panel.right() - 140, panel.top() + 1, 138, panel.height() - 2);
}

} // namespace rekko
