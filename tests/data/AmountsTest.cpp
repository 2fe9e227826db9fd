#include <gtest/gtest.h>

#include "data/Amounts.h"
#include "startup/MessageSink.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// The validator's answer for an annex amount (10 integers, 2 decimals), and the text it leaves.
bool annex(QString& text, RecordingMessageSink& sink) {
    return validateAmount(text, 10, 2, u"PAGOS"_s, sink);
}

}  // namespace

TEST(Amounts, ValidatorCountsDigitsAndExplainsTheLimit) {
    RecordingMessageSink sink;
    const QString limit = u"Registre como máximo 10 enteros y 2 decimales"_s;
    struct Case {
        QString text;
        bool valid;
    };
    const Case cases[] = {
        {u"1234567890"_s, true},
        {u"1234567890.12"_s, true},
        {u"1,234,567,890.12"_s, true},
        {u"12345678901"_s, false},
        {u"1234567890.123"_s, false},
        {u".5"_s, true},
        {u"12A"_s, false},
        {u"1.2.3"_s, false},
        {u",,,"_s, false},
        {u"."_s, false},
        {u"-5"_s, false},
        {QString(400, u'9'), false},
        {u"12.5,0"_s, false},
    };
    for (const Case& c : cases) {
        sink.clear();
        QString text = c.text;
        EXPECT_EQ(annex(text, sink), c.valid) << c.text.toStdString();
        EXPECT_EQ(text, c.text);  // only an empty text is changed
        if (c.valid) {
            EXPECT_TRUE(sink.messages().isEmpty());
        } else {
            ASSERT_EQ(sink.messages().size(), 1) << c.text.toStdString();
            EXPECT_EQ(sink.messages()[0].text, limit);
            EXPECT_EQ(sink.messages()[0].title, u"Validación"_s);
            EXPECT_EQ(sink.messages()[0].icon, MsgIcon::Critical);
        }
    }

    sink.clear();
    QString empty = u"  "_s;
    EXPECT_TRUE(annex(empty, sink));
    EXPECT_EQ(empty, u"0.00"_s);

    // A maximum of 0 decimals means 2; whole-unit limits name their own numbers.
    QString three = u"1.123"_s;
    EXPECT_FALSE(validateAmount(three, 12, 0, QString(), sink));
    EXPECT_EQ(sink.messages().last().text, u"Registre como máximo 12 enteros y 2 decimales"_s);

    // Notes refuse a zero amount without a message.
    sink.clear();
    QString zero = u"0.00"_s;
    EXPECT_FALSE(validateAmount(zero, 10, 2, u"NOTAS"_s, sink));
    EXPECT_TRUE(sink.messages().isEmpty());
}

TEST(Amounts, NormaliserDropsSeparators) {
    QString text = u"1,234,567.50"_s;
    EXPECT_EQ(normalizeAmount(text), u"1234567.50"_s);
    EXPECT_EQ(text, u"1234567.50"_s);
    for (const QString& zero : {u""_s, u","_s, u"."_s, u"0"_s, u" , "_s}) {
        QString t = zero;
        EXPECT_EQ(normalizeAmount(t), u"0.00"_s) << zero.toStdString();
    }
}
