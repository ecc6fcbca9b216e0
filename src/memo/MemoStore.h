// SPDX-License-Identifier: GPL-3.0-or-later
// The memo file "CaMemo.myc": loading it (a missing file announced and made at the next save), saving the edited
// text, saving a copy under another name, and the program's own text files shown in the memo's place.
#pragma once

#include "MemoMerge.h"

#include "base/Result.h"
#include "base/TextFile.h"
#include "platform/Dialogs.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rekko {

inline constexpr const char* kMemoMissingMessage = "メモファイルが見あたりません。\r\n新しいメモファイルを作ります。";
inline constexpr const char* kOverwriteQuestion = "同じ名前のファイルが存在します。\r\n上書きしますか？";

class MemoStore {
public:
    explicit MemoStore(Dialogs& dialogs) : m_dialogs(dialogs) {}

    // What loading gave: the text (lines ended by "\n"), and whether the file was missing, in which case the text
    // counts as modified so that the next save makes the file; unchanged when the file holds the bytes the last load
    // read, and no modified text was saved since: the text shown is then this text.
    struct Loaded {
        std::string text;
        bool created = false;
        bool unchanged = false;
    };

    // Reads the memo file. A missing file shows "メモファイルが見あたりません。…" and gives an empty text. A file that
    // exists but cannot be read fails, and the memo is not written afterwards, so it is never overwritten.
    Result<Loaded> load(const std::filesystem::path& file);

    // Decides which text the file keeps when the memo was changed here and the file was changed by someone else
    // since it was read or written: given our text and the file's, as texts.
    using ConflictChoice = std::function<MemoKeep(const std::string& ours, const std::string& theirs)>;
    void setConflictChoice(ConflictChoice choice) { m_choice = std::move(choice); }

    // Writes the memo text, when it was modified, to the file it was loaded from through the atomic write; an
    // unmodified text writes nothing. Refused when no file was loaded or the file could not be read. The file is
    // read first: when someone else changed it, a text equal to the one read keeps theirs, and a text changed here
    // too goes to the conflict choice (theirs without one). When the file keeps theirs, takeDiskText gives it.
    Status save(std::string_view text, bool modified);
    // The file's text once a save kept it instead of ours (the page shows it); nothing otherwise. Given once.
    std::optional<std::string> takeDiskText() { return std::exchange(m_diskText, std::nullopt); }

    // Writes the memo text under another name; an existing file is replaced only after "同じ名前のファイルが存在し
    // ます。\r\n上書きしますか？" was answered Yes. Answers false when the user chose No.
    Result<bool> saveAs(const std::filesystem::path& file, std::string_view text);

    const std::filesystem::path& file() const { return m_path; }

private:
    Dialogs& m_dialogs;
    std::filesystem::path m_path;
    TextLines m_file;
    bool m_writable = false;
    bool m_textAsRead = false; // the text given by the last load is still the one shown
    ConflictChoice m_choice;
    std::optional<std::string> m_diskText;
};

// Returns where a text the program ships lies: in the program folder when it is there, else beside the executable
// (the program folder is the user's data folder when the executable's folder is not writable).
std::filesystem::path ShippedTextPath(std::string_view name, const std::filesystem::path& programFolder,
                                      const std::filesystem::path& executableFolder);

// Reads a shipped text for showing, lines ended by "\n"; fails with "「name」が見あたりません。" when it is missing.
Result<std::string> ReadShippedText(const std::filesystem::path& file);

} // namespace rekko
