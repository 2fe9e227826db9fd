#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "declaration/Checks.h"

namespace zem {

class Declaration;
class Rules;
struct Session;

// The identification field at which ValIdent stopped, so the window can bring the identification tab to
// front and put the focus there.
enum class IdentField {
    None,
    Declarant,         // CmbRuc: no declarant, or the declaration already exists
    DeclarationType,   // optPor: personal or conjugal partnership
    PersonalisedFile,  // optSom: the personalised-file question, or its file not imported
    Replacement,       // OptRectifica
    Telephone,         // TxtTelefono (box 028)
};

// The whole-declaration validation: the identification checks and the 75 consistency checks over the
// boxes, the answers, the payment and the annex registers.
//
// Mode "2" is silent: it stops at the first failure and opens no file (the save stores the status it
// gives). Any other mode collects every failure as one line (message and the place of the box on the form)
// in the message file "Mens.txt" of the working directory, in cp1252 with CR LF line ends, and then shows
// the consistency report, or says that there is no inconsistency. Both modes first give the advisory on the
// amount to pay and the one on the spouse's age; these do not count as inconsistencies.
class Validation : public DeclarationChecks {
public:
    Validation(Session& session, Declaration& declaration, Rules& rules);

    // The identification checks; each failure is shown at once (critical icon) and the checks stop there.
    bool ValIdent(const QString& mode, IdentScope scope = IdentScope::Complete) override;
    // Only the first identification check (a new declaration must not exist yet), before an import.
    bool ValIdent2(const QString& mode);
    bool ValidaTodo(const QString& mode) override;

    // Where the last ValIdent or ValIdent2 stopped (None when it passed).
    IdentField failedField() const { return failedField_; }
    // Set by every failed check of the last ValidaTodo.
    bool inconsistent() const { return inconsistent_; }
    // The lines of the last collecting run, as written to the message file.
    const QStringList& findings() const { return findings_; }
    QString messageFilePath() const;

    // Shows the consistency report over the message file (the window installs it); called at the end of a
    // collecting run that found inconsistencies.
    void setReportViewer(std::function<void(const QString& messageFile)> viewer) {
        viewer_ = std::move(viewer);
    }

    class Findings;

private:
    bool identDeclarationExists();
    bool failIdent(const QString& message, IdentField field);
    void preamble();

    // The checks, in their order, in four groups; each returns false when the run must stop.
    bool checkIncome(Findings& f);
    bool checkDeclarant(Findings& f);
    bool checkLessors(Findings& f);
    bool checkPayment(Findings& f);

    // Helpers over the declaration.
    QString text(int box) const;
    bool filled(int box) const;
    double vale(int box) const;
    bool validDocument(const QString& type, const QString& number) const;
    int rowCount(const QString& table) const;

    Session& session_;
    Declaration& d_;
    Rules& rules_;
    IdentField failedField_ = IdentField::None;
    bool inconsistent_ = false;
    QStringList findings_;
    std::function<void(const QString&)> viewer_;
};

}  // namespace zem
