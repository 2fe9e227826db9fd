#include <gtest/gtest.h>

#include <QSqlQuery>

#include "data/Catalogue.h"
#include "data/Documents.h"
#include "data/SeedCatalogue.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::documents;
using namespace Qt::StringLiterals;

namespace {

QStringList taxpayers(Db& db, const QString& usuario, const QString& formulario = u"0482"_s) {
    const Query query = taxpayerListQuery(db, usuario, formulario);
    QSqlQuery q = db.select(query.sql, query.params);
    QStringList rucs;
    while (q.next())
        rucs << q.value(u"doc_id_d"_s).toString();
    return rucs;
}

// The users are registered apart, so that one of them can stay out of CLAVES.
void addTaxpayer(Db& db, const QString& ruc, int tipoIngreso, const QString& usuario) {
    ASSERT_TRUE(test::addTaxpayer(db, {.ruc = ruc,
                                       .nombre = u"CONTRIBUYENTE"_s,
                                       .tipoIngreso = tipoIngreso,
                                       .usuario = usuario,
                                       .userKind = {}}));
}

}  // namespace

TEST(Documents, ValidatorByLengthAndCharacters) {
    test::TestEnv env;
    Db& db = env.db();
    // Without the catalogue the RUC still validates through its built-in row; other types do not.
    EXPECT_TRUE(validateDocument(db, u"06"_s, u"20100047218"_s));
    EXPECT_FALSE(validateDocument(db, u"1"_s, u"12345678"_s));
    EXPECT_EQ(documentDescription(db, u"6"_s), u"REG. UNICO DE CONTRIBUYENTES"_s);
    EXPECT_EQ(documentLength(db, u"6"_s), u"11"_s);

    ASSERT_TRUE(loadSeedCatalogue(db));
    EXPECT_FALSE(validateDocument(db, u"6"_s, u"2010004721"_s));    // 10 characters
    EXPECT_FALSE(validateDocument(db, u"6"_s, u"20100047219"_s));   // check digit
    EXPECT_FALSE(validateDocument(db, u"6"_s, u"201000472180"_s));  // 12 characters: not a RUC
    EXPECT_TRUE(validateDocument(db, u" 6 "_s, u" 10076543211 "_s));
    EXPECT_FALSE(validateDocument(db, u""_s, u"20100047218"_s));
    EXPECT_FALSE(validateDocument(db, u"6"_s, u"   "_s));
    EXPECT_FALSE(validateDocument(db, u"5"_s, u"12345678"_s));  // no such type

    EXPECT_TRUE(validateDocument(db, u"01"_s, u"07654321"_s));  // DNI: exactly 8 digits
    EXPECT_FALSE(validateDocument(db, u"1"_s, u"7654321"_s));
    EXPECT_FALSE(validateDocument(db, u"1"_s, u"076543210"_s));
    EXPECT_FALSE(validateDocument(db, u"1"_s, u"0765432A"_s));
    EXPECT_FALSE(validateDocument(db, u"1"_s, u"00000000"_s));

    EXPECT_TRUE(validateDocument(db, u"7"_s, u"AB123456"_s));  // passports vary, up to 12
    EXPECT_TRUE(validateDocument(db, u"07"_s, u"5123456789AB"_s));
    EXPECT_FALSE(validateDocument(db, u"7"_s, u"5123456789ABC"_s));
    EXPECT_FALSE(validateDocument(db, u"7"_s, u"AB 123"_s));
    EXPECT_TRUE(validateDocument(db, u"99"_s, u"C0000001"_s));
    EXPECT_EQ(documentDescription(db, u"07"_s, true), u"PASAPORTE"_s);
}

TEST(Documents, TypeListsOfTheWindows) {
    test::TestEnv env;
    Db& db = env.db();
    // Before the catalogue exists the RUC is offered where its built-in row allows it.
    ASSERT_EQ(documentTypeList(db, usage::kWithholdingAgent).size(), 1);
    EXPECT_TRUE(documentTypeList(db, usage::kSpouse).isEmpty());

    ASSERT_TRUE(loadSeedCatalogue(db));
    const QList<DocumentTypeEntry> payers = documentTypeList(db, usage::kPayer);
    QStringList codes;
    for (const DocumentTypeEntry& e : payers)
        codes << e.code;
    EXPECT_EQ(codes, (QStringList{u"06"_s, u"01"_s, u"04"_s, u"07"_s, u"A "_s, u"00"_s, u"99"_s}));
    EXPECT_EQ(payers[0].text, u"06  -  REG. UNICO DE CONTRIBUYENTES"_s);
    EXPECT_EQ(payers[0].length, 11);
    EXPECT_EQ(payers[0].dataKind, u'5');
    EXPECT_EQ(payers[0].lengthKind, u'0');
    EXPECT_EQ(payers[1].length, 8);

    // Every list a window shows has its types, and the RUC-only lists only the RUC.
    for (int position :
         {usage::kSpouse, usage::kDeclarant, usage::kLessor, usage::kFourthCategory, usage::kCoOwner,
          usage::kThirdParty, usage::kTrustee, usage::kSettlor, usage::kPriorYearTrust}) {
        EXPECT_GE(documentTypeList(db, position).size(), 2) << position;
    }
    for (int position : {usage::kWithholdingAgent, usage::kRucOnly}) {
        const QList<DocumentTypeEntry> only = documentTypeList(db, position);
        ASSERT_EQ(only.size(), 1);
        EXPECT_EQ(only[0].code, u"06"_s);
    }
    for (const DocumentTypeEntry& e : documentTypeList(db, usage::kSpouse))
        EXPECT_NE(e.code, u"06"_s);
    EXPECT_TRUE(documentTypeList(db, 0).isEmpty());
}

TEST(Documents, TaxpayerListFollowsTheUserKind) {
    // No catalogue: the RUC's built-in row still asks for 11 characters.
    test::TestEnv env;
    Db& db = env.db();
    ASSERT_TRUE(test::addUser(db, u"ADMIN"_s, u"0"_s) && test::addUser(db, u"D'ONOFRIO"_s, u"1"_s));
    addTaxpayer(db, u"20100047218"_s, 2, u"D'ONOFRIO"_s);
    addTaxpayer(db, u"10076543211"_s, 2, u"ADMIN"_s);
    addTaxpayer(db, u"10401234565"_s, 1, u"D'ONOFRIO"_s);  // another kind of income
    addTaxpayer(db, u"2050012345"_s, 2, u"D'ONOFRIO"_s);   // not an 11-character RUC
    addTaxpayer(db, u"20600998871"_s, 2, u"OTRO"_s);
    ASSERT_TRUE(
        db.execute(u"INSERT INTO cont (tip_doc_d, doc_id_d, tipo_ingreso, usuario) "
                   "VALUES (1, '07654321', 2, 'ADMIN')"_s));

    EXPECT_EQ(userKind(db, u"ADMIN"_s), u"0"_s);
    EXPECT_EQ(userKind(db, u"NADIE"_s), u"1"_s);
    EXPECT_EQ(taxpayers(db, u"ADMIN"_s), (QStringList{u"10076543211"_s, u"20100047218"_s, u"20600998871"_s}));
    EXPECT_EQ(taxpayers(db, u"D'ONOFRIO"_s), (QStringList{u"20100047218"_s}));
    EXPECT_EQ(taxpayers(db, u"OTRO"_s), (QStringList{u"20600998871"_s}));  // not in CLAVES: own ones only
    EXPECT_EQ(taxpayers(db, u"NADIE"_s), QStringList());
    // Another form does not filter by the kind of income.
    EXPECT_EQ(taxpayers(db, u"D'ONOFRIO"_s, u"0480"_s), (QStringList{u"10401234565"_s, u"20100047218"_s}));
    EXPECT_TRUE(env.sink.messages().isEmpty());
}
