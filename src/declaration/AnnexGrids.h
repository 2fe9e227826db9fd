#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <array>

namespace zem {

class Db;
class Declaration;
struct Session;

// The four registers that the declaration window lists in its own grids.
enum class AnnexGridKind { Dividends, ForeignInvestments, Trusts, CoOwners };

// One grid of the declaration window: the rows of a working table as the window lists them. The rows are
// read into memory, so no statement stays open on the working table while the user works; refresh() reads
// them again after every change.
class AnnexGrid : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Shown {
        Text,
        Amount,        // whole units, "###,###,###,##0"
        Decimals,      // two decimals, "###,###,###,##0.00"
        DocumentType,  // the code with the short name of the type ("06 - RUC")
    };
    struct Column {
        QString name;  // column of the working table
        QString header;
        Shown shown = Shown::Text;
    };

    AnnexGrid(Db& db, QString table, QList<Column> columns, QStringList keyColumns,
              QObject* parent = nullptr);

    const QString& table() const { return table_; }
    const QStringList& keyColumns() const { return keyColumns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Reads the rows again; false when the database failed (the failure has been reported).
    bool refresh();
    int count() const { return static_cast<int>(rows_.size()); }
    // The stored text of a column of a row ("" for a null).
    QString value(int row, const QString& column) const;
    // The values of the key columns of the row, in order; empty for a row that does not exist.
    QVariantList key(int row) const;
    // Deletes the rows that carry the key of this row and reads the rows again.
    bool remove(int row);
    // Deletes every row of the working table.
    bool removeAll();
    // Every row as read, each with the values of the columns read (shown columns, then key columns).
    const QList<QStringList>& rows() const { return rows_; }

private:
    QString shownText(int row, const Column& column) const;

    Db& db_;
    QString table_;
    QList<Column> columns_;
    QStringList keyColumns_;
    QStringList read_;  // the columns read: shown columns, then the key columns not shown
    QList<QStringList> rows_;
    mutable QHash<QString, QString> typeNames_;  // document type -> its short name, read once per refresh
};

// The grids of the declaration window and their operations: reading them (Get_), their counts and totals
// (Cuenta_y_Suma_), deleting a row after the user confirms (Eliminar_), and box 118, which holds the total of
// the dividends received. Questions and refusals go through the session's message sink.
class AnnexGrids : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxCoOwners = 50;

    AnnexGrids(Session& session, Declaration& declaration, QObject* parent = nullptr);

    AnnexGrid& grid(AnnexGridKind kind) { return *grids_[index(kind)]; }

    // Read a grid again and recompute its count and total.
    void Get_Dividendos();
    void Get_Extranjero();
    void Get_Fideicomiso();
    void Get_Condominos();
    void Get(AnnexGridKind kind);
    void refreshAll();

    // The count and total labels; the dividends also write their distributed total into box 118, and the
    // trusts their count caption into box 553.
    void Cuenta_y_Suma_Dividendos();
    void Cuenta_y_Suma_Extranjero();
    void Cuenta_y_Suma_Fideicomiso0480();
    void Cuenta_condomino();

    // "Cantidad de Retenciones: 3", "Cantidad de registros: 2", "4 Registro(s)".
    QString countText(AnnexGridKind kind) const { return counts_[index(kind)]; }
    // The total of the amount column ("" for the co-owners); for the dividends, the distributed amount.
    QString totalText(AnnexGridKind kind) const { return totals_[index(kind)]; }
    // The tax withheld on the dividends.
    QString withheldText() const { return withheld_; }

    // "&Modificar": false (with the message) when the grid is empty.
    bool canModify(AnnexGridKind kind);
    // "&Eliminar" of the dividends, the investments abroad and the trusts: asks, then deletes the row.
    // False when nothing was deleted.
    bool Eliminar_Dividendos(int row);
    bool Eliminar_Extranjero(int row);
    bool Eliminar_Fideicomiso(int row);
    // The co-owners: a row must be selected (row < 0 is none); asks, then deletes it.
    bool Eliminar_Condomino(int row);
    // Adding a co-owner: false (with the message) when the list already holds the most it may.
    bool canAddCoOwner();
    // The co-owners registered (TMP_F0480CONDOMI).
    int NumSuministros() const;

    // The sum of a column of a working, stored or sent annex table, each value read as a number, optionally
    // restricted to one box; "0" when there are no rows. The table and column must be those of a register.
    static QString Suma_Retencion(Db& db, const QString& column, const QString& table,
                                  const QString& box = {});

Q_SIGNALS:
    // The count or total of a grid changed.
    void summaryChanged(zem::AnnexGridKind kind);

private:
    static int index(AnnexGridKind kind) { return static_cast<int>(kind); }
    bool eliminar(AnnexGridKind kind, int row);
    void setSummary(AnnexGridKind kind, const QString& count, const QString& total);

    Session& session_;
    Declaration& declaration_;
    std::array<AnnexGrid*, 4> grids_{};
    std::array<QString, 4> counts_;
    std::array<QString, 4> totals_;
    QString withheld_;
};

}  // namespace zem
