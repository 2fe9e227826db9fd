#include "declaration/DeclarationEditor.h"

#include <utility>

#include "data/Catalogue.h"
#include "data/Documents.h"
#include "declaration/BoxTable.h"
#include "declaration/FormOptions.h"
#include "declaration/Rules.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString named(int box) {
    return u"Casilla "_s + boxCode(box) + u": "_s;
}

int documentUsage(int typeBox) {
    if (typeBox >= 204 && typeBox <= 206)
        return documents::usage::kLessor;
    if (typeBox >= 224 && typeBox <= 227)
        return documents::usage::kFourthCategory;
    return typeBox == 301 ? documents::usage::kDeclarant : documents::usage::kSpouse;
}

bool isNameBox(int box) {
    return (box >= 811 && box <= 825) || box == 890;
}

std::optional<OptionGroup> groupOfBox(int box) {
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
        const auto group = static_cast<OptionGroup>(g);
        if (optionBox(group) == box)
            return group;
    }
    return std::nullopt;
}

}  // namespace

DeclarationEditor::DeclarationEditor(Session& session, Declaration& declaration, Rules& rules,
                                     FormOptions& options)
    : session_(session), d_(declaration), rules_(rules), options_(options) {}

void DeclarationEditor::type(int box, const QString& text) {
    rules_.enterBox(box);
    d_.setText(box, text);
    rules_.leaveBox(box);
}

FieldResult DeclarationEditor::setField(int box, const QString& text) {
    const BoxInfo* info = boxInfo(box);
    if (!info)
        return FieldResult::refused(u"La casilla "_s + boxCode(box) + u" no existe en el formulario 0482."_s);
    if (d_.isSent())
        return FieldResult::refused(
            u"La declaración enviada no se modifica; solo se registra su número de orden."_s);
    const bool computedWhatIf = whatIf_ && info->kind == BoxKind::Computed;
    if (fields::isDerivedBox(box) && !computedWhatIf)
        return FieldResult::refused(u"La casilla "_s + boxCode(box) +
                                    u" no se registra: la calcula el programa o se toma de otro dato."_s);
    if (const auto group = groupOfBox(box))
        return setAnswer(*group, text.trimmed());

    const QString value = text.trimmed();
    switch (box) {
        case 599: {
            const QString code = value.toUpper();
            if (!code.isEmpty()) {
                if (FieldResult r = fields::checkCode(box, code, fields::answerCodes(box)); !r)
                    return r;
            }
            d_.setPaymentType(code);
            return FieldResult::accepted();
        }
        case 15:
            return setCatalogueCode(box, value, u"004"_s, u"el banco"_s);
        case 12:
            if (FieldResult r = fields::checkCheque(value); !r)
                return r;
            d_.setPaymentCheque(value);
            return FieldResult::accepted();
        case 598: {
            QString amount;
            if (FieldResult r = fields::checkAmount(box, value, fields::amountDigits(box), false, &amount);
                !r)
                return r;
            d_.setPaymentAmount(amount);
            return FieldResult::accepted();
        }
        case 140:
            if (!value.isEmpty()) {
                if (FieldResult r = fields::checkCode(box, value, fields::answerCodes(box)); !r)
                    return r;
            }
            type(box, value);
            return FieldResult::accepted();
        case 25:
            return setCatalogueCode(box, value, u"979"_s, u"la profesión u oficio"_s);
        case 28:
            if (FieldResult r = fields::checkTelephone(value); !r)
                return r;
            d_.setText(28, value);
            return FieldResult::accepted();
        case 234:
            if (FieldResult r = fields::checkBirthDate(value); !r)
                return r;
            d_.setText(234, value);
            return FieldResult::accepted();
        default:
            break;
    }
    if (isDocumentTypeBox(box))
        return setDocumentType(box, value);
    if (isDocumentNumberBox(box))
        return setDocumentNumber(box, value);
    if (isNameBox(box)) {
        const QString name = text.toUpper();
        if (FieldResult r = fields::checkName(box, name); !r)
            return r;
        d_.setText(box, name.trimmed().isEmpty() ? QString() : name);
        return FieldResult::accepted();
    }
    return setAmount(box, value);
}

FieldResult DeclarationEditor::setRegisterTotal(int box, const QString& text) {
    const std::function<bool(int)> rows = std::exchange(registerRows_, {});
    const FieldResult result = setField(box, text);
    registerRows_ = rows;
    return result;
}

FieldResult DeclarationEditor::setAmount(int box, const QString& text) {
    QString amount;
    if (FieldResult r =
            fields::checkAmount(box, text, fields::amountDigits(box), Rules::isAbsoluteBox(box), &amount);
        !r)
        return r;
    const BoxInfo* info = boxInfo(box);
    if (!whatIf_ && info->kind == BoxKind::Annex && registerRows_ && registerRows_(box))
        return FieldResult::refused(named(box) +
                                    u"su total sale del detalle registrado; modifique el detalle "
                                    "(zem0482 annex)."_s);
    // A patrimonial line is information the general-information answer opens.
    if (box >= 840 && box <= 853 && !amount.isEmpty() && d_.option(OptionGroup::OptGeneral) != u"1"_s)
        setAnswer(OptionGroup::OptGeneral, u"1"_s);
    type(box, amount);
    return FieldResult::accepted();
}

FieldResult DeclarationEditor::setCatalogueCode(int box, const QString& text, const QString& catalogue,
                                                const QString& what) {
    if (!text.isEmpty() && !session_.gDB)
        return FieldResult::refused(
            named(box) + u"sin la base de datos configurada no se puede verificar "_s + what + u'.');
    if (!text.isEmpty()) {
        const QList<catalogue::ListEntry> entries = catalogue::listEntries(
            session_.db(), catalogue, u"*"_s, 1, 36, false, catalogue::ListOrder::ByCode);
        const int at = catalogue::selectEntry(entries, text, 2);
        if (at < 0 || entries[at].code.trimmed() == u"00"_s)
            return FieldResult::refused(named(box) + u"el código «"_s + text.left(40) +
                                        u"» no corresponde a "_s + what + u" en el catálogo."_s);
        const QString code = entries[at].code.trimmed();
        if (box == 15)
            d_.setPaymentBank(code);
        else
            d_.setText(box, code);
        return FieldResult::accepted();
    }
    if (box == 15)
        d_.setPaymentBank(QString());
    else
        d_.setText(box, QString());
    return FieldResult::accepted();
}

FieldResult DeclarationEditor::setDocumentType(int box, const QString& text) {
    if (text.isEmpty()) {
        d_.setText(box, QString());
        return FieldResult::accepted();
    }
    if (!session_.gDB)
        return FieldResult::refused(
            named(box) + u"sin la base de datos configurada no se puede verificar el tipo de documento."_s);
    const QList<documents::DocumentTypeEntry> types =
        documents::documentTypeList(session_.db(), documentUsage(box));
    QStringList codes;
    for (const documents::DocumentTypeEntry& t : types) {
        codes << t.code;
        bool numeric = false;
        const int wanted = text.toInt(&numeric);
        if (t.code == text || (numeric && text.size() <= 2 && t.code.toInt() == wanted)) {
            d_.setText(box, t.code);
            return FieldResult::accepted();
        }
    }
    return FieldResult::refused(named(box) + u"«"_s + text.left(40) +
                                u"» no es un tipo de documento de la lista; registre uno de "_s +
                                codes.join(u", "_s) + u'.');
}

FieldResult DeclarationEditor::setDocumentNumber(int box, const QString& text) {
    const QString number = text.toUpper();
    int length = 15;
    QChar dataKind = u'0';
    if (const int typeBox = fields::typeBoxOf(box); typeBox != 0 && !number.isEmpty()) {
        const QString type = d_.text(typeBox).trimmed();
        // A document number waits for its type, which says how long it is and what it holds.
        if (type.isEmpty())
            return FieldResult::refused(named(box) + u"elija primero el tipo de documento (casilla "_s +
                                        boxCode(typeBox) + u")."_s);
        if (const auto t = session_.gDB ? documents::documentType(session_.db(), type) : std::nullopt) {
            if (t->length > 0)
                length = t->length;
            dataKind = t->dataKind;
        }
    }
    if (FieldResult r = fields::checkDocumentNumber(box, number, length, dataKind); !r)
        return r;
    type(box, number);
    return FieldResult::accepted();
}

FieldResult DeclarationEditor::setAnswer(OptionGroup group, const QString& code) {
    if (d_.isSent())
        return FieldResult::refused(
            u"La declaración enviada no se modifica; solo se registra su número de orden."_s);
    const int box = optionBox(group);
    const QStringList codes = box != 0 ? fields::answerCodes(box) : QStringList{u"1"_s, u"0"_s};
    if (FieldResult r = fields::checkCode(box, code, codes); !r) {
        if (box == 0)
            r.message = u"Respuesta «"_s + code.left(40) + u"» no válida; registre 1 ó 0."_s;
        return r;
    }
    // Without a database (a what-if computation) there are no registers for an answer to empty.
    const bool registers = group == OptionGroup::optCondomino || group == OptionGroup::OptExtranjero ||
                           group == OptionGroup::OptFideicomiso;
    if (registers && !session_.gDB) {
        d_.setOption(group, code);
        return FieldResult::accepted();
    }
    if (!options_.choose(group, code, !confirmed_))
        return FieldResult::refused(QString());
    return FieldResult::accepted();
}

}  // namespace zem
