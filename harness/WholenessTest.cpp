#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CoreSession.h"
#include "Generation.h"
#include "Installation.h"
#include "Messages.h"
#include "Wholeness.h"

namespace zem::harness {
namespace {

using namespace Qt::StringLiterals;

bool mentions(const QStringList& faults, const QString& text) {
    for (const QString& f : faults) {
        if (f.contains(text))
            return true;
    }
    return false;
}

// One taxpayer's declaration written by the harness, then damaged as a half-done write would leave it: the
// check must see every kind of damage, and a whole declaration must pass.
TEST(Wholeness, EveryHalfWrittenDeclarationIsToldFromAWholeOne) {
    QTemporaryDir home, work;
    const Installation inst(home.path(), QString::fromUtf8(ZEM0482_PATH));
    const QString ruc = harnessRuc(1);
    QString why;
    ASSERT_TRUE(inst.prepare({ruc}, &why)) << why.toStdString();
    inst.enter();
    CoreSession core;
    ASSERT_TRUE(core.open(&why)) << why.toStdString();
    Db& db = core.session.db();

    // A whole import, then a whole sending of it.
    const auto write = [&](Op op) {
        const OpResult r = runOp(core, ruc, op, work.path());
        ASSERT_TRUE(r.done) << r.messages.toStdString();
        ASSERT_EQ(wholenessFaults(core, ruc), QStringList());
    };
    write(Op::Import);
    EXPECT_EQ(storedGeneration(core, ruc), 1);
    write(Op::Send);
    EXPECT_EQ(integrityFaults(core), QStringList());

    // A snapshot tells any change of the declaration's rows, its sendings' included.
    const QString before = snapshot(core, ruc);
    EXPECT_EQ(snapshot(core, ruc), before);
    ASSERT_TRUE(db.execute(u"UPDATE hdet SET i_valor = '1' WHERE casilla = '116'"_s));
    EXPECT_NE(snapshot(core, ruc), before);
    ASSERT_TRUE(db.execute(u"UPDATE hdet SET i_valor = '50001' WHERE casilla = '116'"_s));
    EXPECT_EQ(snapshot(core, ruc), before);

    // Each damage of the declaration in preparation on a whole one (the next import rewrites it all);
    // then those of its sendings, which stay as they are.
    struct Damage {
        QList<Op> first;
        QString sql;
        QString told;
    };
    const QList<Damage> damages = {
        {{Op::Import},
         u"DELETE FROM f0480pagos WHERE ind_importa = '1' AND CAST(num_ord AS INTEGER) > 1000"_s,
         u"1000 pagos importados"_s},
        {{Op::Import},
         u"UPDATE f0480pagos SET mto_trib = '99.00' WHERE num_ord = '900003'"_s,
         u"pago digitado de 99.00"_s},
        {{Op::Import},
         u"UPDATE det SET i_valor = '100000' WHERE casilla = '105'"_s,
         u"casilla 105 = 100000"_s},
        {{Op::Import}, u"DELETE FROM det WHERE casilla = '133'"_s, u"casilla 133 = "_s},
        {{Op::Import}, u"DELETE FROM f0480importa"_s, u"marcas de importación"_s},
        {{Op::Import}, u"DELETE FROM cab"_s, u"sin cabecera quedan"_s},
        {{Op::Import, Op::Send},
         u"DELETE FROM hf0480pagos WHERE num_ord = '900001' AND correl = '1'"_s,
         u"envío 1: 39 pagos digitados"_s},
        {{}, u"DELETE FROM hcab WHERE correl = '2'"_s, u"sin cabecera del envío 2"_s},
    };
    for (const Damage& d : damages) {
        for (Op op : d.first)
            write(op);
        ASSERT_TRUE(db.execute(d.sql)) << d.sql.toStdString();
        const QStringList faults = wholenessFaults(core, ruc);
        EXPECT_TRUE(mentions(faults, d.told))
            << d.sql.toStdString() << " -> " << faults.join(u" | "_s).toStdString();
    }
}

// The module's own texts pass, an engine's words are caught unless they come as the detail.
TEST(Messages, OnlyTheModulesOwnWordsPass) {
    EXPECT_EQ(foreignLines(u"Error tecnico: 3043\nError del disco al leer o escribir la base de datos.\n"
                           "Intente nuevamente por favor.\nDetalle: disk I/O error"_s),
              QStringList());
    EXPECT_EQ(
        foreignLines(u"¡Ha ocurrido un error al descomprimir. Reintente la operación!.\n"
                     "No se pudo leer la base de datos: está dañada o no se puede leer en este momento."_s),
        QStringList());
    EXPECT_EQ(foreignLines(u"Registro bloqueado. Intente luego\ndatabase is locked"_s),
              QStringList{u"database is locked"_s});
    EXPECT_EQ(foreignLines(u"QSqlQuery::exec: disk I/O error Unable to fetch row"_s).size(), 1);

    EXPECT_TRUE(isLockRefusal(u"Registro ha sido modificado o eliminado por otro usuario\nDetalle: x"_s));
    EXPECT_TRUE(isLockRefusal(u"Registro bloqueado. Intente luego"_s));
    EXPECT_FALSE(isLockRefusal(u"La declaración que desea enviar no existe."_s));
}

}  // namespace
}  // namespace zem::harness
