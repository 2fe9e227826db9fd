// annex add: a row of a register, a co-owner, or a payer with one line of its detail.
#include "AnnexCommon.h"
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "Output.h"
#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Condominio.h"
#include "annexes/Registers.h"
#include "declaration/FormSession.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

// "annex add RUC condominio tip_doc_con=01 num_ruc=12345678": a co-owner, checked as frmCondominio checks it.
int addCoOwner(CliSession& cli, FormSession& form, const QHash<QString, QString>& assigned) {
    for (auto it = assigned.cbegin(); it != assigned.cend(); ++it) {
        if (it.key() != u"tip_doc_con" && it.key() != u"num_ruc")
            return refuse(u"La columna «"_s + echoed(it.key()) +
                          u"» no se registra en los condóminos; sus columnas son: tip_doc_con, num_ruc."_s);
    }
    Condominio entry(cli.session, form.declaration().ruc());
    entry.setTipDoc(assigned.value(u"tip_doc_con"_s).trimmed().rightJustified(2, u'0'));
    entry.setNumRuc(assigned.value(u"num_ruc"_s));
    if (entry.accept() == Condominio::Result::Refused) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    cli.sink.clear();  // the entry's own confirmation: the save's message says it all
    return saveAndReport(cli, form);
}

// Sets the columns given on the command line into an entry, in the order of its window's fields, each field
// left as the window leaves it (its fills and checks). kOk, or the refusal already printed. The columns of
// `also` (a line's header) are named too when a column is unknown.
int fillEntry(AnnexEntry& entry, const QHash<QString, QString>& assigned, const QString& box,
              const AnnexEntry* also = nullptr) {
    QStringList columns;
    for (const AnnexEntry* e : {also, static_cast<const AnnexEntry*>(&entry)}) {
        for (const EntryField& f : e ? e->fields() : QList<EntryField>{}) {
            if (f.kind != EntryKind::Computed)
                columns << f.column;
        }
    }
    for (auto it = assigned.cbegin(); it != assigned.cend(); ++it) {
        const EntryField* f = entry.field(it.key());
        if (!f)
            return refuse(u"La columna «"_s + echoed(it.key()) +
                          u"» no se registra en el detalle de la casilla "_s + box +
                          u"; sus columnas son: "_s + columns.join(u", "_s) + u'.');
        if (f->kind == EntryKind::Computed)
            return refuse(u"La columna "_s + f->column + u" («"_s + f->label +
                          u"») se calcula; no se registra."_s);
    }
    // The fields in the order of the window, as the user fills them: what a field sets (the credits of a
    // form, the proposed taxable income, a generated document number) comes before the fields that follow.
    for (const EntryField& f : entry.fields()) {
        if (!assigned.contains(f.column))
            continue;
        if (!entry.setValue(f.column, assigned.value(f.column))) {
            if (entry.isEnabled(f.column))
                return refuse(u"El valor «"_s + echoed(assigned.value(f.column)) +
                              u"» no es válido para la columna "_s + f.column + u" («"_s + f.label +
                              u"»)."_s);
            return refuse(u"La columna "_s + f.column + u" («"_s + f.label + u"») no se registra con "_s +
                          (entry.field(u"num_for"_s) ? u"el formulario "_s + entry.value(u"num_for"_s)
                                                     : u"los datos dados"_s) +
                          u'.');
        }
        if (!entry.leaveField(f.column))
            return kRefused;
    }
    return kOk;
}

}  // namespace

int annexAdd(const QStringList& words) {
    static const Command command{
        u"zem0482 annex add RUC CASILLA|condominio COLUMNA=VALOR ..."_s,
        u"Registra una fila en el registro de detalle de la casilla, con las columnas por su nombre grabado\n"
        "(per_tri=200601 num_for=1662 num_ord=123 fec_pago=15/02/2006 mto_trib=1234.50 mto_int=0 ...).\n"
        "Los montos derivados se calculan como en la ventana de detalle y se aplican sus mismas\n"
        "verificaciones; luego la casilla y las que dependen de ella se recalculan y la declaración se "
        "graba.\n"
        "En las casillas de pagadores con detalle (106, 107, 108, 111, 129, 130, 131) se dan juntos el "
        "pagador\n"
        "(tip_doc_ret, num_doc_ret, des_razon o des_ape_pat, des_ape_mat, des_nombres) y una línea de su\n"
        "detalle (107: per_tri tip_cp num_serie_cp num_cp fec_emision_cp mto_imp_cp; las demás: per_tri\n"
        "mto_retenido); un pagador ya registrado (mismo tipo y número) recibe la línea. Un pagador sin\n"
        "documento (tip_doc_ret=99) recibe el número siguiente de la casilla (C0000001, C0000002...); con\n"
        "num_doc_ret=C0000001 la línea se añade al pagador que ya lo tiene.\n"
        "Las inversiones en el extranjero y en fideicomisos se registran con CASILLA «extranjero» y\n"
        "«fideicomiso»; los códigos de las listas van sin descripción (ind_pais=9013, tip_patrimonio=1)."_s,
        {},
        {},
        3,
        -1};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    // Every word is read before anything is opened, so that a bad word changes nothing.
    QHash<QString, QString> assigned;
    for (const QString& w : a.positional.mid(2)) {
        const qsizetype eq = w.indexOf(u'=');
        const QString column = eq > 0 ? w.left(eq).trimmed().toLower() : QString();
        if (column.isEmpty() || assigned.contains(column))
            return refuse(u"Argumento inválido «"_s + echoed(w) +
                          u"»: escriba cada COLUMNA=VALOR una vez, por ejemplo mto_trib=1234.50."_s);
        assigned.insert(column, w.mid(eq + 1));
    }
    CliSession cli;
    const std::unique_ptr<FormSession> opened = openTaxpayer(cli, a.positional[0].trimmed(), true);
    if (!opened)
        return kRefused;
    FormSession& form = *opened;
    if (a.positional[1].trimmed() == u"condominio")
        return addCoOwner(cli, form, assigned);
    const std::unique_ptr<AnnexRegister> r = registerOf(cli, form, a.positional[1].trimmed());
    if (!r)
        return kRefused;
    std::unique_ptr<AnnexEntry> entry = r->newEntry();
    if (!entry) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    if (!entry->lineRegister()) {
        if (const int done = fillEntry(*entry, assigned, registerWord(*r)); done != kOk) {
            cli.sink.flushToStderr();
            return done;
        }
        if (!entry->accept()) {
            cli.sink.flushToStderr();
            return kRefused;
        }
        cli.sink.clear();  // the register's own confirmation: the save's message says it all
        return leaveAndSave(cli, form, *r);
    }
    // A header with its lines: the header's columns name the payer; an existing payer (same key) gets the
    // line.
    QHash<QString, QString> ofHeader, ofLine;
    for (auto it = assigned.cbegin(); it != assigned.cend(); ++it)
        (entry->field(it.key()) ? ofHeader : ofLine).insert(it.key(), it.value());
    QHash<QString, QString> keyOfHeader;
    for (const EntryField& f : entry->fields()) {
        if (f.key && ofHeader.contains(f.column))
            keyOfHeader.insert(f.column, ofHeader.value(f.column));
    }
    // A payer without document has a generated number, which is not typed: given, it names a payer of the
    // box already registered with it.
    const QString number = keyOfHeader.value(u"num_doc_ret"_s).trimmed();
    keyOfHeader.remove(u"num_doc_ret"_s);
    // The withholding agents' type is fixed (RUC): given as it is, there is nothing to type.
    const QString type = keyOfHeader.value(u"tip_doc_ret"_s).trimmed();
    if (!entry->isEnabled(u"tip_doc_ret"_s) && !type.isEmpty() &&
        type.toInt() == entry->value(u"tip_doc_ret"_s).toInt())
        keyOfHeader.remove(u"tip_doc_ret"_s);
    if (const int done = fillEntry(*entry, keyOfHeader, r->box()); done != kOk) {
        cli.sink.flushToStderr();
        return done;
    }
    const bool generated = !entry->isEnabled(u"num_doc_ret"_s);
    if (!number.isEmpty() && !generated) {
        if (const int done = fillEntry(*entry, {{u"num_doc_ret"_s, number}}, r->box()); done != kOk) {
            cli.sink.flushToStderr();
            return done;
        }
    }
    QVariantList key = entry->keyValues();
    if (generated && !number.isEmpty())
        key.last() = number;
    for (const QString& column : {u"tip_doc_ret"_s, u"num_doc_ret"_s})
        ofHeader.remove(column);
    if (const int row = r->findRow(key); row >= 0) {
        entry = r->entryFor(row);
    } else if (generated && !number.isEmpty()) {
        return refuse(u"La casilla "_s + r->box() + u" no tiene un pagador sin documento con el número «"_s +
                      echoed(number) +
                      u"»; para registrar uno nuevo omita num_doc_ret y se le generará su número."_s);
    }
    if (const int done = fillEntry(*entry, ofHeader, r->box()); done != kOk) {
        cli.sink.flushToStderr();
        return done;
    }
    const std::unique_ptr<AnnexEntry> line = entry->newLine();
    if (!line) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    if (const int done = fillEntry(*line, ofLine, r->box(), entry.get()); done != kOk) {
        cli.sink.flushToStderr();
        return done;
    }
    if (!line->accept() || !entry->accept()) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    cli.sink.clear();  // the register's own confirmation: the save's message says it all
    return leaveAndSave(cli, form, *r);
}

}  // namespace zem::cli
