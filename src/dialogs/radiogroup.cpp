// SPDX-License-Identifier: GPL-3.0-or-later
// Radio group with an item index.
#include "radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

namespace hx7 {

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(caption, parent)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        m_buttons.addButton(button, i);
        // Items fill the columns top to bottom, as in the classic radio group.
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(&m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons.button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button; lift the rule for a moment.
    m_buttons.setExclusive(false);
    for (QAbstractButton *b : m_buttons.buttons())
        b->setChecked(false);
    m_buttons.setExclusive(true);
}

} // namespace hx7
