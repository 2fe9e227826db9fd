#include <gtest/gtest.h>

#include "declaration/Declaration.h"
#include "declaration/DeclarationKey.h"
#include "declaration/Rules.h"
#include "declaration/Store.h"
#include "declaration/StoredDeclaration.h"
#include "declaration/Validation.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

// The save with the real identification checks and validation: a new declaration that fails only the
// profession check is stored with estado 9; saved again from the same window once the profession is given,
// it is edited (not refused as an existing new one) and becomes consistent.
TEST(SaveWithValidation, InconsistentThenCorrectedInTheSameWindow) {
    test::TestEnv env;
    const QString ruc = u"10401234565"_s;
    Declaration d;
    Rules rules(d, u"3400"_s);
    Validation validation(env.session, d, rules);
    DeclarationStore store(env.session, d);
    ASSERT_TRUE(store.startNew());
    d.setRuc(ruc);
    for (const auto& [group, code] : {std::pair{OptionGroup::optInmueble, u"2"_s},
                                      {OptionGroup::optPor, u"1"_s},
                                      {OptionGroup::optSom, u"0"_s},
                                      {OptionGroup::OptRectifica, u"0"_s},
                                      {OptionGroup::OptElabora, u"1"_s},
                                      {OptionGroup::optExonera, u"0"_s},
                                      {OptionGroup::optInafecta, u"0"_s}})
        d.setOption(group, code);
    d.setText(301, u"06"_s);
    d.setText(302, ruc);
    d.setText(107, u"50000"_s);
    d.setText(180, u"2430"_s);
    d.setPaymentType(u"E"_s);

    DeclarationKey key;
    key.ruc = ruc;
    const auto estado = [&] {
        for (const auto& [column, value] : readStoredDeclaration(env.db(), key).header) {
            if (column == u"estado")
                return value;
        }
        return QString();
    };
    ASSERT_TRUE(store.GrabarForm(validation));
    EXPECT_EQ(estado(), u"9"_s);
    EXPECT_EQ(env.sink.messages().last().text,
              u"La información del formulario fue grabada con inconsistencias.\n"
              "En estas condiciones no podrá ser enviado a KELOR."_s);
    EXPECT_EQ(env.sink.messages().last().icon, MsgIcon::Exclamation);

    d.setText(25, u"01"_s);
    env.sink.clear();
    ASSERT_TRUE(store.GrabarForm(validation)) << env.sink.texts().join(u" | "_s).toStdString();
    EXPECT_EQ(estado(), u"0"_s);
    EXPECT_EQ(env.sink.messages().last().text,
              u"Toda la información del formulario fue grabada satisfactoriamente."_s);
    // A clean save is a confirmation.
    EXPECT_EQ(env.sink.messages().last().icon, MsgIcon::Information);
}
