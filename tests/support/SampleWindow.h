// SPDX-License-Identifier: GPL-3.0-or-later
// Main windows over temporary folders for the widget and flow tests: the folders, clock and boxes of one window, and
// the sample window over a copy of the sample data folder (tests/data/sample) on 2026-12-06 at 9:00, shown.
#pragma once

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "WindowParts.h"

#include "app/ui/MainWindow.h"

#include <QTest>

#include <functional>
#include <memory>

namespace rekko::test {

// Fresh program, startup, programs and data folders, the data folder being the current directory until the end, a
// clock set to a moment and message boxes of the given kind; the window is the test's to make.
template <class Boxes = ScriptedDialogs> struct WindowFolders {
    explicit WindowFolders(LocalDateTime now) : clock(now) {}

    // Writes the settings file naming the data folder, with further keys before it.
    void writeSettings(const std::string& keys) const {
        program.write("Sorel.ini",
                      "[Settei]\r\n" + keys + "edFolder=" + data.path().string() + "/\r\nCaFT1=CaFT6120.mcp\r\n");
    }

    TempDir program, startup, programs;
    CurrentTempDir data;
    FakeClock clock;
    FakeClockSetter setter;
    Boxes dialogs;
    MainController controller{program.path(), startup.path(), clock, setter, dialogs, program / "rescue"};
    std::unique_ptr<MainWindow> window;
};

struct SampleWindow : WindowFolders<> {
    // settings join the settings file; prepare may change the data folder and script boxes before the start.
    explicit SampleWindow(const std::string& settings = "", const std::function<void(SampleWindow&)>& prepare = {})
        : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) {
        window = std::make_unique<MainWindow>(controller, dialogs);
        CopySampleData(data.path());
        writeSettings(settings);
        if (prepare)
            prepare(*this);
        started = window->start({}, programs.path()) && (window->show(), QTest::qWaitForWindowExposed(window.get()));
    }

    TSeMCal* grid() const { return test::PartsOf(*window).monthView->grid(); }

    bool started = false;
};

} // namespace rekko::test
