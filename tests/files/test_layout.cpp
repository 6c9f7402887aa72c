// SPDX-License-Identifier: GPL-3.0-or-later
// A layout's folder: ids made from names, a round trip through its files, a broken module file that spoils only
// its own entry, texts the files cannot hold, the trash, two writers, the per-user records, the address plan and
// the check.
#include "layout.h"
#include "layoutplan.h"
#include "layoutstate.h"
#include "routecodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>

using namespace hx7;

namespace {
ImageBytes Module(int addressCode)
{
    ImageBytes image{};
    InitConfigImage(image);
    image[AddressCodeByte] = std::uint8_t(addressCode);
    return image;
}

// A module whose route (1..24) names turnout numbers and a follow-on speed code.
ImageBytes Module(int addressCode, int route, std::vector<int> turnouts, int speedCode = 0)
{
    ImageBytes image = Module(addressCode);
    RouteTable routes;
    DecodeRoutes(image.data(), routes);
    std::copy(turnouts.begin(), turnouts.end(), routes[route - 1].TurnoutNumber.begin());
    routes[route - 1].SpeedCode = speedCode;
    EncodeRoutes(routes, image.data());
    return image;
}

void Write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under folder with its content, by its path relative to folder.
std::map<QString, QByteArray> Files(const QString &folder)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = Read(path);
    }
    return files;
}

LayoutEntry Entry(const QString &id, const ImageBytes &image)
{
    LayoutEntry e;
    e.id = id;
    e.name = id.toUpper();
    e.image = image;
    return e;
}

Layout NewLayout(const QString &folder, const std::vector<LayoutEntry> &entries)
{
    QString error;
    if (!CreateLayout(folder, QStringLiteral("L"), &error))
        qFatal("%s", qPrintable(error));
    Layout layout = *OpenLayout(folder, &error);
    for (const LayoutEntry &e : entries)
        if (!SaveEntry(layout, e, true, &error))
            qFatal("%s", qPrintable(error));
    return layout;
}

// A problem as hx7ctl prints it: kind, ids, route, numbers, detail.
QString Line(const LayoutProblem &p)
{
    return QStringList{ProblemKindKey(p.kind), p.ids.join(QLatin1Char(',')), p.route ? QString::number(p.route) : "",
                       RangeText(p.first, p.last), p.detail}
        .join(QLatin1Char('\t'));
}
} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entryIds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("id");
        QTest::newRow("words") << "Vjezd Lhota" << QStringList() << "vjezd-lhota";
        QTest::newRow("taken twice") << "Vjezd Lhota" << QStringList{"vjezd-lhota", "vjezd-lhota-2"} << "vjezd-lhota-3";
        QTest::newRow("accents and signs") << "Zhlaví sudá – č. 2!" << QStringList() << "zhlavi-suda-c-2";
        QTest::newRow("nothing to keep") << "–!?" << QStringList() << "modul";
    }
    void entryIds()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, id);
        QCOMPARE(MakeEntryId(name, taken), id);
    }

    void roundTripThroughItsFiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("lhota"));
        QString error;
        QVERIFY2(CreateLayout(folder, QStringLiteral("Stanice Lhota"), &error), qPrintable(error));
        QVERIFY(!CreateLayout(folder, QStringLiteral("again"), &error)); // one layout a folder
        std::optional<Layout> layout = OpenLayout(folder, &error);
        QVERIFY2(layout, qPrintable(error));
        layout->groups << QStringLiteral("Zhlaví");
        layout->others.push_back({41, 48, QStringLiteral("Točna")});
        QVERIFY2(SaveLayoutFile(*layout, &error), qPrintable(error));
        LayoutEntry vjezd;
        vjezd.id = QStringLiteral("vjezd-lhota");
        vjezd.name = QStringLiteral("Vjezd Lhota");
        vjezd.place = QStringLiteral("pod deskou 3");
        vjezd.comment = QStringLiteral("nový kabel, 2026");
        vjezd.expectedType = 'S';
        vjezd.image = Module(5);
        LayoutEntry odjezd;
        odjezd.id = QStringLiteral("odjezd");
        odjezd.name = QStringLiteral("Odjezd");
        odjezd.planned = true;
        odjezd.image = Module(6);
        for (const LayoutEntry &e : {vjezd, odjezd})
            QVERIFY2(SaveEntry(*layout, e, true, &error), qPrintable(error));

        const std::optional<Layout> again = OpenLayout(folder, &error);
        QVERIFY2(again, qPrintable(error));
        QCOMPARE(again->name, QStringLiteral("Stanice Lhota"));
        QCOMPARE(again->groups, QStringList{QStringLiteral("Zhlaví")});
        QVERIFY(again->others == layout->others);
        QCOMPARE(again->entries.size(), std::size_t(2));
        QCOMPARE(again->entries[0].id, QStringLiteral("odjezd")); // by id
        const LayoutEntry *read = again->Find(QStringLiteral("vjezd-lhota"));
        QVERIFY(read);
        for (const auto &[got, want] : {std::pair{read->name, vjezd.name}, std::pair{read->place, vjezd.place},
                                        std::pair{read->comment, vjezd.comment}})
            QCOMPARE(got, want);
        QCOMPARE(read->expectedType, 'S');
        QVERIFY(!read->planned && again->Find(QStringLiteral("odjezd"))->planned);
        QCOMPARE(read->state, LayoutEntry::Ok);
        QCOMPARE(int(read->image[AddressCodeByte]), 5);
        // Its configuration is a plain configuration file: the program's loader opens it as it stands.
        ImageBytes loaded{};
        QCOMPARE(LoadConfigText(again->ConfigPath(read->id), loaded).status, LoadOutcome::Loaded);
    }

    // A line of layout.txt written by hand: read when it can be, and never lost by the next save when not.
    // Lines of layout.txt, or of an entry's description, that a hand or a newer version wrote: what the program
    // reads from them, and that a save writes back what it does not understand.
    void layoutFileLines_data()
    {
        QTest::addColumn<bool>("entry"); // the line is in modules/a.entry, not in layout.txt
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("last");  // the other decoder's last number read from it; 0 for none
        QTest::addColumn<bool>("kept"); // in the saved file as it was
        QTest::newRow("other decoder") << false << QByteArray("other: 41-48 Točna") << 48 << true;
        QTest::newRow("a typographic dash") << false << QByteArray("other: 41–48 Točna") << 48 << false;
        QTest::newRow("blanks round the dash") << false << QByteArray("other: 100 - 110 Mezera") << 110 << false;
        QTest::newRow("a range past 2044") << false << QByteArray("other: 2040-2050 Osvětlení") << 0 << true;
        QTest::newRow("a key of a newer version") << false << QByteArray("scale: H0") << 0 << true;
        QTest::newRow("a comment") << false << QByteArray("# Točna je stará") << 0 << true;
        QTest::newRow("a line of no key") << false << QByteArray("Točna 12-40 bez dvojtečky") << 0 << true;
        QTest::newRow("entry: a key of its own") << true << QByteArray("owner: Petr") << 0 << true;
        QTest::newRow("entry: a comment") << true << QByteArray("# deska opravena") << 0 << true;
        QTest::newRow("entry: an unknown planned") << true << QByteArray("planned: maybe") << 0 << true;
    }
    void layoutFileLines()
    {
        QFETCH(bool, entry);
        QFETCH(QByteArray, line);
        QFETCH(int, last);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        QString error;
        NewLayout(dir.path(), {Entry("a", Module(3))});
        const QString file = dir.filePath(entry ? "modules/a.entry" : "layout.txt");
        Write(file, Read(file) + line + "\n");
        std::optional<Layout> layout = OpenLayout(dir.path(), &error);
        QVERIFY(layout);
        QCOMPARE(layout->others.empty() ? 0 : layout->others.front().last, last);
        QVERIFY(entry ? SaveEntry(*layout, *layout->Find("a"), false, &error) : SaveLayoutFile(*layout, &error));
        QCOMPARE(Read(file).contains(line), kept);
        layout = OpenLayout(dir.path(), &error);
        QCOMPARE(layout->others.empty() ? 0 : layout->others.front().last, last);
        QCOMPARE(layout->Find("a")->name, QStringLiteral("A"));
    }

    // A missing or broken module file, or a description that cannot be read, marks that entry; the rest of the
    // layout opens.
    void brokenModuleFileSpoilsOnlyItsEntry_data()
    {
        QTest::addColumn<QString>("file");       // which of entry a's files is broken
        QTest::addColumn<QByteArray>("content"); // empty: the file is gone
        QTest::addColumn<int>("state");
        QTest::newRow("missing") << "a.txt" << QByteArray() << int(LayoutEntry::MissingFile);
        QTest::newRow("not a configuration") << "a.txt" << QByteArray("rubbish\r\n") << int(LayoutEntry::BadFile);
        QTest::newRow("description a dangling link") << "a.entry" << QByteArray("link") << int(LayoutEntry::BadFile);
        QTest::newRow("description not readable") << "a.entry" << QByteArray("chmod") << int(LayoutEntry::BadFile);
        // A configuration copied in by hand is no broken entry: it is listed under its id, and serves its numbers.
        QTest::newRow("no description") << "a.entry" << QByteArray() << int(LayoutEntry::Ok);
    }
    void brokenModuleFileSpoilsOnlyItsEntry()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, state);
        QTemporaryDir dir;
        QString error;
        Layout layout = NewLayout(dir.path(), {Entry("a", Module(3)), Entry("b", Module(4))});
        const QString path = dir.filePath(QStringLiteral("modules/") + file);
        if (content.isEmpty() || content == "link") {
            QVERIFY(QFile::remove(path));
            if (content == "link")
                QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.entry")), path));
        } else if (content == "chmod") {
            QVERIFY(QFile::setPermissions(path, {}));
            if (QFile f(path); f.open(QIODevice::ReadOnly))
                QSKIP("the superuser reads a file without permissions");
        } else {
            Write(path, content);
        }
        const std::optional<Layout> opened = OpenLayout(dir.path(), &error);
        QVERIFY(opened);
        QCOMPARE(opened->entries.size(), std::size_t(2));
        QCOMPARE(int(opened->Find(QStringLiteral("a"))->state), state);
        QCOMPARE(opened->Find(QStringLiteral("a"))->problem.isEmpty(), state == LayoutEntry::Ok);
        QCOMPARE(opened->Find(QStringLiteral("b"))->state, LayoutEntry::Ok);
        const AddressPlan plan = MakeAddressPlan(*opened);
        const std::vector<LayoutProblem> problems = CheckLayout(*opened, plan);
        if (state == LayoutEntry::Ok) {
            QCOMPARE(opened->Find(QStringLiteral("a"))->name, QStringLiteral("a"));
            QVERIFY(problems.empty());
            QCOMPARE(plan.Find(FirstCommandNumber(3))->servers.size(), std::size_t(1));
            return;
        }
        QCOMPARE(problems.size(), std::size_t(1));
        QCOMPARE(problems[0].ids, QStringList{QStringLiteral("a")});
    }

    // What the files cannot hold is refused, and nothing is written.
    void unfitTextsAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::newRow("a TAB in the name") << "Vjezd\tLhota"
                                           << "";
        QTest::newRow("a comma in the name") << "Vjezd, Lhota"
                                             << "";
        QTest::newRow("a line feed in the comment") << "Vjezd"
                                                    << "one\ntwo";
    }
    void unfitTextsAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QTemporaryDir dir;
        QString error;
        QVERIFY(CreateLayout(dir.path(), QStringLiteral("L"), &error));
        Layout layout = *OpenLayout(dir.path(), &error);
        LayoutEntry e;
        e.id = QStringLiteral("x");
        e.name = name;
        e.comment = comment;
        QVERIFY(!SaveEntry(layout, e, true, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(layout.entries.empty());
        QVERIFY(!QFile::exists(layout.ConfigPath(e.id)));
        layout.name = name + QStringLiteral("\n");
        QVERIFY(!SaveLayoutFile(layout, &error));
        // Nor is a layout of that name begun: no folder is left behind.
        const QString other = dir.filePath(QStringLiteral("other"));
        QVERIFY(!CreateLayout(other, layout.name, &error));
        QVERIFY(!QFileInfo::exists(other));
    }

    // The numbers a module serves (n..n+3, n = 4b - 3) and the lowest free address code; a negative code is a
    // planned module's, which reserves its numbers all the same.
    void addressPlan_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("otherFirst"); // an other decoder's range; 0 for none
        QTest::addColumn<int>("otherLast");
        QTest::addColumn<int>("next");
        QTest::newRow("address code 1: 1..4") << QList<int>{1} << 0 << 0 << 2;
        QTest::newRow("address code 2: 5..8") << QList<int>{2} << 0 << 0 << 1;
        QTest::newRow("address code 127: 505..508") << QList<int>{127} << 0 << 0 << 1;
        QTest::newRow("next free in a gap") << QList<int>{1, 3} << 0 << 0 << 2;
        QTest::newRow("an other decoder takes a number of code 2") << QList<int>{1} << 7 << 7 << 3;
        QTest::newRow("planned counts") << QList<int>{1, -2} << 0 << 0 << 3;
        QList<int> all;
        for (int b = FirstAddressCode; b <= LastAddressCode; ++b)
            all << b;
        QTest::newRow("none free") << all << 0 << 0 << 0;
    }
    void addressPlan()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, otherFirst);
        QFETCH(int, otherLast);
        QFETCH(int, next);
        Layout layout;
        std::set<int> served;
        for (int i = 0; i < codes.size(); ++i) {
            LayoutEntry e = Entry(QStringLiteral("m%1").arg(i), Module(std::abs(codes[i])));
            e.planned = codes[i] < 0;
            layout.entries.push_back(e);
            for (int n = 4 * std::abs(codes[i]) - 3; n <= 4 * std::abs(codes[i]); ++n)
                served.insert(n);
        }
        if (otherFirst)
            layout.others.push_back({otherFirst, otherLast, QStringLiteral("Točna")});
        for (int n = otherFirst; otherFirst && n <= otherLast; ++n)
            served.insert(n);
        const AddressPlan plan = MakeAddressPlan(layout);
        std::set<int> numbers;
        for (const PlanNumber &n : plan.numbers)
            numbers.insert(n.number);
        QVERIFY(numbers == served);
        for (int i = 0; i < codes.size(); ++i) {
            const PlanNumber *n = plan.Find(4 * std::abs(codes[i]) - 3);
            QVERIFY(n && !n->servers.empty());
            QVERIFY(n->servers.front() == (PlanServer{QStringLiteral("m%1").arg(i), false, codes[i] < 0}));
        }
        QCOMPARE(plan.nextFreeAddressCode, next);
    }

    // A clean layout and the same with one fault added: the check says exactly that, as hx7ctl prints it. The
    // clean one: a (code 1, numbers 1..4) whose route 1 switches turnouts 5 and 6 of b and names b's signal 5
    // (speed code 4), b (code 2, 5..8) whose route 1 switches the turntable's 41, and the turntable on 41..48.
    void checkFindsEachProblem_data()
    {
        QTest::addColumn<int>("code"); // entry c's address code; -1: no entry c
        QTest::addColumn<int>("route");
        QTest::addColumn<QList<int>>("turnouts");
        QTest::addColumn<int>("speedCode");
        QTest::addColumn<QString>("damage"); // what else happens to c
        QTest::addColumn<QStringList>("lines");
        const QList<int> none;
        QTest::newRow("clean") << -1 << 1 << none << 0 << "" << QStringList();
        QTest::newRow("clean with c") << 3 << 1 << QList<int>{9, 41} << 6 << "" << QStringList();
        QTest::newRow("overlap, one line for 5-8") << 2 << 1 << none << 0 << "" << QStringList{"overlap\tb,c\t\t5-8\t"};
        QTest::newRow("overlap with an other decoder")
            << 11 << 1 << none << 0 << "" << QStringList{"overlap\tc,other:Točna\t\t41-44\t"};
        QTest::newRow("route turnout nothing serves")
            << 3 << 2 << QList<int>{9, 600} << 0 << "" << QStringList{"route-turnout\tc\t2\t600\tturnout 2"};
        QTest::newRow("highest turnout number")
            << 3 << 24 << QList<int>{0, 0, 0, 1020} << 0 << "" << QStringList{"route-turnout\tc\t24\t1020\tturnout 4"};
        QTest::newRow("follow-on signal nothing serves: k 100 -> 197")
            << 3 << 18 << none << 100 << "" << QStringList{"route-signal\tc\t18\t197\tsignal"};
        QTest::newRow("address code 0") << 0 << 1 << none << 0 << "" << QStringList{"address\tc\t\t\taddress code 0"};
        QTest::newRow("address code 128")
            << 128 << 1 << none << 0 << "" << QStringList{"address\tc\t\t\taddress code 128"};
        QTest::newRow("missing file") << 3 << 1 << none << 0 << "missing"
                                      << QStringList{"missing-file\tc\t\t\tmodules/c.txt"};
        QTest::newRow("bad file") << 3 << 1 << none << 0 << "rubbish" << QStringList{"bad-file\tc\t\t\t*"};
        QTest::newRow("type differs") << 3 << 1 << none << 0 << "S>V"
                                      << QStringList{"type\tc\t\t\texpected S, module said V"};
        QTest::newRow("type as expected") << 3 << 1 << none << 0 << "S>S" << QStringList();
        QTest::newRow("type the module did not say") << 3 << 1 << none << 0 << "S>" << QStringList();
        QTest::newRow("duplicate id: conflict marks")
            << 3 << 1 << none << 0 << "conflict" << QStringList{"duplicate-id\tc\t\t\tmodules/c.entry"};
        QTest::newRow("duplicate id: conflict marks with the common base")
            << 3 << 1 << none << 0 << "diff3" << QStringList{"duplicate-id\tc\t\t\tmodules/c.entry"};
        QTest::newRow("duplicate id: names that differ in case")
            << 3 << 1 << none << 0 << "case" << QStringList{"duplicate-id\tc\t\t\tmodules/c.entry"};
    }
    void checkFindsEachProblem()
    {
        QFETCH(int, code);
        QFETCH(int, route);
        QFETCH(QList<int>, turnouts);
        QFETCH(int, speedCode);
        QFETCH(QString, damage);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QTemporaryDir stateDir;
        std::vector<LayoutEntry> entries{Entry("a", Module(1, 1, {5, 6}, 4)), Entry("b", Module(2, 1, {41}))};
        if (code >= 0) {
            entries.push_back(Entry("c", Module(code, route, {turnouts.begin(), turnouts.end()}, speedCode)));
            if (damage.contains(QLatin1Char('>')))
                entries.back().expectedType = damage[0].toLatin1();
        }
        Layout layout = NewLayout(dir.path(), entries);
        layout.others.push_back({41, 48, QStringLiteral("Točna")});
        QString error;
        QVERIFY(SaveLayoutFile(layout, &error));
        const QString c = dir.filePath(QStringLiteral("modules/c"));
        LayoutState state(dir.path(), stateDir.path());
        if (damage == "missing")
            QVERIFY(QFile::remove(c + ".txt"));
        else if (damage == "rubbish")
            Write(c + ".txt", "rubbish\r\n");
        else if (damage.contains(QLatin1Char('>')))
            QVERIFY(state.Identified("c", ModuleIdentity(damage.mid(2).toLatin1().append('\0')[0], 0x14)));
        else if (damage == "conflict")
            Write(c + ".entry", "<<<<<<< HEAD\nname: ours\n=======\nname: theirs\n>>>>>>> other\n");
        else if (damage == "diff3")
            Write(c + ".entry", "<<<<<<< HEAD\nname: ours\n||||||| base\nname: base\n=======\nname: theirs\n"
                                ">>>>>>> other\n");
        else if (damage == "case")
            for (const char *suffix : {".txt", ".entry"})
                QVERIFY(QFile::copy(c + suffix, dir.filePath(QStringLiteral("modules/C")) + suffix));
        const std::optional<Layout> opened = OpenLayout(dir.path(), &error);
        QVERIFY(opened);
        QStringList found;
        for (const LayoutProblem &p : CheckLayout(*opened, MakeAddressPlan(*opened), &state)) {
            found << Line(p);
            QVERIFY(!ProblemText(*opened, p).isEmpty());
        }
        QCOMPARE(found.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].endsWith(QLatin1Char('*')))
                QVERIFY2(found[i].startsWith(lines[i].chopped(1)), qPrintable(found[i]));
            else
                QCOMPARE(found[i], lines[i]);
        if (damage == "conflict" || damage == "diff3") {
            QCOMPARE(opened->Find("c")->name, QStringLiteral("ours")); // this side, not the base
            // Saving one side of the conflict would lose the other clone's change: refused, file as it was.
            const QByteArray marked = Read(dir.filePath("modules/c.entry"));
            QString error;
            Layout copy = *opened;
            QVERIFY(!SaveEntry(copy, *copy.Find("c"), false, &error));
            QVERIFY(error.contains(QLatin1String("<<<<<<<")));
            QCOMPARE(Read(dir.filePath("modules/c.entry")), marked);
        }
    }

    // Removed entries go to the trash, come back as they were, and never over an entry that took the id since.
    void trashRoundTrip()
    {
        QTemporaryDir dir;
        QString error;
        Layout layout = NewLayout(dir.path(), {Entry("a", Module(1)), Entry("b", Module(2))});
        const std::map<QString, QByteArray> before = Files(dir.path());
        QVERIFY2(RemoveEntry(layout, "a", &error), qPrintable(error));
        QCOMPARE(layout.Ids(), QStringList{"b"});
        QVERIFY(!QFile::exists(layout.ConfigPath("a")));
        QCOMPARE(OpenLayout(dir.path(), &error)->Ids(), QStringList{"b"});
        std::vector<TrashedEntry> trash = ListTrash(layout);
        QCOMPARE(trash.size(), std::size_t(1));
        QCOMPARE(trash[0].id, QStringLiteral("a"));
        QCOMPARE(trash[0].name, QStringLiteral("A"));
        QVERIFY(trash[0].removed.isValid());
        QVERIFY2(RestoreEntry(layout, trash[0].trashName, &error), qPrintable(error));
        QCOMPARE(layout.Ids(), (QStringList{"a", "b"}));
        QCOMPARE(int(layout.Find("a")->AddressCode()), 1);
        QVERIFY(ListTrash(layout).empty());
        QVERIFY(Files(dir.path()) == before);

        QVERIFY(RemoveEntry(layout, "a", &error));
        QVERIFY(SaveEntry(layout, Entry("a", Module(9)), true, &error)); // a new "a" took the id
        const QString trashName = ListTrash(layout).at(0).trashName;
        error.clear();
        QVERIFY(!RestoreEntry(layout, trashName, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(ListTrash(layout).size(), std::size_t(1));
        QCOMPARE(OpenLayout(dir.path(), &error)->Find("a")->AddressCode(), 9);
        QVERIFY(!RemoveEntry(layout, "nobody", &error));

        // A configuration copied in without a description is listed in the trash all the same.
        QVERIFY(QFile::copy(layout.ConfigPath("b"), layout.ConfigPath("bare")));
        layout = *OpenLayout(dir.path(), &error);
        QVERIFY(RemoveEntry(layout, "bare", &error));
        QCOMPARE(ListTrash(layout).front().id, QStringLiteral("bare"));
    }

    // Someone else saved a file of the layout since it was read here: writing now would lose their change.
    void changedOnDiskAfterAnotherWriter()
    {
        QTemporaryDir dir;
        QString error;
        NewLayout(dir.path(), {Entry("a", Module(1)), Entry("b", Module(2))});
        const Layout mine = *OpenLayout(dir.path(), &error);
        Layout theirs = *OpenLayout(dir.path(), &error);
        QTest::qSleep(20); // a file's time has a resolution of milliseconds; people are slower
        LayoutEntry b = *theirs.Find("b");
        b.place = QStringLiteral("u kolejí");
        QVERIFY(SaveEntry(theirs, b, false, &error));
        QVERIFY(ChangedOnDisk(mine, "b"));
        QVERIFY(!ChangedOnDisk(theirs, "b")); // its own write
        QVERIFY(!ChangedOnDisk(mine, "a"));
        QVERIFY(!ChangedOnDisk(mine));
        theirs.name = QStringLiteral("Lhota");
        QVERIFY(SaveLayoutFile(theirs, &error));
        QVERIFY(ChangedOnDisk(mine));
        QVERIFY(SaveEntry(theirs, Entry("c", Module(3)), true, &error));
        QVERIFY(ChangedOnDisk(mine, "c")); // new to this side, but there: adding it here would overwrite theirs
        QVERIFY(!ChangedOnDisk(mine, "d"));
        QVERIFY(RemoveEntry(theirs, "a", &error));
        QVERIFY(ChangedOnDisk(mine, "a"));
    }

    // Two people edit two entries in two clones: no file changed on both sides, so a merge of the files as
    // text (git's) takes each side's change and the layout holds both.
    void entriesEditedApartMergeAsText()
    {
        QTemporaryDir base, one, two, merged;
        QString error;
        NewLayout(base.path(), {Entry("a", Module(1)), Entry("b", Module(2))});
        const std::map<QString, QByteArray> original = Files(base.path());
        for (const QTemporaryDir *clone : {&one, &two, &merged})
            for (const auto &[path, content] : original) {
                QDir(clone->path()).mkpath(QFileInfo(path).path());
                Write(QDir(clone->path()).filePath(path), content);
            }
        Layout first = *OpenLayout(one.path(), &error);
        LayoutEntry a = *first.Find("a");
        a.place = QStringLiteral("deska 1");
        a.image = Module(9);
        QVERIFY(SaveEntry(first, a, true, &error));
        Layout second = *OpenLayout(two.path(), &error);
        LayoutEntry b = *second.Find("b");
        b.comment = QStringLiteral("nový kabel");
        QVERIFY(SaveEntry(second, b, false, &error));
        const std::map<QString, QByteArray> ones = Files(one.path());
        const std::map<QString, QByteArray> twos = Files(two.path());
        QVERIFY(ones.size() == original.size() && twos.size() == original.size());
        for (const auto &[path, content] : original) {
            const bool oneChanged = ones.at(path) != content;
            const bool twoChanged = twos.at(path) != content;
            QVERIFY2(!(oneChanged && twoChanged), qPrintable(path));
            Write(QDir(merged.path()).filePath(path), oneChanged ? ones.at(path) : twos.at(path));
        }
        const Layout layout = *OpenLayout(merged.path(), &error);
        QCOMPARE(layout.Find("a")->place, a.place);
        QCOMPARE(layout.Find("a")->AddressCode(), 9);
        QCOMPARE(layout.Find("b")->comment, b.comment);
        QVERIFY(CheckLayout(layout, MakeAddressPlan(layout)).empty());
    }

    // What changes on every use comes back on the next start and never lands in the layout's folder.
    void stateRecordsRoundTripOutsideTheLayout()
    {
        QTemporaryDir dir, stateDir;
        NewLayout(dir.path(), {Entry("a", Module(1)), Entry("b", Module(2))});
        const std::map<QString, QByteArray> files = Files(dir.path());
        const QDateTime t(QDate(2026, 12, 10), QTime(15, 12));
        LayoutState state(dir.path(), stateDir.path());
        QVERIFY(state.Identified("a", ModuleIdentity('S', 0x14), nullptr, t));
        QVERIFY(state.Read("a", nullptr, t.addSecs(60)));
        QVERIFY(state.Stored("a", nullptr, t.addSecs(120)));
        QVERIFY(state.Verified("a", 3, nullptr, t.addSecs(180)));
        QVERIFY(state.Verified("b", 0, nullptr, t));
        QVERIFY(state.Verified("Vjezd Lhota %", 2, nullptr, t)); // a description named by hand
        const LayoutState next(dir.path(), stateDir.path());
        QCOMPARE(next.path(), state.path());
        const EntryRecord a = next.Record("a");
        QCOMPARE(a.identified, t);
        QCOMPARE(a.read, t.addSecs(60));
        QCOMPARE(a.stored, t.addSecs(120));
        QCOMPARE(a.verified, t.addSecs(180));
        QCOMPARE(a.differing, std::optional<int>(3));
        QCOMPARE(a.lastType, 'S');
        QCOMPARE(a.lastVersion, 0x14);
        QCOMPARE(next.Record("b").differing, std::optional<int>(0));
        QCOMPARE(next.Record("Vjezd Lhota %").differing, std::optional<int>(2));
        QVERIFY(!next.Record("Vjezd").differing);
        QVERIFY(LastVerifiedText(next.Record("b")).startsWith(QStringLiteral("2026-12-10 15:12 ")));
        QVERIFY(!next.Record("c").verified.isValid() && LastVerifiedText(next.Record("c")).isEmpty());
        QVERIFY(Files(dir.path()) == files);
        QVERIFY(state.path().startsWith(stateDir.path()));
        // Read again after another writer: what it wrote, not what was read before.
        QVERIFY(LayoutState(dir.path(), stateDir.path()).Verified("a", 0));
        QCOMPARE(next.Record("a").differing, std::optional<int>(0));
    }

    // The demo layout that ships with the program (./run.sh opens a copy): every module loads, the simulator's
    // module has the address code run.sh gives it, and the check says exactly one thing.
    void demoLayout()
    {
        const QString folder = QFINDTESTDATA("../../packaging/demo-layout");
        QString error;
        const std::optional<Layout> layout = OpenLayout(folder, &error);
        QVERIFY2(layout, qPrintable(error));
        QCOMPARE(layout->entries.size(), std::size_t(6));
        for (const LayoutEntry &e : layout->entries) {
            ImageBytes image{};
            QCOMPARE(LoadConfigText(layout->ConfigPath(e.id), image).status, LoadOutcome::Loaded);
            QVERIFY(e.Usable() && e.expectedType);
        }
        QCOMPARE(layout->Find("vjezd-od-horek")->AddressCode(), 6);
        QCOMPARE(layout->Find("vjezd-od-horek")->expectedType, 'S');
        QStringList lines;
        for (const LayoutProblem &p : CheckLayout(*layout, MakeAddressPlan(*layout)))
            lines << Line(p);
        QCOMPARE(lines, QStringList{"route-turnout\tvjezd-od-lhoty\t3\t57\tturnout 3"});
    }

    // The roster's and hx7ctl's words for the last verify, with the Czech count's three forms.
    void verifyResultWords_data()
    {
        QTest::addColumn<int>("differing"); // -1: never verified
        QTest::addColumn<QString>("words");
        QTest::newRow("never") << -1 << "";
        QTest::newRow("equal") << 0 << "v souladu";
        QTest::newRow("one") << 1 << "liší se: 1 bajt";
        QTest::newRow("three") << 3 << "liší se: 3 bajty";
        QTest::newRow("five") << 5 << "liší se: 5 bajtů";
    }
    void verifyResultWords()
    {
        QFETCH(int, differing);
        QFETCH(QString, words);
        EntryRecord record;
        if (differing >= 0)
            record.differing = differing;
        QCOMPARE(VerifyResultText(record), words);
    }

    void aFolderThatIsNoLayout()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!OpenLayout(dir.path(), &error));
        QVERIFY(error.contains(QStringLiteral("layout.txt")));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
