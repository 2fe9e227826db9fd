#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "reports/ReportDocument.h"
#include "reports/ReportReader.h"
#include "reports/ReportWriter.h"
#include "startup/Cp1252.h"
#include "startup/MessageSink.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

class MarkupTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(u"00000001.PRN"_s); }
    QByteArray bytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList lines() const { return cp1252::decode(bytes()).split(u"\r\n"_s, Qt::SkipEmptyParts); }
    template <typename Write>
    void write(Write&& w) {
        ReportWriter writer;
        QString error;
        ASSERT_TRUE(writer.open(path(), &error));
        w(writer);
        ASSERT_TRUE(writer.close(&error));
    }
    ReportDocument read(const QStringList& ls, ReadMode mode, PageRange range = {}) {
        ReportDocument doc;
        pDesencriptaLineas(ls, mode, doc, range);
        return doc;
    }

    QTemporaryDir dir;
};

TEST_F(MarkupTest, WritersProduceTheLinesOfTheMarkupInWindowsAnsiWithCrLf) {
    write([](ReportWriter& w) {
        w.pEscribeLinea(u"<!font!>Courier New<!/font!>"_s);
        w.pEscribePos(300, 350, u"KELOR"_s, true, 16, 0);
        w.pEscribePos(9275, 2880, u"        12,345"_s, false, 8, 0);  // leading blanks stay
        w.pEscribePos(0, 0, u"pNuevaHoja"_s, false, 8, 1);
        w.pEscribePos(0, 0, u"<!Orientacion!>V<!/Orientacion!>"_s, false, 8, 1);
        w.pEscribeCuadro(150, -300, 11000, 650, 1);
        w.pEscribePos(250, 2880, u"Pérdidas a|b"_s, false, 8, 1);  // "|" would end the field
    });
    EXPECT_EQ(lines(), (QStringList{u"<!font!>Courier New<!/font!>"_s, u"pPos|300|350|KELOR|True|16|0|"_s,
                                    u"pPos|9275|2880|        12,345|False|8|0|"_s, u"pNuevaHoja"_s,
                                    u"<!Orientacion!>V<!/Orientacion!>"_s, u"pCuadro|150|-300|11000|650|1|"_s,
                                    u"pPos|250|2880|Pérdidas a¦b|False|8|1|"_s}));
    const QByteArray b = bytes();
    EXPECT_TRUE(
        b.contains("P\xE9rdidas a\xA6"
                   "b"));  // cp1252, one byte per character
    EXPECT_TRUE(b.endsWith("|\r\n"));
    EXPECT_EQ(b.count("\r\n"), 7);
}

TEST_F(MarkupTest, TagWriterBreaksThePageAfterEightyThreeLinesAndThenWritesNoMoreTags) {
    ReportDocument echo;
    write([&](ReportWriter& w) {
        w.setEcho(&echo);
        for (int i = 1; i <= 82; ++i)
            w.pEscribeLinea(u"linea "_s + QString::number(i));
        EXPECT_EQ(w.writerPage(), 1);
        w.pEscribeLinea(u"<!nHojas!>3<!/nHojas!>"_s);  // the 83rd line
        EXPECT_EQ(w.writerPage(), 2);
        EXPECT_EQ(w.lineCount(), 0);
        w.pEscribeLinea(u"<!Color!>&H00FFFFC0&<!/Color!>"_s);  // a tag on page 2: not written
        w.pEscribePos(0, 0, u"<!Orientacion!>H<!/Orientacion!>"_s, false, 8, 3);  // neither
        w.pEscribeLinea(u"linea 84"_s);
        w.startCopy();  // a new copy writes its tags again
        w.pEscribeLinea(u"<!font!>Courier New<!/font!>"_s);
    });
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 86);
    EXPECT_EQ(l[82], u"<!nHojas!>3<!/nHojas!>"_s);
    EXPECT_EQ(l[83], u"pNuevaHoja"_s);
    EXPECT_EQ(l[84], u"linea 84"_s);
    EXPECT_EQ(l[85], u"<!font!>Courier New<!/font!>"_s);
    EXPECT_EQ(echo.pageBreaks, 1);
}

TEST_F(MarkupTest, LeadingTokenStopsAtTheFirstBarTagEndOrPageBreak) {
    EXPECT_EQ(leadingToken(u"pPos|300|350|KELOR|True|16|0|"_s), u"pPos"_s);
    EXPECT_EQ(leadingToken(u"  pCuadro |1|2|3|4|0|"_s), u"pCuadro"_s);
    EXPECT_EQ(leadingToken(u"<!Color!>&H00FFFFC0&<!/Color!>"_s), u"<!Color!>"_s);
    EXPECT_EQ(leadingToken(u"pNuevaHoja"_s), u"pNuevaHoja"_s);
    EXPECT_EQ(leadingToken(u"pNuevaHojapPos|1|"_s), u"pNuevaHoja"_s);
    EXPECT_EQ(leadingToken(u""_s), u""_s);
    EXPECT_EQ(parseColour(u"&H00FFFFC0&"_s), QColor(0xC0, 0xFF, 0xFF));  // 00BBGGRR
    EXPECT_FALSE(parseColour(u"cyan"_s).has_value());
}

TEST_F(MarkupTest, ReaderTurnsLinesIntoElementsAndSkipsWhatItCannotRead) {
    const QStringList file = {
        u"<!font!>Courier New<!/font!>"_s,
        u"pPos|9275|2880|   (1,234)|False|8|0|"_s,
        u"pPosVerti|100|200|ABC|true|9|0|"_s,
        u"pCuadro|150|2280|11000|2550|0|"_s,
        u""_s,
        u"pLinea|1|2|3|"_s,                    // unknown command
        u"pPos|300|350|sin campos|"_s,         // missing fields
        u"pPos|99999|350|fuera|False|8|0|"_s,  // x beyond a 16-bit integer
        u"pPos|12.6|x7|raro|False|8.4|0|"_s,   // numbers read by their leading digits, rounded
    };
    const ReportDocument doc = read(file, ReadMode::PresPrevia);
    ASSERT_EQ(doc.elements.size(), 4);
    EXPECT_EQ(doc.elements[0],
              (ReportElement{ElementKind::Text, 9275, 2880, 0, 0, u"   (1,234)"_s, false, 8, 0}));
    EXPECT_EQ(doc.elements[1],
              (ReportElement{ElementKind::VerticalText, 100, 200, 0, 0, u"ABC"_s, true, 9, 0}));
    EXPECT_EQ(doc.elements[2], (ReportElement{ElementKind::Box, 150, 2280, 11000, 2550, {}, false, 0, 0}));
    EXPECT_EQ(doc.elements[3], (ReportElement{ElementKind::Text, 13, 0, 0, 0, u"raro"_s, false, 8, 0}));
}

TEST_F(MarkupTest, ModesAndPageRangeDecideWhatReachesTheCanvas) {
    const QStringList file = {
        u"<!nHojas!>4<!/nHojas!>"_s,
        u"<!Orientacion!>H<!/Orientacion!>"_s,
        u"<!Color!>&H00FFFFC0&<!/Color!>"_s,
        u"pPos|1|1|uno|False|8|0|"_s,
        u"pNuevaHoja"_s,
        u"pPos|1|1|dos|False|8|1|"_s,
        u"pNuevaHoja"_s,
        u"pPos|1|1|tres|False|8|2|"_s,
        u"pNuevaHoja"_s,
        u"pPos|1|1|cuatro|False|8|3|"_s,
    };
    const ReportDocument preview = read(file, ReadMode::PresPrevia);
    EXPECT_EQ(preview.elements.size(), 4);
    EXPECT_EQ(preview.declaredPages, 4);
    EXPECT_EQ(preview.background, QColor(0xC0, 0xFF, 0xFF));
    EXPECT_FALSE(preview.landscape);
    EXPECT_EQ(preview.pageBreaks, 0);
    EXPECT_FALSE(preview.ended);

    const ReportDocument printed = read(file, ReadMode::Imprimir);
    EXPECT_EQ(printed.background, QColor(Qt::white));
    EXPECT_TRUE(printed.landscape);
    EXPECT_EQ(printed.pageBreaks, 3);
    EXPECT_TRUE(printed.ended);

    // Pages 2 to 3: only their elements, and only the breaks that follow them.
    const PageRange range{true, 2, 3};
    const ReportDocument part = read(file, ReadMode::Imprimir, range);
    ASSERT_EQ(part.elements.size(), 2);
    EXPECT_EQ(part.elements[0].text, u"dos"_s);
    EXPECT_EQ(part.elements[1].text, u"tres"_s);
    EXPECT_EQ(part.pageBreaks, 2);
    EXPECT_EQ(read(file, ReadMode::PresPrevia, range).pagesMade, 3);
}

TEST_F(MarkupTest, MissingReportFileIsReportedAndDrawsNothing) {
    RecordingMessageSink sink;
    ReportDocument doc;
    EXPECT_FALSE(pDesencripta(path(), ReadMode::Imprimir, doc, {}, sink));
    ASSERT_EQ(sink.messages().size(), 1);
    EXPECT_EQ(sink.messages()[0].text, u"Archivo Físico del Reporte no Existe"_s);
    EXPECT_EQ(sink.messages()[0].title, u"Error al Imprimir"_s);
    EXPECT_FALSE(doc.ended);
    EXPECT_EQ(NumRegistros(path()), 0);
}

}  // namespace
}  // namespace zem::reports
