#include "reports/ReportReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>
#include <limits>

#include "reports/ReportCanvas.h"
#include "startup/Cp1252.h"
#include "startup/MessageSink.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

// The fields of a command line after its token, each the text up to the next "|".
class Fields {
public:
    explicit Fields(const QString& line) : line_(line), pos_(line.indexOf(u'|') + 1) {}

    std::optional<QString> text() {
        const qsizetype end = line_.indexOf(u'|', pos_);
        if (pos_ <= 0 || end < 0)
            return std::nullopt;
        QString t = line_.mid(pos_, end - pos_);
        pos_ = end + 1;
        return t;
    }
    // The leading decimal number of the field rounded to a 16-bit integer (0 when the field has none);
    // nothing when the field is missing or its number does not fit.
    std::optional<qint16> number() {
        const auto t = text();
        if (!t)
            return std::nullopt;
        const double v = std::round(leadingNumber(*t));
        if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
            return std::nullopt;
        return static_cast<qint16>(v);
    }

private:
    static double leadingNumber(const QString& t) {
        qsizetype i = 0;
        while (i < t.size() && t[i].isSpace())
            ++i;
        const qsizetype start = i;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            ++i;
        while (i < t.size() && (t[i].isDigit() || t[i] == u'.'))
            ++i;
        bool ok = false;
        const double v = t.mid(start, i - start).toDouble(&ok);
        return ok ? v : 0;
    }

    const QString& line_;
    qsizetype pos_;
};

std::optional<ReportElement> textElement(const QString& line, ElementKind kind) {
    Fields f(line);
    const auto x = f.number(), y = f.number();
    const auto text = f.text(), bold = f.text();
    const auto size = f.number(), page = f.number();
    if (!x || !y || !text || !bold || !size || !page)
        return std::nullopt;
    return ReportElement{
        kind,  *x,   *y, 0, 0, *text, bold->trimmed().compare(u"True"_s, Qt::CaseInsensitive) == 0,
        *size, *page};
}

std::optional<ReportElement> boxElement(const QString& line) {
    Fields f(line);
    const auto x1 = f.number(), y1 = f.number(), x2 = f.number(), y2 = f.number(), page = f.number();
    if (!x1 || !y1 || !x2 || !y2 || !page)
        return std::nullopt;
    return ReportElement{ElementKind::Box, *x1, *y1, *x2, *y2, {}, false, 0, *page};
}

// The value of a tag line: the text between the opening tag and the closing one, trimmed.
QString tagValue(const QString& line, const QString& token) {
    const QString closing = u"<!/"_s + token.mid(2);
    const qsizetype end = line.indexOf(closing, token.size());
    return line.mid(token.size(), end < 0 ? -1 : end - token.size()).trimmed();
}

}  // namespace

QString leadingToken(const QString& line) {
    qsizetype end = line.size();
    const qsizetype bar = line.indexOf(u'|');
    if (bar >= 0)
        end = bar;
    const qsizetype tag = line.indexOf(u"!>"_s);
    if (tag >= 0 && tag + 2 < end)
        end = tag + 2;
    const qsizetype sheet = line.indexOf(u"aHoja"_s);
    if (sheet >= 0 && sheet + 5 < end)
        end = sheet + 5;
    return line.left(end).trimmed();
}

std::optional<QColor> parseColour(const QString& text) {
    QString t = text.trimmed();
    if (!t.startsWith(u"&H"_s, Qt::CaseInsensitive))
        return std::nullopt;
    t = t.mid(2);
    if (t.endsWith(u'&'))
        t.chop(1);
    bool ok = false;
    const uint v = t.toUInt(&ok, 16);
    if (!ok || t.isEmpty() || t.size() > 8)
        return std::nullopt;
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

void pDesencriptaLineas(const QStringList& lines, ReadMode mode, ReportCanvas& canvas,
                        const PageRange& range) {
    const bool printing = mode == ReadMode::Imprimir;
    std::optional<QColor> background;
    int lastPage = -1;  // the page of the last element read
    for (const QString& line : lines) {
        const QString token = leadingToken(line);
        if (token == u"pPos" || token == u"pPosVerti" || token == u"pCuadro") {
            const auto e =
                token == u"pCuadro"
                    ? boxElement(line)
                    : textElement(line, token == u"pPos" ? ElementKind::Text : ElementKind::VerticalText);
            if (!e)
                continue;
            lastPage = e->page;
            if (!range.contains(e->page))
                continue;
            if (e->kind == ElementKind::Text)
                canvas.ppos(*e);
            else if (e->kind == ElementKind::VerticalText)
                canvas.pPosVerti(*e);
            else
                canvas.pCuadro(*e);
        } else if (token == u"pNuevaHoja") {
            if (printing && (!range.set || range.contains(lastPage)))
                canvas.nuevaHoja();
        } else if (token == u"<!nHojas!>") {
            canvas.inicioDocumento(tagValue(line, token).toInt());
        } else if (token == u"<!Color!>") {
            const auto c = parseColour(tagValue(line, token));
            if (!printing && c && c != background) {
                background = c;
                canvas.color(*c);
            }
        } else if (token == u"<!Orientacion!>") {
            if (printing && tagValue(line, token) == u"H")
                canvas.orientacion(true);
        }
        // "<!font!>": every text is drawn in the one monospaced font; anything else draws nothing.
    }
    if (printing)
        canvas.finDocumento();
}

namespace {

QStringList readLines(QFile& file) {
    QStringList lines = cp1252::decode(file.readAll()).split(u'\n');
    for (QString& l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    return lines;
}

}  // namespace

bool pDesencripta(const QString& path, ReadMode mode, ReportCanvas& canvas, const PageRange& range,
                  MessageSink& sink) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        sink.error(u"Archivo Físico del Reporte no Existe"_s, u"Error al Imprimir"_s);
        return false;
    }
    pDesencriptaLineas(readLines(file), mode, canvas, range);
    return true;
}

int NumRegistros(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QString& line : readLines(file)) {
        const qsizetype at = line.indexOf(u"<!nHojas!>"_s);
        if (at >= 0) {
            // The two characters after the tag, read as Val reads them: "4<" is 4.
            const QString digits = line.mid(at + 10, 2).trimmed();
            qsizetype n = 0;
            while (n < digits.size() && digits[n].isDigit())
                ++n;
            return digits.left(n).toInt();
        }
    }
    return 0;
}

}  // namespace zem::reports
