#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {

class Db;

// A stored declaration as its tables hold it, for listing and comparing: the header row (CAB, or HCAB for a
// sent one) column by column, and the box rows (DET/HDET) in box order.
struct StoredDeclaration {
    bool exists = false;
    bool readFailed = false;  // the database failed (and said so): nothing of the declaration is given
    QList<QPair<QString, QString>> header;  // column name, value
    QList<QPair<QString, QString>> boxes;   // casilla, i_valor
};

StoredDeclaration readStoredDeclaration(Db& db, const DeclarationKey& key);

// True when the header row of the declaration exists (false when the database fails to say).
bool declarationExists(Db& db, const DeclarationKey& key);

}  // namespace zem
