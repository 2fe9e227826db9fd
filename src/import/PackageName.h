#pragma once

#include <QString>

// The name of the personalised package the authority gives a taxpayer: one check character, "482", and the
// RUC with every digit d written as 9 - d ("0" becomes "9", "2" becomes "7"), then ".zip".
namespace zem {

// The package's base name (19 characters less ".zip"); "" for a RUC whose length is not 11.
QString KeyNombreArchivo(const QString& ruc);

// The file name the package must carry: KeyNombreArchivo(ruc) + ".zip"; "" for a malformed RUC.
QString packageFileName(const QString& ruc);

// Whether a file name (without folder) is the package of that RUC. The extension is compared without regard
// to case, as on the disks the packages come on.
bool isPackageOf(const QString& fileName, const QString& ruc);

}  // namespace zem
