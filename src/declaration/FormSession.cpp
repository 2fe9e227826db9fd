#include "declaration/FormSession.h"

#include <QFile>
#include <QSqlRecord>

#include "data/Documents.h"
#include "data/Format.h"
#include "declaration/BoxTable.h"
#include "declaration/EditScopes.h"
#include "declaration/FormCaption.h"
#include "declaration/OrderNumber.h"
#include "declaration/RegisterRows.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FormSession::FormSession(Session& session, QObject* parent)
    : QObject(parent),
      session_(session),
      rules_(std::make_unique<Rules>(declaration_, session.gUIT)),
      validation_(std::make_unique<Validation>(session, declaration_, *rules_)),
      store_(std::make_unique<DeclarationStore>(session, declaration_)),
      grids_(std::make_unique<AnnexGrids>(session, declaration_)),
      options_(std::make_unique<FormOptions>(session, declaration_, *rules_, *grids_)),
      editor_(std::make_unique<DeclarationEditor>(session, declaration_, *rules_, *options_)),
      edits_(std::make_unique<EditRecorder>(declaration_, session.gDB ? &session.db() : nullptr)) {
    editor_->setRegisterRows([this](int box) { return registerHasRows(box); });
    connect(edits_.get(), &EditRecorder::recorded, this,
            [this](const std::shared_ptr<const DeclarationEdit>& e) {
                if (keepJournal_)
                    journal_.append(u'E', *e, session_.clock.now());
            });
    connect(edits_.get(), &EditRecorder::applied, this, &FormSession::journalApplied);
}

// A window closed with its changes neither saved nor discarded does not exist: the journal goes with it.
FormSession::~FormSession() {
    journal_.remove();
}

void FormSession::journalApplied(const DeclarationEdit& edit, bool forward) {
    // The grids show the working tables as they are now.
    if (!edit.tables.isEmpty())
        grids_->refreshAll();
    if (keepJournal_ && !recovering_)
        journal_.append(forward ? u'R' : u'U', edit, session_.clock.now());
}

void FormSession::startJournal() {
    if (!keepJournal_ || isSent())
        return;
    EditJournal::Header h;
    h.existing = !isNew();
    h.ruc = declaration_.ruc();
    h.periodo = request_.key.periodo;
    QStringList names;
    for (int box : {801, 802, 803}) {
        if (!declaration_.text(box).trimmed().isEmpty())
            names << declaration_.text(box).trimmed();
    }
    h.nombre = names.join(u' ');
    h.started = session_.clock.now();
    journal_.setDirectory(EditJournal::directory(session_));
    journal_.setHeader(h);
}

FieldResult FormSession::setField(int box, const QString& text) {
    const int group = edits::groupOfBox(box);
    const EditRecorder::Scope edit(
        *edits_, edits::boxText(box),
        group < 0 ? QStringList() : edits::answerTables(static_cast<OptionGroup>(group)));
    return editor_->setField(box, text);
}

FieldResult FormSession::setAnswer(OptionGroup group, const QString& code) {
    const EditRecorder::Scope edit(*edits_, edits::answerText(group), edits::answerTables(group));
    return editor_->setAnswer(group, code);
}

bool FormSession::recover(const EditJournal::Contents& journal) {
    // Each edit must find the values it changed as it left them: otherwise the declaration was saved or
    // changed after the journal was written, and its edits no longer apply.
    const auto fits = [this](const DeclarationEdit& e) {
        const DeclarationState now = declaration_.state();
        for (const FieldChange& c : e.fields) {
            if (currentValue(now, c.kind, c.key) != c.before)
                return false;
        }
        for (const TableChange& t : e.tables) {
            if (!session_.gDB || !sameRows(readWorkingTable(session_.db(), t.before.table), t.before))
                return false;
        }
        return true;
    };
    QStringList tables;
    for (const EditJournal::Entry& e : journal.entries) {
        for (const TableChange& t : e.edit.tables) {
            if (!tables.contains(t.before.table))
                tables << t.before.table;
        }
    }
    bool ok = !isSent();
    {
        const EditRecorder::Scope all(*edits_, QString::fromUtf16(edits::kRecovered), tables);
        recovering_ = true;
        for (const EditJournal::Entry& e : journal.entries) {
            if (!ok)
                break;
            if (e.kind == u'T') {
                chooseTaxpayer(e.ruc);
                continue;
            }
            ok = fits(e.edit) && edits_->apply(e.edit, true);
        }
        recovering_ = false;
        if (!ok)
            edits_->rollback();
    }
    if (!ok) {
        session_.sink.error(u"Los cambios sin grabar de la declaración del RUC "_s + journal.header.ruc +
                                u" no corresponden a la declaración tal como está grabada ahora; no se "
                                "recuperan."_s,
                            caption());
    }
    // The edits now live in this window's own journal.
    if (journal.path != journal_.path())
        QFile::remove(journal.path);
    return ok;
}

QString FormSession::caption() const {
    return QString::fromUtf16(kFormCaption);
}

bool FormSession::open(const OpenRequest& request) {
    Session& s = session_;
    request_ = request;
    catalogue::loadRates(s);
    // Every cap and band of the tax is a multiple of the UIT: without it nothing could be computed right.
    if (Val(s.gUIT) <= 0) {
        s.sink.error(u"El catálogo de parámetros no tiene la UIT del ejercicio "_s + s.gAnio +
                         u". Sin ella no se puede calcular la declaración."_s,
                     caption());
        return false;
    }
    rules_->setUit(s.gUIT);
    dividendRate_ = catalogue::rateByDate(s.db(), u"916"_s, s.gAnio);

    const bool opened = request.mode == OpenMode::New ? store_->startNew() : store_->open(request.key);
    if (!opened)
        return false;

    // The grids, the answers and the sections as the stored values leave them; nothing is recomputed and
    // nothing stored is emptied.
    declaration_.setLoading(true);
    formatAmounts();
    rules_->Calcular_Patrimonial();
    grids_->refreshAll();
    options_->applyAll();
    applySections();
    lockFixedBoxes();
    declaration_.setLoading(false);
    taxpayerLocked_ = !isNew();
    if (isSent())
        DesTodo();
    // A taxpayer chosen before opening (the batch tool names it) is chosen as in the window's list.
    if (request.mode == OpenMode::New && !request.key.ruc.isEmpty())
        chooseTaxpayer(request.key.ruc);
    declaration_.setModified(false);
    // A sent declaration cannot change: it has nothing to take back.
    edits_->setEnabled(!isSent());
    startJournal();
    if (!request.journal.isEmpty() && !isSent()) {
        const EditJournal::Contents journal = EditJournal::read(request.journal);
        if (!journal.error.isEmpty()) {
            s.sink.error(journal.error, caption());
        } else {
            recover(journal);
        }
    }
    return true;
}

bool FormSession::waitsForType(int box) const {
    const int typeBox = fields::typeBoxOf(box);
    return typeBox != 0 && declaration_.text(typeBox).trimmed().isEmpty();
}

bool FormSession::registerHasRows(int box) const {
    return session_.gDB && annexRegisterHasRows(session_.db(), box);
}

void FormSession::applySections() {
    Rules& r = *rules_;
    const auto state = [this](const QList<int>& boxes, bool enabled) {
        for (int box : boxes) {
            declaration_.setEnabled(box, enabled);
            declaration_.setLocked(box, !enabled);
        }
    };
    state({114}, r.Vale(100) > 0 || r.Vale(102) > 0);
    state(Rules::fourthCategoryBoxes(), r.Vale(107) > 0 || r.Vale(108) > 0);
    state(Rules::amazoniaBoxes(), r.Vale(117) > 0);
    // Box 140 serves only a balance in favour, box 145 only a balance to pay.
    state({140}, r.Vale(141) > 0);
    state({145}, r.Vale(142) > 0);
}

void FormSession::formatAmounts() {
    // The boxes keep whole numbers; on screen an amount shows with its separators, a deduction or a credit in
    // parentheses.
    for (int box : declaration_.filledBoxes()) {
        const BoxInfo* info = boxInfo(box);
        if (!info || Rules::isTextBox(box) || info->kind == BoxKind::Code || info->kind == BoxKind::Text ||
            info->kind == BoxKind::Date)
            continue;
        declaration_.setText(box, Rules::formaText(box, declaration_.text(box)));
    }
}

void FormSession::lockFixedBoxes() {
    // Computed boxes, the lines the assistants fill and the declarant's names from the register are shown,
    // never typed.
    for (const BoxInfo& info : boxTable()) {
        if (info.kind == BoxKind::Computed || info.kind == BoxKind::AssistantLine)
            declaration_.setLocked(info.box, true);
    }
    for (int box : {801, 802, 803, 553})
        declaration_.setLocked(box, true);
}

void FormSession::DesTodo() {
    for (const BoxInfo& info : boxTable()) {
        declaration_.setEnabled(info.box, false);
        declaration_.setLocked(info.box, true);
    }
}

QList<catalogue::ListEntry> FormSession::taxpayers() const {
    QList<catalogue::ListEntry> entries;
    const documents::Query query =
        documents::taxpayerListQuery(session_.db(), session_.usuario(), session_.gFormulario);
    QSqlQuery q = session_.db().select(query.sql, query.params);
    const int rucAt = q.record().indexOf(u"doc_id_d"_s);
    const int nameAt = q.record().indexOf(u"nombre"_s);
    while (q.isActive() && q.next()) {
        const QString ruc = q.value(rucAt).toString().trimmed();
        const QString name = nameAt < 0 ? QString() : q.value(nameAt).toString().trimmed();
        entries.append({ruc, ruc.leftJustified(11) + u"   "_s + name});
    }
    return entries;
}

void FormSession::chooseTaxpayer(const QString& entry) {
    if (taxpayerLocked_)
        return;
    declaration_.setRuc(entry.left(11).trimmed());
    for (int box : {801, 802, 803})
        declaration_.setText(box, QString());
    store_->CargaNombre();
    if (declaration_.option(OptionGroup::OptElabora) == u"1"_s)
        options_->copyDeclarant();
    // The journal of a new declaration follows the taxpayer: in its name until its first edit, then in
    // its lines, so that putting the edits back chooses the taxpayer at the same point.
    if (keepJournal_ && !isSent()) {
        if (journal_.path().isEmpty()) {
            startJournal();
        } else if (!recovering_) {
            journal_.appendTaxpayer(declaration_.ruc(), session_.clock.now());
        }
    }
}

bool FormSession::leaveIdentification() {
    if (!isNew() || isSent())
        return true;
    if (!validation_->ValIdent(u"1"_s))
        return false;
    taxpayerLocked_ = true;
    return true;
}

bool FormSession::save(IdentScope scope) {
    const bool wasNew = isNew() && !isSent();
    if (!store_->GrabarForm(*validation_, scope))
        return false;
    if (wasNew) {
        // The declaration exists now: its taxpayer is shown rather than chosen.
        taxpayerLocked_ = true;
        Q_EMIT entryModeChanged();
    }
    // What the journal kept is stored now; the next edit starts a new one over the stored declaration.
    journal_.remove();
    startJournal();
    Q_EMIT saved();
    return true;
}

bool FormSession::validate() {
    return validation_->ValidaTodo(u"0"_s);
}

bool FormSession::personalisedFile(const std::function<void()>& startImport) {
    if (!validation_->ValIdent2(u"1"_s))
        return false;
    // The file is not imported yet: that is what the import is for.
    if (!save(IdentScope::BeforeImport))
        return false;
    if (startImport)
        startImport();
    return true;
}

bool FormSession::closeRequested() {
    MessageSink& sink = session_.sink;
    if (isSent()) {
        if (!declaration_.orderChanged())
            return true;
        if (sink.ask(u" El número de orden ha cambiado. ¿Desea guardar los cambios?"_s, caption(),
                     MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
            return true;
        switch (verifyOrderNumber(request_.control, declaration_.orderNumber().trimmed(),
                                  declaration_.verifyDigits().trimmed())) {
            case OrderNumberCheck::TooShort:
                sink.error(u"El número de orden es incorrecto"_s, caption());
                return false;
            case OrderNumberCheck::WrongDigits:
                sink.error(u"Dígito verificador incorrecto"_s, caption());
                return false;
            case OrderNumberCheck::Valid:
                break;
        }
        return store_->GrabarForm(*validation_);
    }
    if (!declaration_.isModified())
        return true;
    switch (sink.ask(u"¿El formulario ha sido modificado, desea guardar los cambios?"_s, caption(),
                     MsgButtons::YesNoCancel, MsgAnswer::Yes)) {
        case MsgAnswer::Yes:
            return save();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

bool FormSession::runFeeder(const QString& description, const std::function<void()>& window) {
    const int before = edits_->announced();
    {
        const EditRecorder::Scope edit(*edits_, description, edits::feederTables());
        if (window)
            window();
    }
    const bool changed = edits_->announced() != before;
    if (changed)
        declaration_.setModified(true);
    return changed;
}

void FormSession::gridEntryClosed(AnnexGridKind kind) {
    const QList<QStringList> before = grids_->grid(kind).rows();
    grids_->Get(kind);
    if (grids_->grid(kind).rows() != before)
        declaration_.setModified(true);
}

}  // namespace zem
