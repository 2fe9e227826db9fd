// Unpacking the personalised package with libzip. The archive comes from outside: every entry is checked
// against what a real package holds before anything is written, and the data is checked again while it is
// read, since the sizes an archive declares may lie.
#include "import/PackageExtraction.h"

#include <sys/stat.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include "import/PackageLimits.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

using Outcome = ExtractedPackage::Outcome;

struct Archive {
    zip_t* zip = nullptr;
    ~Archive() {
        if (zip)
            zip_discard(zip);
    }
};

struct Entry {
    zip_uint64_t index = 0;
    QString name;  // flat
    qint64 size = 0;
};

bool allowedNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == '/';
}

// The flat name of an entry, "" for a folder entry; false when the name is not acceptable.
bool flatName(const char* raw, QString* flat) {
    const QByteArray name(raw ? raw : "");
    if (name.isEmpty() || name.startsWith('/'))
        return false;
    for (const char c : name) {
        if (!allowedNameByte(c))  // rules out "\", ":" and anything not plain ASCII
            return false;
    }
    const QList<QByteArray> parts = name.split('/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QByteArray& p = parts[i];
        if (p == "..")
            return false;
        if ((p.isEmpty() || p == ".") && i != parts.size() - 1)
            return false;
    }
    const QByteArray last = parts.last();
    if (last == ".")
        return false;
    *flat = QString::fromLatin1(last);
    return true;
}

bool isLinkOrDevice(zip_t* zip, zip_uint64_t index) {
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &opsys, &attributes) != 0)
        return true;
    if (opsys != ZIP_OPSYS_UNIX)
        return false;
    const mode_t mode = static_cast<mode_t>(attributes >> 16);
    const mode_t type = mode & S_IFMT;
    return type != 0 && type != S_IFREG && type != S_IFDIR;
}

// Windows-1252 text: no byte the code page leaves undefined, no control character but tab, CR and LF.
bool isCp1252Text(const QByteArray& data) {
    for (const char ch : data) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
        if (c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return false;
    }
    return true;
}

// Reads the whole directory of the archive and decides, before any write, whether the package is acceptable.
Outcome checkDirectory(zip_t* zip, QList<Entry>* entries) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    if (count <= 0)
        return Outcome::Unreadable;
    if (count > package::kMaxEntries)
        return Outcome::Damaged;
    QSet<QString> seen;
    qint64 total = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zip, i, ZIP_FL_ENC_RAW, &st) != 0)
            return Outcome::Unreadable;
        QString name;
        if (!flatName(st.name, &name) || isLinkOrDevice(zip, i))
            return Outcome::Damaged;
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            return Outcome::Damaged;
        if (name.isEmpty())
            continue;  // a folder: extraction is flat
        if (!(st.valid & ZIP_STAT_SIZE) || !(st.valid & ZIP_STAT_COMP_SIZE))
            return Outcome::Unreadable;
        const auto size = static_cast<qint64>(st.size);
        const auto packed = static_cast<qint64>(st.comp_size);
        if (st.size > static_cast<zip_uint64_t>(package::kMaxEntryBytes))
            return Outcome::Damaged;
        total += size;
        if (total > package::kMaxTotalBytes)
            return Outcome::Damaged;
        if (size > package::kRatioFloor && size > packed * package::kMaxRatio)
            return Outcome::Damaged;
        if (seen.contains(name.toLower()))
            return Outcome::Damaged;
        seen.insert(name.toLower());
        entries->append({i, name, size});
    }
    return entries->isEmpty() ? Outcome::Unreadable : Outcome::Extracted;
}

// Reads one entry whole, never more than it declared.
Outcome readEntry(zip_t* zip, const Entry& entry, QByteArray* data) {
    zip_file_t* file = zip_fopen_index(zip, entry.index, 0);
    if (!file)
        return Outcome::Unreadable;
    data->resize(entry.size);
    qint64 got = 0;
    bool failed = false;
    while (got < entry.size) {
        const zip_int64_t n =
            zip_fread(file, data->data() + got, static_cast<zip_uint64_t>(entry.size - got));
        if (n <= 0) {
            failed = true;
            break;
        }
        got += n;
    }
    // A further byte means the entry holds more than it declared.
    char extra = 0;
    if (!failed && zip_fread(file, &extra, 1) != 0)
        failed = true;
    // Closing reports a checksum mismatch.
    if (zip_fclose(file) != 0)
        failed = true;
    return failed ? Outcome::Unreadable : Outcome::Extracted;
}

Outcome extractInto(zip_t* zip, const QList<Entry>& entries, const QString& folder,
                    QHash<QString, QString>* files) {
    for (const Entry& e : entries) {
        QByteArray data;
        if (const Outcome o = readEntry(zip, e, &data); o != Outcome::Extracted)
            return o;
        if (!isCp1252Text(data))
            return Outcome::Damaged;
        const QString path = QDir(folder).filePath(e.name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(data) != data.size())
            return Outcome::Unreadable;
        out.close();
        files->insert(e.name.toLower(), path);
    }
    return Outcome::Extracted;
}

}  // namespace

ExtractedPackage extractPackage(const QString& zipPath, const QString& tmpPath) {
    ExtractedPackage result;
    if (tmpPath.isEmpty())
        return result;  // no temporary folder configured: nothing is written anywhere else
    Archive archive;
    int error = 0;
    archive.zip = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive.zip)
        return result;
    QList<Entry> entries;
    result.outcome = checkDirectory(archive.zip, &entries);
    if (result.outcome != Outcome::Extracted)
        return result;

    QDir().mkpath(tmpPath);
    result.folder = std::make_unique<QTemporaryDir>(QDir(tmpPath).filePath(u"importa-XXXXXX"_s));
    if (!result.folder->isValid()) {
        result.folder.reset();
        result.outcome = Outcome::Unreadable;
        return result;
    }
    result.outcome = extractInto(archive.zip, entries, result.folder->path(), &result.files);
    if (result.outcome != Outcome::Extracted) {
        result.files.clear();
        result.folder.reset();  // removes whatever was written
    }
    return result;
}

}  // namespace zem
