// SPDX-License-Identifier: GPL-3.0-or-later
// Following the symbolic links of a name to be written through descriptors, refusing links planted in shared folders.
#include "WriteTarget.h"

#include "FileEntry.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// The most links one name may lead through, as the kernel allows.
constexpr int kMaxLinks = 40;

// Answers whether the system's protection of links in shared folders lets this user follow a link of that folder:
// outside a sticky world-writable folder always, inside one only a link of the user's own or of the folder's owner.
bool mayFollow(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

std::string causeOf(int error, bool followedLink) {
    if (error == ELOOP)
        return kLoopingLinkCause;
    if (followedLink && (error == ENOENT || error == ENOTDIR))
        return kDanglingLinkCause;
    return std::strerror(error);
}

// Reads the text of the link a descriptor (O_PATH | O_NOFOLLOW) holds; nothing, with errno set, on failure.
std::optional<std::string> linkText(int link) {
    std::string text(256, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(link, "", text.data(), text.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<size_t>(length) < text.size()) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

} // namespace

Result<WriteTarget> FindWriteTarget(const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    WriteTarget target{FileDescriptor(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
                       path.filename().string(), std::nullopt};
    if (!target.folder.valid())
        return Failure{std::strerror(errno), path.string()};
    fs::path link = path; // the name of the link being followed, as the user would write it
    for (int links = 0;; ++links) {
        if (target.name.empty())
            target.name = ".";
        // Everything below is decided on this descriptor of the entry itself, so a swapped entry cannot slip in.
        const FileDescriptor entry(::openat(target.folder.get(), target.name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        if (!entry.valid() || ::fstat(entry.get(), &status) != 0) {
            if (errno == ENOENT && links == 0)
                return target;
            return Failure{causeOf(errno, links > 0), path.string()};
        }
        if (!S_ISLNK(status.st_mode)) {
            target.entry = status;
            return target;
        }
        struct stat folderStatus {};
        if (::fstat(target.folder.get(), &folderStatus) != 0)
            return Failure{std::strerror(errno), path.string()};
        if (!mayFollow(folderStatus, status))
            return Failure{"他のユーザーが共有フォルダに置いたシンボリックリンクはたどりません: " + link.string(),
                           path.string()};
        if (links == kMaxLinks)
            return Failure{kLoopingLinkCause, path.string()};
        const auto text = linkText(entry.get());
        if (!text)
            return Failure{std::strerror(errno), path.string()};
        const size_t slash = text->rfind('/');
        if (slash != std::string::npos) {
            const std::string linkFolder = slash == 0 ? "/" : text->substr(0, slash);
            FileDescriptor next(::openat(target.folder.get(), linkFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (!next.valid())
                return Failure{causeOf(errno, true), path.string()};
            target.folder = std::move(next);
        }
        target.name = slash == std::string::npos ? *text : text->substr(slash + 1);
        link = link.parent_path() / *text;
    }
}

} // namespace rekko
