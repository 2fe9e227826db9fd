// Importing a personalised package of 100,000 records (unpacking, checking every file and record, loading
// the working tables and the agents' header rows), measured against reading the same extracted files and
// inserting their rows with one prepared statement per table in one transaction, in the same run.
// Goal: the import within 1.5 times that raw figure.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

#include "Packages.h"
#include "data/SeedCatalogue.h"
#include "import/PackageExtraction.h"
#include "import/PackageImport.h"
#include "import/PackageName.h"
#include "import/RecordFiles.h"
#include "import/ValImporta.h"
#include "startup/Schema.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRecords = 100000;
constexpr int kRuns = 5;
const QString kRuc = u"20100070970"_s;

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F>
double timed(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// A RUC-like number for agent n of 400.
QString agent(int n) {
    return u"20"_s + QString::number(100000000 + (n % 400) * 7919).left(9);
}

QString period(int n) {
    return u"2006"_s + QString::number(n % 12 + 1).rightJustified(2, u'0');
}

QString amount(int n) {
    return QString::number((n * 37) % 99991) + u'.' + QString::number(n % 100).rightJustified(2, u'0');
}

// Records of every kind, in the proportions of a taxpayer with many receipts.
QHash<QString, QStringList> records() {
    const QList<QPair<QString, int>> shares = {{u"01"_s, 10}, {u"02"_s, 10}, {u"03"_s, 20}, {u"04"_s, 10},
                                               {u"05"_s, 10}, {u"06"_s, 5},  {u"07"_s, 5},  {u"08"_s, 5},
                                               {u"09"_s, 10}, {u"10"_s, 8},  {u"11"_s, 7}};
    QHash<QString, QStringList> out;
    int n = 0;
    for (const auto& [code, share] : shares) {
        QStringList& lines = out[code];
        for (int i = 0; i < kRecords * share / 100; ++i, ++n) {
            const QString date = period(n) + QString::number(n % 28 + 1).rightJustified(2, u'0');
            if (code == u"01" || code == u"07") {
                lines << test::line({period(n), code == u"01" ? u"1662"_s : u"0121"_s, QString::number(n),
                                     date, amount(n), u"0"_s});
            } else if (code == u"08") {
                lines << test::line({period(n), u"0651"_s, QString::number(n), date, amount(n), u"0"_s,
                                     u"0"_s, amount(n + 1), u"1.50"_s});
            } else if (code == u"03") {
                lines << test::line({u"6"_s, agent(n), u"EMISOR "_s + QString::number(n % 400), period(n),
                                     u"02"_s, u"1"_s, QString::number(n + 1), date, amount(n)});
            } else {
                lines << test::line(
                    {u"6"_s, agent(n), u"AGENTE "_s + QString::number(n % 400), period(n), amount(n)});
            }
        }
    }
    return out;
}

void emptyWorkingTables(Db& db) {
    for (const AnnexTable& t : annexTables())
        db.execute(u"DELETE FROM "_s + t.working);
    db.execute(u"DELETE FROM tmp_f0480importa"_s);
}

// The raw figure: the extracted files read line by line and each record's fields inserted as they stand.
double rawLoad(Db& db, const ExtractedPackage& package, const QString& base) {
    return timed([&] {
        db.transaction([&] {
            for (const RecordFile& f : recordFiles()) {
                QFile file(package.path(base + u".0"_s + f.code));
                file.open(QIODevice::ReadOnly);
                const QStringList lines = recordLines(file.readAll());
                const bool agents = f.kind == RecordKind::Agent522;
                const QString table = agents ? u"TMP_F0482RETCAB"_s : importTable(f.kind);
                const QStringList columns =
                    agents ? QStringList{u"casilla"_s,   u"tip_doc_ret"_s,  u"num_doc_ret"_s,
                                         u"des_razon"_s, u"fec_donacion"_s, u"mto_total"_s}
                           : importColumns(f.kind);
                QSqlQuery q(db.handle());
                q.prepare(u"INSERT INTO "_s + table + u" ("_s + columns.join(u", "_s) + u") VALUES ("_s +
                          QStringList(columns.size(), u"?"_s).join(u", "_s) + u')');
                for (const QString& l : lines) {
                    const QStringList fields = recordFields(l);
                    for (int c = 0; c < columns.size(); ++c)
                        q.bindValue(c, fields.value(c));
                    q.exec();
                }
            }
            return true;
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::TestEnv installation;
    Session& session = installation.session;
    Db& db = installation.db();
    if (!loadSeedCatalogue(db))
        return 1;

    const QString base = KeyNombreArchivo(kRuc);
    const QString zip = installation.path(base + u".zip"_s);
    if (!test::writeZip(zip, test::recordMembers(base, records())))
        return 1;
    DeclarationKey key;
    key.ruc = kRuc;

    QList<double> raw, import;
    qint64 loaded = 0;
    for (int i = 0; i < kRuns; ++i) {
        emptyWorkingTables(db);
        {
            const ExtractedPackage package = extractPackage(zip, session.settings.gTmpPath);
            raw << rawLoad(db, package, base);
        }
        emptyWorkingTables(db);
        PackageImport importer(session, key);
        PackageImport::Outcome outcome = PackageImport::Outcome::Database;
        import << timed([&] { outcome = importer.importar(zip);
    });
    if (outcome != PackageImport::Outcome::Imported) {
        std::fprintf(stderr, "the package was refused: %s\n",
                     qPrintable(installation.sink.texts().join(u" | "_s)));
        return 1;
    }
    loaded = 0;
    for (const QString& t :
         {u"TMP_F0480PAGOS"_s, u"TMP_F0480DETRTA"_s, u"TMP_F0480RETDET"_s, u"TMP_F0480PAGCTA"_s})
        loaded += db.scalar(u"SELECT count(*) FROM "_s + t).toLongLong();
}
const double r = median(raw), m = median(import);
std::printf("records in the package: %d (%lld rows loaded besides the agents)\n", kRecords, loaded);
std::printf("raw read and prepared insert, one transaction: %8.2f ms\n", r);
std::printf("import (unpack, check, load):                  %8.2f ms  (%.2f x raw)\n", m, m / r);
std::printf("goal: import within 1.5 x raw: %s\n", m <= 1.5 * r ? "met" : "NOT met");
return 0;
}
