#pragma once

#include <QString>
#include <QStringList>

namespace zem {

// A small reader/writer of Windows-style settings files: "[Section]" headers and "key=value" lines, in the
// Windows ANSI code page (cp1252) with CR LF line ends, as the other programs of the family read them.
// Section and key names compare case-insensitively and values come back trimmed. Writing a key keeps every
// other line of the file (comments, unknown sections, garbage) as it was.
class IniFile {
public:
    // What reading the file finds.
    enum class State { Missing, Unreadable, Empty, Readable };

    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;
    State state() const;

    // The trimmed value, or an empty text when the file, the section or the key is missing.
    QString read(const QString& section, const QString& key) const;

    // Sets the key, adding the section or the key when absent; a key that already holds the value leaves the
    // file untouched. The new file is written beside the old one and replaces it only once it is complete, so
    // a failed write (a full disk) leaves the old file as it was. False when the file cannot be written, or
    // when the section, the key or the value holds a character the Windows code page has not.
    bool write(const QString& section, const QString& key, const QString& value) const;

private:
    QStringList lines() const;

    QString path_;
};

}  // namespace zem
