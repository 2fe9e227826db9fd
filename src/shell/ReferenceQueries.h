#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace zem {

class Db;

// The read-only look-ups of the parameter catalogue offered from the "&Consultas" menu.
enum class ReferenceKind { Professions = 1, Banks = 2, Uit = 3 };

struct ReferenceRow {
    QString codigo;
    QString descrip;
};

// "Consulta de Profesiones", "Consulta de Bancos", "Consulta de UIT".
QString referenceCaption(ReferenceKind kind);
// The two column titles; the UIT query shows "Fecha" and "Valor".
QStringList referenceHeaders(ReferenceKind kind);

// Professions ("979") and banks ("004"): the two-character code and the 36-character name, without the code
// "00". UIT ("404"): the validity date "dd/mm/yyyy" and the amount "###,###", newest first.
QList<ReferenceRow> referenceRows(Db& db, ReferenceKind kind);

class ReferenceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ReferenceModel(ReferenceKind kind, QList<ReferenceRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ReferenceKind kind_;
    QList<ReferenceRow> rows_;
};

}  // namespace zem
