#include "declaration/AssistantTable.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The form's own wording of a line, where the window shows it in full.
QString formCaption(int box) {
    const BoxInfo* info = boxInfo(box);
    return info ? info->caption : QString();
}

QList<AssistantDef> buildDefs() {
    QList<AssistantDef> defs;

    AssistantDef exempt;
    exempt.kind = AssistantKind::Exoneradas;
    exempt.feeder = Feeder::ExemptIncome;
    exempt.name = u"FrmExoneradas"_s;
    exempt.caption = u"Casilla 200 - Rentas exoneradas"_s;
    exempt.fedBox = 200;
    exempt.lines = {{535, formCaption(535)},
                    {536, formCaption(536)},
                    {537, formCaption(537)},
                    {538, u"d) La ganancia de capital proveniente de:"_s},
                    {539, u"e) Otras rentas exoneradas"_s}};
    exempt.totalLabel = u"Total Rentas Exoneradas:"_s;
    exempt.normsLine = 4;
    defs << exempt;

    AssistantDef nonTaxable;
    nonTaxable.kind = AssistantKind::Inafectas;
    nonTaxable.feeder = Feeder::NonTaxableIncome;
    nonTaxable.name = u"FrmInafectas"_s;
    nonTaxable.caption = u"Casilla 201 - Rentas Inafectas"_s;
    nonTaxable.fedBox = 201;
    nonTaxable.lines = {
        {530, u"a) Las indemnizaciones previstas por las disposiciones laborales vigentes"_s},
        {531,
         u"b) Las indemnizaciones que se reciban por causa de muerte o incapacidad producidas por "
         u"acidentes o enfermedades"_s},
        {532,
         u"c) Las compensaciones por tiempo de servicios, previstas por las disposiciones laborales vigentes"_s},
        {533, formCaption(533)},
        {534, u"e) Enajenación de bien inmueble no calificada como ganancia de capital de 2° categoría"_s},
        {540, u"f) Otras rentas inafectas"_s}};
    nonTaxable.totalLabel = u"Total Rentas Inafectas:"_s;
    nonTaxable.normsLine = 5;
    defs << nonTaxable;

    AssistantDef losses;
    losses.kind = AssistantKind::Perdidas;
    losses.feeder = Feeder::Losses;
    losses.name = u"FrmPerdidas"_s;
    losses.caption = u"Casilla 115 - Pérdidas de Ejercicios Anteriores"_s;
    losses.fedBox = 115;
    losses.heading = u"Saldo de las pérdidas de ejercicios anteriores"_s;
    losses.lines = {{555, u"Ejercicio 2004"_s},
                    {562, u"Ejercicio 2005"_s},
                    {526, u"Ejercicio 2002"_s},
                    {527, u"Ejercicio 2003"_s}};
    losses.totalLabel = u"Total Pérdidas"_s;
    defs << losses;

    AssistantDef gains;
    gains.kind = AssistantKind::Ganancias;
    gains.feeder = Feeder::CapitalGains;
    gains.name = u"frmGanancias"_s;
    gains.caption = u"Cálculo de la ganancia de capital neta."_s;
    gains.fedBox = 520;
    gains.lines = {{550, u"Valor enajenación inmueble(s)."_s},
                   {551, u"Costo computable  inmueble(s)."_s, -1}};
    gains.totalLabel = u"Ganancias de Capital Neta"_s;
    gains.negativeInParentheses = true;
    defs << gains;

    AssistantDef previous;
    previous.kind = AssistantKind::EjercicioAnt;
    previous.feeder = Feeder::PreviousBalance;
    previous.name = u"frmEjercicioAnt"_s;
    previous.caption = u"Detalle Casilla 125"_s;
    previous.fedBox = 125;
    previous.lines = {{563, u"Saldo a favor del ejercicio 2005"_s},
                      {564, u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2006"_s, -1},
                      {565, u"Saldo a favor del ejercicio 2005 aplicado en el ejercicio 2007"_s, -1}};
    previous.totalLabel = u"Total casilla 125"_s;
    previous.negativeInParentheses = true;
    defs << previous;

    AssistantDef deemed;
    deemed.kind = AssistantKind::Ficta;
    deemed.feeder = Feeder::RentNotDeclared;
    deemed.name = u"frmFicta"_s;
    deemed.caption = u"Detalle Casilla 102"_s;
    deemed.fedBox = 102;
    deemed.lines = {
        {557, u"Renta Bruta de predios o bienes muebles arrendados, subarrendados no declarados a KELOR"_s},
        {558, u"Cesión gratuita de predios o bienes muebles ( Renta ficta )"_s}};
    deemed.totalLabel = u"Total casilla 102"_s;
    defs << deemed;

    return defs;
}

const QList<AssistantDef>& defs() {
    static const QList<AssistantDef> all = buildDefs();
    return all;
}

}  // namespace

const AssistantDef& assistantDef(AssistantKind kind) {
    for (const AssistantDef& def : defs()) {
        if (def.kind == kind)
            return def;
    }
    return defs().front();  // every kind has its entry above
}

std::optional<AssistantKind> assistantFor(Feeder feeder) {
    for (const AssistantDef& def : defs()) {
        if (def.feeder == feeder)
            return def.kind;
    }
    return std::nullopt;
}

}  // namespace zem
