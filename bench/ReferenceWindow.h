// SPDX-License-Identifier: GPL-3.0-or-later
// The reference windows of the start-up benchmark: a window of the main window's size that reports its first paint.
#pragma once

#include <QWidget>

class ReferenceWindow : public QWidget {
public:
    ReferenceWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws what the window shows; the bare window draws nothing.
    virtual void paintContents() {}

private:
    bool m_painted = false;
};
