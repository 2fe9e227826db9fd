#include "annexes/ParamChoices.h"

#include "data/Catalogue.h"

namespace zem {

ParamChoices::ParamChoices(Db& db, const QString& catalogue, int length, int flagPosition,
                           const QStringList& except) {
    for (const catalogue::ParamRow& row : catalogue::all(db, catalogue)) {
        const QString code = row.argumento.trimmed();
        if (code.isEmpty() || except.contains(code))
            continue;
        if (flagPosition > 0 && catalogue::field(row.funcion, flagPosition, 1) != u'1')
            continue;
        add(code, catalogue::field(row.funcion, 1, length).trimmed());
    }
}

void ParamChoices::add(const QString& code, const QString& description) {
    codes_ << code;
    descriptions_.insert(code, description);
}

}  // namespace zem
