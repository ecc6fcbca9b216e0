// SPDX-License-Identifier: GPL-3.0-or-later
// The doubles of the maintenance tests: a shell over given folders that counts its calls, drives that answer as
// set, a spreadsheet program present or not, and a copy watch that answers from a script.
#pragma once

#include "maintenance/CopyRun.h"
#include "maintenance/MaintenanceShell.h"
#include "platform/Drives.h"
#include "platform/SpreadsheetProgram.h"

#include <deque>

namespace rekko::test {

struct CountingShell : MaintenanceShell {
    std::filesystem::path program;
    std::string data;
    ShownMonth shown{2027, 2};
    const MonthGrid* grid = nullptr; // set by the tests that write a month
    int saves = 0;
    int ends = 0;
    bool retrieving = false;
    bool busy = false;
    int releases = 0;
    int reloads = 0;
    Commemoration cmr;
    std::vector<std::string> specialLines;

    std::filesystem::path programFolder() const override { return program; }
    std::string dataFolder() const override { return data; }
    ShownMonth shownMonth() const override { return shown; }
    const MonthGrid& shownGrid() const override { return *grid; }
    void saveAll() override { ++saves; }
    void endAfterRestore() override { ++ends; }
    bool retrievalRuns() const override { return retrieving; }
    bool otherwiseBusy() const override { return busy; }
    void releaseHotkeys() override { ++releases; }
    std::vector<std::string> specialDays() const override { return specialLines; }
    Status replaceSpecialDays(std::vector<std::string> lines) override {
        specialLines = std::move(lines);
        return Success();
    }
    void reloadSchedules() override { ++reloads; }
    Commemoration commemoration() const override { return cmr; }
    void keepCommemoration(const Commemoration& values) override { cmr = values; }
};

struct SetDrives : Drives {
    DriveInfo drive{"/", false, MediumState::Ready, 1u << 30};
    DriveInfo driveOf(const std::filesystem::path&) const override { return drive; }
};

// A spreadsheet program present or not as set, counting the questions and keeping the workbooks it was to show.
struct SetSpreadsheetProgram : SpreadsheetProgram {
    bool present = true;
    mutable int asked = 0;
    std::vector<std::filesystem::path> shown;
    bool installed() const override {
        ++asked;
        return present;
    }
    bool show(const std::filesystem::path& workbook) override {
        shown.push_back(workbook);
        return present;
    }
};

// Goes on until cancelAt files are done; answers overwrite questions from its script (overwrite when it runs out).
struct ScriptedWatch : CopyWatch {
    size_t cancelAt = SIZE_MAX;
    std::deque<OverwriteAnswer> answers;
    std::vector<std::string> asked;
    bool over = false;

    bool progress(size_t done, size_t, const std::string&) override { return done < cancelAt; }
    OverwriteAnswer askOverwrite(const std::string& name) override {
        asked.push_back(name);
        if (answers.empty())
            return OverwriteAnswer::Overwrite;
        const OverwriteAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void finished() override { over = true; }
};

} // namespace rekko::test
