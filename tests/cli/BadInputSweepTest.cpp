// Every text argument of zem0482 given each hostile value: the tool ends normally with its exit code, speaks
// Spanish (never the database engine's own words), leaves the stored data as it was when it refuses, and
// never stores an unreadable or control character.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "CliTool.h"

using namespace Qt::StringLiterals;

using zem::test::Outcome;
using zem::test::RawFile;
using zem::test::Tool;

namespace {

const QByteArray kRuc = "20100070970";

struct Hostile {
    const char* name;
    QByteArray bytes;
};

// What a careless or malicious caller may pass. A single word of a Linux command line carries at most
// 128 KiB, so the long value stays just under that.
QList<Hostile> hostileValues() {
    return {{"quotes", "D'ONO\"FRIO`"},
            {"like", "%_%[a-z]*?"},
            {"backslash", "C:\\TEMP\\\\n\\"},
            {"long", QByteArray(120 * 1024, '9')},
            {"control", QByteArray("A\x01\tB\r\nC\x1b[2J\x7f", 13)},
            {"utf8", "\xff\xfe\xc3(\xed\xa0\x80Z"}};
}

// Each command with "@" where the hostile value goes (alone or inside a word).
QList<QByteArrayList> commandLines() {
    const QByteArray r = kRuc;
    const QByteArrayList receipt = {"per_tri=200601", "num_for=1662", "num_ord=123", "fec_pago=15/02/2006",
                                    "mto_trib=5"};
    QList<QByteArrayList> lines = {
        {"taxpayer", "add", "@", "--paterno", "P", "--materno", "M", "--nombres", "N"},
        {"taxpayer", "add", r, "--paterno", "@", "--materno", "M", "--nombres", "N"},
        {"taxpayer", "add", r, "--paterno", "P", "--materno", "@", "--nombres", "N"},
        {"taxpayer", "add", r, "--paterno", "P", "--materno", "M", "--nombres", "@"},
        {"taxpayer", "add", r, "--paterno", "P", "--materno", "M", "--nombres", "N", "--usuario", "@"},
        {"user", "add", "@", "--tipo", "1"},
        {"user", "add", "OTRO", "--tipo", "@"},
        {"compute", "--uit", "@", "107=1000"},
        {"compute", "--uit", "3400", "107=@"},
        {"compute", "--uit", "3400", "@"},
        {"save", "@"},
        {"show", "@"},
        {"show", r, "--correl", "@"},
        {"validate", "@"},
        {"delete", "@"},
        {"delete", r, "--correl", "@"},
        {"send", "@"},
        {"annex", "list", "@"},
        {"annex", "list", r, "@"},
        {"annex", "add", "@", "133", "mto_trib=1"},
        {"annex", "add", r, "@", "mto_trib=1"},
        {"annex", "add", r, "@=1"},
        {"annex", "add", r, "107", "tip_doc_ret=01", "num_doc_ret=44556677", "des_ape_pat=@",
         "des_nombres=LUIS", "per_tri=200604", "tip_cp=02", "num_serie_cp=1", "num_cp=5",
         "fec_emision_cp=30/04/2006", "mto_imp_cp=1500"},
        {"annex", "add", r, "condominio", "tip_doc_con=1", "num_ruc=@"},
        {"annex", "delete", "@", "133", "1"},
        {"annex", "delete", r, "@", "1"},
        {"annex", "delete", r, "133", "@"},
        {"print", "@", "--pdf", "salida.pdf"},
        {"print", r, "--pdf", "@"},
        {"print", r, "--prn", "@", "--pdf", "salida.pdf"},
        {"print", r, "--anexos", "@", "--pdf", "salida.pdf"},
        {"print", r, "--correl", "@", "--pdf", "salida.pdf"},
        {"print", r, "--impresora", "@"},
        {"import", "@", "paquete.zip"},
        {"import", r, "@"},
    };
    // Box values: amounts, names, document numbers, the cheque, the telephone, a date and coded answers.
    for (const QByteArray box : {"107", "819", "208", "012", "028", "234", "025", "005", "599"})
        lines.append({"save", r, box + "=@"});
    lines.append({"save", r, "@=5"});
    // Each column of a payment of box 133.
    for (qsizetype i = 0; i < receipt.size(); ++i) {
        QByteArrayList line = {"annex", "add", r, "133"};
        for (qsizetype j = 0; j < receipt.size(); ++j)
            line << (i == j ? receipt[j].left(receipt[j].indexOf('=') + 1) + "@" : receipt[j]);
        lines.append(line);
    }
    return lines;
}

// One word for bash, every byte outside a small safe set written as \xHH inside $'...'.
QByteArray bashWord(const QByteArray& word) {
    QByteArray out = "$'";
    for (const char c : word) {
        if (std::isalnum(static_cast<unsigned char>(c)) || QByteArray("-_./=:,").contains(c))
            out += c;
        else
            out += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
    }
    return out + '\'';
}

// Runs the tool with words that need not be valid text, from the installation's own folder.
Outcome runRaw(const Tool& zem, const QByteArrayList& words) {
    QByteArray script = "cd " + bashWord(QFile::encodeName(zem.home.path())) + " && exec " +
                        bashWord(QByteArray(ZEM0482_PATH));
    for (const QByteArray& w : words)
        script += ' ' + bashWord(w);
    QFile file(zem.home.filePath(u"run.sh"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(script + '\n') < 0)
        return {};
    file.close();
    return zem({file.fileName()}, u"/bin/bash"_s);
}

// Every row of every table of the installation's file, as text: what must not change when a command is
// refused.
QStringList storedRows(const RawFile& file) {
    QStringList out;
    for (const QStringList& table :
         file.rows(u"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"_s)) {
        QStringList rows;
        for (const QStringList& row : file.rows(u"SELECT * FROM \"%1\""_s.arg(table.value(0))))
            rows << row.join(u'\x1f');
        rows.sort();
        out << table.value(0) + u':' + rows.join(u'\x1e');
    }
    return out;
}

// A stored text with a character no register ever holds: controls, or the mark left by unreadable bytes.
QString unreadableCell(const QStringList& data) {
    for (const QString& table : data) {
        for (const QChar c : table) {
            if ((c.unicode() < 32 && c != u'\x1e' && c != u'\x1f') || c.unicode() == 127 ||
                c == QChar::ReplacementCharacter)
                return table.left(table.indexOf(u':'));
        }
    }
    return {};
}

// Words of the database engine and of Qt's drivers that must never reach the user.
const QStringList kEngineWords = {u"database"_s,        u"constraint"_s, u"malformed"_s, u"syntax"_s,
                                  u"unrecognized"_s,    u"no such"_s,    u"QSQLITE"_s,   u"Driver"_s,
                                  u"Parameter count"_s, u"near \""_s,    u"Unable to"_s};

}  // namespace

TEST(BadInputSweep, EveryArgumentOfTheBatchToolTakesHostileText) {
    if (zem::test::onTestServer())
        GTEST_SKIP() << zem::test::kSqliteOnly;  // what must not change is read from the SQLite file
    Tool zem;
    zem::test::installDeclaration(zem, QString::fromLatin1(kRuc));
    ASSERT_FALSE(HasFatalFailure());
    const RawFile stored(zem.databaseFile());  // one connection for the whole sweep
    for (const QByteArrayList& line : commandLines()) {
        for (const Hostile& value : hostileValues()) {
            QByteArrayList words;
            for (QByteArray w : line)
                words << w.replace("@", value.bytes);
            const QString what =
                QString::fromLatin1(line.join(' ')) + u" with "_s + QLatin1StringView(value.name);
            const QStringList before = storedRows(stored);
            const Outcome r = runRaw(zem, words);
            ASSERT_GE(r.code, 0) << qPrintable(what) << ": did not end normally\n"
                                 << qPrintable(r.err.left(2000));
            ASSERT_LE(r.code, 2) << qPrintable(what) << "\n" << qPrintable(r.err.left(2000));
            ASSERT_FALSE(r.err.contains(u"Sanitizer"_s) || r.err.contains(u"runtime error:"_s))
                << qPrintable(what) << "\n"
                << qPrintable(r.err.left(4000));
            for (const QString& word : kEngineWords) {
                EXPECT_FALSE((r.out + r.err).contains(word, Qt::CaseInsensitive))
                    << qPrintable(what) << " shows \"" << qPrintable(word)
                    << "\": " << qPrintable(r.err.left(500));
            }
            // A quoted word never reaches the terminal as a control sequence, nor whole when it is huge.
            const QString shown = r.out + r.err;
            EXPECT_FALSE(shown.contains(u'\x1b') || shown.contains(u'\x01') || shown.contains(u'\x7f'))
                << qPrintable(what) << " wrote a control character to the terminal";
            EXPECT_LT(r.err.size(), 4096) << qPrintable(what) << " echoed the whole value";
            const QStringList after = storedRows(stored);
            if (r.code == 2) {
                EXPECT_FALSE(r.err.trimmed().isEmpty()) << qPrintable(what) << ": refused without a word";
                EXPECT_EQ(after, before) << qPrintable(what) << ": refused but the stored data changed";
            }
            EXPECT_EQ(unreadableCell(after), QString()) << qPrintable(what) << " stored a control character";
            EXPECT_EQ(stored.scalar(u"PRAGMA integrity_check"_s).toString(), u"ok"_s) << qPrintable(what);
        }
    }
    // The register and the declaration still read back whole.
    EXPECT_EQ(zem({u"list"_s}).code, 0);
    EXPECT_LT(zem({u"show"_s, QString::fromLatin1(kRuc)}).code, 2);
}
