#pragma once

#include <QColor>
#include <QFile>
#include <QList>
#include <QString>

#include "reports/ReportReader.h"

namespace zem {
class MessageSink;
}

namespace zem::reports {

class ReportCanvas;

// A report file as the preview pages through it: read once to learn where each page's lines lie, then one
// page at a time read again and drawn when it is shown. Only the places of the pages stay in memory, so a
// report of any length previews in the same small memory.
class ReportPages {
public:
    // Indexes the pages of the file within the range (every page without one). The report missing:
    // "Archivo Físico del Reporte no Existe" ("Error al Imprimir") and false. There is always at least one
    // page to show, blank when nothing of the file falls in the range.
    bool open(const QString& path, const PageRange& range, MessageSink& sink);

    int count() const { return static_cast<int>(pages_.size()); }
    // The page of the file (from 0) shown as the i-th page of the preview.
    int pageNumber(int i) const { return pages_.at(i).number; }
    // The background of the page: the colour tag read before its first element, white before any.
    QColor background(int i) const { return pages_.at(i).background; }
    // The page count tag of the report ("<!nHojas!>"), 0 without one.
    int declaredPages() const { return declaredPages_; }

    // Reads the i-th page's lines again and hands its elements to the canvas; false when the file can no
    // longer be read.
    bool draw(int i, ReportCanvas& canvas);

private:
    struct Span {
        qint64 offset = 0;
        qint64 length = 0;
    };
    struct Page {
        int number = 0;
        QColor background = Qt::white;
        QList<Span> spans;
    };
    Page& pageFor(int number, const QColor& background);

    QFile file_;
    QList<Page> pages_;  // by page number
    int declaredPages_ = 0;
};

}  // namespace zem::reports
