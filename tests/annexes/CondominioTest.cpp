#include <gtest/gtest.h>

#include "annexes/Condominio.h"
#include "data/SeedCatalogue.h"
#include "startup/Database.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

constexpr char16_t kDeclarant[] = u"10000000014";

class CondominioTest : public ::testing::Test {
protected:
    CondominioTest() : entry(env.session, QString::fromUtf16(kDeclarant)) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
    }

    Condominio::Result add(const QString& type, const QString& number) {
        env.sink.clear();
        entry.setTipDoc(type);
        entry.setNumRuc(number);
        return entry.accept();
    }
    QString lastMessage() const { return env.sink.texts().value(env.sink.texts().size() - 1); }

    test::TestEnv env;
    Condominio entry;
};

TEST_F(CondominioTest, ChecksInTheirOrderRefuseWithoutWriting) {
    EXPECT_TRUE(entry.types().contains(u"06"_s));
    EXPECT_TRUE(entry.types().contains(u"01"_s));
    EXPECT_EQ(add({}, u"12345678"_s), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"Debe ingresar el tipo de documento del condómino"_s);
    EXPECT_EQ(entry.failedField(), u"tip_doc_con"_s);
    EXPECT_EQ(add(u"06"_s, QString::fromUtf16(kDeclarant)), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"El RUC es igual al del declarante"_s);
    EXPECT_EQ(add(u"06"_s, u"1000000001"_s), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"La longitud del RUC no es válida"_s);
    EXPECT_EQ(add(u"06"_s, u"10000000018"_s), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"El número de RUC no es válido"_s);
    EXPECT_EQ(add(u"01"_s, u"1234567"_s), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"La longitud del documento  no es válida"_s);
    EXPECT_EQ(entry.count(), 0);

    EXPECT_EQ(add(u"01"_s, u"12345678"_s), Condominio::Result::Saved);
    EXPECT_EQ(lastMessage(), u"La información fue grabada satisfactoriamente. "_s);
    EXPECT_TRUE(entry.numRuc().isEmpty());
    EXPECT_FALSE(entry.isModified());
    // The same co-owner again, even with its type written as a loaded row writes it.
    EXPECT_EQ(add(u"01"_s, u"12345678"_s), Condominio::Result::Refused);
    EXPECT_EQ(lastMessage(), u"Ya se ingresó este condómino"_s);
    env.db().execute(u"UPDATE TMP_F0480CONDOMI SET tip_doc_con = '1'"_s);
    EXPECT_EQ(add(u"01"_s, u"12345678"_s), Condominio::Result::Refused);
    EXPECT_EQ(entry.count(), 1);
}

TEST_F(CondominioTest, TheFiftiethCoOwnerIsSavedAndClosesTheWindow) {
    for (int i = 1; i < Condominio::kMax; ++i)
        ASSERT_EQ(add(u"01"_s, QString::number(40000000 + i)), Condominio::Result::Saved) << i;
    EXPECT_EQ(entry.count(), 49);
    EXPECT_EQ(add(u"01"_s, u"40000050"_s), Condominio::Result::Full);
    EXPECT_EQ(entry.count(), 50);
    EXPECT_EQ(lastMessage(), u"Solo puede ingresar hasta 50 condóminos"_s);
}

}  // namespace
}  // namespace zem
