#include "annexes/RetCab.h"

#include "annexes/Ret.h"
#include "annexes/RetDet.h"
#include "annexes/RetLine.h"
#include "data/Amounts.h"
#include "data/Documents.h"
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kType = QStringLiteral("tip_doc_ret");
const QString kNumber = QStringLiteral("num_doc_ret");
const QString kNames[] = {QStringLiteral("des_ape_pat"), QStringLiteral("des_ape_mat"),
                          QStringLiteral("des_nombres")};
const QString kBusinessName = QStringLiteral("des_razon");

// A type code without its leading zeros ("06" and "6" are the same type).
QString bareCode(QString code) {
    code = code.trimmed();
    while (code.size() > 1 && code[0] == u'0')
        code.remove(0, 1);
    return code;
}

QList<EntryField> headerFields(int box) {
    const bool agent106 = box == 106;
    return {
        {kType, u"Tipo de Documento"_s, EntryKind::Code, true},
        {kNumber, agent106 ? u"RUC Ag. Retencion"_s : u"Número de Documento"_s, EntryKind::Document, true},
        {kBusinessName, agent106 ? u"Nombre Ag. Retencion"_s : u"Razón Social"_s, EntryKind::Text, false},
        {kNames[0], u"Apellido Paterno"_s, EntryKind::Text, false},
        {kNames[1], u"Apellido Materno"_s, EntryKind::Text, false},
        {kNames[2], u"Nombres"_s, EntryKind::Text, false}};
}

}  // namespace

RetCabEntry::RetCabEntry(RetRegister& owner)
    : AnnexEntry(owner, headerFields(owner.boxNumber())),
      ret_(owner),
      lines_(std::make_unique<RetLinesRegister>(owner.session(), owner.editor(), owner.boxNumber())) {
    lines_->setScope({kType, lines_->payerColumn()}, {QString(), QString()});
    // Once the first line is stored the header is stored too: its key can no longer change.
    connect(lines_.get(), &AnnexRegister::summaryChanged, this, [this] {
        if (isNew() && lines_->count() > 0)
            setMode(kModifica);
    });
    if (rucOnlyPayer(owner.boxNumber())) {
        put(kType, u"06"_s);
        followType({});
        setEnabled(kType, false);
    }
}

RetCabEntry::~RetCabEntry() = default;

AnnexRegister* RetCabEntry::lineRegister() const {
    return lines_.get();
}

QString RetCabEntry::caption() const {
    return ret_.texts().headerCaption;
}

int RetCabEntry::flagPosition() const {
    return rucOnlyPayer(ret_.boxNumber()) ? documents::usage::kWithholdingAgent : documents::usage::kPayer;
}

QStringList RetCabEntry::choices(const QString& column) const {
    QStringList codes;
    if (column == kType) {
        for (const documents::DocumentTypeEntry& e : documents::documentTypeList(ret_.db(), flagPosition()))
            codes << e.code.trimmed();
    }
    return codes;
}

QString RetCabEntry::typeCode() const {
    const QString typed = value(kType).trimmed();
    if (typed.isEmpty())
        return {};
    const auto type = documents::documentType(ret_.db(), typed);
    return type ? type->code : typed;
}

QString RetCabEntry::GeneraNumeroDeDocumento() const {
    const QVariant last =
        ret_.db().scalar(u"SELECT num_correl FROM TMP_F0482CORREL WHERE casilla = ?"_s, {ret_.box()});
    return u"C"_s + Format(Val(last.toString()) + 1, u"0000000"_s);
}

void RetCabEntry::followType(const QString& before) {
    const QString code = typeCode();
    if (code == u"0") {
        ret_.sink().error(u"No se permite registrar este tipo de documento de modo interactivo"_s, caption());
        put(kType, before);
        return;
    }
    // A payer without document gets a number of its own; it is taken only when the header is stored.
    if (code == u"99") {
        if (isNew())
            put(kNumber, GeneraNumeroDeDocumento());
        setEnabled(kNumber, false);
    } else {
        if (!isEnabled(kNumber) && isNew())
            put(kNumber, QString());
        setEnabled(kNumber, true);
    }
    // A RUC carries a business name, any other document the names of a person.
    setEnabled(kBusinessName, code.isEmpty() || code == u"6");
    for (const QString& name : kNames)
        setEnabled(name, code != u"6");
    if (code == u"6") {
        for (const QString& name : kNames)
            put(name, QString());
    } else if (!code.isEmpty()) {
        put(kBusinessName, QString());
    }
}

void RetCabEntry::changed(const QString& column, const QString& before) {
    if (column == kType) {
        // The type as the list shows it ("06" for a stored "6").
        for (const QString& choice : choices(kType)) {
            if (choice != value(kType) && bareCode(choice) == bareCode(value(kType)))
                put(kType, choice);
        }
        followType(before);
    }
    if (column == kType || column == kNumber)
        lines_->setScope({kType, lines_->payerColumn()}, {typeCode(), value(kNumber).trimmed()});
}

bool RetCabEntry::fits(const QString& column, const QString& text) const {
    if (column != kNumber || text.isEmpty())
        return true;
    const QString code = typeCode();
    const auto type =
        code.isEmpty() || code == u"99" ? std::nullopt : documents::documentType(ret_.db(), code);
    if (!type)
        return true;
    if (type->lengthKind != u'0' && text.size() > type->length)
        return false;
    if (type->dataKind == u'0')
        return true;
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

bool RetCabEntry::ValidaCab() {
    const QString code = typeCode();
    const QString number = value(kNumber).trimmed();
    if (code.isEmpty() || !choices(kType).contains(value(kType)))
        return refuse(kType, u"Debe seleccionar el tipo de documento"_s);
    if (code == u"0")
        return refuse(kType, u"No se permite registrar este tipo de documento de modo interactivo"_s);
    if (code == u"6") {
        if (number.size() != 11)
            return refuse(kNumber, u"La longitud del RUC no es válida"_s);
        if (!util::ValidaRuc(number))
            return refuse(kNumber, u"El número de RUC no es válido"_s);
        if (number == ret_.declaration().ruc().trimmed())
            return refuse(kNumber, u"El RUC es igual al del declarante"_s);
        if (Vacio(kBusinessName))
            return refuse(kBusinessName, u"Debe ingresar la razón social"_s);
        return true;
    }
    const auto type = documents::documentType(ret_.db(), code);
    if (!type || !documents::lengthValid(*type, number))
        return refuse(kNumber, u"La longitud del documento  no es válida"_s);
    if (code != u"99" && !util::ValidaNumeroDocumento(number, type->dataKind))
        return refuse(kNumber, u"El número de documento no es válido"_s);
    if (Vacio(kNames[0]) && Vacio(kNames[1]))
        return refuse(kNames[0], u"Debe ingresar el apellido paterno o el apellido materno"_s);
    if (Vacio(kNames[2]))
        return refuse(kNames[2], u"Debe ingresar los nombres"_s);
    return true;
}

bool RetCabEntry::Repetido() {
    if (!isNew())
        return true;
    const int n = ret_.countWithKey(keyValues());
    if (n != 0)
        return refuse(kNumber, n > 0 ? u"Ya se ingresó este tipo y número de documento"_s : QString());
    return true;
}

QString RetCabEntry::sumColumn() const {
    return ret_.boxNumber() == 107 ? u"mto_imp_cp"_s : u"mto_retenido"_s;
}

bool RetCabEntry::Valida_Datos() {
    if (!ValidaCab() || !Repetido())
        return false;
    if (lines_->count() == 0)
        return refuse(QString(), u"Debe ingresar al menos un registro"_s);
    // SumaMontoDet
    if (Format(lines_->sumOfList(sumColumn()), u"##########0.#0"_s).size() > 15) {
        return refuse(QString(), ret_.boxNumber() == 107
                                     ? u"La suma total de los comprobantes es demasiado grande"_s
                                     : u"La suma total es demasiado grande"_s);
    }
    return true;
}

QString RetCabEntry::storedValue(const QString& column) const {
    if (column == kType)
        return typeCode();
    if (column == u"mto_total")
        return Format(lines_->sumOfList(sumColumn()), u"###########0.#0"_s);
    if (column == u"fec_donacion")
        return u"01/01/1899"_s;  // a payer is no donation
    return AnnexEntry::storedValue(column);
}

QStringList RetCabEntry::writtenColumns() const {
    return {kBusinessName, kNames[0], kNames[1], kNames[2], u"mto_total"_s, u"fec_donacion"_s};
}

bool RetCabEntry::stored() const {
    return ret_.countWithKey(keyValues()) > 0;
}

bool RetCabEntry::storeWithLine() {
    Db& db = ret_.db();
    const QVariantList key = keyValues();
    if (stored()) {
        return db.execute(
            u"UPDATE TMP_F0482RETCAB SET mto_total = ? WHERE casilla = ? AND tip_doc_ret = ? AND num_doc_ret = ?"_s,
            QVariantList{storedValue(u"mto_total"_s)} + key);
    }
    QStringList columns = {u"casilla"_s, kType, kNumber};
    QVariantList values = key;
    for (const QString& c : writtenColumns()) {
        columns << c;
        values << storedValue(c);
    }
    columns << u"ind_importa"_s;
    values << u"0"_s;
    if (!db.execute(u"INSERT INTO TMP_F0482RETCAB ("_s + columns.join(u", "_s) + u") VALUES ("_s +
                        QStringList(columns.size(), u"?"_s).join(u", "_s) + u')',
                    values))
        return false;
    if (typeCode() != u"99")
        return true;
    // The generated number is taken now: the box's counter moves on with the stored header.
    const QString counter = QString::number(static_cast<qint64>(Val(value(kNumber).trimmed().mid(1))));
    QSqlQuery q(db.handle());
    if (!db.run(q, u"UPDATE TMP_F0482CORREL SET num_correl = ? WHERE casilla = ?"_s, {counter, ret_.box()}))
        return false;
    return q.numRowsAffected() > 0 ||
           db.execute(u"INSERT INTO TMP_F0482CORREL (casilla, num_correl) VALUES (?, ?)"_s,
                      {ret_.box(), counter});
}

std::unique_ptr<AnnexEntry> RetCabEntry::newLine() {
    if (!ValidaCab() || !Repetido())
        return nullptr;
    if (ret_.boxNumber() == 107)
        return std::make_unique<RetDetEntry>(*this);
    return std::make_unique<MonthEntry>(*this);
}

std::unique_ptr<AnnexEntry> RetCabEntry::lineFor(int row) {
    if (!ValidaCab() || !Repetido() || !lines_->canModify())
        return nullptr;
    std::unique_ptr<AnnexEntry> line = newLine();
    line->Captura_Datos(row < 0 || row >= lines_->count() ? 0 : row);
    return line;
}

bool RetCabEntry::deleteLine(int row) {
    if (!lines_->Eliminar_ITF(row))
        return false;
    // The payer's total follows its lines.
    if (stored()) {
        ret_.db().execute(
            u"UPDATE TMP_F0482RETCAB SET mto_total = ? WHERE casilla = ? AND tip_doc_ret = ? AND num_doc_ret = ?"_s,
            QVariantList{storedValue(u"mto_total"_s)} + keyValues());
    }
    return true;
}

bool RetCabEntry::leave() {
    Session& s = ret_.session();
    // A sent declaration is only looked at: nothing to keep or throw away.
    if (ret_.declaration().isSent())
        return true;
    if (lines_->count() == 0 && stored()) {
        if (s.sink.ask(
                u"No ha ingresado detalle de la casilla, Si sale se borrará este registro. ¿Esta seguro?"_s,
                caption(), MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
            return false;
        const int row = ret_.findRow(keyValues());
        return row < 0 || ret_.remove(row);
    }
    if (ret_.isModified()) {
        const MsgAnswer a = s.sink.ask(
            u"Los datos han sido modificados, Si desea conservar los cambios debe presionar SI ¿Desea "
            u"guardar "
            "los cambios?"_s,
            caption(), MsgButtons::YesNo, MsgAnswer::Yes);
        if (a == MsgAnswer::Yes)
            return accept();
    }
    return true;
}

}  // namespace zem
