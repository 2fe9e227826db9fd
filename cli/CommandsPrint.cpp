// print: the declaration printout to a report file, a PDF file or a printer.
#include <QDir>
#include <QFile>

#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "DeclarationOpening.h"
#include "Output.h"
#include "reports/PrintJob.h"
#include "reports/ReportOutput.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

// The listings named by --anexos: "all", "none" or listing keys separated by commas.
bool readListings(const QString& text, QSet<QString>* listings) {
    const QStringList known = reports::allListingKeys();
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == u"all") {
        *listings = QSet<QString>(known.begin(), known.end());
        return true;
    }
    if (t == u"none")
        return true;
    for (const QString& word : text.split(u',', Qt::SkipEmptyParts)) {
        const QString w = word.trimmed().toUpper();
        const QString key = w.size() < 3 && w.toInt() > 0 ? w.rightJustified(3, u'0') : w;
        if (!known.contains(key)) {
            printError(u"Anexo desconocido «"_s + echoed(word.trimmed()) +
                       u"»: escriba all, none o una lista como "_s + u"133,529. Anexos: "_s +
                       known.join(u',') + u'.');
            return false;
        }
        listings->insert(key);
    }
    return true;
}

}  // namespace

int cmdPrint(const QStringList& words) {
    static const Command command{
        u"zem0482 print RUC [--correl N] [--anexos all|none|CASILLA,...] [--prn ARCHIVO] [--pdf ARCHIVO] "
        "[--impresora NOMBRE]"_s,
        u"Imprime la declaración en preparación (o la enviada con ese correlativo) con sus anexos: escribe "
        u"el\n"
        "reporte en la carpeta de reportes (registrado en SPOOL) y lo dibuja en un PDF A4, por omisión\n"
        "RUC_PERIODO.pdf en la carpeta actual, o en la impresora indicada. --anexos elige los listados por "
        "su\n"
        "casilla (200 es la página de rentas exoneradas e inafectas; CONDOMINOS, FIDEICOMISOS y DIVIDENDOS "
        "los\n"
        "listados sin casilla); --prn guarda además una copia del reporte."_s,
        {u"--correl"_s, u"--anexos"_s, u"--prn"_s, u"--pdf"_s, u"--impresora"_s},
        {},
        1,
        1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    reports::PrintoutChoice choice;
    if (!readListings(a.option(u"--anexos"_s), &choice.listings))
        return kRefused;

    CliSession cli;
    if (!cli.open())
        return kRefused;
    Session& s = cli.session;
    DeclarationKey key;
    key.ruc = a.positional.value(0).trimmed();
    if (!taxpayerVisible(cli, key.ruc))
        return kRefused;
    if (a.options.contains(u"--correl"_s)) {
        key.sent = true;
        key.correl = a.option(u"--correl"_s).trimmed();
    }

    // Every destination is checked before the report is made and entered in the spool.
    const bool toPrinter = a.options.contains(u"--impresora"_s);
    const bool toPdf = a.options.contains(u"--pdf"_s) || !toPrinter;
    const QString pdf =
        a.options.contains(u"--pdf"_s)
            ? a.option(u"--pdf"_s)
            : QDir::current().filePath(key.ruc + u'_' + key.periodo +
                                       (key.sent ? u'_' + key.correl : QString()) + u".pdf"_s);
    const bool destinations =
        (!toPrinter || reports::printerExists(a.option(u"--impresora"_s), cli.sink)) &&
        (!toPdf || reports::outputWritable(pdf, cli.sink)) &&
        (!a.options.contains(u"--prn"_s) || reports::outputWritable(a.option(u"--prn"_s), cli.sink));
    if (!destinations) {
        cli.sink.flushToStderr();
        return kRefused;
    }

    const std::optional<reports::SpoolFile> file = reports::imprimirDeclaracion(s, key, choice);
    if (!file) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    printLine(u"Reporte: "_s + file->path);
    if (a.options.contains(u"--prn"_s)) {
        const QString prn = a.option(u"--prn"_s);
        QFile::remove(prn);
        if (!QFile::copy(file->path, prn))
            return refuse(u"No se pudo escribir el reporte en "_s + echoed(prn) + u'.');
        printLine(u"Copia del reporte: "_s + prn);
    }
    const reports::PageRange all;
    if (toPrinter) {
        if (!reports::reportToPrinter(file->path, a.option(u"--impresora"_s), all, cli.sink)) {
            cli.sink.flushToStderr();
            return kRefused;
        }
        printLine(u"Enviado a la impresora "_s + a.option(u"--impresora"_s));
        if (!toPdf)
            return kOk;
    }
    if (!reports::reportToPdf(file->path, pdf, all, cli.sink)) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    printLine(u"PDF: "_s + pdf);
    return kOk;
}

}  // namespace zem::cli
