#include "LauncherWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "RegisterPages.h"
#include "shell/DeclarationLists.h"
#include "shell/SendCommand.h"
#include "shell/ShellTexts.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QTableView* declarationView(DeclarationListModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    return view;
}

ListFilter everyDeclaration(const Session& s, DeclarationList list) {
    ListFilter f = sessionFilter(s, list);
    f.everyUser = true;
    return f;
}

}  // namespace

LauncherWindow::LauncherWindow(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(u"Zemlanda"_s);
    setWindowTitle(QString::fromUtf16(kLauncherTitle));

    auto* title = new QLabel(u"<b>Zemlanda</b> &mdash; declaraciones de la familia ZEM"_s, this);
    auto* who = new QLabel(u"Usuario: "_s + session.usuario(), this);
    auto* head = new QHBoxLayout;
    head->addWidget(title, 1);
    head->addWidget(who);

    auto* tabs = new QTabWidget(this);
    taxpayers_ = new TaxpayerPage(session, tabs);
    users_ = new UserPage(session, tabs);
    connect(users_, &UserPage::usersChanged, taxpayers_, &TaxpayerPage::reload);

    auto* declarations = new QWidget(tabs);
    prepared_ = new DeclarationListModel(DeclarationList::InPreparation, this);
    sent_ = new DeclarationListModel(DeclarationList::SentForOrderNumber, this);
    auto* preparedBox = new QGroupBox(u"Declaraciones del formulario 0482"_s, declarations);
    preparedView_ = declarationView(prepared_, preparedBox);
    (new QVBoxLayout(preparedBox))->addWidget(preparedView_);
    auto* sentBox = new QGroupBox(u"Declaraciones enviadas"_s, declarations);
    sentView_ = declarationView(sent_, sentBox);
    (new QVBoxLayout(sentBox))->addWidget(sentView_);
    auto* send = new QPushButton(u"&Enviar declaración"_s, declarations);
    auto* refresh = new QPushButton(u"A&ctualizar"_s, declarations);
    connect(send, &QPushButton::clicked, this, &LauncherWindow::sendChosen);
    connect(refresh, &QPushButton::clicked, this, &LauncherWindow::reloadDeclarations);
    auto* declarationButtons = new QHBoxLayout;
    declarationButtons->addStretch();
    declarationButtons->addWidget(refresh);
    declarationButtons->addWidget(send);
    auto* declarationLayout = new QVBoxLayout(declarations);
    declarationLayout->addWidget(preparedBox, 3);
    declarationLayout->addLayout(declarationButtons);
    declarationLayout->addWidget(sentBox, 2);

    tabs->addTab(taxpayers_, u"C&ontribuyentes"_s);
    tabs->addTab(users_, u"&Usuarios"_s);
    tabs->addTab(declarations, u"&Declaraciones"_s);

    auto* start = new QPushButton(u"&Iniciar módulo 0482 - "_s + QString::fromUtf16(kModuleTitle), this);
    start->setObjectName(u"cmdModulo"_s);
    connect(start, &QPushButton::clicked, this, &LauncherWindow::startModule);
    auto* quit = new QPushButton(u"&Salir"_s, this);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(start, 1);
    bottom->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);
    reloadDeclarations();
    resize(900, 620);
}

void LauncherWindow::reloadDeclarations() {
    prepared_->setRows(
        declarationRows(session_.db(), everyDeclaration(session_, DeclarationList::InPreparation)));
    sent_->setRows(
        declarationRows(session_.db(), everyDeclaration(session_, DeclarationList::SentForOrderNumber)));
}

void LauncherWindow::sendChosen() {
    const DeclarationRow* row = prepared_->rowAt(preparedView_->currentIndex().row());
    if (!row) {
        session_.sink.error(u"Seleccione la declaración que desea enviar"_s, u"Enviar Declaración"_s);
        return;
    }
    QString correl;
    if (sendByRuc(session_, row->ruc, &correl)) {
        session_.sink.info(
            u"La declaración del RUC "_s + row->ruc + u" fue enviada con el correlativo "_s + correl,
            u"Enviar Declaración"_s);
    }
    reloadDeclarations();
}

void LauncherWindow::startModule() {
    const QString program = QCoreApplication::applicationDirPath() + u"/qw482"_s;
    if (!QFileInfo(program).isExecutable()) {
        session_.sink.error(u"No se encuentra el módulo "_s + program, u"Zemlanda"_s);
        return;
    }
    if (!QProcess::startDetached(program, {}))
        session_.sink.error(u"No se pudo iniciar el módulo "_s + program, u"Zemlanda"_s);
}

bool LauncherWindow::event(QEvent* event) {
    // Coming back from the module: its saves and deletions show at once.
    if (event->type() == QEvent::WindowActivate)
        reloadDeclarations();
    return QWidget::event(event);
}

}  // namespace zem
