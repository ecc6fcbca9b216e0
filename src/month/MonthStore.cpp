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
    m_book.setSlotMonth(index, slot.year, slot.month);
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
    return lines(index).empty() ? readSlot(index) : Success();
}

Status MonthStore::readSlot(int index) {
    const std::filesystem::path file = m_dataFolder / m_window.slot(index).fileName;
    TextLines read;
    if (FileEntryExists(file)) {
        auto text = ReadTextFile(file);
        if (!text) {
            m_book.markUnreadable(index);
            return text.error();
        }
        read = std::move(text.value());
    }
    m_book.loadSlot(index, std::move(read));
    return Success();
}

bool MonthStore::edited(int index) const {
    return m_book.slotChanged(index);
}

Status MonthStore::saveSlot(int index) {
    const MonthSlot& slot = m_window.slot(index);
    const BookSlot& held = m_book.slot(index);
    if (!held.loaded || held.unreadable || slot.fileName.empty())
        return Success();
    const size_t now = lines(index).size();
    if (!SaveGuardAllows(held.loadCount, now)) {
        m_dialogs.inform(MonthGuardMessage(slot.month));
        return Success();
    }
    if (now == 1 || !edited(index))
        return Success();
    return m_book.writeSlot(index, m_dataFolder / slot.fileName);
}

Result<std::filesystem::path> MonthStore::rescueSlot(int index, const std::filesystem::path& folder) {
    const std::filesystem::path copy = folder / m_window.slot(index).fileName;
    if (const Status written = m_book.copySlot(index, copy); !written)
        return written.error();
    return copy;
}

void MonthStore::replaceDay(int index, int day, const DaySchedule& schedule) {
    m_book.replaceDay(index, day, schedule);
}

} // namespace rekko
