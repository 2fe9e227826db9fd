#pragma once

#include <QString>
#include <QStringList>

#include "startup/MessageSink.h"

namespace zem {

struct Session;

// frmCondominio: adds the co-owners of a property held in condominium to TMP_F0480CONDOMI, one document type
// and number each, at most 50. Co-owners are only added here; the declaration window lists and deletes them.
class Condominio {
public:
    static constexpr int kMax = 50;
    static inline const QString kCaption = QStringLiteral("Condóminos");

    // What accepting a co-owner came to.
    enum class Result {
        Refused,  // a check failed: nothing written
        Saved,    // written; the fields are cleared for the next co-owner
        Full,     // written, and the list now holds the most it may: the window closes
    };

    Condominio(Session& session, QString declarantRuc);

    // The document types a co-owner may carry ("06", ...), as the type list offers them.
    QStringList types() const;

    QString tipDoc() const { return tipDoc_; }
    QString numRuc() const { return numRuc_; }
    void setTipDoc(const QString& type);
    void setNumRuc(const QString& number);
    // Information typed and not yet saved.
    bool isModified() const { return modified_; }

    // The checks in their order; the first failure is shown (title "Error") and its field kept.
    bool Valida_Datos();
    // Adds the row and shows the confirmation.
    bool GrabarDet();
    // "&Aceptar": Valida_Datos, GrabarDet; then the fields are cleared, or, once the list is full, the limit
    // is shown and the window is to close.
    Result accept();
    // The question on leaving with unsaved changes: Yes, No or Cancel.
    MsgAnswer askToSave();
    // LimpiaTextos
    void LimpiaTextos();

    // "num_ruc" or "tip_doc_con" after a failed check.
    const QString& failedField() const { return failed_; }
    int count() const;

private:
    bool refuse(const QString& field, const QString& message);

    Session& session_;
    QString declarantRuc_;
    QString tipDoc_;
    QString numRuc_;
    QString failed_;
    bool modified_ = false;
};

}  // namespace zem
