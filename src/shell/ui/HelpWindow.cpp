#include "shell/ui/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zem {

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent) : QDialog(parent) {
    setObjectName(u"CMDlgHlp"_s);
    setWindowTitle(u"Ayuda - QW482"_s);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);

    const QString installed = helpFile + u".html"_s;
    QUrl url = QFileInfo(installed).isFile() ? QUrl::fromLocalFile(QFileInfo(installed).absoluteFilePath())
                                             : QUrl(u"qrc:/help/QW482.html"_s);
    url.setFragment(u"contenido"_s);  // the contents, help key 257
    browser_->setSource(url);

    auto* close = new QPushButton(u"&Cerrar"_s, this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
    resize(640, 520);
}

QUrl HelpWindow::source() const {
    return browser_->source();
}

}  // namespace zem
