#include "startup/FileReplace.h"

#include <QSaveFile>

namespace zem {

bool replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    // Unbuffered: every write reaches the file at once and its failure is seen here. A buffered write that
    // fails only when the buffer is flushed at commit would go unnoticed, and an empty file would replace
    // the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(bytes) != bytes.size() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

}  // namespace zem
