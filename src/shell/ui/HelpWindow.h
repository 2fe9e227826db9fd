#pragma once

#include <QDialog>
#include <QSet>
#include <QUrl>

class QTextBrowser;

namespace zem {

// The module's help, "QW482": an HTML document opened on its contents. It reads the installed copy
// (helpFile + ".html") and falls back to the one built into the program.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // The source shown: the installed file or the built-in copy, with the section as its fragment.
    QUrl source() const;

    // Scrolls to the first of the sections (anchors) that the document has; to the contents when none.
    void showSection(const QStringList& sections);

private:
    QTextBrowser* browser_;
    QUrl document_;
    QSet<QString> anchors_;
};

}  // namespace zem
