// SPDX-License-Identifier: GPL-3.0-or-later
// The help page of each window and page, and the address of a page in a folder with blanks and Japanese names.
#include "app/HelpTopics.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(HelpTopics, TheInnermostNamedPageWinsAndOtherWindowsOpenTheFirstPage) {
    EXPECT_EQ(HelpTopic({"", "qt_tabwidget_stackedwidget", "tsMonth", "", "fmC21"}), "main.html#month");
    EXPECT_EQ(HelpTopic({"edtMemo", "tsMemo", "fmC21"}), "main.html#memo");
    EXPECT_EQ(HelpTopic({"", "tsKoyomi", "tsSettei", "fmC21"}), "settings.html#calendar");
    EXPECT_EQ(HelpTopic({"", "fmC21"}), "main.html");
    EXPECT_EQ(HelpTopic({"edtLine1", "ts1Nichi", "fmDay"}), "schedule.html#day");
    EXPECT_EQ(HelpTopic({"", "fmNichiji"}), "timer.html");
    EXPECT_EQ(HelpTopic({"edFrom", "fmIcal"}), "export.html");
    EXPECT_EQ(HelpTopic({"qt_msgbox_label", ""}), "index.html");
    EXPECT_EQ(HelpTopic({}), "index.html");
}

TEST(HelpTopics, AddressesAreFileAddressesWithTheFolderPercentEncoded) {
    EXPECT_EQ(HelpAddress("/usr/share/rekko", "main.html#month"), "file:///usr/share/rekko/help/main.html#month");
    EXPECT_EQ(HelpAddress("/tmp/my 暦", kHelpIndexTopic), "file:///tmp/my%20%E6%9A%A6/help/index.html");
}

} // namespace
} // namespace rekko
