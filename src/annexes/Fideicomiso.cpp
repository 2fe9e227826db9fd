#include <QHash>

#include "annexes/Fideicomiso.h"

#include "data/Amounts.h"
#include "data/Documents.h"
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/Database.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kTrusteeType = QStringLiteral("tip_doc_fiduciario");
const QString kTrustee = QStringLiteral("num_doc_fiduciario");
const QString kSettlorType = QStringLiteral("tip_doc_fideicomitente");
const QString kSettlor = QStringLiteral("num_doc_fideicomitente");
const QString kPatrimony = QStringLiteral("tip_patrimonio");
const QString kPatrimonyText = QStringLiteral("des_tip_patrimonio");
const QString kTrust = QStringLiteral("tip_fideicomiso");
const QString kTrustText = QStringLiteral("des_tip_fideicomiso");
const QString kBalance = QStringLiteral("mto_saldo");

RegisterDef fideicomisoDef(const QString& year) {
    RegisterDef def;
    def.name = u"Grid_Fideicomiso"_s;
    def.table = u"TMP_F0480FIDEI"_s;
    def.boxColumn.clear();
    def.key = {kTrusteeType, kTrustee, kSettlorType, kSettlor, kPatrimony, kTrust};
    def.columns = {{kTrusteeType, u"Fiduciario"_s, {}},
                   {kTrustee, u"Número"_s, {}},
                   {kSettlorType, u"Fideicomitente"_s, {}},
                   {kSettlor, u"Número"_s, {}},
                   {kPatrimonyText, u"Tipo de Patrimonio"_s, {}},
                   {kTrustText, u"Tipo de Fideicomiso"_s, {}},
                   {kBalance, u"Saldo al 31/12/"_s + year, u"###,###,###,##0.#0"_s}};
    def.sumColumn = kBalance;
    def.totalMask = u"###,###,###,##0.#0"_s;
    def.caption = u"Inversiones en Fideicomisos"_s;
    def.frame = def.caption;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    def.duplicateMessage = u"Datos ya fueron ingresados. "_s;
    return def;
}

// The document types of a list of catalogue 044 ("06"), by their usage flag, with their descriptions.
ParamChoices documentChoices(Db& db, int usage) {
    ParamChoices choices;
    for (const documents::DocumentTypeEntry& e : documents::documentTypeList(db, usage))
        choices.add(e.code, documents::documentDescription(db, e.code));
    return choices;
}

// The type as the catalogue keys it ("6" for "06"), "" when unknown.
QString typeKey(Db& db, const QString& type) {
    const auto t = type.trimmed().isEmpty() ? std::nullopt : documents::documentType(db, type.trimmed());
    return t ? t->code : QString();
}

}  // namespace

FideicomisoRegister::FideicomisoRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 0, fideicomisoDef(session.gAnio), parent),
      trustees_(documentChoices(session.db(), documents::usage::kTrustee)),
      settlors_(documentChoices(session.db(), documents::usage::kSettlor)),
      patrimonies_(session.db(), u"678"_s, 60, 70),
      trusts_(session.db(), u"679"_s, 60) {}

std::unique_ptr<AnnexEntry> FideicomisoRegister::newEntry() {
    return std::make_unique<FideicomisoEntry>(*this);
}

const ParamChoices* FideicomisoRegister::choicesOf(const QString& column) const {
    if (column == kTrusteeType)
        return &trustees_;
    if (column == kSettlorType)
        return &settlors_;
    if (column == kPatrimony)
        return &patrimonies_;
    if (column == kTrust)
        return &trusts_;
    return nullptr;
}

FideicomisoEntry::FideicomisoEntry(FideicomisoRegister& owner)
    : AnnexEntry(owner, {{kTrusteeType, u"Tipo de documento"_s, EntryKind::Code, true},
                         {kTrustee, u"Número de documento"_s, EntryKind::Document, true},
                         {kSettlorType, u"Tipo de documento"_s, EntryKind::Code, true},
                         {kSettlor, u"Número de documento"_s, EntryKind::Document, true},
                         {kPatrimony, u"Tipo"_s, EntryKind::Code, true},
                         {kPatrimonyText, u"Descripción"_s, EntryKind::Text, false},
                         {kTrust, u"Tipo"_s, EntryKind::Code, true},
                         {kTrustText, u"Descripción"_s, EntryKind::Text, false},
                         {kBalance, u"Saldo"_s, EntryKind::Amount, false}}),
      fide_(owner) {
    // The descriptions open only for the type "other".
    setEnabled(kPatrimonyText, false);
    setEnabled(kTrustText, false);
}

QStringList FideicomisoEntry::choices(const QString& column) const {
    const ParamChoices* c = fide_.choicesOf(column);
    return c ? c->codes() : QStringList();
}

QString FideicomisoEntry::choiceText(const QString& column, const QString& code) const {
    const ParamChoices* c = fide_.choicesOf(column);
    return c ? c->description(code) : QString();
}

bool FideicomisoEntry::chosen(const QString& column) const {
    const ParamChoices* c = fide_.choicesOf(column);
    return c && c->contains(value(column));
}

void FideicomisoEntry::changed(const QString& column, const QString&) {
    const QString text = column == kPatrimony ? kPatrimonyText : column == kTrust ? kTrustText : QString();
    if (text.isEmpty())
        return;
    // Choosing a type clears its description; only "other" opens it for typing.
    put(text, QString());
    setEnabled(text, value(column).trimmed() == FideicomisoRegister::kOther);
}

bool FideicomisoEntry::documentValid(const QString& type, const QString& number) const {
    return documents::validateDocument(owner().db(), type.trimmed(), number.trimmed());
}

bool FideicomisoEntry::Valida_Datos() {
    if (!chosen(kTrusteeType))
        return refuse(kTrusteeType, u"Debe selecionar el tipo documento del Fiduciario"_s);
    const QString trustee = value(kTrustee).trimmed();
    Db& db = owner().db();
    const QString trusteeType = typeKey(db, value(kTrusteeType));
    if (trusteeType == u"6" && trustee == owner().declaration().ruc().trimmed())
        return refuse(kTrustee,
                      u"El número de documento del Fiduciario no puede ser igual al del declarante"_s);
    if (!chosen(kSettlorType))
        return refuse(kSettlorType, u"Debe selecionar el tipo de documento del Fideicomitente"_s);
    if (!documentValid(value(kTrusteeType), trustee))
        return refuse(kTrustee, u"El número de documento del Fiduciario no es válido"_s);
    if (!documentValid(value(kSettlorType), value(kSettlor)))
        return refuse(kSettlor, u"El número de documento del Fideicomitente no es válido"_s);
    if (!chosen(kPatrimony))
        return refuse(kPatrimony, u"Debe selecionar el tipo de Patrimonio"_s);
    if (!chosen(kTrust))
        return refuse(kTrust, u"Debe selecionar el tipo de fideicomiso"_s);
    if (trusteeType == typeKey(db, value(kSettlorType)) && trustee == value(kSettlor).trimmed())
        return refuse(
            kSettlor,
            u"El tipo y número de documento del fiduciario y del fideicomitente no pueden ser iguales"_s);
    if (value(kPatrimony).trimmed() == FideicomisoRegister::kOther && Vacio(kPatrimonyText))
        return refuse(kPatrimonyText, u"Debe ingresar la descripción del tipo de Patrimonio"_s);
    if (value(kTrust).trimmed() == FideicomisoRegister::kOther && Vacio(kTrustText))
        return refuse(kTrustText, u"Debe ingresar la descripción del tipo de fideicomiso"_s);
    if (Vacio(kBalance))
        return refuse(kBalance, u"Debe registrar el saldo al 31/12/"_s + year());
    QString text = value(kBalance).trimmed();
    if (!validateAmount(text, 10, 2, {}, owner().session().sink))
        return refuse(kBalance, {}, {});
    return true;
}

QString FideicomisoEntry::storedValue(const QString& column) const {
    // A type other than "other" is described by its catalogue.
    if (column == kPatrimonyText || column == kTrustText) {
        const QString type = column == kPatrimonyText ? kPatrimony : kTrust;
        if (value(type).trimmed() == FideicomisoRegister::kOther)
            return value(column).trimmed();
        return fide_.choicesOf(type)->description(value(type));
    }
    if (column == kBalance) {
        QString amount = value(kBalance).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"#########0.#0"_s);
    }
    return AnnexEntry::storedValue(column);
}

QString FideicomisoEntry::fieldGroup(const QString& column) const {
    if (column == kTrusteeType || column == kTrustee)
        return u"Fiduciario"_s;
    if (column == kSettlorType || column == kSettlor)
        return u"Fideicomitente"_s;
    if (column == kPatrimony || column == kPatrimonyText)
        return u"Tipo de Patrimonio"_s;
    if (column == kTrust || column == kTrustText)
        return u"Tipo de Fideicomiso"_s;
    return u"Saldo al 31/12/"_s + year();
}

QString FideicomisoEntry::controlName(const QString& column) const {
    static const QHash<QString, QString> names = {{kTrusteeType, u"cboTipDocFiduciario"_s},
                                                  {kTrustee, u"txtNumDocFiduciario"_s},
                                                  {kSettlorType, u"cboTipDocFideicomitente"_s},
                                                  {kSettlor, u"txtNumDocFideicomitente"_s},
                                                  {kPatrimony, u"cboPatrimonio"_s},
                                                  {kPatrimonyText, u"txtDesOtros0"_s},
                                                  {kTrust, u"cboFideicomiso"_s},
                                                  {kTrustText, u"txtDesOtros1"_s},
                                                  {kBalance, u"txtSaldo"_s}};
    return names.value(column);
}

}  // namespace zem
