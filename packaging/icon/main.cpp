// zem_icon DIR SIZE...: writes DIR/<size>x<size>/apps/zemlanda.png for every size, as the icon theme lays
// them out. Paints on images only, so it needs no display.
#include <QDir>
#include <QString>
#include <cstdio>

#include "ZemlandaIcon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("Uso: zem_icon DIRECTORIO TAMAÑO...\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "Tamaño inválido: %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !zem::zemlandaIcon(size).save(dir + QStringLiteral("/zemlanda.png"))) {
            std::fprintf(stderr, "No se puede escribir el icono en %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
