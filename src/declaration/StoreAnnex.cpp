#include "declaration/StoreAnnex.h"

#include "data/Catalogue.h"
#include "declaration/StoreSql.h"
#include "startup/Database.h"
#include "startup/Schema.h"
#include "startup/SqlDialect.h"

namespace zem::store {

using namespace Qt::StringLiterals;

namespace {

// Catalogue keys of the document types are numbers without leading zeros ("06" is looked up as "6").
QString catalogueKey(const QString& code, const QString& key) {
    const QString k = key.trimmed();
    if (code != u"044")
        return k;
    bool numeric = false;
    const int n = k.toInt(&numeric);
    return numeric ? QString::number(n) : k;
}

QString text(const QVariant& v) {
    return v.toString().trimmed();
}

// A row of an annex table whose descriptions are completed from the catalogue.
class Row {
public:
    explicit Row(QSqlRecord& record) : record_(record) {}
    QString operator[](const QString& column) const { return text(record_.value(column)); }
    void set(const QString& column, const QString& value) { record_.setValue(column, value); }
    // A description from the catalogue; the stored one stays when the catalogue does not know the code.
    void describe(DescriptionCache& cache, const QString& column, const QString& code,
                  const QString& keyColumn, int length) {
        const QString d = cache.get(code, (*this)[keyColumn], 1, length);
        if (!d.isEmpty())
            set(column, d);
    }

private:
    QSqlRecord& record_;
};

void describeForeignInvestment(Row& row, DescriptionCache& cache) {
    row.describe(cache, u"des_pais"_s, u"976"_s, u"ind_pais"_s, 60);
    row.describe(cache, u"des_cargo"_s, u"913"_s, u"ind_cargo"_s, 30);
    row.describe(cache, u"des_operacion"_s, u"919"_s, u"ind_operacion"_s, 50);
}

void describeTrust(Row& row, DescriptionCache& cache) {
    for (const QString& party : {u"fde"_s, u"ben"_s}) {
        const QString paternal = row[u"ape_pat_"_s + party];
        if (!paternal.isEmpty()) {
            row.set(u"des_razon_"_s + party,
                    paternal + u' ' + row[u"ape_mat_"_s + party] + u' ' + row[u"nombres_"_s + party]);
        }
        row.describe(cache, u"des_doc_"_s + party, u"044"_s, u"tip_doc_"_s + party, 30);
    }
    row.describe(cache, u"des_empre_fdu2"_s, u"927"_s, u"tip_empre_fdu"_s, 40);
    row.describe(cache, u"des_patri_fdei"_s, u"926"_s, u"tip_patri_fdei"_s, 65);
}

}  // namespace

QString DescriptionCache::get(const QString& code, const QString& key, int start, int length) {
    const QString k = catalogueKey(code, key);
    if (k.isEmpty())
        return {};
    const QString id =
        code + u'\x1f' + k + u'\x1f' + QString::number(start) + u'\x1f' + QString::number(length);
    auto it = known_.constFind(id);
    if (it != known_.constEnd())
        return *it;
    const QString d = catalogue::descriptionByKey(db_, code, k, start, length).trimmed();
    known_.insert(id, d);
    return d;
}

bool emptyWorkingTables(Db& db) {
    for (const AnnexTable& t : annexTables()) {
        if (!db.execute(u"DELETE FROM "_s + t.working))
            return false;
    }
    return db.execute(u"DELETE FROM tmp_f0480importa"_s);
}

bool refillWorkingTable(Db& db, const AnnexTable& table, const DeclarationKey& key, DescriptionCache& cache) {
    const QString source = key.sent ? table.history : table.stored;
    const Condition where = keyCondition(key, false, key.sent);
    const QString columns = table.columns.join(u", "_s);
    const bool foreign = table.working.compare(u"TMP_F0476EXTRA"_s, Qt::CaseInsensitive) == 0;
    const bool trust = table.working.compare(u"TMP_F0476FIDEI"_s, Qt::CaseInsensitive) == 0;
    if (!foreign && !trust) {
        // Nothing to complete: the rows go across in one statement.
        return db.execute(u"INSERT INTO "_s + table.working + u" ("_s + columns + u") SELECT "_s + columns +
                              u" FROM "_s + source + where.sql + inEntryOrder(db.dialect()),
                          where.params);
    }
    QList<QSqlRecord> rows = fetchRecords(
        db, u"SELECT "_s + columns + u" FROM "_s + source + where.sql + inEntryOrder(db.dialect()),
        where.params);
    if (db.lastError().isError())
        return false;
    Prepared insert(db, insertSql(table.working, table.columns));
    for (QSqlRecord& record : rows) {
        Row row(record);
        if (foreign) {
            describeForeignInvestment(row, cache);
        } else {
            describeTrust(row, cache);
        }
        if (!insert.exec(valuesOf(record, table.columns)))
            return false;
    }
    return true;
}

bool Graba_Patrimonial(Db& db, const AnnexTable& table, const DeclarationKey& key) {
    const Condition where = keyCondition(key, false, false);
    if (!db.execute(u"DELETE FROM "_s + table.stored + where.sql, where.params))
        return false;
    QSqlQuery working = db.select(u"SELECT "_s + table.columns.join(u", "_s) + u" FROM "_s + table.working +
                                  inEntryOrder(db.dialect()));
    if (!working.isActive())
        return false;
    const bool cut = table.stored.compare(u"F0476FIDEICOM"_s, Qt::CaseInsensitive) == 0;
    Prepared insert(db,
                    insertSql(table.stored, annexKeyColumns() + table.columns + QStringList{u"cnumero"_s}));
    // One row of values reused for every working row: the key, the columns, the check code.
    QVariantList values = annexKeyValues(key);
    const qsizetype first = values.size();
    const int n = static_cast<int>(table.columns.size());
    values.resize(first + n + 1);
    while (working.next()) {
        for (int i = 0; i < n; ++i) {
            const QVariant v = working.value(i);  // the columns come in the order the query names them
            values[first + i] = cut && !v.isNull() ? QVariant(v.toString().left(40).trimmed()) : v;
        }
        setCheckCode(values);
        if (!insert.exec(values))
            return false;
    }
    return true;
}

bool copyAnnexToHistory(Db& db, const AnnexTable& table, const DeclarationKey& key, const QString& correl) {
    const Condition where = keyCondition(key, false, false);
    const QList<QSqlRecord> rows = fetchRecords(db,
                                                u"SELECT "_s + table.columns.join(u", "_s) + u" FROM "_s +
                                                    table.stored + where.sql + inEntryOrder(db.dialect()),
                                                where.params);
    if (rows.isEmpty())
        return !db.lastError().isError();
    Prepared insert(db, insertSql(table.history, annexKeyColumns() + QStringList{u"correl"_s} +
                                                     table.columns + QStringList{u"cnumero"_s}));
    const QVariantList keyValues = annexKeyValues(key) + QVariantList{correl};
    for (const QSqlRecord& row : rows) {
        if (!insert.exec(withCheckCode(keyValues + valuesOf(row, table.columns))))
            return false;
    }
    return true;
}

}  // namespace zem::store
