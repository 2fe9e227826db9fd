// compute, save, show, validate, list, delete, send: the declaration from the command line.
#include <QJsonArray>
#include <QJsonObject>

#include "AnnexCommon.h"
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "DeclarationOpening.h"
#include "Output.h"
#include "data/Documents.h"
#include "data/Format.h"
#include "declaration/BoxTable.h"
#include "declaration/Declaration.h"
#include "declaration/Deletion.h"
#include "declaration/FormSession.h"
#include "declaration/Rules.h"
#include "declaration/Store.h"
#include "declaration/StoredDeclaration.h"
#include "declaration/Validation.h"
#include "shell/DeclarationLists.h"
#include "shell/SendCommand.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

using Assignments = QList<QPair<int, QString>>;

// Reads every BOX=VALUE word before anything is set, so that a bad word changes nothing.
bool readAssignments(const QStringList& words, Assignments* out) {
    for (const QString& w : words) {
        int box = 0;
        QString value;
        if (!parseBoxAssignment(w, &box, &value)) {
            printError(u"Argumento inválido «"_s + echoed(w) +
                       u"»: escriba CASILLA=VALOR, por ejemplo 107=340000."_s);
            return false;
        }
        if (!boxInfo(box)) {
            printError(u"La casilla "_s + boxCode(box) + u" no existe en el formulario 0482."_s);
            return false;
        }
        out->append({box, value});
    }
    return true;
}

// Every box that holds a value, as the window shows it: the texts, the option answers and the payment fields.
QList<QPair<QString, QString>> shownBoxes(const Declaration& d) {
    QMap<int, QString> boxes;
    for (int box : d.filledBoxes())
        boxes.insert(box, d.text(box));
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
        const auto group = static_cast<OptionGroup>(g);
        if (optionBox(group) != 0 && !d.option(group).isEmpty())
            boxes.insert(optionBox(group), d.option(group));
    }
    const QPair<int, QString> payment[] = {
        {598, d.paymentAmount()}, {599, d.paymentType()}, {15, d.paymentBank()}, {12, d.paymentCheque()}};
    for (const auto& [box, value] : payment) {
        if (!value.isEmpty())
            boxes.insert(box, value);
    }
    QList<QPair<QString, QString>> out;
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        out.append({boxCode(it.key()), it.value()});
    return out;
}

// Opens the session for a command on one taxpayer's declaration: the RUC must be visible to the user.
bool openFor(CliSession& cli, const Arguments& a, QString* ruc) {
    *ruc = a.positional.value(0).trimmed();
    return cli.open() && taxpayerVisible(cli, *ruc);
}

DeclarationKey keyFor(const QString& ruc, const Arguments& a) {
    DeclarationKey key;
    key.ruc = ruc;
    if (a.options.contains(u"--correl"_s)) {
        key.sent = true;
        key.correl = a.option(u"--correl"_s).trimmed();
    }
    return key;
}

QString noDeclaration(const DeclarationKey& key) {
    return key.sent ? u"No existe la declaración enviada del RUC "_s + key.ruc + u" con el correlativo "_s +
                          echoed(key.correl) + u'.'
                    : u"No existe la declaración del RUC "_s + key.ruc + u'.';
}

// Opens the session for a command on a stored declaration (a sent one with --correl), which must exist.
bool openExisting(CliSession& cli, const Arguments& a, DeclarationKey* key) {
    QString ruc;
    if (!openFor(cli, a, &ruc))
        return false;
    *key = keyFor(ruc, a);
    if (declarationExists(cli.session.db(), *key))
        return true;
    if (cli.session.db().lastError().isError()) {
        cli.refuseFailedRead();
        return false;
    }
    printError(noDeclaration(*key));
    return false;
}

// Sets every box of the command line through the declaration's one setter, in the order given; the first
// refusal is printed and ends the command before anything is stored.
bool setAll(FormSession& form, const Assignments& assignments) {
    for (const auto& [box, value] : assignments) {
        const FieldResult r = form.setField(box, value);
        if (!r) {
            printError(r.message);
            return false;
        }
    }
    return true;
}

}  // namespace

int cmdCompute(const QStringList& words) {
    static const Command command{
        u"zem0482 compute [--uit N] [--json] CASILLA=VALOR ..."_s,
        u"Calcula una declaración nueva: asigna cada casilla en el orden dado, como si se digitara, y\n"
        "muestra cada casilla con valor (CASILLA<TAB>TEXTO). Sin --uit la UIT sale del catálogo de la base\n"
        "configurada. CASILLA= deja la casilla vacía."_s,
        {u"--uit"_s},
        {u"--json"_s},
        0,
        -1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    Assignments assignments;
    if (!readAssignments(a.positional, &assignments))
        return kRefused;

    QString uit = a.option(u"--uit"_s).trimmed();
    CliSession cli;
    if (a.options.contains(u"--uit"_s)) {
        if (Val(uit) <= 0)
            return refuse(u"La UIT debe ser un importe mayor que cero."_s);
        // With its own UIT the computation needs no installation: the catalogue's codes come from memory.
        if (!cli.openScratch())
            return kRefused;
    } else {
        if (!cli.open())
            return kRefused;
        uit = cli.session.gUIT;
        if (uit.isEmpty())
            return refuse(u"El catálogo de parámetros no tiene la UIT del ejercicio 2006."_s);
    }
    // A what-if calculation: any box may be set, as if typed into a new declaration; nothing is stored.
    FormSession form(cli.session);
    form.rules().setUit(uit);
    form.editor().setWhatIf(true);
    form.editor().setConfirmed(true);
    const bool set = setAll(form, assignments);
    cli.sink.flushToStderr();
    if (!set)
        return kRefused;
    printPairs(shownBoxes(form.declaration()), a.has(u"--json"_s));
    return kOk;
}

int cmdSave(const QStringList& words) {
    static const Command command{
        u"zem0482 save RUC [CASILLA=VALOR ...]"_s,
        u"Abre la declaración del RUC (nueva si no existe), asigna las casillas como compute (también\n"
        "respuestas, tipos de documento, nombres y forma de pago por su número de casilla), la graba y\n"
        "muestra el mensaje de la grabación. Sale con 1 si quedó grabada con inconsistencias."_s,
        {},
        {},
        1,
        -1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    Assignments assignments;
    if (!readAssignments(a.positional.mid(1), &assignments))
        return kRefused;
    CliSession cli;
    QString ruc;
    if (!openFor(cli, a, &ruc))
        return kRefused;

    FormSession form(cli.session);
    if (!openDeclaration(cli, form, keyFor(ruc, a), true))
        return kRefused;
    // The command line is the user's own confirmation of every answer it gives.
    form.editor().setConfirmed(true);
    const bool set = setAll(form, assignments);
    cli.sink.flushToStderr();
    if (!set)
        return kRefused;
    return saveAndReport(cli, form);
}

int cmdShow(const QStringList& words) {
    static const Command command{
        u"zem0482 show RUC [--correl C] [--json]"_s,
        u"Muestra la declaración grabada (o la enviada con ese correlativo): una línea con la cabecera\n"
        "(estado, fecha de proceso, rectificatoria y forma de pago) y cada casilla como CASILLA<TAB>VALOR."_s,
        {u"--correl"_s},
        {u"--json"_s},
        1,
        1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    QString ruc;
    if (!openFor(cli, a, &ruc))
        return kRefused;
    const DeclarationKey key = keyFor(ruc, a);
    const StoredDeclaration stored = readStoredDeclaration(cli.session.db(), key);
    if (stored.readFailed)
        return cli.refuseFailedRead();
    cli.sink.flushToStderr();
    if (!stored.exists)
        return refuse(noDeclaration(key));

    QStringList shown = {u"estado"_s,    u"fec_pro"_s, u"rectifica"_s, u"bcolibrad"_s,
                         u"nrocheque"_s, u"cheque"_s,  u"efectivo"_s};
    if (key.sent)
        shown << u"correl"_s << u"norden"_s << u"control"_s << u"fec_env"_s;
    QList<QPair<QString, QString>> header;
    for (const QString& column : shown) {
        for (const auto& [name, value] : stored.header) {
            if (name.compare(column, Qt::CaseInsensitive) == 0)
                header.append({column, value});
        }
    }
    if (a.has(u"--json"_s)) {
        QJsonObject head, boxes;
        for (const auto& [name, value] : header)
            head.insert(name, value);
        for (const auto& [box, value] : stored.boxes)
            boxes.insert(box, value);
        printJson(QJsonObject{{u"cabecera"_s, head}, {u"casillas"_s, boxes}});
        return kOk;
    }
    QStringList line;
    for (const auto& [name, value] : header)
        line << name + u'=' + value;
    printLine(line.join(u'\t'));
    printPairs(stored.boxes, false);
    return kOk;
}

int cmdValidate(const QStringList& words) {
    static const Command command{
        u"zem0482 validate RUC [--json]"_s,
        u"Verifica la declaración grabada: los avisos van a la salida de errores y cada inconsistencia,\n"
        "una por línea, a la salida normal. Sale con 0 si es consistente, 1 si no, 2 si la identificación\n"
        "está incompleta."_s,
        {},
        {u"--json"_s},
        1,
        1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    DeclarationKey key;
    if (!openExisting(cli, a, &key))
        return kRefused;

    FormSession form(cli.session);
    form.validation().setReportViewer([](const QString&) {});
    if (!openDeclaration(cli, form, key, false))
        return kRefused;
    const bool consistent = form.validate();
    cli.sink.flushToStderr();
    if (form.validation().failedField() != IdentField::None)
        return kRefused;
    if (a.has(u"--json"_s)) {
        printJson(QJsonArray::fromStringList(form.validation().findings()));
    } else {
        for (const QString& finding : form.validation().findings())
            printLine(finding);
    }
    return consistent ? kOk : kFinding;
}

int cmdList(const QStringList& words) {
    static const Command command{
        u"zem0482 list [--enviadas] [--json]"_s,
        u"Lista las declaraciones en preparación (o las enviadas) de los contribuyentes que el usuario\n"
        "puede ver: RUC, nombre, período, estado (y correlativo, fecha de envío y número de orden)."_s,
        {},
        {u"--enviadas"_s, u"--json"_s},
        0,
        0};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    if (!cli.open())
        return kRefused;
    const bool sent = a.has(u"--enviadas"_s);
    bool failed = false;
    const QList<DeclarationRow> rows = declarationRows(
        cli.session.db(),
        sessionFilter(cli.session, sent ? DeclarationList::Sent : DeclarationList::InPreparation), &failed);
    if (failed)
        return cli.refuseFailedRead();
    cli.sink.flushToStderr();
    QJsonArray json;
    for (const DeclarationRow& r : rows) {
        QList<QPair<QString, QString>> fields = {{u"ruc"_s, r.ruc},
                                                 {u"nombre"_s, r.nombre.trimmed()},
                                                 {u"periodo"_s, r.periodoShown()},
                                                 {u"estado"_s, QString::number(r.estado)}};
        if (sent)
            fields << QPair{u"correl"_s, r.correl} << QPair{u"fec_env"_s, r.fecEnv}
                   << QPair{u"norden"_s, r.norden};
        QStringList line;
        QJsonObject o;
        for (const auto& [name, value] : fields) {
            line << value;
            o.insert(name, value);
        }
        if (a.has(u"--json"_s)) {
            json.append(o);
        } else {
            printLine(line.join(u'\t'));
        }
    }
    if (a.has(u"--json"_s))
        printJson(json);
    return kOk;
}

int cmdDelete(const QStringList& words) {
    static const Command command{
        u"zem0482 delete RUC [--correl C]"_s,
        u"Elimina la declaración en preparación del RUC con todos sus anexos (o la enviada con ese\n"
        "correlativo), en una sola operación."_s,
        {u"--correl"_s},
        {},
        1,
        1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    DeclarationKey key;
    if (!openExisting(cli, a, &key))
        return kRefused;
    const bool ok = deleteDeclaration(cli.session, key);
    cli.sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Declaración del RUC "_s + key.ruc + u" eliminada."_s);
    return kOk;
}

int cmdSend(const QStringList& words) {
    static const Command command{
        u"zem0482 send RUC"_s,
        u"Envía la declaración consistente del RUC: la copia a las declaraciones enviadas con el siguiente\n"
        "correlativo y un código de control."_s,
        {},
        {},
        1,
        1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    QString ruc;
    if (!openFor(cli, a, &ruc))
        return kRefused;
    QString correl;
    const bool ok = sendByRuc(cli.session, ruc, &correl);
    cli.sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Declaración del RUC "_s + ruc + u" enviada con el correlativo "_s + correl + u'.');
    return kOk;
}

}  // namespace zem::cli
