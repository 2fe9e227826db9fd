#pragma once

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <functional>

namespace zem::reports {

// One row of an annex table, its columns reached by name (the column positions looked up once per query).
class AnnexRow {
public:
    explicit AnnexRow(const QSqlQuery& query);
    QString value(const QString& column) const;  // trimmed; "" for a column the table does not have
    bool has(const QString& column) const { return index_.contains(column.toLower()); }

private:
    const QSqlQuery& query_;
    QHash<QString, int> index_;
};

// How one annex listing lays out its rows: either one heading line with each column starting under its label
// (a row is then one text line of columns filled to their widths), or several headings with each column drawn
// as its own text under its heading.
struct AnnexColumn {
    QString label;  // in the heading line (single line) or the heading itself (several)
    int x = 0;      // several headings only
    std::function<QString(const AnnexRow&)> value;
    bool amount = false;         // right-aligned
    QString column = QString();  // the stored column of an amount
};

struct AnnexLayout {
    QString heading;  // the single heading line; empty when the columns carry their own headings
    QList<AnnexColumn> columns;
    QString amountMask = QStringLiteral("###,###,###,##0");
    QString totalLabel;   // empty: no total line
    QString totalColumn;  // summed over the rows; the total stands under this column's amounts
};

// Descriptions the rows show: catalogue texts and the names of payers registered for the declaration.
struct AnnexLookups {
    std::function<QString(const QString& catalogue, const QString& key)> describe;
    std::function<QString(const QString& document)> payerName;
};

// The layout of the listing of a table for a box (box empty: the whole table).
AnnexLayout annexLayout(const QString& table, const QString& box, const AnnexLookups& lookups);

// A period "yyyymm" shown as "mm/yyyy"; any other text as it stands.
QString shownPeriod(const QString& perTri);

}  // namespace zem::reports
