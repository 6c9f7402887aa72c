// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders every dialog uses: a control with its name, a label for a control, a separator line and
// a row of controls.
#pragma once

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <initializer_list>

namespace hx7 {

// The name is the control's name of the design (tests and the caller find the control by it).
template <typename T> T *Named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A label for buddy; its text is also the name a screen reader gives buddy.
inline QLabel *BuddyLabel(const QString &text, QWidget *buddy, QWidget *parent, const QString &name = {})
{
    auto *label = Named(new QLabel(text, parent), name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

// A sunken line, QFrame::HLine or QFrame::VLine.
inline QFrame *Separator(QFrame::Shape shape, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The widgets from left to right; nullptr stands for a stretch.
inline QHBoxLayout *Row(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        if (widget)
            row->addWidget(widget);
        else
            row->addStretch();
    return row;
}

} // namespace hx7
