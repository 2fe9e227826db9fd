#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace zem {

// Prints the findings, with the window as the parent of the printer's dialog.
using PrintFindings = std::function<void(QWidget* window)>;

// The window of the consistency findings (FrmConsist): the findings of the whole-declaration validation, one
// per line, read-only, with "&Aceptar" to close and "&Imprimir" to print them (only when given how).
class FrmConsist : public QDialog {
    Q_OBJECT

public:
    // An empty caption gives the window's own, "Inconsistencias detectadas".
    FrmConsist(const QString& caption, const QString& findings, QWidget* parent = nullptr);

    void setPrint(PrintFindings print);

    QPlainTextEdit* findingsView() const { return text_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* closeButton() const { return close_; }

private:
    QPlainTextEdit* text_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
    PrintFindings printFindings_;
};

// Shows the findings modally and returns when the window closes.
void showConsistencyReport(QWidget* parent, const QString& caption, const QString& findings,
                           PrintFindings print = {});

// The findings of the validation's message file (cp1252, CR LF), one per line; "" when it cannot be read.
QString readFindings(const QString& messageFile);

}  // namespace zem
