#pragma once

#include <QSqlError>
#include <QString>

namespace zem {

class MessageSink;

// A database failure in the numbering the family's messages are keyed by (the classic engine's error
// numbers). Errors of the engines we run on are mapped to those numbers where a message exists for them; any
// other error keeps the engine's own code and description.
struct DbError {
    int number = 0;  // 0 means no error
    QString description;

    bool isError() const { return number != 0; }

    // The classic numbers the messages know.
    static constexpr int kLocked = 3260;        // "Registro bloqueado. Intente luego"
    static constexpr int kCannotSave = 3186;    // "No puede grabarlo. Actualmente bloqueado"
    static constexpr int kDataChanged = 3197;   // "La data ha cambiado"
    static constexpr int kRowModified = 3167;   // "Registro ha sido modificado o eliminado por otro usuario"
    static constexpr int kRowDeleted = 3020;    // "Registro ha sido eliminado por otro usuario"
    static constexpr int kDuplicate = 3022;     // "Registro ya existe lo ingresaron en ese momento"
    static constexpr int kExclusive = 3051;     // the database is held exclusively by another process
    static constexpr int kFileNotFound = 3024;  // the database file does not exist
    static constexpr int kNotADatabase = 3343;  // the file is not a database

    // Maps an error of the SQLite or PostgreSQL driver.
    static DbError fromSql(const QSqlError& error);
};

// The text the database error reporter shows for an error ("Registro bloqueado. Intente luego", ...,
// "Error tecnico: " + number + description + "Intente nuevamente por favor.").
QString dbErrorReporterText(const DbError& error);

// The database error reporter: shows the text for the error with the information icon and the title
// "Mensaje"; an error number 0 shows nothing. When clearWriteFlag is given, the write flag it points to is
// cleared first.
void reportDbError(MessageSink& sink, const DbError& error, bool* clearWriteFlag = nullptr);

// The message of the shared SQL executor: "Error Número : " + number + line feed + description, titled
// "Error al Ejecutar Sentencia SQL".
void reportSqlExecutorError(MessageSink& sink, const DbError& error);

}  // namespace zem
