// The up-down spinner.
#include "UpDown.h"

#include "app/ValueText.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rekko {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_minimum(minimum), m_maximum(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        connect(button, &QToolButton::clicked, this, [this, d = delta] { step(d); });
        layout->addWidget(button);
    }
}

int UpDown::value(int fallback) const {
    return IntegerOr(m_buddy->text().toStdString(), fallback);
}

void UpDown::setValue(int value) {
    m_buddy->setText(QString::number(std::clamp(value, m_minimum, m_maximum)));
}

void UpDown::step(int delta) {
    if (isEnabled())
        setValue(value(m_minimum) + delta);
}

} // namespace rekko
