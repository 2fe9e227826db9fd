#include "declaration/StoredDeclaration.h"

#include <QSqlRecord>

#include "declaration/StoreSql.h"
#include "startup/Database.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString headerTable(const DeclarationKey& key) {
    return key.sent ? u"hcab"_s : u"cab"_s;
}

}  // namespace

bool declarationExists(Db& db, const DeclarationKey& key) {
    const store::Condition where = store::keyCondition(key, true, key.sent);
    return db.scalar(u"SELECT count(*) FROM "_s + headerTable(key) + where.sql, where.params).toInt() > 0;
}

StoredDeclaration readStoredDeclaration(Db& db, const DeclarationKey& key) {
    StoredDeclaration out;
    const store::Condition where = store::keyCondition(key, true, key.sent);
    // One read transaction: the header and the boxes come from the same moment of the database.
    out.readFailed = !db.transaction(
        [&] {
            QSqlQuery header = db.select(u"SELECT * FROM "_s + headerTable(key) + where.sql, where.params);
            if (!header.isActive())
                return false;
            if (!header.next())
                return true;
            out.exists = true;
            const QSqlRecord record = header.record();
            for (int i = 0; i < record.count(); ++i) {
                if (record.fieldName(i) != u"version")  // the save counter is bookkeeping, not data
                    out.header.append({record.fieldName(i), record.value(i).toString()});
            }
            QSqlQuery boxes =
                db.select(u"SELECT casilla, i_valor FROM "_s + (key.sent ? u"hdet"_s : u"det"_s) + where.sql +
                              u" ORDER BY casilla"_s,
                          where.params);
            while (boxes.next())
                out.boxes.append(
                    {boxes.value(u"casilla"_s).toString(), boxes.value(u"i_valor"_s).toString()});
            return boxes.isActive();
        },
        Db::Access::Read);
    if (out.readFailed) {
        out.exists = false;
        out.header.clear();
        out.boxes.clear();
    }
    return out;
}

}  // namespace zem
