#include "shell/ui/MDIFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "declaration/Opening.h"
#include "shell/ShellTexts.h"
#include "shell/ui/FrmAbrirEnv.h"
#include "shell/ui/FrmAcercade.h"
#include "shell/ui/FrmBancos.h"
#include "shell/ui/FrmModFor.h"
#include "shell/ui/HelpKey.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/ModalWindow.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/WindowFactory.h"
#include "shell/ui/ZemStatBar.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

struct MenuItem {
    const char16_t* name;  // empty for a separator
    const char16_t* caption;
    Command command;
};

struct Menu {
    const char16_t* name;
    const char16_t* caption;
    QList<MenuItem> items;
};

const QList<Menu>& menuTree() {
    static const QList<Menu> tree = {
        {u"mnuDeclara",
         u"&Declaraciones",
         {{u"mnuNueva", u"&Nueva", Command::Nueva},
          {u"mnuModificar", u"&Modificar", Command::Modificar},
          {u"mnuEliminar", u"&Eliminar", Command::Eliminar},
          {u"Rayita1", nullptr, Command::Nueva},
          {u"mnuImprimir", u"&Imprimir", Command::Imprimir},
          {u"Rayita", nullptr, Command::Nueva},
          {u"mnuSalir", u"&Salir", Command::Salir}}},
        {u"mnuDeclaraE",
         u"Declaraciones &Enviadas",
         {{u"mnuRegistrar", u"&Registrar número de orden", Command::Registrar},
          {u"mnuEliminarE", u"&Eliminar", Command::EliminarE},
          {u"Raya", nullptr, Command::Nueva},
          {u"mnuImprimirE", u"&Imprimir", Command::ImprimirE}}},
        {u"mnuConsultas",
         u"&Consultas",
         {{u"mnuPro", u"&Codigos de profesión", Command::Pro},
          {u"mnuBancos", u"&Bancos", Command::Bancos},
          {u"mnuUit", u"&Consulta de UIT", Command::Uit}}},
        {u"mnuayuda",
         u"&Ayuda",
         {{u"mnuContenido", u"&Contenido de la Ayuda", Command::Contenido},
          {u"mnuRaya", nullptr, Command::Nueva},
          {u"mnuAcerca", u"&Acerca de ...", Command::Acerca}}},
    };
    return tree;
}

struct ToolButton {
    int index;
    const char16_t* tooltip;  // empty: no tooltip
    QStyle::StandardPixmap icon;
    const char* themeIcon;
    QIcon (*drawnIcon)();  // drawn when the style has no fitting standard icon
};

const QList<ToolButton>& toolButtons() {
    static const QList<ToolButton> buttons = {
        {1, u"Nueva", QStyle::SP_CustomBase, "document-new", newDeclarationIcon},
        {2, u"Modifcar", QStyle::SP_FileDialogContentsView, "document-open", nullptr},
        {3, u"Eliminar", QStyle::SP_CustomBase, "edit-delete", deleteIcon},
        {4, u"Imprimir", QStyle::SP_CustomBase, "document-print", printerIcon},
        {5, u"Salir", QStyle::SP_CustomBase, "application-exit", exitIcon},
        {7, u"Numero de orden", QStyle::SP_CustomBase, "document-edit", orderNumberIcon},
        {10, u"", QStyle::SP_DialogHelpButton, "help-contents", nullptr},
    };
    return buttons;
}

}  // namespace

MDIFrm::MDIFrm(Session& session, const WindowFactory& windows, QWidget* parent)
    : QMainWindow(parent), session_(session), windows_(windows) {
    setObjectName(u"MDIFrm"_s);
    setWindowTitle(mainWindowCaption(session.gFormulario));
    // No minimize or maximize box: the window keeps its size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(u"Picture1"_s);
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbar();

    statusBar_ = new ZemStatBar(this);
    setStatusBar(statusBar_);
    statusBar_->setNumDoc(QString());
    statusBar_->setNombre(QString());
    statusBar_->setFormulario(session.gFormulario);
    statusBar_->setAnio(session.gAnio);
    statusBar_->setModo(1);

    setGeometry(0, 0, twips(9555), twips(7320));
    exitHandler_ = [] { QCoreApplication::quit(); };
    // F1 in this window or any window it opens shows the help at that window's section.
    QCoreApplication::instance()->installEventFilter(new HelpKey(session.helpFile, this));
}

void MDIFrm::buildMenus() {
    for (const Menu& m : menuTree()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf16(m.caption));
        menu->setObjectName(QString::fromUtf16(m.name));
        for (const MenuItem& item : m.items) {
            if (!item.caption) {
                menu->addSeparator()->setObjectName(QString::fromUtf16(item.name));
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf16(item.caption));
            action->setObjectName(QString::fromUtf16(item.name));
            const Command command = item.command;
            connect(action, &QAction::triggered, this,
                    [this, command] { run(command, CommandSource::Menu); });
        }
    }
}

void MDIFrm::buildToolbar() {
    toolbar_ = addToolBar(u"Toolbar1"_s);
    toolbar_->setObjectName(u"Toolbar1"_s);
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    int next = 1;
    for (const ToolButton& b : toolButtons()) {
        for (; next < b.index; ++next)
            toolbar_->addSeparator()->setObjectName(u"Button"_s + QString::number(next));
        const QIcon fallback = b.drawnIcon ? b.drawnIcon() : style()->standardIcon(b.icon);
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(b.themeIcon), fallback);
        QAction* action = toolbar_->addAction(icon, QString::fromUtf16(b.tooltip));
        action->setObjectName(u"Button"_s + QString::number(b.index));
        const int index = b.index;
        connect(action, &QAction::triggered, this, [this, index] { clickToolbarButton(index); });
        next = b.index + 1;
    }
}

void MDIFrm::clickToolbarButton(int index) {
    if (const auto command = toolbarCommand(index))
        run(*command, CommandSource::Toolbar);
}

void MDIFrm::run(Command command, CommandSource source) {
    const CommandAction action = applyCommand(command, source);
    if (action.closeChildren)
        closeActiveChildren();
    WaitCursor wait(action.hourglass);
    switch (action.window) {
        case ShellWindow::Declaration:
            showModal(windows_.createDeclarationWindow(session_, OpenRequest::newDeclaration(), this), &wait);
            break;
        case ShellWindow::ModFor:
            showModal(new FrmModFor(session_, windows_, statusBar_, action.modo == 3, action.enviadas, this),
                      &wait);
            break;
        case ShellWindow::Print:
            showModal(windows_.createPrintDialog(session_, action.enviadas, this), &wait);
            break;
        case ShellWindow::AbrirEnv:
            showModal(new FrmAbrirEnv(session_, windows_, statusBar_, this), &wait);
            break;
        case ShellWindow::Bancos:
            showModal(new FrmBancos(session_, action.consulta, this), &wait);
            break;
        case ShellWindow::Acercade:
            showModal(new FrmAcercade(this), &wait);
            break;
        case ShellWindow::Help:
            showHelp();
            break;
        case ShellWindow::Exit:
            exitModule();
            break;
    }
}

void MDIFrm::closeActiveChildren() {
    const QList<QMdiSubWindow*> children = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!(*it)->close())
            break;  // a child that refuses to close stays, and so do the ones behind it
    }
}

void MDIFrm::showHelp() {
    if (!help_) {
        help_ = new HelpWindow(session_.helpFile, this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MDIFrm::pCuadra() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        showNormal();
    // The fixed size and place are those of the whole window, frame and title bar included; Qt moves the
    // frame but sizes only the inside, so the frame's own width and height are taken off.
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const int extraWidth = frame.width() - inside.width();
    const int extraHeight = frame.height() - inside.height();
    const QSize size(twips(9720) - extraWidth, twips(7320) - extraHeight);
    const QPoint place(twips(-60), twips(-60));
    if (inside.size() != size)
        resize(size);
    if (frame.topLeft() != place)
        move(place);
}

bool MDIFrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        pCuadra();
    return QMainWindow::event(event);
}

void MDIFrm::exitModule() {
    if (exiting_)
        return;
    exiting_ = true;
    if (help_)
        help_->close();
    session_.gDB.reset();
    close();
    if (exitHandler_)
        exitHandler_();
}

void MDIFrm::closeEvent(QCloseEvent* event) {
    // The close box leaves the module the same way as the exit command.
    if (!exiting_) {
        exitModule();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace zem
