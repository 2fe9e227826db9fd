#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "shell/ui/HelpKey.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/MDIFrm.h"
#include "shell/ui/WindowFactory.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

namespace {

QString sectionShown(const HelpWindow& help) {
    return help.source().fragment();
}

}  // namespace

// The sections of a widget run from the innermost tab page out to its window; unnamed strips add nothing.
TEST(Help, SectionsOfAWidgetFollowItsTabsAndWindow) {
    QDialog window;
    window.setObjectName(u"Frm0478"_s);
    auto* tabs = new QTabWidget(&window);
    tabs->setObjectName(u"SSTab1"_s);
    tabs->addTab(new QWidget, u"Identificación"_s);
    tabs->addTab(new QWidget, u"Renta"_s);
    auto* inner = new QTabWidget;
    inner->setObjectName(u"tabAdicional"_s);
    tabs->addTab(inner, u"Información Adicional"_s);
    inner->addTab(new QWidget, u"Información General"_s);
    auto* page = new QWidget;
    inner->addTab(page, u"Inversiones - Extranjero"_s);
    auto* field = new QLineEdit(page);
    auto* unnamed = new QTabWidget(tabs->widget(0));
    auto* plain = new QLineEdit;
    unnamed->addTab(plain, u"x"_s);

    EXPECT_EQ(helpSections(field), (QStringList{u"tabAdicional-1"_s, u"SSTab1-2"_s, u"Frm0478"_s}));
    EXPECT_EQ(helpSections(plain), (QStringList{u"SSTab1-0"_s, u"Frm0478"_s}));
    EXPECT_EQ(helpSections(&window), QStringList{u"Frm0478"_s});
    QDialog unnamedWindow(tabs->widget(1));
    auto* inUnnamed = new QLineEdit(&unnamedWindow);
    EXPECT_EQ(helpSections(inUnnamed), (QStringList{u"SSTab1-1"_s, u"Frm0478"_s}));
}

// Every window of the module has its own section in the built-in help; an unknown one opens the contents.
TEST(Help, EveryWindowHasItsSection) {
    HelpWindow help(QString{});
    EXPECT_EQ(sectionShown(help), u"contenido"_s);
    const QStringList windows =
        u"Zemlanda MDIFrm frmModFor frmAbrirEnv Frm0478 SSTab1-0 SSTab1-1 SSTab1-2 SSTab1-3 SSTab1-4 "
        u"FrmExoneradas FrmInafectas FrmPerdidas frmGanancias frmEjercicioAnt frmFicta frmPagos "
        u"frmPagosDet frmPagCta frmPagCtaDet frmRet frmRetCab frmRetDet frmOtrasdet FrmRetenciones "
        u"frmFext frmFextdet FrmExtranjero FrmFide480 frmCondominio frmNorma frmNormaDet FrmAmazonia "
        u"FrmDetAmazonia frmImprimir frmImpxPag frmPreview FrmConsist frmSombra frmBancos frmAcercade"_s
            .split(u' ');
    for (const QString& name : windows) {
        help.showSection({name});
        EXPECT_EQ(sectionShown(help), name) << name.toStdString();
    }
    help.showSection({u"tabRentaImponible-2"_s, u"SSTab1-1"_s, u"Frm0478"_s});
    EXPECT_EQ(sectionShown(help), u"SSTab1-1"_s);
    help.showSection({u"ventanaDesconocida"_s});
    EXPECT_EQ(sectionShown(help), u"contenido"_s);
    EXPECT_TRUE(help.browser()->toPlainText().contains(u"Contenido de la Ayuda"_s));
}

// F1 opens the help at the section of the window it is pressed in, also over a modal window, whose help
// window it then is so that the help can be read while the modal window waits.
TEST(Help, F1OpensTheSectionOfTheWindowItIsPressedIn) {
    TestEnv env;
    WindowFactory factory;
    MDIFrm main(env.session, factory);
    main.show();
    auto* key = main.findChild<HelpKey*>();
    ASSERT_TRUE(key);

    QTest::keyClick(&main, Qt::Key_F1);
    ASSERT_TRUE(key->helpWindow());
    EXPECT_TRUE(key->helpWindow()->isVisible());
    EXPECT_EQ(sectionShown(*key->helpWindow()), u"MDIFrm"_s);

    QString shownOverModal;
    QWidget* helpParent = nullptr;
    QTimer::singleShot(0, &main, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_TRUE(modal);
        QTest::keyClick(modal, Qt::Key_F1);
        if (HelpWindow* help = key->helpWindow()) {
            shownOverModal = sectionShown(*help);
            helpParent = help->parentWidget();
            EXPECT_TRUE(help->isVisible());
        }
        EXPECT_EQ(helpParent, modal);
        static_cast<QDialog*>(modal)->reject();
    });
    main.findChild<QAction*>(u"mnuBancos"_s)->trigger();
    EXPECT_EQ(shownOverModal, u"frmBancos"_s);
    EXPECT_FALSE(key->helpWindow());  // it went with the window it belonged to
}
