#pragma once

#include <QDialog>
#include <QImage>

#include "reports/ReportPages.h"
#include "reports/ReportReader.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QScrollBar;
class QToolBar;

namespace zem {
class MessageSink;
}

namespace zem::reports {

// One page image of the preview, drawn as it was rendered.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    void setImage(QImage image);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override { return image_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// The preview of a report file ("Presentación Preliminar"): one page at a time, drawn when it is shown, with
// scroll bars, a zoom, the previous and next page, printing the same file (and range) on a printer of the
// user's choice, and closing. Toolbar buttons Button2 to Button5 are previous, next, print and close.
class frmPreview : public QDialog {
    Q_OBJECT
public:
    frmPreview(const QString& reportPath, const PageRange& range, MessageSink& sink,
               QWidget* parent = nullptr);

    // False when the report could not be read (the message was shown): the window is then not shown.
    bool loaded() const { return loaded_; }

    // Shows a page: -2 the previous one, -1 the next one, k >= 0 the k-th page of the preview.
    void pMostrar(int request);
    int pageShown() const { return shown_; }
    int pageCount() const { return pages_.count(); }
    // The page of the report (from 0) on screen.
    int reportPageShown() const { return pages_.pageNumber(shown_); }
    void setZoom(int percent);

    PageView* picPrevia() const { return page_; }
    QScrollBar* vsbPic() const;
    QScrollBar* HScroll1() const;
    QToolBar* tlbPrevia() const { return toolbar_; }

private:
    void render();
    void print();

    QString path_;
    PageRange range_;
    MessageSink& sink_;
    ReportPages pages_;
    bool loaded_ = false;
    int shown_ = 0;
    int zoom_ = 100;
    QToolBar* toolbar_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QScrollArea* picFondo_ = nullptr;
    PageView* page_ = nullptr;
};

// MuestraReporte with the mode "Vprevia": opens the preview of the report modally; nothing is shown when the
// report cannot be read.
void showPreview(QWidget* parent, const QString& reportPath, const PageRange& range, MessageSink& sink);

}  // namespace zem::reports
