#include "data/Format.h"

#include <QStringList>
#include <cmath>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool isPlaceholder(QChar c) {
    return c == u'#' || c == u'0';
}

// |value| rounded half away from zero to `decimals` places, as integer digits (no leading zeros, empty for
// zero) and exactly `decimals` fraction digits. Works on the 15 significant digits of the double, as the
// family's Format does, so 2.675 rounds to 2.68.
struct Decimal {
    QString integer;
    QString fraction;
    bool isZero() const {
        for (QChar c : integer + fraction) {
            if (c != u'0')
                return false;
        }
        return true;
    }
};

Decimal toDecimal(double value, int decimals) {
    // Whole amounts below 10^15 are exact in a double: their digits need no rounding.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        Decimal d;
        if (magnitude != 0)
            d.integer = QString::number(static_cast<qint64>(magnitude));
        d.fraction = QString(decimals, u'0');
        return d;
    }
    const QString e = QString::number(std::fabs(value), 'e', 14);  // d.dddddddddddddde±XX
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(1) + e.mid(2, ePos - 2);
    qsizetype point = e.mid(ePos + 1).toInt() + 1;  // digits before the decimal point
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    }
    const qsizetype keep = point + decimals;
    if (digits.size() <= keep)
        digits.append(QString(keep + 1 - digits.size(), u'0'));
    QString kept = digits.left(keep);
    if (digits[keep] >= u'5') {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept[i] == u'9')
            kept[i--] = u'0';
        if (i >= 0) {
            kept[i] = QChar(kept[i].unicode() + 1);
        } else {
            kept.prepend(u'1');
            ++point;
        }
    }
    Decimal d;
    d.integer = kept.left(point);
    while (d.integer.startsWith(u'0'))
        d.integer.remove(0, 1);
    d.fraction = kept.mid(point);
    return d;
}

QString groupThousands(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    out.reserve(n + n / 3);
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(u',');
        out.append(digits[i]);
    }
    return out;
}

QString formatInteger(const QString& mask, const QString& digits) {
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (isPlaceholder(mask[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return mask + digits;  // no placeholder: the digits follow the literals
    const QString prefix = mask.left(first);
    const QString span = mask.mid(first, last - first + 1);
    const QString suffix = mask.mid(last + 1);

    bool plain = true;
    for (QChar c : span) {
        if (!isPlaceholder(c) && c != u',')
            plain = false;
    }
    if (plain) {
        const qsizetype firstZero = span.indexOf(u'0');
        qsizetype minDigits = 0;
        if (firstZero >= 0) {
            for (qsizetype i = firstZero; i < span.size(); ++i)
                minDigits += isPlaceholder(span[i]) ? 1 : 0;
        }
        QString d = digits;
        if (d.size() < minDigits)
            d.prepend(QString(minDigits - d.size(), u'0'));
        if (span.contains(u','))
            d = groupThousands(d);
        return prefix + d + suffix;
    }

    // Literals among the placeholders ("0#/0#/####"): digits fill the placeholders from the right.
    QString out;
    qsizetype next = digits.size() - 1;
    for (qsizetype i = span.size() - 1; i >= 0; --i) {
        const QChar c = span[i];
        if (!isPlaceholder(c)) {
            out.prepend(c);
            continue;
        }
        if (next >= 0) {
            out.prepend(digits[next--]);
        } else if (c == u'0') {
            out.prepend(u'0');
        }
        if (i == 0 && next >= 0)
            out.prepend(digits.left(next + 1));
    }
    return prefix + out + suffix;
}

QString formatFraction(const QString& mask, QString digits) {
    // Trailing '#' places are dropped while their digit is zero.
    QList<qsizetype> places;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (isPlaceholder(mask[i]))
            places << i;
    }
    qsizetype shown = places.size();
    while (shown > 0 && mask[places[shown - 1]] == u'#' && digits[shown - 1] == u'0')
        --shown;
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (!isPlaceholder(mask[i])) {
            out.append(mask[i]);
        } else if (next < shown) {
            out.append(digits[next]);
            ++next;
        }
    }
    return out;
}

int fractionPlaces(const QString& section) {
    const qsizetype dot = section.indexOf(u'.');
    if (dot < 0)
        return 0;
    int n = 0;
    for (qsizetype i = dot + 1; i < section.size(); ++i)
        n += isPlaceholder(section[i]) ? 1 : 0;
    return n;
}

QString formatSection(const QString& section, double absValue) {
    const int places = fractionPlaces(section);
    const Decimal d = toDecimal(absValue, places);
    const qsizetype dot = section.indexOf(u'.');
    if (dot < 0)
        return formatInteger(section, d.integer);
    return formatInteger(section.left(dot), d.integer) + u'.' +
           formatFraction(section.mid(dot + 1), d.fraction);
}

bool isDateMask(const QString& mask) {
    // Number masks hold none of these letters; most calls end at the first look.
    if (!mask.contains(u'd', Qt::CaseInsensitive) && !mask.contains(u'y', Qt::CaseInsensitive) &&
        !mask.contains(u'h', Qt::CaseInsensitive) && !mask.contains(u'n', Qt::CaseInsensitive))
        return false;
    const QString m = mask.toLower();
    return m.contains(u"dd"_s) || m.contains(u"yyyy"_s) || m.contains(u"hh"_s) || m.contains(u"nn"_s);
}

QString formatDateText(const QString& text, const QString& mask) {
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, u"dd/MM/yyyy HH:mm:ss"_s);
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(t, u"dd/MM/yyyy"_s), QTime(0, 0));
    if (!dt.isValid())
        dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(t, Qt::ISODate), QTime(0, 0));
    if (!dt.isValid())
        return text;
    // The family writes months "mm" in dates and minutes "mm"/"nn" in times.
    QString qtMask = mask;
    if (mask.contains(u"hh"_s)) {
        qtMask.replace(u"nn"_s, u"mm"_s);
    } else {
        qtMask.replace(u"mm"_s, u"MM"_s);
    }
    qtMask.replace(u"hh"_s, u"HH"_s);
    return dt.toString(qtMask);
}

}  // namespace

double roundHalfAway(double value, int decimals) {
    const Decimal d = toDecimal(value, decimals);
    const QString text = (d.integer.isEmpty() ? u"0"_s : d.integer) + u'.' + d.fraction + u'0';
    const double magnitude = text.toDouble();
    return value < 0 ? -magnitude : magnitude;
}

QString Format(double value, const QString& mask) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (mask.isEmpty())
        return QString::number(value, 'g', 15);
    if (!mask.contains(u';')) {
        // One section: a negative amount gets a leading minus.
        if (value < 0 && !toDecimal(value, fractionPlaces(mask)).isZero())
            return u'-' + formatSection(mask, -value);
        return formatSection(mask, std::fabs(value));
    }
    const QStringList sections = mask.split(u';');
    const QString& positive = sections[0];
    const bool negative = value < 0 && !toDecimal(value, fractionPlaces(positive)).isZero();
    if (negative) {
        if (sections.size() >= 2 && !sections[1].isEmpty())
            return formatSection(sections[1], -value);
        return u'-' + formatSection(positive, -value);
    }
    if (sections.size() >= 3 && !sections[2].isEmpty() && toDecimal(value, fractionPlaces(positive)).isZero())
        return formatSection(sections[2], 0);
    return formatSection(positive, std::fabs(value));
}

QString Format(const QString& text, const QString& mask) {
    if (text.isEmpty())
        return {};
    if (isDateMask(mask))
        return formatDateText(text, mask);
    const std::optional<double> value = parseAmount(text);
    return value ? Format(*value, mask) : text;
}

QString formatDate(const QDate& date) {
    return date.toString(u"dd/MM/yyyy"_s);
}

QString formatTime(const QTime& time) {
    return time.toString(u"HH:mm:ss"_s);
}

std::optional<double> parseAmount(const QString& text) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.size() >= 2 && t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        if (negative)
            return std::nullopt;
        negative = t.startsWith(u'-');
        t = t.mid(1).trimmed();
    }
    // Whole amounts of up to 15 digits are read digit by digit, exactly.
    qint64 whole = 0;
    int digits = 0;
    bool simple = true;
    for (QChar c : t) {
        if (c >= u'0' && c <= u'9' && digits < 15) {
            whole = whole * 10 + (c.unicode() - u'0');
            ++digits;
        } else if (c != u',') {
            simple = false;
            break;
        }
    }
    if (simple && digits > 0)
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);

    QString plain;
    bool digit = false, point = false;
    for (QChar c : t) {
        if (c >= u'0' && c <= u'9') {
            digit = true;
            plain.append(c);
        } else if (c == u',' && !point) {
            continue;  // thousands separator
        } else if (c == u'.' && !point) {
            point = true;
            plain.append(c);
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

QString periodInputMask(const QString& year) {
    QString mask = u"99/"_s;
    for (QChar c : year.trimmed())
        mask.append(u'\\').append(c);
    return mask + u";_"_s;
}

double Val(const QString& text) {
    return parseAmount(text).value_or(0.0);
}

}  // namespace zem
