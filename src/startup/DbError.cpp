#include "startup/DbError.h"

#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// SQLite's primary result codes as the Qt driver reports them.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoErr = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
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
        case kSqlitePerm:
        case kSqliteReadOnly:
            return {DbError::kReadOnly, text};
        case kSqliteIoErr:
            return {DbError::kDiskError, text};
        case kSqliteCorrupt:
            return {DbError::kCorrupt, text};
        case kSqliteFull:
            return {DbError::kDiskFull, text};
        case kSqliteCantOpen:
            return {DbError::kCannotOpen, text};
        case kSqliteNotADb:
            return {DbError::kNotADatabase, text};
        case kSqliteConstraint:
            if (text.contains(u"UNIQUE"_s) || text.contains(u"PRIMARY KEY"_s))
                return {DbError::kDuplicate, text};
            return {code, text};
        default:
            return {code, text};
    }
}

DbError fromPostgres(const QString& state, const QString& text) {
    // Class 08 (connection exception) and an administrator's shutdown or a server in recovery (57P01 to
    // 57P03): the link to the server is gone.
    if (state.startsWith(u"08"_s) || state == u"57P01" || state == u"57P02" || state == u"57P03")
        return {DbError::kNoServer, text};
    if (state == u"23505")
        return {DbError::kDuplicate, text};
    if (state == u"55P03" || state == u"57014")
        return {DbError::kLocked, text};  // lock not available, timeout
    if (state == u"40P01")
        return {DbError::kCannotSave, text};  // deadlock
    if (state == u"40001")
        return {DbError::kDataChanged, text};  // serialization failure
    if (state == u"53100")
        return {DbError::kDiskFull, text};
    if (state == u"25006" || state == u"42501")
        return {DbError::kReadOnly, text};  // read-only transaction, no privilege
    if (state == u"XX001" || state == u"XX002")
        return {DbError::kCorrupt, text};
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
    // The server's client library gives no code when it cannot connect or has lost the connection.
    if (error.type() == QSqlError::ConnectionError || text.contains(u"connection"_s, Qt::CaseInsensitive))
        return {kNoServer, text};
    return {-1, text};
}

QString dbErrorMeaning(const DbError& error) {
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
        case DbError::kExclusive:
            return u"La base de datos está bloqueada por otro proceso."_s;
        case DbError::kFileNotFound:
            return u"No se encuentra el archivo de la base de datos."_s;
        case DbError::kNotADatabase:
            return u"El archivo no tiene el formato de una base de datos reconocida."_s;
        case DbError::kDiskFull:
            return u"No queda espacio en el disco para grabar en la base de datos."_s;
        case DbError::kReadOnly:
            return u"La base de datos es de solo lectura: revise los permisos del archivo y de su carpeta."_s;
        case DbError::kDiskError:
            return u"Error del disco al leer o escribir la base de datos."_s;
        case DbError::kCannotOpen:
            return u"No se puede abrir el archivo de la base de datos."_s;
        case DbError::kCorrupt:
            return u"El archivo de la base de datos está dañado."_s;
        case DbError::kBadFileName:
            return u"El nombre del archivo de la base de datos no es válido."_s;
        case DbError::kFileAccess:
            return u"No se puede escribir el archivo."_s;
        case DbError::kNoServer:
            return u"No hay conexión con el servidor de la base de datos: revise la red y que el servidor "
                   u"esté "
                   u"en marcha."_s;
        case kSqliteConstraint:
            return u"Los datos no cumplen una regla de la base de datos."_s;
        default:
            return u"Error de la base de datos."_s;
    }
}

QString dbErrorDetail(const DbError& error) {
    const QString text = error.description.trimmed();
    return text.isEmpty() ? QString() : u"Detalle: "_s + text;
}

QString dbErrorReporterText(const DbError& error) {
    switch (error.number) {
        case DbError::kLocked:
        case DbError::kCannotSave:
        case DbError::kDataChanged:
        case DbError::kRowModified:
        case DbError::kRowDeleted:
        case DbError::kDuplicate:
            return dbErrorMeaning(error);
        default:
            return u"Error tecnico: "_s + QString::number(error.number) + u'\n' + dbErrorMeaning(error) +
                   u'\n' + u"Intente nuevamente por favor."_s;
    }
}

void reportDbError(MessageSink& sink, const DbError& error, bool* clearWriteFlag) {
    if (!error.isError())
        return;
    if (clearWriteFlag)
        *clearWriteFlag = false;
    sink.info(dbErrorReporterText(error), u"Mensaje"_s, dbErrorDetail(error));
}

void reportSqlExecutorError(MessageSink& sink, const DbError& error) {
    sink.error(u"Error Número : "_s + QString::number(error.number) + u'\n' + dbErrorMeaning(error),
               u"Error al Ejecutar Sentencia SQL"_s, dbErrorDetail(error));
}

}  // namespace zem
