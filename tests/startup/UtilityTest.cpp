#include <gtest/gtest.h>

#include "startup/Cp1252.h"
#include "startup/Utility.h"

using namespace zem;
using namespace zem::util;
using namespace Qt::StringLiterals;

TEST(Utility, RucCheckDigit) {
    for (const char16_t* ruc : {u"20100070970", u"20131312955", u"10072466760", u"20100047218"})
        EXPECT_TRUE(ValidaRuc(QString::fromUtf16(ruc))) << QString::fromUtf16(ruc).toStdString();
    for (const char16_t* ruc :
         {u"20100070971", u"2010007097", u"201000709700", u"2010007097A", u"", u"           "})
        EXPECT_FALSE(ValidaRuc(QString::fromUtf16(ruc))) << QString::fromUtf16(ruc).toStdString();
}

TEST(Utility, DocumentNumbersByDataKind) {
    EXPECT_TRUE(ValidaNumeroDocumento(u"AB-123"_s, u'0'));
    EXPECT_FALSE(ValidaNumeroDocumento(u"AB 123"_s, u'0'));
    EXPECT_FALSE(ValidaNumeroDocumento(u"0000"_s, u'0'));
    EXPECT_TRUE(ValidaNumeroDocumento(u"07654321"_s, u'1'));
    EXPECT_FALSE(ValidaNumeroDocumento(u"0765432X"_s, u'1'));
    EXPECT_TRUE(ValidaNumeroDocumento(u"20100070970"_s, u'5'));
    EXPECT_FALSE(ValidaNumeroDocumento(u"20100070971"_s, u'5'));
    EXPECT_FALSE(ValidaNumeroDocumento(QString(), u'1'));
}

TEST(Utility, DatesAndPeriodsAtTheirBounds) {
    const QDate today(2007, 3, 15);
    EXPECT_TRUE(ValidaFecha(u"01/01/1850"_s, u"01/01/1850"_s, today));
    EXPECT_FALSE(ValidaFecha(u"31/12/1849"_s, u"01/01/1850"_s, today));
    EXPECT_TRUE(ValidaFecha(u"15/03/2007"_s, u"01/01/1850"_s, today));
    EXPECT_FALSE(ValidaFecha(u"16/03/2007"_s, u"01/01/1850"_s, today));
    EXPECT_FALSE(ValidaFecha(u"29/02/2006"_s, u"01/01/1850"_s, today));
    EXPECT_TRUE(ValidaFecha(u"29/02/2004"_s, u"01/01/1850"_s, today));
    EXPECT_FALSE(ValidaFecha(u"__/__/____"_s, u"01/01/1850"_s, today));
    EXPECT_FALSE(ValidaFecha(u"1/3/2006"_s, u"01/01/1850"_s, today));

    const QDate end(2006, 12, 31);
    EXPECT_TRUE(ValidaPeriodo(u"01/2006"_s, u"01/2006"_s, end));
    EXPECT_TRUE(ValidaPeriodo(u"12/2006"_s, u"01/2006"_s, end));
    EXPECT_FALSE(ValidaPeriodo(u"13/2006"_s, u"01/2006"_s, end));
    EXPECT_FALSE(ValidaPeriodo(u"00/2006"_s, u"01/2006"_s, end));
    EXPECT_FALSE(ValidaPeriodo(u"12/2005"_s, u"01/2006"_s, end));
    EXPECT_FALSE(ValidaPeriodo(u"01/2007"_s, u"01/2006"_s, end));
    EXPECT_FALSE(ValidaPeriodo(u"__/2006"_s, u"01/2006"_s, end));
}

TEST(Utility, KeyFilters) {
    EXPECT_EQ(FiltraMonto('7'), '7');
    EXPECT_EQ(FiltraMonto('.'), '.');
    EXPECT_EQ(FiltraMonto(kBackspace), kBackspace);
    EXPECT_EQ(FiltraMonto('a'), 0);
    EXPECT_EQ(FiltraMonto(','), 0);
    EXPECT_EQ(FiltraCodigo('a'), 0);
    EXPECT_EQ(FiltraDocumento('Z'), 'Z');
    EXPECT_EQ(FiltraDocumento(u'Ñ'), 0);
    EXPECT_EQ(FiltraNombre(u'Ñ', false), u'Ñ');
    EXPECT_EQ(FiltraNombre('\'', false), '\'');
    EXPECT_EQ(FiltraNombre('7', false), 0);
    EXPECT_EQ(FiltraNombre('7', true), '7');
    EXPECT_EQ(FiltraNombre('&', true), '&');
}

TEST(Utility, FixedWidthTextAndFileKey) {
    EXPECT_EQ(RellenaDerecha(u"AB"_s, 5), u"AB   "_s);
    EXPECT_EQ(RellenaDerecha(u"ABCDEFG"_s, 5), u"ABCDE"_s);
    EXPECT_EQ(RellenaIzquierda(u"12"_s, 4), u"0012"_s);
    EXPECT_EQ(RellenaIzquierda(u"123456"_s, 4), u"123456"_s);
    EXPECT_EQ(FormatoCodigo(u"6"_s, 2), u"06"_s);
    EXPECT_EQ(FormatoCodigo(u" A"_s, 2), u"A "_s);

    const QString key = ClaveArchivo(u"48279899929029"_s);
    EXPECT_EQ(key.size(), 15);
    EXPECT_TRUE(key.startsWith(u"48279899929029"_s));
    EXPECT_EQ(key, ClaveArchivo(u"48279899929029"_s));
    EXPECT_NE(key.right(1), ClaveArchivo(u"48279899929028"_s).right(1));
}

TEST(Utility, Cp1252RoundTrip) {
    const QString text = u"Declaración – €100 “ñ”"_s;
    EXPECT_EQ(cp1252::decode(cp1252::encode(text)), text);
    EXPECT_EQ(cp1252::code(u'é'), 0xE9);
    EXPECT_EQ(cp1252::code(u'€'), 0x80);
    EXPECT_EQ(cp1252::encode(u"Ж"_s), QByteArray("?"));
}
