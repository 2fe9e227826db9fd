#pragma once

#include <QDialog>

#include "reports/ReportReader.h"

class QLineEdit;
class QPushButton;

namespace zem {
class MessageSink;
}

namespace zem::reports {

// The page-range dialog the preview passes through ("Impresión de N páginas"): the first and last page to
// preview, both "1" at first, checked in order when "&Preliminar" is pressed; the first failure is shown and
// the dialog stays. Accepted, range() holds the pages chosen.
class frmImpxPag : public QDialog {
    Q_OBJECT
public:
    frmImpxPag(int totalPages, MessageSink& sink, QWidget* parent = nullptr);

    const PageRange& range() const { return range_; }

    QLineEdit* txtPagDesde() const { return desde_; }
    QLineEdit* txtPagHasta() const { return hasta_; }
    QLineEdit* txtTotPaginas() const { return total_; }
    QPushButton* preliminar() const { return preliminar_; }
    QPushButton* cancelar() const { return cancelar_; }

private:
    void check();

    int totalPages_;
    MessageSink& sink_;
    PageRange range_;
    QLineEdit* desde_ = nullptr;
    QLineEdit* hasta_ = nullptr;
    QLineEdit* total_ = nullptr;
    QPushButton* preliminar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
};

}  // namespace zem::reports
