#include <gtest/gtest.h>

#include <QDate>

#include "data/CheckCode.h"

using namespace zem;
using namespace Qt::StringLiterals;

TEST(CheckCode, SumsOfKeyAndOfCharacters) {
    // Key: 6 + 20100070970 + 2006 + 482 + 0 = 20100073464 -> "464".
    // Characters: "107" -> '1'*1 + '0'*2 + '7'*3 = 49 + 96 + 165 = 310; "5" -> 53; "01" -> 48 + 98 = 146;
    // estado 0 -> 48. Total 557; the last column (the code itself) is left out.
    const QVariantList row = {6,        u"20100070970"_s, u"2006"_s, u"0482"_s, 0,
                              u"107"_s, u"5"_s,           u"01"_s,   0,         u"999999"_s};
    EXPECT_EQ(checkCode(row), u"464557"_s);
}

TEST(CheckCode, LetterCaseEmptyFieldsDatesAndOverflow) {
    const QVariantList base = {6, u"20100070970"_s, u"2006"_s, u"0482"_s, 0, u"Ana"_s, QVariant()};
    QVariantList upper = base;
    upper[5] = u"ANA"_s;
    EXPECT_NE(checkCode(base).right(3), checkCode(upper).right(3));

    const QVariantList empty = {6, u"20100070970"_s, u"2006"_s, u"0482"_s, 0, QVariant(), u" "_s, QVariant()};
    EXPECT_EQ(checkCode(empty).right(3), u"000"_s);

    // Key sums that differ by a multiple of 1000 share the first three digits.
    QVariantList shifted = base;
    shifted[2] = u"3006"_s;
    EXPECT_EQ(checkCode(base).left(3), checkCode(shifted).left(3));

    EXPECT_EQ(checkCodeText(QDate(2006, 3, 15)), u"20060315"_s);
    EXPECT_EQ(checkCodeText(2006.5), u"2006.5"_s);

    // A long text, whose weighted sum no longer fits 16 bits, still gives six digits.
    QVariantList longText = base;
    longText[5] = QString(5000, u'Z');
    const QString code = checkCode(longText);
    EXPECT_EQ(code.size(), 6);
    EXPECT_TRUE(code.toLongLong() >= 0);
}
