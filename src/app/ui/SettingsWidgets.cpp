// SPDX-License-Identifier: GPL-3.0-or-later
// Builders and key bindings for the settings pages.
#include "SettingsWidgets.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace rekko {

QCheckBox* NamedCheckBox(const char* objectName, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

QGroupBox* RadioGroup(const char* objectName, const QString& caption, const QStringList& items, QButtonGroup*& buttons,
                      QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(objectName);
    auto* layout = new QVBoxLayout(group);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    return group;
}

void SelectIndex(QButtonGroup* buttons, int index) {
    if (QAbstractButton* button = buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons())
        button->setChecked(false);
    buttons->setExclusive(true);
}

} // namespace rekko
