#include "shell/ui/PlaceholderWindows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "declaration/FormCaption.h"
#include "declaration/Opening.h"

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

PlaceholderFrm0478::PlaceholderFrm0478(const OpenRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName(u"Frm0478"_s);
    setWindowTitle(QString::fromUtf16(kFormCaption));
    QString text;
    if (request.mode == OpenMode::New)
        text = u"Nueva declaración."_s;
    else if (request.mode == OpenMode::Sent)
        text = u"Declaración enviada del RUC "_s + request.key.ruc + u", correlativo "_s +
               request.key.correl + u'.';
    else
        text = u"Declaración del RUC "_s + request.key.ruc + u'.';
    fill(this, text + u"\n\nLa ventana de la declaración aún no está disponible en esta versión."_s);
}

}  // namespace zem
