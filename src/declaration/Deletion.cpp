#include "declaration/Deletion.h"

#include "declaration/StoreSql.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The tables of a declaration in the order they are emptied, and whether they carry the week.
QList<QPair<QString, bool>> tablesInOrder(bool sent) {
    QList<QPair<QString, bool>> tables = {{sent ? u"hdet"_s : u"det"_s, true},
                                          {sent ? u"hcab"_s : u"cab"_s, true}};
    for (const AnnexTable& t : annexTables()) {
        // The import marker goes just before the last generated numbers; sent declarations have none.
        if (!sent && t.stored.compare(u"F0482CORREL"_s, Qt::CaseInsensitive) == 0)
            tables.append({u"f0480importa"_s, false});
        tables.append({sent ? t.history : t.stored, false});
    }
    return tables;
}

}  // namespace

bool deleteDeclaration(Session& session, const DeclarationKey& declaration) {
    DeclarationKey key = declaration;
    key.ruc = key.ruc.trimmed();
    if (key.ruc.isEmpty() || (key.sent && key.correl.trimmed().isEmpty())) {
        session.sink.error(u"No ha seleccionado ninguna declaración."_s, u"Eliminar Formulario"_s);
        return false;
    }
    Db& db = session.db();
    return db.transaction([&] {
        for (const auto& [table, withWeek] : tablesInOrder(key.sent)) {
            const store::Condition where = store::keyCondition(key, withWeek, key.sent);
            if (!db.execute(u"DELETE FROM "_s + table + where.sql, where.params))
                return false;
        }
        return true;
    });
}

}  // namespace zem
