#pragma once

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>

#include "declaration/DeclarationEdit.h"

namespace zem {

struct Session;

// The unsaved edits of one open declaration, kept on disk as they happen so that a crash or a power cut does
// not lose them: one small append-only file per declaration in the installation's recovery folder
// (SysPath + "0482/recupera/"), one line per edit, each line with its own check sum. Every line is written
// and handed to the system at once. The file is removed when the declaration is saved or its changes are
// discarded. It never touches the stored declaration.
class EditJournal {
public:
    // What the journal is about: written as its first line.
    struct Header {
        bool existing = false;  // a stored declaration (else a new one)
        QString ruc;
        QString periodo;
        QString nombre;
        QDateTime started;
    };
    // One line after the header: an edit (E), an edit taken back (U) or done again (R), with the values as
    // they were put into the declaration, or the taxpayer chosen for a new declaration (T, in `ruc`).
    struct Entry {
        QChar kind;
        QDateTime at;
        QString ruc;
        DeclarationEdit edit;
    };
    // A journal as read back.
    struct Contents {
        QString path;
        Header header;
        QList<Entry> entries;
        QString error;  // Spanish, when the file is damaged or cut short: it is then not used at all
        QDateTime lastAt() const { return entries.isEmpty() ? header.started : entries.last().at; }
        int editCount() const;
    };

    // The recovery folder of the installation.
    static QString directory(const Session& session);
    // The journals left in the folder, oldest first.
    static QStringList find(const Session& session);
    static Contents read(const QString& path);

    EditJournal() = default;
    ~EditJournal();
    EditJournal(const EditJournal&) = delete;
    EditJournal& operator=(const EditJournal&) = delete;

    // Where the journal goes and what it is about; the file is created with the first line written.
    void setDirectory(const QString& directory) { directory_ = directory; }
    void setHeader(const Header& header) { header_ = header; }
    const QString& path() const { return path_; }

    // Appends one line; false when the file could not be written (the edit itself stands).
    bool append(QChar kind, const DeclarationEdit& edit, const QDateTime& at);
    bool appendTaxpayer(const QString& ruc, const QDateTime& at);
    // The declaration was saved or its changes discarded: the file goes.
    void remove();

private:
    bool write(const QString& line);

    QString directory_;
    Header header_;
    QString path_;
    QFile file_;
};

}  // namespace zem
