#include "declaration/Declaration.h"
#include "declaration/FormCaption.h"
#include "declaration/Validation.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

// The identification checks: they talk to the user at once and stop at the first failure.
namespace zem {

using namespace Qt::StringLiterals;

bool Validation::failIdent(const QString& message, IdentField field) {
    failedField_ = field;
    session_.sink.error(message, QString::fromUtf16(kFormCaption));
    return false;
}

bool Validation::identDeclarationExists() {
    if (d_.entryMode() != 1 || d_.isSent())
        return false;
    const QVariant count = session_.db().scalar(
        u"SELECT count(*) FROM cab WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?"_s,
        {d_.ruc().trimmed(), session_.gAnio, session_.gFormulario});
    return count.toInt() > 0;
}

bool Validation::ValIdent2(const QString& mode) {
    Q_UNUSED(mode);
    failedField_ = IdentField::None;
    if (identDeclarationExists())
        return failIdent(
            u"El formulario que desea ingresar ya existe, elija la opción Modificar formularios o "
            "elija otro RUC"_s,
            IdentField::Declarant);
    return true;
}

bool Validation::ValIdent(const QString& mode, IdentScope scope) {
    if (!ValIdent2(mode))
        return false;
    if (d_.ruc().trimmed().isEmpty())
        return failIdent(u"Debe seleccionar un declarante"_s, IdentField::Declarant);
    if (d_.option(OptionGroup::optPor).isEmpty())
        return failIdent(u"Indique si la declaración es personal o sociedad conyugal "_s,
                         IdentField::DeclarationType);
    if (d_.option(OptionGroup::optSom).isEmpty())
        return failIdent(u"Indique si va usar el archivo personalizado "_s, IdentField::PersonalisedFile);
    if (d_.option(OptionGroup::OptRectifica).isEmpty())
        return failIdent(u"Indique si es rectificatoria"_s, IdentField::Replacement);

    const QString phone = d_.text(28).trimmed();
    if (phone.size() >= 1 && phone.size() <= 5)
        return failIdent(u"Ingrese correctamente el teléfono"_s, IdentField::Telephone);
    if (phone.size() == 8 && !phone.startsWith(u'9'))
        return failIdent(
            u"Identificación-Datos Generales : El número de teléfono ingresado debe ser de 7 dígitos, "
            "o un celular de 8 ó 7 dígitos"_s,
            IdentField::Telephone);
    if (phone.startsWith(u'9') && phone.size() < 7)
        return failIdent(u"Identificación-Datos Generales : El celular debe ser de 8 o 7 dígitos"_s,
                         IdentField::Telephone);

    if (d_.option(OptionGroup::optSom) == u"1"_s && scope == IdentScope::Complete) {
        const QVariant imported = session_.db().scalar(
            u"SELECT count(*) FROM tmp_f0480importa "
            "WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?"_s,
            {d_.ruc().trimmed(), session_.gAnio, session_.gFormulario});
        if (imported.toInt() == 0)
            return failIdent(
                u"Si indicó que utilizará la información proporcionada por KELOR debe importar el "
                "archivo personalizado"_s,
                IdentField::PersonalisedFile);
    }
    return true;
}

}  // namespace zem
