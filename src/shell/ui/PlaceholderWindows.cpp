#include "shell/ui/PlaceholderWindows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "declaration/FormCaption.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

void fill(QDialog* dialog, const QString& text) {
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(text, dialog);
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    auto* close = new QPushButton(u"&Salir"_s, dialog);
    close->setObjectName(u"cmdSalir"_s);
    layout->addWidget(close, 0, Qt::AlignRight);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    dialog->resize(520, 240);
}

}  // namespace

PlaceholderFrm0478::PlaceholderFrm0478(Session& s, QWidget* parent) : QDialog(parent) {
    setObjectName(u"Frm0478"_s);
    setWindowTitle(QString::fromUtf16(kFormCaption));
    QString text;
    if (s.gModo == 1)
        text = u"Nueva declaración."_s;
    else if (s.gRegistrar)
        text = u"Declaración enviada del RUC "_s + s.gRUC + u", correlativo "_s + s.gCorrel + u'.';
    else
        text = u"Declaración del RUC "_s + s.gRUC + u" - "_s + s.gNombre.trimmed() + u'.';
    fill(this, text + u"\n\nLa ventana de la declaración aún no está disponible en esta versión."_s);
}

PlaceholderFrmImprimir::PlaceholderFrmImprimir(Session& s, QWidget* parent) : QDialog(parent) {
    setObjectName(u"frmImprimir"_s);
    setWindowTitle(s.gEnviadas ? u"Imprimir Formularios enviados"_s : u"Imprimir "_s);
    fill(this, u"La impresión aún no está disponible en esta versión."_s);
}

}  // namespace zem
