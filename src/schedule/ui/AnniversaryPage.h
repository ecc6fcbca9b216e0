// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary page of the schedule dialog: the text and the two years that limit it.
#pragma once

#include "controls/ui/TSeEdit.h"
#include "controls/ui/TSeNEdit.h"
#include "schedule/Anniversary.h"

#include <QWidget>

namespace rekko {

class AnniversaryPage : public QWidget {
    Q_OBJECT
public:
    explicit AnniversaryPage(QWidget* parent = nullptr);

    // Shows an anniversary, all three fields unmodified.
    void setAnniversary(const Anniversary& anniversary);
    // Returns the fields as typed, with the position of the anniversary shown.
    Anniversary anniversary() const;
    bool textChanged() const { return m_text->isModified(); }
    bool yearsChanged() const { return m_firstYear->isModified() || m_lastYear->isModified(); }

    TSeEdit* text() const { return m_text; }

private:
    TSeEdit* m_text;
    TSeNEdit* m_firstYear;
    TSeNEdit* m_lastYear;
    std::optional<size_t> m_position;
};

} // namespace rekko
