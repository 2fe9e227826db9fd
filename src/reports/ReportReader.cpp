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
    explicit Fields(QStringView line) : line_(line), pos_(line.indexOf(u'|') + 1) {}

    std::optional<QStringView> text() {
        const qsizetype end = line_.indexOf(u'|', pos_);
        if (pos_ <= 0 || end < 0)
            return std::nullopt;
        const QStringView t = line_.mid(pos_, end - pos_);
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
    static double leadingNumber(QStringView t) {
        qsizetype i = 0;
        while (i < t.size() && t[i].isSpace())
            ++i;
        bool negative = false;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            negative = t[i++] == u'-';
        double whole = 0;
        while (i < t.size() && t[i].isDigit() && whole < 1e9)
            whole = whole * 10 + t[i++].digitValue();
        if (i < t.size() && t[i] == u'.') {
            double scale = 0.1;
            for (++i; i < t.size() && t[i].isDigit(); ++i, scale /= 10)
                whole += t[i].digitValue() * scale;
        }
        return negative ? -whole : whole;
    }

    QStringView line_;
    qsizetype pos_;
};

std::optional<ReportElement> textElement(QStringView line, ElementKind kind) {
    Fields f(line);
    const auto x = f.number(), y = f.number();
    const auto text = f.text(), bold = f.text();
    const auto size = f.number(), page = f.number();
    if (!x || !y || !text || !bold || !size || !page)
        return std::nullopt;
    return ReportElement{
        kind,  *x,   *y, 0, 0, text->toString(), bold->trimmed().compare(u"True", Qt::CaseInsensitive) == 0,
        *size, *page};
}

std::optional<ReportElement> boxElement(QStringView line) {
    Fields f(line);
    const auto x1 = f.number(), y1 = f.number(), x2 = f.number(), y2 = f.number(), page = f.number();
    if (!x1 || !y1 || !x2 || !y2 || !page)
        return std::nullopt;
    return ReportElement{ElementKind::Box, *x1, *y1, *x2, *y2, {}, false, 0, *page};
}

// The value of a tag line: the text between the opening tag and the closing one, trimmed.
QString tagValue(QStringView line, QStringView token) {
    const QString closing = u"<!/"_s + token.mid(2).toString();
    const qsizetype end = line.indexOf(closing, token.size());
    return line.mid(token.size(), end < 0 ? -1 : end - token.size()).trimmed().toString();
}

// The leading token of a line (see leadingToken).
QStringView tokenOf(QStringView line) {
    qsizetype end = line.indexOf(u'|');
    if (end < 0)
        end = line.size();
    // "!>" or "aHoja" only matter when they end before the first "|".
    const QStringView head = line.left(std::min(end + 4, line.size()));
    const qsizetype tag = head.indexOf(u"!>");
    if (tag >= 0 && tag + 2 < end)
        end = tag + 2;
    const qsizetype sheet = head.indexOf(u"aHoja");
    if (sheet >= 0 && sheet + 5 < end)
        end = sheet + 5;
    return line.left(end).trimmed();
}

// The reading state of one pass over a report.
class Reader {
public:
    Reader(ReadMode mode, ReportCanvas& canvas, const PageRange& range)
        : printing_(mode == ReadMode::Imprimir), canvas_(canvas), range_(range) {}

    void line(QStringView line) {
        const QStringView token = tokenOf(line);
        if (token == u"pPos" || token == u"pPosVerti" || token == u"pCuadro") {
            const auto e =
                token == u"pCuadro"
                    ? boxElement(line)
                    : textElement(line, token == u"pPos" ? ElementKind::Text : ElementKind::VerticalText);
            if (!e)
                return;
            lastPage_ = e->page;
            if (!range_.contains(e->page))
                return;
            if (e->kind == ElementKind::Text)
                canvas_.ppos(*e);
            else if (e->kind == ElementKind::VerticalText)
                canvas_.pPosVerti(*e);
            else
                canvas_.pCuadro(*e);
        } else if (token == u"pNuevaHoja") {
            if (printing_ && (!range_.set || range_.contains(lastPage_)))
                canvas_.nuevaHoja();
        } else if (token == u"<!nHojas!>") {
            canvas_.inicioDocumento(tagValue(line, token).toInt());
        } else if (token == u"<!Color!>") {
            const auto c = parseColour(tagValue(line, token));
            if (!printing_ && c && c != background_) {
                background_ = c;
                canvas_.color(*c);
            }
        } else if (token == u"<!Orientacion!>") {
            if (printing_ && tagValue(line, token) == u"H")
                canvas_.orientacion(true);
        }
        // "<!font!>": every text is drawn in the one monospaced font; anything else draws nothing.
    }
    void end() {
        if (printing_)
            canvas_.finDocumento();
    }

private:
    const bool printing_;
    ReportCanvas& canvas_;
    const PageRange& range_;
    std::optional<QColor> background_;
    int lastPage_ = -1;  // the page of the last element read
};

}  // namespace

QString leadingToken(const QString& line) {
    return tokenOf(line).toString();
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
    Reader reader(mode, canvas, range);
    for (const QString& line : lines)
        reader.line(line);
    reader.end();
}

namespace {

// Calls f with each line of the file, without its CR LF.
template <typename F>
void forEachLine(QFile& file, F&& f) {
    const QString text = cp1252::decode(file.readAll());
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!f(line))
            return;
        start = end + 1;
    }
}

}  // namespace

bool pDesencripta(const QString& path, ReadMode mode, ReportCanvas& canvas, const PageRange& range,
                  MessageSink& sink) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        sink.error(u"Archivo Físico del Reporte no Existe"_s, u"Error al Imprimir"_s);
        return false;
    }
    Reader reader(mode, canvas, range);
    forEachLine(file, [&](QStringView line) {
        reader.line(line);
        return true;
    });
    reader.end();
    return true;
}

int NumRegistros(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int pages = 0;
    forEachLine(file, [&](QStringView line) {
        const qsizetype at = line.indexOf(u"<!nHojas!>");
        if (at < 0)
            return true;
        // The two characters after the tag, read as Val reads them: "4<" is 4.
        const QStringView digits = line.mid(at + 10, 2).trimmed();
        qsizetype n = 0;
        while (n < digits.size() && digits[n].isDigit())
            ++n;
        pages = digits.left(n).toInt();
        return false;
    });
    return pages;
    return 0;
}

}  // namespace zem::reports
