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

}  // namespace

QString checkCodeText(const QVariant& value) {
    if (value.isNull() || !value.isValid()) return {};
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Char:
        case QMetaType::SChar: return QString::number(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float: return QString::number(value.toDouble(), 'g', 15);
        case QMetaType::QDate: return value.toDate().toString(u"yyyyMMdd"_s);
        case QMetaType::QDateTime: return value.toDateTime().date().toString(u"yyyyMMdd"_s);
        case QMetaType::QString: return value.toString().trimmed();
        case QMetaType::QByteArray: return QString::fromUtf8(value.toByteArray()).trimmed();
        default: return {};
    }
}

QString checkCode(const QVariantList& row, int n) {
    double keySum = 0;
    for (int i = 0; i < n && i < row.size(); ++i) {
        if (const auto v = parseAmount(checkCodeText(row[i]))) keySum += *v;
    }
    long long charSum = 0;
    for (qsizetype i = n; i + 1 < row.size(); ++i) {
        const QString text = checkCodeText(row[i]);
        for (qsizetype j = 0; j < text.size(); ++j) charSum += static_cast<long long>(cp1252::code(text[j])) * (j + 1);
    }
    return lastThree(keySum) + lastThree(static_cast<double>(charSum % 1000));
}

}  // namespace zem
