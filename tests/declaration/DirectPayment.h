#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "annexes/AnnexEntry.h"

namespace zem::test {

// Types one direct payment of box 133 (January 2006, form 1662, S/ 1,234.50) into a new entry of its
// register; false when the entry refuses a value.
inline bool typeDirectPayment(AnnexEntry& entry) {
    using namespace Qt::StringLiterals;
    const QList<QPair<QString, QString>> fields = {{u"per_tri"_s, u"200601"_s},
                                                   {u"num_for"_s, u"1662"_s},
                                                   {u"num_ord"_s, u"123"_s},
                                                   {u"fec_pago"_s, u"15/02/2006"_s},
                                                   {u"mto_trib"_s, u"1234.50"_s}};
    for (const auto& [column, text] : fields) {
        if (!entry.setValue(column, text))
            return false;
    }
    return true;
}

}  // namespace zem::test
