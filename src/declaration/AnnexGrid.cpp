// One grid of the declaration window over a working table.
#include "data/Documents.h"
#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/AnnexGrids.h"
#include "startup/Database.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

AnnexGrid::AnnexGrid(Db& db, QString table, QList<Column> columns, QStringList keyColumns, QObject* parent)
    : QAbstractTableModel(parent),
      db_(db),
      table_(std::move(table)),
      columns_(std::move(columns)),
      keyColumns_(std::move(keyColumns)) {
    for (const Column& c : columns_)
        read_ << c.name;
    for (const QString& k : keyColumns_) {
        if (!read_.contains(k))
            read_ << k;
    }
}

int AnnexGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int AnnexGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString AnnexGrid::shownText(int row, const Column& column) const {
    const QString v = value(row, column.name).trimmed();
    switch (column.shown) {
        case Shown::Text:
            return v;
        case Shown::Amount:
            return v.isEmpty() ? v : Format(Val(v), masks::kAmount);
        case Shown::Decimals:
            return v.isEmpty() ? v : Format(Val(v), masks::kTwoDecimalsFixed);
        case Shown::DocumentType: {
            auto it = typeNames_.find(v);
            if (it == typeNames_.end())
                it = typeNames_.insert(v, documents::documentDescription(db_, v, true).trimmed());
            const QString& name = *it;
            const QString code = v.size() == 1 && v[0].isDigit() ? u'0' + v : v;
            return name.isEmpty() ? code : code + u" - "_s + name;
        }
    }
    return v;
}

QVariant AnnexGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || index.column() >= columns_.size())
        return {};
    const Column& column = columns_[index.column()];
    if (role == Qt::DisplayRole)
        return shownText(index.row(), column);
    if (role == Qt::TextAlignmentRole && column.shown != Shown::Text && column.shown != Shown::DocumentType)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant AnnexGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_.size())
        return columns_[section].header;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool AnnexGrid::refresh() {
    QList<QStringList> rows;
    // The table and the column names are the register's own constants, never user input.
    QSqlQuery q =
        db_.select(u"SELECT "_s + read_.join(u", "_s) + u" FROM "_s + table_ + inEntryOrder(db_.dialect()));
    const bool ok = q.isActive();
    while (ok && q.next()) {
        QStringList values;
        for (const QString& column : read_)
            values << (q.value(column).isNull() ? QString() : q.value(column).toString());
        rows << values;
    }
    beginResetModel();
    rows_ = rows;
    typeNames_.clear();
    endResetModel();
    return ok;
}

QString AnnexGrid::value(int row, const QString& column) const {
    const qsizetype at = read_.indexOf(column);
    if (row < 0 || row >= count() || at < 0)
        return {};
    return rows_[row][at];
}

QVariantList AnnexGrid::key(int row) const {
    QVariantList key;
    if (row < 0 || row >= count())
        return key;
    for (const QString& k : keyColumns_) {
        const QString v = value(row, k);
        key << (v.isNull() ? QVariant() : QVariant(v));
    }
    return key;
}

bool AnnexGrid::remove(int row) {
    const QVariantList values = key(row);
    if (values.isEmpty())
        return false;
    QStringList conditions;
    QVariantList params;
    for (int i = 0; i < keyColumns_.size(); ++i) {
        if (values[i].isNull()) {
            conditions << keyColumns_[i] + u" IS NULL"_s;
        } else {
            conditions << keyColumns_[i] + u" = ?"_s;
            params << values[i];
        }
    }
    const bool ok =
        db_.execute(u"DELETE FROM "_s + table_ + u" WHERE "_s + conditions.join(u" AND "_s), params);
    return refresh() && ok;
}

bool AnnexGrid::removeAll() {
    const bool ok = db_.execute(u"DELETE FROM "_s + table_);
    return refresh() && ok;
}

}  // namespace zem
