// SPDX-License-Identifier: GPL-3.0-or-later
// Clamping number box.
#include "spinbox.h"

#include <QLineEdit>

namespace hx7 {

SpinBox::SpinBox(int minimum, int maximum, int step, int initial, QWidget *parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(initial);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
}

int SpinBox::CurrentValue()
{
    interpretText();
    return value();
}

int SpinBox::TextValue() const
{
    return valueFromText(cleanText());
}

QValidator::State SpinBox::validate(QString &input, int &) const
{
    // Any signed whole number is fine while typing; it is pulled into range when the box is left.
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+"))
        return QValidator::Intermediate;
    bool ok = false;
    t.toLongLong(&ok);
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

int SpinBox::valueFromText(const QString &text) const
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return minimum();
    return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

void SpinBox::fixup(QString &input) const
{
    bool ok = false;
    input.trimmed().toLongLong(&ok);
    if (!ok)
        input = QString::number(minimum());
}

} // namespace hx7
