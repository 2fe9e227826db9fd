#include "Packages.h"

#include <sys/stat.h>
#include <zip.h>

#include <QFile>

#include "startup/Cp1252.h"

namespace zem::test {

using namespace Qt::StringLiterals;

bool writeZip(const QString& path, const QList<Member>& members) {
    QFile::remove(path);
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    // libzip reads the buffers when the archive is closed: keep them alive until then.
    QList<QByteArray> buffers;
    for (const Member& m : members)
        buffers.append(m.data);
    for (qsizetype i = 0; i < members.size(); ++i) {
        const Member& m = members[i];
        zip_source_t* source = zip_source_buffer(zip, buffers[i].constData(), buffers[i].size(), 0);
        const QByteArray name = m.name.toUtf8();
        const zip_int64_t index = source ? zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_RAW) : -1;
        if (index < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
        if (m.symlink)
            zip_file_set_external_attributes(zip, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16);
        if (m.stored)
            zip_set_file_compression(zip, index, ZIP_CM_STORE, 0);
    }
    return zip_close(zip) == 0;
}

QList<Member> recordMembers(const QString& base, const QHash<QString, QStringList>& lines) {
    QList<Member> members;
    for (int code = 1; code <= 11; ++code) {
        const QString c = QString::number(code).rightJustified(2, u'0');
        QByteArray data;
        for (const QString& l : lines.value(c))
            data += cp1252::encode(l) + "\r\n";
        members.append({base + u".0"_s + c, data});
    }
    return members;
}

QString line(const QStringList& fields) {
    QString text;
    for (const QString& f : fields)
        text += f + u'|';
    return text;
}

}  // namespace zem::test
