#pragma once

#include <QSqlError>
#include <QString>

namespace zem {

class MessageSink;

// A database failure, numbered as the family's messages are keyed. Errors of the engines we run on (SQLite,
// PostgreSQL) are mapped to those numbers; the user always reads a Spanish text chosen by the number, and the
// engine's own words travel along only as the detail of the message.
struct DbError {
    int number = 0;       // 0 means no error
    QString description;  // the engine's own text (or the file concerned): shown only as a detail

    bool isError() const { return number != 0; }

    // The numbers the messages know.
    static constexpr int kLocked = 3260;        // "Registro bloqueado. Intente luego"
    static constexpr int kCannotSave = 3186;    // "No puede grabarlo. Actualmente bloqueado"
    static constexpr int kDataChanged = 3197;   // "La data ha cambiado"
    static constexpr int kRowModified = 3167;   // "Registro ha sido modificado o eliminado por otro usuario"
    static constexpr int kRowDeleted = 3020;    // "Registro ha sido eliminado por otro usuario"
    static constexpr int kDuplicate = 3022;     // "Registro ya existe lo ingresaron en ese momento"
    static constexpr int kExclusive = 3051;     // the database is held exclusively by another process
    static constexpr int kFileNotFound = 3024;  // the database file does not exist
    static constexpr int kNotADatabase = 3343;  // the file is not a database
    static constexpr int kDiskFull = 3026;      // no room left on the disk
    static constexpr int kReadOnly = 3027;      // the file or its folder cannot be written
    static constexpr int kDiskError = 3043;     // the disk failed to read or write
    static constexpr int kCannotOpen = 3044;    // the file cannot be opened
    static constexpr int kCorrupt = 3049;       // the file is damaged
    static constexpr int kBadFileName = 3055;   // the file name is not a valid one
    static constexpr int kFileAccess = 75;      // a plain file (not the database) could not be written
    static constexpr int kNoServer = 3151;      // the database server cannot be reached or dropped the link

    // Maps an error of the SQLite or PostgreSQL driver.
    static DbError fromSql(const QSqlError& error);
};

// What the error means, in Spanish, by its number; a general text for a number without its own.
QString dbErrorMeaning(const DbError& error);

// The detail line of a message about the error: "Detalle: " + the engine's text, or "" without one.
QString dbErrorDetail(const DbError& error);

// The text the database error reporter shows for an error ("Registro bloqueado. Intente luego", ...,
// "Error tecnico: " + number + meaning + "Intente nuevamente por favor.").
QString dbErrorReporterText(const DbError& error);

// The database error reporter: shows the text for the error with the information icon and the title
// "Mensaje", the engine's text as its detail; an error number 0 shows nothing. When clearWriteFlag is given,
// the write flag it points to is cleared first.
void reportDbError(MessageSink& sink, const DbError& error, bool* clearWriteFlag = nullptr);

// The message of the shared SQL executor: "Error Número : " + number + line feed + meaning, titled
// "Error al Ejecutar Sentencia SQL", with the engine's text as its detail.
void reportSqlExecutorError(MessageSink& sink, const DbError& error);

}  // namespace zem
