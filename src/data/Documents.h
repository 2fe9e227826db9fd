#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

namespace zem {

class Db;

// Identity document types (catalogue "044") and the contributor register (CONT, CLAVES).
namespace documents {

struct DocumentType {
    QString code;         // "6"
    QString description;  // (1,30) "REG. UNICO DE CONTRIBUYENTES"
    QString shortName;    // (32,11) "RUC"
    int length = 0;       // (46,2)
    QString order;        // (56,2)
    QChar dataKind;       // (128,1): '0' general, otherwise coded (digits); '5' RUC
    QChar lengthKind;     // (130,1): '0' at least `length` characters, '2' at most `length` (documents of
                          // varying length: passports, alien cards), otherwise exactly `length`
};

// Positions of the usage flags of catalogue "044" (one "1"/"0" per list of document types). The starting
// catalogue sets them; resources/seed/param/044.txt tells which types each list offers.
namespace usage {
inline constexpr int kSpouse = 49;            // box 235, the spouse
inline constexpr int kDeclarant = 52;         // box 301, the declarant or the legal representative
inline constexpr int kLessor = 53;            // boxes 204-206, lessors of the rent paid
inline constexpr int kFourthCategory = 64;    // boxes 224-227, lines of the fourth-category detail
inline constexpr int kCoOwner = 70;           // co-owners of a property in condominium
inline constexpr int kPayer = 71;             // payers of boxes 106, 107 and 108 (any document)
inline constexpr int kWithholdingAgent = 74;  // withholding agents of boxes 111, 129, 130, 131 (RUC)
inline constexpr int kRucOnly = 75;           // entities of boxes 117, 519, 522 and dividends (RUC)
inline constexpr int kThirdParty = 76;        // any other third party identified by a document
inline constexpr int kTrustee = 78;           // trustee (fiduciario) of a trust investment
inline constexpr int kSettlor = 89;           // settlor (fideicomitente) of a trust investment
inline constexpr int kPriorYearTrust = 96;    // beneficiary and settlor of the previous-year trust annex
}  // namespace usage

// The type by its code written with or without leading zeros ("06" or "6"); type "6" falls back to the
// built-in default when the catalogue lacks it.
std::optional<DocumentType> documentType(Db& db, const QString& type);

// The long description (1,30) or the short name (32,11).
QString documentDescription(Db& db, const QString& type, bool shortName = false);
// The two-character length field (46,2).
QString documentLength(Db& db, const QString& type);

// An entry of a document-type list: "06  -  REG. UNICO DE CONTRIBUYENTES", with the data the window needs to
// size the number box.
struct DocumentTypeEntry {
    QString code;  // two digits, "06"
    QString text;
    int length = 0;
    QChar dataKind;
    QChar lengthKind;
};

// The types whose usage flag at the given 1-based position of funcion is "1", in display order. Without a
// "6" row in the catalogue, the built-in RUC joins the lists its flags allow.
QList<DocumentTypeEntry> documentTypeList(Db& db, int flagPosition);

// The length rule of the type: by its length kind, the number against the document length.
bool lengthValid(const DocumentType& type, const QString& number);

// The document validator: type and number present, the type in the catalogue, the length by its length kind,
// and the characters by its data kind.
bool validateDocument(Db& db, const QString& type, const QString& number);

// Tipo of the CLAVES row of the user; "1" when the user is not registered.
QString userKind(Db& db, const QString& usuario);

// The taxpayer list query (SELECT * FROM cont ...), with its values to bind: declarants of type 6 with an
// 11-character RUC (when the RUC has a fixed length), of income kind 2 for form "0482", and, unless the user
// is of kind "0", registered by that user. Ordered by type and number.
struct Query {
    QString sql;
    QVariantList params;
};
Query taxpayerListQuery(Db& db, const QString& usuario, const QString& formulario);

}  // namespace documents
}  // namespace zem
