// The verify details window, and the byte lines of the editing dialogs' tooltips.
#include "verifydetails.h"

#include "bytemap.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hx7 {

namespace {

enum Column { ColAddress, ColRoute, ColDescription, ColProgram, ColModule, ColumnCount };

int FieldMask(const BitField &f)
{
    return ((1 << (f.lastBit - f.firstBit + 1)) - 1) << f.firstBit;
}

} // namespace

QString HexAndDecimal(int value)
{
    return QStringLiteral("0x%1 (%2)")
        .arg(QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0')))
        .arg(value);
}

QString DifferenceText(int address, std::uint8_t imageByte, std::uint8_t moduleByte)
{
    const ByteMapEntry &e = DescribeAddress(address);
    const int changed = imageByte ^ moduleByte;
    QStringList fields;
    for (const BitField &f : e.fields)
        if (changed & FieldMask(f))
            fields << f.name + QStringLiteral(" (") +
                          BitsText(address, f.firstBit, f.lastBit).section(QLatin1String(", "), 1) + QLatin1Char(')');
    return fields.isEmpty() ? e.description : e.description + QStringLiteral(": ") + fields.join(QStringLiteral("; "));
}

QString BitsLine(int address, int firstBit, int lastBit)
{
    const ByteMapEntry &e = DescribeAddress(address);
    QString name = e.description;
    for (const BitField &f : e.fields)
        if (f.firstBit == firstBit && f.lastBit == lastBit)
            name = f.name;
    // The byte map's own route template with an empty rest: the prefix it put before the text, in any language.
    const QString route = QCoreApplication::translate("hx7", "Cesta %1: %2").arg(QString::number(e.route), QString());
    if (e.route > 0 && name.startsWith(route))
        name = name.mid(route.size());
    const QString bits = BitsText(address, firstBit, lastBit);
    return name.isEmpty() ? bits : bits + QStringLiteral(": ") + name;
}

void SetBitsToolTip(QWidget *widget, const QStringList &lines)
{
    // The widget's own tooltip is kept aside once, so showing another route or signal replaces only our lines.
    static const char *const baseKey = "hx7BaseToolTip";
    QVariant base = widget->property(baseKey);
    if (!base.isValid()) {
        base = widget->toolTip();
        widget->setProperty(baseKey, base);
    }
    QStringList all = lines;
    if (!base.toString().isEmpty())
        all.prepend(base.toString());
    widget->setToolTip(all.join(QLatin1Char('\n')));
}

VerifyDetails::VerifyDetails(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerifyDetails"));
    setWindowTitle(tr("Rozdíly proti modulu"));
    setModal(false);

    LBpocet = new QLabel(this);
    LBpocet->setObjectName(QStringLiteral("LBpocet"));
    TableRozdily = new QTableWidget(0, ColumnCount, this);
    TableRozdily->setObjectName(QStringLiteral("TableRozdily"));
    TableRozdily->setAccessibleName(windowTitle());
    TableRozdily->setHorizontalHeaderLabels({tr("Adresa"), tr("Cesta"), tr("Popis"), tr("V programu"), tr("V modulu")});
    TableRozdily->verticalHeader()->hide();
    TableRozdily->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableRozdily->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableRozdily->setWordWrap(false);
    TableRozdily->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableRozdily->horizontalHeader()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);

    auto *BTkopirovat = new QPushButton(tr("Kopírovat"), this);
    BTkopirovat->setObjectName(QStringLiteral("BTkopirovat"));
    auto *BTzavrit = new QPushButton(tr("Zavřít"), this);
    BTzavrit->setObjectName(QStringLiteral("BTzavrit"));
    // Enter closes the window (nothing here changes any data); Escape closes it as in every dialog.
    BTzavrit->setDefault(true);
    connect(BTkopirovat, &QPushButton::clicked, this, &VerifyDetails::CopyRows);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(LBpocet);
    buttons->addStretch();
    buttons->addWidget(BTkopirovat);
    buttons->addWidget(BTzavrit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TableRozdily);
    layout->addLayout(buttons);
    resize(820, 360);
    SetDifferences({});
}

void VerifyDetails::SetDifferences(const QList<ByteDifference> &differences)
{
    TableRozdily->clearContents();
    TableRozdily->setRowCount(int(differences.size()));
    for (int row = 0; row < differences.size(); ++row) {
        const ByteDifference &d = differences[row];
        const int route = DescribeAddress(d.address).route;
        const QString cells[ColumnCount] = {HexAndDecimal(d.address), route > 0 ? QString::number(route) : QString(),
                                            DifferenceText(d.address, d.imageByte, d.moduleByte),
                                            HexAndDecimal(d.imageByte), HexAndDecimal(d.moduleByte)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column != ColDescription)
                item->setTextAlignment(Qt::AlignCenter);
            else
                item->setToolTip(cells[column]); // a narrow window cuts the long ones short
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
