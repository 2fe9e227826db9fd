// The three pages of the declaration form.
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "reports/Printout.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstRow = 2880;
constexpr int kRowHeight = 270;

int rowY(int i) {
    return kFirstRow + kRowHeight * i;
}

// One printed row of a declaration page: a caption line, with the box it carries (0 for none).
enum class Style { Caption, SubHeading, Bold };
struct FormRow {
    QString caption;
    int box = 0;
    Style style = Style::Caption;
};

FormRow sub(const QString& t) {
    return {t, 0, Style::SubHeading};
}
FormRow bold(const QString& t) {
    return {t, 0, Style::Bold};
}

}  // namespace

void DeclarationPrintout::PaginaRentaImponible() {
    declarationTags();
    CabeceraPagina(0, {});
    sectionTitle(u"1.- DETERMINACIÓN DE LA RENTA IMPONIBLE "_s);
    const QString ceiling = Format(Val(d_.deductionCeiling), u"###,##0"_s);
    const QList<FormRow> rows = {
        sub(u"PRIMERA CATEGORIA"_s),
        {u"Información de rentas por predios o bienes muebles arrendados o subarrendados "_s, 100},
        {u"declarados a KELOR. (Detalle en la casilla 133) "_s},
        {u"Información adicional de predios o bienes muebles arrendados, subarrendados  "_s, 102},
        {u"o cedidos (gratuitamente a precio no determinado) no declarados a KELOR "_s},
        {u"Total renta bruta                                       Cas. 100 + Cas. 102"_s, 501},
        {u"Deducción                        (20% del monto calculado en la casilla 501)"_s, 502},
        {u"TOTAL RENTA DE PRIMERA CATEGORIA                        Cas. 501 - Cas. 502"_s, 503},
        sub(u"SEGUNDA CATEGORIA"_s),
        {u"Ganancias de capital neta"_s, 520},
        {u"Otras rentas de segunda categoría"_s, 106},
        {u"Total renta bruta                            Cas. 520  + Cas. 106"_s, 504},
        {u"Deducción                        (10% del monto calculado en la casilla 504)"_s, 505},
        {u"TOTAL RENTA DE SEGUNDA CATEGORIA                        Cas. 504 - Cas. 505"_s, 506},
        sub(u"CUARTA Y QUINTA CATEGORIA"_s),
        bold(u"CUARTA CATEGORIA "_s),
        {u"Renta bruta obtenida por el ejercicio individual "_s, 107},
        {u"(Profesión, arte, ciencia u oficio)"_s},
        {u"Deducción  (20% del monto consignado en la casilla 107- Máximo S/. "_s + ceiling + u")"_s, 507},
        {u"Renta neta obtenida por ejercic. individual "_s, 508},
        {u"(Profesión,arte,ciencia u oficio) Cas.107 - Cas.507"_s},
        {u"Otras rentas de cuarta categoría"_s, 108},
        {u"TOTAL RENTAS DE CUARTA CATEGORIA          (Cas. 508 + Cas. 108) - Cas. 110"_s, 509},
        bold(u"QUINTA CATEGORIA "_s),
        {u"TOTAL RENTAS DE QUINTA CATEGORIA                "_s, 111},
        {u"TOTAL RENTAS DE CUARTA Y QUINTA CATEGORIA              Cas. 509 + Cas. 111"_s, 510},
        {u"Deducción de 7 UIT           (Hasta el límite calculado de la casilla 510)"_s, 511},
        {u"TOTAL RENTA NETA DE CUARTA Y QUINTA CATEGORIA          Cas. 510 - Cas. 511"_s, 512},
        sub(u"RENTA IMPONIBLE"_s),
        {u"Renta neta global (Renta neta de fuente peruana) (Cas. 503 + Cas. 506 + Cas. 512)"_s, 113},
        {u"ITF (Hasta renta neta global de fuente peruana sin 5ta Categoría)"_s, 522},
        {u"Donaciones - Hasta el 10% de la casilla 528 "_s, 519},
        {u"SUBTOTAL                                   Cas. 113 - ( Cas. 522 + Cas 519 ) "_s, 514},
        {u"Pérdidas extraordinarias de primera categoría"_s, 114},
        {u"Pérdidas de Capital Segunda Categoría - Enajenación Inmuebles"_s, 523},
        {u"Subtotal (Cas. 514 - Cas. 114 - Cas. 523)"_s, 513},
        {u"Renta neta de fuente extranjera"_s, 116},
        {u"Pérdidas de ejercicios anteriores"_s, 115},
        {u"Subtotal (Cas. 513 + Cas. 116  - Cas. 115) "_s, 528},
        {u"Promoción de la Inversión en la Amazonía-Ley 27037 (Hasta el 20% de casilla 528)"_s, 117},
        {u"TOTAL RENTA IMPONIBLE                                  Cas. 528 - Cas. 117"_s, 515},
        bold(u"ASISTENTE CASILLA 102"_s),
        {u"Renta bruta de predios o bienes muebles arrendados,subarrendados no decl. a KELOR "_s, 557},
        {u"Renta ficta de predios o bienes muebles cedidos"_s, 558},
        bold(u"ASISTENTE CASILLA 520 "_s),
        {u"Valor enajenación inmueble(s)."_s, 550},
        {u"Costo computable  inmueble(s)."_s, 551},
    };
    rowFrames();
    for (int i = 0; i < rows.size(); ++i) {
        const FormRow& r = rows[i];
        if (r.style == Style::SubHeading)
            text(3000, rowY(i), r.caption, true);
        else if (r.style == Style::Bold)
            text(250, rowY(i), r.caption, true);
        else if (r.box != 0)
            boxRow(rowY(i), r.caption, r.box);
        else
            text(250, rowY(i), r.caption);
    }
}

void DeclarationPrintout::PaginaDeuda() {
    declarationTags();
    CabeceraPagina(0, {});
    sectionTitle(u"2.- DETERMINACIÓN DE LA DEUDA"_s);
    rowFrames();
    int i = 0;  // the row being written
    boxRow(rowY(i++), u" Impuesto a la renta según escala"_s, 120, 150);
    // The credits, their group named in the left column.
    auto group = [this](int first, int rows, const QStringList& label) {
        frame(150, rowY(first) - 60, 1700, rowY(first + rows) - 60);
        const int step = rows * kRowHeight / static_cast<int>(label.size());
        for (int k = 0; k < label.size(); ++k)
            text(300, rowY(first) - 30 + k * step, label[k]);
    };
    auto credits = [&](const QList<QPair<QString, int>>& rows) {
        for (const auto& [caption, box] : rows)
            boxRow(rowY(i++), caption, box, 1800);
    };
    group(i, 2, {u"CREDITO SIN"_s, u" DERECHO A"_s, u" DEVOLUCION"_s});
    credits({{u"Crédito por Impuesto a la Renta de fuente extranjera"_s, 122},
             {u"Otros créditos sin derecho a devolución"_s, 124}});
    boxRow(rowY(i++), u"        SUB TOTAL                        Cas. 120 - (Cas. 122 + 124)"_s, 516);
    group(i, 9, {u"CREDITO CON"_s, u"DERECHO A"_s, u"DEVOLUCION"_s});
    credits({
        {u"Saldo a favor del ejercicio anterior"_s, 125},
        {u"Pago directo del Impuesto a la Renta de primera categoría"_s, 133},
        {u"Pago directo del Impuesto a la Renta de segunda categoría"_s, 529},
        {u"Pago directo del Impuesto a la Renta de cuarta categoría"_s, 127},
        {u"Otros pagos directos mensuales"_s, 128},
        {u"Impuesto retenido sobre rentas de segunda categoría"_s, 129},
        {u"Impuesto retenido sobre rentas de cuarta categoría"_s, 130},
        {u"Impuesto retenido sobre rentas de quinta categoría"_s, 131},
        {u"Otros créditos con derecho a devolución"_s, 132},
    });
    // The balance: in favour of the taxpayer (returned, 140, or applied, 141) or of the treasury (142).
    group(i, 4, {u"SALDO POR"_s, u"REGULARIZAR"_s});
    text(1800, rowY(i), u"A FAVOR DEL"_s);
    text(1800, rowY(i + 1), u"CONTRIBUYENTE"_s);
    text(3530, rowY(i), u"1. Devolución"_s);
    boxNumber(7100, rowY(i), 140);
    amount(7550, rowY(i++), 140);
    text(3530, rowY(i), u"2. Aplicación contra futuros"_s);
    boxNumber(8825, rowY(i), 141);
    amount(9275, rowY(i++), 141);
    text(3530, rowY(i++), u"pagos a cuenta y/o regularización"_s);
    credits({{u"A FAVOR DEL FISCO"_s, 142}});
    boxRow(rowY(i++), u"Pagos contra el saldo a favor del fisco,realizados antes de la "_s, 144);
    text(250, rowY(i++), u"presentación de este formulario"_s);
    boxRow(rowY(i++), u"Interés moratorio"_s, 145);
    boxRow(rowY(i++), u"Saldo de la deuda tributaria               (Cas. 142 - Cas. 144) + Cas. 145"_s, 146);
    text(250, rowY(i), u"IMPORTE A PAGAR "_s, true);
    boxNumber(8825, rowY(i), 180);
    amount(9275, rowY(i++), 180);
    text(250, rowY(i), u"FORMA DE PAGO"_s);
    mark(6600, rowY(i), d_.efectivo == u"1");
    text(7050, rowY(i), u"EFECTIVO"_s);
    mark(8825, rowY(i), d_.cheque == u"1");
    text(9275, rowY(i++), u"CHEQUE"_s);
    text(250, rowY(i), u"Número de cheque"_s);
    boxNumber(8825, rowY(i), 12);
    if (!d_.nrocheque.isEmpty())
        text(9275, rowY(i), d_.nrocheque);
    ++i;
    text(250, rowY(i), u"Banco "_s);
    boxNumber(6600, rowY(i), 15);
    if (!d_.bcolibrad.isEmpty())
        text(7050, rowY(i), d_.bcolibrad + u' ' + description(u"004"_s, d_.bcolibrad, 36));
    ++i;

    text(300, rowY(i++), u"3.- IDENTIFICACION"_s, true);
    text(250, rowY(i), u"Profesión u Oficio"_s);
    boxNumber(6600, rowY(i), 25);
    if (!d_.box(25).trimmed().isEmpty())
        text(7050, rowY(i), d_.box(25).trimmed() + u' ' + description(u"979"_s, d_.box(25), 36));
    ++i;
    auto answer = [this](int y, const QString& caption, const QString& value) {
        text(250, y, caption);
        if (!value.isEmpty())
            text(10000, y, value == u"1" ? u"SI"_s : u"NO"_s);
    };
    auto choice = [this](int y, const QString& caption, int box, const QString& first,
                         const QString& second) {
        text(250, y, caption);
        mark(6600, y, d_.box(box).trimmed() == u"1");
        text(7050, y, first);
        mark(8825, y, d_.box(box).trimmed() == u"2");
        text(9275, y, second);
    };
    choice(rowY(i++), u"Inmueble donde realiza sus actividades"_s, 27, u"ALQUILADO"_s, u"PROPIO"_s);
    answer(rowY(i++), u"¿Utilizará inform. proporcionada por KELOR para su decla.?"_s, d_.box(554).trimmed());
    choice(rowY(i++), u"Tipo de declaración"_s, 552, u"PERSONAL"_s, u"SOC. CONYUGAL"_s);
    const QString rectifies = d_.box(5).trimmed().isEmpty() ? d_.rectifica : d_.box(5).trimmed();
    answer(rowY(i++), u"La presente declaración rectifica o sustituye a otra"_s, rectifies);

    text(300, rowY(i++), u"4.- PERDIDAS"_s, true);
    text(2700, rowY(i++), u"Saldo de las pérdidas de ejercicios anteriores"_s, true);
    for (const auto& [year, box] :
         QList<QPair<QString, int>>{{u"2002"_s, 526}, {u"2003"_s, 527}, {u"2004"_s, 555}, {u"2005"_s, 562}})
        boxRow(rowY(i++), year, box);
    text(250, rowY(i++), u"ASISTENTE CASILLA 125"_s, true);
    text(250, rowY(i++), u"Saldo a favor del ejercicio anterior"_s, true);
    boxRow(rowY(i++), u"Saldo a favor del ejercicio 2005"_s, 563);
    boxRow(rowY(i++), u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2006"_s, 564);
    boxRow(rowY(i++), u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2007"_s, 565);
}

void DeclarationPrintout::PaginaComplementaria() {
    declarationTags();
    CabeceraPagina(0, {});
    sectionTitle(u"4.- INFORMACIÓN COMPLEMENTARIA"_s);
    rowFrames();
    text(250, rowY(0), u"DATOS DEL DECLARANTE"_s);
    mark(6600, rowY(0), d_.box(556).trimmed() == u"1");
    text(7050, rowY(0), u"Contribuyente"_s);
    mark(8825, rowY(0), d_.box(556).trimmed() == u"2");
    text(9275, rowY(0), u"Rep. Legal "_s);
    auto field = [this](int i, const QString& caption, int box) {
        text(250, rowY(i), caption);
        plain(3000, rowY(i), box);
    };
    auto documentType = [this](int i, int box) {
        text(250, rowY(i), u"TIPO DOCUMENTO"_s);
        const QString code = d_.box(box).trimmed();
        if (!code.isEmpty())
            text(3000, rowY(i), code + u' ' + description(u"044"_s, code, 30));
    };
    text(3000, rowY(1), u"DATOS DEL CONTRIBUYENTE / REPRESENTANTE LEGAL"_s, true);
    field(2, u"APELLIDO PATERNO "_s, 811);
    field(3, u"APELLIDO MATERNO"_s, 812);
    field(4, u"NOMBRES"_s, 813);
    documentType(5, 301);
    field(6, u"NUMERO DE DOCUMENTO"_s, 302);
    text(3000, rowY(7), u"DATOS DEL CONYUGE"_s, true);
    field(8, u"APELLIDO PATERNO"_s, 814);
    field(9, u"APELLIDO MATERNO"_s, 815);
    field(10, u"NOMBRES"_s, 890);
    documentType(11, 235);
    field(12, u"NUMERO DE DOCUMENTO"_s, 236);
    field(13, u"FECHA DE NACIMIENTO "_s, 234);

    auto answer = [this](int i, const QString& caption, int box) {
        text(250, rowY(i), caption);
        const QString v = d_.box(box).trimmed();
        if (!v.isEmpty())
            text(10000, rowY(i), v == u"1" ? u"SI"_s : u"NO"_s);
    };
    text(3500, rowY(14), u"OTROS INGRESOS"_s, true);
    answer(15, u"¿Tiene rentas exoneradas? "_s, 560);
    answer(16, u"¿Tiene rentas inafectas?"_s, 561);
    boxRow(rowY(17), u"Total rentas exoneradas del Impuesto a la Renta percibidas en el ejercicio"_s, 200);
    boxRow(rowY(18), u"Total rentas inafectas del Impuesto a la Renta percibidas en el ejercicio"_s, 201);
    boxRow(rowY(19), u"Result. por actividades generadoras de rentas de 3ra. categoría (Util. "_s, 203);
    text(250, rowY(20), u"neta antes de impuestos) "_s);
    boxRow(rowY(21), u"Total Dividendos percibidos"_s, 118);
    boxRow(rowY(22), u"TOTAL ING. DEL EJERCICIO 2006  Cas.113+Cas.116+Cas 118+Cas.200+Cas.201+Cas.203"_s,
           518);
    answer(23, u"¿La rentas declaradas de primera categoría, incluyen la obtenida en condominio? "_s, 559);

    text(3000, rowY(24), u"INFORMACION COMPLEMENTARIA"_s, true);
    text(
        250, rowY(25),
        u"A.Detalle de gastos por alq.de bienes muebles e inmuebles corres.al año 2006 pagados o no en dicho año"_s,
        true);
    const QList<QPair<int, QStringList>> headings = {
        {300,
         {u"Apellidos y nombres, denominación o razón social de la"_s,
          u"persona que le alquila o sub-alquila el bien mueble "_s, u"o inmueble"_s}},
        {5600, {u"Tipo Doc."_s}},
        {6600,
         {u" Doc. identidad de"_s, u" la persona que le"_s, u" alquila el bien"_s,
          u" Número de documento"_s}},
        {8825, {u"  Monto anual del"_s, u"  alquiler (S/.)"_s}},
    };
    // The four heading lines stand right above the three rows (y 12330, 12600 and 12870).
    for (const auto& [x, lines] : headings) {
        for (int k = 0; k < lines.size(); ++k)
            text(x, rowY(31 + k), lines[k]);
    }
    const int rowsY[] = {12330, 12600, 12870};
    for (int k = 0; k < 3; ++k) {
        const int y = rowsY[k];
        text(300, y, (d_.box(819 + k) + d_.box(continuationOfName(819 + k))).trimmed());
        const int type = 204 + k, number = k < 2 ? 208 + k : 211, rent = 212 + k;
        boxNumber(5600, y, type);
        plain(6100, y, type);
        boxNumber(6600, y, number);
        plain(7050, y, number);
        boxNumber(8825, y, rent);
        amount(9275, y, rent);
    }
}

}  // namespace zem::reports
