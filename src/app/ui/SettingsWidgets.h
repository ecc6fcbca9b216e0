// Small builders for the settings pages: named check boxes, labelled rows and radio groups.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
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

} // namespace rekko
