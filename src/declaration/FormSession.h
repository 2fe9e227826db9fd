#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "data/Catalogue.h"
#include "declaration/AnnexGrids.h"
#include "declaration/Declaration.h"
#include "declaration/DeclarationEdit.h"
#include "declaration/DeclarationEditor.h"
#include "declaration/EditJournal.h"
#include "declaration/FormOptions.h"
#include "declaration/Opening.h"
#include "declaration/Rules.h"
#include "declaration/Store.h"
#include "declaration/Validation.h"

namespace zem {

struct Session;

// Everything the declaration window does that is not a widget: the declaration with its rules, validation,
// store, grids and option answers; opening it (new, existing, sent); the taxpayer choice; setting what the
// user types (setField); leaving the identification tab; the commands; and the questions asked before the
// window closes. The declaration window binds its widgets to declaration() and calls these operations; the
// batch tool zem0482 opens, sets and saves through the very same ones.
class FormSession : public QObject {
    Q_OBJECT

public:
    // The session's database must be open: the grids work on its connection.
    explicit FormSession(Session& session, QObject* parent = nullptr);
    ~FormSession() override;

    Session& session() const { return session_; }
    Declaration& declaration() { return declaration_; }
    Rules& rules() { return *rules_; }
    Validation& validation() { return *validation_; }
    DeclarationStore& store() { return *store_; }
    AnnexGrids& grids() { return *grids_; }
    FormOptions& options() { return *options_; }
    DeclarationEditor& editor() { return *editor_; }
    // The user's edits as they are made, for undo and redo (nothing is recorded for a sent declaration).
    EditRecorder& edits() { return *edits_; }
    const EditJournal& journal() const { return journal_; }
    QString caption() const;

    // Opens the declaration the request names: a new one (with its taxpayer already chosen when the request
    // carries a RUC), one in preparation, or the copy of a sent one whose order number is to be registered.
    // Refuses, with a Spanish message and nothing written, when the catalogue lacks the year's UIT. Reads
    // the rates, refills the working tables, loads the boxes, the header, the payment fields and the
    // answers, computes the patrimonial total, reads the grids and sets the state of every box; a sent
    // declaration is then locked whole (DesTodo). False when it could not be opened (the failure has been
    // reported through the session's sink); the window then closes, the batch tool exits with 2.
    bool open(const OpenRequest& request);
    const OpenRequest& request() const { return request_; }

    // What a user types into box `box`, checked and applied as DeclarationEditor::setField says: the
    // window and the batch tool put every box, answer and payment field through here. Each accepted value
    // is one edit (edits()).
    FieldResult setField(int box, const QString& text);
    // The answer of an option group, as DeclarationEditor::setAnswer; one edit with all it empties.
    FieldResult setAnswer(OptionGroup group, const QString& code);

    // Keeps every edit in a journal in the installation's recovery folder until the declaration is saved or
    // its changes discarded (the declaration window does; the batch tool does not). Set before open().
    void keepJournal(bool on) { keepJournal_ = on; }
    // Puts back the edits of a journal left by a crash into the declaration just opened, as one edit,
    // without saving. When the journal does not fit the declaration as it is stored now (it was saved or
    // changed since), nothing is changed, the user is told, the journal is removed and false returned.
    bool recover(const EditJournal::Contents& journal);
    // A document number waits for its type: true for a number box whose type box is still empty.
    bool waitsForType(int box) const;
    // Whether the register that feeds box `box` holds rows for it in the working tables.
    bool registerHasRows(int box) const;

    bool isNew() const { return declaration_.entryMode() == 1; }
    bool isSent() const { return declaration_.isSent(); }
    // The caption of box 507, with its cap of 24 UIT.
    QString caption507() const { return rules_->caption507(); }
    // The withholding rate on dividends for the fiscal year, for the dividend entry window.
    const QString& dividendRate() const { return dividendRate_; }

    // The taxpayers a new declaration may be for (CmbRuc): RUC first, then the name.
    QList<catalogue::ListEntry> taxpayers() const;
    // The taxpayer chosen in the list: its RUC (the first 11 characters of the entry) and names.
    void chooseTaxpayer(const QString& entry);
    // Once the identification has been accepted the taxpayer can no longer change.
    bool taxpayerLocked() const { return taxpayerLocked_; }

    // Leaving the identification tab: for a new declaration the identification checks run first; false
    // keeps the user there (validation().failedField() says where). On success the taxpayer is locked.
    bool leaveIdentification();

    // "&Grabar". A new declaration becomes an existing one once it has been saved. `scope` says how far the
    // identification checks go (the save before an import does not ask for the import).
    bool save(IdentScope scope = IdentScope::Complete);
    // "V&alidar": the collecting validation, whose findings the report viewer shows.
    bool validate();
    // "Archivo personalizado": the new declaration must not exist yet; it is saved with every check but the
    // one asking for the import, then the import starts (startImport) when the save went through.
    bool personalisedFile(const std::function<void()>& startImport);

    // The questions asked before the window closes; true when it may close. A changed order number is
    // verified and saved on Yes; a modified declaration is saved on Yes, kept open on Cancel.
    bool closeRequested();

    // Runs a window that feeds the declaration (the assistant or the register of a box, the import) as one
    // edit named `description` over every working table. True when it changed a value or a row: the
    // declaration is then modified. A window closed with nothing changed ("&Cancelar") leaves the declaration
    // as it was, unmodified if it was.
    bool runFeeder(const QString& description, const std::function<void()>& window);
    // An entry window of a grid was closed: the grid is read again, and a change counts as a modification.
    void gridEntryClosed(AnnexGridKind kind);

    // Locks every box of a sent declaration.
    void DesTodo();

    // The window closes with its changes saved or discarded: their journal goes.
    void discardJournal() { journal_.remove(); }

Q_SIGNALS:
    // A new declaration was saved: it now exists, and its taxpayer is shown rather than chosen.
    void entryModeChanged();
    // The declaration was saved: what the user sees is what is stored.
    void saved();

private:
    void formatAmounts();
    void lockFixedBoxes();
    void applySections();
    void startJournal();
    void journalApplied(const DeclarationEdit& edit, bool forward);

    Session& session_;
    Declaration declaration_;
    std::unique_ptr<Rules> rules_;
    std::unique_ptr<Validation> validation_;
    std::unique_ptr<DeclarationStore> store_;
    std::unique_ptr<AnnexGrids> grids_;
    std::unique_ptr<FormOptions> options_;
    std::unique_ptr<DeclarationEditor> editor_;
    std::unique_ptr<EditRecorder> edits_;
    EditJournal journal_;
    bool keepJournal_ = false;
    bool recovering_ = false;
    OpenRequest request_;
    QString dividendRate_;
    bool taxpayerLocked_ = false;
};

}  // namespace zem
