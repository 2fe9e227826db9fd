#include "reports/Printout.h"

#include "data/Format.h"
#include "declaration/Declaration.h"
#include "reports/ReportWriter.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

const QString kAmountMask = u"###,###,###,##0;(###,###,###,##0)"_s;

qint16 twips(int v) {
    return static_cast<qint16>(v);
}

}  // namespace

QString AlineaDerecha(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), u' ') + text;
}

QString printedAmount(const QString& value) {
    if (value.trimmed().isEmpty())
        return {};
    const auto number = parseAmount(value);
    if (!number)
        return value;
    return AlineaDerecha(Format(*number, kAmountMask), *number < 0 ? 16 : 15);
}

DeclarationPrintout::DeclarationPrintout(Db& db, ReportWriter& writer, const PrintoutData& data,
                                         const PrintoutChoice& choice)
    : db_(db), w_(writer), d_(data), choice_(choice), cache_(db) {}

void DeclarationPrintout::ImprimeDeclaracion() {
    w_.startCopy();
    page_ = -1;
    if (choice_.declaracion) {
        PaginaRentaImponible();
        PaginaDeuda();
        PaginaComplementaria();
    }
    for (const AnnexGroup& group : annexGroups()) {
        for (const Listing& l : group.listings) {
            if (!choice_.listings.contains(l.key))
                continue;
            if (l.key == u"200")
                PaginaExoneradas();
            else if (l.key == u"DIVIDENDOS")
                AnexoDividendos(l.table, l.title);
            else
                AnexoPorCasilla(l.table, l.title, l.box);
        }
    }
}

void DeclarationPrintout::text(int x, int y, const QString& t, bool bold, int size) {
    w_.pEscribePos(twips(x), twips(y), t, bold, size, page_);
}

void DeclarationPrintout::frame(int x1, int y1, int x2, int y2) {
    w_.pEscribeCuadro(twips(x1), twips(y1), twips(x2), twips(y2), page_);
}

qint16 DeclarationPrintout::CabeceraPagina(qint16 left, const QString& tableName) {
    ++page_;
    if (page_ != 0) {
        w_.pEscribePos(0, 0, u"pNuevaHoja"_s, false, 8, page_);
        // Through the text writer, which does not count tag lines: counted, the 83rd page of a long listing
        // would get a page break of the tag writer in its middle.
        text(0, 0,
             tableName.compare(u"F0476EXTRANJ"_s, Qt::CaseInsensitive) == 0
                 ? u"<!Orientacion!>H<!/Orientacion!>"_s
                 : u"<!Orientacion!>V<!/Orientacion!>"_s);
    }
    const int l = left;
    text(l + 300, 350, u"KELOR"_s, true, 16);
    text(l + 300, 750, u"DECLARACION"_s);
    text(l + 550, 1100, u"PAGO"_s);
    text(l + 550, 1330, u"482"_s, true, 12);
    frame(l + 150, 300, l + 1700, 1640);
    frame(l + 8500, 300, l + 11000, 650);
    text(l + 3050, 400, u"DECLARACIÓN PAGO ANUAL IMPUESTO A LA RENTA"_s, true, 9);
    text(l + 9000, 400, u"Pag. "_s + QString::number(page_ + 1));
    text(l + 4100, 670, u"PERSONAS NATURALES"_s, true, 9);
    text(l + 3750, 900, u"Ejercicio Gravable 2006"_s);
    frame(l + 1700, 1100, l + 8500, 1370);
    text(l + 1750, 1170, u"RUC"_s);
    text(l + 3850, 1170, d_.key.ruc, true);
    text(l + 9030, 1170, u"TELEFONO"_s);
    text(l + 9030, 1440, d_.box(28));
    text(l + 1750, 1450, u"Apellidos y nombres"_s);
    text(l + 3850, 1450, d_.nombre, true);
    frame(l + 1700, 1370, l + 3800, 1640);
    frame(l + 3800, 1370, l + 8500, 1640);
    text(l + 9000, 670, u"Copia para el"_s);
    text(l + 9000, 900, u"Contribuyente"_s);
    frame(l + 8500, 300, l + 11000, 1100);
    frame(l + 8500, 1100, l + 11000, 1640);
    frame(l + 150, 1640, l + 2650, 1910);
    text(l + 300, 1720, u"NRO. CONTROL: "_s);
    text(l + 1800, 1720, d_.control, true);
    frame(l + 8500, 1640, l + 11000, 1910);
    text(l + 8700, 1720, u"NRO. ORDEN: "_s);
    text(l + 10000, 1720, d_.norden, true);
    return page_;
}

void DeclarationPrintout::declarationTags() {
    w_.pEscribeLinea(u"<!font!>Courier New<!/font!>"_s);
    w_.pEscribeLinea(choice_.exoneradas() ? u"<!nHojas!>4<!/nHojas!>"_s : u"<!nHojas!>3<!/nHojas!>"_s);
    w_.pEscribeLinea(u"<!Orientacion!>V<!/Orientacion!>"_s);
    w_.pEscribeLinea(u"<!Color!>&H00FFFFC0&<!/Color!>"_s);
}

void DeclarationPrintout::sectionTitle(const QString& title) {
    frame(150, 2280, 11000, 2550);
    text(300, 2340, title, true);
}

void DeclarationPrintout::rowFrames() {
    for (int i = 0; i <= 46; ++i)
        frame(150, 2820 + 270 * i, 11000, 3090 + 270 * i);
}

void DeclarationPrintout::amount(int x, int y, int box) {
    const QString v = printedAmount(d_.box(box));
    if (!v.isEmpty())
        text(x, y, v);
}

void DeclarationPrintout::plain(int x, int y, int box) {
    const QString v = d_.box(box).trimmed();
    if (!v.isEmpty())
        text(x, y, v);
}

void DeclarationPrintout::boxRow(int y, const QString& caption, int box, int captionX) {
    text(captionX, y, caption);
    boxNumber(8825, y, box);
    amount(9275, y, box);
}

void DeclarationPrintout::boxNumber(int x, int y, int box) {
    frame(x - 50, y - 60, x + 350, y + 210);
    text(x, y, boxCode(box));
}

void DeclarationPrintout::mark(int x, int y, bool on) {
    frame(x - 50, y - 60, x + 350, y + 210);
    if (on)
        text(x, y, u" X"_s);
}

QString DeclarationPrintout::description(const QString& catalogue, const QString& key, int length) {
    return cache_.get(catalogue, key, 1, length);
}

}  // namespace zem::reports
