#pragma once

#include <QHash>
#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {

class Db;
struct AnnexTable;

namespace store {

// Catalogue descriptions read while the working tables are refilled, each code and key looked up once.
class DescriptionCache {
public:
    explicit DescriptionCache(Db& db) : db_(db) {}
    // The description trimmed; "" when the catalogue has no such key.
    QString get(const QString& code, const QString& key, int start, int length);

private:
    Db& db_;
    QHash<QString, QString> known_;
};

// Empties every working table of the connection: the annex registers and tmp_f0480importa.
bool emptyWorkingTables(Db& db);

// Fills one working table with the declaration's rows of its stored table, or of its history table for a sent
// declaration, the description columns of the investments abroad and of the trusts completed from the
// catalogue.
bool refillWorkingTable(Db& db, const AnnexTable& table, const DeclarationKey& key, DescriptionCache& cache);

// Copies one annex register back: the declaration's stored rows are deleted and every working row is added
// with the declaration key and a fresh check code. The text columns of the trusts in the previous year's
// format (F0476FIDEICOM) are cut to 40 characters and trimmed.
bool Graba_Patrimonial(Db& db, const AnnexTable& table, const DeclarationKey& key);

// Copies the declaration's stored rows of one annex register to its history table under the sequence.
bool copyAnnexToHistory(Db& db, const AnnexTable& table, const DeclarationKey& key, const QString& correl);

}  // namespace store
}  // namespace zem
