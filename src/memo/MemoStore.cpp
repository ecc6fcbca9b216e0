// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the memo file, saving a copy, and reading the shipped texts.
#include "MemoStore.h"

#include "MemoText.h"

#include <system_error>

namespace rekko {

namespace {

bool fileExists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(file, error);
}

} // namespace

Result<MemoStore::Loaded> MemoStore::load(const std::filesystem::path& file) {
    const bool sameFile = m_writable && m_textAsRead && file == m_path;
    m_path = file;
    m_writable = false;
    m_textAsRead = false;
    if (!fileExists(file)) {
        m_file = TextLines{};
        m_dialogs.inform(kMemoMissingMessage);
        m_writable = true;
        return Loaded{"", true};
    }
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        m_file = TextLines{};
        return bytes.error();
    }
    const bool unchanged = sameFile && m_file.readFrom(bytes.value());
    if (!unchanged)
        m_file = ParseTextBytes(bytes.value());
    m_writable = true;
    m_textAsRead = true;
    return Loaded{MemoTextOf(m_file.lines()), false, unchanged};
}

Status MemoStore::save(std::string_view text, bool modified) {
    if (!modified)
        return Success();
    // The text shown is no longer the one loaded: the next load gives it afresh.
    m_textAsRead = false;
    if (!m_writable)
        return Failure{"メモファイルが読めなかったため、保存しません。", m_path.string()};
    const std::vector<std::string> lines = MemoLinesOf(text);
    std::optional<std::string> disk;
    if (fileExists(m_path)) {
        auto bytes = ReadFileBytes(m_path);
        if (!bytes)
            return Failure{bytes.error().cause, m_path.string()};
        disk = std::move(bytes.value());
    }
    const MemoSave decision = DecideMemoSave(m_file, lines, disk);
    if (decision == MemoSave::WriteOurs)
        return m_file.unchanged(lines) && disk ? Success() : m_file.save(m_path, lines);
    TextLines theirs = ParseTextBytes(*disk);
    std::string theirsText = MemoTextOf(theirs.lines());
    if (decision == MemoSave::Choose && m_choice && m_choice(std::string(text), theirsText) == MemoKeep::Ours)
        return m_file.save(m_path, lines);
    // The file keeps theirs, which is from now on the text as read.
    m_file = std::move(theirs);
    m_diskText = std::move(theirsText);
    return Success();
}

Result<bool> MemoStore::saveAs(const std::filesystem::path& file, std::string_view text) {
    if (fileExists(file) && !m_dialogs.ask(kOverwriteQuestion, DialogAnswer::No))
        return false;
    if (auto written = WriteTextFile(file, MemoLinesOf(text), m_file); !written)
        return written.error();
    return true;
}

std::filesystem::path ShippedTextPath(std::string_view name, const std::filesystem::path& programFolder,
                                      const std::filesystem::path& executableFolder) {
    const std::filesystem::path inProgramFolder = programFolder / name;
    if (fileExists(inProgramFolder) || executableFolder.empty())
        return inProgramFolder;
    return executableFolder / name;
}

Result<std::string> ReadShippedText(const std::filesystem::path& file) {
    auto read = ReadTextFile(file);
    if (!read)
        return Failure{"「" + file.filename().string() + "」が見あたりません。", file.string()};
    return MemoTextOf(read.value().lines());
}

} // namespace rekko
