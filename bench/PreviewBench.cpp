// Previewing a report of 1,000 pages: the time to show the first page (reading the file and drawing page 1),
// the time of each page forward (drawing the next page and painting it), and the resident memory while
// previewing. Goals: first page under 0.5 s, a page forward under 50 ms, under 150 MB.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "reports/ReportPages.h"
#include "reports/ReportWriter.h"
#include "reports/ui/FrmPreview.h"
#include "startup/MessageSink.h"

namespace {

using namespace Qt::StringLiterals;

// Processor time of the process so far, in ms: on a busy machine the wall time says more about the others.
double cpuMs() {
    return std::clock() * 1000.0 / CLOCKS_PER_SEC;
}

// The resident memory of the process now and at its highest, in MB.
std::pair<double, double> residentMb() {
    QFile status(u"/proc/self/status"_s);
    double now = 0, peak = 0;
    if (!status.open(QIODevice::ReadOnly))
        return {0, 0};
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() >= 2 && parts[0] == "VmRSS:")
            now = parts[1].toDouble() / 1024;
        if (parts.size() >= 2 && parts[0] == "VmHWM:")
            peak = parts[1].toDouble() / 1024;
    }
    return {now, peak};
}

// A listing of 1,000 pages as the annex listings print them: a heading, 47 framed rows of four columns.
void writeReport(const QString& path, int pages) {
    zem::reports::ReportWriter w;
    QString error;
    w.open(path, &error);
    w.pEscribeLinea(u"<!font!>Courier New<!/font!>"_s);
    w.pEscribeLinea(u"<!nHojas!>3<!/nHojas!>"_s);
    w.pEscribeLinea(u"<!Orientacion!>V<!/Orientacion!>"_s);
    w.pEscribeLinea(u"<!Color!>&H00FFFFC0&<!/Color!>"_s);
    for (int p = 0; p < pages; ++p) {
        const auto page = static_cast<qint16>(p);
        if (p > 0)
            w.pEscribePos(0, 0, u"pNuevaHoja"_s, false, 8, page);
        w.pEscribePos(400, 300, u"KELOR"_s, true, 12, page);
        w.pEscribePos(9000, 300, u"Pag. "_s + QString::number(p + 1), false, 8, page);
        w.pEscribePos(3000, 700, u"Determinación de la deuda - Casilla 133"_s, true, 9, page);
        for (int r = 0; r < 47; ++r) {
            const auto y = static_cast<qint16>(2820 + 270 * r);
            w.pEscribeCuadro(150, y, 11000, static_cast<qint16>(y + 270), page);
            w.pEscribePos(300, static_cast<qint16>(y + 40), QString::number(p * 47 + r + 1), false, 8, page);
            w.pEscribePos(1500, static_cast<qint16>(y + 40), u"20100047218 BANCO DE CRÉDITO DEL PERÚ"_s,
                          false, 8, page);
            w.pEscribePos(6500, static_cast<qint16>(y + 40), u"15/03/2006"_s, false, 8, page);
            w.pEscribePos(8800, static_cast<qint16>(y + 40), u"      1,234,567"_s, false, 8, page);
        }
    }
    w.close(&error);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kPages = 1000;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"00000001.PRN"_s);
    writeReport(path, kPages);
    std::printf("report: %d pages, %.1f MB\n", kPages, QFile(path).size() / 1048576.0);
    const double before = residentMb().first;

    zem::StderrMessageSink sink;
    QElapsedTimer timer;
    timer.start();
    {
        zem::reports::ReportPages pages;
        pages.open(path, {}, sink);
        std::printf("reading the pages' places alone: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    }
    timer.restart();
    const double cpu = cpuMs();
    zem::reports::frmPreview preview(path, {}, sink);
    preview.show();
    preview.picPrevia()->repaint();
    const double first = timer.nsecsElapsed() / 1e6;
    std::printf("first page shown: %.1f ms (%.1f ms of processor time; %d pages)\n", first, cpuMs() - cpu,
                preview.pageCount());

    QList<double> forward;
    for (int i = 1; i < preview.pageCount(); ++i) {
        timer.restart();
        preview.pMostrar(-1);
        preview.picPrevia()->repaint();
        forward << timer.nsecsElapsed() / 1e6;
    }
    std::sort(forward.begin(), forward.end());
    double sum = 0;
    for (const double f : forward)
        sum += f;
    std::printf("page forward: mean %.2f ms, median %.2f ms, 99th %.2f ms, max %.2f ms (%lld pages)\n",
                sum / forward.size(), forward[forward.size() / 2], forward[forward.size() * 99 / 100],
                forward.last(), static_cast<long long>(forward.size()));
    const auto [now, peak] = residentMb();
    std::printf(
        "resident memory: %.1f MB before the preview, %.1f MB after paging to the end, %.1f MB peak\n",
        before, now, peak);
    return preview.reportPageShown() == kPages - 1 ? 0 : 1;
}
