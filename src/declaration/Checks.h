#pragma once

#include <QString>

namespace zem {

// How far the identification checks go. The save that "Archivo personalizado" makes comes before the import
// it is made for, so it cannot yet ask for the file to have been imported: every other check still holds.
enum class IdentScope { Complete, BeforeImport };

// The identification checks and the whole-declaration validation, as the save needs them.
// Mode "2" is silent (first failure, no message file); any other mode collects every failure.
class DeclarationChecks {
public:
    virtual ~DeclarationChecks() = default;
    virtual bool ValIdent(const QString& mode, IdentScope scope) = 0;
    virtual bool ValidaTodo(const QString& mode) = 0;
};

}  // namespace zem
