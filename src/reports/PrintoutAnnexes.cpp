// The annex listings: one per box or table, with headings, page continuation, the count and the total.
#include "data/Format.h"
#include "reports/AnnexLayouts.h"
#include "reports/Printout.h"
#include "startup/Database.h"
#include "startup/SqlDialect.h"
#include "startup/Utility.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstRow = 2880;
constexpr int kRowHeight = 270;
constexpr int kLastRow = 14000;       // a row below this starts a new page
constexpr int kClosingLimit = 13900;  // the count and total need one row above this
constexpr int kCharWidth = 96;        // twips per character of Courier New 8

QString amountText(const QString& value, const QString& mask) {
    const QString v = value.trimmed();
    return v.isEmpty() ? v : Format(Val(v), mask);
}

// The width in characters of a column of several headings, up to the next heading (or the page frame).
int columnChars(const AnnexLayout& l, int i) {
    const int next = i + 1 < l.columns.size() ? l.columns[i + 1].x : 11000;
    return std::max(1, (next - l.columns[i].x) / kCharWidth - 1);
}

// Amounts under one of several headings end with the heading (at least 10 characters, within the column).
int amountChars(const AnnexLayout& l, int i) {
    return std::min(columnChars(l, i), std::max(static_cast<int>(l.columns[i].label.size()), 10));
}

}  // namespace

QSqlQuery DeclarationPrintout::annexRows(const QString& tableName, const QString& box) {
    const DeclarationKey& k = d_.key;
    QString sql = (k.sent ? u"SELECT * FROM h"_s : u"SELECT * FROM "_s) + tableName +
                  u" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?"_s;
    QVariantList params = {k.ruc, k.periodo, k.formulario};
    if (k.sent) {
        sql += u" AND correl = ?"_s;
        params.append(k.correl);
    }
    if (!box.isEmpty()) {
        sql += u" AND casilla = ?"_s;
        params.append(box);
    }
    return db_.select(sql + inEntryOrder(db_.dialect()), params);
}

QString DeclarationPrintout::payerName(const QString& document) {
    if (!payersLoaded_) {
        payersLoaded_ = true;
        QSqlQuery q = annexRows(u"F0482RETCAB"_s, {});
        while (q.next()) {
            const QString doc = q.value(u"num_doc_ret"_s).toString().trimmed();
            QString name = q.value(u"des_razon"_s).toString().trimmed();
            if (name.isEmpty()) {
                name = (q.value(u"des_ape_pat"_s).toString() + u' ' + q.value(u"des_ape_mat"_s).toString() +
                        u' ' + q.value(u"des_nombres"_s).toString())
                           .simplified();
            }
            if (!doc.isEmpty() && !payers_.contains(doc))
                payers_.insert(doc, name);
        }
    }
    return payers_.value(document.trimmed());
}

void DeclarationPrintout::AnexoPorCasilla(const QString& tableName, const QString& title,
                                          const QString& box) {
    listing(tableName, title, box, false);
}

void DeclarationPrintout::AnexoDividendos(const QString& tableName, const QString& title) {
    listing(tableName, title, {}, true);
}

void DeclarationPrintout::listing(const QString& tableName, const QString& title, const QString& box,
                                  bool dividends) {
    const AnnexLookups lookups{
        [this](const QString& catalogue, const QString& key) { return description(catalogue, key, 40); },
        [this](const QString& document) { return payerName(document); }};
    const AnnexLayout l = annexLayout(tableName, box, lookups);
    const bool single = !l.heading.isEmpty();
    // Where each column of a single heading line starts, in characters.
    QList<int> starts;
    for (const AnnexColumn& c : l.columns)
        starts.append(single ? std::max(0, static_cast<int>(l.heading.indexOf(c.label))) : 0);

    // Where the amounts of the summed column end (twips): the total ends there too.
    int totalEnd = 300 + 104 * kCharWidth;
    for (int i = 0; i < l.columns.size(); ++i) {
        if (l.columns[i].column != l.totalColumn || l.totalColumn.isEmpty())
            continue;
        totalEnd = single ? 300 + std::max(static_cast<int>(l.heading.size()), starts[i] + 15) * kCharWidth
                          : l.columns[i].x + amountChars(l, i) * kCharWidth;
    }

    auto startPage = [&] {
        CabeceraPagina(0, tableName);
        frame(150, 1910, 11000, 2200);
        text(300, 1980, title, true);
        frame(150, 2540, 11000, 2810);
        if (single) {
            text(300, 2600, l.heading, true);
        } else {
            for (const AnnexColumn& c : l.columns)
                text(c.x, 2600, c.label, true);
        }
    };
    auto rowText = [&](const AnnexRow& q) {
        QString line;
        for (int i = 0; i < l.columns.size(); ++i) {
            const AnnexColumn& c = l.columns[i];
            const QString v = c.amount ? amountText(c.value(q), l.amountMask) : c.value(q);
            if (i + 1 < l.columns.size()) {
                line += util::RellenaDerecha(v, starts[i + 1] - starts[i]);
            } else {
                const int end = std::max(static_cast<int>(l.heading.size()), starts[i] + 15);
                line += c.amount ? AlineaDerecha(v, end - starts[i]) : v;
            }
        }
        return line;
    };

    startPage();
    QSqlQuery query = annexRows(tableName, box);
    const AnnexRow q(query);
    int y = kFirstRow;
    int count = 0;
    double total = 0;
    while (query.next()) {
        if (single) {
            text(300, y, rowText(q));
        } else {
            for (int i = 0; i < l.columns.size(); ++i) {
                const AnnexColumn& c = l.columns[i];
                const int width = c.amount ? amountChars(l, i) : columnChars(l, i);
                const QString v = c.amount ? AlineaDerecha(amountText(c.value(q), l.amountMask), width)
                                           : util::RellenaDerecha(c.value(q), width).trimmed();
                if (!v.trimmed().isEmpty())
                    text(c.x, y, v);
            }
        }
        ++count;
        if (!l.totalColumn.isEmpty())
            total += Val(q.value(l.totalColumn));
        y += kRowHeight;
        if (y > kLastRow) {
            startPage();
            y = kFirstRow;
        }
    }
    if (dividends && count == 0) {
        text(300, y, u"NO EXISTE INFORMACIÓN A DECLARAR"_s);
        return;
    }
    if (y + kRowHeight > kClosingLimit) {
        startPage();
        y = kFirstRow;
    }
    text(300, y, u"Cantidad total de registros  :"_s + QString::number(count));
    if (!l.totalLabel.isEmpty()) {
        const QString sum = AlineaDerecha(Format(total, l.amountMask), 15);
        const int x = totalEnd - static_cast<int>(sum.size()) * kCharWidth;
        text(x - static_cast<int>(l.totalLabel.size() + 1) * kCharWidth, y + kRowHeight, l.totalLabel);
        text(x, y + kRowHeight, sum);
    }
}

}  // namespace zem::reports
