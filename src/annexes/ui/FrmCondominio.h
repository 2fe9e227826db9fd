#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zem {

class Condominio;

// frmCondominio: "Tipo de Documento" and "Número de Documento" of one co-owner, "&Aceptar" and "&Salir"
// (cmddetalle 0 and 1). Only binds the co-owner entry; it closes once the list holds 50 co-owners.
class FrmCondominio : public QDialog {
    Q_OBJECT

public:
    FrmCondominio(Condominio& entry, bool sent, QWidget* parent = nullptr);

    void aceptar();

public Q_SLOTS:
    // "&Salir" or closing: asks when something was typed and not saved (never for a sent declaration).
    void reject() override;

private:
    void showEntry();

    Condominio& entry_;
    bool sent_;
    QComboBox* cboTipo_ = nullptr;
    QLineEdit* txtNumero_ = nullptr;
};

}  // namespace zem
