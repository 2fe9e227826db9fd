#pragma once

#include <QStringList>
#include <QVariantList>
#include <optional>

#include "import/RecordFiles.h"

namespace zem {

// What the checks of a record need besides the record: the fiscal year, the accepted payment-form codes by
// box and the accepted receipt types.
struct ImportRules {
    QString year = QStringLiteral("2006");
    QStringList forms133, forms529, forms127;
    QStringList receiptTypes;
};

// An agent (withholding agent, receipt issuer, box 522 payer) named by a record.
struct ImportAgent {
    QString type;  // the catalogue's code: "6" for "06"
    QString number;
    QString name;
};

// One checked record, ready to store: the values of its target table's columns (see importColumns), the
// amount it adds to its file's total and, for payments of box 133, the tax paid besides the income.
struct ImportRecord {
    QVariantList values;
    qint64 cents = 0;
    qint64 taxCents = 0;
    std::optional<ImportAgent> agent;
};

// The working table and its columns a record of that kind is stored in (none for box 522 records, which only
// register their agent).
QString importTable(RecordKind kind);
QStringList importColumns(RecordKind kind);

// Checks one record of a file (its fields numbered from 1, fields[0] first) and turns it into its row. No
// value when any check fails: a payment form outside the accepted codes of its box; a period that is not
// yyyymm within the fiscal year; an order number that is not 1 to 8 digits; a date that is not a real
// yyyymmdd from 1900 on; an amount that is not a plain non-negative number with at most 10 integers and 2
// decimals (a tax paid or a receipt of 0 neither); an agent document whose type is not 1 or 2 digits or
// capitals, a RUC (type 6 or 06) that is not 11 digits, a type 0 number that is not 8 characters, any other
// number that is not 1 to 15 letters, digits or hyphens; a receipt type not accepted, a series that is not 1
// to 4 digits, a receipt number that is not 1 to 15 digits or is zero.
std::optional<ImportRecord> ValImporta(const RecordFile& file, const QStringList& fields,
                                       const ImportRules& rules);

// "1234.50" for 123450 cents: the form amounts take in the working tables ("#########0.#0").
QString centsText(qint64 cents);

}  // namespace zem
