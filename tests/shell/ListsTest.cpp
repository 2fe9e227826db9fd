#include <gtest/gtest.h>

#include "ShellFixtures.h"
#include "shell/DeclarationLists.h"
#include "shell/ReferenceQueries.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

namespace {

QStringList keys(const QList<DeclarationRow>& rows) {
    QStringList out;
    for (const DeclarationRow& r : rows)
        out << r.ruc + (r.correl.isEmpty() ? QString() : u'/' + r.correl);
    return out;
}

}  // namespace

TEST(DeclarationLists, FollowTheUserKindTheFormAndTheSentState) {
    TestEnv env;
    Db& db = env.db();
    // CONTADOR is left out of CLAVES.
    addTaxpayer(db, {.ruc = u"10406958278"_s, .nombre = u"QUISPE MAMANI ROSA"_s, .userKind = {}});
    addTaxpayer(db, {.ruc = u"10074326159"_s, .nombre = u"D'ONOFRIO LUIS"_s, .usuario = u"OTRO"_s});
    addPrepared(db, u"10406958278"_s);
    addPrepared(db, u"10074326159"_s, 9);
    db.execute(
        u"INSERT INTO cab (tip_doc_d, doc_id_d, periodo, formulario, semana) "
        u"VALUES (6, '10406958278', '2006', '0478', 0)"_s);  // another form
    addSent(db, u"10406958278"_s, u"1"_s);
    addSent(db, u"10406958278"_s, u"2"_s, 0);  // a sending not confirmed
    addSent(db, u"10074326159"_s, u"1"_s);

    auto rows = [&](DeclarationList list) {
        return keys(declarationRows(db, sessionFilter(env.session, list)));
    };

    // CONTADOR is not in CLAVES: kind "1", only its own taxpayers.
    EXPECT_EQ(rows(DeclarationList::InPreparation), QStringList{u"10406958278"_s});
    EXPECT_EQ(rows(DeclarationList::Sent), QStringList{u"10406958278/1"_s});
    EXPECT_EQ(rows(DeclarationList::SentForOrderNumber),
              (QStringList{u"10406958278/1"_s, u"10406958278/2"_s}));

    addUser(db, u"CONTADOR"_s, u"0"_s);
    EXPECT_EQ(rows(DeclarationList::InPreparation), (QStringList{u"10074326159"_s, u"10406958278"_s}));
    EXPECT_EQ(rows(DeclarationList::Sent), (QStringList{u"10074326159/1"_s, u"10406958278/1"_s}));
    EXPECT_EQ(rows(DeclarationList::SentForOrderNumber).size(), 3);

    const QList<DeclarationRow> prepared =
        declarationRows(db, sessionFilter(env.session, DeclarationList::InPreparation));
    EXPECT_EQ(prepared[0].nombre, u"D'ONOFRIO LUIS"_s);
    EXPECT_EQ(prepared[0].estado, 9);
    EXPECT_EQ(prepared[0].periodoShown(), u"2006"_s);

    // A sent row opens by its key with the sequence of its sending; the row keeps its control code.
    const DeclarationRow sent = declarationRows(db, sessionFilter(env.session, DeclarationList::Sent))[1];
    EXPECT_EQ(sent.control, u"12345678"_s);
    const DeclarationKey key = declarationKey(sent, DeclarationList::Sent);
    EXPECT_EQ(key.ruc, u"10406958278"_s);
    EXPECT_TRUE(key.sent);
    EXPECT_EQ(key.correl, u"1"_s);
}

TEST(ReferenceQueries, LeaveOutCodeZeroAndShowTheUitNewestFirst) {
    TestEnv env;
    Db& db = env.db();
    const QList<QVariantList> params = {
        {u"004"_s, u"00"_s, u"NINGUNO"_s},
        {u"004"_s, u"02"_s, u"BANCO DE CREDITO DEL PERU                   BCP"_s},
        {u"979"_s, u"01"_s, u"ARQUITECTO"_s},
        {u"404"_s, u"20050101"_s, u"3300"_s},
        {u"404"_s, u"20060101"_s, u" 3400 "_s},
    };
    for (const QVariantList& p : params)
        db.execute(u"INSERT INTO param (numero, argumento, funcion) VALUES (?, ?, ?)"_s, p);

    const QList<ReferenceRow> banks = referenceRows(db, ReferenceKind::Banks);
    ASSERT_EQ(banks.size(), 1);
    EXPECT_EQ(banks[0].codigo, u"02"_s);
    EXPECT_EQ(banks[0].descrip, u"BANCO DE CREDITO DEL PERU           "_s);  // the first 36 characters
    EXPECT_EQ(referenceRows(db, ReferenceKind::Professions).size(), 1);

    const QList<ReferenceRow> uit = referenceRows(db, ReferenceKind::Uit);
    ASSERT_EQ(uit.size(), 2);
    EXPECT_EQ(uit[0].codigo, u"01/01/2006"_s);
    EXPECT_EQ(uit[0].descrip, u"3,400"_s);
    EXPECT_EQ(uit[1].codigo, u"01/01/2005"_s);
    EXPECT_EQ(referenceHeaders(ReferenceKind::Uit), (QStringList{u"Fecha"_s, u"Valor"_s}));

    db.execute(u"DELETE FROM param"_s);
    EXPECT_TRUE(referenceRows(db, ReferenceKind::Uit).isEmpty());
}
