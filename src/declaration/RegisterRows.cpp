#include "declaration/RegisterRows.h"

#include "declaration/BoxTable.h"
#include "declaration/Declaration.h"
#include "startup/Database.h"

namespace zem {

using namespace Qt::StringLiterals;

bool annexRegisterHasRows(Db& db, int box) {
    const BoxInfo* info = boxInfo(box);
    if (!info || info->kind != BoxKind::Annex)
        return false;
    if (info->feeder == Feeder::Dividends)
        return db.scalar(u"SELECT count(*) FROM TMP_F0476DIVID"_s).toInt() > 0;
    // The working tables whose rows carry the box they itemise.
    static const char16_t* const kTables[] = {u"TMP_F0478ITF",    u"TMP_F0478RET",    u"TMP_F0480DETRTA",
                                              u"TMP_F0480FEXT",   u"TMP_F0480NORMAS", u"TMP_F0480PAGOS",
                                              u"TMP_F0482RETCAB", u"TMP_F0480RETDET", u"TMP_F0480PAGCTA"};
    for (const char16_t* table : kTables) {
        const QVariant n = db.scalar(
            u"SELECT count(*) FROM "_s + QString::fromUtf16(table) + u" WHERE trim(casilla) IN (?, ?)"_s,
            {boxCode(box), QString::number(box)});
        if (n.toInt() > 0)
            return true;
    }
    return false;
}

}  // namespace zem
