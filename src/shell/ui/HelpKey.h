#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace zem {

class HelpWindow;

// The help sections that explain where a widget stands, innermost first: for every tab page it lies on, the
// tab strip's name and the page's index ("SSTab1-2"), then the name of its window ("Frm0478", "frmPagos"); a
// window without a name gives way to the window it was opened from.
QStringList helpSections(const QWidget* widget);

// F1 anywhere in the module opens the help at the section of the window (and tab) it is pressed in. The help
// window belongs to that window, so it can be read while the window is modal.
class HelpKey : public QObject {
    Q_OBJECT
public:
    explicit HelpKey(QString helpFile, QObject* parent = nullptr);

    HelpWindow* helpWindow() const { return help_; }
    void showHelpFor(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString helpFile_;
    QPointer<HelpWindow> help_;
};

}  // namespace zem
