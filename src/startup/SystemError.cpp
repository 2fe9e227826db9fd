#include "startup/SystemError.h"

#include <cerrno>
#include <cstring>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

struct Reason {
    int number;
    const char* qtText;  // Qt's own text for it, untranslated, where Qt does not take the C library's
    QString spanish;
};

}  // namespace

QString systemErrorInSpanish(const QString& systemText) {
    static const Reason kReasons[] = {
        {EACCES, "Permission denied", u"no tiene permiso para escribir en esa carpeta o archivo"_s},
        {EPERM, nullptr, u"no tiene permiso para escribir en esa carpeta o archivo"_s},
        {EROFS, nullptr, u"la carpeta está en un disco de solo lectura"_s},
        {ENOENT, "No such file or directory", u"la carpeta no existe"_s},
        {ENOTDIR, nullptr, u"una parte de la ruta no es una carpeta"_s},
        {EISDIR, nullptr, u"es una carpeta, no un archivo"_s},
        {ENAMETOOLONG, nullptr, u"el nombre del archivo es demasiado largo"_s},
        {ENOSPC, "No space left on device", u"no queda espacio en el disco"_s},
        {EDQUOT, nullptr, u"se agotó la cuota de disco del usuario"_s},
        {EFBIG, nullptr, u"el archivo excede el tamaño que el sistema permite"_s},
        {EIO, nullptr, u"error del disco al leer o escribir"_s},
        {EMFILE, "Too many open files", u"hay demasiados archivos abiertos"_s},
    };
    const QString text = systemText.trimmed();
    for (const Reason& r : kReasons) {
        // Otherwise Qt gives the C library's text, in the language of the user's locale.
        if ((r.qtText != nullptr && text == QLatin1StringView(r.qtText)) ||
            text.compare(QString::fromLocal8Bit(std::strerror(r.number)).trimmed(), Qt::CaseInsensitive) == 0)
            return r.spanish;
    }
    return systemText;
}

}  // namespace zem
