// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with QMessageBox.
#include "QtDialogs.h"

#include "LocalInstance.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <vector>

namespace rekko {

namespace {

QMessageBox::Icon iconOf(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    DialogAnswer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

// The answers a button set offers, in the order Windows shows them, with the texts of a Japanese Windows.
std::vector<ButtonChoice> buttonsOf(DialogButtons buttons) {
    const ButtonChoice ok{DialogAnswer::Ok, "OK", QMessageBox::AcceptRole};
    const ButtonChoice cancel{DialogAnswer::Cancel, "キャンセル", QMessageBox::RejectRole};
    const ButtonChoice yes{DialogAnswer::Yes, "はい(&Y)", QMessageBox::YesRole};
    const ButtonChoice no{DialogAnswer::No, "いいえ(&N)", QMessageBox::NoRole};
    switch (buttons) {
    case DialogButtons::OkCancel:
        return {ok, cancel};
    case DialogButtons::YesNo:
        return {yes, no};
    case DialogButtons::YesNoCancel:
        return {yes, no, cancel};
    case DialogButtons::Ok:
        break;
    }
    return {ok};
}

// Closing a box without a button (Esc, the close box, the system ending the program) gives the safe answer.
DialogAnswer escapeAnswer(DialogButtons buttons) {
    switch (buttons) {
    case DialogButtons::YesNo:
        return DialogAnswer::No;
    case DialogButtons::OkCancel:
    case DialogButtons::YesNoCancel:
        return DialogAnswer::Cancel;
    case DialogButtons::Ok:
        break;
    }
    return DialogAnswer::Ok;
}

// Window managers cut a caption that does not fit beside the title bar's icon and buttons, and the box sizes itself
// by its text. So the box is made at least as wide as its caption in a bold face (title bars mostly use one) plus
// the room of six title-bar squares: the icon, the three buttons and the gaps around them.
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int titleBarControls = 6 * (metrics.height() + 4);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + titleBarControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// Shortens in its middle each path of the text that is wider than the given width, so that a box stays within the
// screen; the message's own words around it stay whole. In a line wider than that, the path runs from its first
// "/" (with the ASCII characters just before it) to the end of the last word holding a "/".
QString elidePaths(const QString& text, const QFontMetrics& metrics, int width) {
    // More characters than this are wider than any screen: a longer path is cut to this much of each end before it
    // is measured.
    constexpr qsizetype kWiderThanAScreen = 1024;
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        const qsizetype slash = line.indexOf('/');
        if (slash < 0 || (line.size() < kWiderThanAScreen && metrics.horizontalAdvance(line) <= width))
            continue;
        qsizetype start = slash;
        while (start > 0 && line[start - 1].unicode() > ' ' && line[start - 1].unicode() < 0x7F)
            --start;
        qsizetype end = line.indexOf(' ', line.lastIndexOf('/'));
        if (end < 0)
            end = line.size();
        const QString before = line.left(start), after = line.mid(end);
        const int room =
            std::max(width - metrics.horizontalAdvance(before) - metrics.horizontalAdvance(after), width / 2);
        QString path = line.mid(start, end - start);
        if (path.size() > 2 * kWiderThanAScreen)
            path = path.left(kWiderThanAScreen) + QChar(0x2026) + path.right(kWiderThanAScreen);
        line = before + metrics.elidedText(path, Qt::ElideMiddle, room) + after;
    }
    return lines.join('\n');
}

} // namespace

QtDialogs::QtDialogs(bool answerToMessageBoxTitle) : m_answerToMessageBoxTitle(answerToMessageBoxTitle) {}

void QtDialogs::setUnattended(bool unattended) {
    m_unattended = unattended;
    if (unattended) {
        // Innermost first; each click ends that box's own event loop once control returns to it.
        for (auto button = m_systemEndButtons.rbegin(); button != m_systemEndButtons.rend(); ++button)
            (*button)->click();
    }
}

DialogAnswer QtDialogs::show(const DialogMessage& message) {
    const QString text = QString::fromStdString(message.text).replace("\r\n", "\n");
    const DialogAnswer systemEnd = message.systemEndAnswer.value_or(message.defaultAnswer);
    if (m_unattended) {
        std::cerr << message.caption << ": " << text.toStdString() << std::endl;
        return systemEnd;
    }
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.caption), QString(), QMessageBox::NoButton,
                    m_parent);
    const QScreen* screen = m_parent ? m_parent->screen() : QGuiApplication::primaryScreen();
    box.setText(elidePaths(text, box.fontMetrics(), screen->availableGeometry().width()));
    std::map<QAbstractButton*, DialogAnswer> answers;
    QAbstractButton* systemEndButton = nullptr;
    const std::vector<ButtonChoice> choices = buttonsOf(message.buttons);
    for (size_t i = 0; i < choices.size(); ++i) {
        const ButtonChoice& choice = choices[i];
        const std::string caption = i < message.buttonTexts.size() ? message.buttonTexts[i] : choice.text;
        QPushButton* button = box.addButton(QString::fromStdString(caption), choice.role);
        answers[button] = choice.answer;
        if (choice.answer == message.defaultAnswer)
            box.setDefaultButton(button);
        if (choice.answer == escapeAnswer(message.buttons))
            box.setEscapeButton(button);
        if (choice.answer == systemEnd)
            systemEndButton = button;
    }
    fitCaption(box);
    m_systemEndButtons.push_back(systemEndButton ? systemEndButton : box.escapeButton());
    std::unique_ptr<InstanceEndpoint> endpoint;
    if (m_answerToMessageBoxTitle) {
        endpoint = std::make_unique<InstanceEndpoint>(kDefaultCaption);
        QObject::connect(endpoint.get(), &InstanceEndpoint::woken, &box, [&box] {
            box.raise();
            box.activateWindow();
        });
    }
    box.exec();
    m_systemEndButtons.pop_back();
    const auto chosen = answers.find(box.clickedButton());
    return chosen != answers.end() ? chosen->second : escapeAnswer(message.buttons);
}

} // namespace rekko
