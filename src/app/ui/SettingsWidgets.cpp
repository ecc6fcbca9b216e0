// SPDX-License-Identifier: GPL-3.0-or-later
// Builders and key bindings for the settings pages.
#include "SettingsWidgets.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

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

void BindKey(QCheckBox* box, bool& key) {
    QObject::connect(box, &QCheckBox::toggled, box, [&key](bool on) { key = on; });
}

void BindKey(QSpinBox* box, int& key) {
    QObject::connect(box, &QSpinBox::valueChanged, box, [&key](int value) { key = value; });
}

void BindKey(QButtonGroup* group, int& key) {
    QObject::connect(group, &QButtonGroup::buttonToggled, group,
                     [group, &key] { key = std::max(0, group->checkedId()); });
}

void BindKey(QComboBox* box, int& key, int fallback) {
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [&key, fallback](int index) { key = index < 0 ? fallback : index; });
}

} // namespace rekko
