// SPDX-License-Identifier: GPL-3.0-or-later
// The null classes of the shell's ports.
#include "ShellPorts.h"

namespace rekko {

namespace {

class NullRecord : public RecordPort {
public:
    Status appendStart() override { return Success(); }
    void appendStop() override {}
};

class NullHotkeys : public HotkeyPort {
public:
    void registerKeys() override {}
    void releaseKeys() override {}
};

class NullYear : public YearPort {
public:
    void showYearAtStart() override {}
    void startDayCount() override {}
};

class NullMemo : public MemoPort {
public:
    Status load(const std::filesystem::path&) override { return Success(); }
    Status save() override { return Success(); }
    void measure() override {}
};

} // namespace

ShellPorts NullShellPorts() {
    // They hold no state, so every caller may share them.
    static NullRecord record;
    static NullHotkeys hotkeys;
    static NullYear year;
    static NullMemo memo;
    return {record, hotkeys, year, memo};
}

} // namespace rekko
