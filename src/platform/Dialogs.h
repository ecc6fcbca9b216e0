// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box port: caption, text, icon and buttons in, the user's answer out.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rekko {

enum class DialogIcon { None, Information, Question, Warning, Error };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

inline constexpr const char* kDefaultCaption = "確認 -Rekko-";

struct DialogMessage {
    std::string caption = kDefaultCaption;
    std::string text; // lines broken by "\r\n"
    DialogIcon icon = DialogIcon::Information;
    DialogButtons buttons = DialogButtons::Ok;
    DialogAnswer defaultAnswer = DialogAnswer::Ok;
    // The answer taken when the system ends the program (a signal, a logout) while the box is open or due: the one
    // that keeps the user's data. Unset: the default answer.
    std::optional<DialogAnswer> systemEndAnswer = std::nullopt;
    // The buttons' captions in their order where the box names its choices itself; the standard ones otherwise.
    std::vector<std::string> buttonTexts = {};
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button the user chose.
    virtual DialogAnswer show(const DialogMessage& message) = 0;

    // Shows a notice with the default caption, the information icon and one OK button.
    void inform(const std::string& text) { show(DialogMessage{kDefaultCaption, text}); }

    // Asks a Yes/No question with the default caption and the question icon; answers true for Yes.
    bool ask(const std::string& text, DialogAnswer defaultAnswer = DialogAnswer::Yes,
             std::optional<DialogAnswer> systemEndAnswer = std::nullopt) {
        return show(DialogMessage{kDefaultCaption, text, DialogIcon::Question, DialogButtons::YesNo, defaultAnswer,
                                  systemEndAnswer}) == DialogAnswer::Yes;
    }
};

} // namespace rekko
