#include "import/PackageName.h"

#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

QString KeyNombreArchivo(const QString& ruc) {
    if (ruc.size() != 11)
        return {};
    QString mirrored;
    for (const QChar c : ruc) {
        // Only digits are mirrored; a RUC is all digits, anything else stands as it is.
        mirrored += c.isDigit() ? QChar(u'0' + (9 - c.digitValue())) : c;
    }
    const QString key = util::ClaveArchivo(u"482"_s + mirrored);
    return key.right(1) + u"482"_s + mirrored;
}

QString packageFileName(const QString& ruc) {
    const QString base = KeyNombreArchivo(ruc);
    return base.isEmpty() ? QString() : base + u".zip"_s;
}

bool isPackageOf(const QString& fileName, const QString& ruc) {
    const QString base = KeyNombreArchivo(ruc);
    if (base.isEmpty() || fileName.size() != base.size() + 4)
        return false;
    return fileName.startsWith(base) && fileName.right(4).compare(u".zip"_s, Qt::CaseInsensitive) == 0;
}

}  // namespace zem
