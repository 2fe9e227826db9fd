#include "reports/ui/FrmPreview.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "reports/PageImage.h"
#include "reports/ui/PrinterChoice.h"
#include "startup/MessageSink.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr int kZooms[] = {50, 75, 100, 125, 150, 200};

}  // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(u"picPrevia"_s);
}

void PageView::setImage(QImage image) {
    image_ = std::move(image);
    resize(image_.size());
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

frmPreview::frmPreview(const QString& reportPath, const PageRange& range, MessageSink& sink, QWidget* parent)
    : QDialog(parent), path_(reportPath), range_(range), sink_(sink) {
    setObjectName(u"frmPreview"_s);
    setWindowTitle(u"Presentación Preliminar"_s);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(u"tlbPrevia"_s);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto button = [this](int index, QStyle::StandardPixmap icon, const QString& text,
                         const QKeySequence& key) {
        QAction* a = toolbar_->addAction(style()->standardIcon(icon), text);
        a->setObjectName(u"Button"_s + QString::number(index));
        a->setShortcut(key);
        return a;
    };
    QAction* previous = button(2, QStyle::SP_ArrowBack, u"Anterior"_s, QKeySequence(Qt::Key_PageUp));
    QAction* next = button(3, QStyle::SP_ArrowForward, u"Siguiente"_s, QKeySequence(Qt::Key_PageDown));
    QAction* print = button(4, QStyle::SP_FileDialogDetailedView, u"Imprimir"_s, QKeySequence::Print);
    QAction* close = button(5, QStyle::SP_DialogCloseButton, u"Cerrar"_s, QKeySequence(Qt::Key_Escape));
    toolbar_->addSeparator();
    zoomBox_ = new QComboBox(toolbar_);
    zoomBox_->setObjectName(u"cboZoom"_s);
    for (const int z : kZooms)
        zoomBox_->addItem(QString::number(z) + u" %"_s, z);
    zoomBox_->setCurrentIndex(zoomBox_->findData(zoom_));
    toolbar_->addWidget(zoomBox_);
    toolbar_->addSeparator();
    pageLabel_ = new QLabel(toolbar_);
    pageLabel_->setObjectName(u"lblPagina"_s);
    toolbar_->addWidget(pageLabel_);
    layout->addWidget(toolbar_);

    picFondo_ = new QScrollArea(this);
    picFondo_->setObjectName(u"picFondo"_s);
    picFondo_->setBackgroundRole(QPalette::Dark);
    picFondo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picFondo_->verticalScrollBar()->setObjectName(u"vsbPic"_s);
    picFondo_->horizontalScrollBar()->setObjectName(u"HScroll1"_s);
    page_ = new PageView;
    picFondo_->setWidget(page_);
    layout->addWidget(picFondo_, 1);

    connect(previous, &QAction::triggered, this, [this] { pMostrar(-2); });
    connect(next, &QAction::triggered, this, [this] { pMostrar(-1); });
    connect(print, &QAction::triggered, this, &frmPreview::print);
    connect(close, &QAction::triggered, this, &QDialog::reject);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int i) { setZoom(zoomBox_->itemData(i).toInt()); });
    resize(900, 1000);

    loaded_ = pages_.open(path_, range_, sink_);
    if (loaded_)
        pMostrar(0);
}

QScrollBar* frmPreview::vsbPic() const {
    return picFondo_->verticalScrollBar();
}

QScrollBar* frmPreview::HScroll1() const {
    return picFondo_->horizontalScrollBar();
}

void frmPreview::pMostrar(int request) {
    if (!loaded_)
        return;
    int page = shown_;
    if (request == -2)
        page = std::max(0, shown_ - 1);
    else if (request == -1)
        page = std::min(pages_.count() - 1, shown_ + 1);
    else if (request >= 0 && request < pages_.count())
        page = request;
    const bool changed = page != shown_ || page_->image().isNull();
    shown_ = page;
    if (changed)
        render();
    vsbPic()->setValue(0);
    HScroll1()->setValue(0);
}

void frmPreview::setZoom(int percent) {
    if (percent == zoom_ || percent <= 0)
        return;
    zoom_ = percent;
    const int i = zoomBox_->findData(percent);
    if (i >= 0 && i != zoomBox_->currentIndex())
        zoomBox_->setCurrentIndex(i);
    render();
}

void frmPreview::render() {
    const qreal pixelsPerTwip = zoom_ / 100.0 * logicalDpiX() / 1440.0;
    QImage image = pageImage(pages_, shown_, pixelsPerTwip);
    if (image.isNull()) {
        // A page that cannot be drawn: no memory for its image, or the file vanished or shrank meanwhile.
        if (QFile::exists(path_))
            sink_.warning(u"Ingrese un rango de hojas menos "_s + u"voluminoso"_s, u" Aviso:"_s);
        else
            sink_.error(
                u"Error tecnico: 53 Archivo Físico del Reporte no Existe. Intente nuevamente por favor."_s,
                u"Error"_s);
    }
    page_->setImage(std::move(image));
    pageLabel_->setText(u"Página "_s + QString::number(reportPageShown() + 1) + u" ("_s +
                        QString::number(shown_ + 1) + u" de "_s + QString::number(pages_.count()) + u')');
}

void frmPreview::print() {
    printReportFile(this, path_, range_, sink_);
}

void showPreview(QWidget* parent, const QString& reportPath, const PageRange& range, MessageSink& sink) {
    frmPreview window(reportPath, range, sink, parent);
    if (window.loaded())
        window.exec();
}

}  // namespace zem::reports
