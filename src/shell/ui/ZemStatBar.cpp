#include "shell/ui/ZemStatBar.h"

#include <QLabel>

#include "shell/DeclarationLists.h"

namespace zem {

using namespace Qt::StringLiterals;

// A panel whose text, when it does not fit, ends in an ellipsis at a whole character instead of being cut
// wherever the frame ends; the whole text is then its tooltip.
class ElidedPanel : public QLabel {
public:
    ElidedPanel(const QString& tip, QWidget* parent) : QLabel(parent), tip_(tip) { setToolTip(tip); }

    void setFullText(const QString& text) {
        full_ = text;
        elide();
    }

    QSize minimumSizeHint() const override {
        // The text never widens the panel: it is elided to the room there is.
        return {minimumWidth(), QLabel::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() {
        const int room = contentsRect().width() - 2 * margin();
        const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, room);
        setText(shown);
        setToolTip(shown == full_ ? tip_ : full_);
    }

    QString tip_;
    QString full_;
};

ZemStatBar::ZemStatBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(u"BarradeEstadoZEM1"_s);
    setSizeGripEnabled(false);
    numDocLabel_ = panel(100, 0);
    nombreLabel_ = new ElidedPanel(u"Apellidos y nombres o razón social"_s, this);
    framePanel(nombreLabel_, 160, 1);
    anioLabel_ = panel(50, 0);
    formularioLabel_ = panel(50, 0);
    modoLabel_ = panel(24, 0);
    numDocLabel_->setToolTip(u"Número de documento"_s);
    anioLabel_->setToolTip(u"Ejercicio"_s);
    formularioLabel_->setToolTip(u"Formulario"_s);
    modoLabel_->setToolTip(u"Modo"_s);
}

QLabel* ZemStatBar::panel(int minimumWidth, int stretch) {
    auto* label = new QLabel(this);
    framePanel(label, minimumWidth, stretch);
    return label;
}

void ZemStatBar::framePanel(QLabel* label, int minimumWidth, int stretch) {
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    label->setContentsMargins(4, 0, 4, 0);
    addPermanentWidget(label, stretch);
}

void ZemStatBar::setNumDoc(const QString& text) {
    numDoc_ = text;
    numDocLabel_->setText(text);
}

void ZemStatBar::setNombre(const QString& text) {
    nombre_ = text;
    nombreLabel_->setFullText(text);
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
