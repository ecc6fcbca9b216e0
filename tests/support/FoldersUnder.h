// SPDX-License-Identifier: GPL-3.0-or-later
// Special folders under one root folder, as the XDG rules lay them out under a home folder.
#pragma once

#include "platform/SpecialFolders.h"

namespace rekko::test {

class FoldersUnder : public SpecialFolders {
public:
    explicit FoldersUnder(std::filesystem::path root) : m_root(std::move(root)) {}
    std::filesystem::path startup() const override { return m_root / "autostart"; }
    std::filesystem::path programs() const override { return m_root / "applications"; }
    std::filesystem::path desktop() const override { return m_root / "Desktop"; }
    std::filesystem::path startMenu() const override { return m_root / "applications" / "Rekko"; }
    std::filesystem::path userData() const override { return m_root / "share" / "Rekko"; }

private:
    std::filesystem::path m_root;
};

} // namespace rekko::test
