#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

namespace zem::harness {

class CoreSession;

// The content a harness writes into a declaration, all of it derived from one generation number g, so that
// whoever reads the declaration back can tell whether it is wholly one generation:
// - the header's processing date is 01/01/2007 plus g days (and a sending copies it);
// - the typed boxes hold their base plus g; every other box follows from them by the rules;
// - the typed payments of box 133 (kTypedPayments rows) each pay 10 + g;
// - an import loads kImportedPayments payments of 20 + gi, gi being the generation that imported them, and
//   marks the declaration as imported.
struct TypedBox {
    int box;
    int base;
};
const QList<TypedBox>& typedBoxes();
inline constexpr int kTypedPayments = 40;
inline constexpr int kImportedPayments = 2000;
inline constexpr int kTypedPaymentBase = 10;
inline constexpr int kImportedPaymentBase = 20;

QDate dateOfGeneration(int g);
// The generation of a processing date "dd/mm/yyyy"; -1 for one that is not a date.
int generationOfDate(const QString& text);

// What a harness does to a declaration.
enum class Op { Save, Import, Send, Delete };
QString opName(Op op);

struct OpResult {
    bool done = false;    // the operation reported success
    int generation = -1;  // the generation written (Save, Import)
    QString messages;     // what the module told
};

// Runs the operation on the taxpayer's declaration through the module's core, as a user would through the
// declaration window, its registers, the import and the lists: Save and Import open the declaration (a new
// one when it does not exist) and write the generation after the stored one, Import first loading a package
// of that generation built in workDir; Send sends it; Delete deletes it. beforeWrite, when given, is called
// just before the operation's write to the database starts.
OpResult runOp(CoreSession& core, const QString& ruc, Op op, const QString& workDir,
               const std::function<void()>& beforeWrite = {});

// The generation of the stored declaration in preparation; 0 when there is none, -1 when it cannot be read.
int storedGeneration(CoreSession& core, const QString& ruc);

// Writes the package of the taxpayer for generation g into the folder; its path, or "" when it failed.
QString writeGenerationPackage(const QString& folder, const QString& ruc, int g);

}  // namespace zem::harness
