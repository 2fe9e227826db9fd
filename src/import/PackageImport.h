#pragma once

#include <QString>
#include <functional>

#include "declaration/DeclarationKey.h"
#include "import/ImportLoad.h"

namespace zem {

struct ExtractedPackage;
struct Session;

// The import of the personalised package into the open declaration's working tables, the same for the
// import window and the batch tool: the package name, the unpacking, the eleven files (Transferencia,
// CuentaPye) and the load (TraDatos). Every refusal is told through the session's sink, in the window's
// words, and leaves the working tables as they were.
class PackageImport {
public:
    enum class Outcome {
        Imported,
        NoPackage,  // "No se ha encontrado el archivo de información"
        Unzip,      // "¡Ha ocurrido un error al descomprimir. Reintente la operación!."
        Missing,    // "No se encontraron los archivos"
        Damaged,    // "El Archivo esta dañado"
        Database,   // the load failed and was rolled back (reported by the database)
    };

    // The stages the window shows: the text of the progress label, then the records loaded.
    using StageFn = std::function<void(const QString& text)>;

    PackageImport(Session& session, DeclarationKey key);

    void setStage(StageFn stage) { stage_ = std::move(stage); }
    void setProgress(ImportProgress progress) { progress_ = std::move(progress); }

    // Imports the package at zipPath, whose file name must be the taxpayer's package name.
    Outcome importar(const QString& zipPath);

    // What the last successful import loaded, for the closing step (applyImportTotals).
    const ImportTotals& totals() const { return totals_; }

    static const QString& caption();

private:
    // Checks that the eleven files are there and well formed, then loads them.
    Outcome Transferencia(const ExtractedPackage& package, const QString& base);
    Outcome refuse(Outcome outcome);

    Session& session_;
    DeclarationKey key_;
    StageFn stage_;
    ImportProgress progress_;
    ImportTotals totals_;
};

}  // namespace zem
