#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "PrintoutFixture.h"
#include "reports/PrintJob.h"
#include "reports/Printout.h"
#include "reports/ReportDocument.h"
#include "reports/ReportOutput.h"
#include "reports/ReportReader.h"
#include "support/TestEnv.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

PrintoutChoice everything() {
    PrintoutChoice c;
    const QStringList keys = allListingKeys();
    c.listings = QSet<QString>(keys.begin(), keys.end());
    return c;
}

class PrintoutTest : public ::testing::Test {
protected:
    PrintoutTest() { test::storePrintableDeclaration(env.db()); }

    DeclarationKey key() const {
        DeclarationKey k;
        k.ruc = test::kPrintRuc;
        return k;
    }
    // The texts drawn, in order.
    static QStringList texts(const ReportDocument& doc) {
        QStringList out;
        for (const ReportElement& e : doc.elements) {
            if (e.kind != ElementKind::Box)
                out << e.text;
        }
        return out;
    }

    test::TestEnv env;
};

// The whole printout of a fixed declaration, byte for byte; on a difference the new output is written beside
// the expected one (".actual") to be looked at and, when right, taken as the new expectation.
TEST_F(PrintoutTest, FixedDeclarationGivesTheKeptReportFileAndReadsBackIntoTheSameElements) {
    ReportDocument written;
    const auto file = imprimirDeclaracion(env.session, key(), everything(), &written);
    ASSERT_TRUE(file) << env.sink.texts().join(u'\n').toStdString();
    EXPECT_EQ(file->archivo, u"00000001.PRN"_s);
    const QByteArray actual = contents(file->path);
    const QString golden = QStringLiteral(ZEM_GOLDEN_DIR) + u"/declaracion.PRN"_s;
    const QByteArray expected = contents(golden);
    if (actual != expected) {
        QFile out(golden + u".actual"_s);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    EXPECT_TRUE(actual == expected) << "differs from " << golden.toStdString() << " (new output beside it)";

    ReportDocument read;
    ASSERT_TRUE(pDesencripta(file->path, ReadMode::Imprimir, read, {}, env.sink));
    EXPECT_EQ(read.elements, written.elements);
    EXPECT_EQ(read.pageBreaks, written.pageBreaks);
    EXPECT_EQ(NumRegistros(file->path), 4);

    // Boxes 721 and 722 are never printed; the payers' names and the catalogue texts are.
    const QStringList shown = texts(read);
    EXPECT_FALSE(shown.join(u'\n').contains(u"999,999"_s));
    EXPECT_TRUE(shown.join(u'\n').contains(u"MINERA CÓNDOR S.A.C."_s));
    EXPECT_TRUE(shown.join(u'\n').contains(u"032 ARGENTINA"_s));
    EXPECT_TRUE(shown.contains(u"PEÑA ALVARADO LUIS"_s));
}

TEST_F(PrintoutTest, AmountsAlignOnTheirLastDigitWithNegativesInParentheses) {
    EXPECT_EQ(printedAmount(u"340000"_s), u"        340,000"_s);
    EXPECT_EQ(printedAmount(u"-68000"_s), u"       (68,000)"_s.rightJustified(16, u' '));
    EXPECT_EQ(printedAmount(u"-68000"_s).size(), 16);
    EXPECT_EQ(printedAmount(u"0"_s), u"              0"_s);
    EXPECT_EQ(printedAmount(u"1234.5"_s), u"          1,235"_s);
    EXPECT_EQ(printedAmount(u""_s), u""_s);
    EXPECT_EQ(printedAmount(u"123456789012345"_s), u"123,456,789,012,345"_s);  // longer: unchanged
    EXPECT_EQ(AlineaDerecha(u"abc"_s, 2), u"abc"_s);
}

TEST_F(PrintoutTest, LongListingContinuesOnNewPagesWithItsHeadingsAndEndsWithCountAndTotal) {
    test::addDirectPayments(env.db(), 60);  // 62 rows of box 133 with the fixture's two
    PrintoutChoice choice;
    choice.declaracion = false;
    choice.listings = {u"133"_s};
    ReportDocument doc;
    ASSERT_TRUE(imprimirDeclaracion(env.session, key(), choice, &doc));
    const QStringList shown = texts(doc);
    EXPECT_EQ(shown.count(u"Determinación de la deuda - Casilla 133"_s), 2);
    EXPECT_EQ(shown.count(u"Ing. Grav. Decl."_s), 2);
    EXPECT_TRUE(shown.contains(u"Pag. 2"_s));
    EXPECT_EQ(doc.pageBreaks, 1);
    // 42 rows fit above y = 14000 on the first page; the other 20 follow at the top of the second.
    int firstPageRows = 0;
    for (const ReportElement& e : doc.elements)
        firstPageRows += e.page == 0 && e.x == 300 && e.y >= 2880 && e.text.contains(u'/');
    EXPECT_EQ(firstPageRows, 42);
    const ReportElement& last = doc.elements.last();
    EXPECT_EQ(last.page, 1);
    EXPECT_TRUE(shown.contains(u"Cantidad total de registros  :62"_s));
    // 6000 + 6000 + sum(1000 + 10 i) for i < 60
    EXPECT_EQ(last.text, AlineaDerecha(u"89,700"_s, 15));
}

TEST_F(PrintoutTest, EveryPrintStartsAtPageOneAndASentDeclarationReadsItsOwnSending) {
    const auto first = imprimirDeclaracion(env.session, key(), everything());
    const auto second = imprimirDeclaracion(env.session, key(), everything());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->archivo, u"00000002.PRN"_s);
    EXPECT_EQ(contents(first->path), contents(second->path));

    for (const QString& correl : {u"1"_s, u"2"_s}) {
        ASSERT_TRUE(
            env.db().execute(u"INSERT INTO hcab (tip_doc_d, doc_id_d, periodo, formulario, semana, correl, "
                             u"norden, control, estado) "
                             "VALUES (6, ?, '2006', '0482', 0, ?, ?, 'C-77', 1)"_s,
                             {test::kPrintRuc, correl, u"75000"_s + correl}));
        ASSERT_TRUE(env.db().execute(
            u"INSERT INTO hf0480pagos (tip_doc_d, doc_id_d, periodo, formulario, correl, casilla, per_tri, "
            "mto_gravado) VALUES (6, ?, '2006', '0482', ?, '133', '200601', ?)"_s,
            {test::kPrintRuc, correl, correl == u"1" ? u"111"_s : u"222"_s}));
    }
    DeclarationKey sent = key();
    sent.sent = true;
    sent.correl = u"2"_s;
    PrintoutChoice choice;
    choice.declaracion = false;
    choice.listings = {u"133"_s};
    ReportDocument doc;
    ASSERT_TRUE(imprimirDeclaracion(env.session, sent, choice, &doc));
    const QStringList shown = texts(doc);
    EXPECT_TRUE(shown.contains(u"750002"_s));
    EXPECT_TRUE(shown.contains(u"Cantidad total de registros  :1"_s));
    EXPECT_EQ(doc.elements.last().text, AlineaDerecha(u"222"_s, 15));
}

TEST_F(PrintoutTest, NothingToPrintIsSaidAndReservesNoFile) {
    DeclarationKey missing = key();
    missing.ruc = u"20999999999"_s;
    EXPECT_FALSE(imprimirDeclaracion(env.session, missing, everything()));
    PrintoutChoice none;
    none.declaracion = false;
    EXPECT_FALSE(imprimirDeclaracion(env.session, key(), none));
    EXPECT_EQ(env.sink.texts(), QStringList(2, u"No Existe Información a Imprimir.Verifique."_s));
    EXPECT_EQ(env.sink.messages()[0].title, u"Impresión"_s);
    EXPECT_EQ(env.db().scalar(u"SELECT count(*) FROM spool"_s).toInt(), 0);
}

TEST_F(PrintoutTest, PdfHasOneA4PagePerReportPageWithTheFontEmbedded) {
    PrintoutChoice choice;
    choice.listings = {u"133"_s};
    const auto file = imprimirDeclaracion(env.session, key(), choice);
    ASSERT_TRUE(file);
    const QString pdf = env.path(u"d.pdf"_s);
    ASSERT_TRUE(reportToPdf(file->path, pdf, {}, env.sink));
    const QByteArray bytes = contents(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 4);
    EXPECT_TRUE(bytes.contains("LiberationMono"));
    EXPECT_TRUE(bytes.contains("/FontFile2"));  // embedded, not only named
    EXPECT_TRUE(bytes.contains("595"));         // A4 width in points

    // Pages 2 to 3 only.
    ASSERT_TRUE(reportToPdf(file->path, pdf, {true, 2, 3}, env.sink));
    EXPECT_EQ(QString::fromLatin1(contents(pdf)).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 2);

    EXPECT_FALSE(reportToPdf(file->path, env.path(u"no/existe/d.pdf"_s), {}, env.sink));
    EXPECT_TRUE(env.sink.texts().last().startsWith(u"Error Técnico : (75) "_s))
        << env.sink.texts().last().toStdString();
    EXPECT_FALSE(reportToPrinter(file->path, u"no-existe"_s, {}, env.sink));
    EXPECT_EQ(env.sink.texts().last(), u"No existe una impresora seleccionada.Verifique."_s);
}

}  // namespace
}  // namespace zem::reports
