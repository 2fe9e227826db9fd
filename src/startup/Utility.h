#pragma once

#include <QChar>
#include <QDate>
#include <QString>

// The family's shared utility component: key filters, identity and date checks and fixed-width text.
// Key filters take the code of a typed character and return the code to keep, or 0 to drop the key.
namespace zem::util {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;

// Amounts: digits, the decimal point, Backspace and Enter.
int FiltraMonto(int key);
// Document numbers: digits and letters (without accents), Backspace and Enter.
int FiltraDocumento(int key);
// Order numbers, series and codes: digits, Backspace and Enter.
int FiltraCodigo(int key);
// Names: letters (with accents and Ñ), blank, apostrophe, hyphen and period, Backspace and Enter; with
// businessName also digits and the signs a business name carries (& , / ( ) ").
int FiltraNombre(int key, bool businessName);

// 11 digits whose last one is the modulo-11 check digit of the first ten with the weights 5,4,3,2,7,6,5,4,3,2
// (11 - remainder; 10 gives 0 and 11 gives 1).
bool ValidaRuc(const QString& ruc);

// The characters of a document number by the data kind of its type: kind '0' is the general check (letters,
// digits and hyphens, not only zeros); any other kind is a coded number (digits only, not only zeros), and
// kind '5' (the RUC) must also pass ValidaRuc.
bool ValidaNumeroDocumento(const QString& number, QChar dataKind);

// A real date written "dd/mm/yyyy" between the two bounds (both included).
bool ValidaFecha(const QString& date, const QString& earliest, const QDate& latest);
// A period "mm/yyyy" with a month 01..12, not before the lowest period ("01/2006") and whose first day is not
// after the highest date.
bool ValidaPeriodo(const QString& period, const QString& lowest, const QDate& highest);

// Parses "dd/mm/yyyy" strictly; an invalid date when the text is not a real date.
QDate parseDate(const QString& text);

// The text filled on the right to the width; a longer text is cut to the width (report columns).
QString RellenaDerecha(const QString& text, int width, QChar fill = u' ');
// The text filled on the left to the width; a longer text comes back unchanged (series and numbers).
QString RellenaIzquierda(const QString& text, int width, QChar fill = u'0');
// The code with which a list entry begins: a numeric code zero-filled to the width, any other code trimmed
// and filled with blanks to the width.
QString FormatoCodigo(const QString& code, int width);

bool ExisteArchivo(const QString& path);

// The 14-character text followed by one check character. The check character is our own: the sum of the
// cp1252 codes of the characters, each multiplied by its position (1..14), modulo 36, as a digit 0-9 or a
// letter A-Z. Deterministic, so the same taxpayer always gets the same package name.
QString ClaveArchivo(const QString& text);

}  // namespace zem::util
