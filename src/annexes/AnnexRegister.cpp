#include "annexes/AnnexRegister.h"

#include "annexes/AnnexEntry.h"
#include "annexes/RegisterBox.h"
#include "data/Format.h"
#include "declaration/AnnexGrids.h"
#include "declaration/Declaration.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kPeriodMask[] = u"0#/####";

}  // namespace

AnnexRegister::AnnexRegister(Session& session, Rules& rules, int box, RegisterDef def, QObject* parent)
    : QAbstractTableModel(parent), session_(session), rules_(rules), box_(box), def_(std::move(def)) {
    if (const AnnexTable* table = annexByWorking(def_.table))
        tableColumns_ = table->columns;
}

AnnexRegister::~AnnexRegister() = default;

MessageSink& AnnexRegister::sink() const {
    return session_.sink;
}

Db& AnnexRegister::db() const {
    return session_.db();
}

QString AnnexRegister::box() const {
    return boxCode(box_);
}

int AnnexRegister::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int AnnexRegister::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(def_.columns.size());
}

QString AnnexRegister::shown(int row, const RegisterColumn& column) const {
    const QString v = value(row, column.name).trimmed();
    if (column.mask.isEmpty() || v.isEmpty())
        return v;
    if (column.mask == kPeriodMask)
        return AnnexEntry::periodText(v);
    return Format(Val(v), column.mask);
}

QVariant AnnexRegister::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || index.column() >= def_.columns.size())
        return {};
    const RegisterColumn& column = def_.columns[index.column()];
    if (role == Qt::DisplayRole)
        return shown(index.row(), column);
    if (role == Qt::TextAlignmentRole && column.mask.contains(u'#') && column.mask != kPeriodMask)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant AnnexRegister::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < def_.columns.size())
        return def_.columns[section].header;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool AnnexRegister::Get_RET() {
    QList<QStringList> rows;
    bool ok = !tableColumns_.isEmpty();
    if (ok) {
        // The table and its columns are the register's own names, never user input.
        QSqlQuery q = db().select(
            u"SELECT "_s + tableColumns_.join(u", "_s) + u" FROM "_s + def_.table + u" WHERE casilla = ?"_s,
            {box()});
        ok = q.isActive();
        while (ok && q.next()) {
            QStringList values;
            for (const QString& c : tableColumns_)
                values << (q.value(c).isNull() ? QString() : q.value(c).toString());
            rows << values;
        }
    }
    beginResetModel();
    rows_ = rows;
    endResetModel();
    // Cuenta_y_Suma_Ret
    total_ = rows_.isEmpty() ? QString() : Format(Val(sum(def_.sumColumn)), def_.totalMask);
    secondTotal_ = rows_.isEmpty() || def_.secondSumColumn.isEmpty()
                       ? QString()
                       : Format(Val(sum(def_.secondSumColumn)), def_.totalMask);
    Q_EMIT summaryChanged();
    return ok;
}

QString AnnexRegister::sum(const QString& column) const {
    return AnnexGrids::Suma_Retencion(db(), column, def_.table, box());
}

QString AnnexRegister::value(int row, const QString& column) const {
    const qsizetype at = tableColumns_.indexOf(column);
    if (row < 0 || row >= count() || at < 0)
        return {};
    return rows_[row][at];
}

QVariantList AnnexRegister::key(int row) const {
    QVariantList key;
    for (const QString& column : def_.key)
        key << value(row, column);
    return key;
}

QString AnnexRegister::countText() const {
    return rows_.isEmpty() ? QString() : u"Cantidad de registros: "_s + QString::number(count());
}

bool AnnexRegister::canModify() {
    if (count() > 0)
        return true;
    sink().error(u"No existen registros para modificar"_s, def_.caption);
    return false;
}

bool AnnexRegister::Eliminar_ITF(int row) {
    if (count() == 0) {
        sink().error(u"No existen registros para eliminar"_s, def_.caption);
        return false;
    }
    if (row < 0 || row >= count())
        return false;
    if (sink().ask(def_.deleteQuestion, u"Eliminar Registro"_s, MsgButtons::YesNo, MsgAnswer::No) !=
        MsgAnswer::Yes)
        return false;
    return remove(row);
}

bool AnnexRegister::remove(int row) {
    if (row < 0 || row >= count())
        return false;
    const QVariantList values = key(row);
    QStringList conditions;
    for (const QString& column : def_.key)
        conditions << column + u" = ?"_s;
    setModified(true);
    QSqlQuery q(db().handle());
    const bool ok =
        db().run(q, u"DELETE FROM "_s + def_.table + u" WHERE "_s + conditions.join(u" AND "_s), values);
    if (!ok) {
        // The list stays open and the table as it was.
        const DbError& e = db().lastError();
        sink().error(u"Error : "_s + QString::number(e.number) + u" Descripción : "_s + e.description,
                     u"Error"_s);
    }
    return Get_RET() && ok;
}

int AnnexRegister::countWithKey(const QVariantList& key) const {
    QStringList conditions;
    for (const QString& column : def_.key)
        conditions << column + u" = ?"_s;
    const QVariant n = db().scalar(
        u"SELECT COUNT(*) FROM "_s + def_.table + u" WHERE "_s + conditions.join(u" AND "_s), key);
    return n.isNull() ? -1 : n.toInt();
}

std::unique_ptr<AnnexEntry> AnnexRegister::entryFor(int row) {
    std::unique_ptr<AnnexEntry> entry = newEntry();
    entry->Captura_Datos(row);
    return entry;
}

bool AnnexRegister::leave() {
    if (!total_.isEmpty() && Format(total_, u"###########0.#0"_s).size() > 15) {
        sink().error(u"El total es demasiado grande. Debe modificar alguno de los montos. "_s, def_.caption);
        return false;
    }
    // An empty register empties the box; a total of 0 formats to an empty box too, except where the box
    // shows its amount in parentheses.
    writeRegisterBox(rules_, box_, total_.isEmpty() ? QString() : Format(total_.trimmed(), def_.boxMask));
    if (def_.secondBox != 0) {
        writeRegisterBox(rules_, def_.secondBox,
                         total_.isEmpty() ? QString() : Format(secondTotal_.trimmed(), def_.secondBoxMask));
    }
    return true;
}

}  // namespace zem
