#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include "declaration/StoreAnnex.h"
#include "reports/PrintoutData.h"

namespace zem {
class Db;
}

namespace zem::reports {

class ReportWriter;

// The declaration printout (report type 2, code "RP0014"): the three pages of the form with every caption and
// box, then the annex listings chosen, written in the report markup. All positions are twips.
class DeclarationPrintout {
public:
    DeclarationPrintout(Db& db, ReportWriter& writer, const PrintoutData& data, const PrintoutChoice& choice);

    // Writes the chosen parts once (one copy). The document page counter starts at -1 for every document.
    void ImprimeDeclaracion();

    // One page header, x positions offset by left; returns the new document page number (0 for the first).
    qint16 CabeceraPagina(qint16 left, const QString& tableName);

    void PaginaRentaImponible();
    void PaginaDeuda();
    void PaginaComplementaria();
    void PaginaExoneradas();
    void AnexoPorCasilla(const QString& tableName, const QString& title, const QString& box);
    void AnexoDividendos(const QString& tableName, const QString& title);

    qint16 page() const { return page_; }

private:
    // The rows of one annex table for the declaration (and box), from the stored or the sent copy.
    QSqlQuery annexRows(const QString& tableName, const QString& box);
    QString payerName(const QString& document);
    void listing(const QString& tableName, const QString& title, const QString& box, bool dividends);

    // Writing helpers shared by the pages.
    void text(int x, int y, const QString& t, bool bold = false, int size = 8);
    void frame(int x1, int y1, int x2, int y2);
    void declarationTags();
    void sectionTitle(const QString& title);
    // The frame of the 47 rows of a declaration page.
    void rowFrames();
    // A box number at x in its cell.
    void boxNumber(int x, int y, int box);
    // A box value at x, formatted as an amount and right-aligned.
    void amount(int x, int y, int box);
    // A box value at x as it is stored (names, codes, dates).
    void plain(int x, int y, int box);
    // A caption row: the caption at x = 250 (or captionX), the box number at 8825 and its value at 9275.
    void boxRow(int y, const QString& caption, int box, int captionX = 250);
    void mark(int x, int y, bool on);
    QString description(const QString& catalogue, const QString& key, int length);

    Db& db_;
    ReportWriter& w_;
    const PrintoutData& d_;
    const PrintoutChoice& choice_;
    store::DescriptionCache cache_;
    QHash<QString, QString> payers_;  // payer names of the declaration by document number
    bool payersLoaded_ = false;
    qint16 page_ = -1;
};

// Left-pads the text with blanks to width characters; a text as long or longer comes back unchanged.
QString AlineaDerecha(const QString& text, int width);

// A box value as the printout shows it: formatted "###,###,###,##0;(###,###,###,##0)" and right-aligned to 15
// characters, 16 when negative, so that the last digits line up and ")" stands one column further right.
// Empty for an empty value; a text that is not a number comes back as it is.
QString printedAmount(const QString& value);

// The rows of the exempt-income page, in printing order.
const QStringList& exemptIncomeLines();

}  // namespace zem::reports
