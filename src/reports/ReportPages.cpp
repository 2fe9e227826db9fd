#include "reports/ReportPages.h"

#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <cmath>

#include "reports/ReportCanvas.h"
#include "startup/Cp1252.h"
#include "startup/MessageSink.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

// What one line of the file holds, as the reader sees it: the page of its element, a colour, a page count.
class LineProbe : public ReportCanvas {
public:
    void ppos(const ReportElement& e) override { page = e.page; }
    void pPosVerti(const ReportElement& e) override { page = e.page; }
    void pCuadro(const ReportElement& e) override { page = e.page; }
    void inicioDocumento(int pages) override { declared = pages; }
    void color(const QColor& c) override { colour = c; }

    void reset() {
        page = -1;
        colour.reset();
        declared.reset();
    }
    int page = -1;
    std::optional<QColor> colour;
    std::optional<int> declared;
};

// Hands on only the elements; the colour and page count were taken when indexing.
class ElementsOnly : public ReportCanvas {
public:
    explicit ElementsOnly(ReportCanvas& to) : to_(to) {}
    void ppos(const ReportElement& e) override { to_.ppos(e); }
    void pPosVerti(const ReportElement& e) override { to_.pPosVerti(e); }
    void pCuadro(const ReportElement& e) override { to_.pCuadro(e); }

private:
    ReportCanvas& to_;
};

bool isBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u == ' ' || (u >= '\t' && u <= '\r') || u == 0xA0;  // 0xA0: the code page's no-break space
}

QByteArrayView trimmed(QByteArrayView v) {
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// A numeric field read as the reader reads it: blanks, a sign, digits and one decimal point, rounded; 0
// without a number; nothing when it does not fit a 16-bit integer.
std::optional<int> number(QByteArrayView field) {
    qsizetype i = 0;
    while (i < field.size() && isBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    const auto digit = [&](qsizetype k) { return k < field.size() && field[k] >= '0' && field[k] <= '9'; };
    double v = 0;
    while (digit(i) && v < 1e9)
        v = v * 10 + (field[i++] - '0');
    if (i < field.size() && field[i] == '.') {
        double scale = 0.1;
        for (++i; digit(i); ++i, scale /= 10)
            v += (field[i] - '0') * scale;
    }
    v = std::round(negative ? -v : v);
    if (v < -32768 || v > 32767)
        return std::nullopt;
    return static_cast<int>(v);
}

// The page of an element line ("pPos", "pPosVerti", "pCuadro" with all its fields in order and its numbers
// in range), read straight from the bytes: the index reads every line of the file, and most are elements.
// -1 for a line that draws nothing; nothing for a line that is no element (a tag, a break, anything else).
std::optional<int> elementPage(QByteArrayView line) {
    const qsizetype bar = line.indexOf('|');
    if (bar < 0)
        return std::nullopt;
    const QByteArrayView head(line.constData(), bar);
    if (head.contains("!>") || head.contains("aHoja"))
        return std::nullopt;
    const QByteArrayView token = trimmed(head);
    const bool box = token == "pCuadro";
    if (!box && token != "pPos" && token != "pPosVerti")
        return std::nullopt;
    // Texts: x, y, text, bold, size, page. Rectangles: x1, y1, x2, y2, page.
    static constexpr bool kTextNumbers[] = {true, true, false, false, true, true};
    static constexpr bool kBoxNumbers[] = {true, true, true, true, true};
    const bool* numeric = box ? kBoxNumbers : kTextNumbers;
    const int fields = box ? 5 : 6;
    qsizetype pos = bar + 1;
    int page = -1;
    for (int f = 0; f < fields; ++f) {
        const qsizetype end = line.indexOf('|', pos);
        if (end < 0)
            return -1;
        if (numeric[f]) {
            const auto v = number(QByteArrayView(line.constData() + pos, end - pos));
            if (!v)
                return -1;
            page = *v;
        }
        pos = end + 1;
    }
    return page;
}

// The lines of a file with their places, read in large blocks.
class LineScanner {
public:
    explicit LineScanner(QFile& file) : file_(file) {}

    // The next line, its line end included, and where it starts; false at the end of the file.
    bool next(QByteArrayView& line, qint64& offset) {
        for (;;) {
            const qsizetype end = buffer_.indexOf('\n', pos_);
            if (end >= 0 || (eof_ && pos_ < buffer_.size())) {
                const qsizetype length = (end >= 0 ? end + 1 : buffer_.size()) - pos_;
                line = QByteArrayView(buffer_).sliced(pos_, length);
                offset = base_ + pos_;
                pos_ += length;
                return true;
            }
            if (eof_)
                return false;
            base_ += pos_;
            buffer_.remove(0, pos_);
            pos_ = 0;
            const QByteArray block = file_.read(kBlock);
            if (block.isEmpty())
                eof_ = true;
            buffer_ += block;
        }
    }

private:
    static constexpr qint64 kBlock = 1 << 20;
    QFile& file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 base_ = 0;
    bool eof_ = false;
};

QString lineText(QByteArrayView raw) {
    QByteArray bytes = raw.toByteArray();
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    return cp1252::decode(bytes);
}

}  // namespace

bool ReportPages::open(const QString& path, const PageRange& range, MessageSink& sink) {
    pages_.clear();
    declaredPages_ = 0;
    file_.close();
    file_.setFileName(path);
    if (!QFileInfo(path).isFile() || !file_.open(QIODevice::ReadOnly)) {
        sink.error(u"Archivo Físico del Reporte no Existe"_s, u"Error al Imprimir"_s);
        return false;
    }
    QMap<int, Page> pages;
    QColor background = Qt::white;
    LineProbe probe;
    Page* open = nullptr;  // the page whose last span may still grow
    LineScanner lines(file_);
    QByteArrayView raw;
    qint64 offset = 0;
    while (lines.next(raw, offset)) {
        int page = -1;
        if (const auto element = elementPage(raw)) {
            if (*element >= 0 && range.contains(*element))
                page = *element;
        } else if (raw.contains("<!")) {
            // Tags are few: the reader itself says what they set.
            probe.reset();
            pDesencriptaLineas({lineText(raw)}, ReadMode::PresPrevia, probe, range);
            if (probe.colour)
                background = *probe.colour;
            if (probe.declared)
                declaredPages_ = *probe.declared;
            page = probe.page;
        }
        if (page < 0)
            continue;
        const qint64 end = offset + raw.size();
        if (open && open->number == page) {
            // Lines between two elements of the same page (tags, breaks) join the span: they draw nothing.
            open->spans.last().length = end - open->spans.last().offset;
            continue;
        }
        auto it = pages.find(page);
        if (it == pages.end())
            it = pages.insert(page, Page{page, background, {}});
        it->spans.append({offset, end - offset});
        open = &*it;
    }
    if (pages.isEmpty()) {
        const int first = range.set ? std::max(0, range.first - 1) : 0;
        pages.insert(first, Page{first, background, {}});
    }
    pages_ = pages.values();
    return true;
}

bool ReportPages::draw(int i, ReportCanvas& canvas) {
    if (i < 0 || i >= pages_.size())
        return false;
    const Page& page = pages_[i];
    const PageRange only{true, page.number + 1, page.number + 1};
    ElementsOnly elements(canvas);
    for (const Span& span : page.spans) {
        if (!file_.seek(span.offset))
            return false;
        const QByteArray bytes = file_.read(span.length);
        if (bytes.size() != span.length)
            return false;
        QStringList lines = cp1252::decode(bytes).split(u'\n');
        for (QString& l : lines) {
            if (l.endsWith(u'\r'))
                l.chop(1);
        }
        pDesencriptaLineas(lines, ReadMode::PresPrevia, elements, only);
    }
    return true;
}

}  // namespace zem::reports
