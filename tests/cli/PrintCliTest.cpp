#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "CliTool.h"

using namespace Qt::StringLiterals;

using zem::test::Outcome;
using zem::test::Tool;

namespace {

const QString kRuc = u"20100070970"_s;

void install(const Tool& zem) {
    zem::test::installTaxpayer(zem, kRuc);
}

}  // namespace

TEST(PrintCli, PrintsTheSavedDeclarationToPdfAndRefusesWhatCannotBePrinted) {
    Tool zem;
    install(zem);
    const QString pdf = zem.home.filePath(u"d.pdf"_s);
    const QString prn = zem.home.filePath(u"d.prn"_s);

    const Outcome nothing = zem({u"print"_s, kRuc, u"--pdf"_s, pdf});
    EXPECT_EQ(nothing.code, 2);
    EXPECT_TRUE(nothing.err.contains(u"No Existe Información a Imprimir.Verifique."_s))
        << nothing.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    const Outcome saved = zem({u"save"_s, kRuc, u"552=1"_s, u"554=0"_s, u"005=0"_s, u"027=2"_s, u"556=1"_s,
                               u"560=0"_s, u"561=0"_s, u"107=340000"_s});
    ASSERT_LT(saved.code, 2) << saved.err.toStdString();
    const Outcome unknown = zem({u"print"_s, kRuc, u"--anexos"_s, u"133,999"_s});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(u"Anexo desconocido «999»"_s)) << unknown.err.toStdString();
    // A destination that cannot be written says why in Spanish, the system's reason included.
    const Outcome nowhere = zem({u"print"_s, kRuc, u"--pdf"_s, zem.home.filePath(u"no-hay/d.pdf"_s)});
    EXPECT_EQ(nowhere.code, 2);
    EXPECT_TRUE(nowhere.err.contains(u"la carpeta no existe ("_s)) << nowhere.err.toStdString();

    const Outcome printed =
        zem({u"print"_s, kRuc, u"--anexos"_s, u"133,DIVIDENDOS"_s, u"--prn"_s, prn, u"--pdf"_s, pdf});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.err, QString()) << "Qt's notices reached the user";
    EXPECT_TRUE(printed.out.contains(u"00000001.PRN"_s)) << printed.out.toStdString();
    QFile report(prn), document(pdf);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QByteArray lines = report.readAll();
    EXPECT_TRUE(lines.contains("|        340,000|False|8|0|\r\n"));        // box 107
    EXPECT_TRUE(lines.contains("|NO EXISTE INFORMACI\xD3N A DECLARAR|"));  // no dividends
    EXPECT_TRUE(document.readAll().startsWith("%PDF"));

    // Without --pdf the PDF is named after the RUC and the period, in the current folder.
    const Outcome plain = zem({u"print"_s, kRuc, u"--anexos"_s, u"none"_s});
    EXPECT_EQ(plain.code, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.out.contains(u"PDF: "_s) && plain.out.contains(kRuc + u"_2006.pdf"_s))
        << plain.out.toStdString();
    QFile::remove(QDir::current().filePath(kRuc + u"_2006.pdf"_s));
}
