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
    QSqlQuery header = db.select(u"SELECT * FROM "_s + headerTable(key) + where.sql, where.params);
    if (!header.next())
        return out;
    out.exists = true;
    const QSqlRecord record = header.record();
    for (int i = 0; i < record.count(); ++i)
        out.header.append({record.fieldName(i), header.value(i).toString()});

    QSqlQuery boxes = db.select(u"SELECT casilla, i_valor FROM "_s + (key.sent ? u"hdet"_s : u"det"_s) +
                                    where.sql + u" ORDER BY casilla"_s,
                                where.params);
    while (boxes.next())
        out.boxes.append({boxes.value(0).toString(), boxes.value(1).toString()});
    return out;
}

}  // namespace zem
