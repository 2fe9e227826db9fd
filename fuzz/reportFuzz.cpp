// The report-file reader over any file: whatever the lines hold, it draws only whole elements within the
// page range, never crashes, and counts the pages without reading past the tag.
#include <QFile>

#include "FuzzInput.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportReader.h"
#include "startup/MessageSink.h"

using namespace zem;
using namespace zem::reports;

namespace {

class CheckingCanvas : public ReportCanvas {
public:
    explicit CheckingCanvas(const PageRange& range) : range_(range) {}
    void ppos(const ReportElement& e) override { check(e); }
    void pPosVerti(const ReportElement& e) override { check(e); }
    void pCuadro(const ReportElement& e) override { check(e); }
    void finDocumento() override { ++ends; }
    int ends = 0;

private:
    void check(const ReportElement& e) const { ZEM_FUZZ_CHECK(range_.contains(e.page)); }
    const PageRange& range_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const QString path = fuzz::writeScratch(QStringLiteral("report.prn"), input);
    // The first byte, when there is one, chooses a page range.
    PageRange range;
    if (size > 0 && (data[0] & 1)) {
        range.set = true;
        range.first = (data[0] >> 1) & 7;
        range.last = data[0] >> 4;
    }
    RecordingMessageSink sink;
    for (const ReadMode mode : {ReadMode::PresPrevia, ReadMode::Imprimir}) {
        CheckingCanvas canvas(range);
        ZEM_FUZZ_CHECK(pDesencripta(path, mode, canvas, range, sink));
        ZEM_FUZZ_CHECK(canvas.ends == (mode == ReadMode::Imprimir ? 1 : 0));
    }
    ZEM_FUZZ_CHECK(sink.messages().isEmpty());
    const int pages = NumRegistros(path);
    ZEM_FUZZ_CHECK(pages >= 0 && pages <= 99);
    for (const QString& line : QString::fromLatin1(input).split(u'\n')) {
        leadingToken(line);
        parseColour(line);
    }
    return 0;
}
