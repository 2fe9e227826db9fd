#pragma once

#include <QString>
#include <QStringList>

namespace zem {

// A small reader/writer of Windows-style settings files: "[Section]" headers and "key=value" lines.
// Section and key names compare case-insensitively and values come back trimmed. Writing a key keeps every
// other line of the file (comments, unknown sections, garbage) exactly as it was.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;

    // The trimmed value, or an empty text when the file, the section or the key is missing.
    QString read(const QString& section, const QString& key) const;

    // Sets the key, adding the section or the key when absent. Returns false when the file cannot be written.
    bool write(const QString& section, const QString& key, const QString& value) const;

private:
    QStringList lines() const;

    QString path_;
};

}  // namespace zem
