// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog fmDay: one day's lines, a period or an anniversary, each on its own page without tabs.
#pragma once

#include "AnniversaryPage.h"
#include "ColourChooser.h"
#include "DayPage.h"
#include "PeriodPage.h"

#include "calendar/DayRules.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "schedule/ScheduleDialogRules.h"
#include "schedule/ScheduleEdit.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QStackedWidget>

#include <memory>
#include <optional>

namespace rekko {

class InstanceEndpoint;

// Each edit… call shows the dialog modally with the caption "Rekko -Rekko-" and returns a value only when the
// closing sets the write flag. The dialog only edits: the caller (the month view) turns the result into records,
// and opens it where it was last closed (setLastPosition before, lastPosition after, kept as fmDayLeft and
// fmDayTop).
class ScheduleDialog : public QDialog {
    Q_OBJECT
public:
    ScheduleDialog(Dialogs& dialogs, const Clock& clock, QWidget* parent = nullptr);
    ~ScheduleDialog() override;

    // Edits one day's lines; the result holds every line with its attribute, carried fields unchanged.
    std::optional<DaySchedule> editDay(int32_t jd, const DaySchedule& schedule, const DayNameList& names);
    // Edits a period; the result has its description date inside the period and does not end before it starts.
    // Invalid dates are not checked here.
    std::optional<PeriodFields> editPeriod(const PeriodFields& period, bool isNew);
    // Edits the anniversary of a day; the result keeps the position of the one shown (ReplaceAnniversary's input).
    std::optional<Anniversary> editAnniversary(int32_t jd, const Anniversary& anniversary, const DayNameList& names);

    // The top-left corner on screen where the dialog opens and where it was when it last closed (fmDayLeft,
    // fmDayTop); a null point centres it over its parent.
    QPoint lastPosition() const { return m_lastPosition; }
    void setLastPosition(const QPoint& position) { m_lastPosition = position; }
    // The colours of holiday and special-day names in the names strip.
    void setNameColours(const QColor& holiday, const QColor& special);
    // Replaces the colour dialog, for example by a scripted chooser.
    void setColourChooser(const ColourChooser& chooser);

    // The steps of an edit… call, for callers that show the dialog themselves: load a page, show, read the result.
    void loadDay(int32_t jd, const DaySchedule& schedule, const DayNameList& names);
    void loadPeriod(const PeriodFields& period, bool isNew);
    void loadAnniversary(int32_t jd, const Anniversary& anniversary, const DayNameList& names);
    bool writeFlag() const { return m_writeFlag; }
    DaySchedule daySchedule() const { return m_dayPage->editor()->schedule(); }
    PeriodFields period() const { return m_periodPage->period(); }
    Anniversary anniversary() const { return m_anniversaryPage->anniversary(); }

    // While the dialog shows: the values of its mode when the user changed them and they are not written yet.
    std::optional<ScheduleEdit> unwrittenEdit() const;

    DayPage* dayPage() const { return m_dayPage; }
    PeriodPage* periodPage() const { return m_periodPage; }
    AnniversaryPage* anniversaryPage() const { return m_anniversaryPage; }

    // Writes and closes (書込／閉じる, Ctrl+Enter): refuses a period that ends before it starts, and text code page
    // 932 cannot hold (naming every such character and selecting the first), and stays open.
    void write();
    // Esc and the close box: asks whether to cancel; Yes closes without writing.
    void reject() override;
    // Shows or hides the dialog; on showing, the anniversary text's caret goes to its end, nothing selected.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void showHeading(int32_t jd, const DayNameList& names);
    void begin(ScheduleMode mode);
    bool textModified() const;
    std::vector<std::string> textsToStore() const;
    // Selects the first character code page 932 cannot hold in the editor that shows the text holding it.
    void selectUnstorable(const UnstorableText& found, std::string_view text);

    Dialogs& m_dialogs;
    DayPage* m_dayPage;
    PeriodPage* m_periodPage;
    AnniversaryPage* m_anniversaryPage;
    QStackedWidget* m_pages;
    QWidget* m_heading;
    QLabel* m_dateLine;
    QLabel* m_weekdayLine;
    QLabel* m_names;
    QColor m_holidayColour{Qt::red};
    QColor m_specialColour{0, 0x80, 0};
    ScheduleMode m_mode = ScheduleMode::Day;
    int32_t m_jd = 0;            // the day shown in day and anniversary modes
    PeriodFields m_loadedPeriod; // the period as it was loaded, to tell an edit
    bool m_cancelled = false;
    bool m_writeFlag = false;
    QPoint m_lastPosition;
    std::unique_ptr<InstanceEndpoint> m_endpoint;
};

} // namespace rekko
