#pragma once

#include <QStatusBar>

class QLabel;

namespace zem {

class ElidedPanel;

// The family's status bar: five panels with the document number and the name of the chosen declarant, the
// fiscal year, the form number and a numeric mode.
struct DeclarationRow;

class ZemStatBar : public QStatusBar {
    Q_OBJECT
public:
    explicit ZemStatBar(QWidget* parent = nullptr);

    void setNumDoc(const QString& text);
    // A name longer than its panel ends in an ellipsis; the whole name is then the panel's tooltip.
    void setNombre(const QString& text);
    void setAnio(const QString& text);
    void setFormulario(const QString& text);
    void setModo(int mode);
    // The declaration a list is on: its document number, name, year and form.
    void showDeclaration(const DeclarationRow& row);

    QString numDoc() const { return numDoc_; }
    QString nombre() const { return nombre_; }
    QString anio() const { return anio_; }
    QString formulario() const { return formulario_; }
    int modo() const { return modo_; }

private:
    QLabel* panel(int minimumWidth, int stretch);
    void framePanel(QLabel* label, int minimumWidth, int stretch);

    QString numDoc_, nombre_, anio_, formulario_;
    int modo_ = 0;
    QLabel* numDocLabel_;
    ElidedPanel* nombreLabel_;
    QLabel* anioLabel_;
    QLabel* formularioLabel_;
    QLabel* modoLabel_;
};

}  // namespace zem
