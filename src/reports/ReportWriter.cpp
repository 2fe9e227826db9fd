#include "reports/ReportWriter.h"

#include "reports/ReportCanvas.h"
#include "startup/Cp1252.h"
#include "startup/SystemError.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kFlushAt = 1 << 16;
const QString kPageBreak = u"pNuevaHoja"_s;

bool isTag(const QString& text) {
    return text.startsWith(u"<!"_s);
}

}  // namespace

QString fieldText(const QString& text) {
    QString out = text;
    out.replace(u'|', QChar(0x00A6));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

ReportWriter::~ReportWriter() {
    if (file_.isOpen()) {
        QString ignored;
        close(&ignored);
    }
}

bool ReportWriter::open(const QString& path, QString* error) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = systemErrorInSpanish(file_.errorString());
        return false;
    }
    buffer_.clear();
    failed_ = false;
    startCopy();
    return true;
}

bool ReportWriter::close(QString* error) {
    const bool ok = flush() && file_.flush();
    if (!ok)
        *error = systemErrorInSpanish(file_.errorString());
    file_.close();
    return ok && !failed_;
}

void ReportWriter::startCopy() {
    writerPage_ = 1;
    lineCount_ = 0;
}

bool ReportWriter::flush() {
    if (!buffer_.isEmpty() && file_.write(buffer_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
    return !failed_;
}

void ReportWriter::writeLine(const QString& line) {
    buffer_ += cp1252::encode(line);
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushAt)
        flush();
}

void ReportWriter::pEscribeLinea(const QString& line) {
    if (isTag(line) && writerPage_ > 1)
        return;
    writeLine(line);
    if (++lineCount_ >= kLinesPerPage) {
        lineCount_ = 0;
        ++writerPage_;
        writeLine(kPageBreak);
        if (echo_)
            echo_->nuevaHoja();
    }
}

void ReportWriter::textLine(const char* command, qint16 x, qint16 y, const QString& text, bool bold, int size,
                            qint16 page) {
    QString line = QString::fromLatin1(command) + u'|';
    line += QString::number(x) + u'|' + QString::number(y) + u'|' + fieldText(text) + u'|' +
            (bold ? u"True|"_s : u"False|"_s) + QString::number(size) + u'|' + QString::number(page) + u'|';
    writeLine(line);
}

void ReportWriter::pEscribePos(qint16 x, qint16 y, const QString& text, bool bold, int size, qint16 page) {
    if (text == kPageBreak) {
        writeLine(kPageBreak);
        if (echo_)
            echo_->nuevaHoja();
        return;
    }
    if (isTag(text)) {
        if (writerPage_ <= 1)
            writeLine(text);
        return;
    }
    textLine("pPos", x, y, text, bold, size, page);
    if (echo_)
        echo_->ppos({ElementKind::Text, x, y, 0, 0, fieldText(text), bold, size, page});
}

void ReportWriter::pEscribeVerti(qint16 x, qint16 y, const QString& text, bool bold, int size, qint16 page) {
    textLine("pPosVerti", x, y, text, bold, size, page);
    if (echo_)
        echo_->pPosVerti({ElementKind::VerticalText, x, y, 0, 0, fieldText(text), bold, size, page});
}

void ReportWriter::pEscribeCuadro(qint16 x1, qint16 y1, qint16 x2, qint16 y2, qint16 page) {
    writeLine(u"pCuadro|"_s + QString::number(x1) + u'|' + QString::number(y1) + u'|' + QString::number(x2) +
              u'|' + QString::number(y2) + u'|' + QString::number(page) + u'|');
    if (echo_)
        echo_->pCuadro({ElementKind::Box, x1, y1, x2, y2, {}, false, 0, page});
}

}  // namespace zem::reports
