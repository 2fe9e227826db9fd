#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace zem {

class AnnexGrid;

// A grid of the declaration window with its register buttons (a control array: CmdDividendos0 "&Nuevo",
// CmdDividendos1 "&Modificar", ...) and its count and total labels below it.
class AnnexGridPanel : public QWidget {
    Q_OBJECT

public:
    AnnexGridPanel(AnnexGrid& grid, const QString& gridName, const QString& buttonName,
                   const QStringList& buttonTexts, QWidget* parent = nullptr);

    QTableView* view() const { return view_; }
    QPushButton* button(int index) const { return buttons_.value(index); }
    // The row the user chose; -1 when none.
    int currentRow() const;
    // The count, the total and, for the dividends, the tax withheld ("" hides a label).
    void setSummary(const QString& count, const QString& total, const QString& withheld = {});
    // Captions of the total labels ("Total:" by default).
    void setTotalCaptions(const QString& total, const QString& withheld = {});

Q_SIGNALS:
    // A register button was pressed (its index in the control array).
    void command(int index);

private:
    QTableView* view_;
    QList<QPushButton*> buttons_;
    QLabel* count_;
    QLabel* total_;
    QLabel* withheld_;
    QString totalCaption_;
    QString withheldCaption_;
};

}  // namespace zem
