#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace zem {

struct Session;

// The taxpayers of the contributor register the user may see: the list, and a form to register a new one or
// edit the chosen one.
class TaxpayerPage : public QWidget {
    Q_OBJECT
public:
    explicit TaxpayerPage(Session& session, QWidget* parent = nullptr);

    void reload();
    void clearForm();
    bool save();

Q_SIGNALS:
    void taxpayersChanged();

private:
    void loadRow(int row);

    Session& session_;
    QStandardItemModel* model_;
    QTableView* table_;
    QLineEdit* ruc_;
    QLineEdit* apellidoP_;
    QLineEdit* apellidoM_;
    QLineEdit* nombres_;
    QLineEdit* nombre_;
    QSpinBox* tipoIngreso_;
    QComboBox* usuario_;
};

// The users of the launcher and their kind: the list, and a form to register a new one ("Nuevo") or change
// the kind of the chosen one.
class UserPage : public QWidget {
    Q_OBJECT
public:
    explicit UserPage(Session& session, QWidget* parent = nullptr);

    void reload();
    void clearForm();
    bool save();

Q_SIGNALS:
    void usersChanged();

private:
    Session& session_;
    QStandardItemModel* model_;
    QTableView* table_;
    QLineEdit* usuario_;
    QComboBox* tipo_;
};

}  // namespace zem
