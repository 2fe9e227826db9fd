#pragma once

#include <QByteArray>
#include <QString>

namespace zem {

// Writes bytes as the new content of the file at path: into a temporary file beside it, flushed to the disk,
// which then takes the old file's place. Every write is checked; when one fails (a full disk, a file size
// limit, no permission) the temporary file is removed and the old file stays as it was. False on failure.
bool replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace zem
