#include "shell/ui/ZemStatBar.h"

#include <QLabel>

#include "shell/DeclarationLists.h"

namespace zem {

using namespace Qt::StringLiterals;

ZemStatBar::ZemStatBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(u"BarradeEstadoZEM1"_s);
    setSizeGripEnabled(false);
    numDocLabel_ = panel(100, 0);
    nombreLabel_ = panel(160, 1);
    anioLabel_ = panel(50, 0);
    formularioLabel_ = panel(50, 0);
    modoLabel_ = panel(24, 0);
    numDocLabel_->setToolTip(u"Número de documento"_s);
    nombreLabel_->setToolTip(u"Apellidos y nombres o razón social"_s);
    anioLabel_->setToolTip(u"Ejercicio"_s);
    formularioLabel_->setToolTip(u"Formulario"_s);
    modoLabel_->setToolTip(u"Modo"_s);
}

QLabel* ZemStatBar::panel(int minimumWidth, int stretch) {
    auto* label = new QLabel(this);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    label->setContentsMargins(4, 0, 4, 0);
    addPermanentWidget(label, stretch);
    return label;
}

void ZemStatBar::setNumDoc(const QString& text) {
    numDoc_ = text;
    numDocLabel_->setText(text);
}

void ZemStatBar::setNombre(const QString& text) {
    nombre_ = text;
    nombreLabel_->setText(text);
}

void ZemStatBar::setAnio(const QString& text) {
    anio_ = text;
    anioLabel_->setText(text);
}

void ZemStatBar::setFormulario(const QString& text) {
    formulario_ = text;
    formularioLabel_->setText(text);
}

void ZemStatBar::setModo(int mode) {
    modo_ = mode;
    modoLabel_->setText(QString::number(mode));
}

void ZemStatBar::showDeclaration(const DeclarationRow& row) {
    setNumDoc(row.ruc);
    setNombre(row.nombre);
    setAnio(row.periodoShown());
    setFormulario(row.formulario);
}

}  // namespace zem
