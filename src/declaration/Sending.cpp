#include "declaration/Sending.h"

#include <QRandomGenerator>
#include <QSqlField>

#include "data/Format.h"
#include "declaration/StoreAnnex.h"
#include "declaration/StoreSql.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = QString::fromUtf16(kSendTitle);

enum class Refusal { None, Missing, Inconsistent };

QString controlCode() {
    return QString::number(QRandomGenerator::global()->bounded(100000000u)).rightJustified(8, u'0');
}

}  // namespace

QString nextCorrel(Session& session, const QString& ruc) {
    QSqlQuery q =
        session.db().select(u"SELECT correl FROM hcab WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {ruc});
    long long highest = 0;
    while (q.isActive() && q.next()) {
        bool numeric = false;
        const long long n = q.value(u"correl"_s).toString().trimmed().toLongLong(&numeric);
        if (numeric && n > highest)
            highest = n;
    }
    return QString::number(highest + 1);
}

bool sendDeclaration(Session& session, const DeclarationKey& declaration, QString* correl) {
    DeclarationKey key = declaration;
    key.ruc = key.ruc.trimmed();
    key.sent = false;
    Db& db = session.db();
    Refusal refusal = Refusal::None;
    QString sequence;
    const bool ok = db.transaction([&] {
        const store::Condition where = store::keyCondition(key, true, false);
        const QList<QSqlRecord> headers =
            store::fetchRecords(db, u"SELECT * FROM cab"_s + where.sql, where.params);
        if (db.lastError().isError())
            return false;
        if (key.ruc.isEmpty() || headers.isEmpty()) {
            refusal = Refusal::Missing;
            return false;
        }
        const QSqlRecord& cab = headers.first();
        if (cab.isNull(u"estado"_s) || cab.value(u"estado"_s).toInt() != 0) {
            refusal = Refusal::Inconsistent;
            return false;
        }
        sequence = nextCorrel(session, key.ruc);
        if (db.lastError().isError())
            return false;

        // HCAB: the header with the sequence, sent (estado 1), no order number yet, the control code and
        // date.
        QSqlRecord hcab = cab;
        const QPair<QString, QVariant> sent[] = {{u"correl"_s, sequence},
                                                 {u"estado"_s, 1},
                                                 {u"norden"_s, QVariant()},
                                                 {u"control"_s, controlCode()},
                                                 {u"fec_env"_s, formatDate(session.clock.today())}};
        for (const auto& [column, value] : sent) {
            if (!hcab.contains(column))
                hcab.append(QSqlField(column));
            hcab.setValue(column, value);
        }
        QStringList hcabColumns = store::hcabColumns();
        hcabColumns.removeLast();  // the check code, computed over the others
        if (!db.execute(store::insertSql(u"hcab"_s, store::hcabColumns()),
                        store::withCheckCode(store::valuesOf(hcab, hcabColumns))))
            return false;

        const QList<QSqlRecord> boxes =
            store::fetchRecords(db, u"SELECT * FROM det"_s + where.sql, where.params);
        if (db.lastError().isError())
            return false;
        QStringList hdetColumns = store::hdetColumns();
        hdetColumns.removeLast();
        store::Prepared insert(db, store::insertSql(u"hdet"_s, store::hdetColumns()));
        for (QSqlRecord det : boxes) {
            det.append(QSqlField(u"correl"_s));
            det.setValue(u"correl"_s, sequence);
            if (!insert.exec(store::withCheckCode(store::valuesOf(det, hdetColumns))))
                return false;
        }
        for (const AnnexTable& t : annexTables()) {
            if (!store::copyAnnexToHistory(db, t, key, sequence))
                return false;
        }
        return true;
    });
    if (!ok) {
        if (refusal == Refusal::Missing) {
            session.sink.error(u"La declaración que desea enviar no existe."_s, kTitle);
        } else if (refusal == Refusal::Inconsistent) {
            session.sink.error(
                u"La declaración fue grabada con inconsistencias. "
                "En estas condiciones no podrá ser enviada a KELOR."_s,
                kTitle);
        }
        return false;
    }
    if (correl)
        *correl = sequence;
    return true;
}

}  // namespace zem
