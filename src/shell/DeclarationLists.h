#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {

class Db;
struct Session;

// The lists a declaration is chosen from.
enum class DeclarationList {
    InPreparation,       // CAB: modify and delete
    Sent,                // HCAB with estado 1: delete
    SentForOrderNumber,  // every HCAB row of the form: register the order number
};

// One declaration of a list with its taxpayer's name.
struct DeclarationRow {
    QString ruc;
    QString nombre;
    QString periodo;  // as stored, "2006"
    QString formulario;
    int estado = 0;
    int semana = 0;
    // Sent declarations only.
    QString correl;
    QString fecEnv;
    QString norden;
    QString control;
    QString rectifica;

    // The period as the lists show it: characters 5-6 and then 1-4 ("2006" for a yearly declaration).
    QString periodoShown() const { return periodo.mid(4, 2) + periodo.left(4); }
};

// Which declarations a list shows: those of the form, of declarants of document type 6 registered in CONT,
// and only the taxpayers registered by the user unless the user sees every taxpayer (kind "0" in CLAVES).
// The module's lists, the launcher's and the batch tool's all follow it.
struct ListFilter {
    DeclarationList list = DeclarationList::InPreparation;
    QString formulario = QStringLiteral("0482");
    QString usuario;
};

// The rows of a list. When the database fails to give them all, the failure has been reported, *failed is set
// and the list is empty.
QList<DeclarationRow> declarationRows(Db& db, const ListFilter& filter, bool* failed = nullptr);

// The list's filter for the session's user and form.
ListFilter sessionFilter(const Session& session, DeclarationList list);

// The key of the row's declaration; sent declarations carry their sequence.
DeclarationKey declarationKey(const DeclarationRow& row, DeclarationList list);

// The rows of one list as a grid shows them.
class DeclarationListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DeclarationListModel(DeclarationList list, QObject* parent = nullptr);

    void setRows(QList<DeclarationRow> rows);
    const QList<DeclarationRow>& rows() const { return rows_; }
    const DeclarationRow* rowAt(int row) const;
    // The row of the same declaration (key and sequence) as `row`, -1 when it is no longer listed.
    int rowOf(const DeclarationRow& row) const;
    DeclarationList list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    DeclarationList list_;
    QList<DeclarationRow> rows_;
};

// The status of a declaration as the lists show it.
QString estadoText(int estado);

}  // namespace zem
