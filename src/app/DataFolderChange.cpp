// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder change flow and its messages.
#include "DataFolderChange.h"

#include "AppFolders.h"

#include "base/Cp932.h"
#include "files/UserFiles.h"

#include <filesystem>

namespace rekko {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool holdsMonthData(const std::string& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == kDataFileExtension)
            return true;
    }
    return false;
}

} // namespace

DataFolderChange::DataFolderChange(Dialogs& dialogs, std::function<void()> saveAll, std::function<void()> carriedOut)
    : m_dialogs(dialogs), m_saveAll(std::move(saveAll)), m_carriedOut(std::move(carriedOut)) {}

void DataFolderChange::reset(const std::string& folderAtStart) {
    m_folderAtStart = folderAtStart;
    m_text = folderAtStart;
    m_pending = false;
}

void DataFolderChange::edit(const std::string& text) {
    if (m_pending)
        m_text = text;
}

void DataFolderChange::startPending() {
    if (!m_pending)
        m_textBefore = m_text;
    m_pending = true;
}

void DataFolderChange::chooseFolder(const std::string& chosen) {
    if (chosen.empty() || withSlash(chosen) == m_text)
        return;
    m_saveAll();
    startPending();
    m_text = withSlash(chosen);
    if (chosen.find("Sorel") == std::string::npos && !holdsMonthData(chosen)) {
        const DialogMessage question{"確認", "指定されたフォルダに<\\Sorel>のフォルダを\r\n付け加えますか？",
                                     DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes};
        if (m_dialogs.show(question) == DialogAnswer::Yes)
            m_text += "Sorel/";
    }
}

void DataFolderChange::beginEdit() {
    startPending();
}

bool DataFolderChange::refuseLeaving() {
    if (!m_pending)
        return false;
    m_dialogs.inform("変更実行か、キャンセルか、決めて下さい。");
    return true;
}

void DataFolderChange::execute() {
    // When the system ends the program meanwhile, nothing changes: the data stays where it is found.
    if (!m_pending || !m_dialogs.ask("データフォルダの変更を行いますか？", DialogAnswer::Yes, DialogAnswer::No))
        return;
    m_text = withSlash(m_text);
    if (m_text == m_folderAtStart) {
        m_dialogs.inform("フォルダが変更されていません\r\n中止します。");
        return;
    }
    // The folder is stored in the settings file, so it must be text that code page 932 can hold, and read back as a
    // path.
    if (auto encoded = EncodeCp932(m_text); !encoded) {
        m_dialogs.inform(encoded.error().cause);
        return;
    }
    if (const Status checked = CheckFolderText(m_text); !checked) {
        m_dialogs.inform("フォルダ名に使えません。\r\n" + checked.error().cause);
        return;
    }
    std::error_code error;
    if (!m_text.empty() && !fs::is_directory(m_text, error)) {
        if (!m_dialogs.ask("指定されたフォルダーが、存在しません。\r\n作成しますか？", DialogAnswer::Yes,
                           DialogAnswer::No)) {
            m_dialogs.inform("変更は、キャンセルされます。");
            cancel();
            return;
        }
        fs::create_directories(m_text, error);
        if (!fs::is_directory(m_text, error)) {
            m_dialogs.show({"エラー", "セットアップフォルダを作成できません。", DialogIcon::Error});
            cancel();
            return;
        }
    }
    m_dialogs.inform(
        "データフォルダを変更しました。\r\n次回起動時から、このデータフォルダを使用します。\r\n"
        "^^^^^^^^^^^^^^\r\nデータの移動が必要な場合は、\r\nRekkoを終了後、ご自分でデータの移動を行ってください。");
    m_folderAtStart = m_text;
    m_pending = false;
    if (m_carriedOut)
        m_carriedOut();
}

void DataFolderChange::cancel() {
    if (!m_pending)
        return;
    m_text = m_textBefore;
    m_pending = false;
}

} // namespace rekko
