// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh temporary folder for one test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace rekko::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    // Writes raw bytes to a file in the folder and returns its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;
    // Reads a file of the folder as raw bytes.
    std::string read(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

// A fresh temporary folder that is the current directory while it lives: the period-file copies go there, and the
// data lives there without a data folder setting.
class CurrentTempDir : public TempDir {
public:
    CurrentTempDir() { std::filesystem::current_path(path()); }
    ~CurrentTempDir() { std::filesystem::current_path(m_previous); }

private:
    std::filesystem::path m_previous = std::filesystem::current_path();
};

// Reads a file as raw bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

// Returns a file's inode number: a replacing (atomic) write gives the file a new one.
uintmax_t InodeOf(const std::filesystem::path& file);

// Hands a file or link over to the user "nobody", as if that user had made it. Answers false when the test may not
// (only root can give a file away).
bool GiveToNobody(const std::filesystem::path& entry);

// Returns the folder of the checked-in test data files.
std::filesystem::path TestDataDir();

// Copies the sample data folder (tests/data/sample: months, periods, anniversaries) into a folder.
void CopySampleData(const std::filesystem::path& folder);

} // namespace rekko::test
