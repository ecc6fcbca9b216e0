// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders for the settings pages: named check boxes and radio groups, the bindings that set each change of a
// control as its key's value, and the watch that makes a widget follow a key.
#pragma once

#include "app/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace rekko {

// Returns a check box with its caption and object name.
QCheckBox* NamedCheckBox(const char* objectName, const QString& caption, QWidget* parent);

// Returns a group box named objectName holding one radio button per caption; the button group numbers them 0, 1, ….
QGroupBox* RadioGroup(const char* objectName, const QString& caption, const QStringList& items, QButtonGroup*& buttons,
                      QWidget* parent);

// Selects the button of an index; an index no button has selects none.
void SelectIndex(QButtonGroup* buttons, int index);

// Set each change of the control as the key's value as it happens, telling those watching the key. A radio group
// sets its checked index (0 when none is checked), a combo box its current index (fallback when none is current).
template <class Field> void BindKey(QCheckBox* box, SettingsKeys& keys, Field field) {
    QObject::connect(box, &QCheckBox::toggled, box, [&keys, field](bool on) { keys.set(field, on); });
}
template <class Field> void BindKey(QSpinBox* box, SettingsKeys& keys, Field field) {
    QObject::connect(box, &QSpinBox::valueChanged, box, [&keys, field](int value) { keys.set(field, value); });
}
template <class Field> void BindKey(QButtonGroup* group, SettingsKeys& keys, Field field) {
    QObject::connect(group, &QButtonGroup::buttonToggled, group,
                     [group, &keys, field] { keys.set(field, std::max(0, group->checkedId())); });
}
template <class Field> void BindKey(QComboBox* box, SettingsKeys& keys, Field field, int fallback) {
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [&keys, field, fallback](int index) { keys.set(field, index < 0 ? fallback : index); });
}

// Calls back after each change of the key's value, for as long as context lives.
template <class Field>
void WatchKey(SettingsKeys& keys, Field field, QObject* context, const std::function<void()>& callback) {
    const int watch = keys.watch(field, callback);
    QObject::connect(context, &QObject::destroyed, [&keys, watch] { keys.unwatch(watch); });
}

// Calls back now and after each change of the key's value, for as long as context lives.
template <class Field>
void FollowKey(SettingsKeys& keys, Field field, QObject* context, const std::function<void()>& callback) {
    WatchKey(keys, field, context, callback);
    callback();
}

} // namespace rekko
