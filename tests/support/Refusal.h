#pragma once

#include <QString>

namespace zem {
class Db;
}

namespace zem::test {

// Makes every `event` ("INSERT", "DELETE") on the table fail with the given words until dropRefusal(name), as
// a full disk or a locked row would; on either engine.
bool refuseWrites(Db& db, const QString& name, const QString& event, const QString& table,
                  const QString& words);
bool dropRefusal(Db& db, const QString& name, const QString& table);

}  // namespace zem::test
