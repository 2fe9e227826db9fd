#include "Wholeness.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

#include "CoreSession.h"
#include "Generation.h"
#include "declaration/StoredDeclaration.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

namespace {

// The rows of a query, each as its columns' texts, or nullopt-like failure through *failed.
QList<QSqlRecord> rows(CoreSession& core, const QString& sql, const QVariantList& params, bool* failed) {
    QList<QSqlRecord> out;
    QSqlQuery q = core.session.db().select(sql, params);
    if (!q.isActive()) {
        *failed = true;
        return out;
    }
    while (q.next())
        out << q.record();
    return out;
}

QString field(const QList<QPair<QString, QString>>& pairs, const QString& name) {
    for (const auto& [key, value] : pairs) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value.trimmed();
    }
    return {};
}

// One declaration (in preparation, or one sending): header, boxes and payments of one generation.
void checkOne(CoreSession& core, const DeclarationKey& key, QStringList* faults) {
    const QString where = key.sent ? u"RUC "_s + key.ruc + u" envío "_s + key.correl : u"RUC "_s + key.ruc;
    const auto fault = [&](const QString& text) { faults->append(where + u": "_s + text); };
    const StoredDeclaration d = readStoredDeclaration(core.session.db(), key);
    bool failed = d.readFailed;
    const QString table = key.sent ? u"hf0480pagos"_s : u"f0480pagos"_s;
    QString sql = u"SELECT mto_trib, ind_importa FROM "_s + table + u" WHERE doc_id_d = ?"_s;
    QVariantList params = {key.ruc};
    if (key.sent) {
        sql += u" AND correl = ?"_s;
        params << key.correl;
    }
    const QList<QSqlRecord> payments = rows(core, sql, params, &failed);
    qint64 markers = 0;
    if (!key.sent) {
        const QList<QSqlRecord> m =
            rows(core, u"SELECT count(*) AS n FROM f0480importa WHERE doc_id_d = ?"_s, {key.ruc}, &failed);
        markers = m.isEmpty() ? 0 : m.first().value(u"n"_s).toLongLong();
    }
    if (failed) {
        fault(u"no se pudo leer: "_s + core.takeMessages());
        return;
    }
    if (!d.exists) {
        if (!d.boxes.isEmpty() || !payments.isEmpty() || markers != 0)
            fault(u"sin cabecera quedan "_s + QString::number(d.boxes.size()) + u" casillas, "_s +
                  QString::number(payments.size()) + u" pagos y "_s + QString::number(markers) +
                  u" marcas de importación"_s);
        return;
    }
    const int g = generationOfDate(field(d.header, u"fec_pro"_s));
    if (g <= 0) {
        fault(u"fecha de proceso sin generación: "_s + field(d.header, u"fec_pro"_s));
        return;
    }
    for (const TypedBox& t : typedBoxes()) {
        const QString value = field(d.boxes, QString::number(t.box));
        if (value != QString::number(t.base + g))
            fault(u"generación "_s + QString::number(g) + u", casilla "_s + QString::number(t.box) +
                  u" = "_s + value);
    }
    int typed = 0, imported = 0;
    double sum = 0, importedAmount = -1;
    for (const QSqlRecord& p : payments) {
        const double amount = p.value(u"mto_trib"_s).toString().toDouble();
        sum += amount;
        if (p.value(u"ind_importa"_s).toString().trimmed() == u"1") {
            ++imported;
            if (importedAmount >= 0 && amount != importedAmount)
                fault(u"pagos importados de generaciones distintas"_s);
            importedAmount = amount;
        } else {
            ++typed;
            if (amount != kTypedPaymentBase + g)
                fault(u"generación "_s + QString::number(g) + u", pago digitado de "_s +
                      p.value(u"mto_trib"_s).toString());
        }
    }
    if (typed != kTypedPayments)
        fault(QString::number(typed) + u" pagos digitados"_s);
    if (imported != 0 && imported != kImportedPayments)
        fault(QString::number(imported) + u" pagos importados"_s);
    if (imported != 0) {
        const int gi = static_cast<int>(importedAmount) - kImportedPaymentBase;
        if (gi < 1 || gi > g)
            fault(u"generación "_s + QString::number(g) + u" con pagos importados de la "_s +
                  QString::number(gi));
    }
    if (!key.sent && (markers != 0) != (imported != 0))
        fault(QString::number(markers) + u" marcas de importación con "_s + QString::number(imported) +
              u" pagos importados"_s);
    const QString box133 = field(d.boxes, u"133"_s);
    if (box133 != QString::number(-static_cast<qint64>(std::llround(sum))))
        fault(u"casilla 133 = "_s + box133 + u" con pagos por "_s + QString::number(sum, 'f', 2));
}

}  // namespace

QStringList wholenessFaults(CoreSession& core, const QString& ruc) {
    QStringList faults;
    DeclarationKey key;
    key.ruc = ruc;
    checkOne(core, key, &faults);
    bool failed = false;
    const QList<QSqlRecord> sendings =
        rows(core, u"SELECT DISTINCT correl FROM hcab WHERE doc_id_d = ? ORDER BY correl"_s, {ruc}, &failed);
    QStringList correls;
    for (const QSqlRecord& s : sendings) {
        key.sent = true;
        key.correl = s.value(u"correl"_s).toString().trimmed();
        correls << key.correl;
        checkOne(core, key, &faults);
    }
    // Rows of a sending whose header is missing.
    for (const QString& table : {u"hdet"_s, u"hf0480pagos"_s}) {
        for (const QSqlRecord& r :
             rows(core, u"SELECT DISTINCT correl FROM "_s + table + u" WHERE doc_id_d = ?"_s, {ruc},
                  &failed)) {
            if (!correls.contains(r.value(u"correl"_s).toString().trimmed()))
                faults << u"RUC "_s + ruc + u": filas de "_s + table + u" sin cabecera del envío "_s +
                              r.value(u"correl"_s).toString();
        }
    }
    if (failed)
        faults << u"RUC "_s + ruc + u": no se pudieron leer los envíos: "_s + core.takeMessages();
    return faults;
}

QStringList integrityFaults(CoreSession& core) {
    if (!core.isSqlite())
        return {};
    bool failed = false;
    QStringList faults;
    for (const QSqlRecord& r : rows(core, u"PRAGMA integrity_check"_s, {}, &failed)) {
        if (r.value(0).toString() != u"ok")
            faults << u"integrity_check: "_s + r.value(0).toString();
    }
    if (failed)
        faults << u"integrity_check no se pudo ejecutar: "_s + core.takeMessages();
    return faults;
}

QString snapshot(CoreSession& core, const QString& ruc) {
    QString text;
    bool failed = false;
    const QStringList tables = {u"cab"_s,  u"det"_s,  u"f0480pagos"_s,  u"f0480importa"_s,
                                u"hcab"_s, u"hdet"_s, u"hf0480pagos"_s, u"f0482difcas"_s};
    for (const QString& table : tables) {
        QStringList lines;
        for (const QSqlRecord& r :
             rows(core, u"SELECT * FROM "_s + table + u" WHERE doc_id_d = ?"_s, {ruc}, &failed)) {
            QStringList values;
            for (int i = 0; i < r.count(); ++i)
                values << r.fieldName(i).toLower() + u'=' + r.value(i).toString();
            values.sort();
            lines << values.join(u'|');
        }
        lines.sort();
        text += table + u'\n' + lines.join(u'\n') + u'\n';
    }
    return failed ? u"lectura fallida: "_s + core.takeMessages() : text;
}

}  // namespace zem::harness
