// The process entry of Rekko: the single-instance rule, the main window and the event loop.
#pragma once

namespace rekko {

// Makes the widgets' font a Japanese one (IPA P Gothic, then IPA Gothic, then Noto Sans CJK JP), so that kanji take
// their Japanese forms.
void UseJapaneseFonts();

// Runs the program and returns its exit code: 0 after an orderly end or a start handed to a running instance,
// 1 when month initialisation failed.
int RunRekko(int argc, char** argv);

} // namespace rekko
