// Saving and opening a full declaration (118 boxes, 5,000 annex rows over the working tables), each measured
// against inserting the same number of rows with one prepared statement in one transaction, in the same run.
// Goal: save and open each within 1.5 times that raw figure.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

#include "declaration/Checks.h"
#include "declaration/Declaration.h"
#include "declaration/Store.h"
#include "declaration/StoreBoxes.h"
#include "startup/Schema.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

constexpr int kAnnexRows = 5000;
constexpr int kRuns = 7;
const QString kRuc = u"10123456789"_s;

class Consistent : public DeclarationChecks {
public:
    bool ValIdent(const QString&, IdentScope) override { return true; }
    bool ValidaTodo(const QString&) override { return true; }
};

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

void fillWorkingTables(Db& db) {
    const QList<AnnexTable>& tables = annexTables();
    int row = 0;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const AnnexTable& t = tables[i];
        const int count =
            kAnnexRows / static_cast<int>(tables.size()) + (i < kAnnexRows % tables.size() ? 1 : 0);
        QSqlQuery q(db.handle());
        q.prepare(u"INSERT INTO "_s + t.working + u" VALUES ("_s +
                  QStringList(t.columns.size(), u"?"_s).join(u", "_s) + u')');
        db.transaction([&] {
            for (int r = 0; r < count; ++r, ++row) {
                for (qsizetype c = 0; c < t.columns.size(); ++c)
                    q.bindValue(static_cast<int>(c), t.columns[c] + u' ' + QString::number(row));
                q.exec();
            }
            return true;
        });
    }
}

// The raw figure: the same number of rows, one prepared statement, one transaction.
double rawInsert(Db& db, int rows) {
    const QStringList columns =
        annexKeyColumns() + annexByStored(u"F0480PAGOS"_s)->columns + QStringList{u"cnumero"_s};
    const double ms = timed([&] {
        db.transaction([&] {
            QSqlQuery q(db.handle());
            q.prepare(u"INSERT INTO f0480pagos ("_s + columns.join(u", "_s) + u") VALUES ("_s +
                      QStringList(columns.size(), u"?"_s).join(u", "_s) + u')');
            for (int r = 0; r < rows; ++r) {
                q.bindValue(0, 6);
                q.bindValue(1, u"20999999999"_s);
                q.bindValue(2, u"2006"_s);
                q.bindValue(3, u"0482"_s);
                for (qsizetype c = 4; c < columns.size(); ++c)
                    q.bindValue(static_cast<int>(c), columns[c] + u' ' + QString::number(r));
                q.exec();
            }
            return true;
        });
    });
    db.execute(u"DELETE FROM f0480pagos WHERE doc_id_d = '20999999999'"_s);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::TestEnv installation;
    Session& session = installation.session;
    Db& db = installation.db();

    Declaration model;
    DeclarationStore store(session, model);
    Consistent checks;
    store.startNew();
    model.setRuc(kRuc);
    for (int box : savedBoxList())
        model.setText(box, QString::number(box * 1000 + 7));
    fillWorkingTables(db);

    // The first save creates the declaration; every later save rewrites it.
    const double firstSave = timed([&] { store.GrabarForm(checks); });
    const int rowsWritten = db.scalar(u"SELECT count(*) FROM det"_s).toInt() + kAnnexRows + 1;

    QList<double> raw, save, open;
    DeclarationKey key;
    key.ruc = kRuc;
    for (int i = 0; i < kRuns; ++i) {
        raw << rawInsert(db, rowsWritten);
        save << timed([&] { store.GrabarForm(checks); });
        open << timed([&] { store.open(key); });
    }
    long long reopened = 0;
    for (const AnnexTable& t : annexTables())
        reopened += db.scalar(u"SELECT count(*) FROM "_s + t.working).toLongLong();
    if (store.lastFailure() != DeclarationStore::Failure::None || reopened != kAnnexRows) {
        std::fprintf(stderr, "the declaration did not save and open whole (%lld rows)\n", reopened);
        return 1;
    }
    const double r = median(raw), s = median(save), o = median(open);
    std::printf("rows written by a save: %d (%d annex rows)\n", rowsWritten, kAnnexRows);
    std::printf("raw prepared insert, one transaction: %8.2f ms\n", r);
    std::printf("first save:                           %8.2f ms  (%.2f x raw)\n", firstSave, firstSave / r);
    std::printf("save of the stored declaration:       %8.2f ms  (%.2f x raw)\n", s, s / r);
    std::printf("open:                                 %8.2f ms  (%.2f x raw)\n", o, o / r);
    std::printf("goal: save and open within 1.5 x raw: %s\n",
                s <= 1.5 * r && o <= 1.5 * r ? "met" : "NOT met");
    return 0;
}
