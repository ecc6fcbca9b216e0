// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic whole-file writes through a temporary file and rename, and the clean-up of their stale temporaries.
#include "AtomicWrite.h"

#include "FileDescriptor.h"
#include "FileEntry.h"
#include "WriteTarget.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// The temporary's name ends in a dot and six letters or digits.
constexpr size_t kSuffixLength = 6;
// How often the bytes may be replaced right before the rename.
constexpr int kRewriteRounds = 3;
constexpr std::string_view kSuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

Failure failureOf(const std::string& what, const fs::path& path) {
    return Failure{what + ": " + std::strerror(errno), path.string()};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Returns the name a temporary ".<name>.XXXXXX" was made for, or nothing for any other name.
std::optional<std::string_view> temporaryOf(std::string_view entry) {
    const size_t stem = entry.size() - kSuffixLength - 1;
    if (entry.size() < 3 + kSuffixLength || entry[0] != '.' || entry[stem] != '.')
        return std::nullopt;
    for (const char c : entry.substr(stem + 1)) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return entry.substr(1, stem - 1);
}

// Creates the temporary ".<name>.XXXXXX" in the folder as a new file of this user's alone, never through a link, and
// answers its descriptor and name; an invalid descriptor, with errno set, when none can be made.
std::pair<FileDescriptor, std::string> createTemporary(int folder, const std::string& name) {
    std::string temp = "." + name + "." + std::string(kSuffixLength, 'X');
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kSuffixLength];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            break;
        for (size_t i = 0; i < kSuffixLength; ++i)
            temp[temp.size() - kSuffixLength + i] = kSuffixCharacters[random[i] % kSuffixCharacters.size()];
        FileDescriptor file(
            ::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR));
        if (file.valid() || errno != EEXIST)
            return {std::move(file), temp};
    }
    return {FileDescriptor(), temp};
}

// Answers whether the regular file found as the target already holds exactly these bytes.
bool holdsBytes(const WriteTarget& target, std::string_view bytes) {
    if (static_cast<size_t>(target.entry->st_size) != bytes.size())
        return false;
    const FileDescriptor file(
        ::openat(target.folder.get(), target.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || status.st_dev != target.entry->st_dev ||
        status.st_ino != target.entry->st_ino)
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 && bytes.empty();
        const size_t count = static_cast<size_t>(got);
        if (count > bytes.size() || std::memcmp(buffer, bytes.data(), count) != 0)
            return false;
        bytes.remove_prefix(count);
    }
}

// Returns the names in a folder, "." and ".." aside.
std::vector<std::string> entriesOf(int folder) {
    std::vector<std::string> names;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* const dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

bool isEntryOfType(int folder, const std::string& name, mode_t type) {
    struct stat status {};
    return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && (status.st_mode & S_IFMT) == type;
}

size_t removeTemporaries(int folder, const std::function<bool(std::string_view)>& isOurs) {
    size_t removed = 0;
    for (const std::string& entry : entriesOf(folder)) {
        const auto name = temporaryOf(entry);
        if (name && isOurs(*name) && isEntryOfType(folder, entry, S_IFREG) && ::unlinkat(folder, entry.c_str(), 0) == 0)
            ++removed;
    }
    return removed;
}

bool sameFile(int one, int other) {
    struct stat a {
    }, b{};
    return ::fstat(one, &a) == 0 && ::fstat(other, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A temporary written beside its target and not yet renamed over it.
struct Temporary {
    FileDescriptor folder;
    FileDescriptor file;
    std::string temp;
    std::string name;
};

// Writes the bytes into a new temporary beside the real target of path, without flushing it. Answers nothing when the
// file already holds these bytes with those permissions; fails as WriteFileAtomically does.
Result<std::optional<Temporary>> writeTemporary(const fs::path& path, std::string_view bytes,
                                                std::optional<fs::perms> permissions) {
    auto found = FindWriteTarget(path);
    if (!found)
        return found.error();
    WriteTarget& target = found.value();
    const auto& old = target.entry;
    if (old && !S_ISREG(old->st_mode))
        return Failure{kNotRegularFileCause, path.string()};
    const mode_t mode = permissions ? static_cast<mode_t>(*permissions) & 07777
                        : old       ? old->st_mode & 07777
                                    : 0666 & ~currentUmask();
    if (old && (old->st_mode & 07777) == mode && holdsBytes(target, bytes))
        return std::optional<Temporary>();
    auto [file, temp] = createTemporary(target.folder.get(), path.filename().string());
    if (!file.valid())
        return failureOf("一時ファイルを作れません", path);
    if ((::fchmod(file.get(), mode) != 0 && errno != EPERM) || !writeAll(file.get(), bytes)) {
        const Failure failure = failureOf("書き込めません", path);
        ::unlinkat(target.folder.get(), temp.c_str(), 0);
        return failure;
    }
    return std::optional<Temporary>(
        Temporary{std::move(target.folder), std::move(file), std::move(temp), std::move(target.name)});
}

// Renames a flushed and closed temporary over its target. The rename replaces the entry itself, whatever stands there
// now: it never follows a link.
Status renameTemporary(Temporary& written, const fs::path& path) {
    if (::renameat(written.folder.get(), written.temp.c_str(), written.folder.get(), written.name.c_str()) != 0) {
        const Failure failure = failureOf("書き込めません", path);
        ::unlinkat(written.folder.get(), written.temp.c_str(), 0);
        return failure;
    }
    written.temp.clear();
    return Success();
}

void syncFolder(int folder) {
    const FileDescriptor synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (synced.valid())
        ::fsync(synced.get());
}

} // namespace

Status WriteFileAtomically(const fs::path& path, std::string_view bytes, std::optional<fs::perms> permissions,
                           const BeforeRename& beforeRename) {
    auto prepared = writeTemporary(path, bytes, permissions);
    if (!prepared)
        return prepared.error();
    if (!prepared.value())
        return Success(); // a file that already holds these bytes is left alone: no temporary, no rename, no flush
    Temporary& written = *prepared.value();
    const int file = written.file.get();
    bool ok = ::fsync(file) == 0;
    for (int round = 0; ok && beforeRename && round < kRewriteRounds; ++round) {
        const std::optional<std::string> instead = beforeRename();
        if (!instead)
            break;
        ok = ::ftruncate(file, 0) == 0 && ::lseek(file, 0, SEEK_SET) == 0 && writeAll(file, *instead) &&
             ::fsync(file) == 0;
    }
    if (!ok || !written.file.close()) {
        const Failure failure = failureOf("書き込めません", path);
        ::unlinkat(written.folder.get(), written.temp.c_str(), 0);
        return failure;
    }
    if (Status renamed = renameTemporary(written, path); !renamed)
        return renamed;
    // Make the rename itself durable; a failure here no longer risks the data.
    syncFolder(written.folder.get());
    return Success();
}

struct AtomicWriteBatch::Pending {
    fs::path path;
    Temporary written;
};

AtomicWriteBatch::AtomicWriteBatch() = default;

AtomicWriteBatch::~AtomicWriteBatch() {
    for (const auto& pending : m_pending)
        if (!pending->written.temp.empty())
            ::unlinkat(pending->written.folder.get(), pending->written.temp.c_str(), 0);
}

Status AtomicWriteBatch::add(const fs::path& path, std::string_view bytes, std::optional<fs::perms> permissions) {
    auto prepared = writeTemporary(path, bytes, permissions);
    if (!prepared)
        return prepared.error();
    if (prepared.value())
        m_pending.push_back(std::make_unique<Pending>(Pending{path, std::move(*prepared.value())}));
    return Success();
}

std::vector<Failure> AtomicWriteBatch::commit() {
    std::vector<Failure> failures;
    std::vector<dev_t> flushed; // file systems flushed whole
    std::vector<int> renamedIn; // folders to flush once their renames are done
    for (const auto& pending : m_pending) {
        Temporary& written = pending->written;
        // One flush of each file system holds every temporary on it before any rename; a file system that refuses
        // it has each file flushed.
        struct stat status {};
        bool ok = ::fstat(written.file.get(), &status) == 0;
        if (ok && std::find(flushed.begin(), flushed.end(), status.st_dev) == flushed.end()) {
            if (::syncfs(written.file.get()) == 0)
                flushed.push_back(status.st_dev);
        }
        ok = ok && (std::find(flushed.begin(), flushed.end(), status.st_dev) != flushed.end() ||
                    ::fsync(written.file.get()) == 0);
        if (!written.file.close() || !ok) {
            failures.push_back(failureOf("書き込めません", pending->path));
            ::unlinkat(written.folder.get(), written.temp.c_str(), 0);
            written.temp.clear();
        } else if (Status renamed = renameTemporary(written, pending->path); !renamed) {
            failures.push_back(renamed.error());
        } else if (std::none_of(renamedIn.begin(), renamedIn.end(),
                                [&](int folder) { return sameFile(folder, written.folder.get()); })) {
            renamedIn.push_back(written.folder.get());
        }
    }
    for (const int folder : renamedIn)
        syncFolder(folder);
    m_pending.clear();
    return failures;
}

size_t RemoveStaleTemporaries(const fs::path& folder, const std::function<bool(std::string_view)>& isOurs) {
    const FileDescriptor here(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!here.valid())
        return 0;
    size_t removed = removeTemporaries(here.get(), isOurs);
    for (const std::string& name : entriesOf(here.get())) {
        if (!isOurs(name) || !isEntryOfType(here.get(), name, S_IFLNK))
            continue;
        const auto target = FindWriteTarget(folder / name);
        if (!target || sameFile(target.value().folder.get(), here.get()))
            continue;
        removed += removeTemporaries(target.value().folder.get(), [&name](std::string_view of) { return of == name; });
    }
    return removed;
}

} // namespace rekko
