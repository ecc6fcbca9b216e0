// The message of a save that could not write everything.
#include "SaveReport.h"

namespace rekko {

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

} // namespace rekko
