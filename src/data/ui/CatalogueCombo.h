#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

#include "data/Catalogue.h"
#include "data/Documents.h"

class QComboBox;

// Drop-down lists over the parameter catalogue: filling them, selecting a code and sizing the drop-down.
namespace zem::ui {

// Data kept with each item of a list.
enum ListRole {
    CodeRole = Qt::UserRole,  // the code of the entry (empty for the blank entry)
    LengthRole,               // document types: the document length
    DataKindRole,             // document types: the data kind
    LengthKindRole,           // document types: the length kind
};

// The average character width of the font (the application's default font when none is given): the width of
// the 52 letters "A".."Z", "a".."z" divided by 52.
double averageCharWidth(const QFont& font = QFont());
// (given length - 2) x the average character width; never negative.
int dropDownWidth(int length, const QFont& font = QFont());
// (length of the longest entry - 2) x the average character width.
int dropDownWidth(const QStringList& entries, const QFont& font = QFont());
// Lets the drop-down of the list be at least that wide, whatever the width of the list box itself.
void setDropDownWidth(QComboBox& combo, int width);

// Clears the list and fills it with the entries (code in CodeRole); the drop-down is sized to the longest.
void fillList(QComboBox& combo, const QList<catalogue::ListEntry>& entries);
// The same for document types, each with its length, data kind and length kind.
void fillDocumentTypes(QComboBox& combo, const QList<documents::DocumentTypeEntry>& entries);

// Selects the entry whose first `width` characters, trimmed, are the code; no entry when none is. True when
// one was selected.
bool selectCode(QComboBox& combo, const QString& code, int width);
// The code of the selected entry; empty when none (or the blank entry) is selected.
QString selectedCode(const QComboBox& combo);

}  // namespace zem::ui
