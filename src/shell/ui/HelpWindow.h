#pragma once

#include <QDialog>

class QTextBrowser;

namespace zem {

// The module's help, "QW482": an HTML document opened on its contents. It reads the installed copy
// (helpFile + ".html") and falls back to the one built into the program.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // The source shown: the installed file or the built-in copy.
    QUrl source() const;

private:
    QTextBrowser* browser_;
};

}  // namespace zem
