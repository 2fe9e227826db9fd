// The batch tool opens, sets and saves a declaration through the same core as the declaration window: what
// the window refuses it refuses, what an answer does in the window it does here, and a stored declaration
// comes back the same.
#include <gtest/gtest.h>

#include "CliTool.h"

using namespace Qt::StringLiterals;

namespace {

using zem::test::Outcome;
using zem::test::Tool;

const QString kDemo = u"10406958278"_s;

// A declaration whose identification is complete, paid in cash.
QStringList identified(const QStringList& more = {}) {
    return QStringList{u"save"_s,  kDemo,      u"552=1"_s, u"554=0"_s, u"005=0"_s, u"027=2"_s,
                       u"556=1"_s, u"560=0"_s, u"561=0"_s, u"599=E"_s, u"025=01"_s} +
           more;
}

QString rows(const Tool& zem, const QString& sql) {
    QStringList out;
    for (const QStringList& row : zem.sql(sql))
        out << row.join(u'|');
    return out.join(u'\n');
}

TEST(CliEntry, WithoutTheYearsTaxUnitNothingIsComputedOrSaved) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    zem.sql(u"DELETE FROM param WHERE numero = '404'"_s);
    const Outcome r = zem(identified({u"107=340000"_s, u"180=52428"_s}));
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(u"no tiene la UIT del ejercicio 2006"_s)) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(rows(zem, u"SELECT count(*) FROM cab"_s), u"0"_s);
    EXPECT_EQ(rows(zem, u"SELECT count(*) FROM det"_s), u"0"_s);
}

TEST(CliEntry, AnUnchangedDeclarationSavedAgainKeepsItsStateAndEveryRow) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    // The patrimonial total is the core's to compute on opening: without it check 68 fails the second save.
    ASSERT_EQ(zem(identified({u"107=340000"_s, u"180=52428"_s, u"840=5000"_s})).code, 0);
    EXPECT_EQ(zem({u"validate"_s, kDemo}).code, 0);
    ASSERT_EQ(zem({u"save"_s, kDemo}).code, 0);
    EXPECT_TRUE(zem({u"show"_s, kDemo}).out.startsWith(u"estado=0\t"_s));

    zem.sql(
        u"INSERT INTO f0480pagos (tip_doc_d, doc_id_d, periodo, formulario, casilla, per_tri, num_for, "
        "num_ord, fec_pago, mto_trib, mto_int, mto_tot_pag, mto_gravado, ind_importa, cnumero) VALUES "
        "(6, '10406958278', '2006', '0482', '133', '200605', '1662', '123', '15/06/2006', '150.00', "
        "'0.00', '150.00', '1000.00', '0', '')"_s);
    ASSERT_NE(zem({u"save"_s, kDemo}).code, 2);  // the annex row gets its check code
    const QString det = u"SELECT * FROM det ORDER BY casilla"_s;
    const QString annex =
        u"SELECT casilla, per_tri, num_for, num_ord, fec_pago, mto_trib, mto_int, mto_tot_pag, mto_gravado, "
        "ind_importa, cnumero FROM f0480pagos"_s;
    const QString cab = u"SELECT estado, cnumero FROM cab"_s;
    const QString before = rows(zem, det) + rows(zem, annex) + rows(zem, cab);

    const Outcome again = zem({u"save"_s, kDemo});
    EXPECT_NE(again.code, 2) << again.err.toStdString();
    EXPECT_EQ(rows(zem, det) + rows(zem, annex) + rows(zem, cab), before);
    EXPECT_TRUE(rows(zem, det).contains(u"|840|5000|"_s));
    EXPECT_TRUE(rows(zem, annex).startsWith(u"133|200605|"_s));
}

TEST(CliEntry, AChequePaymentIsStoredWhole) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    const Outcome r = zem(identified(
        {u"107=340000"_s, u"180=52428"_s, u"599=C"_s, u"015=02"_s, u"012=4455"_s, u"598=52428"_s}));
    EXPECT_EQ(r.code, 0) << r.out.toStdString() << r.err.toStdString();
    const QString shown = zem({u"show"_s, kDemo}).out;
    EXPECT_TRUE(shown.contains(u"\n012\t4455\n"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"\n598\t52428\n"_s));
    EXPECT_TRUE(shown.contains(u"nrocheque=4455"_s));
    EXPECT_EQ(zem({u"validate"_s, kDemo}).code, 0);
}

TEST(CliEntry, AStoredDeclarationMissingAnIdentificationAnswerIsNotValidated) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    ASSERT_EQ(zem(identified({u"107=340000"_s, u"180=52428"_s})).code, 0);
    // Another program left the declaration without the answer "personal or conjugal partnership".
    zem.sql(u"DELETE FROM det WHERE casilla = '552'"_s);
    const Outcome r = zem({u"validate"_s, kDemo});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(u"Indique si la declaración es personal o sociedad conyugal"_s))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
}

TEST(CliEntry, AnswersOutsideTheirCodesAreRefused) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    for (const QString& bad : {u"027=3"_s, u"556=9"_s, u"560=X"_s, u"561=7"_s, u"552=9"_s, u"554=2"_s,
                               u"005=5"_s, u"140=7"_s, u"025=ZZ"_s, u"599=T"_s, u"015=99"_s, u"301=99"_s}) {
        const Outcome r = zem(identified({u"107=340000"_s, u"180=52428"_s, bad}));
        EXPECT_EQ(r.code, 2) << bad.toStdString();
        EXPECT_TRUE(r.err.contains(u"Casilla "_s + bad.left(3))) << r.err.toStdString();
    }
    EXPECT_EQ(rows(zem, u"SELECT count(*) FROM cab"_s), u"0"_s);
}

TEST(CliEntry, AnswersEmptyWhatTheyCloseAsInTheWindow) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    ASSERT_NE(zem(identified({u"107=340000"_s, u"180=52428"_s, u"560=1"_s, u"535=1234"_s})).code, 2);
    EXPECT_TRUE(zem({u"show"_s, kDemo}).out.contains(u"\n200\t1234\n"_s));
    ASSERT_NE(zem({u"save"_s, kDemo, u"560=0"_s}).code, 2);
    const QString shown = zem({u"show"_s, kDemo}).out;
    EXPECT_FALSE(shown.contains(u"\n535\t"_s)) << shown.toStdString();
    EXPECT_FALSE(shown.contains(u"\n200\t"_s));

    // The representative's data go when the declarant declares for itself.
    ASSERT_NE(zem({u"save"_s, kDemo, u"556=2"_s, u"811=ROJAS"_s, u"812=LUNA"_s, u"813=JUAN"_s, u"301=01"_s,
                   u"302=40506070"_s})
                  .code,
              2);
    ASSERT_NE(zem({u"save"_s, kDemo, u"556=1"_s}).code, 2);
    const QString own = zem({u"show"_s, kDemo}).out;
    EXPECT_FALSE(own.contains(u"ROJAS"_s));
    EXPECT_TRUE(own.contains(u"\n811\tQUISPE\n"_s)) << own.toStdString();
    EXPECT_TRUE(own.contains(u"\n302\t"_s + kDemo + u'\n'));
}

TEST(CliEntry, BadValuesAreRefusedWithTheBoxAndItsLimitAndChangeNothing) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    ASSERT_EQ(zem(identified({u"107=340000"_s, u"180=52428"_s})).code, 0);
    const QString before = rows(zem, u"SELECT * FROM det ORDER BY casilla"_s);
    const QStringList bad = {u"107=abc"_s,
                             u"107==5"_s,
                             u"107=1e3"_s,
                             u"107=0x10"_s,
                             u"107=NaN"_s,
                             u"107=３４０"_s,
                             u"107=99999999999999999999999999"_s,
                             u"107=12345678901"_s,
                             u"107=-340000"_s,
                             u"180=-1"_s,
                             u"002=20100070970"_s,
                             u"007=2005"_s,
                             u"721=2.0"_s,
                             u"871=1"_s,
                             u"400=06"_s,
                             u"401=10406958278"_s,
                             u"553=3"_s,
                             u"515=1"_s,
                             u"811=A\n999\tFAKE"_s,
                             u"028="_s + QString(131000, u'9'),
                             u"208=12345678"_s};  // a document number waits for its type
    for (const QString& word : bad) {
        const Outcome r = zem({u"save"_s, kDemo, word});
        EXPECT_EQ(r.code, 2) << word.left(30).toStdString();
        EXPECT_TRUE(r.err.contains(u"asilla "_s + word.left(3))) << r.err.left(200).toStdString();
    }
    EXPECT_EQ(rows(zem, u"SELECT * FROM det ORDER BY casilla"_s), before);
    EXPECT_TRUE(zem({u"show"_s, kDemo}).out.startsWith(u"estado=0\t"_s));
    // The limits: 10 digits in a typed box, 17 in one an assistant feeds.
    EXPECT_EQ(zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"107=1234567890"_s}).code, 0);
    EXPECT_EQ(zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"115=12345678901234567"_s}).code, 0);
    EXPECT_EQ(zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"115=123456789012345678"_s}).code, 2);
    const Outcome abc = zem({u"compute"_s, u"--uit"_s, u"3400"_s, u"107=abc"_s});
    EXPECT_EQ(abc.code, 2);
    EXPECT_TRUE(abc.out.isEmpty());
    // Names with line breaks cannot reach the register either.
    EXPECT_EQ(zem({u"taxpayer"_s, u"add"_s, u"20100070970"_s, u"--paterno"_s, u"A\n999\tFAKE"_s}).code, 2);
    EXPECT_EQ(rows(zem, u"SELECT count(*) FROM cont WHERE doc_id_d = '20100070970'"_s), u"0"_s);
}

TEST(CliEntry, AMalformedRucIsCalledInvalidNotUnregistered) {
    Tool zem;
    ASSERT_TRUE(zem.initDemo());
    const Outcome shortRuc = zem({u"show"_s, u"12345"_s});
    EXPECT_EQ(shortRuc.code, 2);
    EXPECT_TRUE(shortRuc.err.contains(u"La longitud del RUC no es válida"_s)) << shortRuc.err.toStdString();
    EXPECT_TRUE(zem({u"show"_s, u"abcdefghijk"_s}).err.contains(u"El número de RUC no es válido"_s));
    const Outcome digit = zem({u"show"_s, u"10123456782"_s});
    EXPECT_TRUE(digit.err.contains(u"El número de RUC no es válido"_s));
    EXPECT_FALSE(digit.err.contains(u"no está registrado"_s));
    // A well-formed RUC that nobody registered is still told so.
    EXPECT_TRUE(zem({u"show"_s, u"20100070970"_s}).err.contains(u"no está registrado"_s));
}

}  // namespace
