// SPDX-License-Identifier: GPL-3.0-or-later
// A captioned group of radio buttons with an item index; -1 means that no item is chosen.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>

namespace hx7 {

class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent = nullptr);

    int ItemIndex() const { return m_buttons.checkedId(); }
    // Setting from code raises no clicked signal; an index outside the items clears the choice.
    void SetItemIndex(int index);

Q_SIGNALS:
    void clicked(int index); // the user chose an item

private:
    QButtonGroup m_buttons;
};

} // namespace hx7
