// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration sheet read back from its PDF (pdftotext, pdfinfo): in process, and written by hx7ctl
// report in a process without a display.
#include "configsheet.h"
#include "configtextfile.h"
#include "language.h"
#include "optiontext.h"
#include "translated.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {

// A known configuration: decoder address 5, each signal with aspects of its own, two routes with turnouts.
SharedData KnownData()
{
    SharedData data;
    InitConfigImage(data.ConfigImage);
    ModuleOptions o = DecodeOptions(data.ConfigImage.data());
    o.AddressCode = 5;
    o.Aspects = {{{3, 14, 7, 8}, {0, 1, 2, 4}, {6, 9, 10, 11}, {12, 13, 15, 16}}};
    EncodeOptions(o, data.ConfigImage.data());
    data.RouteTable[0].SpeedCode = 2;
    data.RouteTable[0].TurnoutNumber = {12, 13};
    data.RouteTable[0].Position = {0, 1};
    data.RouteTable[16].SpeedCode = 3;
    data.RouteTable[16].TurnoutNumber = {101, 102, 205};
    data.RouteTable[16].Position = {0, 1, 0};
    EncodeRoutes(data.RouteTable, data.ConfigImage.data());
    return data;
}

// The text of the PDF with every run of blanks and line breaks as one blank: wrapped texts read whole.
QString PdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning("pdftotext failed (scripts/deps.sh installs poppler-utils)");
    // pdftotext writes the ligature of "fi" as one character.
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB01), QStringLiteral("fi")).simplified();
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

QStringList Texts(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

class TestConfigSheet : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // What a sheet must say, and must not: a byte the file lacks is never printed with its default.
    void sheetSaysWhatTheImageHolds_data()
    {
        QTest::addColumn<int>("heldBytes"); // bytes 0..heldBytes-1 are in the file
        QTest::addColumn<bool>("hx7s");
        QTest::addColumn<bool>("motor");
        QTest::addColumn<bool>("pairing"); // pairing protection, which ignore-off commands needs
        QTest::addColumn<int>("aspect1A"); // aspect A of signal 1A
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("whole file") << 249 << false << false << true << 3
                                    << Texts({"adresa DCC: 5", "č. 1. povelu: 17", "sample.txt", "101/ R", "102/ O",
                                              "205/ R", "12/ R", "13/ O", "3 × 0.04 s = 0.12 s", "strana 2 z 2"})
                                    << Texts({"není v souboru", "AUT rušit znak náv. 1A", "ignoruje",
                                              "na kolejišti nic"});
        QTest::newRow("HX7S, motor drive")
            << 249 << true << true << true << 3
            << Texts({"AUT rušit znak náv. 1A", "AUT spínání rele 3", "3 × 0.32 s = 0.96 s"})
            << Texts({"není v souboru"});
        QTest::newRow("file of an older version, without routes 17..24")
            << 192 << false << false << true << 3 << Texts({"12/ R", "není v souboru", "adresa DCC: 5"})
            << Texts({"101/ R", "205/ R"});
        QTest::newRow("aspect code without a text")
            << 249 << false << false << true << 20 << Texts({"20 (neznámý kód)"}) << Texts({});
        // The file keeps what it holds; the sheet says that the module ignores it.
        QTest::newRow("ignore-off commands without pairing protection")
            << 249 << false << false << false << 3 << Texts({"(bez ochrany sepnutí obou výstupů ji modul ignoruje)"})
            << Texts({});
    }
    void sheetSaysWhatTheImageHolds()
    {
        QFETCH(int, heldBytes);
        QFETCH(bool, hx7s);
        QFETCH(bool, motor);
        QFETCH(bool, pairing);
        QFETCH(int, aspect1A);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        SharedData data = KnownData();
        ModuleOptions o = DecodeOptions(data.ConfigImage.data());
        o.MotorDrive = motor;
        o.PairingProtection = pairing;
        o.Aspects[0][AspectA] = aspect1A;
        EncodeOptions(o, data.ConfigImage.data());
        SheetInfo info;
        info.fileName = QStringLiteral("/some/where/sample.txt");
        info.hx7s = hx7s;
        info.held.reset();
        for (int b = 0; b < heldBytes; ++b)
            info.held.set(b);
        const QString pdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
        QString error;
        QVERIFY2(WriteConfigSheetPdf(pdf, data, info, &error), qPrintable(error));
        QCOMPARE(PdfPages(pdf), ConfigSheetPages);
        const QString text = PdfText(pdf);
        // Every signal's aspects, in their texts.
        for (int s = 0; s < SignalCount; ++s)
            for (int a = 0; a < AspectsPerSignal; ++a)
                if (o.Aspects[s][a] < AspectCount)
                    QVERIFY2(text.contains(AspectTexts()[o.Aspects[s][a]].simplified()),
                             qPrintable(QStringLiteral("signal %1 aspect %2").arg(s).arg(a)));
        // Every option of the sections the sheet prints, by its name.
        for (const OptionLine &line : OptionLines(o)) {
            const OptionSection section = line.field->section;
            if (section != OptionSection::Aspects && (hx7s || section != OptionSection::Inputs))
                QVERIFY2(text.contains(line.name), qPrintable(line.name));
        }
        for (const QString &t : present)
            QVERIFY2(text.contains(t), qPrintable(t));
        for (const QString &t : absent)
            QVERIFY2(!text.contains(t), qPrintable(t));
    }

    // With a layout, what serves each number of the routes, below them; what does not fit the page is counted.
    void sheetNamesTheNumbers_data()
    {
        QTest::addColumn<int>("extraRoutes"); // routes 2..1+extraRoutes with six numbers, none next to another
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("the routes' numbers")
            << 0
            << Texts({"Co na kolejišti obsluhuje čísla v cestách", "12-13: Odjezd Lhota, Zhlaví sudá",
                      "101-102: na kolejišti nic", "205: na kolejišti nic", "1: Vjezd Lhota", "3: na kolejišti nic",
                      "Kolejiště Stanice Lhota: Odjezd Lhota"})
            << Texts({"a dalších"});
        QTest::newRow("more numbers than the page holds")
            << 15 << Texts({"12-13: Odjezd Lhota, Zhlaví sudá", "a dalších", "(viz plán adres kolejiště)"})
            << Texts({"690: na kolejišti nic"});
    }
    void sheetNamesTheNumbers()
    {
        QFETCH(int, extraRoutes);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        SharedData data = KnownData();
        for (int r = 1; r <= extraRoutes; ++r) {
            data.RouteTable[r].SpeedCode = 1;
            for (int t = 0; t < TurnoutsPerRoute; ++t)
                data.RouteTable[r].TurnoutNumber[t] = 500 + 12 * r + 2 * t;
        }
        EncodeRoutes(data.RouteTable, data.ConfigImage.data());
        SheetInfo info;
        info.entry = QStringLiteral("Stanice Lhota: Odjezd Lhota, Zhlaví sudá");
        info.names.serving = [](int number) {
            return number == 12 || number == 13 ? QStringLiteral("Odjezd Lhota, Zhlaví sudá")
                   : number == 1                ? QStringLiteral("Vjezd Lhota")
                                                : QString();
        };
        const QString pdf = m_dir.filePath(QStringLiteral("names.pdf"));
        QString error;
        QVERIFY2(WriteConfigSheetPdf(pdf, data, info, &error), qPrintable(error));
        QCOMPARE(PdfPages(pdf), ConfigSheetPages);
        const QString text = PdfText(pdf);
        for (const QString &t : present)
            QVERIFY2(text.contains(t), qPrintable(t));
        for (const QString &t : absent)
            QVERIFY2(!text.contains(t), qPrintable(t));
    }

    // A sheet that cannot be written says so and leaves nothing behind.
    void unwritablePathFails()
    {
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/sheet.pdf"));
        QString error;
        QVERIFY(!WriteConfigSheetPdf(path, KnownData(), SheetInfo(), &error));
        QCOMPARE(error, WriteErrorText(path));
        QVERIFY(!QFile::exists(path));
    }

    // No name or value is cut short on the sheet in any language: the columns follow the texts' widths.
    void nothingCutInAnyLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : LanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void nothingCutInAnyLanguage()
    {
        QFETCH(QString, language);
        const Translated texts(language);
        QVERIFY(texts.loaded);
        SharedData data = KnownData();
        ModuleOptions o = DecodeOptions(data.ConfigImage.data());
        o.MotorDrive = true;
        EncodeOptions(o, data.ConfigImage.data());
        data.RouteTable[1].SpeedCode = 255; // the longest follow-on text: the highest signal number, repeated
        data.RouteTable[1].RepeatFlag = 1;
        EncodeRoutes(data.RouteTable, data.ConfigImage.data());
        SheetInfo info;
        info.fileName = QStringLiteral("sample.txt");
        info.date = QDateTime(QDate(2026, 12, 10), QTime(12, 48));
        info.module = QStringLiteral("HX7S V 1.4");
        info.entry = QStringLiteral("Stanice");
        info.hx7s = true;
        const QString pdf = m_dir.filePath(QStringLiteral("cut.pdf"));
        QString error;
        const bool written = WriteConfigSheetPdf(pdf, data, info, &error);
        QVERIFY2(written, qPrintable(error));
        const QString text = PdfText(pdf);
        QStringList cut;
        for (qsizetype at = text.indexOf(QChar(0x2026)); at >= 0; at = text.indexOf(QChar(0x2026), at + 1))
            cut << text.mid(std::max<qsizetype>(0, at - 40), 41);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // hx7ctl report as a script runs it: no display, no platform chosen.
    void reportWithoutADisplay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        QTest::newRow("good file") << "good.txt" << 0 << "";
        QTest::newRow("not a configuration file") << "bad.txt" << 2 << "Neznámý format dat !bad.txt";
        QTest::newRow("missing file") << "none.txt" << 2 << "Chyba otevreni souboru  datnone.txt";
    }
    void reportWithoutADisplay()
    {
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QString, err);
        QVERIFY(SaveConfigText(m_dir.filePath(QStringLiteral("good.txt")), KnownData().ConfigImage, nullptr));
        QFile bad(m_dir.filePath(QStringLiteral("bad.txt")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is no configuration\r\n");
        bad.close();
        const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        QFile::remove(pdf);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir.path());
        p.start(QStringLiteral(HX7CTL_PATH), {QStringLiteral("report"), file, QStringLiteral("--pdf"), pdf});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), code);
        const QStringList errLines = QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n'));
        if (code == 0) {
            QCOMPARE(PdfPages(pdf), ConfigSheetPages);
            const QString text = PdfText(pdf);
            QVERIFY(text.contains(QStringLiteral("adresa DCC: 5")));
            QVERIFY(text.contains(QStringLiteral("205/ R")));
            QVERIFY(text.contains(QStringLiteral("good.txt")));
        } else {
            QVERIFY2(errLines.contains(err), qPrintable(errLines.join(QLatin1Char('|'))));
            QVERIFY(!QFile::exists(pdf));
        }
    }
};

QTEST_MAIN(TestConfigSheet)
#include "test_configsheet.moc"
