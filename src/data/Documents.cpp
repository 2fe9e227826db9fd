#include "data/Documents.h"

#include <QSqlQuery>
#include <algorithm>

#include "data/Catalogue.h"
#include "startup/Database.h"
#include "startup/Utility.h"

namespace zem::documents {

using namespace Qt::StringLiterals;

namespace {

const QString kDocumentTypes = u"044"_s;

// The key of a type in the catalogue: a numeric code without leading zeros ("06" is "6", "00" is "0").
QString catalogueKey(const QString& type) {
    QString key = type.trimmed();
    const bool numeric =
        !key.isEmpty() && std::all_of(key.begin(), key.end(), [](QChar c) { return c.isDigit(); });
    if (numeric) {
        while (key.size() > 1 && key.startsWith(u'0'))
            key.remove(0, 1);
    }
    return key;
}

QChar charAt(const QString& funcion, int position) {
    const QString f = catalogue::field(funcion, position, 1);
    return f.isEmpty() ? QChar(u' ') : f[0];
}

DocumentType parse(const QString& code, const QString& funcion) {
    using catalogue::field;
    DocumentType t;
    t.code = code;
    t.description = field(funcion, 1, 30).trimmed();
    t.shortName = field(funcion, 32, 11).trimmed();
    t.length = field(funcion, 46, 2).trimmed().toInt();
    t.order = field(funcion, 56, 2).trimmed();
    t.dataKind = charAt(funcion, 128);
    t.lengthKind = charAt(funcion, 130);
    return t;
}

}  // namespace

std::optional<DocumentType> documentType(Db& db, const QString& type) {
    const QString key = catalogueKey(type);
    if (key.isEmpty())
        return std::nullopt;
    if (const auto r = catalogue::row(db, kDocumentTypes, key))
        return parse(key, r->funcion);
    if (key == u"6")
        return parse(key, catalogue::defaultRucFuncion());
    return std::nullopt;
}

QString documentDescription(Db& db, const QString& type, bool shortName) {
    const auto t = documentType(db, type);
    if (!t)
        return {};
    return shortName ? t->shortName : t->description;
}

QString documentLength(Db& db, const QString& type) {
    const QString key = catalogueKey(type);
    if (const auto r = catalogue::row(db, kDocumentTypes, key))
        return catalogue::field(r->funcion, 46, 2).trimmed();
    if (key == u"6")
        return catalogue::field(catalogue::defaultRucFuncion(), 46, 2).trimmed();
    return {};
}

QList<DocumentTypeEntry> documentTypeList(Db& db, int flagPosition) {
    struct Row {
        QString code;
        QString funcion;
    };
    QList<Row> rows;
    if (flagPosition < 1)
        return {};
    QSqlQuery q =
        db.select(u"SELECT argumento, funcion FROM param WHERE numero = ? AND substr(funcion, ?, 1) = '1'"_s,
                  {kDocumentTypes, flagPosition});
    bool haveRuc = false;
    while (q.isActive() && q.next()) {
        rows.append({q.value(u"argumento"_s).toString().trimmed(), q.value(u"funcion"_s).toString()});
        haveRuc = haveRuc || catalogueKey(rows.last().code) == u"6";
    }
    // The RUC is always known: without its row, the built-in one serves the lists that allow it.
    if (!haveRuc &&
        !db.scalar(u"SELECT 1 FROM param WHERE numero = ? AND argumento = ?"_s, {kDocumentTypes, u"6"_s})
             .isValid()) {
        const QString f = catalogue::defaultRucFuncion();
        if (catalogue::field(f, flagPosition, 1) == u"1")
            rows.append({u"6"_s, f});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        const QString oa = catalogue::field(a.funcion, 56, 2), ob = catalogue::field(b.funcion, 56, 2);
        return oa != ob ? oa < ob : a.code < b.code;
    });

    QList<DocumentTypeEntry> entries;
    for (const Row& r : rows) {
        const DocumentType t = parse(r.code, r.funcion);
        DocumentTypeEntry e;
        e.code = util::FormatoCodigo(r.code, 2);
        e.text = e.code + u"  -  "_s + t.description;
        e.length = t.length;
        e.dataKind = t.dataKind;
        e.lengthKind = t.lengthKind;
        entries.append(e);
    }
    return entries;
}

bool lengthValid(const DocumentType& type, const QString& number) {
    const qsizetype n = number.size();
    if (type.lengthKind == u'0')
        return n >= type.length;
    if (type.lengthKind == u'2')
        return n >= 1 && n <= type.length;
    return n == type.length;
}

bool validateDocument(Db& db, const QString& type, const QString& number) {
    const QString t = type.trimmed(), n = number.trimmed();
    if (t.isEmpty() || n.isEmpty())
        return false;
    const std::optional<DocumentType> doc = documentType(db, t);
    if (!doc)
        return false;
    if (!lengthValid(*doc, n))
        return false;
    return util::ValidaNumeroDocumento(n, doc->dataKind);
}

QString userKind(Db& db, const QString& usuario) {
    const QVariant v = db.scalar(u"SELECT tipo FROM claves WHERE usuario = ?"_s, {usuario});
    const QString kind = v.toString().trimmed();
    return kind.isEmpty() ? u"1"_s : kind;
}

Query taxpayerListQuery(Db& db, const QString& usuario, const QString& formulario) {
    const std::optional<DocumentType> ruc = documentType(db, u"6"_s);
    Query query;
    query.sql = u"SELECT * FROM cont WHERE tip_doc_d = ?"_s;
    query.params << 6;
    if (ruc && ruc->lengthKind == u'0') {
        query.sql += u" AND length(trim(doc_id_d)) = ?"_s;
        query.params << 11;
    }
    if (formulario == u"0482") {
        query.sql += u" AND tipo_ingreso = ?"_s;
        query.params << 2;
    }
    if (userKind(db, usuario) != u"0") {
        query.sql += u" AND usuario = ?"_s;
        query.params << usuario;
    }
    query.sql += u" ORDER BY tip_doc_d, doc_id_d"_s;
    return query;
}

}  // namespace zem::documents
