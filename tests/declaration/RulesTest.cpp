#include <gtest/gtest.h>

#include "declaration/Declaration.h"
#include "declaration/Rules.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// The UIT of 2006: 24 UIT = 81,600; 7 UIT = 23,800; 27 UIT = 91,800; 54 UIT = 183,600.
constexpr double kUit = 3400;

class RulesTest : public ::testing::Test {
protected:
    Declaration d;
    Rules rules{d, u"3400"_s};

    QString box(int b) const { return d.text(b); }
    void type(int b, double amount) { d.setText(b, QString::number(amount, 'f', 0)); }
};

TEST_F(RulesTest, TaxByTheScaleAtTheBandLimitsAndTheBalanceToPay) {
    // Foreign income alone flows straight through 528 to the taxable income 515.
    type(116, 27 * kUit);
    EXPECT_EQ(box(515), u"91,800"_s);
    EXPECT_EQ(box(120), u"13,770"_s);  // 4.05 UIT
    type(116, 54 * kUit);
    EXPECT_EQ(box(120), u"33,048"_s);  // 9.72 UIT
    type(116, 100 * kUit);
    EXPECT_EQ(box(120), u"79,968"_s);  // 23.52 UIT
    // Nothing paid: the whole tax is to pay, interest may be declared, no balance in favour to use.
    EXPECT_EQ(box(516), u"79,968"_s);
    EXPECT_EQ(box(141), u"0"_s);
    EXPECT_EQ(box(142), u"79,968"_s);
    EXPECT_EQ(box(146), u"79,968"_s);
    EXPECT_TRUE(d.isEnabled(145));
    EXPECT_FALSE(d.isEnabled(140));
    type(145, 32);
    EXPECT_EQ(box(146), u"80,000"_s);
}

TEST_F(RulesTest, FourthCategoryDeductionsAndTheirCaps) {
    type(107, 100 * kUit);  // 20 % is 20 UIT, under the cap
    EXPECT_EQ(box(507), u"(68,000)"_s);
    EXPECT_EQ(box(508), u"272,000"_s);
    EXPECT_EQ(box(511), u"(23,800)"_s);  // 7 UIT
    EXPECT_EQ(box(512), u"248,200"_s);
    EXPECT_EQ(box(113), u"248,200"_s);
    EXPECT_EQ(box(515), u"248,200"_s);
    EXPECT_EQ(rules.Vale(507), 68000);  // deductions read as positive amounts
    EXPECT_EQ(rules.Vale(113), 248200);

    type(107, 200 * kUit);  // 20 % would be 40 UIT: capped at 24 UIT
    EXPECT_EQ(box(507), u"(81,600)"_s);
    EXPECT_EQ(box(508), u"598,400"_s);

    // Below 7 UIT the deduction takes the whole income.
    d.setText(107, {});
    type(111, 10000);
    EXPECT_EQ(box(507), u""_s);
    EXPECT_EQ(box(511), u"(10,000)"_s);
    EXPECT_EQ(box(512), u"0"_s);

    // The solidarity tax above the fourth-category income leaves a loss, and nothing to deduct from it.
    d.setText(111, {});
    type(107, 1000);
    type(110, 2000);
    EXPECT_EQ(box(510), u"(1,200)"_s);
    EXPECT_EQ(box(511), u"0"_s);
    EXPECT_EQ(box(512), u"(1,200)"_s);
}

TEST_F(RulesTest, SubtotalsNeverGoBelowZero) {
    type(100, 10000);  // 503 = 8,000
    EXPECT_EQ(box(113), u"8,000"_s);
    type(522, 5000);
    type(519, 4000);
    EXPECT_EQ(box(514), u"0"_s);
    d.setText(519, {});
    EXPECT_EQ(box(514), u"3,000"_s);

    // Losses of earlier years above the income: 528 is "0", and so is the tax.
    d.setText(526, u"500000"_s);
    rules.Calcular115();
    EXPECT_EQ(box(115), u"(500,000)"_s);
    EXPECT_EQ(box(528), u"0"_s);
    EXPECT_EQ(box(120), u"0"_s);

    // Credits above the tax: 516 is 0; payments before this form above the balance: 146 is 0.
    d.setText(526, {});
    rules.Calcular115();
    EXPECT_EQ(box(115), u""_s);
    EXPECT_EQ(box(120), u"450"_s);
    type(124, 600);
    EXPECT_EQ(box(516), u"0"_s);
    d.setText(124, {});
    type(144, 1000);
    EXPECT_EQ(box(142), u"450"_s);
    EXPECT_EQ(box(146), u"0"_s);

    // An Amazonía deduction above 528 leaves a negative taxable income, which bears no tax.
    d.setText(144, {});
    type(117, 9000);
    EXPECT_EQ(box(515), u"(6,000)"_s);
    EXPECT_EQ(box(120), u"0"_s);
}

TEST_F(RulesTest, EmptyInputsEmptyTheResultsWhereZeroKeepsThem) {
    type(100, 0);
    EXPECT_EQ(box(501), u"0"_s);
    EXPECT_EQ(box(502), u"0"_s);
    EXPECT_EQ(box(113), u"0"_s);
    EXPECT_EQ(box(146), u"0"_s);
    EXPECT_FALSE(d.isEnabled(114));  // enabled only for an income above 0

    type(100, 5000);
    EXPECT_TRUE(d.isEnabled(114));
    type(114, 1000);
    EXPECT_EQ(box(513), u"3,000"_s);

    d.setText(100, {});
    for (int b : {501, 502, 503, 113, 514, 513, 528, 515, 120, 516, 141, 142, 146, 114})
        EXPECT_EQ(box(b), u""_s) << b;
    EXPECT_FALSE(d.isEnabled(114));
    EXPECT_TRUE(d.isLocked(114));
}

TEST_F(RulesTest, BalanceInFavourOpensBox140AndClosesTheInterest) {
    type(116, 27 * kUit);  // tax 13,770
    type(145, 100);
    EXPECT_EQ(box(146), u"13,870"_s);

    type(131, 20000);  // withholdings above the tax
    EXPECT_EQ(box(141), u"(6,230)"_s);
    EXPECT_EQ(box(142), u"0"_s);
    EXPECT_TRUE(d.isEnabled(140));
    EXPECT_FALSE(d.isLocked(140));
    EXPECT_FALSE(d.isEnabled(145));
    EXPECT_EQ(box(145), u""_s);
    EXPECT_EQ(box(146), u"0"_s);

    d.setText(140, u"1"_s);
    type(131, 10000);  // back to a balance to pay
    EXPECT_EQ(box(141), u"0"_s);
    EXPECT_EQ(box(142), u"3,770"_s);
    EXPECT_FALSE(d.isEnabled(140));
    EXPECT_EQ(box(140), u""_s);
    EXPECT_TRUE(d.isEnabled(145));
    EXPECT_EQ(box(146), u"3,770"_s);
}

TEST_F(RulesTest, LoadFlagSuppressesTheChainAndAssistantTotalsDoNotReenter) {
    d.setLoading(true);
    type(107, 50000);
    EXPECT_EQ(box(507), u""_s);
    d.setLoading(false);

    type(535, 100);
    type(536, 50);
    EXPECT_EQ(box(200), u"150"_s);
    EXPECT_EQ(box(518), u"150"_s);  // the year's total income follows the exempt income
    d.setText(200, u"999"_s);       // a change from outside is brought back to the lines
    EXPECT_EQ(box(200), u"150"_s);
    type(537, -500);
    EXPECT_EQ(box(200), u"0"_s);
    type(530, 70);
    EXPECT_EQ(box(201), u"70"_s);
    EXPECT_EQ(box(518), u"70"_s);
}

TEST_F(RulesTest, SectionsFollowTheirAnswersAndAmounts) {
    d.setOption(OptionGroup::optInmueble, u"1"_s);
    d.setText(819, u"ALQUILERES SAC"_s);
    EXPECT_TRUE(d.isEnabled(208));
    d.setOption(OptionGroup::optInmueble, u"2"_s);
    EXPECT_FALSE(d.isEnabled(208));
    EXPECT_EQ(box(819), u""_s);

    type(117, 100);
    EXPECT_TRUE(d.isEnabled(229));
    d.setText(229, u"X"_s);
    d.setText(117, {});
    EXPECT_FALSE(d.isEnabled(229));
    EXPECT_EQ(box(229), u""_s);

    d.setText(215, u"10401234565"_s);
    type(107, 0);
    rules.leaveBox(107);
    EXPECT_FALSE(d.isEnabled(215));
    EXPECT_EQ(box(215), u""_s);
    type(108, 10);
    rules.leaveBox(108);
    EXPECT_TRUE(d.isEnabled(215));
}

TEST_F(RulesTest, PrimitivesAndTheLossesBoxWhileEdited) {
    d.setLoading(true);  // the values as they stand, without the chain
    d.setText(502, u"(1,235)"_s);
    d.setText(113, u"(1,235)"_s);
    d.setText(105, u"12.5"_s);
    EXPECT_EQ(rules.Vale(502), 1235);   // a deduction reads positive
    EXPECT_EQ(rules.Vale(113), -1235);  // any other box keeps its sign
    EXPECT_EQ(rules.Vale(105), 13);     // whole units, halves away from zero
    d.setText(106, u"ABC"_s);
    EXPECT_EQ(rules.Vale(106), 0);
    rules.Forma(106);
    EXPECT_EQ(box(106), u""_s);
    EXPECT_EQ(Rules::formaText(113, u"-1234.5"_s), u"(1,235)"_s);
    d.setLoading(false);

    // The losses of 2002 to 2005, one digit place each, so that a year left out of the sum shows.
    for (auto [year, amount] : {std::pair{526, u"1000"_s}, {527, u"200"_s}, {555, u"30"_s}, {562, u"4"_s}})
        d.setText(year, amount);
    rules.enterBox(115);
    EXPECT_EQ(box(115), u"1234"_s);
    rules.leaveBox(115);
    EXPECT_EQ(box(115), u"(1,234)"_s);
    d.setText(302, u"00012345"_s);
    rules.leaveBox(302);  // a document number is never formatted
    EXPECT_EQ(box(302), u"00012345"_s);

    type(180, 1500);
    EXPECT_EQ(d.paymentAmount(), u"1,500"_s);
    d.setText(180, {});
    EXPECT_EQ(d.paymentAmount(), u""_s);
    EXPECT_EQ(rules.caption507(),
              u"Deducción (20% del monto consignado en la casilla 107 - Máximo S/ 81,600)"_s);
}

TEST_F(RulesTest, ForeignCreditLimitAndAmountToPayAdvice) {
    EXPECT_EQ(rules.Calcular122(), u""_s);
    type(107, 100 * kUit);  // 113 = 248,200, 511 = 23,800
    type(116, 28000);       // taxable 276,200; tax 33,048 + 0.30 x 92,600 = 60,828
    EXPECT_EQ(box(120), u"60,828"_s);
    EXPECT_EQ(rules.Calcular122(), u"6262"_s);  // 60,828 x 28,000 / 272,000

    const QString concepto = u"por impuesto a la renta "_s;
    const QString excess = u"El importe a pagar por impuesto a la renta  tiene un exceso\n"_s;
    EXPECT_EQ(Rules::SaldoaPagar(u"100"_s, u"150"_s, concepto), excess);
    EXPECT_EQ(Rules::SaldoaPagar(u"1,500"_s, u"150"_s, concepto),
              u"KELOR generará una orden de pago por impuesto a la renta \n"_s);
    EXPECT_EQ(Rules::SaldoaPagar(u"150"_s, u"150"_s, concepto), u""_s);
    EXPECT_EQ(Rules::SaldoaPagar(u""_s, u"10"_s, concepto), excess);
    EXPECT_EQ(Rules::SaldoaPagar(u""_s, u"0"_s, concepto), u""_s);
    EXPECT_EQ(Rules::SaldoaPagar(u"-5"_s, u"0"_s, concepto), u""_s);
}

TEST_F(RulesTest, FirstAndSecondCategoryDeductionsAndTheIncomeSubtotals) {
    // Second category: 10 % of the gross income.
    type(520, 30000);
    type(106, 20000);
    EXPECT_EQ(box(504), u"50,000"_s);
    EXPECT_EQ(box(505), u"(5,000)"_s);
    EXPECT_EQ(box(506), u"45,000"_s);
    type(105, 10000);
    EXPECT_EQ(box(505), u"(6,000)"_s);
    EXPECT_EQ(box(506), u"54,000"_s);
    EXPECT_EQ(box(113), u"54,000"_s);

    // First category: 20 %; the net global income adds both categories.
    type(100, 50000);
    type(102, 10000);
    EXPECT_EQ(box(501), u"60,000"_s);
    EXPECT_EQ(box(502), u"(12,000)"_s);
    EXPECT_EQ(box(503), u"48,000"_s);
    EXPECT_EQ(box(113), u"102,000"_s);

    // Fourth and fifth category with the solidarity tax: 40,000 + 10,000 - 4,000 + 20,000 = 66,000, less
    // the 7 UIT.
    type(107, 50000);
    type(108, 10000);
    type(110, 4000);
    type(111, 20000);
    EXPECT_EQ(box(509), u"46,000"_s);
    EXPECT_EQ(box(510), u"66,000"_s);
    EXPECT_EQ(box(512), u"42,200"_s);
    EXPECT_EQ(box(113), u"144,200"_s);

    // Each loss and deduction is taken once: 144,200 - 3,000 - 1,000 - 2,000 - 500.
    type(522, 3000);
    type(114, 1000);
    type(523, 2000);
    type(519, 500);
    EXPECT_EQ(box(514), u"140,700"_s);
    EXPECT_EQ(box(513), u"137,700"_s);

    // The year's total income: 144,200 + 12,000 + 700 + 300, exempt income below zero counting nothing.
    type(116, 12000);
    type(203, 700);
    type(118, 300);
    type(535, 1000);
    type(536, -3000);
    EXPECT_EQ(box(518), u"157,200"_s);

    // Emptying the second category empties its boxes, not zero.
    for (int b : {520, 105, 106})
        d.setText(b, {});
    for (int b : {504, 505, 506})
        EXPECT_EQ(box(b), u""_s) << b;
    EXPECT_EQ(box(113), u"90,200"_s);
}

TEST_F(RulesTest, TaxInsideTheBandsAndABalanceOfZero) {
    // Just above 27 UIT the excess bears 21 %; just below 54 UIT the top rate does not start yet.
    type(116, 95000);
    EXPECT_EQ(box(120), u"14,442"_s);  // 13,770 + 0.21 x 3,200
    type(116, 183000);
    EXPECT_EQ(box(120), u"32,922"_s);  // 13,770 + 0.21 x 91,200

    // Every payment and credit with refund counts against the net tax, the second-category one too.
    type(116, 36200);  // tax 5,430
    for (auto [b, amount] : {std::pair{125, 1000},
                             {127, 500},
                             {128, 300},
                             {129, 200},
                             {130, 400},
                             {131, 600},
                             {132, 700},
                             {133, 800},
                             {529, 900}})
        type(b, amount);
    EXPECT_EQ(box(141), u"0"_s);
    EXPECT_EQ(box(142), u"30"_s);

    // Paid exactly: nothing in favour to use, so box 140 stays closed.
    type(132, 730);
    EXPECT_EQ(box(141), u"0"_s);
    EXPECT_EQ(box(142), u"0"_s);
    EXPECT_EQ(box(146), u"0"_s);
    EXPECT_FALSE(d.isEnabled(140));
}

TEST(DeclarationModel, StoredNameHalvesJoinInEitherOrder) {
    Declaration d;
    d.setLoading(true);
    d.setStoredValue(827, u"PQRST"_s);
    d.setStoredValue(817, u"ABCDEFGHIJKLMNO"_s);
    d.setStoredValue(818, u"CORTO"_s);
    d.setStoredValue(892, u"XYZ"_s);
    d.setStoredValue(820, u"123456789012345"_s);
    EXPECT_EQ(d.text(817), u"ABCDEFGHIJKLMNOPQRST"_s);
    EXPECT_EQ(d.text(818), u"CORTO"_s);
    EXPECT_EQ(d.text(820), u"123456789012345XYZ"_s);
    EXPECT_EQ(d.text(827), u""_s);
    d.setStoredValue(5, u"1"_s);
    EXPECT_EQ(d.option(OptionGroup::OptRectifica), u"1"_s);
}

}  // namespace
