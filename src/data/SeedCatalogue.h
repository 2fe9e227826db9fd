#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zem {

class Db;

// The catalogue a new installation starts with (PARAM and ERROR), kept as data in resources/seed/.
// Loads every row that is missing; rows already present are left as they are. One transaction.
bool loadSeedCatalogue(Db& db);

// The PARAM rows of the starting catalogue, each funcion built from its fields; empty when the data is
// damaged.
struct SeedRow {
    QString numero;
    QString argumento;
    QString funcion;
};
QList<SeedRow> seedParamRows();

// The payment-form codes (4 digits, in their fixed order) a register accepts for a box: 133 (11 codes),
// 529 (9), 127 (11); the import's accepted lists for the package records are given by importFormCodes.
QStringList paymentFormCodes(const QString& box);
// The two credit-application form codes of box 127.
QStringList creditApplicationFormCodes();
// The codes the package import accepts: "133" (12 codes), "529" (10), "127" (the ten plus two more).
QStringList importFormCodes(const QString& box);

}  // namespace zem
