#include <QHash>

#include "annexes/Normas.h"

#include "data/Amounts.h"
#include "data/Format.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kType = QStringLiteral("tip_nor");
const QString kNumber = QStringLiteral("num_nor");
const QString kYear = QStringLiteral("anno_nor");
const QString kArticle = QStringLiteral("art_nor");
const QString kAmount = QStringLiteral("mto_retenido");

// The list caption and the entry caption of each box; the list's frame is its caption without the box.
struct NormTexts {
    QString caption;
    QString frame;
    QString entryCaption;
};

NormTexts normTexts(int box) {
    switch (box) {
        case 124:
            return {u"Casilla 124 - Otros Créditos sin derecho a devolución"_s,
                    u"Otros Créditos sin derecho a devolución"_s,
                    u"Detalle de la Casilla 124 - Otros Créditos sin derecho a devolución"_s};
        case 132:
            return {u"Casilla 132 - Otros Créditos con derecho a devolución "_s,
                    u"Otros Créditos con derecho a devolución "_s,
                    u"Detalle de la Casilla 132 - Otros Créditos con derecho a devolución"_s};
        case 539:
            return {u"Casilla - Otras rentas exoneradas "_s, u"Otras rentas exoneradas "_s,
                    u"Detalle de la Casilla de Otras Rentas Exoneradas"_s};
        default:
            return {u"Casilla - Otras rentas inafectas "_s, u"Otras rentas inafectas "_s,
                    u"Detalle de la Casilla de Otras Rentas Inafectas"_s};
    }
}

RegisterDef normasDef(int box) {
    const NormTexts texts = normTexts(box);
    RegisterDef def;
    def.name = u"frmNorma"_s;
    def.table = u"TMP_F0480NORMAS"_s;
    def.key = {u"casilla"_s, kType, kNumber, kYear, kArticle};
    def.duplicateKey = {u"casilla"_s, kType, kNumber};
    def.columns = {{kType, u"Tipo de norma"_s, {}},
                   {kNumber, u"Número"_s, {}},
                   {kYear, u"Año"_s, {}},
                   {kArticle, u"Artículo"_s, {}},
                   {kAmount, u"Monto"_s, u"#,###,###,##0.00"_s}};
    def.sumColumn = kAmount;
    def.caption = texts.caption;
    def.frame = texts.frame;
    def.totalLabel = u"Total  Crédito:"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    return def;
}

}  // namespace

NormasRegister::NormasRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent)
    : AnnexRegister(session, editor, box, normasDef(box), parent), types_(session.db(), u"833"_s, 40) {}

std::unique_ptr<AnnexEntry> NormasRegister::newEntry() {
    return std::make_unique<NormasEntry>(*this);
}

QString NormasRegister::shown(int row, const RegisterColumn& column) const {
    if (column.name == kType) {
        const QString code = value(row, kType).trimmed();
        const QString description = types_.description(code);
        return description.isEmpty() ? code : code + u" - "_s + description;
    }
    return AnnexRegister::shown(row, column);
}

NormasEntry::NormasEntry(NormasRegister& owner)
    : AnnexEntry(owner, {{kType, u"Tipo:"_s, EntryKind::Code, true},
                         {kNumber, u"Número:"_s, EntryKind::Digits, true},
                         {kAmount, u"Monto "_s, EntryKind::Amount, false}}),
      normas_(owner) {}

QString NormasEntry::caption() const {
    return normTexts(owner().boxNumber()).entryCaption;
}

QString NormasEntry::frameCaption() const {
    return normTexts(owner().boxNumber()).frame.trimmed();
}

QStringList NormasEntry::choices(const QString& column) const {
    return column == kType ? normas_.normTypes().codes() : QStringList();
}

QString NormasEntry::choiceText(const QString& column, const QString& code) const {
    return column == kType ? normas_.normTypes().description(code) : QString();
}

bool NormasEntry::Valida_Datos() {
    if (isNew()) {
        if (!normas_.normTypes().contains(value(kType)))
            return refuse(kType, u"Debe selecionar la norma"_s);
        if (Vacio(kNumber))
            return refuse(kNumber, u"Debe ingresar el número  de la norma"_s);
    }
    const QString label = field(kAmount)->label;
    if (Vacio(kAmount))
        return refuse(kAmount, u"Debe registrar el "_s + label);
    if (Vale(kAmount) == 0)
        return refuse(kAmount, label + u" debe ser mayor a 0 "_s);
    QString text = value(kAmount).trimmed();
    if (!validateAmount(text, 10, 2, {}, owner().session().sink))
        return refuse(kAmount, {}, {});
    return true;
}

QString NormasEntry::storedValue(const QString& column) const {
    // A norm entered here carries no year and no article; one being modified keeps those it was stored with.
    if (column == kYear || column == kArticle)
        return isNew() ? u"0"_s : value(column).trimmed();
    if (column == kAmount) {
        QString amount = value(kAmount).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"#########0.#0"_s);
    }
    return AnnexEntry::storedValue(column);
}

QString NormasEntry::controlName(const QString& column) const {
    static const QHash<QString, QString> names = {
        {kType, u"cboNorma"_s}, {kNumber, u"txtnumero"_s}, {kAmount, u"TxtMtoRetenido"_s}};
    return names.value(column);
}

}  // namespace zem
