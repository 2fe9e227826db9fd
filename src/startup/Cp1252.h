#pragma once

#include <QByteArray>
#include <QString>

// The Windows ANSI code page (cp1252), in which the exchanged text files (settings, message file, report
// files, package records) are written. Characters outside the code page encode as '?'.
namespace zem::cp1252 {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// The code of one character in the code page (0..255), or '?' when it has none.
int code(QChar c);

}  // namespace zem::cp1252
