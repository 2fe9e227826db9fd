// The printing windows: the page-range dialog and the preview it leads to, the print dialog's list, options
// and report, and the printing of the consistency findings.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "../PrintoutFixture.h"
#include "../ReportFiles.h"
#include "declaration/ui/ConsistencyReport.h"
#include "reports/ReportReader.h"
#include "reports/ui/FrmImprimir.h"
#include "reports/ui/FrmImpxPag.h"
#include "reports/ui/FrmPreview.h"
#include "shell/ShellFixtures.h"
#include "support/TestEnv.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

void click(QToolBar* bar, const QString& name) {
    bar->findChild<QAction*>(name)->trigger();
}

TEST(PrintWindows, PageRangeThreeToFourPreviewsOnlyThosePages) {
    test::TestEnv env;
    const QString path = env.path(u"RPT/00000001.PRN"_s);
    test::writePagedReport(path, 6, 10);

    frmImpxPag range(6, env.sink);
    EXPECT_EQ(range.windowTitle(), u"Impresión de 6 páginas"_s);
    EXPECT_EQ(range.txtPagDesde()->text(), u"1"_s);
    EXPECT_EQ(range.txtPagHasta()->text(), u"1"_s);
    EXPECT_EQ(range.txtTotPaginas()->text(), u"6"_s);
    range.txtPagDesde()->clear();
    QTest::keyClicks(range.txtPagDesde(), u"3x"_s);  // letters are not taken
    range.txtPagHasta()->setText(u"4"_s);
    range.preliminar()->click();
    ASSERT_EQ(range.result(), QDialog::Accepted);
    EXPECT_TRUE(env.sink.messages().isEmpty());

    frmPreview preview(path, range.range(), env.sink);
    ASSERT_TRUE(preview.loaded());
    EXPECT_EQ(preview.windowTitle(), u"Presentación Preliminar"_s);
    EXPECT_EQ(preview.pageCount(), 2);
    EXPECT_EQ(preview.reportPageShown(), 2);
    EXPECT_FALSE(preview.picPrevia()->image().isNull());

    preview.show();
    preview.vsbPic()->setValue(preview.vsbPic()->maximum());
    EXPECT_GT(preview.vsbPic()->value(), 0);
    click(preview.tlbPrevia(), u"Button3"_s);
    EXPECT_EQ(preview.reportPageShown(), 3);
    EXPECT_EQ(preview.vsbPic()->value(), 0);   // a page is shown from its top
    click(preview.tlbPrevia(), u"Button3"_s);  // the last page: next does nothing
    EXPECT_EQ(preview.reportPageShown(), 3);
    click(preview.tlbPrevia(), u"Button2"_s);
    click(preview.tlbPrevia(), u"Button2"_s);  // the first page: previous does nothing
    EXPECT_EQ(preview.reportPageShown(), 2);

    const QSize at100 = preview.picPrevia()->image().size();
    preview.setZoom(200);
    EXPECT_EQ(preview.picPrevia()->image().width(), 2 * at100.width());
    EXPECT_EQ(preview.reportPageShown(), 2);

    click(preview.tlbPrevia(), u"Button5"_s);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_TRUE(env.sink.messages().isEmpty());
}

TEST(PrintWindows, PageRangeChecksStopTheDialogAtTheFirstFailure) {
    test::TestEnv env;
    frmImpxPag range(5, env.sink);
    const auto attempt = [&](const QString& desde, const QString& hasta) {
        env.sink.clear();
        range.txtPagDesde()->setText(desde);
        range.txtPagHasta()->setText(hasta);
        range.preliminar()->click();
        EXPECT_NE(range.result(), QDialog::Accepted);
        return env.sink.messages().size() == 1 ? env.sink.messages()[0].text : QString();
    };
    EXPECT_EQ(attempt(u""_s, u""_s), u"Ingrese página de inicio"_s);
    EXPECT_EQ(attempt(u"0"_s, u""_s), u"Página inicial debe ser a partir de 1"_s);
    EXPECT_EQ(attempt(u"6"_s, u"2"_s), u"Página inicial no debe ser mayor a total de páginas del reporte"_s);
    EXPECT_EQ(attempt(u"2"_s, u""_s), u"Ingrese página de Fin"_s);
    EXPECT_EQ(attempt(u"3"_s, u"2"_s), u"Página de Inicio debe ser mayor a página de Fin"_s);
    EXPECT_EQ(env.sink.messages()[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(range.range().set);

    // A missing report shows its message and no preview.
    env.sink.clear();
    frmPreview preview(env.path(u"RPT/00000077.PRN"_s), {}, env.sink);
    EXPECT_FALSE(preview.loaded());
    EXPECT_TRUE(env.sink.contains(u"Archivo Físico del Reporte no Existe"_s));
}

QStringList listedRucs(const frmImprimir& window) {
    QStringList rucs;
    for (const DeclarationRow& r : window.rows().rows())
        rucs << r.ruc;
    return rucs;
}

TEST(PrintWindows, UserOfKindOneSeesOnlyTheirTaxpayers) {
    test::TestEnv env;
    Db& db = env.db();
    test::addTaxpayer(db, {.ruc = u"10000000001"_s, .nombre = u"PROPIO UNO"_s, .usuario = u"CONTADOR"_s});
    test::addTaxpayer(db, {.ruc = u"10000000002"_s, .nombre = u"AJENO DOS"_s, .usuario = u"OTRO"_s});
    test::addTaxpayer(db, {.ruc = u"10000000003"_s, .nombre = u"PROPIO TRES"_s, .usuario = u"CONTADOR"_s});
    for (const QString& ruc : {u"10000000001"_s, u"10000000002"_s, u"10000000003"_s})
        test::addPrepared(db, ruc);
    test::addSent(db, u"10000000002"_s, u"1"_s);
    test::addSent(db, u"10000000003"_s, u"1"_s);
    test::addUser(db, u"CONTADOR"_s, u"1"_s);

    frmImprimir mine(env.session, false);
    EXPECT_EQ(mine.windowTitle(), u"Imprimir "_s);
    EXPECT_EQ(listedRucs(mine), (QStringList{u"10000000001"_s, u"10000000003"_s}));
    frmImprimir sent(env.session, true);
    EXPECT_EQ(sent.windowTitle(), u"Imprimir Formularios enviados"_s);
    EXPECT_EQ(listedRucs(sent), (QStringList{u"10000000003"_s}));

    db.execute(u"UPDATE claves SET tipo = '0'"_s);
    frmImprimir all(env.session, false);
    EXPECT_EQ(listedRucs(all), (QStringList{u"10000000001"_s, u"10000000002"_s, u"10000000003"_s}));
}

TEST(PrintWindows, OptionsDecideTheAnnexesAndTheReportIsWritten) {
    test::TestEnv env;
    test::storePrintableDeclaration(env.db());
    test::addUser(env.db(), u"CONTADOR"_s, u"0"_s);
    frmImprimir window(env.session, false);
    ASSERT_EQ(window.rows().rowCount(), 1);
    ASSERT_TRUE(window.OptImp(0)->isChecked());
    EXPECT_FALSE(window.chkanexos480(5)->isEnabled());

    window.OptImp(2)->setChecked(true);
    EXPECT_TRUE(window.chkanexos480(5)->isEnabled());
    EXPECT_FALSE(window.escribirReporte());
    EXPECT_TRUE(env.sink.contains(u"Debe seleccionar algún anexo"_s));

    window.chkanexos480(5)->setChecked(true);  // the exempt income: a four-page declaration
    const auto file = window.escribirReporte();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->archivo, u"00000001.PRN"_s);
    EXPECT_EQ(NumRegistros(file->path), 4);

    window.OptImp(0)->setChecked(true);  // the declaration alone unticks the annexes
    EXPECT_FALSE(window.chkanexos480(5)->isChecked());
    EXPECT_FALSE(window.choice().exoneradas());
}

TEST(PrintWindows, FindingsWindowPrintsOnlyWhenToldHow) {
    FrmConsist plain(QString(), u"uno\ndos"_s);
    EXPECT_FALSE(plain.printButton()->isEnabled());
    FrmConsist printing(QString(), u"uno\ndos"_s);
    QWidget* printedFrom = nullptr;
    printing.setPrint([&](QWidget* w) { printedFrom = w; });
    ASSERT_TRUE(printing.printButton()->isEnabled());
    printing.printButton()->click();
    EXPECT_EQ(printedFrom, &printing);
}

}  // namespace
}  // namespace zem::reports
