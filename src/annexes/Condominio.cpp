#include "annexes/Condominio.h"

#include "data/Documents.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

Condominio::Condominio(Session& session, QString declarantRuc)
    : session_(session), declarantRuc_(std::move(declarantRuc).trimmed()) {}

QStringList Condominio::types() const {
    QStringList codes;
    for (const documents::DocumentTypeEntry& e :
         documents::documentTypeList(session_.db(), documents::usage::kCoOwner))
        codes << e.code;
    return codes;
}

void Condominio::setTipDoc(const QString& type) {
    if (type.trimmed() != tipDoc_)
        modified_ = true;
    tipDoc_ = type.trimmed();
}

void Condominio::setNumRuc(const QString& number) {
    if (number.trimmed() != numRuc_)
        modified_ = true;
    numRuc_ = number.trimmed();
}

int Condominio::count() const {
    return session_.db().scalar(u"SELECT COUNT(*) FROM TMP_F0480CONDOMI"_s).toInt();
}

bool Condominio::refuse(const QString& field, const QString& message) {
    failed_ = field;
    session_.sink.error(message, u"Error"_s);
    return false;
}

bool Condominio::Valida_Datos() {
    failed_.clear();
    // The type is stored as chosen ("06"); a row loaded as "6" is the same type.
    const int type = tipDoc_.toInt();
    QSqlQuery rows =
        session_.db().select(u"SELECT tip_doc_con FROM TMP_F0480CONDOMI WHERE num_ruc = ?"_s, {numRuc_});
    bool same = false;
    while (rows.next())
        same = same || rows.value(u"tip_doc_con"_s).toString().trimmed().toInt() == type;
    if (same)
        return refuse(u"num_ruc"_s, u"Ya se ingresó este condómino"_s);
    const std::optional<documents::DocumentType> t = tipDoc_.isEmpty() || !types().contains(tipDoc_)
                                                         ? std::nullopt
                                                         : documents::documentType(session_.db(), tipDoc_);
    if (!t)
        return refuse(u"tip_doc_con"_s, u"Debe ingresar el tipo de documento del condómino"_s);
    if (type == 6) {
        if (numRuc_ == declarantRuc_)
            return refuse(u"num_ruc"_s, u"El RUC es igual al del declarante"_s);
        if (numRuc_.size() != 11)
            return refuse(u"num_ruc"_s, u"La longitud del RUC no es válida"_s);
        if (!util::ValidaRuc(numRuc_))
            return refuse(u"num_ruc"_s, u"El número de RUC no es válido"_s);
    } else if (numRuc_.isEmpty() || !documents::lengthValid(*t, numRuc_) ||
               !util::ValidaNumeroDocumento(numRuc_, t->dataKind)) {
        return refuse(u"num_ruc"_s, u"La longitud del documento  no es válida"_s);
    }
    return true;
}

bool Condominio::GrabarDet() {
    Db& db = session_.db();
    // The executor reports a failure itself.
    if (!db.execute(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES (?, ?)"_s,
                    {tipDoc_, numRuc_}))
        return false;
    session_.sink.info(u"La información fue grabada satisfactoriamente. "_s, kCaption);
    return true;
}

Condominio::Result Condominio::accept() {
    if (!Valida_Datos() || !GrabarDet())
        return Result::Refused;
    modified_ = false;
    if (count() >= kMax) {
        session_.sink.error(u"Solo puede ingresar hasta 50 condóminos"_s, kCaption);
        return Result::Full;
    }
    LimpiaTextos();
    return Result::Saved;
}

MsgAnswer Condominio::askToSave() {
    return session_.sink.ask(u"¿La información ha sido modificada, desea guardar los cambios?"_s, kCaption,
                             MsgButtons::YesNoCancel, MsgAnswer::Yes);
}

void Condominio::LimpiaTextos() {
    tipDoc_.clear();
    numRuc_.clear();
    modified_ = false;
}

}  // namespace zem
