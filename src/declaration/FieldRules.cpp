#include "declaration/FieldRules.h"

#include <QDate>

#include "declaration/BoxTable.h"
#include "declaration/Declaration.h"
#include "startup/Utility.h"

namespace zem::fields {

using namespace Qt::StringLiterals;

namespace {

QString box3(int box) {
    return boxCode(box);
}

bool asciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A typed character as the keyboard filters of the window would let it through; control characters (which
// the filters pass as editing keys) never belong to a value.
bool passes(QChar c, int (*filter)(int)) {
    return c.unicode() >= 32 && c.unicode() != 127 && filter(c.unicode()) != 0;
}

}  // namespace

int amountDigits(int box) {
    const BoxInfo* info = boxInfo(box);
    return info && info->kind == BoxKind::Assistant ? 17 : 10;
}

FieldResult checkAmount(int box, const QString& text, int maxDigits, bool negativeAllowed,
                        QString* normalized) {
    QString t = text.trimmed();
    normalized->clear();
    if (t.isEmpty())
        return FieldResult::accepted();
    bool negative = false;
    if (t.startsWith(u'-')) {
        negative = true;
        t.remove(0, 1);
    }
    QString digits;
    bool wellFormed = !t.isEmpty() && asciiDigit(t.front()) && asciiDigit(t.back());
    for (QChar c : std::as_const(t)) {
        if (asciiDigit(c)) {
            digits += c;
        } else if (c != u',') {
            wellFormed = false;
        }
    }
    if (!wellFormed)
        return FieldResult::refused(u"Casilla "_s + box3(box) + u": «"_s + text.left(40) +
                                    u"» no es un importe; registre el importe en soles, solo dígitos y sin "
                                    "decimales."_s);
    if (negative && !negativeAllowed)
        return FieldResult::refused(u"Casilla "_s + box3(box) + u": el importe no puede ser negativo."_s);
    if (digits.size() > maxDigits)
        return FieldResult::refused(u"Casilla "_s + box3(box) + u": registre como máximo "_s +
                                    QString::number(maxDigits) + u" dígitos enteros, sin decimales."_s);
    *normalized = (negative ? u"-"_s : QString()) + digits;
    return FieldResult::accepted();
}

QStringList answerCodes(int box) {
    switch (box) {
        case 27:
        case 140:
        case 552:
        case 556:
            return {u"1"_s, u"2"_s};
        case 5:
        case 554:
        case 559:
        case 560:
        case 561:
            return {u"1"_s, u"0"_s};
        case 599:
            return {u"C"_s, u"E"_s};
        default:
            return {};
    }
}

FieldResult checkCode(int box, const QString& code, const QStringList& codes) {
    if (codes.contains(code))
        return FieldResult::accepted();
    return FieldResult::refused(u"Casilla "_s + box3(box) + u": «"_s + code.left(40) +
                                u"» no es una respuesta válida; registre uno de los códigos "_s +
                                codes.join(u", "_s) + u'.');
}

FieldResult checkName(int box, const QString& name) {
    if (name.size() > kNameLength)
        return FieldResult::refused(u"Casilla "_s + box3(box) + u": el nombre admite como máximo "_s +
                                    QString::number(kNameLength) + u" caracteres."_s);
    const bool business = box >= 817 && box <= 825;
    for (QChar c : name) {
        const bool ok =
            c.unicode() >= 32 && c.unicode() != 127 && util::FiltraNombre(c.unicode(), business) != 0;
        if (!ok)
            return FieldResult::refused(u"Casilla "_s + box3(box) +
                                        u": el nombre solo admite letras, espacios y los signos ' - ."_s +
                                        (business ? u" & , / ( ) \" y dígitos"_s : QString()) + u'.');
    }
    return FieldResult::accepted();
}

FieldResult checkDocumentNumber(int box, const QString& number, int length, QChar dataKind) {
    const bool coded = !dataKind.isNull() && dataKind != u'0';
    for (QChar c : number) {
        if (!passes(c, coded ? util::FiltraCodigo : util::FiltraDocumento))
            return FieldResult::refused(u"Casilla "_s + box3(box) +
                                        u": el número de documento solo admite "_s +
                                        (coded ? u"dígitos."_s : u"letras y dígitos."_s));
    }
    if (number.size() > length)
        return FieldResult::refused(u"Casilla "_s + box3(box) +
                                    u": el número de documento admite como máximo "_s +
                                    QString::number(length) + u" caracteres."_s);
    return FieldResult::accepted();
}

int typeBoxOf(int numberBox) {
    switch (numberBox) {
        case 208:
            return 204;
        case 209:
            return 205;
        case 211:
            return 206;
        case 215:
            return 224;
        case 217:
        case 218:
        case 219:
            return 225 + (numberBox - 217);
        case 236:
            return 235;
        case 302:
            return 301;
        default:
            return 0;
    }
}

FieldResult checkTelephone(const QString& telephone) {
    for (QChar c : telephone) {
        if (!passes(c, util::FiltraCodigo))
            return FieldResult::refused(u"Casilla 028: el teléfono solo admite dígitos."_s);
    }
    if (telephone.size() > kTelephoneLength)
        return FieldResult::refused(u"Casilla 028: el teléfono admite como máximo "_s +
                                    QString::number(kTelephoneLength) + u" dígitos."_s);
    return FieldResult::accepted();
}

FieldResult checkCheque(const QString& number) {
    for (QChar c : number) {
        if (!passes(c, util::FiltraCodigo))
            return FieldResult::refused(u"Casilla 012: el número de cheque solo admite dígitos."_s);
    }
    if (number.size() > kChequeDigits)
        return FieldResult::refused(u"Casilla 012: el número de cheque admite como máximo "_s +
                                    QString::number(kChequeDigits) + u" dígitos."_s);
    return FieldResult::accepted();
}

FieldResult checkBirthDate(const QString& date) {
    if (date.isEmpty() || util::ValidaFecha(date, u"01/01/1850"_s, QDate(2500, 1, 1)))
        return FieldResult::accepted();
    return FieldResult::refused(
        u"La fecha de nacimiento no es válida: registre una fecha entre el 01/01/1850 y el 01/01/2500."_s);
}

bool isDerivedBox(int box) {
    const BoxInfo* info = boxInfo(box);
    if (info && info->kind == BoxKind::Computed)
        return true;
    if (box >= 400 && box <= 499)
        return true;
    switch (box) {
        case 2:
        case 7:
        case 553:
        case 721:
        case 801:
        case 802:
        case 803:
        case 871:
            return true;
        default:
            return nameOfContinuation(box) != 0;
    }
}

}  // namespace zem::fields
