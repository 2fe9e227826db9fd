#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The eleven record files of a personalised package: base name + ".0" + code "01" ... "11". Each line is one
// record, every field followed by "|"; an empty line ends the file.
namespace zem {

enum class RecordKind {
    Payment,           // 01 (box 133) and 07 (box 529): TMP_F0480PAGOS
    Withholding,       // 02, 04, 05, 09, 10, 11: TMP_F0480DETRTA, the agent into TMP_F0482RETCAB
    Receipt,           // 03 (box 107): TMP_F0480RETDET, the issuer into TMP_F0482RETCAB
    Agent522,          // 06: TMP_F0482RETCAB
    PaymentOnAccount,  // 08 (box 127): TMP_F0480PAGCTA
};

struct RecordFile {
    QString code;  // "01"
    int box;
    int fields;
    RecordKind kind;
};

// The eleven files in code order.
const QList<RecordFile>& recordFiles();

// The records of a file's text (Windows-1252, CR LF or LF): its lines up to the first one that is empty after
// trimming, which ends the file.
QStringList recordLines(const QByteArray& data);

// A line is a record of n fields when its last non-blank character is "|" and it holds exactly n of them.
bool isRecordLine(const QString& line, int n);

// Checks the records of one file: every line holds n fields.
bool CuentaPye(const QStringList& lines, int n);

// The records of an extracted file (recordLines of its text); false when it cannot be read.
bool readRecordFile(const QString& path, QStringList* lines);

// The fields of a record line, numbered from 1 (fields[0] is field 1), each trimmed.
QStringList recordFields(const QString& line);

}  // namespace zem
