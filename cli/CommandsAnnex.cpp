// annex list, delete (and add, CommandsAnnexAdd.cpp): the annex registers of a declaration from the command
// line.
#include <QJsonArray>
#include <QJsonObject>
#include <vector>

#include "AnnexCommon.h"
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "Output.h"
#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "declaration/FormSession.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

int annexList(const QStringList& words) {
    static const Command command{
        u"zem0482 annex list RUC [CASILLA] [--json]"_s,
        u"Lista las filas de los registros de detalle de la declaración (de todas las casillas o de una),\n"
        "numeradas desde 1 en el orden de la ventana de la casilla, con los nombres de columna grabados.\n"
        "Un pagador con detalle (casillas 106, 107, 108, 111, 129, 130, 131) ocupa una línea por cada línea\n"
        "de su detalle, con las columnas de ambos, y todas llevan el mismo número, el del pagador: «annex\n"
        "delete» con ese número elimina el pagador con todas sus líneas."_s,
        {},
        {u"--json"_s},
        1,
        2};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    const std::unique_ptr<FormSession> opened = openTaxpayer(cli, a.positional[0].trimmed(), false);
    if (!opened)
        return kRefused;
    FormSession& form = *opened;
    std::vector<std::unique_ptr<AnnexRegister>> registers;
    if (a.positional.size() > 1) {
        registers.push_back(registerOf(cli, form, a.positional[1].trimmed()));
        if (!registers.front())
            return kRefused;
    } else {
        for (int box : registerBoxes())
            registers.push_back(openRegister(cli.session, form.editor(), box));
        for (const QString& name : gridRegisterNames())
            registers.push_back(openGridRegister(cli.session, form.editor(), name));
    }
    cli.sink.flushToStderr();
    QJsonArray json;
    // One printed row: the register's columns of the row, then (for a header) those of one of its lines.
    const auto print = [&](const AnnexRegister& r, int row, const AnnexRegister* lines, int line) {
        QJsonObject o{{u"casilla"_s, registerWord(r)}, {u"fila"_s, row + 1}};
        QStringList text = {registerWord(r), QString::number(row + 1)};
        const auto add = [&](const AnnexRegister& from, int at, const QString& column) {
            o.insert(column, from.value(at, column));
            text << column + u'=' + from.value(at, column);
        };
        for (const QString& column : r.tableColumns()) {
            if (column != u"casilla")
                add(r, row, column);
        }
        if (lines) {
            for (const QString& column : lines->tableColumns()) {
                if (!o.contains(column) && column != u"casilla" && column != u"num_ruc")
                    add(*lines, line, column);
            }
        }
        json.append(o);
        if (!a.has(u"--json"_s))
            printLine(text.join(u'\t'));
    };
    for (const auto& r : registers) {
        for (int row = 0; row < r->count(); ++row) {
            const std::unique_ptr<AnnexEntry> header = r->entryFor(row);
            const AnnexRegister* lines = header->lineRegister();
            if (!lines || lines->count() == 0) {
                print(*r, row, nullptr, 0);
                continue;
            }
            for (int line = 0; line < lines->count(); ++line)
                print(*r, row, lines, line);
        }
    }
    cli.sink.clear();
    if (a.has(u"--json"_s))
        printJson(json);
    return kOk;
}

int annexDelete(const QStringList& words) {
    static const Command command{
        u"zem0482 annex delete RUC CASILLA FILA"_s,
        u"Elimina la fila FILA (numerada como en «annex list») del registro de detalle de la casilla; la\n"
        "casilla y las que dependen de ella se recalculan y la declaración se graba.\n"
        "En las casillas de pagadores con detalle (106, 107, 108, 111, 129, 130, 131) FILA es el número del\n"
        "pagador, que «annex list» repite en cada línea de su detalle: se elimina el pagador con todas sus\n"
        "líneas."_s,
        {},
        {},
        3,
        3};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    const std::unique_ptr<FormSession> opened = openTaxpayer(cli, a.positional[0].trimmed(), false);
    if (!opened)
        return kRefused;
    FormSession& form = *opened;
    const std::unique_ptr<AnnexRegister> r = registerOf(cli, form, a.positional[1].trimmed());
    if (!r)
        return kRefused;
    bool numeric = false;
    const int row = a.positional[2].trimmed().toInt(&numeric);
    if (!numeric || row < 1 || row > r->count()) {
        // A register of payers with lines lists each payer on as many lines as it has: its rows are payers.
        const bool payers = !r->def().details.isEmpty();
        return refuse(u"La casilla "_s + registerWord(*r) +
                      (payers ? u" no tiene el pagador «"_s : u" no tiene la fila «"_s) +
                      echoed(a.positional[2]) + u"»; tiene "_s + QString::number(r->count()) +
                      (payers ? u" pagador(es), numerados como en «annex list»."_s : u" fila(s)."_s));
    }
    if (!r->remove(row - 1)) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    return leaveAndSave(cli, form, *r);
}

}  // namespace

int cmdAnnex(const QStringList& words) {
    const QString sub = words.value(0);
    if (sub == u"list")
        return annexList(words.mid(1));
    if (sub == u"add")
        return annexAdd(words.mid(1));
    if (sub == u"delete")
        return annexDelete(words.mid(1));
    return refuse(
        u"Uso: zem0482 annex list RUC [CASILLA] [--json] | annex add RUC CASILLA COLUMNA=VALOR ... | "
        "annex delete RUC CASILLA FILA"_s);
}

}  // namespace zem::cli
