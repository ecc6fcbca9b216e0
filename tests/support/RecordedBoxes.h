// SPDX-License-Identifier: GPL-3.0-or-later
// Real message boxes for the desktop flow tests, each text recorded so a test can ask whether a box was shown.
#pragma once

#include "platform/ui/QtDialogs.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rekko::test {

class RecordedBoxes : public Dialogs {
public:
    DialogAnswer show(const DialogMessage& message) override {
        m_texts.push_back(message.text);
        return m_boxes.show(message);
    }
    void setParentWindow(QWidget* parent) { m_boxes.setParentWindow(parent); }
    bool showed(const std::string& text) const {
        return std::find(m_texts.begin(), m_texts.end(), text) != m_texts.end();
    }

private:
    QtDialogs m_boxes{false};
    std::vector<std::string> m_texts;
};

} // namespace rekko::test
