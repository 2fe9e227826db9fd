#pragma once

#include <QMap>
#include <QString>

#include "declaration/Checks.h"
#include "declaration/DeclarationKey.h"

namespace zem {

class Declaration;
struct Session;

// Copies one declaration between the declaration model and the database: the header (CAB, or HCAB for a sent
// declaration), the box rows (DET/HDET), the annex registers (the stored or H tables, through the
// connection's working tables) and the import marker. Opening, saving and registering the order number of a
// sent declaration are each one transaction: a failure leaves the database as it was and is reported through
// the database error reporter. Opening only reads the shared tables (it fills the connection's own working
// tables) and takes no write lock. A save writes only over the version of the declaration it opened: when
// another user or process saved or deleted it meanwhile, the save is refused with "Registro ha sido
// modificado o eliminado por otro usuario" (or, for a new one created meanwhile, "Registro ya existe lo
// ingresaron en ese momento") and nothing is written.
class DeclarationStore {
public:
    enum class Failure {
        None,
        Identification,  // ValIdent refused the save (it showed its own message)
        NoDeclarant,     // no taxpayer chosen
        NotFound,        // the sent declaration is not in HCAB
        OrderNumber,     // order number shorter than 8 characters: focus to the check-digit field
        VerifyDigits,    // wrong verification digits
        Database,        // a statement failed; everything was rolled back
    };

    DeclarationStore(Session& session, Declaration& declaration);

    // The caption of the declaration window, the title of the save's messages.
    void setCaption(const QString& caption) { caption_ = caption; }
    const QString& caption() const { return caption_; }

    // The declaration in the window: its key (the RUC of a new declaration is the model's once it is saved).
    const DeclarationKey& key() const { return key_; }

    // A new declaration: every working table emptied, the model cleared, entry mode 1.
    bool startNew();

    // Opens a declaration in preparation, or a sent one (key.sent, key.correl): every working table is
    // emptied and refilled from the stored (or H) tables with the catalogue descriptions completed, the
    // import marker copied (CargaTemporal), and the model loaded with its load flag raised so that no rule
    // runs: the box values, the names from the contributor register (CargaNombre), the header (CargarCab) and
    // the option answers. OptGeneral, OptExtranjero and OptFideicomiso answer "1" when their data exists.
    bool open(const DeclarationKey& key);

    // The declarant's names 801-803 from the contributor register, when the RUC is registered there.
    void CargaNombre();

    // The save. For a declaration in preparation: ValIdent("1"), the silent validation ValidaTodo("2"), then
    // in one transaction the header with estado 0 or 9, every box row, ComparaMontos, the annex registers in
    // their fixed order, the co-owners' boxes and the import marker; then the message of the outcome, and the
    // declaration counts as existing (entry mode 2). For a sent declaration only the order number after its
    // verification. `scope` says how far ValIdent goes (the save before an import skips the import's check).
    bool GrabarForm(DeclarationChecks& checks, IdentScope scope = IdentScope::Complete);

    // Why the last startNew/open/GrabarForm failed.
    Failure lastFailure() const { return failure_; }

    // The boxes whose imported totals a save compares with the declared amounts, in order.
    static const QList<int>& comparedBoxes();

private:
    bool writeDeclaration(bool consistent);
    bool writeHeader(const QVariant& estado, qint64 storedVersion);
    QMap<int, QString> boxRows() const;
    bool ComparaMontos(int box);
    bool Grabo_cas_condomino(QMap<int, QString>& rows);
    bool Grabo_Importa();
    bool saveOrderNumber();
    QVariantList headerRow(const QVariant& estado) const;

    Session& session_;
    Declaration& declaration_;
    DeclarationKey key_;
    QString caption_;
    Failure failure_ = Failure::None;
    // The save counter of the CAB row as it was opened (or last saved from here); kNoVersion for a
    // declaration that was not stored when opened.
    static constexpr qint64 kNoVersion = -1;
    qint64 version_ = kNoVersion;
};

}  // namespace zem
