#include "shell/ReferenceQueries.h"

#include "data/Format.h"
#include "startup/Database.h"

namespace zem {

using namespace Qt::StringLiterals;

QString referenceCaption(ReferenceKind kind) {
    switch (kind) {
        case ReferenceKind::Professions:
            return u"Consulta de Profesiones"_s;
        case ReferenceKind::Banks:
            return u"Consulta de Bancos"_s;
        case ReferenceKind::Uit:
            return u"Consulta de UIT"_s;
    }
    return {};
}

QStringList referenceHeaders(ReferenceKind kind) {
    if (kind == ReferenceKind::Uit)
        return {u"Fecha"_s, u"Valor"_s};
    return {u"Código"_s, kind == ReferenceKind::Banks ? u"Banco"_s : u"Profesión u Oficio"_s};
}

QList<ReferenceRow> referenceRows(Db& db, ReferenceKind kind) {
    QList<ReferenceRow> rows;
    if (kind == ReferenceKind::Uit) {
        QSqlQuery q = db.select(
            u"SELECT argumento, funcion FROM param WHERE numero = ? ORDER BY argumento DESC"_s, {u"404"_s});
        while (q.next()) {
            // The key is the validity start "yyyymmdd", shown day first.
            const QString key = q.value(u"argumento"_s).toString().trimmed();
            const QString date =
                key.size() == 8 ? key.mid(6, 2) + u'/' + key.mid(4, 2) + u'/' + key.left(4) : key;
            rows.append({date, Format(Val(q.value(u"funcion"_s).toString().trimmed()), u"###,###"_s)});
        }
        return rows;
    }
    const QString code = kind == ReferenceKind::Banks ? u"004"_s : u"979"_s;
    QSqlQuery q =
        db.select(u"SELECT argumento, funcion FROM param WHERE numero = ? ORDER BY argumento"_s, {code});
    while (q.next()) {
        const QString key = q.value(u"argumento"_s).toString();
        if (key.trimmed() == u"00")
            continue;  // "00" is no bank and no profession
        rows.append({key.left(2), q.value(u"funcion"_s).toString().left(36)});
    }
    return rows;
}

ReferenceModel::ReferenceModel(ReferenceKind kind, QList<ReferenceRow> rows, QObject* parent)
    : QAbstractTableModel(parent), kind_(kind), rows_(std::move(rows)) {}

int ReferenceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReferenceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant ReferenceModel::data(const QModelIndex& index, int role) const {
    if (index.row() < 0 || index.row() >= rows_.size())
        return {};
    if (role == Qt::TextAlignmentRole && kind_ == ReferenceKind::Uit && index.column() == 1)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const ReferenceRow& r = rows_[index.row()];
    return index.column() == 0 ? r.codigo : r.descrip;
}

QVariant ReferenceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2)
        return referenceHeaders(kind_).at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace zem
