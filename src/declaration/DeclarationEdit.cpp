#include "declaration/DeclarationEdit.h"

#include <algorithm>

namespace zem {

DeclarationEdit DeclarationEdit::inverted() const {
    DeclarationEdit out;
    out.description = description;
    out.fields.reserve(fields.size());
    for (const FieldChange& c : fields)
        out.fields.append({c.kind, c.key, c.after, c.before});
    for (const TableChange& t : tables)
        out.tables.append({t.after, t.before});
    return out;
}

EditRecorder::EditRecorder(Declaration& declaration, Db* db, QObject* parent)
    : QObject(parent), d_(declaration), db_(db) {}

void EditRecorder::begin(const QString& description, const QStringList& tables) {
    if (!enabled_)
        return;
    if (depth_++ == 0) {
        description_ = description;
        before_ = d_.state();
        tablesBefore_.clear();
    }
    if (!db_)
        return;
    QStringList untaken;
    for (const QString& table : tables) {
        const bool taken = std::any_of(tablesBefore_.cbegin(), tablesBefore_.cend(),
                                       [&table](const TableRows& t) { return t.table == table; });
        if (!taken && !untaken.contains(table))
            untaken << table;
    }
    tablesBefore_ += snapshot(untaken);
}

QList<TableRows> EditRecorder::snapshot(const QStringList& tables) {
    QList<TableRows> out;
    if (tables.isEmpty())
        return out;
    const std::optional<QSet<QString>> withRows = presence_.withRows(*db_, tables);
    for (const QString& table : tables) {
        const auto known = columnsOf_.constFind(table);
        if (withRows && !withRows->contains(table) && known != columnsOf_.constEnd()) {
            out.append({table, *known, {}});
            continue;
        }
        out.append(readWorkingTable(*db_, table));
        if (!out.last().columns.isEmpty())
            columnsOf_.insert(table, out.last().columns);
    }
    return out;
}

void EditRecorder::end() {
    if (!enabled_ || depth_ == 0 || --depth_ > 0)
        return;
    auto edit = std::make_shared<DeclarationEdit>();
    edit->description = description_;
    edit->fields = diffStates(before_, d_.state());
    before_ = {};
    QStringList readable;
    for (const TableRows& before : std::as_const(tablesBefore_)) {
        if (!before.columns.isEmpty())  // otherwise the read failed: this table cannot be taken back
            readable << before.table;
    }
    QList<TableRows> now = db_ ? snapshot(readable) : QList<TableRows>();
    qsizetype at = 0;  // the tables read now come in the order of the readable ones before
    for (const TableRows& before : std::as_const(tablesBefore_)) {
        if (before.columns.isEmpty())
            continue;
        TableRows& after = now[at++];
        if (!after.columns.isEmpty() && !sameRows(after, before))
            edit->tables.append({before, std::move(after)});
    }
    tablesBefore_.clear();
    if (!edit->isEmpty()) {
        ++announced_;
        Q_EMIT recorded(edit);
    }
}

void EditRecorder::rollback() {
    if (depth_ == 0)
        return;
    for (const TableRows& before : std::as_const(tablesBefore_)) {
        if (db_ && !before.columns.isEmpty())
            writeWorkingTable(*db_, before);
    }
    applyChanges(d_, diffStates(before_, d_.state()), false);
}

bool EditRecorder::apply(const DeclarationEdit& edit, bool forward) {
    if (edit.isEmpty())
        return true;
    bool ok = true;
    for (const TableChange& t : edit.tables) {
        if (db_ && !writeWorkingTable(*db_, forward ? t.after : t.before))
            ok = false;
    }
    applyChanges(d_, edit.fields, forward);
    Q_EMIT applied(forward ? edit : edit.inverted(), forward);
    return ok;
}

}  // namespace zem
