#include "Generation.h"

#include "CoreSession.h"
#include "Packages.h"
#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "data/Format.h"
#include "declaration/Deletion.h"
#include "declaration/FormSession.h"
#include "declaration/StoredDeclaration.h"
#include "import/ImportClosing.h"
#include "import/PackageImport.h"
#include "import/PackageName.h"
#include "shell/SendCommand.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

namespace {

const QDate kFirstDay(2007, 1, 1);

// The identification a declaration needs to be consistent, as a user answers it.
const QList<QPair<int, QString>>& identification() {
    static const QList<QPair<int, QString>> answers = {{552, u"1"_s}, {5, u"0"_s},   {27, u"2"_s},
                                                       {556, u"1"_s}, {560, u"0"_s}, {561, u"0"_s},
                                                       {559, u"0"_s}, {25, u"01"_s}, {599, u"E"_s}};
    return answers;
}

bool set(FormSession& form, int box, const QString& value, QString* why) {
    const FieldResult r = form.setField(box, value);
    if (!r)
        *why = u"casilla "_s + QString::number(box) + u": "_s + r.message;
    return r.ok;
}

// Gives every typed payment of box 133 the generation's amount, registering the missing ones; then leaves the
// register, which writes boxes 133 and 100. Whether imported payments are there goes to *imported.
bool writePayments(FormSession& form, int g, bool* imported, QString* why) {
    const std::unique_ptr<AnnexRegister> r = openRegister(form.session(), form.editor(), 133);
    if (!r) {
        *why = u"sin registro de la casilla 133"_s;
        return false;
    }
    const QString amount = QString::number(kTypedPaymentBase + g);
    int typed = 0;
    *imported = false;
    const auto fill = [&](AnnexEntry& entry, const QList<QPair<QString, QString>>& values) {
        for (const auto& [column, value] : values) {
            if (!entry.setValue(column, value) || !entry.leaveField(column)) {
                *why = u"columna "_s + column + u" = "_s + value;
                return false;
            }
        }
        if (!entry.accept()) {
            *why = u"fila rechazada"_s;
            return false;
        }
        return true;
    };
    for (int row = 0; row < r->count(); ++row) {
        if (r->value(row, u"ind_importa"_s) == u"1") {
            *imported = true;
            continue;
        }
        ++typed;
        const std::unique_ptr<AnnexEntry> entry = r->entryFor(row);
        if (!entry || !fill(*entry, {{u"mto_trib"_s, amount}}))
            return false;
    }
    for (int n = typed; n < kTypedPayments; ++n) {
        const std::unique_ptr<AnnexEntry> entry = r->newEntry();
        if (!entry || !fill(*entry, {{u"per_tri"_s, u"200602"_s},
                                     {u"num_for"_s, u"1662"_s},
                                     {u"num_ord"_s, QString::number(900000 + n)},
                                     {u"fec_pago"_s, u"15/03/2006"_s},
                                     {u"mto_trib"_s, amount},
                                     {u"mto_int"_s, u"0"_s}}))
            return false;
    }
    if (!r->leave()) {
        *why = u"la casilla 133 no recibe su total"_s;
        return false;
    }
    return true;
}

// Save and Import: the next generation written over the stored one in one save.
OpResult writeGeneration(CoreSession& core, const QString& ruc, bool importing, const QString& workDir,
                         const std::function<void()>& beforeWrite) {
    OpResult result;
    const int stored = storedGeneration(core, ruc);
    if (stored < 0) {
        result.messages = core.takeMessages();
        return result;
    }
    const int g = stored + 1;
    result.generation = g;
    core.clock.set(QDateTime(dateOfGeneration(g), QTime(10, 0)));
    FormSession form(core.session);
    DeclarationKey key;
    key.ruc = ruc;
    if (!form.open(stored == 0 ? OpenRequest::newDeclaration(ruc) : OpenRequest::existing(key))) {
        result.messages = core.takeMessages();
        return result;
    }
    form.editor().setConfirmed(true);
    QString why;
    if (importing) {
        PackageImport import(core.session, key);
        if (import.importar(writeGenerationPackage(workDir, ruc, g)) != PackageImport::Outcome::Imported) {
            result.messages = core.takeMessages();
            return result;
        }
        applyImportTotals(core.session.db(), form.rules(), form.editor(), import.totals());
    }
    bool imported = false;
    bool ok = writePayments(form, g, &imported, &why);
    for (const auto& [box, value] : identification())
        ok = ok && set(form, box, value, &why);
    ok = ok && set(form, 554, imported ? u"1"_s : u"0"_s, &why);
    for (const TypedBox& t : typedBoxes())
        ok = ok && set(form, t.box, QString::number(t.base + g), &why);
    // A balance in favour is applied against next year's payments (the box only opens for one); the amount
    // paid is the debt. The declaration is then consistent and may be sent.
    form.setField(140, u"1"_s);
    const QString debt = form.declaration().text(146).trimmed();
    ok = ok && set(form, 180, debt.isEmpty() ? u"0"_s : debt, &why);
    core.sink.clear();  // what the edits said; the save's own message is what counts
    if (ok && beforeWrite)
        beforeWrite();
    result.done = ok && form.save();
    result.messages = why.isEmpty() ? core.takeMessages() : why + u'\n' + core.takeMessages();
    return result;
}

}  // namespace

const QList<TypedBox>& typedBoxes() {
    static const QList<TypedBox> boxes = {{105, 100000}, {110, 300},  {114, 50},  {116, 50000},
                                          {128, 100},    {523, 1000}, {524, 2000}};
    return boxes;
}

QDate dateOfGeneration(int g) {
    return kFirstDay.addDays(g);
}

int generationOfDate(const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), u"dd/MM/yyyy"_s);
    return d.isValid() ? static_cast<int>(kFirstDay.daysTo(d)) : -1;
}

QString opName(Op op) {
    switch (op) {
        case Op::Save:
            return u"grabar"_s;
        case Op::Import:
            return u"importar"_s;
        case Op::Send:
            return u"enviar"_s;
        case Op::Delete:
            return u"eliminar"_s;
    }
    return {};
}

int storedGeneration(CoreSession& core, const QString& ruc) {
    DeclarationKey key;
    key.ruc = ruc;
    const StoredDeclaration d = readStoredDeclaration(core.session.db(), key);
    if (d.readFailed)
        return -1;
    if (!d.exists)
        return 0;
    for (const auto& [column, value] : d.header) {
        if (column.compare(u"fec_pro"_s, Qt::CaseInsensitive) == 0)
            return std::max(0, generationOfDate(value));
    }
    return 0;
}

QString writeGenerationPackage(const QString& folder, const QString& ruc, int g) {
    const QString base = KeyNombreArchivo(ruc);
    QStringList payments;
    const QString amount = QString::number(kImportedPaymentBase + g);
    for (int n = 1; n <= kImportedPayments; ++n)
        payments << test::line({u"200601"_s, u"1662"_s, QString::number(n), u"20060215"_s, amount, u"0"_s});
    const QString path = folder + u'/' + base + u".zip"_s;
    return test::writeZip(path, test::recordMembers(base, {{u"01"_s, payments}})) ? path : QString();
}

OpResult runOp(CoreSession& core, const QString& ruc, Op op, const QString& workDir,
               const std::function<void()>& beforeWrite) {
    const auto writing = [&beforeWrite] {
        if (beforeWrite)
            beforeWrite();
        return true;
    };
    switch (op) {
        case Op::Save:
        case Op::Import:
            return writeGeneration(core, ruc, op == Op::Import, workDir, beforeWrite);
        case Op::Send: {
            OpResult r;
            r.done = writing() && sendByRuc(core.session, ruc);
            r.messages = core.takeMessages();
            return r;
        }
        case Op::Delete: {
            OpResult r;
            DeclarationKey key;
            key.ruc = ruc;
            r.done = declarationExists(core.session.db(), key) && writing() &&
                     deleteDeclaration(core.session, key);
            r.messages = core.takeMessages();
            return r;
        }
    }
    return {};
}

}  // namespace zem::harness
