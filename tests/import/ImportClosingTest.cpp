// Closing the import: the file totals carried into the boxes, box 107 and the imported totals.
#include "ImportFixture.h"
#include "declaration/Declaration.h"
#include "declaration/FormSession.h"
#include "import/ImportClosing.h"

namespace zem::test {
namespace {

class ImportClosingTest : public ImportFixture {
protected:
    // A new declaration open, as the window opens it.
    ImportClosingTest() : form(env.session), declaration(form.declaration()) {
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
    }

    void close() { applyImportTotals(env.db(), form.rules(), form.editor(), totals); }
    QString box(int b) const { return declaration.text(b); }

    FormSession form;
    Declaration& declaration;
};

TEST_F(ImportClosingTest, ClosingWithoutAnImportChangesNoBox) {
    declaration.setText(129, u"(10)"_s);
    close();  // the window closed at once
    EXPECT_TRUE(box(107).isEmpty());
    EXPECT_EQ(importMembers({{u"../fuera.txt"_s, "x"}}), PackageImport::Outcome::Damaged);
    close();
    EXPECT_TRUE(box(107).isEmpty());  // empty stays empty, not 0
    EXPECT_EQ(box(129), u"(10)"_s);
}

TEST_F(ImportClosingTest, TotalsAreAddedToTheBoxesAndReplacedByASecondImport) {
    declaration.setText(129, u"(10)"_s);
    declaration.setText(107, u"999"_s);
    ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
    close();
    EXPECT_EQ(box(129), u"(50)"_s);  // added to the value typed
    EXPECT_EQ(box(100), u"10,000"_s);
    EXPECT_EQ(box(133), u"(1,200)"_s);
    EXPECT_EQ(box(106), u"150"_s);
    EXPECT_EQ(box(111), u"60"_s);
    EXPECT_EQ(box(522), u"(300)"_s);
    EXPECT_EQ(box(127), u"(300)"_s);
    EXPECT_EQ(box(107), u"1,000"_s);  // replaced by the agents registered for 107

    // The same package again: the boxes are not doubled.
    ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
    close();
    EXPECT_EQ(box(129), u"(50)"_s);
    EXPECT_EQ(box(133), u"(1,200)"_s);
    EXPECT_EQ(box(100), u"10,000"_s);

    // One without box 129: the earlier import's 40 leaves the box.
    QHash<QString, QStringList> fewer = goodRecords();
    fewer.remove(u"09"_s);
    ASSERT_EQ(importRecords(fewer), PackageImport::Outcome::Imported);
    close();
    EXPECT_EQ(box(129), u"(10)"_s);
}

TEST_F(ImportClosingTest, TwoImportsBeforeTheWindowClosesCountOnce) {
    declaration.setText(129, u"(10)"_s);
    ASSERT_TRUE(writeZip(zipPath(), recordMembers(base(), goodRecords())));
    PackageImport import(env.session, key);
    ASSERT_EQ(import.importar(zipPath()), PackageImport::Outcome::Imported);
    ASSERT_EQ(import.importar(zipPath()), PackageImport::Outcome::Imported);
    applyImportTotals(env.db(), form.rules(), form.editor(), import.totals());
    EXPECT_EQ(box(129), u"(50)"_s);
    EXPECT_EQ(box(133), u"(1,200)"_s);
}

TEST_F(ImportClosingTest, PaymentsOf133AloneRaiseBoxes100And133AndRecordBoth) {
    declaration.setText(100, u"500"_s);
    ASSERT_EQ(importRecords({{u"01"_s,
                              {line({u"200601"_s, u"1662"_s, u"1"_s, u"20060215"_s, u"120"_s, u"0"_s}),
                               line({u"200602"_s, u"1662"_s, u"2"_s, u"20060315"_s, u"240"_s, u"3"_s})}}}),
              PackageImport::Outcome::Imported);
    close();
    EXPECT_EQ(box(100), u"3,500"_s);
    EXPECT_EQ(box(133), u"(360)"_s);
    EXPECT_EQ(box(107), u"0"_s);  // an import sets 107 to its agents' sum, none here
    QStringList recorded;
    for (const QSqlRecord& r : rows(u"SELECT * FROM TMP_F0482DIFCAS ORDER BY casilla"_s))
        recorded << r.value(u"casilla"_s).toString() + u'=' + r.value(u"mto_importa"_s).toString();
    EXPECT_EQ(recorded, (QStringList{u"100=3000"_s, u"133=360"_s}));
}

}  // namespace
}  // namespace zem::test
