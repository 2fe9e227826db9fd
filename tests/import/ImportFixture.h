#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlRecord>

#include "Packages.h"
#include "data/SeedCatalogue.h"
#include "declaration/StoreSql.h"
#include "import/PackageImport.h"
#include "import/PackageName.h"
#include "support/TestEnv.h"

namespace zem::test {

using namespace Qt::StringLiterals;

inline const QString kRuc = u"20100070970"_s;

// One record of each kind that passes every check, by file code.
inline QHash<QString, QStringList> goodRecords() {
    return {
        {u"01"_s, {line({u"200601"_s, u"1662"_s, u"123"_s, u"20060215"_s, u"1200.00"_s, u"10"_s})}},
        {u"02"_s, {line({u"6"_s, u"20100070970"_s, u"ALQUILERES SAC"_s, u"200603"_s, u"150.00"_s})}},
        {u"03"_s,
         {line({u"06"_s, u"20100070970"_s, u"ESTUDIO SAC"_s, u"200604"_s, u"02"_s, u"1"_s, u"123"_s,
                u"20060410"_s, u"1000.00"_s})}},
        {u"04"_s, {line({u"1"_s, u"12345678"_s, u"PEREZ GOMEZ ANA MARIA"_s, u"200605"_s, u"80"_s})}},
        {u"05"_s, {line({u"6"_s, u"20100070970"_s, u"EMPLEADOR SA"_s, u"200606"_s, u"60.40"_s})}},
        {u"06"_s, {line({u"6"_s, u"20100070970"_s, u"BANCO SA"_s, u"200606"_s, u"300"_s})}},
        {u"07"_s, {line({u"200607"_s, u"0121"_s, u"55"_s, u"20060801"_s, u"500"_s, u"0"_s})}},
        {u"08"_s,
         {line(
             {u"200608"_s, u"0651"_s, u"66"_s, u"20060910"_s, u"100"_s, u"0"_s, u"0"_s, u"200"_s, u"5"_s})}},
        {u"09"_s, {line({u"6"_s, u"20100070970"_s, u"AGENTE UNO SA"_s, u"200609"_s, u"40"_s})}},
        {u"10"_s, {line({u"6"_s, u"20100070970"_s, u"AGENTE DOS SA"_s, u"200610"_s, u"30"_s})}},
        {u"11"_s, {line({u"6"_s, u"20100070970"_s, u"AGENTE TRES SA"_s, u"200611"_s, u"20"_s})}},
    };
}

// A temporary installation with the catalogue, and packages for the taxpayer written on the fly.
class ImportFixture : public ::testing::Test {
protected:
    ImportFixture() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        QDir().mkpath(env.path(u"disco"_s));
        key.ruc = kRuc;
    }

    QString base() const { return KeyNombreArchivo(kRuc); }
    QString zipPath() const { return env.path(u"disco/"_s + base() + u".zip"_s); }

    // Writes the package and imports it; the outcome.
    PackageImport::Outcome importMembers(const QList<Member>& members) {
        EXPECT_TRUE(writeZip(zipPath(), members));
        return importFile(zipPath());
    }
    PackageImport::Outcome importRecords(const QHash<QString, QStringList>& records) {
        return importMembers(recordMembers(base(), records));
    }
    PackageImport::Outcome importFile(const QString& path) {
        env.sink.clear();
        PackageImport import(env.session, key);
        const PackageImport::Outcome outcome = import.importar(path);
        totals = import.totals();
        return outcome;
    }

    QList<QSqlRecord> rows(const QString& sql) { return store::fetchRecords(env.db(), sql); }
    int count(const QString& table) { return static_cast<int>(rows(u"SELECT * FROM "_s + table).size()); }
    QString lastMessage() const {
        return env.sink.messages().isEmpty() ? QString() : env.sink.messages().last().text;
    }

    TestEnv env;
    DeclarationKey key;
    ImportTotals totals;
};

}  // namespace zem::test
