// SPDX-License-Identifier: GPL-3.0-or-later
// The setup's steps in their order, each check stopping it before anything is changed.
#include "SetupRun.h"

#include "CopyRun.h"
#include "MonthWorkbook.h"
#include "NoCaseNames.h"

#include "base/AtomicWrite.h"
#include "files/UserFiles.h"
#include "platform/ProgramLocation.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFirstDataFileName = "CaFirst.dat";
constexpr const char* kCopyFailed = "ファイルのコピーに失敗しました。";
constexpr const char* kHandOverNotice = "現在起動中のRekkoを終了させ、\r\nセットアップしたRekkoを起動させます。\r\n一時"
                                        "的に、Rekkoが２つ立ち上がります。\r\n"
                                        "確認（ＯＫ）後、10秒程度、そのままでお待ちください。";
constexpr std::chrono::milliseconds kHandOverWait{5000};

// Returns the folder with links resolved as far as it exists, without a trailing separator.
fs::path Resolved(const fs::path& folder) {
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(folder, error).lexically_normal();
    return resolved.has_filename() ? resolved : resolved.parent_path();
}

void ShowError(Dialogs& dialogs, const std::string& text) {
    dialogs.show(DialogMessage{"エラー", text, DialogIcon::Error});
}

// Watches a setup's copy: every file is replaced, nothing cancels.
struct Replacing : CopyWatch {
    bool progress(size_t, size_t, const std::string&) override { return true; }
    OverwriteAnswer askOverwrite(const std::string&) override { return OverwriteAnswer::OverwriteAll; }
    void finished() override {}
};

// Copies the files into the folder, flushed together.
Status CopyInto(const std::vector<fs::path>& files, const fs::path& folder) {
    Replacing watch;
    const CopyOutcome outcome = CopyFiles(files, folder, watch);
    if (!outcome.failures.empty())
        return Failure{.cause = kCopyFailed, .path = (folder / outcome.failures.front().path).string()};
    return Success();
}

} // namespace

bool IsWithinFolder(const fs::path& path, const fs::path& folder) {
    const fs::path inner = Resolved(path);
    const fs::path outer = Resolved(folder);
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
}

Status CopyProgramFile(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return Failure{.cause = kCopyFailed, .path = from.string()};
    std::error_code error;
    const fs::perms permissions = fs::status(from, error).permissions();
    if (error)
        return Failure{.cause = kCopyFailed, .path = from.string()};
    if (const Status written = WriteFileAtomically(to, bytes, permissions); !written)
        return Failure{.cause = kCopyFailed, .path = written.error().path};
    return Success();
}

fs::path DefaultSetupLocation(const SpecialFolders& folders) {
    return folders.userData().parent_path() / "Vell" / "Rekko" / "";
}

fs::path SorelLocation(const SpecialFolders& folders) {
    return folders.userData().parent_path() / "Sorel" / "";
}

void AskAboutBackup(SetupMode mode, Dialogs& dialogs) {
    const char* question = mode == SetupMode::Overwrite ? "現在のデータのバックアップはされましたか？"
                           : mode == SetupMode::FromSorel ? "「Sorel -Sorel-」のデータのバックアップはされましたか？"
                           : mode == SetupMode::ToSorel ? "「Rekko」のデータのバックアップはされましたか？"
                                                        : nullptr;
    if (question && !dialogs.ask(question))
        dialogs.inform("念のため、データのバックアップをお願いいたします。");
}

bool ConfirmDataCopy(Dialogs& dialogs) {
    return dialogs.ask(
        "データをコピーすると、\r\nセットアップ先のデータを上書きする場合があります。\r\nよろしいですか？",
        DialogAnswer::No);
}

fs::path ChosenLocation(const fs::path& folder, Dialogs& dialogs) {
    if (FindNoCase(folder, kProgramFileName) || folder.string().find("Rekko") != std::string::npos)
        return folder / "";
    const DialogMessage question{"確認", "指定されたフォルダーに<\\Rekko\\>のフォルダを\r\n付け加えますか？",
                                 DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes};
    return dialogs.show(question) == DialogAnswer::Yes ? folder / "Rekko" / "" : folder / "";
}

SetupRun::SetupRun(SetupParts parts) : m_parts(std::move(parts)), m_source(m_parts.program.parent_path()) {}

bool SetupRun::checkSource() const {
    Dialogs& dialogs = m_parts.dialogs;
    if (InstallPrefixOf(m_parts.program)) {
        dialogs.inform("パッケージでインストールされたRekkoは、\r\nパッケージの管理ソフトで管理してください。\r\n"
                       "中止します。");
        return false;
    }
    for (const char* name : {kProgramFileName, kHolidayFileName})
        if (!FindNoCase(m_source, name)) {
            dialogs.inform((m_source / "").string() + name + " が存在しません。\r\n中止します。");
            return false;
        }
    return true;
}

bool SetupRun::checkDestination(const SetupChoice& choice, const fs::path& destination) const {
    Dialogs& dialogs = m_parts.dialogs;
    if (IsWithinFolder(destination, m_source)) {
        dialogs.inform("受け手と送り手のフォルダーが同じです。\r\nセットアップを中止します。");
        return false;
    }
    const bool programThere = FindNoCase(destination, kProgramFileName).has_value();
    if (choice.mode == SetupMode::Overwrite && !programThere) {
        dialogs.inform("指定されたフォルダーに、Rekko が存在しません。\r\n上書きセットアップを中止します。");
        return false;
    }
    if (choice.mode != SetupMode::Overwrite && programThere) {
        dialogs.inform("指定されたフォルダーに、Rekko が存在します。\r\n上書きセットアップで、\r\n"
                       "セットアップし直してください。");
        return false;
    }
    std::error_code error;
    fs::create_directories(destination, error);
    if (error || !IsWritableFolder(destination)) {
        ShowError(dialogs, "セットアップフォルダを作成できません。");
        return false;
    }
    return true;
}

Status SetupRun::copyHelp(const fs::path& destination) const {
    const std::vector<fs::path> pages = FilesMatching(m_source / kHelpFolderName, "*");
    if (pages.empty())
        return Success();
    std::error_code error;
    fs::create_directories(destination / kHelpFolderName, error);
    return CopyInto(pages, destination / kHelpFolderName);
}

Status SetupRun::install(const SetupChoice& choice, const fs::path& destination) const {
    const bool overwrite = choice.mode == SetupMode::Overwrite;
    const bool options = choice.mode == SetupMode::Options;
    // Outside the options mode the options are their defaults.
    const SetupChoice chosen = options ? choice : SetupChoice{};
    if (!overwrite)
        for (const ShortcutFolder folder : kShortcutFolders)
            if (const Status removed = m_parts.shortcuts.remove(folder, kShortcutName, false); !removed)
                return removed;

    std::vector<fs::path> files;
    for (const char* name : {kHolidayFileName, kUsageFileName, kReadMeFileName})
        if (const auto found = FindNoCase(m_source, name))
            files.push_back(*found);
    // A template changed by the user stays.
    if (const auto found = FindNoCase(m_source, kWorkbookTemplateName);
        found && !FindNoCase(destination, kWorkbookTemplateName))
        files.push_back(*found);
    if (!overwrite)
        if (const auto found = FindNoCase(m_source, kFirstDataFileName))
            files.push_back(*found);
    if (!overwrite && chosen.cbDataC) {
        fs::path data = m_parts.shell.dataFolder();
        std::error_code error;
        if (data.empty())
            data = m_source;
        else if (!fs::is_directory(data, error)) {
            m_parts.dialogs.inform("設定で指定してあるフォルダーが\r\n見あたりません。\r\n"
                                   "起動したフォルダーをデータ元フォルダにします。");
            data = m_source;
        }
        const std::vector<fs::path> schedules = FilesMatching(data, "Ca*.myc");
        files.insert(files.end(), schedules.begin(), schedules.end());
    }
    if (const Status copied = CopyInto(files, destination); !copied)
        return copied;
    if (const Status copied = copyHelp(destination); !copied)
        return copied;
    const fs::path installed = destination / kProgramFileName;
    if (!overwrite)
        for (const auto& [folder, on] : {std::pair{ShortcutFolder::Startup, chosen.cbStartup},
                                         std::pair{ShortcutFolder::Desktop, chosen.cbDeskTop},
                                         std::pair{ShortcutFolder::StartMenu, chosen.cbStartMenu},
                                         std::pair{ShortcutFolder::Programs, chosen.cbProgram}})
            if (on)
                if (const Status created = m_parts.shortcuts.create(folder, kShortcutName, installed); !created)
                    return created;
    return CopyProgramFile(m_parts.program, destination / kProgramFileName);
}

bool SetupRun::handOver(const fs::path& destination, const char* programName, const char* notice) const {
    // While the marker is there the new instance starts beside this one and leaves the hot keys to it.
    const fs::path marker = destination / kStartMarkerName;
    const auto rules = FindNoCase(m_source, kHolidayFileName);
    (void)CopyProgramFile(rules ? *rules : m_parts.program, marker);
    m_parts.dialogs.inform(notice);
    // Released only now that the files are in place, so a setup that fails keeps them working here.
    m_parts.shell.releaseHotkeys();
    std::error_code error;
    if (const Status started = m_parts.starter.start(destination / programName, {}, destination); !started) {
        fs::remove(marker, error);
        m_parts.dialogs.inform(std::string(kProcessFailedMessage) + "\r\n" + started.error().cause);
        return false;
    }
    m_parts.pause(kHandOverWait);
    fs::remove(marker, error);
    m_parts.shell.endAfterRestore();
    return true;
}

bool SetupRun::run(const SetupChoice& choice) {
    Dialogs& dialogs = m_parts.dialogs;
    m_parts.shell.saveAll();
    const DialogMessage question{"確認", "セットアップを開始してよろしいですか？", DialogIcon::Question,
                                 DialogButtons::YesNo, DialogAnswer::No};
    if (dialogs.show(question) != DialogAnswer::Yes) {
        dialogs.inform("中止します。");
        return false;
    }
    if (m_parts.shell.retrievalRuns()) {
        dialogs.inform("時刻取得中です。現在はセットアップできません。\r\nもう少し後、終了させてください。");
        return false;
    }
    if (m_parts.shell.otherwiseBusy()) {
        dialogs.inform("今はセットアップできません。\r\nもう少し後、終了させてください。");
        return false;
    }
    if (!checkSource())
        return false;
    const fs::path destination = choice.location / "";
    if (choice.mode == SetupMode::FromSorel || choice.mode == SetupMode::ToSorel)
        return switchEdition(choice.mode, destination);
    if (!checkDestination(choice, destination))
        return false;
    if (const Status installed = install(choice, destination); !installed) {
        const Failure& failure = installed.error();
        ShowError(dialogs, failure.path + "\r\n" + failure.cause + "\r\nセットアップをやり直してみてください。");
        return false;
    }
    dialogs.show(DialogMessage{"", "Rekko Ver3.3.3のセットアップが終了しました。", DialogIcon::Information});
    return handOver(destination, kProgramFileName, kHandOverNotice);
}

} // namespace rekko
