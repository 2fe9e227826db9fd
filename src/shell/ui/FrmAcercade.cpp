#include "shell/ui/FrmAcercade.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/ShellTexts.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmAcercade::FrmAcercade(QWidget* parent) : QDialog(parent) {
    setObjectName(u"frmAcercade"_s);
    setWindowTitle(u"Acerca de Zemlanda "_s);
    // Whatever command led here, the arrow is back while this window is up.
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* family = new QLabel(QString::fromUtf16(kLauncherTitle), this);
    QFont big = family->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    family->setFont(big);
    auto* module = new QLabel(QString::fromUtf16(kModuleTitle), this);
    QFont bold = module->font();
    bold.setBold(true);
    module->setFont(bold);

    auto* version = new QLineEdit(this);
    version->setObjectName(u"txtVersion"_s);
    version->setReadOnly(true);
    version->setFrame(false);
    version->setText(u"Versión "_s + QString::fromUtf16(kModuleVersion));

    auto* ok = new QPushButton(u"&Aceptar"_s, this);
    ok->setObjectName(u"cmdAceptar"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(family);
    texts->addWidget(module);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

}  // namespace zem
