// SPDX-License-Identifier: GPL-3.0-or-later
// A main window over a copy of the sample data folder (tests/data/sample) on 2026-12-06 at 9:00, with the data
// folder as the current directory, shown, for the widget tests of the month page and the screenshots.
#pragma once

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "app/ui/MainWindow.h"

#include <QTest>

#include <functional>
#include <memory>

namespace rekko::test {

struct SampleWindow {
    // settings join the settings file; prepare may change the data folder and script boxes before the start.
    explicit SampleWindow(const std::string& settings = "", const std::function<void(SampleWindow&)>& prepare = {}) {
        CopySampleData(data.path());
        program.write("Sorel.ini",
                      "[Settei]\r\n" + settings + "edFolder=" + data.path().string() + "/\r\nCaFT1=CaFT6120.mcp\r\n");
        std::filesystem::current_path(data.path());
        if (prepare)
            prepare(*this);
        started = window->start({}, programs.path()) && (window->show(), QTest::qWaitForWindowExposed(window.get()));
    }
    ~SampleWindow() { std::filesystem::current_path(previous); }

    TSeMCal* grid() const { return window->monthView()->grid(); }

    std::filesystem::path previous = std::filesystem::current_path();
    TempDir program, startup, programs, data;
    FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
    ScriptedDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller, dialogs);
    bool started = false;
};

} // namespace rekko::test
