#include "annexes/AnnexRegister.h"

#include "annexes/AnnexEntry.h"
#include "annexes/RegisterBox.h"
#include "data/Format.h"
#include "declaration/AnnexGrids.h"
#include "declaration/Declaration.h"
#include "declaration/DeclarationEditor.h"
#include "declaration/FieldRules.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kPeriodMask[] = u"0#/####";

}  // namespace

AnnexRegister::AnnexRegister(Session& session, DeclarationEditor& editor, int box, RegisterDef def,
                             QObject* parent)
    : QAbstractTableModel(parent), session_(session), editor_(editor), box_(box), def_(std::move(def)) {
    if (const AnnexTable* table = annexByWorking(def_.table))
        tableColumns_ = table->columns;
}

AnnexRegister::~AnnexRegister() = default;

MessageSink& AnnexRegister::sink() const {
    return session_.sink;
}

Declaration& AnnexRegister::declaration() const {
    return editor_.declaration();
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

QString AnnexRegister::whereOfList(QVariantList& params) const {
    QStringList conditions;
    if (!def_.boxColumn.isEmpty()) {
        conditions << def_.boxColumn + u" = ?"_s;
        params << box();
    }
    for (const QString& c : scopeColumns_)
        conditions << c + u" = ?"_s;
    params += scopeValues_;
    return conditions.isEmpty() ? QString() : u" WHERE "_s + conditions.join(u" AND "_s);
}

void AnnexRegister::setScope(const QStringList& columns, const QVariantList& values) {
    scopeColumns_ = columns;
    scopeValues_ = values;
    Get_RET();
}

bool AnnexRegister::Get_RET() {
    QList<QStringList> rows;
    bool ok = !tableColumns_.isEmpty();
    if (ok) {
        // The table and its columns are the register's own names, never user input.
        QVariantList params;
        const QString where = whereOfList(params);
        QSqlQuery q = db().select(u"SELECT "_s + tableColumns_.join(u", "_s) + u" FROM "_s + def_.table +
                                      where + inEntryOrder(db().dialect()),
                                  params);
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
    if (!scopeColumns_.isEmpty())
        return sumOfList(column);
    const QString table = def_.sumTable.isEmpty() ? def_.table : def_.sumTable;
    return AnnexGrids::Suma_Retencion(db(), column, table, def_.boxColumn.isEmpty() ? QString() : box());
}

QString AnnexRegister::sumOfList(const QString& column) const {
    if (!tableColumns_.contains(column))
        return u"0"_s;
    QVariantList params;
    const QString where = whereOfList(params);
    const QVariant sum = db().scalar(
        u"SELECT sum("_s + numberOf(db().dialect(), column) + u") FROM "_s + def_.table + where, params);
    return sum.isNull() || sum.toDouble() < 0 ? u"0"_s : sum.toString();
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
    return rows_.isEmpty() ? QString() : def_.countCaption + QString::number(count());
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
    if (def_.details.isEmpty()) {
        QSqlQuery q(db().handle());
        const bool ok =
            db().run(q, u"DELETE FROM "_s + def_.table + u" WHERE "_s + conditions.join(u" AND "_s), values);
        if (!ok) {
            // The list stays open and the table as it was.
            const DbError& e = db().lastError();
            sink().error(u"Error : "_s + QString::number(e.number) + u" Descripción : "_s + e.description,
                         u"Error"_s);
        }
        refreshAfterAction();
        return ok;
    }
    // A header goes with its lines, all or nothing.
    const bool ok = db().transaction([&] {
        if (!db().execute(u"DELETE FROM "_s + def_.table + u" WHERE "_s + conditions.join(u" AND "_s),
                          values))
            return false;
        for (const RegisterDef::DetailLink& link : def_.details) {
            QStringList on;
            QVariantList params;
            for (const auto& [mine, theirs] : link.columns) {
                on << theirs + u" = ?"_s;
                params << value(row, mine);
            }
            if (!db().execute(u"DELETE FROM "_s + link.table + u" WHERE "_s + on.join(u" AND "_s), params))
                return false;
        }
        return true;
    });
    refreshAfterAction();
    return ok;
}

void AnnexRegister::refreshAfterAction() {
    Get_RET();
    if (def_.writeEveryAction)
        writeBox();
}

int AnnexRegister::countWithKey(const QVariantList& key) const {
    return countWith(def_.key, key);
}

int AnnexRegister::countWith(const QStringList& columns, const QVariantList& values) const {
    QStringList conditions;
    for (const QString& column : columns)
        conditions << column + u" = ?"_s;
    const QVariant n = db().scalar(
        u"SELECT COUNT(*) FROM "_s + def_.table + u" WHERE "_s + conditions.join(u" AND "_s), values);
    return n.isNull() ? -1 : n.toInt();
}

int AnnexRegister::findRow(const QVariantList& wanted) const {
    for (int row = 0; row < count(); ++row) {
        const QVariantList k = key(row);
        bool same = k.size() == wanted.size();
        for (qsizetype i = 0; same && i < k.size(); ++i)
            same = k[i].toString().trimmed() == wanted[i].toString().trimmed();
        if (same)
            return row;
    }
    return -1;
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
    return writeBox();
}

bool AnnexRegister::writeBox() {
    // A total too long for the box is refused on leaving; until then the box keeps its value.
    if (!total_.isEmpty() && Format(total_, u"###########0.#0"_s).size() > 15)
        return false;
    // An empty register empties the box; a total of 0 formats to an empty box too, except where the box
    // shows its amount in parentheses.
    QList<QPair<int, QString>> boxes = {
        {box_, total_.isEmpty() ? QString() : Format(total_.trimmed(), def_.boxMask)}};
    if (def_.secondBox != 0) {
        boxes.append({def_.secondBox,
                      total_.isEmpty() ? QString() : Format(secondTotal_.trimmed(), def_.secondBoxMask)});
    }
    for (const auto& [box, text] : boxes) {
        if (const FieldResult r = writeRegisterBox(editor_, box, text); !r) {
            sink().error(r.message, def_.caption);
            return false;
        }
    }
    return true;
}

}  // namespace zem
