#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

#include "declaration/DeclarationKey.h"

namespace zem {
class Db;
}

namespace zem::reports {

// What the declaration printout prints from: the boxes and header of one stored (or sent) declaration.
struct PrintoutData {
    DeclarationKey key;
    QHash<int, QString> boxes;  // every stored box but 721 and 722, by number
    QString nombre;             // the taxpayer's name in the contributor register
    QString norden;             // order and control numbers of a sent declaration
    QString control;
    QString efectivo, cheque, nrocheque, bcolibrad, rectifica;
    QString deductionCeiling;  // 24 UIT, the cap of box 507, as a number

    QString box(int number) const { return boxes.value(number); }
};

// Loads the declaration's boxes and header (CargarCasillas). Nothing when the declaration does not exist.
std::optional<PrintoutData> CargarCasillas(Db& db, const DeclarationKey& key);

// One annex listing of the printout, keyed by its box ("106") or, for the listings without one, by a word.
struct Listing {
    QString key;    // "106", "CONDOMINOS", "FIDEICOMISOS", "DIVIDENDOS"; "200" is the exempt-income page
    QString title;  // as printed
    QString table;  // stored table; empty for the exempt-income page
    QString box;    // empty for a whole-table listing
};

// The annex groups of the print dialog, in printing order, and their listings.
struct AnnexGroup {
    QString name;
    QList<Listing> listings;
};
const QList<AnnexGroup>& annexGroups();

// Every listing key, in printing order.
QStringList allListingKeys();

// What to print: the three declaration pages and the listings whose keys are chosen.
struct PrintoutChoice {
    bool declaracion = true;
    QSet<QString> listings;
    // The exempt-income page is chosen: the declaration is then said to have 4 pages, else 3.
    bool exoneradas() const { return listings.contains(QStringLiteral("200")); }
    bool empty() const { return !declaracion && listings.isEmpty(); }
};

}  // namespace zem::reports
