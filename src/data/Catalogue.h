#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zem {

class Db;
struct Session;

// The parameter catalogue PARAM: coded reference data, one catalogue per three-digit code (numero), one row
// per key (argumento), the attributes packed at fixed 1-based positions of funcion.
namespace catalogue {

struct ParamRow {
    QString argumento;
    QString funcion;
};

// The field of a funcion text at the 1-based start for length characters, as the database's substring cuts
// it: a field beyond the stored text reads as empty, one that runs past its end is cut there.
QString field(const QString& funcion, int start, int length);

// The slice of funcion from start for length characters of the row with that key, trailing blanks removed;
// empty when absent.
QString descriptionByKey(Db& db, const QString& code, const QString& key, int start, int length);

// The whole row, or nothing.
std::optional<ParamRow> row(Db& db, const QString& code, const QString& key);

// Every row of a catalogue, ordered by the numeric value of its key.
QList<ParamRow> all(Db& db, const QString& code);

// One entry of a drop-down list: the code and the text shown, code + five blanks + description.
struct ListEntry {
    QString code;
    QString text;
};

enum class ListOrder { ByDescription, ByCode, ByDescriptionNinetyNineLast };

// The entries of a list filler: rows of the catalogue whose key is like the pattern ('*' any text), the
// description being the slice (start, length) of funcion. With addBlank the first entry is 75 blanks (no
// choice, empty code). With onlyFlag70 only rows with "1" at position 70 of funcion are listed.
QList<ListEntry> listEntries(Db& db, const QString& code, const QString& pattern, int start, int length,
                             bool addBlank, ListOrder order, bool onlyFlag70 = false);
// The same with the flag at any 1-based position of funcion (0: no flag), e.g. 68 for the receipt types of
// box 107 in catalogue "233".
QList<ListEntry> listEntriesWithFlag(Db& db, const QString& code, const QString& pattern, int start,
                                     int length, bool addBlank, ListOrder order, int flagPosition);

// The texts of the entries, in order.
QStringList entryTexts(const QList<ListEntry>& entries);

// The index of the entry whose first `width` characters, trimmed, equal the trimmed code; -1 when none. Two
// numeric codes are equal when their values are ("06" and "6"). An empty code selects the blank entry.
int selectEntry(const QStringList& entries, const QString& code, int width);
int selectEntry(const QList<ListEntry>& entries, const QString& code, int width);

// The UIT in force for the year: the latest "404" row whose year is not after it; empty when none.
QString uit(Db& db, const QString& year);
// The rate of the latest row of the catalogue for the concept key whose period is not after January of the
// year, as a number written back to text; empty when none.
QString rateByConcept(Db& db, const QString& key, const QString& code, const QString& year);
// The rate of the latest row of the catalogue whose year is not after the given one; "0" when none.
QString rateByDate(Db& db, const QString& code, const QString& year);
// Fills gTasa (concepts "020702", "020704", "020301", "020201", "020501" of "998") and gUIT of the session.
void loadRates(Session& session);

// The funcion text used for document type "6" when the catalogue has no such row.
QString defaultRucFuncion();

}  // namespace catalogue
}  // namespace zem
