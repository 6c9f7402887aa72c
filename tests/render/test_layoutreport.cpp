// SPDX-License-Identifier: GPL-3.0-or-later
// The layout report read back from its PDF: the address chart, then two pages per usable module; a generated
// layout of a hundred modules, timed.
#include "../dialogs/samplelayout.h"
#include "configsheet.h"
#include "layoutreport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {

// The pages' text line by line as laid out, so a table's row reads as one line; blanks runs made one.
QString PdfText(const QString &path, int first = 0, int last = 0)
{
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (first)
        args << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l") << QString::number(last);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qWarning("pdftotext failed (scripts/deps.sh installs poppler-utils)");
    // pdftotext writes the ligatures of "fi" and "fl" as one character.
    return QString::fromUtf8(p.readAllStandardOutput())
        .replace(QChar(0xFB01), QStringLiteral("fi"))
        .replace(QChar(0xFB02), QStringLiteral("fl"))
        .simplified();
}

int PdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// Modules with address codes 1..count (beyond 127 they reuse codes, and overlap), each route naming turnouts of
// the modules beside it and the next module's first signal.
Layout Generated(int count)
{
    Layout layout;
    layout.name = QStringLiteral("Velké kolejiště");
    for (int m = 0; m < count; ++m) {
        const int code = m % LastAddressCode + 1;
        RouteTable routes{};
        for (int r = 0; r < RouteCount; ++r) {
            for (int t = 0; t < SlotTurnouts(r); ++t)
                routes[r].TurnoutNumber[t] = FirstCommandNumber(code) + (r + t) % 8;
            routes[r].SpeedCode = (FirstCommandNumber(code % LastAddressCode + 1) + 3) / 2;
        }
        const QByteArray id = QStringLiteral("modul-%1").arg(m + 1, 3, 10, QLatin1Char('0')).toUtf8();
        const QByteArray name = QStringLiteral("Modul %1").arg(m + 1).toUtf8();
        layout.entries.push_back(sample::Entry(id.constData(), name.constData(), "deska", code, routes));
    }
    return layout;
}

} // namespace

class TestLayoutReport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // The chart's pages first (their footers count them), then each usable module's sheet.
    void chartThenSheets_data()
    {
        QTest::addColumn<int>("modules"); // 0: the sample layout
        QTest::addColumn<int>("usable");
        QTest::addColumn<QStringList>("chart"); // on the chart's pages
        QTest::newRow("sample")
            << 0 << 2
            << QStringList{"Plán adres kolejiště „Stanice Lhota“",
                           "Vytištěno",
                           "Nejnižší volná adresa dekodéru pro nový modul: 1 (čísla povelů 1-4)",
                           "57 Odjezd Lhota, Zhlaví sudá Odjezd Lhota: výhybka v cestách 1 · Vjezd Lhota: výhybka v",
                           "58-60 Odjezd Lhota, Zhlaví sudá",
                           "61 Vjezd Lhota (plánovaný) Odjezd Lhota: navazující návěst v cestách 1",
                           "63-64 Vjezd Lhota (plánovaný) + Točna konflikt",
                           "999 na kolejišti nic Odjezd Lhota: výhybka v cestách 1 bez dekodéru",
                           "Bez listu konfigurace (soubor chybí nebo je vadný): Rozbitý.",
                           "plán adres, strana 1 z 1"};
        QTest::newRow("a hundred modules") << 100 << 100 << QStringList{"Velké kolejiště", "plán adres, strana 1 z"};
    }
    void chartThenSheets()
    {
        QFETCH(int, modules);
        QFETCH(int, usable);
        QFETCH(QStringList, chart);
        const Layout layout = modules ? Generated(modules) : sample::Lhota();
        const AddressPlan plan = MakeAddressPlan(layout);
        const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        QElapsedTimer timer;
        timer.start();
        QString error;
        QVERIFY2(WriteLayoutReportPdf(pdf, layout, plan, &error), qPrintable(error));
        qInfo("%d modules: the report written in %lld ms, %lld kB", int(layout.entries.size()), timer.elapsed(),
              QFileInfo(pdf).size() / 1024);
        const int pages = PdfPages(pdf);
        const int chartPages = pages - usable * ConfigSheetPages;
        QVERIFY2(chartPages >= 1, qPrintable(QString::number(pages)));
        const QString chartText = PdfText(pdf, 1, chartPages);
        for (const QString &t : chart)
            QVERIFY2(chartText.contains(t), qPrintable(t + QLatin1Char('\n') + chartText.left(1500)));
        QVERIFY(chartText.contains(QStringLiteral("strana %1 z %1").arg(chartPages)));
        // Each sheet names its module in the layout, the first one right after the chart.
        const QString firstSheet = PdfText(pdf, chartPages + 1, chartPages + 2);
        QVERIFY(firstSheet.contains(QStringLiteral("Konfigurace modulu HX7")));
        QVERIFY(firstSheet.contains(QStringLiteral("strana 2 z 2")));
        QVERIFY2(firstSheet.contains(QStringLiteral("Kolejiště %1: %2").arg(layout.name, layout.entries[0].name)),
                 qPrintable(firstSheet.left(400)));
    }

    void unwritablePathFails()
    {
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
        QString error;
        const Layout layout = sample::Lhota();
        QVERIFY(!WriteLayoutReportPdf(path, layout, MakeAddressPlan(layout), &error));
        QCOMPARE(error, WriteErrorText(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestLayoutReport)
#include "test_layoutreport.moc"
