#include "shell/ui/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kContents = u"contenido"_s;  // the contents, help key 257

QSet<QString> anchorsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression anchor(u"<a\\s+name=\"([^\"]+)\""_s);
    QSet<QString> names;
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

}  // namespace

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent) : QDialog(parent) {
    setObjectName(u"CMDlgHlp"_s);
    setWindowTitle(u"Ayuda - QW482"_s);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);

    const QFileInfo installed(helpFile + u".html"_s);
    if (installed.isFile()) {
        document_ = QUrl::fromLocalFile(installed.absoluteFilePath());
        anchors_ = anchorsOf(installed.absoluteFilePath());
    } else {
        document_ = QUrl(u"qrc:/help/QW482.html"_s);
        anchors_ = anchorsOf(u":/help/QW482.html"_s);
    }
    showSection({});

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

void HelpWindow::showSection(const QStringList& sections) {
    QString chosen = kContents;
    for (const QString& section : sections) {
        if (anchors_.contains(section)) {
            chosen = section;
            break;
        }
    }
    QUrl url = document_;
    url.setFragment(chosen);
    browser_->setSource(url);
}

QUrl HelpWindow::source() const {
    return browser_->source();
}

}  // namespace zem
