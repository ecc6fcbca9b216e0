// SPDX-License-Identifier: GPL-3.0-or-later
// The process entry of Rekko: the single-instance rule, the main window and the event loop.
#pragma once

#include <QLocale>

namespace rekko {

// Makes the widgets' font a Japanese one (IPA P Gothic, then IPA Gothic, then Noto Sans CJK JP), so that kanji take
// their Japanese forms.
void UseJapaneseFonts();

// Loads Qt's own catalogue ("qtbase") for the locale from Qt's translations folder, so that the colour chooser, the
// folder browser and the standard buttons speak the user's language. Answers whether a catalogue was loaded; without
// one Qt's dialogs stay in English.
bool UseQtTranslations(const QLocale& locale);

// Runs the program and returns its exit code: 0 after an orderly end or a start handed to a running instance,
// 1 when month initialisation failed.
int RunRekko(int argc, char** argv);

} // namespace rekko
