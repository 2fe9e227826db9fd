#include "declaration/BoxTable.h"

#include <algorithm>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

using K = BoxKind;
using F = Feeder;

const QString kAnnexHelp =
    u"Presione Enter o un dígito para registrar el detalle; la casilla recibe su total."_s;
const QString kAssistantHelp =
    u"Presione Enter o un dígito para abrir el asistente que calcula esta casilla."_s;
const QString kComputedHelp = u"Casilla calculada por el programa: "_s;

BoxInfo entered(int box, const QString& caption, const QString& help = {}) {
    return {box, K::Entered, F::None, caption,
            help.isEmpty() ? u"Registre el importe en soles, sin decimales."_s : help};
}
BoxInfo computed(int box, const QString& caption, const QString& formula) {
    return {box, K::Computed, F::None, caption, kComputedHelp + formula};
}
BoxInfo annex(int box, Feeder feeder, const QString& caption) {
    return {box, K::Annex, feeder, caption, kAnnexHelp};
}
BoxInfo assistant(int box, Feeder feeder, const QString& caption) {
    return {box, K::Assistant, feeder, caption, kAssistantHelp};
}
BoxInfo line(int box, const QString& caption) {
    return {box, K::AssistantLine, F::None, caption, u"Línea del asistente; se registra desde su ventana."_s};
}
BoxInfo code(int box, const QString& caption, const QString& help) {
    return {box, K::Code, F::None, caption, help};
}
BoxInfo text(int box, const QString& caption, const QString& help) {
    return {box, K::Text, F::None, caption, help};
}

QList<BoxInfo> buildTable() {
    QList<BoxInfo> t = {
        text(2, u"Número de RUC del declarante"_s, u"Se toma del contribuyente elegido."_s),
        code(5, u"¿La presente declaración rectifica o sustituye a otra?"_s, u"1 = Sí, 0 = No."_s),
        text(7, u"Período"_s, u"El ejercicio de la declaración."_s),
        text(12, u"Número de cheque"_s, u"Número del cheque con el que paga."_s),
        code(15, u"Banco"_s, u"Código del banco que gira el cheque."_s),
        code(25, u"Profesión u Oficio"_s, u"Elija la profesión u oficio del declarante."_s),
        code(27, u"¿Ha pagado usted alquiler por algún bien mueble o inmueble durante el ejercicio?"_s,
             u"1 = Sí, 2 = No. Si pagó alquiler, detalle a los arrendadores."_s),
        text(28, u"Teléfono"_s, u"Teléfono fijo de 7 dígitos o celular de 8 ó 7 dígitos."_s),

        entered(100,
                u"Información de rentas por predios o bienes muebles arrendados o subarrendados declarados a "
                "KELOR (Detalle en la casilla 133)"_s,
                u"Renta bruta de primera categoría declarada con los pagos directos de la casilla 133."_s),
        assistant(102, F::RentNotDeclared,
                  u"Información adicional de predios o bienes muebles arrendados, subarrendados o cedidos "
                  "(gratuitamente a precio no determinado) no declarados a KELOR"_s),
        entered(105, u"Otras rentas de segunda categoría no detalladas"_s),
        annex(106, F::Withholdings, u"Otras rentas de segunda categoría"_s),
        annex(107, F::Withholdings,
              u"Renta bruta obtenida por el ejercicio individual (Profesión, arte, ciencia u oficio)"_s),
        annex(108, F::Withholdings, u"Otras rentas de cuarta categoría"_s),
        entered(110,
                u"Impuesto Extraordinario de Solidaridad ( IES ) determinado de enero a noviembre 2006"_s),
        annex(111, F::Withholdings, u"TOTAL RENTAS DE QUINTA CATEGORIA"_s),
        computed(113, u"Renta neta global (Renta neta de fuente peruana) (Cas. 503 + Cas. 506 + Cas. 512)"_s,
                 u"Cas. 503 + Cas. 506 + Cas. 512."_s),
        entered(114, u"Pérdidas extraordinarias de primera categoría"_s,
                u"Se habilita cuando hay rentas de primera categoría (casillas 100 ó 102)."_s),
        assistant(115, F::Losses, u"Pérdidas de ejercicios anteriores"_s),
        entered(116, u"Renta neta de fuente extranjera"_s),
        annex(117, F::Amazonia,
              u"Promoción de la Inversión en la Amazonía-Ley 27037 (Hasta el 20% de casilla 528)"_s),
        annex(118, F::Dividends, u"Total Dividendos percibidos"_s),
        computed(120, u"Impuesto a la renta según escala"_s,
                 u"15% hasta 27 UIT, 21% por el exceso hasta 54 UIT y 30% por el exceso de 54 UIT."_s),
        annex(122, F::ForeignTax, u"Crédito por Impuesto a la Renta de fuente extranjera"_s),
        annex(124, F::Norms, u"Otros créditos sin derecho a devolución"_s),
        assistant(125, F::PreviousBalance, u"Saldo a favor del ejercicio anterior"_s),
        annex(127, F::PaymentsOnAccount, u"Pago directo del Impuesto a la Renta de cuarta categoría"_s),
        entered(128, u"Otros pagos directos mensuales"_s),
        annex(129, F::Withholdings, u"Impuesto retenido sobre rentas de segunda categoría"_s),
        annex(130, F::Withholdings, u"Impuesto retenido sobre rentas de cuarta categoría"_s),
        annex(131, F::Withholdings, u"Impuesto retenido sobre rentas de quinta categoría"_s),
        annex(132, F::Norms, u"Otros créditos con derecho a devolución"_s),
        annex(133, F::DirectPayments, u"Pago directo del Impuesto a la Renta de primera categoría"_s),
        code(
            140,
            u"Saldo a favor: 1. Devolución  2. Aplicación contra futuros pagos a cuenta y/o regularización"_s,
            u"Digite 1 para pedir la devolución o 2 para aplicarlo contra pagos futuros."_s),
        computed(141, u"Saldo a favor del contribuyente"_s,
                 u"exceso de pagos y créditos sobre la casilla 516."_s),
        computed(142, u"Saldo por regularizar a favor del fisco"_s, u"Cas. 516 menos pagos y créditos."_s),
        entered(
            144,
            u"Pagos contra el saldo a favor del fisco,realizados antes de la presentación de este formulario"_s),
        entered(145, u"Interés moratorio"_s, u"Se habilita cuando hay saldo a favor del fisco."_s),
        computed(146, u"Saldo de la deuda tributaria (Cas. 142 - Cas. 144) + Cas. 145"_s,
                 u"(Cas. 142 - Cas. 144) + Cas. 145."_s),
        entered(180, u"IMPORTE A PAGAR"_s,
                u"Importe que pagará con este formulario; registre 0 si no paga."_s),
        assistant(200, F::ExemptIncome,
                  u"Total rentas exoneradas del Impuesto a la Renta percibidas en el ejercicio"_s),
        assistant(201, F::NonTaxableIncome,
                  u"Total rentas inafectas del Impuesto a la Renta percibidas en el ejercicio"_s),
        entered(
            203,
            u"Result. por actividades generadoras de rentas de 3ra. categoría (Util. neta antes de impuestos)"_s),
    };

    const QString lessor[] = {u"primer"_s, u"segundo"_s, u"tercer"_s};
    for (int i = 0; i < 3; ++i) {
        const QString who = u" del "_s + lessor[i] + u" arrendador"_s;
        t << code(204 + i, u"Tipo Doc."_s + who, u"Tipo de documento"_s + who + u'.')
          << text(i < 2 ? 208 + i : 211, u"Número de documento"_s + who,
                  u"Número de documento"_s + who + u'.')
          << entered(212 + i, u"Monto anual del alquiler (S/.)"_s + who)
          << text(819 + i, u"Apellidos y nombres, denominación o razón social"_s + who,
                  u"Nombre o razón social"_s + who + u'.');
    }
    const int fourthNumbers[] = {215, 217, 218, 219};
    for (int i = 0; i < 4; ++i) {
        const QString which = u" de la línea "_s + QString::number(i + 1) + u" de cuarta categoría"_s;
        t << text(fourthNumbers[i], u"Número de documento"_s + which, u"Número de documento"_s + which + u'.')
          << entered(220 + i, u"Monto"_s + which)
          << code(224 + i, u"Tipo Doc."_s + which, u"Tipo de documento"_s + which + u'.')
          << text(822 + i, u"Apellidos y nombres o razón social"_s + which, u"Nombre"_s + which + u'.');
    }
    t << text(229, u"Amazonía: primer dato"_s, u"Dato de la sección Amazonía."_s)
      << text(230, u"Amazonía: segundo dato"_s, u"Dato de la sección Amazonía."_s)
      << entered(231, u"Amazonía: primer monto"_s) << entered(232, u"Amazonía: segundo monto"_s)
      << text(817, u"Amazonía: primer nombre"_s, u"Nombre en la sección Amazonía."_s)
      << text(818, u"Amazonía: segundo nombre"_s, u"Nombre en la sección Amazonía."_s);

    t << BoxInfo{234, K::Date, F::None, u"FECHA DE NACIMIENTO del cónyuge"_s,
                 u"Fecha en formato dd/mm/aaaa."_s}
      << code(235, u"TIPO DOCUMENTO del cónyuge"_s, u"Tipo de documento del cónyuge."_s)
      << text(236, u"NUMERO DE DOCUMENTO del cónyuge"_s, u"Número de documento del cónyuge."_s)
      << code(301, u"TIPO DOCUMENTO del declarante o representante legal"_s, u"Tipo de documento."_s)
      << text(302, u"NUMERO DE DOCUMENTO del declarante o representante legal"_s, u"Número de documento."_s);

    for (int i = 0; i < 50; ++i) {
        const QString n = QString::number(i + 1);
        t << code(400 + 2 * i, u"Tipo de documento del condómino "_s + n,
                  u"Se registra en la lista de condóminos."_s)
          << text(401 + 2 * i, u"Número de documento del condómino "_s + n,
                  u"Se registra en la lista de condóminos."_s);
    }

    t << computed(501, u"Total renta bruta Cas. 100 + Cas. 102"_s, u"Cas. 100 + Cas. 102."_s)
      << computed(502, u"Deducción (20% del monto calculado en la casilla 501)"_s,
                  u"20% de la casilla 501."_s)
      << computed(503, u"TOTAL RENTA DE PRIMERA CATEGORIA Cas. 501 - Cas. 502"_s, u"Cas. 501 - Cas. 502."_s)
      << computed(504, u"Total renta bruta Cas. 520 + Cas. 106"_s, u"Cas. 520 + Cas. 106."_s)
      << computed(505, u"Deducción (10% del monto calculado en la casilla 504)"_s,
                  u"10% de la casilla 504."_s)
      << computed(506, u"TOTAL RENTA DE SEGUNDA CATEGORIA Cas. 504 - Cas. 505"_s, u"Cas. 504 - Cas. 505."_s)
      << computed(507, u"Deducción (20% del monto consignado en la casilla 107 - Máximo 24 UIT)"_s,
                  u"20% de la casilla 107, con un máximo de 24 UIT."_s)
      << computed(
             508,
             u"Renta neta obtenida por ejercic. individual (Profesión,arte,ciencia u oficio) Cas.107 - Cas.507"_s,
             u"Cas. 107 - Cas. 507."_s)
      << computed(509, u"TOTAL RENTAS DE CUARTA CATEGORIA (Cas. 508 + Cas. 108) - Cas. 110"_s,
                  u"(Cas. 508 + Cas. 108) - Cas. 110."_s)
      << computed(510, u"TOTAL RENTAS DE CUARTA Y QUINTA CATEGORIA Cas. 509 + Cas. 111"_s,
                  u"Cas. 509 + Cas. 111."_s)
      << computed(511, u"Deducción de 7 UIT (Hasta el límite calculado de la casilla 510)"_s,
                  u"7 UIT, hasta el importe de la casilla 510."_s)
      << computed(512, u"TOTAL RENTA NETA DE CUARTA Y QUINTA CATEGORIA Cas. 510 - Cas. 511"_s,
                  u"Cas. 510 - Cas. 511."_s)
      << computed(513, u"Subtotal (Cas. 514 - Cas. 114 - Cas. 523)"_s, u"Cas. 514 - Cas. 114 - Cas. 523."_s)
      << computed(514, u"SUBTOTAL Cas. 113 - ( Cas. 522 + Cas 519 )"_s,
                  u"Cas. 113 - (Cas. 522 + Cas. 519), mínimo 0."_s)
      << computed(515, u"TOTAL RENTA IMPONIBLE Cas. 528 - Cas. 117"_s, u"Cas. 528 - Cas. 117."_s)
      << computed(516, u"SUB TOTAL Cas. 120 - (Cas. 122 + 124)"_s,
                  u"Cas. 120 - (Cas. 122 + Cas. 124), mínimo 0."_s)
      << computed(518, u"TOTAL ING. DEL EJERCICIO 2006  Cas.113+Cas.116+Cas 118+Cas.200+Cas.201+Cas.203"_s,
                  u"Cas. 113 + 116 + 118 + 200 + 201 + 203."_s)
      << annex(519, F::Withholdings, u"Donaciones - Hasta el 10% de la casilla 528"_s)
      << assistant(520, F::CapitalGains, u"Ganancias de capital neta"_s)
      << annex(522, F::Withholdings, u"ITF (Hasta renta neta global de fuente peruana sin 5ta Categoría)"_s)
      << entered(523, u"Pérdidas de Capital Segunda Categoría - Enajenación Inmuebles"_s)
      << entered(524, u"Casilla 524"_s) << line(526, u"Saldo de las pérdidas de ejercicios anteriores 2002"_s)
      << line(527, u"Saldo de las pérdidas de ejercicios anteriores 2003"_s)
      << computed(528, u"Subtotal (Cas. 513 + Cas. 116  - Cas. 115)"_s,
                  u"Cas. 513 + Cas. 116 - Cas. 115, mínimo 0."_s)
      << annex(529, F::DirectPayments, u"Pago directo del Impuesto a la Renta de segunda categoría"_s)
      << line(530, u"a) Las indemnizaciones previstas por las disposiciones laborales vigentes"_s)
      << line(531,
              u"b) Las indemnizaciones que se reciban por causa de muerte o incapacidad producidas por "
              "acidentes o enfermedades"_s)
      << line(
             532,
             u"c) Las compensaciones por tiempo de servicios, previstas por las disposiciones laborales vigentes"_s)
      << line(533, u"d) Las rentas vitalicias y las pensiones que tengan su origen en el trabajo personal"_s)
      << line(534,
              u"e) Enajenación de bien inmueble no calificada como ganancia de capital de 2° categoría"_s)
      << line(
             535,
             u"a) Las remuneraciones que perciban, por el ejercicio de su cargo en el país, los funcionarios "
             "y empleados considerados como tales dentro de la estructura organizacional de los gobiernos "
             "extranjeros, instituciones oficiales extranjeras y organismos internacionales"_s)
      << line(
             536,
             u"b) Las rentas a que se refiere el inciso g) del Artículo 24º de la Ley del Impuesto a la Renta"_s)
      << line(
             537,
             u"c) Cualquier tipo de interés de tasa fija o variable y los incrementos o reajustes de capital "
             "de valores mobiliarios colocados por oferta pública"_s)
      << line(538, u"d) La ganancia de capital proveniente de:"_s)
      << line(539, u"e) Otras rentas exoneradas"_s) << line(540, u"f) Otras rentas inafectas"_s)
      << line(550, u"Valor enajenación inmueble(s)."_s) << line(551, u"Costo computable  inmueble(s)."_s)
      << code(552, u"Tipo de declaración"_s, u"1 = Personal, 2 = Sociedad Conyugal."_s)
      << text(553, u"Cantidad de registros de fideicomisos"_s, u"Se calcula con la lista de fideicomisos."_s)
      << code(554,
              u"¿Utilizará información proporcionada por la KELOR para llenar su declaración (archivo "
              "personalizado)?"_s,
              u"1 = Sí, 0 = No."_s)
      << line(555, u"Saldo de las pérdidas de ejercicios anteriores 2004"_s)
      << code(556, u"Datos del declarante"_s, u"1 = Contribuyente, 2 = Representante Legal."_s)
      << line(557, u"Renta bruta de predios o bienes muebles arrendados,subarrendados no decl. a KELOR"_s)
      << line(558, u"Renta ficta de predios o bienes muebles cedidos"_s)
      << code(559, u"¿La rentas declaradas de primera categoría, incluyen la obtenida en condominio?"_s,
              u"1 = Sí, 0 = No."_s)
      << code(560, u"¿Tiene rentas exoneradas?"_s, u"1 = Sí, 0 = No."_s)
      << code(561, u"¿Tiene rentas inafectas?"_s, u"1 = Sí, 0 = No."_s)
      << line(562, u"Saldo de las pérdidas de ejercicios anteriores 2005"_s)
      << line(563, u"Saldo a favor del ejercicio 2005"_s)
      << line(564, u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2006"_s)
      << line(565, u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2007"_s)
      << entered(598, u"Monto del pago"_s, u"Importe pagado con la forma de pago elegida."_s)
      << code(599, u"Forma de pago"_s, u"C = cheque, E = efectivo."_s)
      << text(721, u"Versión del formulario"_s, u"Siempre 1.0."_s);

    const QString patrimonial[] = {u"Dinero en efectivo"_s,
                                   u"Depósitos en cuentas de ahorro"_s,
                                   u"Depósitos a plazo"_s,
                                   u"Depósitos en cuenta corriente"_s,
                                   u"Acciones y participaciones"_s,
                                   u"Bonos y otros valores"_s,
                                   u"Cuentas por cobrar"_s,
                                   u"Casa habitación"_s,
                                   u"Otros inmuebles"_s,
                                   u"Vehículos"_s,
                                   u"Embarcaciones y aeronaves"_s,
                                   u"Joyas y obras de arte"_s,
                                   u"Menaje y otros bienes muebles"_s,
                                   u"Otros bienes y derechos"_s};
    for (int i = 0; i < 14; ++i) {
        t << entered(840 + i, patrimonial[i], u"Valor al 31/12/2006 de este bien o derecho, en soles."_s);
    }

    t << text(801, u"Apellido paterno del declarante"_s, u"Se toma del registro de contribuyentes."_s)
      << text(802, u"Apellido materno del declarante"_s, u"Se toma del registro de contribuyentes."_s)
      << text(803, u"Nombres del declarante"_s, u"Se toma del registro de contribuyentes."_s)
      << text(811, u"APELLIDO PATERNO del contribuyente o representante legal"_s, u"Apellido paterno."_s)
      << text(812, u"APELLIDO MATERNO del contribuyente o representante legal"_s, u"Apellido materno."_s)
      << text(813, u"NOMBRES del contribuyente o representante legal"_s, u"Nombres."_s)
      << text(814, u"APELLIDO PATERNO del cónyuge"_s, u"Apellido paterno del cónyuge."_s)
      << text(815, u"APELLIDO MATERNO del cónyuge"_s, u"Apellido materno del cónyuge."_s)
      << text(890, u"NOMBRES del cónyuge"_s, u"Nombres del cónyuge."_s)
      << code(871, u"La declaración rectifica o sustituye a otra"_s, u"Copia de la casilla 005."_s);
    // Characters 16 to 30 of the long names are stored in continuation boxes.
    for (int box : {827, 829, 831, 832, 833, 834, 835, 891, 892})
        t << text(box, u"Continuación de nombre"_s, u"Caracteres 16 a 30 de un nombre largo."_s);

    std::sort(t.begin(), t.end(), [](const BoxInfo& a, const BoxInfo& b) { return a.box < b.box; });
    return t;
}

}  // namespace

const QList<BoxInfo>& boxTable() {
    static const QList<BoxInfo> table = buildTable();
    return table;
}

const BoxInfo* boxInfo(int box) {
    const QList<BoxInfo>& t = boxTable();
    auto it = std::lower_bound(t.begin(), t.end(), box, [](const BoxInfo& i, int b) { return i.box < b; });
    return it != t.end() && it->box == box ? &*it : nullptr;
}

bool isDocumentNumberBox(int box) {
    static const int kBoxes[] = {208, 209, 211, 215, 217, 218, 219, 229, 230, 236, 302};
    return std::find(std::begin(kBoxes), std::end(kBoxes), box) != std::end(kBoxes);
}

bool ignoresDelete(int box) {
    static const int kBoxes[] = {520, 102, 106, 125, 107, 108, 111, 522, 115,
                                 117, 122, 124, 529, 127, 130, 131, 132, 519};
    return std::find(std::begin(kBoxes), std::end(kBoxes), box) != std::end(kBoxes);
}

}  // namespace zem
