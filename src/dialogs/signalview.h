// SPDX-License-Identifier: GPL-3.0-or-later
// A larger signal picture in a dialog: the aspect of a code, its flashing lamps blinking.
#pragma once

#include <QComboBox>
#include <QTimer>
#include <QWidget>

namespace hx7 {

class SignalView : public QWidget
{
    Q_OBJECT
public:
    explicit SignalView(QWidget *parent = nullptr);

    // Any code; one without a text shows the empty head with its question mark.
    void SetCode(int code);
    int Code() const { return m_code; }
    bool FlashOn() const { return m_flashOn; }

    QSize sizeHint() const override { return {36, 112}; }
    QSize minimumSizeHint() const override { return {24, 72}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_code = -1;
    bool m_flashOn = true;
    QTimer m_blink;
};

// Gives every item of an aspect list its picture; items, texts and indexes stay as they are.
void AddAspectIcons(QComboBox *list);

} // namespace hx7
