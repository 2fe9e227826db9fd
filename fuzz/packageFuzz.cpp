// The unpacking of a personalised package over any file: it either extracts only acceptable files into its
// own folder or refuses, and leaves nothing behind once the result goes.
#include <QDir>
#include <QFileInfo>

#include "FuzzInput.h"
#include "import/PackageExtraction.h"
#include "import/PackageLimits.h"

using namespace zem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString zip = fuzz::writeScratch(QStringLiteral("package.zip"), fuzz::bytes(data, size));
    const QString tmp = QDir(fuzz::scratch().path()).filePath(QStringLiteral("tmp"));
    {
        const ExtractedPackage package = extractPackage(zip, tmp);
        if (package.outcome == ExtractedPackage::Outcome::Extracted) {
            ZEM_FUZZ_CHECK(package.folder && !package.files.isEmpty());
            ZEM_FUZZ_CHECK(package.files.size() <= package::kMaxEntries);
            for (const QString& path : package.files) {
                const QFileInfo info(path);
                ZEM_FUZZ_CHECK(info.isFile() &&
                               info.absolutePath() == QDir(package.folder->path()).absolutePath());
                ZEM_FUZZ_CHECK(info.size() <= package::kMaxEntryBytes);
            }
        } else {
            ZEM_FUZZ_CHECK(!package.folder && package.files.isEmpty());
        }
    }
    // Nothing stays in the temporary folder.
    ZEM_FUZZ_CHECK(QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    return 0;
}
