// Opening a declaration: the working tables refilled and the model loaded.
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "declaration/FormCaption.h"
#include "declaration/Store.h"
#include "declaration/StoreAnnex.h"
#include "declaration/StoreBoxes.h"
#include "declaration/StoreSql.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// What the opening reads inside its transaction, put into the model once it has committed.
struct Loaded {
    QList<QPair<int, QString>> boxes;  // casilla, i_valor
    bool hasHeader = false;
    QString bcolibrad, nrocheque, cheque, efectivo, norden;
    qint64 version = -1;
    bool foreignInvestments = false;
    bool trusts = false;
};

QString textOf(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

bool hasRows(Db& db, const QString& table) {
    return db.scalar(u"SELECT count(*) FROM "_s + table).toLongLong() > 0;
}

bool readDeclaration(Db& db, const DeclarationKey& key, Loaded* out) {
    if (!store::emptyWorkingTables(db))
        return false;
    store::DescriptionCache cache(db);
    for (const AnnexTable& t : annexTables()) {
        if (!store::refillWorkingTable(db, t, key, cache))
            return false;
    }
    const store::Condition annexKey = store::keyCondition(key, false, false);
    if (!key.sent) {
        // CargaTemporal: the declaration's import marker.
        if (!db.execute(u"INSERT INTO tmp_f0480importa (tip_doc_d, doc_id_d, periodo, formulario) "
                        "SELECT tip_doc_d, doc_id_d, periodo, formulario FROM f0480importa"_s +
                            annexKey.sql,
                        annexKey.params))
            return false;
    }

    const store::Condition where = store::keyCondition(key, true, key.sent);
    QSqlQuery boxes = db.select(
        u"SELECT casilla, i_valor FROM "_s + (key.sent ? u"hdet"_s : u"det"_s) + where.sql, where.params);
    if (!boxes.isActive())
        return false;
    while (boxes.next())
        out->boxes.append({boxes.value(u"casilla"_s).toString().toInt(), textOf(boxes.value(u"i_valor"_s))});

    QSqlQuery header = db.select(u"SELECT bcolibrad, nrocheque, cheque, efectivo, "_s +
                                     (key.sent ? u"norden FROM hcab"_s : u"version FROM cab"_s) + where.sql,
                                 where.params);
    if (!header.isActive())
        return false;
    if (header.next()) {
        out->hasHeader = true;
        out->bcolibrad = textOf(header.value(u"bcolibrad"_s));
        out->nrocheque = textOf(header.value(u"nrocheque"_s));
        out->cheque = textOf(header.value(u"cheque"_s));
        out->efectivo = textOf(header.value(u"efectivo"_s));
        if (key.sent)
            out->norden = textOf(header.value(u"norden"_s));
        else
            out->version = header.value(u"version"_s).toLongLong();
    }
    out->foreignInvestments = hasRows(db, u"TMP_F0476EXTRA"_s);
    out->trusts = hasRows(db, u"TMP_F0480FIDEI"_s) || hasRows(db, u"TMP_F0476FIDEI"_s);
    return !db.lastError().isError();
}

// A document type as the lists know it: two digits ("6" is stored for "06").
QString documentType(const QString& stored) {
    const QString t = stored.trimmed();
    bool numeric = false;
    t.toInt(&numeric);
    return numeric && t.size() < 2 ? t.rightJustified(2, u'0') : t;
}

void loadBox(Declaration& d, int box, const QString& value) {
    if (box >= kFirstCoOwnerBox && box <= kLastCoOwnerBox)
        return;  // rewritten from TMP_F0480CONDOMI
    if (isDocumentTypeBox(box)) {
        d.setText(box, documentType(value));
        return;
    }
    // The model keeps the answer 005, the birth date and the names (817-825 joined with their continuations);
    // the other excluded boxes are derived when saving or read by CargarCab.
    const bool kept = box == 5 || box == 234 || (box >= 811 && box <= 825) || (box >= 890 && box <= 892);
    if (excludedFromBoxLoad(box) && !kept)
        return;
    d.setStoredValue(box, value);
}

void loadHeader(Declaration& d, const Loaded& l, bool sent) {
    // CargarCab: the amount paid, and the cheque when the header has one.
    QString amount, type599;
    for (const auto& [box, value] : l.boxes) {
        if (box == 598)
            amount = value;
        if (box == 599)
            type599 = value.trimmed();
    }
    d.setPaymentAmount(amount);
    if (l.hasHeader && !l.cheque.trimmed().isEmpty()) {
        d.setPaymentType(u"C"_s);
        d.setPaymentBank(l.bcolibrad.trimmed());
        d.setPaymentCheque(l.nrocheque.trimmed());
    } else if (l.hasHeader && !l.efectivo.trimmed().isEmpty()) {
        d.setPaymentType(u"E"_s);
    } else if (!type599.isEmpty()) {
        d.setPaymentType(type599);
    }
    if (sent)
        d.setOrderNumber(l.norden.trimmed());
}

bool anyPatrimonialLine(const Declaration& d) {
    for (int box = 840; box <= 853; ++box) {
        if (!d.text(box).trimmed().isEmpty())
            return true;
    }
    return false;
}

}  // namespace

DeclarationStore::DeclarationStore(Session& session, Declaration& declaration)
    : session_(session), declaration_(declaration), caption_(QString::fromUtf16(kFormCaption)) {
    key_.periodo = session.gAnio;
    key_.formulario = session.gFormulario;
}

bool DeclarationStore::startNew() {
    failure_ = Failure::None;
    Db& db = session_.db();
    if (!createWorkingTables(db) ||
        !db.transaction([&db] { return store::emptyWorkingTables(db); }, Db::Access::Read)) {
        failure_ = Failure::Database;
        return false;
    }
    key_ = DeclarationKey{};
    version_ = kNoVersion;
    key_.periodo = session_.gAnio;
    key_.formulario = session_.gFormulario;
    declaration_.setLoading(true);
    declaration_.clear();
    declaration_.setEntryMode(1);
    declaration_.setLoading(false);
    declaration_.setModified(false);
    return true;
}

bool DeclarationStore::open(const DeclarationKey& key) {
    failure_ = Failure::None;
    DeclarationKey k = key;
    k.ruc = k.ruc.trimmed();
    if (k.ruc.isEmpty() || (k.sent && k.correl.trimmed().isEmpty())) {
        session_.sink.error(u"No ha seleccionado ninguna declaración."_s, caption_);
        failure_ = Failure::NotFound;
        return false;
    }
    Db& db = session_.db();
    Loaded loaded;
    // Only the working tables are written, and they are this connection's own: a read transaction, which
    // never waits for another process that is saving.
    if (!createWorkingTables(db) ||
        !db.transaction([&] { return readDeclaration(db, k, &loaded); }, Db::Access::Read)) {
        failure_ = Failure::Database;
        return false;
    }
    key_ = k;
    version_ = loaded.hasHeader && !k.sent ? loaded.version : kNoVersion;

    Declaration& d = declaration_;
    d.setLoading(true);
    d.clear();
    d.setRuc(k.ruc);
    d.setEntryMode(2);
    d.setSent(k.sent);
    d.setCorrel(k.sent ? k.correl : QString());
    for (const auto& [box, value] : loaded.boxes)
        loadBox(d, box, value);
    CargaNombre();
    loadHeader(d, loaded, k.sent);
    d.setOption(OptionGroup::OptGeneral, anyPatrimonialLine(d) ? u"1"_s : u"0"_s);
    d.setOption(OptionGroup::OptExtranjero, loaded.foreignInvestments ? u"1"_s : u"0"_s);
    d.setOption(OptionGroup::OptFideicomiso, loaded.trusts ? u"1"_s : u"0"_s);
    d.setOrderChanged(false);
    d.setLoading(false);
    d.setModified(false);
    return true;
}

void DeclarationStore::CargaNombre() {
    QSqlQuery q = session_.db().select(
        u"SELECT apellido_p, apellido_m, nombre_1, nombre_2 FROM cont WHERE doc_id_d = ? AND tip_doc_d = 6"_s,
        {declaration_.ruc().trimmed()});
    if (!q.isActive() || !q.next())
        return;
    declaration_.setText(801, textOf(q.value(u"apellido_p"_s)).trimmed());
    declaration_.setText(802, textOf(q.value(u"apellido_m"_s)).trimmed());
    declaration_.setText(
        803, (textOf(q.value(u"nombre_1"_s)).trimmed() + u' ' + textOf(q.value(u"nombre_2"_s)).trimmed())
                 .trimmed());
}

}  // namespace zem
