#include "import/RecordFiles.h"

#include <QFile>

#include "startup/Cp1252.h"

namespace zem {

using namespace Qt::StringLiterals;

const QList<RecordFile>& recordFiles() {
    static const QList<RecordFile> files = {
        {u"01"_s, 133, 6, RecordKind::Payment},     {u"02"_s, 106, 5, RecordKind::Withholding},
        {u"03"_s, 107, 9, RecordKind::Receipt},     {u"04"_s, 108, 5, RecordKind::Withholding},
        {u"05"_s, 111, 5, RecordKind::Withholding}, {u"06"_s, 522, 5, RecordKind::Agent522},
        {u"07"_s, 529, 6, RecordKind::Payment},     {u"08"_s, 127, 9, RecordKind::PaymentOnAccount},
        {u"09"_s, 129, 5, RecordKind::Withholding}, {u"10"_s, 130, 5, RecordKind::Withholding},
        {u"11"_s, 131, 5, RecordKind::Withholding},
    };
    return files;
}

QStringList recordLines(const QByteArray& data) {
    QStringList lines;
    const QString text = cp1252::decode(data);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            break;
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

bool isRecordLine(const QString& line, int n) {
    const QString t = line.trimmed();
    return t.endsWith(u'|') && t.count(u'|') == n;
}

bool CuentaPye(const QStringList& lines, int n) {
    for (const QString& line : lines) {
        if (!isRecordLine(line, n))
            return false;
    }
    return true;
}

bool readRecordFile(const QString& path, QStringList* lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *lines = recordLines(file.readAll());
    return true;
}

QStringList recordFields(const QString& line) {
    QStringList fields = line.trimmed().split(u'|');
    fields.removeLast();  // after the last "|"
    for (QString& f : fields)
        f = f.trimmed();
    return fields;
}

}  // namespace zem
