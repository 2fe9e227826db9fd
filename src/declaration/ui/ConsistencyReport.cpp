#include "declaration/ui/ConsistencyReport.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "startup/Cp1252.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmConsist::FrmConsist(const QString& caption, const QString& findings, QWidget* parent) : QDialog(parent) {
    setObjectName(u"FrmConsist"_s);
    setWindowTitle(caption.isEmpty() ? u"Inconsistencias detectadas"_s : caption);
    setModal(true);
    resize(760, 420);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(u"En su declaración se han detectado las siguientes inconsistencias :"_s, this);
    layout->addWidget(label);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(u"TxtPreliminar"_s);
    text_->setReadOnly(true);
    // Courier New, or the monospaced face that stands in for it.
    QFont font(u"Courier New"_s);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_->setFont(font);
    text_->setPlainText(findings);
    layout->addWidget(text_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    print_ = new QPushButton(u"&Imprimir"_s, this);
    print_->setObjectName(u"cmdImprimir"_s);
    print_->setEnabled(false);  // until the window is told how to print
    close_ = new QPushButton(u"&Aceptar"_s, this);
    close_->setObjectName(u"CmdGrabar"_s);
    close_->setDefault(true);
    buttons->addWidget(print_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, [this] {
        if (printFindings_)
            printFindings_(this);
    });
    close_->setFocus();
}

void FrmConsist::setPrint(PrintFindings print) {
    printFindings_ = std::move(print);
    print_->setEnabled(static_cast<bool>(printFindings_));
}

void showConsistencyReport(QWidget* parent, const QString& caption, const QString& findings,
                           PrintFindings print) {
    FrmConsist window(caption, findings, parent);
    window.setPrint(std::move(print));
    window.exec();
}

QString readFindings(const QString& messageFile) {
    QFile file(messageFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = cp1252::decode(file.readAll());
    text.replace(u"\r\n"_s, u"\n"_s);
    return text;
}

}  // namespace zem
