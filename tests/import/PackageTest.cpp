// The package name, its unpacking and the refusals of hostile or incomplete packages.
#include <QDirIterator>
#include <QFile>

#include "ImportFixture.h"
#include "import/PackageExtraction.h"
#include "startup/Utility.h"

namespace zem::test {
namespace {

TEST(PackageName, MirrorsEveryDigitAndLeadsWithTheCheckCharacter) {
    const QString name = KeyNombreArchivo(u"20100070970"_s);
    ASSERT_EQ(name.size(), 15);
    EXPECT_EQ(name.mid(1), u"48279899929029"_s);  // 0 -> 9, 2 -> 7, 9 -> 0
    EXPECT_EQ(name.left(1), util::ClaveArchivo(u"48279899929029"_s).right(1));
    EXPECT_EQ(packageFileName(u"20100070970"_s), name + u".zip"_s);
    EXPECT_TRUE(KeyNombreArchivo(u"2010007097"_s).isEmpty());
    EXPECT_TRUE(packageFileName(u"201000709701"_s).isEmpty());
    EXPECT_TRUE(isPackageOf(name + u".ZIP"_s, u"20100070970"_s));
    QString wrongCheck = name;
    wrongCheck[0] = name[0] == u'A' ? u'B' : u'A';
    EXPECT_FALSE(isPackageOf(wrongCheck + u".zip"_s, u"20100070970"_s));
    EXPECT_FALSE(isPackageOf(name + u".zip"_s, u"20100070971"_s));
}

class PackageTest : public ImportFixture {
protected:
    // Every file below the installation except the packages on the "disk" and the database.
    QStringList writtenFiles() const {
        QStringList files;
        QDirIterator it(env.dir.path(), QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            if (!f.contains(u"/disco/"_s) && !f.contains(u".db"_s) && !f.endsWith(u".INI"_s))
                files << f;
        }
        return files;
    }
};

TEST_F(PackageTest, HostilePackagesAreRefusedAndWriteNothing) {
    const QStringList before = writtenFiles();
    const QList<Member> good = recordMembers(base(), goodRecords());
    const QByteArray bomb(2 * 1024 * 1024, '\n');
    struct Case {
        const char* what;
        QList<Member> members;
    };
    QList<Case> cases = {
        {"absolute path", good + QList<Member>{{u"/tmp/zem-evil.txt"_s, "x"}}},
        {"parent folder", good + QList<Member>{{u"../zem-evil.txt"_s, "x"}}},
        {"parent inside", good + QList<Member>{{u"a/../../zem-evil.txt"_s, "x"}}},
        {"backslash", good + QList<Member>{{u"..\\zem-evil.txt"_s, "x"}}},
        {"drive", good + QList<Member>{{u"C:zem-evil.txt"_s, "x"}}},
        {"symlink", good + QList<Member>{{u"enlace"_s, "/etc/passwd", true}}},
        {"duplicate after flattening", good + QList<Member>{{u"sub/"_s + base() + u".001"_s, "x"}}},
        {"duplicate by case", good + QList<Member>{{base().toLower() + u".001"_s, "x"}}},
        {"zip bomb ratio", good + QList<Member>{{u"relleno.txt"_s, bomb}}},
        {"oversized entry", good + QList<Member>{{u"grande.txt"_s, QByteArray(33 * 1024 * 1024, ' ')}}},
        {"control byte", good + QList<Member>{{u"nota.txt"_s, QByteArray("a\0b", 3)}}},
    };
    // A record file that is not Windows-1252 text (0x81 is undefined there).
    QList<Member> undefined = good;
    undefined[4].data = "6|20100070970|AG\x81NTE|200606|10|\r\n";
    cases.append({"not cp1252", undefined});
    QList<Member> many = good;
    for (int i = 0; i < 6; ++i)
        many.append({u"extra"_s + QString::number(i) + u".txt"_s, "x"});
    cases.append({"too many entries", many});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(importMembers(c.members), PackageImport::Outcome::Damaged);
        EXPECT_EQ(lastMessage(), u"El Archivo esta dañado"_s);
        EXPECT_EQ(writtenFiles(), before);
        EXPECT_EQ(count(u"TMP_F0480PAGOS"_s), 0);
        EXPECT_EQ(count(u"tmp_f0480importa"_s), 0);
    }
    EXPECT_FALSE(QFile::exists(env.path(u"zem-evil.txt"_s)));
    EXPECT_FALSE(QFile::exists(u"/tmp/zem-evil.txt"_s));
}

TEST_F(PackageTest, UnreadableMissingAndUnnamedPackagesGetTheirMessages) {
    // Truncated: the archive's directory is lost.
    ASSERT_TRUE(writeZip(zipPath(), recordMembers(base(), goodRecords())));
    QFile zip(zipPath());
    ASSERT_TRUE(zip.open(QIODevice::ReadWrite));
    ASSERT_TRUE(zip.resize(zip.size() / 2));
    zip.close();
    EXPECT_EQ(importFile(zipPath()), PackageImport::Outcome::Unzip);
    EXPECT_EQ(lastMessage(), u"¡Ha ocurrido un error al descomprimir. Reintente la operación!."_s);

    // Not a zip at all, and a zip with nothing in it.
    ASSERT_TRUE(zip.open(QIODevice::WriteOnly | QIODevice::Truncate));
    zip.write("no es un zip");
    zip.close();
    EXPECT_EQ(importFile(zipPath()), PackageImport::Outcome::Unzip);
    EXPECT_EQ(importMembers({{u"carpeta/"_s, {}}}), PackageImport::Outcome::Unzip);

    // A member missing, the first one too: never completed from an earlier package's files.
    EXPECT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
    for (int missing : {0, 4, 10}) {
        QList<Member> members = recordMembers(base(), goodRecords());
        members.removeAt(missing);
        EXPECT_EQ(importMembers(members), PackageImport::Outcome::Missing) << missing;
        EXPECT_EQ(lastMessage(), u"No se encontraron los archivos"_s);
    }

    // Another taxpayer's package, or none chosen.
    const QString other = env.path(u"disco/"_s + packageFileName(u"10456789012"_s));
    ASSERT_TRUE(writeZip(other, recordMembers(KeyNombreArchivo(u"10456789012"_s), goodRecords())));
    EXPECT_EQ(importFile(other), PackageImport::Outcome::NoPackage);
    EXPECT_EQ(lastMessage(), u"No se ha encontrado el archivo de información"_s);
    EXPECT_EQ(importFile({}), PackageImport::Outcome::NoPackage);
}

TEST_F(PackageTest, FoldersAreFlattenedAndExtractedFilesRemovedAfterTheLoad) {
    QList<Member> members = recordMembers(base(), goodRecords());
    members[0].name = u"carpeta/"_s + members[0].name;
    members[1].stored = true;
    members.prepend({u"carpeta/"_s, {}});
    ASSERT_TRUE(writeZip(zipPath(), members));
    {
        const ExtractedPackage p = extractPackage(zipPath(), env.session.settings.gTmpPath);
        ASSERT_EQ(p.outcome, ExtractedPackage::Outcome::Extracted);
        EXPECT_EQ(p.files.size(), 11);
        EXPECT_TRUE(p.path(base() + u".001"_s).startsWith(env.session.settings.gTmpPath));
        EXPECT_TRUE(QFile::exists(p.path(base().toLower() + u".001"_s)));
    }
    EXPECT_EQ(importFile(zipPath()), PackageImport::Outcome::Imported);
    EXPECT_EQ(lastMessage(), u"La importación ha terminado satisfactoriamente"_s);
    EXPECT_TRUE(
        QDir(env.session.settings.gTmpPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace zem::test
