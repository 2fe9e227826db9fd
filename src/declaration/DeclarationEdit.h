#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "declaration/DeclarationState.h"
#include "declaration/WorkingRows.h"

namespace zem {

class Db;

// A working table as one edit found it and left it.
struct TableChange {
    TableRows before;
    TableRows after;
};

// One user edit of the open declaration, as everything it changed: every value of the model before and
// after (the box typed and every box the rules computed from it, the boxes an answer emptied, the sections
// it opened) and the rows of the working tables it touched. Taking it back puts the values before exactly;
// doing it again puts the values after.
struct DeclarationEdit {
    QString description;  // what the user did, "casilla 107"
    QList<FieldChange> fields;
    QList<TableChange> tables;

    bool isEmpty() const { return fields.isEmpty() && tables.isEmpty(); }
    // The same edit the other way round (what taking it back does).
    DeclarationEdit inverted() const;
};

// Records the user's edits of one declaration. An edit runs inside a scope: the scope takes the state of the
// model (and of the working tables the edit may touch) when it opens and, when the outermost scope closes,
// compares it with the state then; whatever differs is one edit, announced by recorded(). Scopes nest: an
// answer set while a box is typed belongs to the box's edit. What the rules write is part of the edit that
// made them run, never an edit of its own. Taking back or doing again an edit (undo/redo) goes through
// apply(), which is never recorded.
class EditRecorder : public QObject {
    Q_OBJECT

public:
    // db may be null (a declaration without a database has no working tables).
    EditRecorder(Declaration& declaration, Db* db, QObject* parent = nullptr);

    // A sent declaration cannot change: nothing is recorded.
    void setEnabled(bool on) { enabled_ = on; }
    bool isEnabled() const { return enabled_; }
    bool isRecording() const { return depth_ > 0; }
    // How many edits have been announced so far: a caller that compares it before and after its scope knows
    // whether the scope changed anything.
    int announced() const { return announced_; }

    // Opens a scope for the edit `description` that may change the rows of `tables`. A nested scope joins
    // the open edit (its tables are added).
    void begin(const QString& description, const QStringList& tables = {});
    // Closes a scope; the outermost one announces the edit when anything changed.
    void end();
    // Puts back what the open edit changed so far; closing its scope then announces nothing.
    void rollback();

    class Scope {
    public:
        Scope(EditRecorder& recorder, const QString& description, const QStringList& tables = {})
            : r_(recorder) {
            r_.begin(description, tables);
        }
        ~Scope() { r_.end(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        EditRecorder& r_;
    };

    // Puts the edit's values after (forward) or before it into the declaration and its working tables.
    // False when a working table could not be written back (reported by the database).
    bool apply(const DeclarationEdit& edit, bool forward);

Q_SIGNALS:
    void recorded(std::shared_ptr<const zem::DeclarationEdit> edit);
    // An edit was put into the declaration by apply(); `applied` is what changed (inverted when taken back).
    void applied(const zem::DeclarationEdit& applied, bool forward);

private:
    Declaration& d_;
    Db* db_;
    bool enabled_ = true;
    int depth_ = 0;
    int announced_ = 0;
    QString description_;
    DeclarationState before_;
    QList<TableRows> tablesBefore_;
    // The columns of each working table read so far: an empty table is then known without reading it.
    QHash<QString, QStringList> columnsOf_;
    TablePresence presence_;

    // The rows of each table: those the one question of which tables have rows finds empty are not read.
    QList<TableRows> snapshot(const QStringList& tables);
};

}  // namespace zem
