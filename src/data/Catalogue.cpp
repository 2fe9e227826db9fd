#include "data/Catalogue.h"

#include <QSqlQuery>
#include <algorithm>

#include "data/Format.h"
#include "startup/Database.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem::catalogue {

using namespace Qt::StringLiterals;

namespace {

// Concepts of catalogue "998" loaded into gTasa1..gTasa5, in that order.
constexpr const char16_t* kRateConcepts[5] = {u"020702", u"020704", u"020301", u"020201", u"020501"};

QString rightTrimmed(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

bool allDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Two digit strings compared by value: without leading zeros, the shorter is the smaller.
int compareDigits(QString a, QString b) {
    while (a.size() > 1 && a.startsWith(u'0'))
        a.remove(0, 1);
    while (b.size() > 1 && b.startsWith(u'0'))
        b.remove(0, 1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Codes in the order a user expects: numeric codes by value before any other code, the others as text.
bool codeLess(const QString& a, const QString& b) {
    const bool na = allDigits(a), nb = allDigits(b);
    if (na != nb)
        return na;
    const int c = na ? compareDigits(a, b) : a.compare(b);
    return c != 0 ? c < 0 : a < b;
}

// A sort key for Spanish descriptions: accents do not count, Ñ comes after N, case does not count.
QString collationKey(const QString& text) {
    QString t = text.toUpper();
    t.replace(u'Ñ', u"N~"_s);
    t = t.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(t.size());
    for (QChar c : t) {
        if (!c.isMark())
            key.append(c);
    }
    return key;
}

// A LIKE pattern where '*' is any text and '?' any one character; the engine's own wildcards are escaped.
QString likePattern(const QString& pattern) {
    QString out;
    for (QChar c : pattern) {
        if (c == u'*') {
            out.append(u'%');
        } else if (c == u'?') {
            out.append(u'_');
        } else if (c == u'%' || c == u'_' || c == u'\\') {
            out.append(u'\\').append(c);
        } else {
            out.append(c);
        }
    }
    return out;
}

QString numberText(const QString& text) {
    const double v = Val(text);
    return QString::number(v, 'g', 15);
}

}  // namespace

QString field(const QString& funcion, int start, int length) {
    if (start < 1 || length < 1 || start > funcion.size())
        return {};
    return funcion.mid(start - 1, length);
}

QString descriptionByKey(Db& db, const QString& code, const QString& key, int start, int length) {
    const std::optional<ParamRow> r = row(db, code, key);
    return r ? rightTrimmed(field(r->funcion, start, length)) : QString();
}

std::optional<ParamRow> row(Db& db, const QString& code, const QString& key) {
    QSqlQuery q = db.select(u"SELECT argumento, funcion FROM param WHERE numero = ? AND argumento = ?"_s,
                            {code.trimmed(), key.trimmed()});
    if (!q.isActive() || !q.next())
        return std::nullopt;
    return ParamRow{q.value(u"argumento"_s).toString(), q.value(u"funcion"_s).toString()};
}

QList<ParamRow> all(Db& db, const QString& code) {
    QList<ParamRow> rows;
    QSqlQuery q = db.select(u"SELECT argumento, funcion FROM param WHERE numero = ?"_s, {code.trimmed()});
    while (q.isActive() && q.next())
        rows.append({q.value(u"argumento"_s).toString(), q.value(u"funcion"_s).toString()});
    std::stable_sort(rows.begin(), rows.end(), [](const ParamRow& a, const ParamRow& b) {
        const double va = Val(a.argumento), vb = Val(b.argumento);
        return va != vb ? va < vb : a.argumento < b.argumento;
    });
    return rows;
}

QList<ListEntry> listEntries(Db& db, const QString& code, const QString& pattern, int start, int length,
                             bool addBlank, ListOrder order, bool onlyFlag70) {
    return listEntriesWithFlag(db, code, pattern, start, length, addBlank, order, onlyFlag70 ? 70 : 0);
}

QList<ListEntry> listEntriesWithFlag(Db& db, const QString& code, const QString& pattern, int start,
                                     int length, bool addBlank, ListOrder order, int flagPosition) {
    QList<ListEntry> entries;
    if (addBlank)
        entries.append({QString(), QString(75, u' ')});
    if (start < 1 || length < 1)
        return entries;

    QString sql =
        u"SELECT argumento, funcion FROM param WHERE numero = ? AND lower(argumento) LIKE lower(?) ESCAPE '\\'"_s;
    QVariantList params{code.trimmed(), likePattern(pattern.isEmpty() ? u"*"_s : pattern)};
    if (flagPosition > 0) {
        sql += u" AND substr(funcion, ?, 1) = '1'"_s;
        params << flagPosition;
    }
    struct Row {
        QString code;
        QString description;
        QString sortKey;
    };
    QList<Row> rows;
    QSqlQuery q = db.select(sql, params);
    while (q.isActive() && q.next()) {
        const QString description = rightTrimmed(field(q.value(u"funcion"_s).toString(), start, length));
        rows.append({q.value(u"argumento"_s).toString().trimmed(), description, collationKey(description)});
    }

    const auto byCode = [](const Row& a, const Row& b) { return codeLess(a.code, b.code); };
    const auto byDescription = [&byCode](const Row& a, const Row& b) {
        const int c = a.sortKey.compare(b.sortKey);
        return c != 0 ? c < 0 : byCode(a, b);
    };
    if (order == ListOrder::ByCode) {
        std::sort(rows.begin(), rows.end(), byCode);
    } else {
        std::sort(rows.begin(), rows.end(), byDescription);
    }
    if (order == ListOrder::ByDescriptionNinetyNineLast) {
        std::stable_partition(rows.begin(), rows.end(), [](const Row& r) { return r.code != u"99"; });
    }

    int width = 1;
    for (const Row& r : rows)
        width = std::max(width, static_cast<int>(r.code.size()));
    for (const Row& r : rows) {
        entries.append({r.code, util::FormatoCodigo(r.code, width) + QString(5, u' ') + r.description});
    }
    return entries;
}

QStringList entryTexts(const QList<ListEntry>& entries) {
    QStringList texts;
    texts.reserve(entries.size());
    for (const ListEntry& e : entries)
        texts << e.text;
    return texts;
}

int selectEntry(const QStringList& entries, const QString& code, int width) {
    const QString wanted = code.trimmed();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString start = entries[i].left(std::max(width, 0)).trimmed();
        if (start == wanted)
            return static_cast<int>(i);
        if (allDigits(start) && allDigits(wanted) && compareDigits(start, wanted) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int selectEntry(const QList<ListEntry>& entries, const QString& code, int width) {
    return selectEntry(entryTexts(entries), code, width);
}

QString uit(Db& db, const QString& year) {
    const QVariant v = db.scalar(
        u"SELECT funcion FROM param WHERE numero = ? AND substr(argumento, 1, 4) <= ? "
        "ORDER BY argumento DESC LIMIT 1"_s,
        {u"404"_s, year.trimmed()});
    return v.isNull() ? QString() : v.toString().trimmed();
}

QString rateByConcept(Db& db, const QString& key, const QString& code, const QString& year) {
    const QVariant v = db.scalar(
        u"SELECT funcion FROM param WHERE numero = ? AND substr(argumento, 1, 6) = ? "
        "AND substr(argumento, 8, 6) <= ? ORDER BY substr(argumento, 8, 6) DESC LIMIT 1"_s,
        {code.trimmed(), key, year.trimmed() + u"01"_s});
    return v.isNull() ? QString() : numberText(field(v.toString(), 2, 6));
}

QString rateByDate(Db& db, const QString& code, const QString& year) {
    const QVariant v = db.scalar(
        u"SELECT funcion FROM param WHERE numero = ? AND substr(argumento, 1, 4) <= ? "
        "ORDER BY substr(argumento, 1, 8) DESC LIMIT 1"_s,
        {code.trimmed(), year.trimmed()});
    return v.isNull() ? u"0"_s : numberText(field(v.toString(), 2, 6));
}

void loadRates(Session& session) {
    Db& db = session.db();
    for (int i = 0; i < 5; ++i) {
        session.gTasa[i] = rateByConcept(db, QString::fromUtf16(kRateConcepts[i]), u"998"_s, session.gAnio);
    }
    session.gUIT = uit(db, session.gAnio);
}

QString defaultRucFuncion() {
    // Description (1,30), short name (32,11), length (46,2), usage flags (49,6), display order (56,2), usage
    // flags (59,24), data kind (128,1) and length kind (130,1); blanks are significant.
    return u"REG. UNICO DE CONTRIBUYENTES   RUC           11 000110 01 000001000001100111011111"
           "                                           0 5 0"_s;
}

}  // namespace zem::catalogue
