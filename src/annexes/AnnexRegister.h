#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace zem {

class AnnexEntry;
class Db;
class MessageSink;
class Declaration;
class DeclarationEditor;
struct Session;

// One column of a register's list: the stored column, its heading and how it is shown ("" as stored, a
// number mask such as "#,###,###,##0.00", or the period mask "0#/####", which shows "200601" as "01/2006").
struct RegisterColumn {
    QString name;
    QString header;
    QString mask;
};

// What tells one register's list apart from another's: its working table and key, its list columns, its
// totals, its texts and how leaving it writes the box it feeds. Everything else is the same for all of them.
struct RegisterDef {
    QString name;                   // the list window's name, "frmPagos" (its help section)
    QString table;                  // working table, "TMP_F0480PAGOS"
    QStringList key;                // the columns that identify a row, "casilla" first
    QList<RegisterColumn> columns;  // the list, in order
    QString sumColumn;              // summed into the total label
    QString totalMask = QStringLiteral("###,###,###,##0");
    QString caption;     // window caption: the title of its messages
    QString frame;       // frame around the list
    QString totalLabel;  // "Total pagos sin intereses"
    // An optional second total (box 133 also totals the taxable income declared, which goes to box 100).
    QString secondSumColumn;
    QString secondTotalLabel;
    int secondBox = 0;
    QString secondBoxMask;
    // Leaving writes the box: the trimmed total formatted with this mask ("###,###,###,###" leaves a total
    // of 0 as an empty box).
    QString boxMask = QStringLiteral("###,###,###,###");
    QString deleteQuestion;
    // The column that holds the box ("" for a register of no box, such as the dividends).
    QString boxColumn = QStringLiteral("casilla");
    // The table the total is summed over when it is not the register's own (the payers of box 107 are
    // totalled over their receipts).
    QString sumTable;
    // "Cantidad de registros: " followed by the count.
    QString countCaption = QStringLiteral("Cantidad de registros: ");
    // The refusal of a key already registered.
    QString duplicateMessage = QStringLiteral("Los datos que desea registrar ya fueron ingresados. ");
    // The columns a new entry is compared on when not the whole key (a legal norm is a duplicate by box,
    // type and number, whatever its year and article).
    QStringList duplicateKey;
    // The box is written after every change of the list (new, modify, delete), not only on leaving.
    bool writeEveryAction = false;
    // Tables whose rows belong to a row of this register (the lines of a header): deleting the row deletes
    // them in the same transaction. Each link pairs a column of this register with the detail's column.
    struct DetailLink {
        QString table;
        QList<QPair<QString, QString>> columns;
    };
    QList<DetailLink> details;
};

// The list of one annex register over its working table: the rows of the box it serves (its box owner), their
// count and total, deleting a row after the user confirms, the duplicate-key check of its entry, the modified
// flag, and leaving, which writes the total into the declaration's box and so starts the change chain.
// The windows and the batch tool both work through it; a register adds only its definition and its entry.
class AnnexRegister : public QAbstractTableModel {
    Q_OBJECT

public:
    AnnexRegister(Session& session, DeclarationEditor& editor, int box, RegisterDef def,
                  QObject* parent = nullptr);
    ~AnnexRegister() override;

    Session& session() const { return session_; }
    MessageSink& sink() const;
    Db& db() const;
    // The one setter of the open declaration, through which the register writes its box; the declaration.
    DeclarationEditor& editor() const { return editor_; }
    Declaration& declaration() const;
    const RegisterDef& def() const { return def_; }
    // The box owner: "133".
    QString box() const;
    int boxNumber() const { return box_; }
    // Every column of the working table, in table order.
    const QStringList& tableColumns() const { return tableColumns_; }

    // --- The list ------------------------------------------------------------------------------------------
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Get_RET: reads the box's rows again (in the table's own order) with their count and totals. False when
    // the database failed (reported).
    bool Get_RET();
    int count() const { return static_cast<int>(rows_.size()); }
    // The stored text of a column of a row, "" for a null or a row that does not exist.
    QString value(int row, const QString& column) const;
    // The values of the key columns of the row.
    QVariantList key(int row) const;

    // Cuenta_y_Suma_Ret: "Cantidad de registros: 3" ("" when empty); the totals formatted with the total
    // mask, "" when the list is empty.
    QString countText() const;
    QString totalText() const { return total_; }
    QString secondTotalText() const { return secondTotal_; }

    // --- Rows ----------------------------------------------------------------------------------------------
    // "&Modificar": false, with "No existen registros para modificar", on an empty list.
    bool canModify();
    // "&Eliminar" (Eliminar_ITF): refuses on an empty list, asks the register's question, then deletes the
    // row. False when nothing was deleted. The box changes only when the register is left.
    bool Eliminar_ITF(int row);
    // Deletes the rows that carry the key of this row, with their detail lines, in one transaction and
    // without asking; sets the modified flag.
    bool remove(int row);
    // Rows of the working table (of any box) with these key values, or -1 when the database failed.
    int countWithKey(const QVariantList& key) const;
    // The same over other columns of the table.
    int countWith(const QStringList& columns, const QVariantList& values) const;
    // The row of the list with these key values (compared as trimmed texts), or -1.
    int findRow(const QVariantList& key) const;

    // Limits the list to the lines of one header: each column must hold the value (the receipts of one
    // payer). The rows are read again.
    void setScope(const QStringList& columns, const QVariantList& values);
    // The sum of a column over the rows of the list (box and scope), "0" when none.
    QString sumOfList(const QString& column) const;
    // After a change made from the list (a new, modified or deleted row): the rows and totals are read again
    // and, for a register that says so, the box is written at once.
    void refreshAfterAction();

    // A new entry ("NUEVO") or the entry of a row ("MODIFICA", row captured, key locked), for the detail
    // window or the batch tool.
    virtual std::unique_ptr<AnnexEntry> newEntry() = 0;
    std::unique_ptr<AnnexEntry> entryFor(int row);

    // --- State ---------------------------------------------------------------------------------------------
    // Information changed and not yet confirmed.
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // "&Salir": writes the total into the box (and the second total into its box); the box's change starts
    // the chain. False, with "El total es demasiado grande. Debe modificar alguno de los montos. ", when the
    // total does not fit: the box then keeps its value and the list stays open.
    bool leave();

Q_SIGNALS:
    // The count or the totals changed.
    void summaryChanged();

protected:
    // The text a list cell shows; a register may show columns that are not stored (a name run together).
    virtual QString shown(int row, const RegisterColumn& column) const;

private:
    QString sum(const QString& column) const;
    QString whereOfList(QVariantList& params) const;
    // Writes the box (and the second box); false, with the setter's message, when the box refused it.
    bool writeBox();

    Session& session_;
    DeclarationEditor& editor_;
    int box_;
    RegisterDef def_;
    QStringList tableColumns_;
    QList<QStringList> rows_;
    QString total_;
    QString secondTotal_;
    bool modified_ = false;
    QStringList scopeColumns_;
    QVariantList scopeValues_;
};

}  // namespace zem
