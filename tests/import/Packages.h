#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Personalised packages built on the fly with libzip, good or hostile, for the import tests and the
// benchmark.
namespace zem::test {

struct Member {
    QString name;
    QByteArray data;
    bool symlink = false;
    bool stored = false;  // no compression
};

// Writes a zip file holding the members in order; false when libzip refused.
bool writeZip(const QString& path, const QList<Member>& members);

// The eleven record files of a package for that base name, each holding the lines given for its code ("01"
// ... "11"; a code not given is an empty file), CR LF line ends, Windows-1252.
QList<Member> recordMembers(const QString& base, const QHash<QString, QStringList>& lines);

// A record line: the fields, each followed by "|".
QString line(const QStringList& fields);

}  // namespace zem::test
