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
#include "declaration/Sending.h"
#include "shell/SendCommand.h"
#include "shell/ShellTexts.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QTableView* declarationView(DeclarationListModel* model, const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
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
    // A user's kind decides which taxpayers and declarations the lists show.
    connect(users_, &UserPage::usersChanged, taxpayers_, &TaxpayerPage::reload);
    connect(users_, &UserPage::usersChanged, this, &LauncherWindow::reloadDeclarations);
    connect(taxpayers_, &TaxpayerPage::taxpayersChanged, this, &LauncherWindow::reloadDeclarations);

    auto* declarations = new QWidget(tabs);
    prepared_ = new DeclarationListModel(DeclarationList::InPreparation, this);
    sent_ = new DeclarationListModel(DeclarationList::SentForOrderNumber, this);
    auto* preparedBox = new QGroupBox(u"Declaraciones del formulario 0482"_s, declarations);
    preparedView_ = declarationView(prepared_, u"grdPreparadas"_s, preparedBox);
    (new QVBoxLayout(preparedBox))->addWidget(preparedView_);
    auto* sentBox = new QGroupBox(u"Declaraciones enviadas"_s, declarations);
    sentView_ = declarationView(sent_, u"grdEnviadas"_s, sentBox);
    (new QVBoxLayout(sentBox))->addWidget(sentView_);
    send_ = new QPushButton(u"&Enviar declaración"_s, declarations);
    send_->setObjectName(u"cmdEnviar"_s);
    send_->setEnabled(false);
    auto* refresh = new QPushButton(u"A&ctualizar"_s, declarations);
    connect(send_, &QPushButton::clicked, this, &LauncherWindow::sendChosen);
    connect(refresh, &QPushButton::clicked, this, &LauncherWindow::reloadDeclarations);
    connect(preparedView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { send_->setEnabled(selected(prepared_, preparedView_) != nullptr); });
    auto* declarationButtons = new QHBoxLayout;
    declarationButtons->addStretch();
    declarationButtons->addWidget(refresh);
    declarationButtons->addWidget(send_);
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

const DeclarationRow* LauncherWindow::selected(const DeclarationListModel* model,
                                               const QTableView* view) const {
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model->rowAt(rows.first().row());
}

void LauncherWindow::reload(DeclarationListModel* model, QTableView* view) {
    const DeclarationRow* chosen = selected(model, view);
    const DeclarationRow before = chosen ? *chosen : DeclarationRow{};
    model->setRows(declarationRows(session_.db(), sessionFilter(session_, model->list())));
    if (const int row = chosen ? model->rowOf(before) : -1; row >= 0)
        view->selectRow(row);
}

void LauncherWindow::reloadDeclarations() {
    reload(prepared_, preparedView_);
    reload(sent_, sentView_);
    send_->setEnabled(selected(prepared_, preparedView_) != nullptr);
}

void LauncherWindow::sendChosen() {
    const DeclarationRow* row = selected(prepared_, preparedView_);
    if (!row)
        return;
    const DeclarationRow chosen = *row;
    QString correl;
    if (sendListed(session_, chosen, &correl)) {
        session_.sink.info(u"La declaración del RUC "_s + chosen.ruc.trimmed() + u" - "_s +
                               chosen.nombre.trimmed() + u" fue enviada con el correlativo "_s + correl +
                               u'.',
                           QString::fromUtf16(kSendTitle));
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
