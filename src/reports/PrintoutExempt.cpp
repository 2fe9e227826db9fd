// The page detailing the exempt (box 200) and non-taxable (box 201) incomes.
#include "declaration/Declaration.h"
#include "reports/Printout.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

const QStringList& exemptIncomeLines() {
    static const QStringList lines = {
        u"CASILLA 200 - RENTAS EXONERADAS "_s,
        u"a) Las remuneraciones que perciban, por el ejercicio de su cargo en el país, los"_s,
        u"   funcionarios  y  empleados  considerados  como  tales dentro de la estructura "_s,
        u"   organizacional   de   los   gobiernos  extranjeros,  instituciones  oficiales"_s,
        u"   extranjeras y organismos internacionales"_s,
        u"b) Las  rentas a que se refiere el inciso g) del Artículo 24º de la presente Ley"_s,
        u"   ( T.U.O. de la Ley del Impuesto a la Renta aprobado por D. S. N° 054-99-EF )"_s,
        u"c) Cualquier  tipo  de  interés  de  tasa  fija o variable, en moneda nacional o "_s,
        u"   extranjera, así como los incrementos o reajustes de capital provenientes de"_s,
        u"   de valores mobiliarios, emitidos por personas jurídicas, constituidas o "_s,
        u"   establecidas en el país, siempre que su colocación se efectúe mediante oferta"_s,
        u"   pública, al amparo de la Ley del Mercado de Valores. Inc. I) del Art. 19) de "_s,
        u"   la LIR"_s,
        u"d) La ganancia de capital proveniente de: "_s,
        u"    - La  venta  de  valores  mobiliarios  inscritos  en el Registro Público del"_s,
        u"      Mercado  de  Valores a través de mecanismos centralizados de negociación a"_s,
        u"      los que se refiere la Ley del Mercado de Valores; así como la que proviene "_s,
        u"      de la  enajenación de valores mobiliarios fuera de mecanismos centralizados"_s,
        u"      de negociación siempre que el enajenante sea una persona natural, una "_s,
        u"      sucesión indivisa o una sociedad conyugal que optó por tributar como tal."_s,
        u"    - La enajenación de los títulos representativos y de los contratos sobre"_s,
        u"      bienes o servicios efectuados en las Bolsas de Productos, a que se refieren "_s,
        u"      los incisos b) y c) del Artículo 3º de la Ley Nº 26361"_s,
        u"    - La redención o rescate de valores mobiliarios emitidos directamente,"_s,
        u"      mediante oferta pública, por personas jurídicas constituidas o establecidas"_s,
        u"      en el país; así como de la redención o rescate de los certificados de"_s,
        u"      participación y otros valores mobiliarios, emitidos por oferta pública,"_s,
        u"      en nombre de los fondos mutuos de inversión en valores,fondos de inversión,"_s,
        u"      o patrimonios fideicometidos, constituidos o establecidas en el país; de"_s,
        u"      conformidad con las normas de la materia."_s,
        u"e) Otras rentas exoneradas"_s,
        u"Total rentas exoneradas"_s,
        u"CASILLA 201 - RENTAS INAFECTAS"_s,
        u"a) Las indemnizaciones previstas por las disposiciones laborales vigentes."_s,
        u"b) Las  indemnizaciones  que se reciban por causa de muerte o incapacidad"_s,
        u"   producidas por acidentes o enfermedades."_s,
        u"c) Las  compensaciones  por  tiempo  de  servicios ,  previstas  por  las"_s,
        u"   disposiciones laborales vigentes."_s,
        u"d) Las  rentas  vitalicias  y  las  pensiones  que tengan su origen en el"_s,
        u"   trabajo personal, tales como jubilación, montepío e invalidez."_s,
        u"e) El resultado de la venta no habitual de un bien inmueble."_s,
        u"f) Otras rentas inafectas."_s,
        u"Total rentas inafectas"_s,
    };
    return lines;
}

void DeclarationPrintout::PaginaExoneradas() {
    declarationTags();
    CabeceraPagina(0, {});
    // The box of each item, on the item's last line (0-based line of the list above).
    static const QHash<int, int> amountAt = {{4, 535},  {6, 536},  {12, 537}, {29, 538}, {30, 539},
                                             {31, 200}, {33, 530}, {35, 531}, {37, 532}, {39, 533},
                                             {40, 534}, {41, 540}, {42, 201}};
    const QStringList& lines = exemptIncomeLines();
    for (int i = 0; i < lines.size(); ++i) {
        const int y = 2340 + 270 * i;
        const bool title = i == 0 || i == 32;
        const bool total = i == 31 || i == 42;
        text(300, y, lines[i], title || total, title ? 10 : 8);
        if (amountAt.contains(i)) {
            boxNumber(8825, y, amountAt[i]);
            amount(9275, y, amountAt[i]);
        }
    }
}

}  // namespace zem::reports
