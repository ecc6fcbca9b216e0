// SPDX-License-Identifier: GPL-3.0-or-later
// The page 記念日 of the maintenance window: the special days as a table, the edit form below it and the write.
#pragma once

#include "maintenance/AnniversaryTable.h"
#include "maintenance/MaintenanceShell.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>

#include <array>

namespace rekko {

// The controls, by their product names where they have one.
struct AnniversaryListControls {
    QTableWidget* grdKinenbi = nullptr;
    std::array<QRadioButton*, 6> rgKHantei{}; // the forms, in the order of AnniversaryForm
    QLineEdit* edtEYear1 = nullptr;
    QLineEdit* edtEYear2 = nullptr;
    QLineEdit* edtEMonth = nullptr;
    QLineEdit* edtEDay = nullptr;
    QComboBox* cbEYoubi = nullptr; // empty, 日曜日 … 土曜日
    QLineEdit* edtENan = nullptr;
    QLineEdit* edtEKinenbi = nullptr;
    QPushButton* btnTenki = nullptr;   // ↑ 表に転記
    QPushButton* remove = nullptr;     // 削除
    QPushButton* first = nullptr;      // 最初
    QPushButton* last = nullptr;       // 最後
    QPushButton* findPlace = nullptr;  // 追加場所検索
    QPushButton* btnKoushin = nullptr; // 書込／閉じる
    QPushButton* cancel = nullptr;     // キャンセル
};

class AnniversaryListPage : public QWidget {
    Q_OBJECT
public:
    AnniversaryListPage(MaintenanceShell& shell, Dialogs& dialogs, QWidget* parent = nullptr);

    const AnniversaryListControls& controls() const { return m_c; }

    // Shows the special days in the table and opens row 1.
    void open();

signals:
    // 書込 wrote the table, or キャンセル: the window closes.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildForm();
    // Shows the rows from the one given on, with their numbers; the table gets as many rows as the model.
    void showRows(size_t from);
    // Adds an empty row after a last row that got a text.
    void growRows();
    void showRow(size_t row);
    void selectRow(size_t row);
    void openRow(size_t row);
    void transfer();
    void removeEntry();
    void findPlace();
    void write();
    void showForm(AnniversaryForm form);
    AnniversaryForm chosenForm() const;

    MaintenanceShell& m_shell;
    Dialogs& m_dialogs;
    AnniversaryListControls m_c;
    QButtonGroup* m_forms;
    std::array<QWidget*, 4> m_fieldLabels{}; // of month, day, weekday and week: enabled with their fields
    AnniversaryTable m_table;
    size_t m_openRow = 0;
    bool m_fieldsChanged = false;
    bool m_filling = false; // the program fills the table: no cell edit
};

} // namespace rekko
