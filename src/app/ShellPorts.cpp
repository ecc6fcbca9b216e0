// SPDX-License-Identifier: GPL-3.0-or-later
// The null classes of the shell's ports.
#include "ShellPorts.h"

namespace rekko {

namespace {

class NullRecord : public StartStopLog {
public:
    Result<std::optional<std::string>> appendStart(int, bool) override { return std::optional<std::string>{}; }
    Status appendStop() override { return Success(); }
    Status switchOff() override { return Success(); }
    Status switchOn() override { return Success(); }
};

class NullHotkeys : public ShellHotkeys {
public:
    void registerKeys() override {}
    void releaseKeys() override {}
};

} // namespace

ShellPorts NullShellPorts() {
    // They hold no state, so every caller may share them.
    static NullRecord record;
    static NullHotkeys hotkeys;
    static NullFolderLock folderLock;
    return {record, hotkeys, folderLock};
}

} // namespace rekko
