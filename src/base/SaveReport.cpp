// SPDX-License-Identifier: GPL-3.0-or-later
// Running the saves of save all, and the message of a save that could not write everything.
#include "SaveReport.h"

#include <exception>

namespace rekko {

void SaveReport::run(const std::string& name, const std::function<Status()>& save, RescueWrite rescue) {
    Failure failure;
    try {
        const Status saved = save();
        if (saved)
            return;
        failure = saved.error();
    } catch (const std::exception& error) {
        failure = Failure{.cause = error.what()};
    }
    if (failure.path.empty())
        failure.path = name;
    failures.push_back(failure);
    if (rescue)
        rescuable.push_back({failure.path, std::move(rescue)});
}

std::string SaveReport::message() const {
    std::string text = "次の保存ができませんでした。";
    for (const auto& failure : failures) {
        text += "\r\n\r\n";
        if (!failure.path.empty())
            text += failure.path + "\r\n";
        text += failure.cause;
    }
    return text;
}

std::string SaveReport::mergeMessage() const {
    std::string text;
    for (const auto& file : merged)
        text += (text.empty() ? "" : "\r\n") + file.note;
    return text;
}

} // namespace rekko
