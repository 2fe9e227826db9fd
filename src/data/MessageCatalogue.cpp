#include "data/MessageCatalogue.h"

#include "startup/Database.h"

namespace zem {

using namespace Qt::StringLiterals;

QString catalogueMessage(Db& db, int number) {
    const QString code = QString::number(number).rightJustified(4, u'0');
    return db.scalar(u"SELECT descerror FROM error WHERE coderror = ?"_s, {code}).toString();
}

}  // namespace zem
