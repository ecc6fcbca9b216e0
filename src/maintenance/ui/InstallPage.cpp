// SPDX-License-Identifier: GPL-3.0-or-later
// The setup page's controls and what its buttons do.
#include "InstallPage.h"

#include "FolderBrowser.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 5> kModes = {{
    {"rbNewSetup", "すべてを新規でセットアップ（推奨）"},
    {"rbOpSetup", "Option を指定してセットアップ"},
    {"rbUwagaki", "上書きセットアップ（すでにRekkoを使用されている方）"},
    {"rbFromSorel", "「Sorel -Sorel-」に上書き（「Sorel-Sorel-」→Rekko）"},
    {"rbToSorel", "「Sorel -Sorel-」に戻す（Rekko→「Sorel-Sorel-」）"},
}};

QString Text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

InstallPage::InstallPage(SetupRun& run, SetupTable& setup, Dialogs& dialogs, SetupPlaces places,
                         const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent), m_run(run), m_setup(setup), m_dialogs(dialogs), m_places(std::move(places)) {
    setObjectName("tsSetup");
    auto* action = new QGroupBox(QStringLiteral(" アクション "), this);
    m_c.lblCurrent = new QLabel(Text(programFolder), action);
    m_c.lblCurrent->setObjectName("lblCurrent");
    m_c.edtSetup = new QLineEdit(action);
    m_c.edtSetup->setObjectName("edtSetup");
    m_c.edtSetup->setReadOnly(true);
    m_c.btnSetupDir = new QPushButton(QStringLiteral("..."), action);
    m_c.btnSetupDir->setObjectName("btnSetupDir");
    connect(m_c.btnSetupDir, &QPushButton::clicked, this, &InstallPage::browse);
    auto* modes = new QButtonGroup(action);
    auto* actionLayout = new QGridLayout(action);
    actionLayout->addWidget(new QLabel(QStringLiteral("現在の起動フォルダ："), action), 0, 0);
    actionLayout->addWidget(m_c.lblCurrent, 0, 1, 1, 2);
    actionLayout->addWidget(new QLabel(QStringLiteral("セットアップの場所（規定値推奨）："), action), 1, 0);
    actionLayout->addWidget(m_c.edtSetup, 1, 1);
    actionLayout->addWidget(m_c.btnSetupDir, 1, 2);
    for (size_t index = 0; index < kModes.size(); ++index) {
        auto* button = new QRadioButton(QString::fromUtf8(kModes[index].second), action);
        button->setObjectName(kModes[index].first);
        modes->addButton(button, static_cast<int>(index));
        actionLayout->addWidget(button, static_cast<int>(index) + 2, 0, 1, 3);
        m_c.modes[index] = button;
    }
    connect(modes, &QButtonGroup::idToggled, this, [this](int index, bool on) {
        if (on && !m_showing)
            modeChosen(static_cast<SetupMode>(index));
    });

    auto* options = new QGroupBox(QStringLiteral(" オプション "), this);
    m_c.options = options;
    auto* optionLayout = new QVBoxLayout(options);
    const auto option = [&](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), options);
        box->setObjectName(name);
        optionLayout->addWidget(box);
        return box;
    };
    m_c.cbDataC = option("cbDataC", "既に作成したデータ（予定）も一緒にセットアップ");
    m_c.cbStartup = option("cbStartup", "スタートアップに登録（起動時、自動立ち上げ）");
    m_c.cbDeskTop = option("cbDeskTop", "デスクトップにショートカットを作成");
    m_c.cbStartMenu = option("cbStartMenu", "スタートメニューに登録");
    m_c.cbProgram = option("cbProgram", "プログラムメニューに登録");
    connect(m_c.cbDataC, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_showing && !ConfirmDataCopy(m_dialogs)) {
            m_showing = true;
            m_c.cbDataC->setChecked(false);
            m_showing = false;
        }
    });

    m_c.btnKiteichi = new QPushButton(QStringLiteral("規定値に戻す"), this);
    m_c.btnKiteichi->setObjectName("btnKiteichi");
    connect(m_c.btnKiteichi, &QPushButton::clicked, this, &InstallPage::reset);
    m_c.btnSetup = new QPushButton(QStringLiteral("開始"), this);
    m_c.btnSetup->setObjectName("btnSetup");
    m_c.btnSetup->setMinimumSize(120, 40);
    connect(m_c.btnSetup, &QPushButton::clicked, this, [this] {
        emit runRequested();
        m_run.run(choice());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_c.btnKiteichi);
    buttons->addStretch();
    buttons->addWidget(m_c.btnSetup);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(action);
    layout->addWidget(options);
    layout->addLayout(buttons);
    layout->addStretch();
    reset();
}

SetupChoice InstallPage::choice() const {
    SetupChoice choice;
    choice.location = m_c.edtSetup->text().toStdString();
    for (size_t index = 0; index < m_c.modes.size(); ++index)
        if (m_c.modes[index]->isChecked())
            choice.mode = static_cast<SetupMode>(index);
    choice.cbDataC = m_c.cbDataC->isChecked();
    choice.cbStartup = m_c.cbStartup->isChecked();
    choice.cbDeskTop = m_c.cbDeskTop->isChecked();
    choice.cbStartMenu = m_c.cbStartMenu->isChecked();
    choice.cbProgram = m_c.cbProgram->isChecked();
    return choice;
}

void InstallPage::showOptions(const SetupChoice& options) {
    m_showing = true;
    m_c.cbDataC->setChecked(options.cbDataC);
    m_c.cbStartup->setChecked(options.cbStartup);
    m_c.cbDeskTop->setChecked(options.cbDeskTop);
    m_c.cbStartMenu->setChecked(options.cbStartMenu);
    m_c.cbProgram->setChecked(options.cbProgram);
    m_showing = false;
}

void InstallPage::showValues() {
    const std::string& location = m_setup.values().edtSetup;
    m_c.edtSetup->setText(Text(location.empty() ? m_places.defaultLocation : std::filesystem::path(location)));
}

void InstallPage::showLocation(const std::filesystem::path& location) {
    m_c.edtSetup->setText(Text(location));
    m_setup.set(&SetupSettings::edtSetup, location.string());
}

void InstallPage::reset() {
    m_showing = true;
    showLocation(m_places.defaultLocation);
    m_c.modes[0]->setChecked(true);
    m_showing = false;
    showOptions(SetupChoice{});
    m_c.options->setEnabled(false);
}

void InstallPage::modeChosen(SetupMode mode) {
    // Outside the options mode the options show their defaults, greyed.
    m_c.options->setEnabled(mode == SetupMode::Options);
    if (mode != SetupMode::Options)
        showOptions(SetupChoice{});
    if (mode == SetupMode::FromSorel || mode == SetupMode::ToSorel)
        showLocation(m_places.sorelLocation);
    AskAboutBackup(mode, m_dialogs);
}

void InstallPage::browse() {
    if (const auto chosen = BrowseFolder(window(), m_c.edtSetup->text().toStdString()))
        showLocation(ChosenLocation(*chosen, m_dialogs));
}

} // namespace rekko
