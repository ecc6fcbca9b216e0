// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders for the settings pages: named check boxes and radio groups, and the bindings that write each change
// of a control through to its settings key.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QStringList>
#include <QWidget>

namespace rekko {

// Returns a check box with its caption and object name.
QCheckBox* NamedCheckBox(const char* objectName, const QString& caption, QWidget* parent);

// Returns a group box named objectName holding one radio button per caption; the button group numbers them 0, 1, ….
QGroupBox* RadioGroup(const char* objectName, const QString& caption, const QStringList& items, QButtonGroup*& buttons,
                      QWidget* parent);

// Selects the button of an index; an index no button has selects none.
void SelectIndex(QButtonGroup* buttons, int index);

// Write each change of the control into the key as it happens. A radio group writes its checked index (0 when none
// is checked), a combo box its current index (fallback when none is current).
void BindKey(QCheckBox* box, bool& key);
void BindKey(QSpinBox* box, int& key);
void BindKey(QButtonGroup* group, int& key);
void BindKey(QComboBox* box, int& key, int fallback);

} // namespace rekko
