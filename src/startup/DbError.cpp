#include "startup/DbError.h"

#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// SQLite's primary result codes as the Qt driver reports them.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteConstraint = 19;
constexpr int kSqliteNotADb = 26;

DbError fromSqlite(int extendedCode, const QString& text) {
    const int code = extendedCode & 0xFF;  // the primary code of an extended one
    switch (code) {
        case kSqliteBusy:
            return {DbError::kLocked, text};
        case kSqliteLocked:
            return {DbError::kCannotSave, text};
        case kSqliteNotADb:
            return {DbError::kNotADatabase,
                    u"El archivo no tiene el formato de una base de datos reconocida."_s};
        case kSqliteCantOpen:
            return {code, u"No se puede abrir el archivo de la base de datos."_s};
        case kSqliteConstraint:
            if (text.contains(u"UNIQUE"_s) || text.contains(u"PRIMARY KEY"_s))
                return {DbError::kDuplicate, text};
            return {code, text};
        default:
            return {code, text};
    }
}

DbError fromPostgres(const QString& state, const QString& text) {
    if (state == u"23505")
        return {DbError::kDuplicate, text};
    if (state == u"55P03" || state == u"57014")
        return {DbError::kLocked, text};  // lock not available, timeout
    if (state == u"40P01")
        return {DbError::kCannotSave, text};  // deadlock
    if (state == u"40001")
        return {DbError::kDataChanged, text};  // serialization failure
    bool ok = false;
    const int n = state.toInt(&ok);
    return {ok && n != 0 ? n : -1, text};
}

}  // namespace

DbError DbError::fromSql(const QSqlError& error) {
    if (error.type() == QSqlError::NoError)
        return {};
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    const QString code = error.nativeErrorCode();
    bool numeric = false;
    const int n = code.toInt(&numeric);
    // The SQLite driver reports plain numbers; PostgreSQL reports five-character SQLSTATE codes.
    if (numeric && code.size() < 5)
        return fromSqlite(n, text);
    if (!code.isEmpty())
        return fromPostgres(code, text);
    return {-1, text};
}

QString dbErrorReporterText(const DbError& error) {
    switch (error.number) {
        case DbError::kLocked:
            return u"Registro bloqueado. Intente luego"_s;
        case DbError::kCannotSave:
            return u"No puede grabarlo. Actualmente bloqueado"_s;
        case DbError::kDataChanged:
            return u"La data ha cambiado"_s;
        case DbError::kRowModified:
            return u"Registro ha sido modificado o eliminado por otro usuario"_s;
        case DbError::kRowDeleted:
            return u"Registro ha sido eliminado por otro usuario"_s;
        case DbError::kDuplicate:
            return u"Registro ya existe lo ingresaron en ese momento"_s;
        default:
            return u"Error tecnico: "_s + QString::number(error.number) + u'\n' + error.description + u'\n' +
                   u"Intente nuevamente por favor."_s;
    }
}

void reportDbError(MessageSink& sink, const DbError& error, bool* clearWriteFlag) {
    if (!error.isError())
        return;
    if (clearWriteFlag)
        *clearWriteFlag = false;
    sink.info(dbErrorReporterText(error), u"Mensaje"_s);
}

void reportSqlExecutorError(MessageSink& sink, const DbError& error) {
    sink.error(u"Error Número : "_s + QString::number(error.number) + u'\n' + error.description,
               u"Error al Ejecutar Sentencia SQL"_s);
}

}  // namespace zem
