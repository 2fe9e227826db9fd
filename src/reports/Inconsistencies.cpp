#include "reports/Inconsistencies.h"

#include "reports/ReportCanvas.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLineWidth = 90;  // characters of a finding that fit on one printed line
constexpr int kLineStep = 270;  // twips between printed lines
constexpr int kLeft = 400;
constexpr int kFirstLine = 1100;
constexpr int kLastLine = 16000;  // the lowest line that still fits on an A4 sheet

class Report {
public:
    Report(const QDateTime& now, const QString& product, ReportCanvas& canvas)
        : now_(now), product_(product), canvas_(canvas) {}

    void heading() {
        pPosImprime(400, 30, u"KELOR"_s, true);
        pPosImprime(400, 300, now_.toString(u"dd/MM/yyyy"_s));
        pPosImprime(9000, 300, u"PAG. "_s + QString::number(page_ + 1) + u' ');
        pPosImprime(4000, 300, u"INCONSISTENCIAS DETECTADAS "_s);
        pPosImprime(400, 570, now_.toString(u"hh:mm:ss"_s));
        pPosImprime(3000, 570, product_);
        pImprimeCuadro(250, 0, 11250, 850);
        y_ = kFirstLine;
    }

    void line(const QString& text) {
        if (y_ > kLastLine) {
            canvas_.nuevaHoja();
            ++page_;
            heading();
        }
        pPosImprime(kLeft, y_, text);
        y_ += kLineStep;
    }

    void end() { canvas_.finDocumento(); }

private:
    void pPosImprime(int x, int y, const QString& text, bool bold = false) {
        ReportElement e;
        e.kind = ElementKind::Text;
        e.x = static_cast<qint16>(x);
        e.y = static_cast<qint16>(y);
        e.text = text;
        e.bold = bold;
        e.size = 8;
        e.page = static_cast<qint16>(page_);
        canvas_.ppos(e);
    }
    void pImprimeCuadro(int x1, int y1, int x2, int y2) {
        ReportElement e;
        e.kind = ElementKind::Box;
        e.x = static_cast<qint16>(x1);
        e.y = static_cast<qint16>(y1);
        e.x2 = static_cast<qint16>(x2);
        e.y2 = static_cast<qint16>(y2);
        e.page = static_cast<qint16>(page_);
        canvas_.pCuadro(e);
    }

    const QDateTime& now_;
    const QString& product_;
    ReportCanvas& canvas_;
    int page_ = 0;
    int y_ = kFirstLine;
};

}  // namespace

QStringList findingLines(const QString& finding) {
    QStringList lines;
    QString rest = finding;
    QString indent;
    while (rest.size() > kLineWidth) {
        lines << indent + rest.left(kLineWidth - 1) + u'-';
        rest = rest.mid(kLineWidth - 1);
        indent = u"    "_s;
    }
    lines << indent + rest;
    return lines;
}

void RepInconsist(const QStringList& findings, const QDateTime& now, const QString& productLine,
                  ReportCanvas& canvas) {
    Report report(now, productLine, canvas);
    report.heading();
    int n = 0;
    for (const QString& raw : findings) {
        const QString finding = raw.trimmed();
        if (finding.isEmpty())
            continue;
        ++n;
        const QStringList lines = findingLines(finding);
        for (qsizetype i = 0; i < lines.size(); ++i)
            report.line(i == 0 ? QString::number(n) + u". "_s + lines[i] : lines[i]);
    }
    report.line(u" Inconsistencias Detectadas : "_s + QString::number(n));
    report.end();
}

}  // namespace zem::reports
