#include "startup/Utility.h"

#include <QFileInfo>

#include "startup/Cp1252.h"

namespace zem::util {

using namespace Qt::StringLiterals;

namespace {

bool isControl(int key) {
    return key == kBackspace || key == kEnter;
}
bool isDigit(int key) {
    return key >= '0' && key <= '9';
}
bool isPlainLetter(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

bool allDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool onlyZeros(const QString& s) {
    for (QChar c : s) {
        if (c != u'0')
            return false;
    }
    return true;
}

}  // namespace

int FiltraMonto(int key) {
    return isControl(key) || isDigit(key) || key == '.' ? key : 0;
}

int FiltraDocumento(int key) {
    return isControl(key) || isDigit(key) || isPlainLetter(key) ? key : 0;
}

int FiltraCodigo(int key) {
    return isControl(key) || isDigit(key) ? key : 0;
}

int FiltraNombre(int key, bool businessName) {
    if (isControl(key) || key == ' ' || key == '\'' || key == '-' || key == '.')
        return key;
    const QChar c(static_cast<char16_t>(key));
    if (c.isLetter() && key < 0x250)
        return key;  // Latin letters, accented ones and Ñ included
    if (businessName && (isDigit(key) || QStringView(u"&,/()\"").contains(c)))
        return key;
    return 0;
}

bool ValidaRuc(const QString& ruc) {
    if (ruc.size() != 11 || !allDigits(ruc))
        return false;
    static constexpr int kWeights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += (ruc[i].unicode() - '0') * kWeights[i];
    int check = 11 - sum % 11;
    if (check == 10)
        check = 0;
    if (check == 11)
        check = 1;
    return ruc[10].unicode() - '0' == check;
}

bool ValidaNumeroDocumento(const QString& number, QChar dataKind) {
    if (number.isEmpty() || onlyZeros(number))
        return false;
    if (dataKind == u'0') {
        for (QChar c : number) {
            if (!(c.isDigit() || (c.unicode() < 128 && c.isLetter()) || c == u'-'))
                return false;
        }
        return true;
    }
    if (!allDigits(number))
        return false;
    return dataKind != u'5' || ValidaRuc(number);
}

QDate parseDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() != 10 || t[2] != u'/' || t[5] != u'/')
        return {};
    const QString d = t.left(2), m = t.mid(3, 2), y = t.mid(6, 4);
    if (!allDigits(d) || !allDigits(m) || !allDigits(y))
        return {};
    return QDate(y.toInt(), m.toInt(), d.toInt());
}

bool ValidaFecha(const QString& date, const QString& earliest, const QDate& latest) {
    const QDate d = parseDate(date);
    const QDate low = parseDate(earliest);
    return d.isValid() && (!low.isValid() || d >= low) && (!latest.isValid() || d <= latest);
}

bool ValidaPeriodo(const QString& period, const QString& lowest, const QDate& highest) {
    auto parse = [](const QString& p) -> QDate {
        const QString t = p.trimmed();
        if (t.size() != 7 || t[2] != u'/' || !allDigits(t.left(2)) || !allDigits(t.mid(3)))
            return {};
        return QDate(t.mid(3).toInt(), t.left(2).toInt(), 1);
    };
    const QDate first = parse(period);
    const QDate low = parse(lowest);
    return first.isValid() && (!low.isValid() || first >= low) && (!highest.isValid() || first <= highest);
}

QString RellenaDerecha(const QString& text, int width, QChar fill) {
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), fill);
}

QString RellenaIzquierda(const QString& text, int width, QChar fill) {
    return text.size() >= width ? text : QString(width - text.size(), fill) + text;
}

QString FormatoCodigo(const QString& code, int width) {
    const QString t = code.trimmed();
    if (allDigits(t))
        return RellenaIzquierda(t, width, u'0');
    return t.size() >= width ? t : t + QString(width - t.size(), u' ');
}

bool ExisteArchivo(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString ClaveArchivo(const QString& text) {
    static const QString kAlphabet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
    long sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        sum += cp1252::code(text[i]) * (i + 1);
    return text + kAlphabet[static_cast<int>(sum % 36)];
}

}  // namespace zem::util
