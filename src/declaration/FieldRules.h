#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace zem {

// The outcome of setting a field: refused with a Spanish message that names the box and what it takes, or
// accepted (empty message).
struct FieldResult {
    bool ok = true;
    QString message;

    static FieldResult accepted() { return {}; }
    static FieldResult refused(const QString& message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

// What a user may type into the fields of the declaration, checked the same way whoever types it. Each check
// answers the refusal to show, or an accepted result; none touches the declaration.
namespace fields {

// A box typed as an amount holds whole soles: 10 characters, 17 in a box an assistant feeds. Digits only
// (thousands separators "," are allowed and dropped); a minus sign only where negative is allowed. On success
// *normalized holds the digits (with the sign), "" for an empty text.
FieldResult checkAmount(int box, const QString& text, int maxDigits, bool negativeAllowed,
                        QString* normalized);
// The length of an amount box: 17 for a box an assistant feeds, else 10.
int amountDigits(int box);

// The codes an answer box takes ("027" -> 1, 2); empty for a box that is no answer.
QStringList answerCodes(int box);
FieldResult checkCode(int box, const QString& code, const QStringList& codes);

// A name: at most 30 characters of letters, blanks and the signs of a name (a business name, boxes 817-825,
// also digits and & , / ( ) "). Stored in upper case.
inline constexpr int kNameLength = 30;
FieldResult checkName(int box, const QString& name);

// A document number by its type: digits only for a coded type (data kind other than '0'), letters and
// digits otherwise, at most `length` characters.
FieldResult checkDocumentNumber(int box, const QString& number, int length, QChar dataKind);
// The document-type box a document-number box waits for (208 -> 204, 302 -> 301, 236 -> 235); 0 for a number
// box without a type (the Amazonía lines) and for any other box.
int typeBoxOf(int numberBox);

// The telephone (box 028): digits only, at most 9.
inline constexpr int kTelephoneLength = 9;
FieldResult checkTelephone(const QString& telephone);

// The cheque number (box 012): digits only, at most 15.
inline constexpr int kChequeDigits = 15;
FieldResult checkCheque(const QString& number);

// The spouse's birth date (box 234): empty, or a real date "dd/mm/yyyy" from 01/01/1850 to 01/01/2500.
FieldResult checkBirthDate(const QString& date);

// Boxes never typed: computed by the rules, taken from the declarant's register, derived when saving (002,
// 007, 721, 871), counted (553), continuation parts of long names, or the co-owners' list (400-499).
bool isDerivedBox(int box);

}  // namespace fields
}  // namespace zem
