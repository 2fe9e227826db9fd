// zem-harness: the harnesses that prove a declaration is never lost nor half-written, by crash, full disk,
// I/O error or concurrent use. Each prints its figures; see Harness.h.
#include <QCoreApplication>
#include <cstdio>

#include "Harness.h"

namespace zem::harness {

QString harnessProgram() {
    return QCoreApplication::applicationFilePath();
}

QString batchTool() {
    return QString::fromUtf8(ZEM0482_PATH);
}

}  // namespace zem::harness

namespace {

using namespace Qt::StringLiterals;

int usage() {
    std::fprintf(
        stderr,
        "Uso: zem-harness ORDEN [--home CARPETA] [--runs N] [--seconds S] [--seed N] "
        "[--declarations N] [--max-delay MS]\n"
        "  crash        detiene con SIGKILL un proceso que graba, importa, envía y elimina (N veces)\n"
        "  disk         graba con el disco lleno (N límites de tamaño)\n"
        "  io           graba con errores de E/S en la base de datos (N puntos de falla)\n"
        "  concurrency  ocho procesos a la vez durante S segundos\n"
        "Sin --home la instalación es temporal; con ella se usa la que haya (cualquier base de "
        "datos que su configuración elija) o se crea.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    zem::harness::Options o;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool valued = a == u"--home" || a == u"--runs" || a == u"--seconds" || a == u"--seed" ||
                            a == u"--declarations" || a == u"--max-delay" || a == u"--aim";
        if (!valued) {
            words << a;
            continue;
        }
        if (i + 1 >= args.size())
            return usage();
        const QString v = args[++i];
        bool ok = true;
        if (a == u"--home")
            o.home = v;
        else if (a == u"--runs")
            o.runs = v.toInt(&ok);
        else if (a == u"--seconds")
            o.seconds = v.toInt(&ok);
        else if (a == u"--seed")
            o.seed = v.toUInt(&ok);
        else if (a == u"--declarations")
            o.declarations = v.toInt(&ok);
        else if (a == u"--aim")
            o.aimMs = v.toInt(&ok);
        else
            o.maxDelayMs = v.toInt(&ok);
        if (!ok || (a != u"--home" && a != u"--seed" && a != u"--aim" && v.toInt() <= 0))
            return usage();
    }
    const QString command = words.value(0);
    o.rest = words.mid(1);
    using namespace zem::harness;
    if (command == u"crash")
        return crashHarness(o);
    if (command == u"disk")
        return fullDiskHarness(o);
    if (command == u"io")
        return ioErrorHarness(o);
    if (command == u"concurrency")
        return concurrencyHarness(o);
    if (command == u"child")
        return crashChild(o);
    if (command == u"op")
        return oneOperation(o);
    return usage();
}
