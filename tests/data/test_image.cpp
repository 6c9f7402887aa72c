// The start-up image and the shared aspect texts.
#include "hx7_var1.h"

#include <QTest>

using namespace hx7;

class TestImage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initLeavesUpperBytesAlone()
    {
        ImageBytes image;
        image.fill(0xAB);
        InitConfigImage(image);
        for (int i = 0; i < ImageSize; ++i) {
            int expected = 0xAB;
            if (i >= 4 && i <= 23)
                expected = ConfigDefaults[i - 4];
            else if (i < 256)
                expected = 0;
            QCOMPARE(int(image[i]), expected);
        }
        QCOMPARE(int(image[24]), 0); // every HX7S input function on
    }

    void commandNumbers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("first");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 5;
        QTest::newRow("127") << 127 << 505;
    }
    void commandNumbers()
    {
        QFETCH(int, code);
        QFETCH(int, first);
        QCOMPARE(FirstCommandNumber(code), first);
        for (int n = first; n < first + 3; ++n) // typed values just above round down to the same code
            QCOMPARE(AddressCodeFromCommand(n), code);
    }

    void aspectTextsKeepTheirBlanks()
    {
        const QStringList &texts = AspectTexts();
        QCOMPARE(texts.size(), 17);
        QCOMPARE(texts[0], QStringLiteral("0:  [--č--]  STOP    ( posuv zakázán )"));
        QCOMPARE(texts[11], QStringLiteral("11:[-z-b-]  opakovací navěst "));
        QCOMPARE(texts[16], QStringLiteral("16:[ž*--bž]  opakovací navěst "));
        for (int k = 0; k < texts.size(); ++k)
            QVERIFY(texts[k].startsWith(QString::number(k) + QLatin1Char(':')));
    }
};

QTEST_GUILESS_MAIN(TestImage)
#include "test_image.moc"
