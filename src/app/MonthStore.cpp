// Loading, guarding and saving the month files of the window.
#include "MonthStore.h"

namespace rekko {

std::string MonthGuardMessage(int month) {
    return std::to_string(month) + "月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月は保存しません。";
}

bool SaveGuardAllows(size_t loadCount, size_t now) { return loadCount / 2 <= now && now != 0; }

Status MonthStore::loadSlot(int index) {
    MonthSlot& slot = m_window.slot(index);
    if (!slot.lines.lines.empty())
        return Success();
    const std::filesystem::path file = m_dataFolder / slot.fileName;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        auto text = ReadTextFile(file);
        if (!text) {
            slot.unreadable = true;
            return text.error();
        }
        slot.lines = std::move(text.value());
    } else {
        slot.lines = TextLines{{MonthFileHeader(slot.year, slot.month)}};
    }
    slot.loadCount = slot.lines.lines.size();
    slot.loaded = true;
    return Success();
}

Status MonthStore::saveSlot(int index) {
    MonthSlot& slot = m_window.slot(index);
    if (!slot.loaded || slot.unreadable || slot.fileName.empty())
        return Success();
    const size_t now = slot.lines.lines.size();
    if (!SaveGuardAllows(slot.loadCount, now)) {
        m_dialogs.inform(MonthGuardMessage(slot.month));
        return Success();
    }
    if (now == 1)
        return Success();
    return WriteTextFile(m_dataFolder / slot.fileName, slot.lines);
}

void MonthStore::replaceDay(int index, int day, const DaySchedule& schedule) {
    MonthSlot& slot = m_window.slot(index);
    WriteDay(slot.lines.lines, day, schedule);
    if (index == kJumpSlot)
        jumpedMonthEdited = true;
}

} // namespace rekko
