// SPDX-License-Identifier: GPL-3.0-or-later
// The copy page's sub-pages and what their buttons do.
#include "CopyPage.h"

#include "CopyProgress.h"
#include "FolderBrowser.h"

#include "base/TextProcedures.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr std::array<CopyFolder, 3> kFolders = {CopyFolder::Backup1, CopyFolder::Backup2, CopyFolder::Restore};

QLabel* Text(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

std::string& FolderText(SetupSettings& s, int index) {
    return index == 0 ? s.edtCopy1 : index == 1 ? s.edtCopy2 : s.edtCopy3;
}

} // namespace

CopyPage::CopyPage(BackupRestore& backup, TextExport& exporter, SetupTable& setup, Dialogs& dialogs,
                   const Drives& drives, fs::path programFolder, QWidget* parent)
    : QTabWidget(parent), m_backup(backup), m_export(exporter), m_setup(setup), m_dialogs(dialogs), m_drives(drives),
      m_programFolder(std::move(programFolder)) {
    setObjectName("tsCopy");
    m_c.backup = buildBackup();
    m_c.restore = buildRestore();
    m_c.exporting = buildExport();
    addTab(m_c.backup, QStringLiteral("　データ退避（バックアップ）"));
    addTab(m_c.restore, QStringLiteral("　データ回復 "));
    addTab(m_c.exporting, QStringLiteral(" データ書出 "));
}

QLineEdit* CopyPage::folderRow(int index, const char* caption, QWidget* page, QGridLayout* grid, int row) {
    const QString number = QString::number(index + 1);
    grid->addWidget(new QLabel(QString::fromUtf8(caption), page), row, 0);
    auto* browse = new QPushButton(QStringLiteral("…"), page);
    browse->setObjectName("btnDirCopy" + number);
    browse->setFixedWidth(32);
    auto* edit = new QLineEdit(page);
    edit->setObjectName("edtCopy" + number);
    edit->setMinimumWidth(300);
    grid->addWidget(browse, row, 1);
    grid->addWidget(edit, row, 2);
    m_c.btnDirCopy[static_cast<size_t>(index)] = browse;
    m_c.edtCopy[static_cast<size_t>(index)] = edit;
    connect(browse, &QPushButton::clicked, this, [this, index] { chooseFolder(index); });
    connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        m_setup.set([index](SetupSettings& s) -> std::string& { return FolderText(s, index); }, text.toStdString());
    });
    return edit;
}

QWidget* CopyPage::buildBackup() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text("コピー先を設定後、データ退避ボタンをクリックしてください。", page));
    layout->addWidget(Text("※コピー先１とコピー先２を交互に退避（バックアップ）するか、", page));
    layout->addWidget(Text("どちらかを、取り外し可能なディスク（ＦＤ、ＭＯ等）にしておくことを推奨いたします。", page));
    layout->addWidget(Text("（コピー先１とコピー先２は、違う場所を設定してください。）", page));
    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        folderRow(i, i == 0 ? "コピー先１ ：" : "コピー先２ ：", page, grid, i * 2);
        auto* go = new QPushButton(QStringLiteral("← データ退避実行"), page);
        go->setObjectName(QStringLiteral("btnCopy%1Go").arg(i + 1));
        auto* note = new QLabel(page);
        note->setObjectName(QStringLiteral("lblCopy%1").arg(i + 1));
        grid->addWidget(go, i * 2, 3);
        grid->addWidget(note, i * 2 + 1, 2, 1, 2);
        m_c.btnCopyGo[static_cast<size_t>(i)] = go;
        m_c.lblCopy[static_cast<size_t>(i)] = note;
        connect(go, &QPushButton::clicked, this, [this, i] {
            m_c.edtCopy[static_cast<size_t>(i)]->setFocus();
            CopyProgress progress(m_dialogs, window());
            m_backup.backup(kFolders[static_cast<size_t>(i)], progress);
            showValues();
        });
    }
    layout->addLayout(grid);
    layout->addWidget(Text("コピー元　 ： Sorelのデータ", page));
    layout->addStretch();
    return page;
}

QWidget* CopyPage::buildRestore() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    for (const char* line : {"コピー元を設定後、リストアボタンをクリックしてください。",
                             "「データ回復をオン」ボタンで、データ回復作業を行えるようにしてください。",
                             "以前に「データ退避」した時点のデータに戻します（Ca*.myc のみ）。",
                             "現在のデータに上書きするため、現在のデータはすべて消えてしまいます。",
                             "（　回復させなければならないデータが一部の場合は、",
                             "エクスプローラーで任意にコピーした方が、よい場合があります。）"})
        layout->addWidget(Text(line, page));
    m_c.btnKaifukuOn = new QPushButton(QStringLiteral("「データ回復」をオン"), page);
    m_c.btnKaifukuOn->setObjectName("btnKaifukuOn");
    layout->addWidget(m_c.btnKaifukuOn, 0, Qt::AlignLeft);
    auto* grid = new QGridLayout;
    folderRow(2, "コピー元 ：", page, grid, 0);
    m_c.btnKaifukuGo = new QPushButton(QStringLiteral("← データ回復"), page);
    m_c.btnKaifukuGo->setObjectName("btnKaifukuGo");
    grid->addWidget(m_c.btnKaifukuGo, 0, 3);
    auto* target = Text("コピー先　 ： Sorelのデータ", page);
    grid->addWidget(target, 1, 0, 1, 4);
    layout->addLayout(grid);
    layout->addStretch();
    m_restoreParts = {grid->itemAtPosition(0, 0)->widget(), m_c.btnDirCopy[2], m_c.edtCopy[2], m_c.btnKaifukuGo,
                      target};
    connect(m_c.btnKaifukuOn, &QPushButton::clicked, this, [this] { setRestoreEnabled(m_backup.allowRestore()); });
    connect(m_c.btnKaifukuGo, &QPushButton::clicked, this, [this] {
        m_c.edtCopy[2]->setFocus();
        CopyProgress progress(m_dialogs, window());
        m_backup.restore(progress);
        showValues();
    });
    return page;
}

QWidget* CopyPage::buildExport() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox(QStringLiteral(" テキストファイル "), page);
    auto* choices = new QVBoxLayout(group);
    m_c.rbText = new QRadioButton(QStringLiteral("テキスト（スペース区切り）"), group);
    m_c.rbText->setObjectName("rbText");
    m_c.rbCSV = new QRadioButton(QStringLiteral("ＣＳＶ（カンマ区切り）"), group);
    m_c.rbCSV->setObjectName("rbCSV");
    choices->addWidget(m_c.rbText);
    choices->addWidget(m_c.rbCSV);
    m_c.btnText = new QPushButton(QStringLiteral("ファイル書出"), page);
    m_c.btnText->setObjectName("btnText");
    layout->addWidget(group);
    layout->addWidget(m_c.btnText, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(m_c.rbText, &QRadioButton::toggled, this, [this](bool on) {
        m_setup.set(&SetupSettings::rbText, on);
        m_setup.set(&SetupSettings::rbCSV, !on);
    });
    connect(m_c.btnText, &QPushButton::clicked, this, [this] {
        const bool text = m_setup.values().rbText;
        QFileDialog dialog(window(), QStringLiteral("テキスト書出"), QString::fromStdString(m_export.startFolder()));
        dialog.setObjectName("TextFileChooser");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The overwrite question is the export's own.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters({QStringLiteral("txt (*.txt)"), QStringLiteral("csv (*.csv)")});
        dialog.selectNameFilter(text ? QStringLiteral("txt (*.txt)") : QStringLiteral("csv (*.csv)"));
        dialog.setDefaultSuffix(text ? QStringLiteral("txt") : QStringLiteral("csv"));
        dialog.resize(820, 480);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        m_export.exportTo(fs::path(dialog.selectedFiles().constFirst().toStdString()));
    });
    return page;
}

void CopyPage::chooseFolder(int index) {
    const std::string current(TrimBlanks(FolderText(m_setup.edit(), index)));
    std::error_code error;
    const fs::path start = !current.empty() && fs::is_directory(current, error)
                               ? fs::path(current)
                               : m_drives.driveOf(m_programFolder).mountPoint;
    if (const auto chosen = BrowseFolder(window(), start)) {
        m_backup.chooseFolder(kFolders[static_cast<size_t>(index)], *chosen);
        showValues();
    }
    m_c.edtCopy[static_cast<size_t>(index)]->setFocus();
}

void CopyPage::setRestoreEnabled(bool on) {
    for (QWidget* part : m_restoreParts)
        part->setEnabled(on);
}

void CopyPage::showValues() {
    SetupSettings& s = m_setup.edit();
    for (int i = 0; i < 3; ++i)
        m_c.edtCopy[static_cast<size_t>(i)]->setText(QString::fromStdString(FolderText(s, i)));
    m_c.lblCopy[0]->setText(QString::fromStdString(s.lblCopy1));
    m_c.lblCopy[1]->setText(QString::fromStdString(s.lblCopy2));
    (s.rbCSV ? m_c.rbCSV : m_c.rbText)->setChecked(true);
}

void CopyPage::open(CopyPageMode mode) {
    showValues();
    setRestoreEnabled(false);
    setTabVisible(indexOf(m_c.backup), mode == CopyPageMode::Full);
    setTabVisible(indexOf(m_c.restore), mode == CopyPageMode::Full);
    setCurrentWidget(mode == CopyPageMode::ExportOnly ? m_c.exporting : m_c.backup);
}

} // namespace rekko
