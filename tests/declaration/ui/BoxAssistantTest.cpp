#include <gtest/gtest.h>

#include "declaration/BoxAssistant.h"
#include "declaration/Declaration.h"
#include "declaration/Rules.h"
#include "startup/MessageSink.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

class BoxAssistantTest : public ::testing::Test {
protected:
    Declaration d;
    Rules rules{d, u"3400"_s};
    RecordingMessageSink sink;

    QHash<int, QString> boxes() const {
        QHash<int, QString> all;
        for (int box : d.filledBoxes())
            all.insert(box, d.text(box));
        return all;
    }
};

TEST_F(BoxAssistantTest, CapitalLossGoesTo523AndMissingLinesAreRefused) {
    BoxAssistant gains(AssistantKind::Ganancias, rules, sink);
    gains.setLine(0, u"100"_s);
    gains.setLine(1, u"150"_s);
    EXPECT_EQ(gains.total(), u"(50)"_s);
    ASSERT_TRUE(gains.accept());
    EXPECT_EQ(d.text(550), u"100"_s);
    EXPECT_EQ(d.text(551), u"150"_s);
    EXPECT_EQ(d.text(520), u"0"_s);
    EXPECT_EQ(d.text(523), u"(50)"_s);

    // A gain replaces the loss; its chain reaches the second category.
    BoxAssistant again(AssistantKind::Ganancias, rules, sink);
    EXPECT_EQ(again.line(1), u"150"_s);
    again.setLine(0, u"1250000"_s);
    again.setLine(1, u"1000"_s);
    ASSERT_TRUE(again.accept());
    EXPECT_EQ(d.text(520), u"1,249,000"_s);
    EXPECT_EQ(d.text(523), QString());
    EXPECT_EQ(d.text(504), u"1,249,000"_s);

    // One line without the other: a message, nothing written, the window stays.
    const auto before = boxes();
    BoxAssistant half(AssistantKind::Ganancias, rules, sink);
    half.setLine(0, QString());
    EXPECT_FALSE(half.accept());
    EXPECT_TRUE(sink.contains(u"Debe ingresar la casilla 550"_s));
    half.setLine(0, u"10"_s);
    half.setLine(1, u" "_s);
    EXPECT_FALSE(half.accept());
    EXPECT_TRUE(sink.contains(u"Debe ingresar la casilla 551"_s));
    EXPECT_EQ(boxes(), before);

    // Both emptied: neither a gain nor a loss is left behind.
    half.setLine(0, QString());
    ASSERT_TRUE(half.accept());
    for (int box : {550, 551, 520, 523, 504})
        EXPECT_TRUE(d.text(box).isEmpty()) << box;
}

TEST_F(BoxAssistantTest, PreviousBalanceRefusesANegativeTotal) {
    BoxAssistant previous(AssistantKind::EjercicioAnt, rules, sink);
    EXPECT_EQ(previous.total(), QString());
    previous.setLine(0, u"100"_s);
    previous.setLine(1, u"120"_s);
    previous.setLine(2, u"0"_s);
    EXPECT_EQ(previous.total(), u"(20)"_s);
    EXPECT_FALSE(previous.accept());
    ASSERT_EQ(sink.messages().size(), 1);
    EXPECT_EQ(sink.messages()[0].text, u"El monto total no puede ser menor a cero."_s);
    EXPECT_EQ(sink.messages()[0].title, u"Error"_s);
    EXPECT_TRUE(d.filledBoxes().isEmpty());

    previous.setLine(1, u"30"_s);
    previous.setLine(2, u"20"_s);
    ASSERT_TRUE(previous.accept());
    EXPECT_EQ(d.text(125), u"50"_s);
    EXPECT_EQ(d.text(564), u"30"_s);
    EXPECT_EQ(d.text(142), u"0"_s);
    EXPECT_EQ(d.text(141), u"(50)"_s);  // a balance in favour
}

TEST_F(BoxAssistantTest, LinesAndTotalsOfTheSummingAssistants) {
    d.setText(539, u"700"_s);  // written by the legal-norms register
    BoxAssistant exempt(AssistantKind::Exoneradas, rules, sink);
    EXPECT_EQ(exempt.line(4), u"700"_s);
    EXPECT_EQ(exempt.total(), u"700"_s);
    exempt.setLine(0, u"1234567"_s);
    EXPECT_EQ(exempt.total(), u"1,235,267"_s);
    ASSERT_TRUE(exempt.accept());
    EXPECT_EQ(d.text(535), u"1,234,567"_s);
    EXPECT_EQ(d.text(200), u"1,235,267"_s);
    EXPECT_EQ(d.text(518), u"1,235,267"_s);

    BoxAssistant nonTaxable(AssistantKind::Inafectas, rules, sink);
    nonTaxable.setLine(2, u"1,000"_s);
    ASSERT_TRUE(nonTaxable.accept());
    EXPECT_EQ(d.text(201), u"1,000"_s);
    EXPECT_EQ(d.text(518), u"1,236,267"_s);

    // The deemed rent feeds box 102 and the first category.
    BoxAssistant deemed(AssistantKind::Ficta, rules, sink);
    deemed.setLine(0, u"6000"_s);
    deemed.setLine(1, u"4000"_s);
    ASSERT_TRUE(deemed.accept());
    EXPECT_EQ(d.text(102), u"10,000"_s);
    EXPECT_EQ(d.text(502), u"(2,000)"_s);
    EXPECT_EQ(d.text(503), u"8,000"_s);
}

TEST_F(BoxAssistantTest, LossesOfEarlierYearsAndAnEmptiedAssistant) {
    d.setText(116, u"50000"_s);
    BoxAssistant losses(AssistantKind::Perdidas, rules, sink);
    losses.setLine(0, u"3000"_s);
    losses.setLine(3, u"2000"_s);
    ASSERT_TRUE(losses.accept());
    EXPECT_EQ(d.text(555), u"3,000"_s);
    EXPECT_EQ(d.text(527), u"2,000"_s);
    EXPECT_EQ(d.text(115), u"(5,000)"_s);
    EXPECT_EQ(d.text(528), u"45,000"_s);

    BoxAssistant emptied(AssistantKind::Perdidas, rules, sink);
    for (int i = 0; i < emptied.lineCount(); ++i)
        emptied.setLine(i, QString());
    EXPECT_EQ(emptied.total(), QString());
    ASSERT_TRUE(emptied.accept());
    EXPECT_TRUE(d.text(115).isEmpty());
    EXPECT_EQ(d.text(528), u"50,000"_s);
}

}  // namespace
