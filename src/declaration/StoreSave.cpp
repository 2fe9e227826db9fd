// Saving a declaration (GrabarForm) and registering the order number of a sent one.
#include "data/Format.h"
#include "declaration/Checks.h"
#include "declaration/Declaration.h"
#include "declaration/OrderNumber.h"
#include "declaration/Rules.h"
#include "declaration/Store.h"
#include "declaration/StoreAnnex.h"
#include "declaration/StoreBoxes.h"
#include "declaration/StoreSql.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"
#include "startup/SqlDialect.h"

#include <cmath>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kWholeNumber = u"###########0"_s;

// The declared amount of a box as the comparison with the imported totals reads it (Vale): whole units, and
// the absolute value for the deduction and credit boxes, which hold negative amounts.
double declaredAmount(const Declaration& d, int box) {
    const QString t = d.text(box).trimmed();
    if (t.isEmpty())
        return 0;
    const double v = Val(Format(t, u"##############0"_s));
    return Rules::isAbsoluteBox(box) ? std::fabs(v) : v;
}

}  // namespace

const QList<int>& DeclarationStore::comparedBoxes() {
    static const QList<int> boxes = {100, 133, 106, 107, 108, 111, 522, 529, 127, 129, 130, 131};
    return boxes;
}

bool DeclarationStore::GrabarForm(DeclarationChecks& checks, IdentScope scope) {
    failure_ = Failure::None;
    if (declaration_.isSent())
        return saveOrderNumber();
    if (!checks.ValIdent(u"1"_s, scope)) {
        failure_ = Failure::Identification;
        return false;
    }
    const QString ruc = declaration_.ruc().left(11).trimmed();
    if (ruc.isEmpty()) {
        session_.sink.error(u"Debe seleccionar el contribuyente de la declaración."_s, caption_);
        failure_ = Failure::NoDeclarant;
        return false;
    }
    const DeclarationKey before = key_;
    key_.ruc = ruc;
    key_.sent = false;
    key_.correl.clear();

    // The silent validation reads only the model and this connection's working tables, so it runs before the
    // write: its advisories are shown without holding the database, and the header is written once.
    const bool consistent = checks.ValidaTodo(u"2"_s);
    if (!session_.db().transaction([&] { return writeDeclaration(consistent); })) {
        key_ = before;
        failure_ = Failure::Database;
        return false;
    }
    version_ = version_ == kNoVersion ? 1 : version_ + 1;
    // A clean save is a confirmation; one with inconsistencies warns that it cannot be sent as it is.
    if (consistent) {
        session_.sink.info(u"Toda la información del formulario fue grabada satisfactoriamente."_s, caption_);
    } else {
        session_.sink.warning(
            u"La información del formulario fue grabada con inconsistencias.\n"
            "En estas condiciones no podrá ser enviado a KELOR."_s,
            caption_);
    }
    declaration_.setModified(false);
    // From now on the declaration exists: a second save from the same window edits it instead of being
    // refused as a new declaration that already exists.
    declaration_.setEntryMode(2);
    return true;
}

QVariantList DeclarationStore::headerRow(const QVariant& estado) const {
    const Declaration& d = declaration_;
    const QString amount = Format(d.paymentAmount().trimmed(), kWholeNumber);
    QString bank = u" "_s, cheque = u" "_s, chequeAmount = u" "_s, cash = u" "_s;
    if (d.paymentType() == u"C") {
        bank = d.paymentBank();
        cheque = d.paymentCheque();
        chequeAmount = amount;
        cash.clear();
    } else if (d.paymentType() == u"E") {
        cash = amount;
    }
    // The header says the declaration replaces another only when the answer says so, like boxes 005 and 871.
    const QString rectifica = d.option(OptionGroup::OptRectifica) == u"1" ? u"1"_s : u"0"_s;
    return {6,
            key_.ruc,
            key_.periodo,
            key_.formulario,
            key_.semana,
            formatDate(session_.clock.today()),
            bank,
            cheque,
            chequeAmount,
            cash,
            rectifica,
            estado};
}

bool DeclarationStore::writeHeader(const QVariant& estado, qint64 storedVersion) {
    Db& db = session_.db();
    const QVariantList row = store::withCheckCode(headerRow(estado));
    if (storedVersion == kNoVersion) {
        return db.execute(store::insertSql(u"cab"_s, store::cabColumns() + QStringList{u"version"_s}),
                          row + QVariantList{1});
    }
    const store::Condition where = store::keyCondition(key_, true, false);
    QSqlQuery update(db.handle());
    if (!db.run(update,
                u"UPDATE cab SET fec_pro = ?, bcolibrad = ?, nrocheque = ?, cheque = ?, efectivo = ?, "
                "rectifica = ?, estado = ?, cnumero = ?, version = ?"_s +
                    where.sql + u" AND version = ?"_s,
                row.mid(5) + QVariantList{storedVersion + 1} + where.params + QVariantList{storedVersion}))
        return false;
    if (update.numRowsAffected() == 1)
        return true;
    db.fail({DbError::kRowModified, {}});
    return false;
}

bool DeclarationStore::writeDeclaration(bool consistent) {
    Db& db = session_.db();
    const store::Condition where = store::keyCondition(key_, true, false);

    // The header, edited in place when it exists, and only when it is still the version this declaration was
    // opened from: otherwise another user saved or deleted it since, and writing would lose their work.
    QSqlQuery existing = db.select(u"SELECT version FROM cab"_s + where.sql, where.params);
    if (!existing.isActive())
        return false;
    const qint64 stored = existing.next() ? existing.value(u"version"_s).toLongLong() : kNoVersion;
    existing.finish();
    if (stored != version_) {
        db.fail({version_ == kNoVersion ? DbError::kDuplicate : DbError::kRowModified, {}});
        return false;
    }
    if (!writeHeader(consistent ? 0 : 9, stored))
        return false;

    // Every box row rewritten.
    if (!db.execute(u"DELETE FROM det"_s + where.sql, where.params))
        return false;
    QMap<int, QString> rows = boxRows();
    if (!Grabo_cas_condomino(rows))
        return false;
    store::Prepared insert(db, store::insertSql(u"det"_s, store::detColumns()));
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        const QVariantList row = {6,
                                  key_.ruc,
                                  key_.periodo,
                                  key_.formulario,
                                  key_.semana,
                                  boxCode(it.key()),
                                  it.value(),
                                  idCasilla(it.key()),
                                  0};
        if (!insert.exec(store::withCheckCode(row)))
            return false;
    }

    for (int box : comparedBoxes()) {
        if (!ComparaMontos(box))
            return false;
    }
    for (const AnnexTable& t : annexTables()) {
        if (!store::Graba_Patrimonial(db, t, key_))
            return false;
    }
    return Grabo_Importa();
}

QMap<int, QString> DeclarationStore::boxRows() const {
    const Declaration& d = declaration_;
    QMap<int, QString> rows;
    const auto put = [&rows](int box, const QString& value) {
        const QString stored = storedBoxValue(box, value);
        if (!stored.isEmpty())
            rows.insert(box, stored);
    };
    for (int box : savedBoxList())
        put(box, d.text(box).trimmed());

    // Payment, identification and version.
    if (d.paymentType() == u"C") {
        put(15, d.paymentBank().trimmed().right(2));
        put(12, d.paymentCheque().trimmed());
    }
    put(599, d.paymentType());
    put(2, key_.ruc);
    put(7, key_.periodo);
    put(721, u"1.0"_s);
    put(28, d.text(28).trimmed());

    // Names. 817-825 keep characters 1-15 in themselves and 16-30 in their continuation boxes, both stored
    // exactly as cut so that the blank between two words at the cut survives.
    for (int box : {811, 812, 813, 814, 815, 890})
        put(box, d.text(box).trimmed());
    for (int box = 817; box <= 825; ++box) {
        const QString name = d.text(box).trimmed();
        put(box, name.left(15));
        put(continuationOfName(box), name.mid(15, 15));
    }

    // Document types, profession, birth date, amount paid and the replacement answer.
    for (int box : {204, 205, 206, 224, 225, 226, 227, 301, 235})
        put(box, d.text(box).trimmed().left(2));
    put(25, d.text(25).trimmed().left(2));
    put(234, d.text(234).trimmed());
    put(598, d.paymentAmount().trimmed());
    const QString replaces = d.option(OptionGroup::OptRectifica) == u"1" ? u"1"_s : u"0"_s;
    put(871, replaces);
    put(5, replaces);

    // Option answers; a group with nothing chosen writes nothing.
    put(27, d.option(OptionGroup::optInmueble));
    put(552, d.option(OptionGroup::optPor));
    put(553, d.text(553).trimmed());
    put(554, d.option(OptionGroup::optSom));
    put(556, d.option(OptionGroup::OptElabora));
    put(559, d.option(OptionGroup::optCondomino));
    put(561, d.option(OptionGroup::optInafecta));
    put(560, d.option(OptionGroup::optExonera));
    return rows;
}

bool DeclarationStore::ComparaMontos(int box) {
    Db& db = session_.db();
    const QString code = boxCode(box);
    QSqlQuery q = db.select(u"SELECT mto_importa FROM TMP_F0482DIFCAS WHERE casilla = ?"_s, {code});
    if (!q.isActive())
        return false;
    if (!q.next())
        return true;
    const double imported = Val(q.value(u"mto_importa"_s).toString());
    q.finish();
    const double declared = declaredAmount(declaration_, box);
    return db.execute(u"UPDATE TMP_F0482DIFCAS SET mto_declar = ?, ind_diferen = ? WHERE casilla = ?"_s,
                      {Format(declared, u"###########"_s),
                       roundHalfAway(imported) != roundHalfAway(declared) ? u"1"_s : u"0"_s, code});
}

bool DeclarationStore::Grabo_cas_condomino(QMap<int, QString>& rows) {
    QSqlQuery q = session_.db().select(u"SELECT tip_doc_con, num_ruc FROM TMP_F0480CONDOMI"_s +
                                       inEntryOrder(session_.db().dialect()));
    if (!q.isActive())
        return false;
    for (int box = kFirstCoOwnerBox; box < kLastCoOwnerBox && q.next(); box += 2) {
        // The co-owner's document type in the even box, the number in the odd one.
        const QString pair[] = {q.value(u"tip_doc_con"_s).toString(), q.value(u"num_ruc"_s).toString()};
        for (int i = 0; i < 2; ++i) {
            const QString stored = storedBoxValue(box + i, pair[i].trimmed());
            if (!stored.isEmpty())
                rows.insert(box + i, stored);
        }
    }
    return true;
}

bool DeclarationStore::Grabo_Importa() {
    Db& db = session_.db();
    const store::Condition where = store::keyCondition(key_, false, false);
    if (!db.execute(u"DELETE FROM f0480importa"_s + where.sql, where.params))
        return false;
    const QVariant marked = db.scalar(u"SELECT count(*) FROM tmp_f0480importa"_s);
    if (db.lastError().isError())
        return false;
    if (marked.toLongLong() == 0)
        return true;
    return db.execute(
        u"INSERT INTO f0480importa (tip_doc_d, doc_id_d, periodo, formulario) VALUES (?, ?, ?, ?)"_s,
        store::annexKeyValues(key_));
}

bool DeclarationStore::saveOrderNumber() {
    const QString order = declaration_.orderNumber().trimmed();
    if (order.size() < 8) {
        session_.sink.error(u"     El número de orden no es válido"_s, caption_);
        failure_ = Failure::OrderNumber;
        return false;
    }
    Db& db = session_.db();
    const store::Condition where = store::keyCondition(key_, true, true);
    Failure outcome = Failure::None;
    const bool ok = db.transaction([&] {
        QList<QSqlRecord> rows = store::fetchRecords(db, u"SELECT * FROM hcab"_s + where.sql, where.params);
        if (rows.isEmpty()) {
            if (!db.lastError().isError())
                outcome = Failure::NotFound;
            return false;
        }
        QSqlRecord& row = rows.first();
        if (verifyOrderNumber(row.value(u"control"_s).toString(), order, declaration_.verifyDigits()) !=
            OrderNumberCheck::Valid) {
            outcome = Failure::VerifyDigits;
            return false;
        }
        row.setValue(u"norden"_s, order);
        QStringList columns = store::hcabColumns();
        columns.removeLast();  // the check code, computed over the others
        const QVariantList values = store::withCheckCode(store::valuesOf(row, columns));
        return db.execute(u"UPDATE hcab SET norden = ?, cnumero = ?"_s + where.sql,
                          QVariantList{order, values.last()} + where.params);
    });
    if (!ok) {
        failure_ = outcome == Failure::None ? Failure::Database : outcome;
        if (outcome == Failure::VerifyDigits)
            session_.sink.error(u"     El dígito Verificador es incorrecto"_s, caption_);
        if (outcome == Failure::NotFound)
            session_.sink.error(u"La declaración enviada no se encuentra registrada."_s, caption_);
        return false;
    }
    session_.sink.info(u"El número de orden y el dígito verificador fueron grabados satisfactoriamente."_s,
                       caption_);
    declaration_.setOrderChanged(false);
    declaration_.setModified(false);
    return true;
}

}  // namespace zem
