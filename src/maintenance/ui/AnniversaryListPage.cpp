// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary table page: the table, the edit form, the row opening and the buttons.
#include "AnniversaryListPage.h"

#include "base/SaveReport.h"
#include "base/TextProcedures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace rekko {

namespace {

constexpr std::array<const char*, 6> kFormCaptions = {"○月○日",       "毎週△曜日",   "毎月○日",
                                                      "毎月第□△曜日", "○月第□△曜日", "不明"};
constexpr std::array<int, 8> kColumnWidths = {26, 61, 60, 34, 31, 84, 46, 140};
constexpr std::array<const char*, 8> kColumnTitles = {"No", "年１", "年２", "月", "日", "曜日", "何週目", "記念日等"};
constexpr const char* kFullWidthBlank = "　";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Std(const QString& text) {
    return text.toStdString();
}

QLineEdit* NumberField(const char* name, int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

} // namespace

AnniversaryListPage::AnniversaryListPage(MaintenanceShell& shell, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_shell(shell), m_dialogs(dialogs), m_forms(new QButtonGroup(this)) {
    setObjectName("tsKinenbi");
    auto* title = new QLabel(QStringLiteral("「記念日等」一括編集"), this);
    m_c.grdKinenbi = new QTableWidget(0, static_cast<int>(kColumnWidths.size()), this);
    QTableWidget* grid = m_c.grdKinenbi;
    grid->setObjectName("grdKinenbi");
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    for (size_t column = 0; column < kColumnWidths.size(); ++column) {
        grid->setHorizontalHeaderItem(static_cast<int>(column), new QTableWidgetItem(Text(kColumnTitles[column])));
        grid->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    }
    grid->horizontalHeader()->setStretchLastSection(true);
    // The selected row: light green with blue text, also while the focus is in the form.
    QPalette palette = grid->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0xD5, 0xFF, 0xD0));
        palette.setColor(group, QPalette::HighlightedText, QColor(0x00, 0x00, 0xFF));
    }
    grid->setPalette(palette);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row >= 0 && row != previous && !m_filling)
            openRow(static_cast<size_t>(row));
    });
    connect(grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_filling || item->column() == 0 || static_cast<size_t>(item->row()) >= m_table.rows.size())
            return;
        m_table.rows[static_cast<size_t>(item->row())].cells[static_cast<size_t>(item->column() - 1)] =
            Std(item->text());
        growRows();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(grid, 1);
    layout->addWidget(buildForm());
}

QWidget* AnniversaryListPage::buildForm() {
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* forms = new QGroupBox(QStringLiteral("形式"), form);
    forms->setObjectName("rgKHantei");
    auto* formGrid = new QGridLayout(forms);
    for (size_t i = 0; i < kFormCaptions.size(); ++i) {
        auto* button = new QRadioButton(Text(kFormCaptions[i]), forms);
        m_c.rgKHantei[i] = button;
        m_forms->addButton(button, static_cast<int>(i));
        formGrid->addWidget(button, static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    connect(m_forms, &QButtonGroup::idClicked, this, [this](int id) { showForm(static_cast<AnniversaryForm>(id)); });
    grid->addWidget(forms, 0, 0, 1, 8);

    m_c.edtEYear1 = NumberField("edtEYear1", 52, form);
    m_c.edtEYear2 = NumberField("edtEYear2", 52, form);
    m_c.edtEMonth = NumberField("edtEMonth", 36, form);
    m_c.edtEDay = NumberField("edtEDay", 36, form);
    m_c.edtENan = NumberField("edtENan", 36, form);
    m_c.cbEYoubi = new QComboBox(form);
    m_c.cbEYoubi->setObjectName("cbEYoubi");
    m_c.cbEYoubi->addItem(QString());
    for (int weekday = 1; weekday <= 7; ++weekday)
        m_c.cbEYoubi->addItem(Text(WeekdayLongName(weekday)));
    m_c.edtEKinenbi = new QLineEdit(form);
    m_c.edtEKinenbi->setObjectName("edtEKinenbi");
    const std::array<std::pair<const char*, QWidget*>, 7> fields = {{{"年１", m_c.edtEYear1},
                                                                     {"年２", m_c.edtEYear2},
                                                                     {"月", m_c.edtEMonth},
                                                                     {"日", m_c.edtEDay},
                                                                     {"曜日", m_c.cbEYoubi},
                                                                     {"何週目", m_c.edtENan},
                                                                     {"記念日等", m_c.edtEKinenbi}}};
    for (size_t i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(Text(fields[i].first), form);
        label->setBuddy(fields[i].second);
        if (i >= 2 && i <= 5)
            m_fieldLabels[i - 2] = label;
        const int column = i < 6 ? static_cast<int>(i) : 6;
        grid->addWidget(label, 1, column);
        grid->addWidget(fields[i].second, 2, column, 1, i < 6 ? 1 : 2);
    }
    grid->setColumnStretch(7, 1);
    for (QLineEdit* edit : {m_c.edtEYear1, m_c.edtEYear2, m_c.edtEMonth, m_c.edtEDay, m_c.edtENan, m_c.edtEKinenbi})
        connect(edit, &QLineEdit::textEdited, this, [this] { m_fieldsChanged = true; });
    connect(m_c.cbEYoubi, &QComboBox::activated, this, [this] { m_fieldsChanged = true; });

    auto* hint = new QLabel(QStringLiteral("※[年１]、[年２]は必要なときだけ記入。　「記念日等」に記入がないと書込時に"
                                           "その行は削除されます。"),
                            form);
    hint->setWordWrap(true);
    grid->addWidget(hint, 3, 0, 1, 8);

    const auto button = [form](const char* caption, const char* name) {
        auto* created = new QPushButton(QString::fromUtf8(caption), form);
        created->setObjectName(name);
        return created;
    };
    m_c.btnTenki = button("↑ 表に転記(&A)", "btnTenki");
    m_c.remove = button("削除(&D)", "btnSakujo");
    m_c.first = button("最初", "btnSaisho");
    m_c.last = button("最後", "btnSaigo");
    m_c.findPlace = button("追加場所検索(&S)", "btnKensaku");
    m_c.btnKoushin = button("書込／閉じる(&W)", "btnKoushin");
    m_c.cancel = button("キャンセル(&Q)", "btnCancel");
    connect(m_c.btnTenki, &QPushButton::clicked, this, &AnniversaryListPage::transfer);
    connect(m_c.remove, &QPushButton::clicked, this, &AnniversaryListPage::removeEntry);
    connect(m_c.first, &QPushButton::clicked, this, [this] { selectRow(0); });
    connect(m_c.last, &QPushButton::clicked, this, [this] { selectRow(m_table.lastWithText()); });
    connect(m_c.findPlace, &QPushButton::clicked, this, &AnniversaryListPage::findPlace);
    connect(m_c.btnKoushin, &QPushButton::clicked, this, &AnniversaryListPage::write);
    connect(m_c.cancel, &QPushButton::clicked, this, &AnniversaryListPage::closeRequested);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_c.btnTenki, m_c.remove, m_c.first, m_c.last, m_c.findPlace})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_c.btnKoushin);
    buttons->addWidget(m_c.cancel);
    grid->addLayout(buttons, 4, 0, 1, 8);
    return form;
}

void AnniversaryListPage::open() {
    m_table = ReadAnniversaryTable(m_shell.specialDays());
    m_c.grdKinenbi->setRowCount(0);
    showRows(0);
    m_fieldsChanged = false;
    m_filling = true;
    selectRow(0);
    m_filling = false;
    openRow(0);
}

void AnniversaryListPage::showRows(size_t from) {
    const bool filling = std::exchange(m_filling, true);
    QTableWidget* grid = m_c.grdKinenbi;
    grid->setRowCount(static_cast<int>(m_table.rows.size()));
    for (size_t row = from; row < m_table.rows.size(); ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(number->flags() & ~Qt::ItemIsEditable);
        grid->setItem(static_cast<int>(row), 0, number);
        showRow(row);
    }
    m_filling = filling;
}

void AnniversaryListPage::growRows() {
    const size_t rows = m_table.rows.size();
    m_table.keepEmptyLastRow();
    if (m_table.rows.size() > rows)
        showRows(rows);
}

void AnniversaryListPage::showRow(size_t row) {
    const bool filling = std::exchange(m_filling, true);
    const AnniversaryCells& cells = m_table.rows[row].cells;
    for (size_t column = 0; column < cells.size(); ++column)
        m_c.grdKinenbi->setItem(static_cast<int>(row), static_cast<int>(column + 1),
                                new QTableWidgetItem(Text(cells[column])));
    m_filling = filling;
}

void AnniversaryListPage::selectRow(size_t row) {
    m_c.grdKinenbi->setCurrentCell(static_cast<int>(row), std::max(m_c.grdKinenbi->currentColumn(), 1));
}

void AnniversaryListPage::openRow(size_t row) {
    if (m_fieldsChanged && m_dialogs.ask("変更事項を書き込みますか？"))
        transfer();
    m_openRow = row;
    const AnniversaryCells& cells = m_table.rows[row].cells;
    showForm(FormOf(cells));
    m_c.edtEYear1->setText(Text(cells[acYear1]));
    m_c.edtEYear2->setText(Text(cells[acYear2]));
    m_c.edtEMonth->setText(Text(cells[acMonth]));
    m_c.edtEDay->setText(Text(cells[acDay]));
    m_c.cbEYoubi->setCurrentIndex(std::max(m_c.cbEYoubi->findText(Text(cells[acWeekday])), 0));
    m_c.edtENan->setText(Text(cells[acWeek]));
    m_c.edtEKinenbi->setText(Text(ReplaceAll(cells[acText], kFullWidthBlank, " ")));
    m_fieldsChanged = false;
}

void AnniversaryListPage::showForm(AnniversaryForm form) {
    m_c.rgKHantei[static_cast<size_t>(form)]->setChecked(true);
    const AnniversaryFields taken = FieldsOf(form);
    const std::array<std::pair<QWidget*, bool>, 4> fields = {{{m_c.edtEMonth, taken.month},
                                                              {m_c.edtEDay, taken.day},
                                                              {m_c.cbEYoubi, taken.weekday},
                                                              {m_c.edtENan, taken.week}}};
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i].first->setEnabled(fields[i].second);
        m_fieldLabels[i]->setEnabled(fields[i].second);
    }
}

AnniversaryForm AnniversaryListPage::chosenForm() const {
    const int id = m_forms->checkedId();
    return id < 0 ? AnniversaryForm::Unknown : static_cast<AnniversaryForm>(id);
}

void AnniversaryListPage::transfer() {
    // A field the chosen form does not take is written empty, so the line means what the form says.
    const AnniversaryFields taken = FieldsOf(chosenForm());
    const auto taking = [](bool field, const QString& text) { return field ? Std(text.trimmed()) : std::string(); };
    AnniversaryCells& cells = m_table.rows[m_openRow].cells;
    cells[acYear1] = Std(m_c.edtEYear1->text().trimmed());
    cells[acYear2] = Std(m_c.edtEYear2->text().trimmed());
    cells[acMonth] = taking(taken.month, m_c.edtEMonth->text());
    cells[acDay] = taking(taken.day, m_c.edtEDay->text());
    cells[acWeekday] = taking(taken.weekday, m_c.cbEYoubi->currentText());
    cells[acWeek] = taking(taken.week, m_c.edtENan->text());
    cells[acText] = ReplaceAll(Std(m_c.edtEKinenbi->text()), " ", kFullWidthBlank);
    m_fieldsChanged = false;
    showRow(m_openRow);
    growRows();
}

void AnniversaryListPage::removeEntry() {
    if (!m_dialogs.ask("このデータを削除していいですか？", DialogAnswer::No)) {
        m_dialogs.inform("削除いたしません。");
        return;
    }
    showForm(AnniversaryForm::Unknown);
    for (QLineEdit* edit : {m_c.edtEYear1, m_c.edtEYear2, m_c.edtEMonth, m_c.edtEDay, m_c.edtENan, m_c.edtEKinenbi})
        edit->clear();
    m_c.cbEYoubi->setCurrentIndex(0);
    transfer();
}

void AnniversaryListPage::findPlace() {
    selectRow(m_table.placeToAdd());
    m_dialogs.inform("形式を指定して、必要事項を記入してください。\r\n「記念日等」は必須です。");
}

void AnniversaryListPage::write() {
    if (const Status written = m_shell.replaceSpecialDays(WriteAnniversaryTable(m_table)); !written) {
        SaveReport report;
        report.add(written);
        m_dialogs.inform(report.message());
        return;
    }
    emit closeRequested();
}

bool AnniversaryListPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_c.grdKinenbi || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QTableWidget* grid = m_c.grdKinenbi;
    if (key->key() == Qt::Key_Down && key->modifiers() == Qt::ControlModifier) {
        m_c.edtEKinenbi->setFocus();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const int column = grid->currentColumn();
        if (column < grid->columnCount() - 1)
            grid->setCurrentCell(grid->currentRow(), column + 1);
        else if (grid->currentRow() + 1 < grid->rowCount())
            grid->setCurrentCell(grid->currentRow() + 1, 1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rekko
