#include "declaration/OrderNumber.h"

namespace zem {

using namespace Qt::StringLiterals;

QString checkDigitExtension(const QString& text) {
    const QString t = text.trimmed().left(17);
    if (t.isEmpty())
        return {};
    int sum = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[t.size() - 1 - i];
        const int value = c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
        sum += value * (2 + static_cast<int>(i % 6));
    }
    int digit = 11 - sum % 11;
    if (digit == 11)
        digit = 1;
    if (digit == 10)
        digit = 0;
    return t + QString::number(digit);
}

QString orderVerificationDigits(const QString& control, const QString& orderNumber) {
    const QString d1 = checkDigitExtension(control).mid(8, 1);
    const QString d2 = checkDigitExtension(control.trimmed() + orderNumber.trimmed() + d1).right(1);
    return d1 + d2;
}

OrderNumberCheck verifyOrderNumber(const QString& control, const QString& orderNumber,
                                   const QString& digits) {
    if (orderNumber.trimmed().size() < 8)
        return OrderNumberCheck::TooShort;
    if (digits.trimmed() != orderVerificationDigits(control, orderNumber))
        return OrderNumberCheck::WrongDigits;
    return OrderNumberCheck::Valid;
}

}  // namespace zem
