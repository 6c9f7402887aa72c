// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: complete, in step with the code, and loaded when asked for. The program's texts are
// Czech in the code; lupdate extracts them, and every one must have its English and its German text.
#include "language.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <set>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
    bool operator<(const Message &o) const { return std::tie(context, source) < std::tie(o.context, o.source); }
};

// The text of the current element; lupdate writes characters that XML cannot hold (a CR) as <byte value="xd"/>.
QString ElementText(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.atEnd())
            break;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

std::set<Message> ReadTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::set<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            m = {context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            m.source = ElementText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = ElementText(xml);
            messages.insert(m);
        }
    }
    return messages;
}

// The texts lupdate finds in the code now.
std::set<Message> Extracted(const QTemporaryDir &dir)
{
    const QString ts = dir.filePath(QStringLiteral("now.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(HX7_SOURCE_DIR));
    lupdate.start(QStringLiteral(HX7_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("src"), QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
        qWarning("lupdate failed: %s", lupdate.readAllStandardError().constData());
    return ReadTs(ts);
}

// A string literal's text, with the simple escapes of the code undone.
QString Unescape(const QString &literal)
{
    QString out;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal[i] != QLatin1Char('\\') || i + 1 == literal.size()) {
            out += literal[i];
            continue;
        }
        const QChar c = literal[++i];
        out += c == QLatin1Char('n')   ? QChar('\n')
               : c == QLatin1Char('r') ? QChar('\r')
               : c == QLatin1Char('t') ? QChar('\t')
                                       : c;
    }
    return out;
}

// Every literal of the code that holds a non-ASCII character (Czech text), outside comments.
QStringList CzechLiterals(const QString &code)
{
    QStringList found;
    enum { Code, Line, Block, String } state = Code;
    QString literal;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        const QChar next = i + 1 < code.size() ? code[i + 1] : QChar();
        switch (state) {
        case Code:
            if (c == QLatin1Char('/') && next == QLatin1Char('/'))
                state = Line;
            else if (c == QLatin1Char('/') && next == QLatin1Char('*'))
                state = Block;
            else if (c == QLatin1Char('"'))
                state = String, literal.clear();
            else if (c == QLatin1Char('\'') && i + 2 < code.size())
                i += code[i + 1] == QLatin1Char('\\') ? 3 : 2; // a character literal
            break;
        case Line:
            if (c == QLatin1Char('\n'))
                state = Code;
            break;
        case Block:
            if (c == QLatin1Char('*') && next == QLatin1Char('/'))
                state = Code, ++i;
            break;
        case String:
            if (c == QLatin1Char('\\')) {
                literal += c;
                literal += next;
                ++i;
            } else if (c == QLatin1Char('"')) {
                state = Code;
                const bool czech =
                    std::any_of(literal.begin(), literal.end(), [](QChar ch) { return ch.unicode() > 127; });
                if (czech)
                    found << Unescape(literal);
            } else {
                literal += c;
            }
            break;
        }
    }
    return found;
}

QString TsPath(const QString &language)
{
    return QStringLiteral(HX7_SOURCE_DIR "/translations/hx7conf_%1.ts").arg(language);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : hx7::LanguageCodes())
            if (code != QLatin1String("cs"))
                QTest::newRow(qPrintable(code)) << code;
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        const std::set<Message> ts = ReadTs(TsPath(language));
        QVERIFY(ts.size() > 100);
        QStringList missing;
        for (const Message &m : ts)
            if (m.translation.isEmpty() || !m.type.isEmpty())
                missing << m.context + QLatin1String(": ") + m.source;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // Each translation file holds exactly the texts the code has (run lupdate when this fails).
    void translationFileIsInStepWithTheCode_data() { everyTextIsTranslated_data(); }
    void translationFileIsInStepWithTheCode()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        const std::set<Message> now = Extracted(dir);
        const std::set<Message> ts = ReadTs(TsPath(language));
        QVERIFY(!now.empty());
        QStringList differences;
        for (const Message &m : now)
            if (!ts.count(m))
                differences << QStringLiteral("new in the code: ") + m.context + QLatin1String(": ") + m.source;
        for (const Message &m : ts)
            if (!now.count(m))
                differences << QStringLiteral("gone from the code: ") + m.context + QLatin1String(": ") + m.source;
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }

    // Czech text that lupdate cannot see (a plain literal) would stay Czech in the English program.
    void noCzechTextOutsideTheTranslation()
    {
        QTemporaryDir dir;
        const std::set<Message> now = Extracted(dir);
        // Shown as they are in both languages: the language menu names each language in itself.
        const QStringList untranslated = {QStringLiteral("&Jazyk / Language / Sprache"), QStringLiteral("&Čeština"),
                                          QStringLiteral("Jazyk se změní po novém spuštění programu.\n"
                                                         "The language changes when the program is started again.\n"
                                                         "Die Sprache wechselt beim nächsten Start des Programms.")};
        QStringList stray;
        QDirIterator files(QStringLiteral(HX7_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QString &literal : CzechLiterals(QString::fromUtf8(file.readAll()))) {
                const bool known =
                    std::any_of(now.begin(), now.end(), [&](const Message &m) { return m.source.contains(literal); }) ||
                    std::any_of(untranslated.begin(), untranslated.end(),
                                [&](const QString &u) { return u.contains(literal); });
                if (!known)
                    stray << files.fileName() + QLatin1String(": ") + literal;
            }
        }
        QVERIFY2(stray.isEmpty(), qPrintable(stray.join(QLatin1Char('\n'))));
    }

    // Free software under the GPL: every source file says so in its first lines.
    void everySourceFileNamesItsLicence()
    {
        QStringList unnamed;
        for (const char *folder : {"src", "tools", "tests", "bench", "fuzz"}) {
            QDirIterator files(QStringLiteral(HX7_SOURCE_DIR "/") + QLatin1String(folder),
                               {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("CMakeLists.txt")},
                               QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                if (!file.read(200).contains("SPDX-License-Identifier: GPL-3.0-or-later"))
                    unnamed << file.fileName();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    // The glossary's words are the program's: for each row, a text holding its Czech word is translated with its
    // English word, and one with its German word.
    void glossaryWordsAreTheTranslations()
    {
        QFile glossary(QStringLiteral(HX7_SOURCE_DIR "/docs/glossary.md"));
        QVERIFY(glossary.open(QIODevice::ReadOnly));
        const std::set<Message> en = ReadTs(TsPath(QStringLiteral("en")));
        const std::set<Message> de = ReadTs(TsPath(QStringLiteral("de")));
        // The first word of a cell: before a comma, a slash or a bracket, without quotes.
        static const QRegularExpression cut(QStringLiteral(" \\(|, | / "));
        const auto word = [](const QString &cell) {
            return cell.section(cut, 0, 0).remove(QLatin1Char('"')).trimmed();
        };
        const auto found = [](const std::set<Message> &ts, const QString &czech, const QString &translated) {
            return std::any_of(ts.begin(), ts.end(), [&](const Message &m) {
                return QString(m.source).remove(QLatin1Char('&')).contains(czech, Qt::CaseInsensitive) &&
                       QString(m.translation).remove(QLatin1Char('&')).contains(translated, Qt::CaseInsensitive);
            });
        };
        QStringList unmatched;
        int rows = 0;
        for (const QString &line : QString::fromUtf8(glossary.readAll()).split(QLatin1Char('\n'))) {
            const QStringList cells = line.split(QStringLiteral(" | "));
            if (cells.size() != 4 || !line.startsWith(QLatin1String("| ")) || cells[0] == QLatin1String("| Czech"))
                continue;
            ++rows;
            const QString czech = word(cells[0].mid(2));
            if (!found(en, czech, word(cells[1])))
                unmatched << czech + QStringLiteral(" -> ") + word(cells[1]);
            if (!found(de, czech, word(cells[2])))
                unmatched << czech + QStringLiteral(" -> ") + word(cells[2]);
        }
        QVERIFY(rows > 30);
        QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(QLatin1Char('\n'))));
    }

    // Each language's texts are carried inside the program; Czech is the code's own.
    void everyLanguageIsBuiltIn()
    {
        for (const QString &code : hx7::LanguageCodes())
            if (code != QLatin1String("cs"))
                QVERIFY2(QFile::exists(QStringLiteral(":/i18n/hx7conf_%1.qm").arg(code)), qPrintable(code));
        const char *text = "Chyba čtení dat !";
        QCOMPARE(QCoreApplication::translate("hx7", text), QString::fromUtf8(text));
        QVERIFY(!hx7::InstallLanguage(QStringLiteral("xx")));
        QVERIFY(hx7::InstallLanguage(QStringLiteral("de")));
        const QString german = QCoreApplication::translate("hx7", text);
        QVERIFY(!german.isEmpty() && german != QString::fromUtf8(text));
        QCOMPARE(QLocale().toString(1.4, 'f', 1), QStringLiteral("1,4"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
