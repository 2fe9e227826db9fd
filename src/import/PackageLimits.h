#pragma once

#include <QtGlobal>

// What a personalised package may hold. A real package is eleven small text files (a few hundred records for
// a taxpayer with many payments); anything well beyond that is refused as damaged before a byte is written.
namespace zem::package {

// Entries in the archive, folder entries included (eleven record files and a few folders at most).
inline constexpr int kMaxEntries = 16;
// Uncompressed size of one entry and of all entries together.
inline constexpr qint64 kMaxEntryBytes = 32LL * 1024 * 1024;
inline constexpr qint64 kMaxTotalBytes = 64LL * 1024 * 1024;
// An entry above kRatioFloor bytes may be at most kMaxRatio times its compressed size (text records compress
// about ten to one; a zip bomb a thousand to one).
inline constexpr qint64 kRatioFloor = 1024 * 1024;
inline constexpr qint64 kMaxRatio = 100;

}  // namespace zem::package
