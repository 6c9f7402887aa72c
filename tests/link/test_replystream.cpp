// SPDX-License-Identifier: GPL-3.0-or-later
// The reply stream alone: frames sent and bytes taken at given times, and what it makes of them.
#include "replystream.h"

#include <QTest>

using namespace hx7;
using V = ReplyStream::Verdict;
using D = ReplyStream::Doubt;
using S = ReplyStream::Strictness;

namespace {

// One line of a script: "send R 0" (the first attempt, a tick after the answer before it), "hasty R 0" (right
// behind it), "repeat R 400000", "bytes 0b2a 5000" (hex, taken at that microsecond), "take" (the verdict's
// answer is taken: the next byte begins), "count" (a step's first frame follows: bytes are counted from here).
void Play(ReplyStream &stream, const QStringList &script)
{
    for (const QString &line : script) {
        const QStringList w = line.split(QLatin1Char(' '));
        const auto kind = [&] { return w[1] == QLatin1String("S") ? Exchange::SignalTable : Exchange::Read; };
        if (w[0] == QLatin1String("bytes"))
            stream.Received(QByteArray::fromHex(w[1].toLatin1()), w[2].toLongLong());
        else if (w[0] == QLatin1String("take"))
            stream.Taken();
        else if (w[0] == QLatin1String("count"))
            stream.CountFromHere();
        else
            stream.Sent(kind(), w[2].toLongLong(), w[0] == QLatin1String("repeat"), w[0] == QLatin1String("hasty"));
    }
}

} // namespace

class TestReplyStream : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("how"); // S
        QTest::addColumn<bool>("atTick");
        QTest::addColumn<int>("kind"); // V::Kind
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("why"); // D
        const auto row = [](const char *name, const QStringList &script, S how, bool atTick, V verdict) {
            QTest::newRow(name) << script << int(how) << atTick << int(verdict.kind) << verdict.value
                                << int(verdict.why);
        };
        const V nothing{};
        const auto answer = [](int v) { return V{V::Answer, v}; };
        const auto doubt = [](D why) { return V{V::Doubtful, 0, why}; };
        const QStringList plain{"send R 0", "bytes 0b2a 6000"};
        row("an answer, slow", plain, S::Tick, true, answer(0x0b));
        row("an answer, fast", plain, S::Haste, false, answer(0x0b));
        row("half an answer", {"send R 0", "bytes 0b 6000"}, S::Haste, false, nothing);
        // Each fast doubt with the misbehaviour behind it.
        row("complete sooner than the line allows", {"send R 0", "bytes 0b2a 4000"}, S::Haste, false,
            doubt(D::TooSoon));
        row("a byte before the frame was heard", {"send R 0", "bytes 0d 1000", "bytes 0b2a 6000"}, S::Haste, false,
            doubt(D::TooEarly));
        row("a stray in front of a hasty frame",
            {"send R 0", "bytes 0b2a 6000", "take", "bytes 0d 6500", "hasty R 7000", "bytes 442a 13000"}, S::Haste,
            false, doubt(D::TooEarly));
        row("two answers to one request", {"send R 0", "bytes 0b2a0b2a 9000"}, S::Haste, false, doubt(D::Surplus));
        row("an answer's worth that is none", {"send R 0", "bytes 0d0b 6000"}, S::Haste, false, doubt(D::NotAReply));
        // "stray, '*', '*'": the stray as the value, or the answer '*' behind it.
        const QStringList strayStar{"send R 0", "bytes 0d2a2a 7000"};
        row("reads two ways, paced", strayStar, S::Paced, true, doubt(D::TwoWays));
        row("reads two ways, slow: the first reading", strayStar, S::Tick, true, answer(0x0d));
        // A frame sent a tick after the answer before it: a byte trailing that answer is behind us, whatever it is.
        row("a stray in front of a frame at the tick",
            {"send R 0", "bytes 0b2a 6000", "take", "bytes 0d 8000", "count", "send R 100000", "bytes 442a 106000"},
            S::Haste, false, answer(0x44));
        // A repeat's send cuts the late answer to the first attempt in two, and the program takes the tail after
        // the frame could be heard (it looked late). The tail is known by its place: head and tail answer the same
        // byte, and "tail, answer" ("2a 0b") is not read as an answer.
        const QStringList cut{"send R 0", "bytes 0b 399000", "repeat R 400000", "bytes 2a0b2a 408000"};
        row("an answer cut by the repeat's send, slow", cut, S::Tick, true, answer(0x0b));
        row("an answer cut by the repeat's send, fast", cut, S::Haste, true, answer(0x0b));
        // The late answer to the byte before's first attempt, cut by this byte's send: its tail comes first.
        row("the byte before's late answer cut",
            {"send R 0", "repeat R 400000", "bytes 0b2a 406000", "take", "bytes 0b 499000", "send R 500000",
             "bytes 2a442a 508000"},
            S::Tick, true, answer(0x44));
        // Where a tail may lie, every place is read whole first: "2a" alone could be a stray's or the tail's.
        row("a cut answer waits for every reading",
            {"send R 0", "bytes 0b 399000", "repeat R 400000", "bytes 2a 404000"}, S::Haste, false, nothing);
        // A stray in the tail's place: "0d 2a" and "2a 2a" both read as answers.
        row("the tail and the answer behind it disagree",
            {"send R 0", "bytes 2a 399000", "repeat R 400000", "bytes 0d2a 404000", "bytes 2a 406000"}, S::Paced, true,
            doubt(D::CutBySend));
        row("signal table", {"send S 0", "bytes 2a052a 7000"}, S::Haste, false, answer(0x2a));
    }
    void verdicts()
    {
        QFETCH(QStringList, script);
        QFETCH(int, how);
        QFETCH(bool, atTick);
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(int, why);
        ReplyStream stream;
        Play(stream, script);
        const V v = stream.Judge(static_cast<S>(how), atTick);
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(int(v.why), why);
        if (v.kind == V::Answer)
            QCOMPARE(v.value, value);
        // A verdict depends only on what the stream was told.
        const V again = stream.Judge(static_cast<S>(how), atTick);
        QVERIFY(again.kind == v.kind && again.value == v.value && again.why == v.why);
    }

    void surplusAndTaint()
    {
        ReplyStream stream;
        Play(stream, {"send R 0", "bytes 0b2a 6000"});
        stream.Taint(); // a flood took the answer with it: nothing is taken for this attempt
        QCOMPARE(stream.Judge(S::Tick, true).kind, V::Nothing);
        Play(stream, {"repeat R 400000"});
        QCOMPARE(stream.Judge(S::Tick, true).kind, V::Nothing); // the repeat waits for its own answer
        Play(stream, {"bytes 0b2a 406000"});
        QCOMPARE(stream.Judge(S::Tick, true).value, 0x0b);
        stream.Taken();
        QVERIFY(!stream.Overrun());
        // A byte whose first attempt went unanswered: that answer may still come, and nothing more.
        Play(stream, {"send R 500000", "repeat R 900000", "bytes 442a 906000"});
        QCOMPARE(stream.Judge(S::Tick, true).value, 0x44);
        stream.Taken();
        Play(stream, {"bytes 442a 920000"});
        QVERIFY(!stream.Overrun());
        Play(stream, {"bytes 0d 930000"});
        QVERIFY(stream.Overrun());
        QVERIFY(stream.HeardSinceLastAsked());
        QVERIFY(!stream.HeardSinceLastAsked());
    }
};

QTEST_GUILESS_MAIN(TestReplyStream)
#include "test_replystream.moc"
