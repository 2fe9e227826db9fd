#include "declaration/Sending.h"

#include <QRandomGenerator>

#include "data/Format.h"
#include "declaration/StoreAnnex.h"
#include "declaration/StoreSql.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Envío de la declaración"_s;

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
        const long long n = q.value(0).toString().trimmed().toLongLong(&numeric);
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
        const QList<QVariantList> headers = store::fetchRows(
            db, u"SELECT "_s + store::cabColumns().join(u", "_s) + u" FROM cab"_s + where.sql, where.params);
        if (db.lastError().isError())
            return false;
        if (key.ruc.isEmpty() || headers.isEmpty()) {
            refusal = Refusal::Missing;
            return false;
        }
        const QVariantList& cab = headers.first();
        if (cab[11].isNull() || cab[11].toInt() != 0) {
            refusal = Refusal::Inconsistent;
            return false;
        }
        sequence = nextCorrel(session, key.ruc);
        if (db.lastError().isError())
            return false;

        // HCAB: the header with the sequence, sent (estado 1), no order number yet, the control code and
        // date.
        QVariantList hcab = cab.mid(0, 5) + QVariantList{sequence} + cab.mid(5, 6);
        hcab << 1 << QVariant() << controlCode() << formatDate(session.clock.today());
        if (!db.execute(store::insertSql(u"hcab"_s, store::hcabColumns()), store::withCheckCode(hcab)))
            return false;

        const QList<QVariantList> boxes = store::fetchRows(
            db, u"SELECT "_s + store::detColumns().join(u", "_s) + u" FROM det"_s + where.sql, where.params);
        if (db.lastError().isError())
            return false;
        store::Prepared insert(db, store::insertSql(u"hdet"_s, store::hdetColumns()));
        for (const QVariantList& det : boxes) {
            const QVariantList row = det.mid(0, 5) + QVariantList{sequence} + det.mid(5, 4);
            if (!insert.exec(store::withCheckCode(row)))
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
                "En estas condiciones no podrá ser enviado a KELOR."_s,
                kTitle);
        }
        return false;
    }
    if (correl)
        *correl = sequence;
    return true;
}

}  // namespace zem
