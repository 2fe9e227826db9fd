#include <gtest/gtest.h>

#include "data/Catalogue.h"
#include "data/SeedCatalogue.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::catalogue;
using namespace Qt::StringLiterals;

namespace {

void addParam(Db& db, const QString& numero, const QString& argumento, const QString& funcion) {
    ASSERT_TRUE(db.execute(u"INSERT INTO param (numero, argumento, funcion) VALUES (?, ?, ?)"_s,
                           {numero, argumento, funcion}));
}

}  // namespace

TEST(Catalogue, ValueInForceIsTheLatestStartNotAfterTheYear) {
    test::TestEnv env;
    Db& db = env.db();
    EXPECT_EQ(uit(db, u"2006"_s), QString());
    addParam(db, u"404"_s, u"20070101"_s, u"3450"_s);
    EXPECT_EQ(uit(db, u"2006"_s), QString());  // only a later year
    addParam(db, u"404"_s, u"20050101"_s, u" 3300 "_s);
    EXPECT_EQ(uit(db, u"2006"_s), u"3300"_s);
    addParam(db, u"404"_s, u"20060101"_s, u"3400"_s);
    EXPECT_EQ(uit(db, u"2006"_s), u"3400"_s);
    EXPECT_EQ(uit(db, u"2007"_s), u"3450"_s);

    // Rates by concept: the period may not be after January of the year.
    addParam(db, u"998"_s, u"020702 200501"_s, u" 10.00"_s);
    addParam(db, u"998"_s, u"020702 200602"_s, u" 12.50"_s);
    addParam(db, u"998"_s, u"020704 200601"_s, u" 8"_s);
    EXPECT_EQ(rateByConcept(db, u"020702"_s, u"998"_s, u"2006"_s), u"10"_s);
    EXPECT_EQ(rateByConcept(db, u"020702"_s, u"998"_s, u"2007"_s), u"12.5"_s);
    EXPECT_EQ(rateByConcept(db, u"020704"_s, u"998"_s, u"2006"_s), u"8"_s);
    EXPECT_EQ(rateByConcept(db, u"020301"_s, u"998"_s, u"2006"_s), QString());

    // Rates by date: "0" when there is none.
    EXPECT_EQ(rateByDate(db, u"916"_s, u"2006"_s), u"0"_s);
    addParam(db, u"916"_s, u"20030101"_s, u" 4.1"_s);
    addParam(db, u"916"_s, u"20070101"_s, u" 5.0"_s);
    EXPECT_EQ(rateByDate(db, u"916"_s, u"2006"_s), u"4.1"_s);

    env.session.gAnio = u"2006"_s;
    loadRates(env.session);
    EXPECT_EQ(env.session.gUIT, u"3400"_s);
    EXPECT_EQ(env.session.gTasa[0], u"10"_s);
    EXPECT_EQ(env.session.gTasa[1], u"8"_s);
    EXPECT_EQ(env.session.gTasa[2], QString());
}

TEST(Catalogue, SeedCatalogueLoadsOnceAndAnswersTheYear) {
    test::TestEnv env;
    Db& db = env.db();
    ASSERT_TRUE(loadSeedCatalogue(db));
    const int rows = db.scalar(u"SELECT count(*) FROM param"_s).toInt();
    EXPECT_GT(rows, 250);
    EXPECT_EQ(uit(db, u"2006"_s), u"3400"_s);
    EXPECT_EQ(rateByDate(db, u"916"_s, u"2006"_s), u"4.1"_s);
    loadRates(env.session);
    for (const QString& rate : env.session.gTasa)
        EXPECT_FALSE(rate.isEmpty());

    // A second load adds nothing and keeps what the installation changed.
    ASSERT_TRUE(
        db.execute(u"UPDATE param SET funcion = '3500' WHERE numero = '404' AND argumento = '20060101'"_s));
    ASSERT_TRUE(db.execute(u"DELETE FROM error WHERE coderror = '0007'"_s));
    ASSERT_TRUE(loadSeedCatalogue(db));
    EXPECT_EQ(db.scalar(u"SELECT count(*) FROM param"_s).toInt(), rows);
    EXPECT_EQ(uit(db, u"2006"_s), u"3500"_s);
    EXPECT_EQ(db.scalar(u"SELECT descerror FROM error WHERE coderror = '0007'"_s).toString(),
              u"Registre como máximo 10 enteros y 2 decimales"_s);
    EXPECT_TRUE(env.sink.messages().isEmpty());
}

TEST(Catalogue, SeedDataKeepsItsFieldsApart) {
    // Each catalogue's description fits its field: the character after it is blank.
    const QHash<QString, int> descriptionWidth{
        {u"004"_s, 36}, {u"979"_s, 36}, {u"976"_s, 60}, {u"913"_s, 30}, {u"919"_s, 50}, {u"926"_s, 65},
        {u"927"_s, 40}, {u"044"_s, 30}, {u"678"_s, 60}, {u"679"_s, 60}, {u"833"_s, 40}, {u"233"_s, 40}};
    const QList<SeedRow> rows = seedParamRows();
    ASSERT_FALSE(rows.isEmpty());
    for (const SeedRow& r : rows) {
        const int width = descriptionWidth.value(r.numero);
        if (width == 0)
            continue;
        EXPECT_FALSE(field(r.funcion, 1, width).trimmed().isEmpty()) << r.numero.toStdString();
        EXPECT_TRUE(field(r.funcion, width + 1, 1).trimmed().isEmpty())
            << r.numero.toStdString() << " " << r.argumento.toStdString();
    }
    // The RUC row is the built-in one where both speak.
    const QString builtIn = defaultRucFuncion();
    ASSERT_EQ(builtIn.size(), 130);
    for (const SeedRow& r : rows) {
        if (r.numero == u"044" && r.argumento == u"6") {
            EXPECT_EQ(r.funcion.left(82), builtIn.left(82));
        }
    }

    EXPECT_EQ(paymentFormCodes(u"133"_s).size(), 11);
    EXPECT_EQ(paymentFormCodes(u"529"_s).size(), 9);
    EXPECT_EQ(paymentFormCodes(u"127"_s).size(), 11);
    EXPECT_EQ(importFormCodes(u"133"_s).size(), 12);
    EXPECT_EQ(importFormCodes(u"529"_s).size(), 10);
    EXPECT_EQ(importFormCodes(u"127"_s).size(), 12);
    for (const QString& code : creditApplicationFormCodes())
        EXPECT_TRUE(paymentFormCodes(u"127"_s).contains(code));
    for (const QString& code : paymentFormCodes(u"529"_s))
        EXPECT_TRUE(paymentFormCodes(u"133"_s).contains(code));
}

TEST(Catalogue, ListFillersAndSelection) {
    test::TestEnv env;
    Db& db = env.db();
    ASSERT_TRUE(loadSeedCatalogue(db));

    // Professions by description with "99" last, behind a blank entry that selects no code.
    const QList<ListEntry> professions =
        listEntries(db, u"979"_s, u"*"_s, 1, 36, true, ListOrder::ByDescriptionNinetyNineLast);
    ASSERT_GT(professions.size(), 30);
    EXPECT_EQ(professions[0].text, QString(75, u' '));
    EXPECT_TRUE(professions[0].code.isEmpty());
    EXPECT_EQ(professions[1].text, u"01     ABOGADO"_s);
    EXPECT_EQ(professions.last().code, u"99"_s);
    EXPECT_EQ(selectEntry(professions, u""_s, 2), 0);
    EXPECT_EQ(professions[selectEntry(professions, u"33"_s, 2)].text, u"33     MÉDICO"_s);
    EXPECT_EQ(selectEntry(professions, u"98"_s, 2), -1);

    // Accents do not disturb the order by description; Ñ comes after N.
    const QList<ListEntry> countries =
        listEntries(db, u"976"_s, u"*"_s, 1, 60, false, ListOrder::ByDescription);
    const QStringList texts = entryTexts(countries);
    const auto at = [&](const QString& name) {
        for (int i = 0; i < texts.size(); ++i) {
            if (texts[i].mid(9) == name)
                return i;
        }
        return -1;
    };
    EXPECT_LT(at(u"BÉLGICA"_s), at(u"BELICE"_s));
    EXPECT_LT(at(u"ESLOVENIA"_s), at(u"ESPAÑA"_s));
    EXPECT_LT(at(u"ESPAÑA"_s), at(u"ESTADOS UNIDOS DE AMÉRICA"_s));
    EXPECT_EQ(descriptionByKey(db, u"976"_s, u"9589"_s, 1, 60), u"PERÚ"_s);

    // Flag filters: position 70 for the kinds of operation, 68 for the receipts of box 107.
    const QList<ListEntry> operations =
        listEntries(db, u"919"_s, u"*"_s, 1, 50, false, ListOrder::ByCode, true);
    EXPECT_EQ(selectEntry(operations, u"08"_s, 2), -1);
    EXPECT_GE(selectEntry(operations, u"01"_s, 2), 0);
    const QList<ListEntry> receipts =
        listEntriesWithFlag(db, u"233"_s, u"*"_s, 1, 40, false, ListOrder::ByCode, 68);
    EXPECT_EQ(entryTexts(receipts),
              (QStringList{u"02     RECIBO POR HONORARIOS"_s, u"07     NOTA DE CRÉDITO"_s,
                           u"99     OTROS COMPROBANTES"_s}));

    // The key pattern: '*' is any text; the engine's own wildcards are plain characters.
    EXPECT_EQ(listEntries(db, u"004"_s, u"0*"_s, 1, 36, false, ListOrder::ByCode).size(), 4);
    EXPECT_TRUE(listEntries(db, u"004"_s, u"_2"_s, 1, 36, false, ListOrder::ByCode).isEmpty());

    // Codes are listed by value; numeric codes select by value.
    addParam(db, u"555"_s, u"10"_s, u"DIEZ"_s);
    addParam(db, u"555"_s, u"9"_s, u"NUEVE"_s);
    const QList<ListEntry> numbered = listEntries(db, u"555"_s, u"*"_s, 1, 10, false, ListOrder::ByCode);
    EXPECT_EQ(entryTexts(numbered), (QStringList{u"09     NUEVE"_s, u"10     DIEZ"_s}));
    EXPECT_EQ(numbered[0].code, u"9"_s);
    EXPECT_EQ(selectEntry(numbered, u"9"_s, 2), 0);

    // Slices past the stored text read as empty.
    EXPECT_EQ(descriptionByKey(db, u"555"_s, u"10"_s, 3, 10), u"EZ"_s);
    EXPECT_EQ(descriptionByKey(db, u"555"_s, u"10"_s, 30, 10), QString());
    EXPECT_EQ(descriptionByKey(db, u"555"_s, u"11"_s, 1, 10), QString());
    EXPECT_EQ(all(db, u"555"_s).first().argumento, u"9"_s);
}
