#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace zem::reports {

class ReportCanvas;

// Writes a report file in the report markup: one element per line, Windows-1252, CR LF. The job state of the
// writers (line count and writer page of the tag writer) lives here, one writer per report being written.
class ReportWriter {
public:
    static constexpr int kPageWidth = 104;  // characters, for every job
    // 83 lines per page at a width of 83 characters or more, 85 below.
    static constexpr int kLinesPerPage = kPageWidth >= 83 ? 83 : 85;

    ReportWriter() = default;
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // Opens the report file for writing, replacing its content. False with the reason when it cannot.
    bool open(const QString& path, QString* error);
    // Writes what is left and closes the file. False with the reason when the disk refused it.
    bool close(QString* error);
    bool isOpen() const { return file_.isOpen(); }

    // The start of one copy of the document: the writer page is 1 again.
    void startCopy();

    // A tag line ("<!...!>"), written only while the writer page is 1; every line written counts, and the
    // 83rd line of a page is followed by "pNuevaHoja".
    void pEscribeLinea(const QString& line);
    // A text at (x, y). The text "pNuevaHoja" writes a page break instead; a text beginning with "<!" is a
    // tag line, written unchanged and only while the writer page is 1.
    void pEscribePos(qint16 x, qint16 y, const QString& text, bool bold, int size, qint16 page);
    // A vertical text at (x, y).
    void pEscribeVerti(qint16 x, qint16 y, const QString& text, bool bold, int size, qint16 page);
    // The outline of the rectangle (x1, y1)-(x2, y2).
    void pEscribeCuadro(qint16 x1, qint16 y1, qint16 x2, qint16 y2, qint16 page);

    // Every element written is also handed to this canvas (nullptr: none). Lets a caller keep what it wrote.
    void setEcho(ReportCanvas* echo) { echo_ = echo; }

    int writerPage() const { return writerPage_; }
    int lineCount() const { return lineCount_; }

private:
    void writeLine(const QString& line);
    void textLine(const char* command, qint16 x, qint16 y, const QString& text, bool bold, int size,
                  qint16 page);
    bool flush();

    QFile file_;
    QByteArray buffer_;
    bool failed_ = false;
    int lineCount_ = 0;
    int writerPage_ = 1;
    ReportCanvas* echo_ = nullptr;
};

// A text as a field of a command line: "|" ends a field and a line break ends the line, so a "|" becomes
// "¦" and line breaks become blanks.
QString fieldText(const QString& text);

}  // namespace zem::reports
