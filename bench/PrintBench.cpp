// A declaration with 5,000 annex rows printed the way the program prints it (report file written, then read
// and drawn into a PDF) against drawing the same elements with QPainter straight into a PDF.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "PrintoutFixture.h"
#include "reports/PainterCanvas.h"
#include "reports/PrintJob.h"
#include "reports/ReportDocument.h"
#include "reports/ReportOutput.h"
#include "startup/Clock.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"

using namespace Qt::StringLiterals;
using namespace zem;

namespace {

constexpr int kAnnexRows = 5000;
constexpr int kRuns = 5;

// The elements drawn one by one with the same fonts and scale, a new page whenever the page number changes.
void drawDirect(const QList<reports::ReportElement>& elements, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPainter p(&printer);
    const qreal scale = printer.resolution() / 1440.0;
    p.scale(scale, scale);
    p.setPen(QPen(Qt::black, 10));
    int page = elements.isEmpty() ? 0 : elements.first().page;
    int fontKey = -1;
    qreal ascent = 0;
    for (const reports::ReportElement& e : elements) {
        if (e.page != page) {
            printer.newPage();
            page = e.page;
        }
        if (e.kind == reports::ElementKind::Box) {
            p.drawRect(QRectF(QPointF(e.x, e.y), QPointF(e.x2, e.y2)));
            continue;
        }
        const int key = e.size * 2 + (e.bold ? 1 : 0);
        if (key != fontKey) {  // fonts set only when they change, as the reader's canvas does
            fontKey = key;
            const QFont f = reports::reportFont(e.size, e.bold);
            p.setFont(f);
            ascent = QFontMetricsF(f).ascent();
        }
        p.drawText(QPointF(e.x, e.y + ascent), e.text);
    }
}

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    StderrMessageSink sink;
    Clock clock;
    Session session(sink, clock);
    session.settings.gDBFile = dir.filePath(u"zem.db"_s);
    session.settings.gRptPath = dir.filePath(u"RPT"_s);
    QDir().mkpath(session.settings.gRptPath);
    DbError error;
    if (!createSqliteFile(session.settings.gDBFile, &error) ||
        !openDatabase(session.settings, u"bench"_s, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error.description));
        return 1;
    }
    session.gDB = std::make_unique<Db>(u"bench"_s, sink);
    if (!createSchema(session.db()))
        return 1;
    test::storePrintableDeclaration(session.db());
    test::addDirectPayments(session.db(), kAnnexRows);

    DeclarationKey key;
    key.ruc = test::kPrintRuc;
    reports::PrintoutChoice choice;
    const QStringList keys = reports::allListingKeys();
    choice.listings = QSet<QString>(keys.begin(), keys.end());

    QList<double> write, render, direct;
    qsizetype elementCount = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        const auto file = reports::imprimirDeclaracion(session, key, choice);
        write.append(ms(t));
        if (!file)
            return 1;
        t.restart();
        if (!reports::reportToPdf(file->path, dir.filePath(u"via-report.pdf"_s), {}, sink))
            return 1;
        render.append(ms(t));

        reports::ReportDocument doc;  // the same elements, read untimed
        reports::pDesencripta(file->path, reports::ReadMode::Imprimir, doc, {}, sink);
        elementCount = doc.elements.size();
        t.restart();
        drawDirect(doc.elements, dir.filePath(u"direct.pdf"_s));
        direct.append(ms(t));
    }
    auto best = [](QList<double> v) { return *std::min_element(v.begin(), v.end()); };
    const double viaReport = best(write) + best(render);
    std::printf("annex rows %d, elements %lld (best of %d runs)\n", kAnnexRows,
                static_cast<long long>(elementCount), kRuns);
    std::printf("write report file    %8.1f ms\n", best(write));
    std::printf("render report to PDF %8.1f ms\n", best(render));
    std::printf("write + render       %8.1f ms\n", viaReport);
    std::printf("QPainter straight    %8.1f ms\n", best(direct));
    std::printf("ratio                %8.2f (goal 1.30 at most)\n", viaReport / best(direct));
    return 0;
}
