// SPDX-License-Identifier: GPL-3.0-or-later
// "Rozdíly proti modulu": the bytes in which the last verify found the module different from the program,
// each with what it holds, for reading and for copying out.
#pragma once

#include "bytemap.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QTableWidget;

namespace hx7 {

// A window of its own, not modal: create it once, hand it the differences after each verify, then show().
class VerifyDetails : public QDialog
{
    Q_OBJECT
public:
    explicit VerifyDetails(QWidget *parent = nullptr);

    // Replaces all rows with these, in the order given (the verify reports them by rising address). program is
    // the image the other side was compared with: a setting that lies in two bytes is read from it where only
    // one of them differs. With a backup's name the other side is that backup (its bytes in moduleByte), not
    // the module.
    void SetDifferences(const ImageBytes &program, const QList<ByteDifference> &differences,
                        const QString &backup = {});
    // The rows as "Kopírovat" puts them on the clipboard: a header line, then one TAB-separated line a row.
    QString RowsAsText() const;

private:
    void CopyRows();

    QTableWidget *TableRozdily;
    QLabel *LBpocet;
};

// "0x3F (63)": a byte or an address as the details window shows it.
QString HexAndDecimal(int value);

} // namespace hx7
