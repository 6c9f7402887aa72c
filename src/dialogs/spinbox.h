// SPDX-License-Identifier: GPL-3.0-or-later
// The number box every dialog uses: it keeps its value within its range when set from code and when
// the user leaves it, and a text that is empty or no number reads as the minimum.
#pragma once

#include <QSpinBox>

namespace hx7 {

class SpinBox : public QSpinBox
{
    Q_OBJECT
public:
    SpinBox(int minimum, int maximum, int step, int initial, QWidget *parent = nullptr);

    // The value with whatever the user typed taken in first (a click on OK does not always move
    // the focus out of the box before the dialog reads it).
    int CurrentValue();
    // The value the text in the box stands for right now, as CurrentValue() would take it, without
    // taking it in (while "" or "-" is typed, value() still holds the last number).
    int TextValue() const;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;
    void fixup(QString &input) const override;
};

} // namespace hx7
