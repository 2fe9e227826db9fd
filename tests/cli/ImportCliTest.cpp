#include <gtest/gtest.h>

#include "CliTool.h"
#include "Packages.h"
#include "import/PackageName.h"

using namespace Qt::StringLiterals;

using zem::test::Outcome;
using zem::test::Tool;

namespace {

const QString kRuc = u"20100070970"_s;

void install(const Tool& zem) {
    zem::test::installDeclaration(zem, kRuc);
}

// A package of the taxpayer with two payments of box 133, one withholding of box 129 and one receipt.
QString writePackage(const Tool& zem, bool hostile = false) {
    const QString base = zem::KeyNombreArchivo(kRuc);
    QList<zem::test::Member> members = zem::test::recordMembers(
        base,
        {{u"01"_s,
          {zem::test::line({u"200601"_s, u"1662"_s, u"1"_s, u"20060215"_s, u"1200"_s, u"0"_s}),
           zem::test::line({u"200602"_s, u"1662"_s, u"2"_s, u"20060315"_s, u"600"_s, u"0"_s})}},
         {u"03"_s,
          {zem::test::line({u"6"_s, u"20100070970"_s, u"ESTUDIO SAC"_s, u"200604"_s, u"02"_s, u"1"_s, u"9"_s,
                            u"20060410"_s, u"2500"_s})}},
         {u"09"_s, {zem::test::line({u"6"_s, u"20100070970"_s, u"AGENTE SA"_s, u"200609"_s, u"40"_s})}}});
    if (hostile)
        members.append({u"../fuera.txt"_s, "x"});
    const QString path = zem.home.filePath(base + u".zip"_s);
    EXPECT_TRUE(zem::test::writeZip(path, members));
    return path;
}

int count(const Tool& zem, const QString& table) {
    return zem.sql(u"SELECT count(*) FROM "_s + table).value(0).value(0).toInt();
}

}  // namespace

TEST(ImportCli, RefusedPackagesExitWith2AndWriteNothing) {
    Tool zem;
    install(zem);
    zem.dbFile = zem.databaseFile();
    const QString before = zem({u"show"_s, kRuc}).out;

    const Outcome hostile = zem({u"import"_s, kRuc, writePackage(zem, true)});
    EXPECT_EQ(hostile.code, 2);
    EXPECT_TRUE(hostile.err.contains(u"El Archivo esta dañado"_s)) << hostile.err.toStdString();

    const QString renamed = zem.home.filePath(u"paquete.zip"_s);
    QFile::copy(writePackage(zem), renamed);
    const Outcome unnamed = zem({u"import"_s, kRuc, renamed});
    EXPECT_EQ(unnamed.code, 2);
    EXPECT_TRUE(unnamed.err.contains(u"No se ha encontrado el archivo de información"_s));

    EXPECT_EQ(zem({u"show"_s, kRuc}).out, before);
    EXPECT_EQ(count(zem, u"f0480importa"_s), 0);
    EXPECT_EQ(count(zem, u"f0480pagos"_s), 0);
    EXPECT_FALSE(QFile::exists(zem.home.filePath(u"fuera.txt"_s)));
}

TEST(ImportCli, AnImportedPackageIsSavedAndShownAndASecondImportReplacesIt) {
    Tool zem;
    install(zem);
    zem.dbFile = zem.databaseFile();
    const QString package = writePackage(zem);
    for (int round = 0; round < 2; ++round) {
        const Outcome r = zem({u"import"_s, kRuc, package});
        // Saved, and exit 1: the imported first- and second-category income still wants the answers and
        // boxes that go with it.
        ASSERT_EQ(r.code, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(u"La importación ha terminado satisfactoriamente"_s));
        EXPECT_TRUE(r.out.contains(u"133\t-1800"_s)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(u"100\t15000"_s)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(u"107\t2500"_s));
        EXPECT_TRUE(r.out.contains(u"129\t-40"_s));
        EXPECT_EQ(count(zem, u"f0480importa"_s), 1);
        EXPECT_EQ(count(zem, u"f0480pagos"_s), 2);
        EXPECT_EQ(count(zem, u"f0482retcab"_s), 2);
    }
    // The declaration now says it used the authority's information, and may.
    const Outcome answered = zem({u"save"_s, kRuc, u"554=1"_s});
    EXPECT_LT(answered.code, 2) << answered.err.toStdString();
    EXPECT_EQ(count(zem, u"f0480importa"_s), 1);
    const QList<QStringList> difcas =
        zem.sql(u"SELECT casilla, mto_importa FROM f0482difcas ORDER BY casilla"_s);
    EXPECT_EQ(
        difcas,
        (QList<QStringList>{
            {u"100"_s, u"15000"_s}, {u"107"_s, u"2500"_s}, {u"129"_s, u"40"_s}, {u"133"_s, u"1800"_s}}));
}

TEST(ImportCli, ABankTypedForBox522GetsThePackageAmountOnceAcrossImports) {
    Tool zem;
    install(zem);
    zem.dbFile = zem.databaseFile();
    const QString bank = u"20100047218"_s;
    const Outcome typed = zem({u"annex"_s, u"add"_s, kRuc, u"522"_s, u"num_doc_ret="_s + bank,
                               u"des_razon=BANCO SA"_s, u"mto_total=100"_s});
    ASSERT_LT(typed.code, 2) << typed.err.toStdString();
    const QString base = zem::KeyNombreArchivo(kRuc);
    const QString package = zem.home.filePath(base + u".zip"_s);
    ASSERT_TRUE(zem::test::writeZip(
        package,
        zem::test::recordMembers(
            base, {{u"06"_s, {zem::test::line({u"6"_s, bank, u"BANCO SA"_s, u"200606"_s, u"300"_s})}}})));
    for (int round = 0; round < 2; ++round) {
        const Outcome r = zem({u"import"_s, kRuc, package});
        ASSERT_LT(r.code, 2) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(u"522\t-400"_s)) << r.out.toStdString();
        EXPECT_EQ(zem.sql(u"SELECT mto_total FROM f0482retcab WHERE casilla = '522'"_s),
                  (QList<QStringList>{{u"400.00"_s}}));
    }
}
