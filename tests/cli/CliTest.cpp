#include <gtest/gtest.h>

#include <QFile>

#include "CliTool.h"

using namespace Qt::StringLiterals;

using zem::test::Outcome;
using zem::test::Tool;

TEST(Cli, ComputeShowsEveryBoxAsTheWindowDoes) {
    Tool zem;
    const Outcome r = zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"107=340000"_s});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"507\t(68,000)\n"_s));
    EXPECT_TRUE(r.out.contains(u"120\t52,428\n"_s));
    EXPECT_TRUE(r.out.contains(u"146\t52,428\n"_s));
    EXPECT_TRUE(r.out.startsWith(u"107\t340,000\n"_s));

    // The payment fields show under their boxes, as the window's payment frame holds them.
    const Outcome cheque =
        zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"180=10"_s, u"599=C"_s, u"015=02"_s, u"012=44"_s});
    ASSERT_EQ(cheque.code, 0) << cheque.err.toStdString();
    for (const QString& line : {u"\n012\t44\n"_s, u"\n015\t02\n"_s, u"\n598\t10\n"_s, u"\n599\tC\n"_s})
        EXPECT_TRUE((u'\n' + cheque.out).contains(line)) << cheque.out.toStdString();
    const Outcome noUit = zem({u"compute"_s, u"--uit"_s, u"0"_s, u"107=1"_s});
    EXPECT_EQ(noUit.code, 2);
    EXPECT_EQ(noUit.err, u"La UIT debe ser un importe mayor que cero.\n"_s);

    // Clearing the only input empties every box that followed it.
    EXPECT_EQ(zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"107=340000"_s, u"107="_s}).out, QString());

    // Without --uit and without an installation nothing can be read: a clear refusal, nothing written.
    const Outcome none = zem({u"compute"_s, u"107=1"_s});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.err.contains(u"zem0482 init"_s));
    EXPECT_FALSE(QFile::exists(zem.home.filePath(u"config/zem/QW000.INI"_s)));
}

TEST(Cli, ADeclarationFromInstallationToDeletion) {
    Tool zem;
    ASSERT_EQ(zem({u"init"_s}).code, 0);
    // Without --demo the installation registers nobody.
    zem.dbFile = zem.databaseFile();
    EXPECT_EQ(zem.sql(u"SELECT count(*) FROM cont"_s), QList<QStringList>{{u"0"_s}});
    ASSERT_EQ(zem({u"user"_s, u"add"_s, u"CONTADOR"_s, u"--tipo"_s, u"0"_s}).code, 0);
    const Outcome added = zem({u"taxpayer"_s, u"add"_s, u"20100070970"_s, u"--paterno"_s, u"D'ONOFRIO"_s,
                               u"--materno"_s, u"PÉREZ"_s, u"--nombres"_s, u"ANA"_s});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();

    const QStringList boxes = {u"552=1"_s, u"554=0"_s,      u"005=0"_s,    u"027=2"_s,
                               u"556=1"_s, u"560=0"_s,      u"561=0"_s,    u"025=01"_s,
                               u"599=E"_s, u"107=340000"_s, u"180=52428"_s};
    const Outcome saved = zem(QStringList{u"save"_s, u"20100070970"_s} + boxes);
    ASSERT_EQ(saved.code, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.out, u"Toda la información del formulario fue grabada satisfactoriamente.\n"_s);
    const QString first = zem({u"show"_s, u"20100070970"_s}).out;
    ASSERT_EQ(zem({u"save"_s, u"20100070970"_s}).code, 0);  // reopened and saved again: the same rows
    const QString second = zem({u"show"_s, u"20100070970"_s}).out;
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first.contains(u"\n507\t-68000\n"_s));
    EXPECT_TRUE(first.contains(u"\n801\tD'ONOFRIO\n"_s));
    EXPECT_TRUE(first.startsWith(u"estado=0\t"_s));

    EXPECT_EQ(zem({u"validate"_s, u"20100070970"_s}).code, 0);
    // Emptying the amount to pay makes it inconsistent: saved with estado 9, the finding listed.
    EXPECT_EQ(zem({u"save"_s, u"20100070970"_s, u"180="_s}).code, 1);
    const Outcome findings = zem({u"validate"_s, u"20100070970"_s});
    EXPECT_EQ(findings.code, 1);
    EXPECT_TRUE(findings.out.startsWith(u"Ingrese el importe a pagar"_s));
    EXPECT_TRUE(zem({u"show"_s, u"20100070970"_s}).out.startsWith(u"estado=9\t"_s));

    const Outcome list = zem({u"list"_s});
    EXPECT_TRUE(list.out.contains(u"20100070970\tD'ONOFRIO PÉREZ ANA\t2006\t9\n"_s))
        << list.out.toStdString();
    EXPECT_EQ(zem({u"send"_s, u"20100070970"_s}).code, 2);  // an inconsistent declaration cannot be sent

    ASSERT_EQ(zem({u"delete"_s, u"20100070970"_s}).code, 0);
    EXPECT_EQ(zem({u"list"_s}).out, QString());
    EXPECT_EQ(zem({u"show"_s, u"20100070970"_s}).code, 2);
}

TEST(Cli, BadInputIsRefusedAndChangesNothing) {
    Tool zem;
    ASSERT_EQ(zem({u"init"_s, u"--demo"_s}).code, 0);
    const QString demo = u"10406958278"_s;
    EXPECT_EQ(zem({u"save"_s, demo, u"552=1"_s, u"999=5"_s}).code, 2);
    EXPECT_EQ(zem({u"save"_s, demo, u"107:5"_s}).code, 2);
    EXPECT_EQ(zem({u"list"_s}).out, QString());             // nothing was saved
    EXPECT_EQ(zem({u"save"_s, u"20100070970"_s}).code, 2);  // not registered
    EXPECT_EQ(zem({u"taxpayer"_s, u"add"_s, u"20100070971"_s, u"--paterno"_s, u"A"_s, u"--materno"_s, u"B"_s,
                   u"--nombres"_s, u"C"_s})
                  .code,
              2);
    const Outcome refused = zem({u"save"_s, demo, u"107=1000"_s});
    EXPECT_EQ(refused.code, 2);  // the identification is incomplete
    EXPECT_TRUE(refused.err.contains(u"Indique si la declaración es personal o sociedad conyugal"_s));
    EXPECT_EQ(zem({u"frobnicate"_s}).code, 2);
    EXPECT_EQ(zem({u"show"_s, demo, u"--bogus"_s}).code, 2);
    EXPECT_EQ(zem({u"--help"_s}).code, 0);
}

TEST(Cli, TheSettingsFileSurvivesAFullDiskAndKeepsItsCodePage) {
    Tool zem;
    ASSERT_EQ(zem({u"init"_s}).code, 0);
    const QString path = zem.home.filePath(u"config/zem/QW000.INI"_s);
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QByteArray original = ini.readAll();
    ini.close();
    // The launcher's user is MUÑOZ, written in the Windows code page with CR LF line ends.
    original.replace("SysUser=CONTADOR", "SysUser=MU\xd1OZ");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(original);
    ini.close();
    ASSERT_FALSE(original.contains("SystemDB"));

    zem.fileSizeLimit = original.size() + 8;  // too small for the file with SystemDB added
    const Outcome full = zem({u"list"_s});
    EXPECT_EQ(full.code, 2);
    EXPECT_TRUE(full.err.contains(u"No se pudo escribir el archivo de configuración"_s))
        << full.err.toStdString();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), original);
    ini.close();

    zem.fileSizeLimit = 0;
    ASSERT_EQ(zem({u"list"_s}).code, 0);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray written = ini.readAll();
    ini.close();
    EXPECT_TRUE(written.startsWith(original)) << written.toStdString();
    EXPECT_TRUE(written.endsWith("QW000.MDW\r\n"));
    EXPECT_TRUE(written.contains("SysUser=MU\xd1OZ\r\n"));

    // An emptied settings file is named as such.
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.close();
    const Outcome empty = zem({u"list"_s});
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.contains(u"está vacío"_s)) << empty.err.toStdString();
}

TEST(Cli, EveryCategoryFlowsToTheDebtAsComputedByHand) {
    Tool zem;
    // UIT 3,400. First category 60,000 less 20 % = 48,000; second 50,000 less 10 % = 45,000; fourth 200,000
    // less 20 % (40,000, under the 24 UIT cap) plus 10,000, less the solidarity tax 4,000, plus fifth 20,000
    // = 186,000 less 7 UIT = 162,200. Net global income 255,200; taxable 255,200 - 3,000 - 2,000 + 12,000
    // = 262,200. Tax 13,770 + 19,278 + 0.30 x 78,600 = 56,628; less credits 1,500 = 55,128; less payments
    // 6,000 = 49,128; plus interest 72 = 49,200.
    const Outcome r = zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"100=50000"_s, u"102=10000"_s,
                           u"520=30000"_s, u"106=20000"_s, u"107=200000"_s, u"108=10000"_s, u"110=4000"_s,
                           u"111=20000"_s, u"522=3000"_s, u"519=2000"_s, u"116=12000"_s, u"122=1000"_s,
                           u"124=500"_s, u"125=1000"_s, u"130=5000"_s, u"145=72"_s});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList expected = {
        u"501\t60,000"_s,   u"502\t(12,000)"_s, u"503\t48,000"_s,  u"504\t50,000"_s,  u"505\t(5,000)"_s,
        u"506\t45,000"_s,   u"507\t(40,000)"_s, u"508\t160,000"_s, u"509\t166,000"_s, u"510\t186,000"_s,
        u"511\t(23,800)"_s, u"512\t162,200"_s,  u"113\t255,200"_s, u"514\t250,200"_s, u"528\t262,200"_s,
        u"515\t262,200"_s,  u"120\t56,628"_s,   u"516\t55,128"_s,  u"142\t49,128"_s,  u"146\t49,200"_s};
    for (const QString& line : expected)
        EXPECT_TRUE(r.out.contains(line + u'\n')) << line.toStdString() << '\n' << r.out.toStdString();
}

TEST(Cli, MalformedCommandLinesAreRefusedByName) {
    Tool zem;
    const auto refused = [&](const QStringList& args, const QString& message) {
        const Outcome r = zem(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    };
    refused({u"compute"_s, u"107=1"_s, u"--uit"_s}, u"Falta el valor de la opción --uit."_s);
    refused({u"compute"_s, u"--uit"_s, u"3400"_s, u"--bogus"_s}, u"Opción desconocida: --bogus."_s);
    refused({u"compute"_s, u"--uit"_s, u"3400"_s, u"1070=5"_s}, u"Argumento inválido «1070=5»"_s);
    refused({u"compute"_s, u"--uit"_s, u"3400"_s, u"=5"_s}, u"Argumento inválido «=5»"_s);
    refused({u"show"_s, u"10406958278"_s, u"20100070970"_s}, u"Uso: zem0482 show"_s);
    refused({u"taxpayer"_s, u"alta"_s, u"10406958278"_s, u"--paterno"_s, u"A"_s, u"--materno"_s, u"B"_s,
             u"--nombres"_s, u"C"_s},
            u"Uso: zem0482 taxpayer add"_s);
    refused({u"user"_s, u"add"_s, u"PEPE"_s}, u"Uso: zem0482 user add NOMBRE --tipo T"_s);
}
