#pragma once

#include <QString>

namespace zem {
class Db;
}

namespace zem::test {

inline const QString kPrintRuc = QStringLiteral("10123456789");

// A complete stored declaration of kPrintRuc with its taxpayer, catalogue rows and a few rows in every annex
// listing the printout has: fixed values, so that its printout never changes.
void storePrintableDeclaration(Db& db);

// Adds direct payments of box 133 to the stored declaration, one per month in turn.
void addDirectPayments(Db& db, int count);

}  // namespace zem::test
