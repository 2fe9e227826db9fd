#include "annexes/RetTexts.h"

namespace zem {

using namespace Qt::StringLiterals;

bool rucOnlyPayer(int box) {
    return box == 111 || box == 129 || box == 130 || box == 131;
}

bool oneLevelBox(int box) {
    return box == 519 || box == 522;
}

RetTexts retTexts(int box, const QString& year) {
    RetTexts t;
    const QString withheld = u"Monto retenido"_s;
    const QString agentFrame = u"Datos de Identificación del Agente de Retención"_s;
    switch (box) {
        case 106:
            t = {u"Casilla 106 - Otras Rentas de Segunda Categoría"_s,
                 u"Total monto atribuido"_s,
                 u"Ingreso atribuido"_s,
                 u"Casilla 106 - Otras Rentas de Segunda Categoría"_s,
                 u"Detalle de Otras rentas de segunda categoría"_s,
                 u"Monto Atribuido (15%)"_s,
                 QString(),  // the payer fields carry their own captions ("RUC Ag. Retencion")
                 u"Detalle de la Casilla 106 - Otras Rentas de Segunda Categoría"_s};
            break;
        case 107:
            t = {
                u" 107 - Renta bruta obtenida por el ejercicio individual (Profesión,arte,ciencia u oficio)"_s,
                u"Total ingreso atribuido"_s,
                u"Ingreso Atribuido:"_s,
                u"Casilla 107 - Renta bruta obtenida por el ejercicio individual"_s,
                u"Detalle de Comprobantes de Pago"_s,
                u"Ingreso Atribuido"_s,
                QString(),
                u"0482 - Detalle del Comprobante de Pago "_s};
            break;
        case 108:
            t = {u"Casilla 108 - Otras rentas de cuarta categoría"_s,
                 u"Total monto atribuido"_s,
                 u"Ingreso atribuido"_s,
                 u"Casilla 108 - Otras rentas de cuarta categoría"_s,
                 u"Detalle de Otras rentas de cuarta categoría"_s,
                 u"Monto de la dieta"_s,
                 u"Identificación del pagador de otras rentas de cuarta categoría"_s,
                 u"Detalle de la casilla 108 - Otras rentas de cuarta categoría"_s};
            break;
        case 111:
            t = {u"Casilla 111 - Total Rentas de Quinta Categoría"_s,
                 u"Total remuneración"_s,
                 u"Remuneración Mensual percibida."_s,
                 u"Casilla 111 - Total Rentas de quinta categoría"_s,
                 u"Detalle de  rentas de quinta categoría"_s,
                 u"Remuneración Mensual percibida"_s,
                 agentFrame,
                 u"Detalle de la Casilla 111 - Total Rentas de Quinta Categoría"_s};
            break;
        case 129:
        case 130:
        case 131: {
            static const QString kCategory[] = {u"Segunda"_s, u"Cuarta"_s, u"Quinta"_s};
            const QString category = kCategory[box == 129 ? 0 : box == 130 ? 1 : 2];
            const QString name = u"Casilla "_s + QString::number(box) +
                                 u" - Impuesto retenido sobre Rentas de "_s + category + u" categoría"_s;
            t = {name,
                 u"Total monto retenido"_s,
                 withheld,
                 name,
                 u"Detalle de Impuesto retenido sobre Rentas de "_s + category + u" categoría"_s,
                 withheld,
                 agentFrame,
                 u"Detalle de la "_s + name};
            break;
        }
        case 519:
            t.listCaption = u"Casilla 519 - Donaciones - Hasta el 10% de la casilla 528"_s;
            t.totalLabel = u"Total monto invertido"_s;
            t.amountName = u"Monto de la donación"_s;
            t.entryCaption = u"Detalle de la Casilla 519 - Donaciones - Hasta el 10% de la casilla 528"_s;
            break;
        case 522:
            t.listCaption = u"Casilla 522 - ITF (Impuesto a las Transacciones Financieras) - Ley 28194"_s;
            t.totalLabel = u"Total Monto Retenido al 31/12/"_s + year;
            t.amountName = u"Monto Retenido al 31/12/"_s + year;
            t.entryCaption =
                u"Detalle de la Casilla 522 - ITF (Impuesto a las Transacciones Financieras) - Ley 28194"_s;
            break;
        default:
            break;
    }
    return t;
}

}  // namespace zem
