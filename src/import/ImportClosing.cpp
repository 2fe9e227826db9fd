#include "import/ImportClosing.h"

#include "annexes/RegisterBox.h"
#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Rules.h"
#include "declaration/StoreSql.h"
#include "import/ImportLoad.h"
#include "import/PackageImport.h"
#include "import/RecordFiles.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool isCreditBox(int box) {
    static const QList<int> credits = {529, 522, 127, 129, 130, 131, 133};
    return credits.contains(box);
}

void write(DeclarationEditor& editor, MessageSink& sink, int box, const QString& text) {
    if (const FieldResult r = writeRegisterBox(editor, box, text); !r && !r.message.isEmpty())
        sink.error(r.message, PackageImport::caption());
}

void applyBox(Rules& rules, DeclarationEditor& editor, MessageSink& sink, const ImportTotals& totals,
              int box) {
    if (!totals.byBox.contains(box) && !totals.before.contains(box))
        return;
    // The box holds what was typed or registered plus the earlier import: the earlier import goes, this one
    // comes.
    double value = rules.Vale(box) - static_cast<double>(totals.before.value(box)) +
                   static_cast<double>(totals.byBox.value(box)) / 100;
    if (value < 0)
        value = 0;
    write(editor, sink, box, Format(value, isCreditBox(box) ? masks::kNegative : masks::kAmount));
}

}  // namespace

QString Suma_Ret_s(Db& db, const QString& column, const QString& table, const QString& box) {
    // The column and table names come from the program, never from the user.
    QString sql = u"SELECT "_s + column + u" AS amount FROM "_s + table;
    QVariantList params;
    if (!box.isEmpty()) {
        sql += u" WHERE casilla = ?"_s;
        params << box;
    }
    double sum = 0;
    for (const QSqlRecord& r : store::fetchRecords(db, sql, params))
        sum += Val(r.value(u"amount"_s).toString());
    return Format(sum, masks::kAmount);
}

void applyImportTotals(Db& db, Rules& rules, DeclarationEditor& editor, const ImportTotals& totals) {
    if (!totals.imported)
        return;
    MessageSink& sink = db.sink();
    for (const RecordFile& f : recordFiles()) {
        if (f.box == 133)
            applyBox(rules, editor, sink, totals, 100);
        applyBox(rules, editor, sink, totals, f.box);
    }
    write(editor, sink, 107, Suma_Ret_s(db, u"mto_total"_s, u"TMP_F0482RETCAB"_s, u"107"_s));
}

}  // namespace zem
