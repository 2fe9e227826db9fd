#pragma once

#include <QHash>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace zem {

// The package unpacked, flat, into a private folder inside the temporary folder. The folder and every file in
// it are removed when this object goes.
struct ExtractedPackage {
    enum class Outcome {
        Extracted,
        Unreadable,  // not an archive, truncated, a read or checksum error, or nothing in it
        Damaged,     // an entry the package must not hold (see extractPackage)
    };
    Outcome outcome = Outcome::Unreadable;
    std::unique_ptr<QTemporaryDir> folder;
    // The extracted files by their name in lower case (names are compared as on Windows).
    QHash<QString, QString> files;

    // The path of the extracted file of that name ("" when the package did not hold it).
    QString path(const QString& name) const { return files.value(name.toLower()); }
};

// Unpacks the zip file into a new folder inside tmpPath, flat (folders in the archive are dropped), after
// checking every entry: it is refused as Damaged when an entry name is absolute, holds "..", a backslash, a
// drive colon or a character outside letters, digits, ".", "-" and "_"; when an entry is a symlink or
// encrypted; when there are more entries than package::kMaxEntries, two entries of the same name, an entry
// or a total larger than the limits, or a compression ratio beyond package::kMaxRatio; and when an entry is
// not Windows-1252 text (a byte the code page does not define, or a control character other than tab, CR
// and LF). Nothing is written before the whole directory has been checked; on any failure the folder is
// removed again and nothing stays behind.
ExtractedPackage extractPackage(const QString& zipPath, const QString& tmpPath);

}  // namespace zem
