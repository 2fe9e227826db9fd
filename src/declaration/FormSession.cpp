#include "declaration/FormSession.h"

#include <QSqlRecord>

#include "data/Documents.h"
#include "data/Format.h"
#include "declaration/BoxTable.h"
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
      editor_(std::make_unique<DeclarationEditor>(session, declaration_, *rules_, *options_)) {
    editor_->setRegisterRows([this](int box) { return registerHasRows(box); });
}

FormSession::~FormSession() = default;

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
}

bool FormSession::leaveIdentification() {
    if (!isNew() || isSent())
        return true;
    if (!validation_->ValIdent(u"1"_s))
        return false;
    taxpayerLocked_ = true;
    return true;
}

bool FormSession::save() {
    const bool wasNew = isNew() && !isSent();
    if (!store_->GrabarForm(*validation_))
        return false;
    if (wasNew) {
        // The declaration exists now: its taxpayer is shown rather than chosen.
        taxpayerLocked_ = true;
        Q_EMIT entryModeChanged();
    }
    return true;
}

bool FormSession::validate() {
    return validation_->ValidaTodo(u"0"_s);
}

bool FormSession::personalisedFile(const std::function<void()>& startImport) {
    if (!validation_->ValIdent2(u"1"_s))
        return false;
    if (!save()) {
        // Only the import itself was missing: that is what the import is for.
        const bool importMissing = store_->lastFailure() == DeclarationStore::Failure::Identification &&
                                   validation_->failedField() == IdentField::PersonalisedFile &&
                                   declaration_.option(OptionGroup::optSom) == u"1"_s;
        if (!importMissing)
            return false;
    }
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

void FormSession::feederClosed() {
    declaration_.setModified(true);
}

void FormSession::gridEntryClosed(AnnexGridKind kind) {
    const QList<QStringList> before = grids_->grid(kind).rows();
    grids_->Get(kind);
    if (grids_->grid(kind).rows() != before)
        declaration_.setModified(true);
}

}  // namespace zem
