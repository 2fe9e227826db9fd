#pragma once

#include <QString>

namespace zem {

// The identification checks and the whole-declaration validation, as the save needs them.
// Mode "2" is silent (first failure, no message file); any other mode collects every failure.
class DeclarationChecks {
public:
    virtual ~DeclarationChecks() = default;
    virtual bool ValIdent(const QString& mode) = 0;
    virtual bool ValidaTodo(const QString& mode) = 0;
};

}  // namespace zem
