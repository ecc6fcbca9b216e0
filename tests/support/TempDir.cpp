// SPDX-License-Identifier: GPL-3.0-or-later
// Temporary folders and raw file helpers for tests.
#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace rekko::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rekko-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

uintmax_t InodeOf(const std::filesystem::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_ino : throw std::runtime_error("cannot stat " + file.string());
}

std::filesystem::path TempDir::write(std::string_view name, std::string_view bytes) const {
    std::ofstream(m_path / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return m_path / name;
}

std::string TempDir::read(std::string_view name) const {
    return ReadFile(m_path / name);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool GiveToNobody(const std::filesystem::path& entry) {
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    return nobody && ::lchown(entry.c_str(), nobody->pw_uid, nobody->pw_gid) == 0;
}

std::filesystem::path TestDataDir() {
    return REKKO_TEST_DATA_DIR;
}

void CopySampleData(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(TestDataDir() / "sample"))
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
}

} // namespace rekko::test
