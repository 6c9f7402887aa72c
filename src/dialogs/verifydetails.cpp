// SPDX-License-Identifier: GPL-3.0-or-later
// The verify details window.
#include "verifydetails.h"

#include "bytemap.h"
#include "dialogparts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hx7 {

namespace {
enum Column { ColAddress, ColRoute, ColDescription, ColProgram, ColModule, ColumnCount };
} // namespace

QString HexAndDecimal(int value)
{
    return QStringLiteral("0x%1 (%2)")
        .arg(QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0')))
        .arg(value);
}

VerifyDetails::VerifyDetails(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerifyDetails"));
    setModal(false);

    LBpocet = Named(new QLabel(this), "LBpocet");
    TableRozdily = Named(new QTableWidget(0, ColumnCount, this), "TableRozdily");
    TableRozdily->verticalHeader()->hide();
    TableRozdily->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableRozdily->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A description is read in full: it wraps within its column, and its row grows to hold it.
    TableRozdily->setWordWrap(true);
    TableRozdily->setTextElideMode(Qt::ElideNone);
    TableRozdily->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableRozdily->horizontalHeader()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);
    TableRozdily->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *BTkopirovat = Named(new QPushButton(tr("Kopírovat"), this), "BTkopirovat");
    auto *BTzavrit = Named(new QPushButton(tr("Zavřít"), this), "BTzavrit");
    // Enter closes the window (nothing here changes any data); Escape closes it as in every dialog.
    BTzavrit->setDefault(true);
    connect(BTkopirovat, &QPushButton::clicked, this, &VerifyDetails::CopyRows);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TableRozdily);
    layout->addLayout(Row({LBpocet, nullptr, BTkopirovat, BTzavrit}));
    resize(820, 360);
    SetDifferences({}, {});
}

void VerifyDetails::SetDifferences(const ImageBytes &program, const QList<ByteDifference> &differences,
                                   const QString &backup)
{
    // The same window compares the program with the module or with one of its backups.
    setWindowTitle(backup.isEmpty() ? tr("Rozdíly proti modulu") : tr("Rozdíly proti záloze %1").arg(backup));
    TableRozdily->setAccessibleName(windowTitle());
    TableRozdily->setHorizontalHeaderLabels(
        {tr("Adresa"), tr("Cesta"), tr("Popis"), tr("V programu"), backup.isEmpty() ? tr("V modulu") : tr("V záloze")});
    TableRozdily->clearContents();
    TableRozdily->setRowCount(int(differences.size()));
    const QStringList descriptions = DescribeDifferences(program, differences);
    for (int row = 0; row < differences.size(); ++row) {
        const ByteDifference &d = differences[row];
        const int route = DescribeAddress(d.address).route;
        const QString cells[ColumnCount] = {HexAndDecimal(d.address), route > 0 ? QString::number(route) : QString(),
                                            descriptions[row], HexAndDecimal(d.imageByte), HexAndDecimal(d.moduleByte)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column != ColDescription)
                item->setTextAlignment(Qt::AlignCenter);
            TableRozdily->setItem(row, column, item);
        }
    }
    LBpocet->setText(tr("Rozdílných bajtů: %1").arg(differences.size()));
}

QString VerifyDetails::RowsAsText() const
{
    QStringList headers;
    for (int column = 0; column < ColumnCount; ++column)
        headers << TableRozdily->horizontalHeaderItem(column)->text();
    QString text = headers.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row = 0; row < TableRozdily->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << TableRozdily->item(row, column)->text();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void VerifyDetails::CopyRows()
{
    QGuiApplication::clipboard()->setText(RowsAsText());
}

} // namespace hx7
