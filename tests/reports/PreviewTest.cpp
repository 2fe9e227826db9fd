// The preview's reading of a report by pages, its page images and the checks of the page range.
#include <gtest/gtest.h>
#include <QFile>

#include "ReportFiles.h"
#include "reports/PageImage.h"
#include "reports/PageRangeCheck.h"
#include "reports/ReportDocument.h"
#include "reports/ReportPages.h"
#include "startup/Cp1252.h"
#include "support/TestEnv.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

void writeLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cp1252::encode(lines.join(u"\r\n"_s) + u"\r\n"_s));
}

QStringList texts(const ReportDocument& doc) {
    QStringList t;
    for (const ReportElement& e : doc.elements)
        t << e.text;
    return t;
}

TEST(ReportPages, DrawsEachPageFromItsOwnLinesOnly) {
    test::TestEnv env;
    const QString path = env.path(u"RPT/00000001.PRN"_s);
    // Page 0 goes on after page 1 has begun; the colour changes before page 1; an empty line and an
    // unknown one in between draw nothing.
    writeLines(path, {u"<!nHojas!>4<!/nHojas!>"_s, u"pPos|400|300|uno|False|8|0|"_s,
                      u"<!Color!>&H000000FF&<!/Color!>"_s, u"pNuevaHoja"_s, u"pPos|400|300|dos|True|9|1|"_s,
                      u""_s, u"pPos|400|600|uno bis|False|8|0|"_s, u"ruido|1|2|"_s,
                      u"pCuadro|100|100|200|200|1|"_s, u"pPosVerti|50|50|ÑA|False|8|1|"_s,
                      // Read as the reader reads them: a number too large drops its line, and with it
                      // page 5; blanks, signs and decimals are taken as the reader takes them.
                      u"pPos|99999|300|fuera|False|8|5|"_s, u"pPos|1|2|corto|False|5|"_s,
                      u" pPos |  +12.6.1|300|raro|False|8| 0.4|"_s});
    ReportPages pages;
    ASSERT_TRUE(pages.open(path, {}, env.sink));
    ASSERT_EQ(pages.count(), 2);
    EXPECT_EQ(pages.declaredPages(), 4);
    EXPECT_EQ(pages.background(0), QColor(Qt::white));
    EXPECT_EQ(pages.background(1), QColor(255, 0, 0));

    ReportDocument first, second;
    ASSERT_TRUE(pages.draw(0, first));
    ASSERT_TRUE(pages.draw(1, second));
    EXPECT_EQ(texts(first), (QStringList{u"uno"_s, u"uno bis"_s, u"raro"_s}));
    EXPECT_EQ(first.elements[2].x, 13);
    EXPECT_EQ(texts(second), (QStringList{u"dos"_s, QString(), u"ÑA"_s}));
    EXPECT_TRUE(second.elements[0].bold);
    EXPECT_EQ(second.elements[1].kind, ElementKind::Box);
    // Drawing again reads the same lines again.
    ReportDocument again;
    ASSERT_TRUE(pages.draw(0, again));
    EXPECT_EQ(again.elements, first.elements);
}

TEST(ReportPages, RangeKeepsOnlyItsPagesAndMissingFileIsReported) {
    test::TestEnv env;
    const QString path = env.path(u"RPT/00000002.PRN"_s);
    test::writePagedReport(path, 6, 3);
    ReportPages pages;
    ASSERT_TRUE(pages.open(path, {true, 3, 4}, env.sink));
    ASSERT_EQ(pages.count(), 2);
    EXPECT_EQ(pages.pageNumber(0), 2);
    EXPECT_EQ(pages.pageNumber(1), 3);
    ReportDocument doc;
    ASSERT_TRUE(pages.draw(1, doc));
    EXPECT_EQ(doc.elements.first().text, u"Pag. 4"_s);
    for (const ReportElement& e : doc.elements)
        EXPECT_EQ(e.page, 3);

    // Nothing of the file in the range: one blank page to show.
    ASSERT_TRUE(pages.open(path, {true, 9, 10}, env.sink));
    ASSERT_EQ(pages.count(), 1);
    ReportDocument blank;
    ASSERT_TRUE(pages.draw(0, blank));
    EXPECT_TRUE(blank.elements.isEmpty());
    EXPECT_TRUE(env.sink.messages().isEmpty());

    EXPECT_FALSE(pages.open(env.path(u"RPT/00000099.PRN"_s), {}, env.sink));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].text, u"Archivo Físico del Reporte no Existe"_s);
    EXPECT_EQ(env.sink.messages()[0].title, u"Error al Imprimir"_s);
}

TEST(ReportPages, PageImageIsAnA4SheetOnItsBackgroundWithTheElementsDrawn) {
    test::TestEnv env;
    const QString path = env.path(u"RPT/00000003.PRN"_s);
    test::writePagedReport(path, 2, 5);
    ReportPages pages;
    ASSERT_TRUE(pages.open(path, {}, env.sink));
    const qreal scale = 96.0 / 1440;
    const QImage image = pageImage(pages, 1, scale);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 794);  // 210 mm at 96 dots per inch
    EXPECT_EQ(image.height(), 1123);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0xC0, 0xFF, 0xFF));
    // The frame of the page (150, 600)-(11000, 900) is drawn in black.
    EXPECT_EQ(image.pixelColor(qRound(5000 * scale), qRound(600 * scale)), QColor(Qt::black));
    // The file shrunk after it was read: the page can no longer be drawn, and says so.
    QFile f(path);
    ASSERT_TRUE(f.resize(100));
    EXPECT_TRUE(pageImage(pages, 1, scale).isNull());
}

TEST(PageRangeCheck, ChecksInOrderAndStopsAtTheFirstFailure) {
    struct Case {
        QString desde, hasta;
        int total;
        QString error;
    };
    const QList<Case> cases = {
        {u""_s, u""_s, 0, u"Ingrese página de inicio"_s},
        {u" "_s, u"2"_s, 5, u"Ingrese página de inicio"_s},
        {u"0"_s, u""_s, 0, u"Página inicial debe ser a partir de 1"_s},
        {u"."_s, u"3"_s, 5, u"Página inicial debe ser a partir de 1"_s},
        // A report without a page count rejects every first page as above the total.
        {u"1"_s, u""_s, 0, u"Página inicial no debe ser mayor a total de páginas del reporte"_s},
        {u"6"_s, u"6"_s, 5, u"Página inicial no debe ser mayor a total de páginas del reporte"_s},
        {u"2"_s, u""_s, 5, u"Ingrese página de Fin"_s},
        {u"4"_s, u"3"_s, 5, u"Página de Inicio debe ser mayor a página de Fin"_s},
    };
    for (const Case& c : cases) {
        const PageRangeCheck r = checkPageRange(c.desde, c.hasta, c.total);
        EXPECT_EQ(r.error, c.error) << c.desde.toStdString() << "-" << c.hasta.toStdString();
        EXPECT_FALSE(r.range.set);
    }
    const PageRangeCheck ok = checkPageRange(u" 3"_s, u"4 "_s, 5);
    ASSERT_TRUE(ok.ok());
    EXPECT_TRUE(ok.range.set);
    EXPECT_EQ(ok.range.first, 3);
    EXPECT_EQ(ok.range.last, 4);
    // The last page may lie beyond the total: the range simply ends with the report.
    EXPECT_TRUE(checkPageRange(u"5"_s, u"9"_s, 5).ok());
}

}  // namespace
}  // namespace zem::reports
