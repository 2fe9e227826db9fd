#include "data/Amounts.h"

#include "data/Format.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// Digits before and after the decimal point, thousands separators left out; false when the text holds
// anything else, a second point, or no digit at all.
bool countDigits(const QString& text, qsizetype* integers, qsizetype* decimals) {
    *integers = 0;
    *decimals = 0;
    bool point = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            ++(point ? *decimals : *integers);
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c != u',' || point) {
            return false;
        }
    }
    return *integers + *decimals > 0;
}

}  // namespace

QString amountLimitMessage(int maxIntegers, int maxDecimals) {
    return u"Registre como máximo "_s + QString::number(maxIntegers) + u" enteros y "_s +
           QString::number(maxDecimals) + u" decimales"_s;
}

bool validateAmount(QString& text, int maxIntegers, int maxDecimals, const QString& context,
                    MessageSink& sink) {
    if (maxDecimals == 0)
        maxDecimals = 2;
    if (context == u"NOTAS" && Val(text) == 0.0)
        return false;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        text = u"0.00"_s;
        return true;
    }
    qsizetype integers = 0, decimals = 0;
    if (countDigits(t, &integers, &decimals) && integers <= maxIntegers && decimals <= maxDecimals)
        return true;
    sink.error(amountLimitMessage(maxIntegers, maxDecimals), QString::fromUtf16(kAmountValidationTitle));
    return false;
}

QString normalizeAmount(QString& text) {
    text.remove(u',');
    const QString t = text.trimmed();
    if (t.isEmpty() || t == u"0" || t == u".")
        return u"0.00"_s;
    return text;
}

}  // namespace zem
