#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zem::fuzz {

// Aborts with the condition's text when a property of a target does not hold: libFuzzer keeps the input.
#define ZEM_FUZZ_CHECK(cond)                                                              \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input cut at its first newline: the head (without the newline) and the rest.
inline std::pair<QByteArray, QByteArray> splitFirstLine(const QByteArray& input) {
    const qsizetype nl = input.indexOf('\n');
    if (nl < 0)
        return {input, {}};
    return {input.left(nl), input.mid(nl + 1)};
}

// A folder of the process for the files a target writes, in memory where the machine has /dev/shm (the
// settings writer syncs every file it writes); removed at exit.
inline const QTemporaryDir& scratch() {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/zem-fuzz-XXXXXX")
                                       : QDir::temp().filePath(QStringLiteral("zem-fuzz-XXXXXX")));
    return dir;
}

// Writes the bytes to a file in the scratch folder and returns its path.
inline QString writeScratch(const QString& name, const QByteArray& data) {
    const QString path = QDir(scratch().path()).filePath(name);
    QFile f(path);
    ZEM_FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ZEM_FUZZ_CHECK(f.write(data) == data.size());
    return path;
}

}  // namespace zem::fuzz
