#include "data/SeedCatalogue.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include "startup/Database.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxPosition = 255;

QStringList dataLines(const QString& path, bool* ok) {
    QFile f(path);
    *ok = f.open(QIODevice::ReadOnly);
    QStringList lines;
    for (QString line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        lines << line;
    }
    return lines;
}

// "1=DESCRIPCION|46=11|...": each value placed at its 1-based position, blanks in the gaps, a later value
// written over an earlier one. False for a malformed line.
bool buildFuncion(const QString& fields, QString* funcion) {
    funcion->clear();
    for (const QString& part : fields.split(u'|')) {
        const qsizetype eq = part.indexOf(u'=');
        bool ok = false;
        const int position = eq > 0 ? part.left(eq).trimmed().toInt(&ok) : 0;
        if (!ok || position < 1 || position > kMaxPosition)
            return false;
        const QString value = part.mid(eq + 1);
        const qsizetype end = position - 1 + value.size();
        if (funcion->size() < end)
            funcion->append(QString(end - funcion->size(), u' '));
        funcion->replace(position - 1, value.size(), value);
    }
    return true;
}

bool readParamRows(QList<SeedRow>* rows, QString* fault) {
    const QDir dir(u":/seed/param"_s);
    const QStringList files = dir.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        *fault = u"No se encuentra el catálogo inicial."_s;
        return false;
    }
    for (const QString& file : files) {
        const QString numero = file.section(u'.', 0, 0);
        bool ok = false;
        for (const QString& line : dataLines(dir.filePath(file), &ok)) {
            const QStringList cols = line.split(u'\t');
            SeedRow r{numero, cols.value(0).trimmed(), {}};
            if (cols.size() != 2 || r.argumento.isEmpty() || !buildFuncion(cols[1], &r.funcion)) {
                *fault = u"Línea inválida en el catálogo "_s + numero + u": "_s + line;
                return false;
            }
            rows->append(r);
        }
    }
    return true;
}

bool readErrorRows(QList<QPair<QString, QString>>* rows, QString* fault) {
    bool ok = false;
    for (const QString& line : dataLines(u":/seed/error.txt"_s, &ok)) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab != 4) {
            *fault = u"Línea inválida en el catálogo de mensajes: "_s + line;
            return false;
        }
        rows->append({line.left(4), line.mid(5)});
    }
    if (!ok)
        *fault = u"No se encuentra el catálogo de mensajes."_s;
    return ok;
}

// (list, box) -> codes, from formas_pago.txt.
const QHash<QString, QStringList>& formCodeLists() {
    static const QHash<QString, QStringList> lists = [] {
        QHash<QString, QStringList> out;
        bool ok = false;
        for (const QString& line : dataLines(u":/seed/formas_pago.txt"_s, &ok)) {
            const QStringList cols = line.split(u'\t');
            if (cols.size() == 3)
                out.insert(cols[0].trimmed() + u'/' + cols[1].trimmed(),
                           cols[2].split(u' ', Qt::SkipEmptyParts));
        }
        return out;
    }();
    return lists;
}

}  // namespace

QList<SeedRow> seedParamRows() {
    QList<SeedRow> rows;
    QString fault;
    if (!readParamRows(&rows, &fault))
        rows.clear();
    return rows;
}

bool loadSeedCatalogue(Db& db) {
    QList<SeedRow> params;
    QList<QPair<QString, QString>> errors;
    QString fault;
    if (!readParamRows(&params, &fault) || !readErrorRows(&errors, &fault)) {
        db.sink().error(fault, u"Error"_s);
        return false;
    }
    return db.transaction([&] {
        QSet<QString> present;
        QSqlQuery q = db.select(u"SELECT numero, argumento FROM param"_s);
        while (q.isActive() && q.next())
            present.insert(q.value(u"numero"_s).toString() + u'\t' + q.value(u"argumento"_s).toString());
        for (const SeedRow& r : params) {
            if (present.contains(r.numero + u'\t' + r.argumento))
                continue;
            if (!db.execute(u"INSERT INTO param (numero, argumento, funcion) VALUES (?, ?, ?)"_s,
                            {r.numero, r.argumento, r.funcion}))
                return false;
        }
        QSet<QString> codes;
        QSqlQuery e = db.select(u"SELECT coderror FROM error"_s);
        while (e.isActive() && e.next())
            codes.insert(e.value(u"coderror"_s).toString());
        for (const auto& [code, text] : errors) {
            if (codes.contains(code))
                continue;
            if (!db.execute(u"INSERT INTO error (coderror, descerror) VALUES (?, ?)"_s, {code, text}))
                return false;
        }
        return true;
    });
}

QStringList paymentFormCodes(const QString& box) {
    return formCodeLists().value(u"registro/"_s + box.trimmed());
}

QStringList creditApplicationFormCodes() {
    return formCodeLists().value(u"aplicacion/127"_s);
}

QStringList importFormCodes(const QString& box) {
    return formCodeLists().value(u"importacion/"_s + box.trimmed());
}

}  // namespace zem
