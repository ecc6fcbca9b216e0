// SPDX-License-Identifier: GPL-3.0-or-later
// The sibling programs on the month page: the diary Zunbo through btnM9 and a grid press, the editor Pomta through
// btnM8 and Ctrl+F11.
#pragma once

#include "app/DiaryButton.h"
#include "app/PomtaLauncher.h"
#include "month/ui/MonthPage.h"
#include "month/ui/MonthView.h"
#include "platform/DiaryLink.h"
#include "platform/ProgramStarter.h"
#include "platform/ui/LocalInstance.h"

#include <QObject>

#include <memory>

namespace rekko {

class MainController;
class Residency;

class SiblingPrograms : public QObject, private DiaryButtonLook {
    Q_OBJECT
public:
    // buttons and view are the month page's: btnM9, btnM8 and the grid's presses.
    SiblingPrograms(QObject* parent, MainController& controller, Dialogs& dialogs, const MonthPageButtons& buttons,
                    MonthView& view, Residency& residency);
    ~SiblingPrograms() override;

    // Takes the programs found at start: btnM9 works with Zunbo, btnM8 with Pomta while editorUsable.
    void offer(bool editorUsable);
    // Ctrl+F11: starts Pomta unless it runs.
    void startEditor();

private:
    void showArmed() override;
    void showNormal() override;
    void openMemoInEditor();

    MainController& m_controller;
    Dialogs& m_dialogs;
    const MonthPageButtons& m_buttons;
    MonthView& m_view;
    Residency& m_residency;
    LocalInstanceRegistry m_instances;
    SharedMemoryDiaryLink m_link;
    DetachedProgramStarter m_starter;
    std::unique_ptr<DiaryButton> m_diary;
    std::unique_ptr<PomtaLauncher> m_pomta;
};

} // namespace rekko
