// frmSombra: the package listed alone, imported with "&Aceptar", its totals in the boxes once it closes.
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include "ImportFixture.h"
#include "declaration/FormSession.h"
#include "import/ui/FrmSombra.h"

namespace zem::test {
namespace {

class FrmSombraTest : public ImportFixture {
protected:
    FrmSombraTest() : form(env.session) { EXPECT_TRUE(form.open(OpenRequest::newDeclaration())); }

    FormSession form;
};

TEST_F(FrmSombraTest, ListsOnlyThePackageImportsItAndCarriesItsTotalsOnClosing) {
    ASSERT_TRUE(writeZip(zipPath(), recordMembers(base(), goodRecords())));
    QFile other(env.path(u"disco/otro.zip"_s));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    FrmSombra window(env.session, key, form.rules(), form.editor());
    EXPECT_EQ(window.windowTitle(), u"Importar archivo personalizado"_s);
    window.setDirectory(env.path(u"disco"_s));
    EXPECT_EQ(window.listedFiles(), QStringList{base() + u".zip"_s});

    window.findChild<QPushButton*>(u"CmdGrabar"_s)->click();
    EXPECT_EQ(lastMessage(), u"La importación ha terminado satisfactoriamente"_s);
    EXPECT_TRUE(form.declaration().text(133).isEmpty());  // not before the window closes

    window.findChild<QPushButton*>(u"CmdCancelar"_s)->click();
    EXPECT_EQ(form.declaration().text(133), u"(1,200)"_s);
    EXPECT_EQ(form.declaration().text(107), u"1,000"_s);
}

TEST_F(FrmSombraTest, AcceptingWithoutAPackageSaysSoAndClosingChangesNothing) {
    FrmSombra window(env.session, key, form.rules(), form.editor());
    window.setDirectory(env.path(u"disco"_s));
    EXPECT_TRUE(window.listedFiles().isEmpty());
    window.CmdGrabar_Click();
    EXPECT_EQ(lastMessage(), u"No se ha encontrado el archivo de información"_s);
    window.reject();
    EXPECT_TRUE(form.declaration().text(107).isEmpty());
}

}  // namespace
}  // namespace zem::test
