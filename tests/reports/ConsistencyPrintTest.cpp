// The printed consistency report and what the print dialog's options print.
#include <gtest/gtest.h>

#include "reports/Inconsistencies.h"
#include "reports/PrintChoice.h"
#include "reports/ReportDocument.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

const QDateTime kNow(QDate(2007, 3, 15), QTime(10, 5, 9));

TEST(Inconsistencies, FindingsAreNumberedSplitAndCounted) {
    const QString fits = QString(90, u'a');
    const QString twoLines = QString(89, u'b') + u"cd"_s;
    ReportDocument doc;
    RepInconsist({u"  "_s + fits + u"  "_s, u""_s, twoLines}, kNow, u"0482  ZEM"_s, doc);

    QStringList body;
    QList<int> ys;
    for (const ReportElement& e : doc.elements) {
        if (e.kind == ElementKind::Text && e.x == 400 && e.y >= 1100) {
            body << e.text;
            ys << e.y;
        }
    }
    ASSERT_EQ(body.size(), 4);
    EXPECT_EQ(body[0], u"1. "_s + fits);  // exactly 90 characters: one line
    EXPECT_EQ(body[1], u"2. "_s + QString(89, u'b') + u'-');
    EXPECT_EQ(body[2], u"    cd"_s);
    EXPECT_EQ(body[3], u" Inconsistencias Detectadas : 2"_s);
    EXPECT_EQ(ys, (QList<int>{1100, 1370, 1640, 1910}));
    EXPECT_TRUE(doc.ended);

    // The heading: KELOR in bold, the date, the time, the page, the product line, inside a frame.
    const auto at = [&](int x, int y) {
        for (const ReportElement& e : doc.elements) {
            if (e.kind == ElementKind::Text && e.x == x && e.y == y)
                return e;
        }
        return ReportElement{};
    };
    EXPECT_EQ(at(400, 30).text, u"KELOR"_s);
    EXPECT_TRUE(at(400, 30).bold);
    EXPECT_EQ(at(400, 300).text, u"15/03/2007"_s);
    EXPECT_EQ(at(400, 570).text, u"10:05:09"_s);
    EXPECT_EQ(at(9000, 300).text, u"PAG. 1 "_s);
    EXPECT_EQ(at(4000, 300).text, u"INCONSISTENCIAS DETECTADAS "_s);
    EXPECT_EQ(at(3000, 570).text, u"0482  ZEM"_s);
    EXPECT_EQ(std::count_if(doc.elements.begin(), doc.elements.end(),
                            [](const ReportElement& e) { return e.kind == ElementKind::Box; }),
              1);
}

TEST(Inconsistencies, LongFindingsGoOnSeveralLinesAndFullPagesContinue) {
    const QStringList lines = findingLines(QString(200, u'x'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 90);
    EXPECT_TRUE(lines[0].endsWith(u'-'));
    EXPECT_EQ(lines[1], u"    "_s + QString(89, u'x') + u'-');
    EXPECT_EQ(lines[2], u"    "_s + QString(22, u'x'));

    // Eighty findings do not fit on one sheet: none is lost, the second page has its heading.
    QStringList findings;
    for (int i = 1; i <= 80; ++i)
        findings << u"Hallazgo "_s + QString::number(i);
    ReportDocument doc;
    RepInconsist(findings, kNow, u"0482"_s, doc);
    EXPECT_EQ(doc.pageBreaks, 1);
    EXPECT_EQ(doc.pagesMade, 2);
    bool last = false, secondHeading = false;
    for (const ReportElement& e : doc.elements) {
        last |= e.text == u"80. Hallazgo 80"_s && e.page == 1 && e.y < 16838;
        secondHeading |= e.text == u"PAG. 2 "_s && e.page == 1;
        EXPECT_LE(e.y, 16100);
    }
    EXPECT_TRUE(last);
    EXPECT_TRUE(secondHeading);
}

TEST(PrintChoice, OptionsAndTickedGroupsMakeTheChoice) {
    const QList<AnnexGroup>& groups = annexGroups();
    const int exempt = static_cast<int>(
        std::find_if(groups.begin(), groups.end(),
                     [](const AnnexGroup& g) { return g.name == u"Rentas exoneradas e Inafectas"_s; }) -
        groups.begin());
    const PrintoutChoice onlyDeclaration = printoutChoice(PrintOption::Declaracion, {exempt});
    EXPECT_TRUE(onlyDeclaration.declaracion);
    EXPECT_TRUE(onlyDeclaration.listings.isEmpty());

    const PrintoutChoice annexes = printoutChoice(PrintOption::Anexos, {exempt, 99});
    EXPECT_FALSE(annexes.declaracion);
    EXPECT_TRUE(annexes.exoneradas());
    EXPECT_EQ(annexes.listings, (QSet<QString>{u"200"_s, u"539"_s, u"540"_s}));

    const PrintoutChoice both = printoutChoice(PrintOption::DeclaracionYAnexos, {0});
    EXPECT_TRUE(both.declaracion);
    EXPECT_TRUE(both.listings.isEmpty());  // the first category has no listing
}

}  // namespace
}  // namespace zem::reports
