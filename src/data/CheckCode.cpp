#include "data/CheckCode.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

#include "data/Format.h"
#include "startup/Cp1252.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The last three digits of a whole number, as "000" to "999".
QString lastThree(double sum) {
    const double whole = std::fabs(roundHalfAway(sum));
    const auto n = static_cast<long long>(std::fmod(whole, 1000.0));
    return QString::number(n).rightJustified(3, u'0');
}

// The value of a text of plain digits, the usual key ("6", "2006", an 11-digit RUC), read without the general
// amount parser; nothing for any other text. Up to 15 digits the sum is exact, so the result is the same.
std::optional<double> plainDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    double value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

QString checkCodeText(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Char:
        case QMetaType::SChar:
            return QString::number(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return QString::number(value.toDouble(), 'g', 15);
        case QMetaType::QDate:
            return value.toDate().toString(u"yyyyMMdd"_s);
        case QMetaType::QDateTime:
            return value.toDateTime().date().toString(u"yyyyMMdd"_s);
        case QMetaType::QString:
            return value.toString().trimmed();
        case QMetaType::QByteArray:
            return QString::fromUtf8(value.toByteArray()).trimmed();
        default:
            return {};
    }
}

QString checkCode(const QVariantList& row, int n) {
    double keySum = 0;
    for (int i = 0; i < n && i < row.size(); ++i) {
        const QString text = checkCodeText(row[i]);
        if (const auto v = plainDigits(text)) {
            keySum += *v;
        } else if (const auto w = parseAmount(text)) {
            keySum += *w;
        }
    }
    long long charSum = 0;
    for (qsizetype i = n; i + 1 < row.size(); ++i) {
        const QString text = checkCodeText(row[i]);
        for (qsizetype j = 0; j < text.size(); ++j)
            charSum += static_cast<long long>(cp1252::code(text[j])) * (j + 1);
    }
    return lastThree(keySum) + lastThree(static_cast<double>(charSum % 1000));
}

}  // namespace zem
