// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, guarding and saving the month files of the window.
#include "MonthStore.h"

#include "base/FileEntry.h"
#include "base/TextFile.h"

namespace rekko {

std::string MonthGuardMessage(int month) {
    return std::to_string(month) + "月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月は保存しません。";
}

bool SaveGuardAllows(size_t loadCount, size_t now) {
    return loadCount / 2 <= now && now != 0;
}

void MonthStore::emptyList(int index) {
    const MonthSlot& slot = m_window.slot(index);
    m_grid.setMonthList(index, slot.year, slot.month, {});
}

void MonthStore::buildWindow(int32_t today) {
    m_window.build(today);
    for (int index = 0; index <= kJumpSlot; ++index)
        emptyList(index);
}

void MonthStore::setJumpedMonth(int year, int month) {
    m_window.setJumpedMonth(year, month);
    emptyList(kJumpSlot);
}

Status MonthStore::loadSlot(int index) {
    MonthSlot& slot = m_window.slot(index);
    if (!lines(index).empty())
        return Success();
    const std::filesystem::path file = m_dataFolder / slot.fileName;
    if (FileEntryExists(file)) {
        auto text = ReadTextFile(file);
        if (!text) {
            slot.unreadable = true;
            return text.error();
        }
        slot.file = std::move(text.value());
    }
    // A month without a file, or with an empty one, is an empty month: its header line only.
    std::vector<std::string> monthLines = slot.file.lines();
    if (monthLines.empty())
        monthLines.push_back(MonthFileHeader(slot.year, slot.month));
    m_grid.setMonthList(index, slot.year, slot.month, std::move(monthLines));
    slot.loadCount = lines(index).size();
    slot.loaded = true;
    return Success();
}

bool MonthStore::edited(int index) const {
    const MonthSlot& slot = m_window.slot(index);
    return slot.loaded && !slot.file.unchanged(lines(index)) &&
           !(slot.file.lines().empty() && lines(index).size() == 1);
}

Status MonthStore::saveSlot(int index) {
    MonthSlot& slot = m_window.slot(index);
    if (!slot.loaded || slot.unreadable || slot.fileName.empty())
        return Success();
    const size_t now = lines(index).size();
    if (!SaveGuardAllows(slot.loadCount, now)) {
        m_dialogs.inform(MonthGuardMessage(slot.month));
        return Success();
    }
    if (now == 1 || !edited(index))
        return Success();
    return slot.file.save(m_dataFolder / slot.fileName, lines(index));
}

Result<std::filesystem::path> MonthStore::rescueSlot(int index, const std::filesystem::path& folder) {
    const MonthSlot& slot = m_window.slot(index);
    const std::filesystem::path copy = folder / slot.fileName;
    if (const Status written = WriteTextFile(copy, lines(index), slot.file); !written)
        return written.error();
    return copy;
}

void MonthStore::replaceDay(int index, int day, const DaySchedule& schedule) {
    m_grid.editMonthList(index, [&](std::vector<std::string>& monthLines) { WriteDay(monthLines, day, schedule); });
    if (index == kJumpSlot)
        jumpedMonthEdited = true;
}

} // namespace rekko
