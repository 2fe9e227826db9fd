#include "shell/DeclarationLists.h"

#include "data/Documents.h"
#include "startup/Database.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

enum class Column { Ruc, Nombre, Periodo, Formulario, Estado, FecEnv, Correl, NOrden, Control };

QList<Column> columnsOf(DeclarationList list) {
    switch (list) {
        case DeclarationList::InPreparation:
            return {Column::Ruc, Column::Nombre, Column::Periodo, Column::Formulario, Column::Estado};
        case DeclarationList::Sent:
            return {Column::Ruc,        Column::Nombre, Column::FecEnv, Column::Periodo,
                    Column::Formulario, Column::Correl, Column::NOrden, Column::Control};
        case DeclarationList::SentForOrderNumber:
            return {Column::Ruc,    Column::Nombre, Column::Periodo, Column::Formulario,
                    Column::NOrden, Column::FecEnv, Column::Control, Column::Correl};
    }
    return {};
}

QString header(Column c) {
    switch (c) {
        case Column::Ruc:
            return u"RUC"_s;
        case Column::Nombre:
            return u"Apellidos y Nombres / Razón Social"_s;
        case Column::Periodo:
            return u"Periodo"_s;
        case Column::Formulario:
            return u"Formulario"_s;
        case Column::Estado:
            return u"Estado"_s;
        case Column::FecEnv:
            return u"Fecha de envío"_s;
        case Column::Correl:
            return u"Correlativo"_s;
        case Column::NOrden:
            return u"N° de orden"_s;
        case Column::Control:
            return u"Control"_s;
    }
    return {};
}

QString cell(const DeclarationRow& r, Column c) {
    switch (c) {
        case Column::Ruc:
            return r.ruc;
        case Column::Nombre:
            return r.nombre;
        case Column::Periodo:
            return r.periodoShown();
        case Column::Formulario:
            return r.formulario;
        case Column::Estado:
            return estadoText(r.estado);
        case Column::FecEnv:
            return r.fecEnv;
        case Column::Correl:
            return r.correl;
        case Column::NOrden:
            return r.norden;
        case Column::Control:
            return r.control;
    }
    return {};
}

bool readRows(Db& db, const ListFilter& filter, QList<DeclarationRow>* out) {
    const bool sent = filter.list != DeclarationList::InPreparation;
    QString sql =
        sent ? u"SELECT a.doc_id_d, b.nombre, a.periodo, a.formulario, a.estado, a.semana, a.correl, "
               u"a.fec_env, a.norden, a.control, a.rectifica FROM hcab AS a, cont AS b"_s
             : u"SELECT a.doc_id_d, b.nombre, a.periodo, a.formulario, a.estado, a.semana "
               u"FROM cab AS a, cont AS b"_s;
    sql += u" WHERE a.doc_id_d = b.doc_id_d AND a.tip_doc_d = 6 AND b.tip_doc_d = 6 AND a.formulario = ?"_s;
    QVariantList params{filter.formulario};
    if (documents::userKind(db, filter.usuario) != u"0") {
        sql += u" AND b.usuario = ?"_s;
        params << filter.usuario;
    }
    switch (filter.list) {
        case DeclarationList::InPreparation:
            sql += u" ORDER BY a.doc_id_d ASC, a.periodo DESC, a.formulario ASC"_s;
            break;
        case DeclarationList::Sent:
            sql += u" AND a.estado = 1 ORDER BY a.doc_id_d ASC, a.correl ASC"_s;
            break;
        case DeclarationList::SentForOrderNumber:
            sql += u" ORDER BY a.doc_id_d ASC, a.periodo, a.correl ASC"_s;
            break;
    }

    QSqlQuery q = db.select(sql, params);
    while (q.next()) {
        DeclarationRow r;
        r.ruc = q.value(u"doc_id_d"_s).toString();
        r.nombre = q.value(u"nombre"_s).toString();
        r.periodo = q.value(u"periodo"_s).toString();
        r.formulario = q.value(u"formulario"_s).toString();
        r.estado = q.value(u"estado"_s).toInt();
        r.semana = q.value(u"semana"_s).toInt();
        if (sent) {
            r.correl = q.value(u"correl"_s).toString();
            r.fecEnv = q.value(u"fec_env"_s).toString();
            r.norden = q.value(u"norden"_s).toString();
            r.control = q.value(u"control"_s).toString();
            r.rectifica = q.value(u"rectifica"_s).toString();
        }
        out->append(r);
    }
    return q.isActive();
}

}  // namespace

QList<DeclarationRow> declarationRows(Db& db, const ListFilter& filter, bool* failed) {
    QList<DeclarationRow> rows;
    // One read: the user's kind and the rows from the same moment, and a failure of either is a failure of
    // the list, never a shorter list.
    const bool ok = db.transaction([&] { return readRows(db, filter, &rows); }, Db::Access::Read);
    if (failed)
        *failed = !ok;
    return ok ? rows : QList<DeclarationRow>();
}

ListFilter sessionFilter(const Session& session, DeclarationList list) {
    ListFilter f;
    f.list = list;
    f.formulario = session.gFormulario;
    f.usuario = session.usuario();
    return f;
}

DeclarationKey declarationKey(const DeclarationRow& row, DeclarationList list) {
    DeclarationKey key;
    key.ruc = row.ruc;
    key.periodo = row.periodo;
    key.formulario = row.formulario;
    key.semana = row.semana;
    key.sent = list != DeclarationList::InPreparation;
    key.correl = row.correl;
    return key;
}

QString estadoText(int estado) {
    switch (estado) {
        case 0:
            return u"Consistente"_s;
        case 9:
            return u"Con inconsistencias"_s;
        case 1:
            return u"Enviada"_s;
        default:
            return QString::number(estado);
    }
}

DeclarationListModel::DeclarationListModel(DeclarationList list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

void DeclarationListModel::setRows(QList<DeclarationRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const DeclarationRow* DeclarationListModel::rowAt(int row) const {
    return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
}

int DeclarationListModel::rowOf(const DeclarationRow& row) const {
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const DeclarationRow& r = rows_[i];
        if (r.ruc == row.ruc && r.periodo == row.periodo && r.formulario == row.formulario &&
            r.semana == row.semana && r.correl == row.correl)
            return static_cast<int>(i);
    }
    return -1;
}

int DeclarationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DeclarationListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columnsOf(list_).size());
}

QVariant DeclarationListModel::data(const QModelIndex& index, int role) const {
    const DeclarationRow* r = rowAt(index.row());
    const QList<Column> columns = columnsOf(list_);
    if (!r || index.column() < 0 || index.column() >= columns.size() || role != Qt::DisplayRole)
        return {};
    return cell(*r, columns[index.column()]);
}

QVariant DeclarationListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const QList<Column> columns = columnsOf(list_);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return header(columns[section]);
}

}  // namespace zem
