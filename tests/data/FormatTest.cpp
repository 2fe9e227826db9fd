#include <gtest/gtest.h>

#include "data/Format.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char16_t* mask;
    const char16_t* text;
    const char16_t* expected;
};

// Every mask the system uses, with positive, negative, zero, half-unit, empty and non-numeric texts.
const Case kCases[] = {
    {u"#########0", u"1234567", u"1234567"},
    {u"#########0", u"0", u"0"},
    {u"#########0", u"-20.5", u"-21"},
    {u"#########0", u"1,234.5", u"1235"},
    {u"#,###,###,##0", u"1234567", u"1,234,567"},
    {u"#,###,###,##0", u"0", u"0"},
    {u"#,###,###,##0", u"999.5", u"1,000"},
    {u"#,###,###,##0", u"-68000", u"-68,000"},
    {u"##,###,###,##0;(##,###,###,##0)", u"-68000", u"(68,000)"},
    {u"##,###,###,##0;(##,###,###,##0)", u"272000", u"272,000"},
    {u"##,###,###,##0;(##,###,###,##0)", u"0", u"0"},
    {u"##,###,###,##0;(##,###,###,##0)", u"-0.4", u"0"},
    {u"###,###,###,##0;(###,###,###,##0)", u"(1,235)", u"(1,235)"},
    {u"###,###,###,##0", u"52428.5", u"52,429"},
    {u"###,###,###,##0", u"-52428.5", u"-52,429"},
    {u"(###,###,###,##0)", u"1234.5", u"(1,235)"},
    {u"(###,###,###,##0)", u"0", u"(0)"},
    {u"(#,###,###,##0)", u"50", u"(50)"},
    {u"(###,####,##0)", u"1234567", u"(1,234,567)"},
    {u"(###,###,###,###)", u"81600", u"(81,600)"},
    {u"###,###,###,###", u"0", u""},
    {u"###,###,###,###", u"1234.4", u"1,234"},
    {u"##########", u"0", u""},
    {u"##########", u"0.4", u""},
    {u"##########", u"15", u"15"},
    {u"###########", u"70000", u"70000"},
    {u"############", u"12.5", u"13"},
    {u"###########0", u"0", u"0"},
    {u"###########0", u"-7.5", u"-8"},
    {u"##############0", u"(1,235)", u"-1235"},
    {u"###,###,###,##0.#0", u"1234.5", u"1,234.50"},
    {u"###,###,###,##0.#0", u"0", u"0.00"},
    {u"###,###,###,##0.#0", u"1234.565", u"1,234.57"},
    {u"#,###,###,##0.00", u"1234", u"1,234.00"},
    {u"#,###,###,##0.#0", u"0.5", u"0.50"},
    {u"##,###,###,##0.#0", u"-3", u"-3.00"},
    {u"###,###,##0.#0", u"12", u"12.00"},
    {u"(##,###,###,##0.#0)", u"12", u"(12.00)"},
    {u"##############0.#0", u"1234.5", u"1234.50"},
    {u"###########0.#0", u"2.675", u"2.68"},
    {u"##########0.#0", u"99999999999.995", u"100000000000.00"},
    {u"#########0.#0", u"10000", u"10000.00"},
    {u"#########0.00", u"8", u"8.00"},
    {u"#########0.00", u"", u""},
    {u"############.#0", u"0.5", u".50"},
    {u"##0.#000", u"1.5", u"1.5000"},
    {u"###,##0", u"81600", u"81,600"},
    {u"###,###", u"3400", u"3,400"},
    {u"00000000", u"12", u"00000012"},
    {u"000000", u"1", u"000001"},
    {u"0000", u"7", u"0007"},
    {u"00", u"6", u"06"},
    {u"0#/0#/####", u"01012006", u"01/01/2006"},
    {u"0#/0#/####", u"15032006", u"15/03/2006"},
    {u"0#/####", u"012006", u"01/2006"},
    {u"00000000000000000000", u"20123458829", u"00000000020123458829"},
    {u"#,###,###,##0", u"ABC", u"ABC"},
    {u"#,###,###,##0", u"12A", u"12A"},
    {u"#,###,###,##0", u"1.2.3", u"1.2.3"},
    {u"#,###,###,##0", u",", u","},
    {u"#,###,###,##0", u".", u"."},
    {u"dd/mm/yyyy", u"2006-03-15", u"15/03/2006"},
    {u"dd/mm/yyyy", u"15/03/2006", u"15/03/2006"},
};

}  // namespace

TEST(Format, EveryMaskOfTheSystem) {
    for (const Case& c : kCases) {
        const QString mask = QString::fromUtf16(c.mask), text = QString::fromUtf16(c.text);
        EXPECT_EQ(Format(text, mask), QString::fromUtf16(c.expected))
            << "mask " << mask.toStdString() << " text '" << text.toStdString() << "'";
    }
}

TEST(Format, HugeAndOddInputsNeverBreakIt) {
    const QString huge(400, u'9');
    EXPECT_EQ(Format(huge, u"#,###,###,##0"_s), huge);  // overflows a double: not a number
    EXPECT_FALSE(Format(QString(300, u'9'), u"#,###,###,##0"_s).isEmpty());
    EXPECT_EQ(Format(u",,,"_s, u"#########0"_s), u",,,"_s);
    EXPECT_EQ(Format(u"--5"_s, u"#########0"_s), u"--5"_s);
    EXPECT_EQ(Format(u"  42  "_s, u"#########0"_s), u"42"_s);
}

TEST(Format, ReadingAmounts) {
    EXPECT_EQ(parseAmount(u"(1,235)"_s), -1235.0);
    EXPECT_EQ(parseAmount(u" 1,234,567.50 "_s), 1234567.5);
    EXPECT_EQ(parseAmount(u"-0.5"_s), -0.5);
    EXPECT_EQ(parseAmount(u".5"_s), 0.5);
    EXPECT_FALSE(parseAmount(u""_s));
    EXPECT_FALSE(parseAmount(u"."_s));
    EXPECT_FALSE(parseAmount(u"1.2.3"_s));
    EXPECT_FALSE(parseAmount(u"(-5)"_s));
    EXPECT_FALSE(parseAmount(u"1 2"_s));
    EXPECT_EQ(Val(u"abc"_s), 0.0);
    EXPECT_EQ(roundHalfAway(2.5), 3.0);
    EXPECT_EQ(roundHalfAway(-2.5), -3.0);
    EXPECT_EQ(roundHalfAway(1.005, 2), 1.01);
}
