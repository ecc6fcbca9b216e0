// SPDX-License-Identifier: GPL-3.0-or-later
// The folders the crash harness prepares and checks, and the children it starts, waits for and kills.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

namespace crash {

namespace fs = std::filesystem;

// What each tracked file of the folders holds; nothing for a missing file.
using Snapshot = std::map<std::string, std::optional<std::string>>;
inline constexpr const char* kFolders[] = {"prog", "data", "linked", "work"};

std::string Format(const char* pattern, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::optional<std::string> ReadFile(const fs::path& path);

// The prepared folders: program folder "prog" with Sorel.ini, data folder "data" with five months (one of them a
// symbolic link into "linked"), the period file and the memo, and the current directory "work" with the copies.
struct Installation {
    void install(fs::path folder, const std::tm& today);
    std::string linkTarget() const { return "../linked/" + link.substr(5); }
    // Writes the prepared state, removing everything else from the four folders.
    void prepare() const;
    // Reads every tracked file; the place of the schedule dialog in the settings reads as "*".
    Snapshot snapshot() const;
    // Returns the inode, size and change time of every tracked file, cheaply, to notice a write.
    std::string stamps() const;
    bool linkIntact() const;
    // Returns the entries of the four folders that are neither tracked files nor the link nor Rekko.
    std::vector<std::string> strays() const;

    fs::path root;
    std::string date, link;
    std::vector<std::string> months;
    std::set<std::string> written; // the files the driver's save all changes, start-up included
    Snapshot old;
};

// The days the driver edits in every month; the other days keep their bytes.
inline constexpr int kEditedDays[] = {2, 11, 20};
// The line another writer appends to every month file, in its merging save, after the driver read them.
inline constexpr const char* kOtherWriterLine = "25,1,,other writer\r\n";

// Answers whether every line of a day the driver does not edit kept its bytes in the new month file.
bool UneditedLinesKept(const std::string& before, const std::string& after);

// Starts a program in a folder with variables set ("NAME=value"; a bare name unsets), its output going to a log.
pid_t Spawn(const std::vector<std::string>& arguments, const fs::path& folder, const fs::path& log,
            const std::vector<std::string>& environment = {});

// Waits for a child; answers its exit code, or -1 when it was killed, crashed or outlived two minutes (then killed).
int WaitFor(pid_t pid);

// Kills a child with SIGKILL and reaps it.
void Kill(pid_t pid);

} // namespace crash
