#include "declaration/FormOptions.h"

#include "declaration/AnnexGrids.h"
#include "declaration/FormCaption.h"
#include "declaration/Rules.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kYes = u"1"_s;
const QString kNo = u"0"_s;

// The question before the information registered under an additional-information answer is thrown away.
QString dropQuestion(const QString& what, const QString& confirm) {
    return what + u"Si selecciona NO estas serán eliminadas. "_s + confirm;
}

}  // namespace

FormOptions::FormOptions(Session& session, Declaration& declaration, Rules& rules, AnnexGrids& grids)
    : session_(session), d_(declaration), rules_(rules), grids_(grids) {}

const QList<int>& FormOptions::representativeBoxes() {
    static const QList<int> boxes = {811, 812, 813, 301, 302};
    return boxes;
}

const QList<int>& FormOptions::exemptLines() {
    static const QList<int> boxes = {535, 536, 537, 538, 539};
    return boxes;
}

const QList<int>& FormOptions::nonTaxableLines() {
    static const QList<int> boxes = {530, 531, 532, 533, 534, 540};
    return boxes;
}

QList<int> FormOptions::patrimonialBoxes() {
    QList<int> boxes;
    for (int box = 840; box <= 853; ++box)
        boxes << box;
    return boxes;
}

bool FormOptions::confirm(const QString& text) {
    return session_.sink.ask(text, QString::fromUtf16(kFormCaption), MsgButtons::YesNo, MsgAnswer::No) ==
           MsgAnswer::Yes;
}

void FormOptions::setBoxesState(const QList<int>& boxes, bool enabled) {
    for (int box : boxes) {
        d_.setEnabled(box, enabled);
        d_.setLocked(box, !enabled);
    }
}

void FormOptions::copyDeclarant() {
    d_.setText(811, d_.text(801));
    d_.setText(812, d_.text(802));
    d_.setText(813, d_.text(803));
    d_.setText(301, u"06"_s);
    d_.setText(302, d_.ruc().left(11).trimmed());
}

bool FormOptions::chooseIncome(OptionGroup group, const QString& code, int box, const QList<int>& lines,
                               bool ask) {
    if (code == kNo) {
        bool registered = !rules_.Vacio(box);
        for (int line : lines)
            registered = registered || !rules_.Vacio(line);
        if (registered && ask &&
            !confirm(u"Ya ha registrado datos en el asistente de la casilla "_s + QString::number(box) +
                     u". Si cambia se borrará esta información. ¿Esta seguro?"_s))
            return false;
        d_.setOption(group, code);
        for (int line : lines)
            d_.setText(line, QString());
        d_.disableBox(box);
        return true;
    }
    d_.setOption(group, code);
    if (code == kYes)
        d_.enableBox(box);
    return true;
}

bool FormOptions::choose(OptionGroup group, const QString& code, bool ask) {
    const auto confirmed = [this, ask](const QString& text) { return !ask || confirm(text); };
    if (d_.option(group) == code)
        return true;
    switch (group) {
        case OptionGroup::OptElabora:
            d_.setOption(group, code);
            if (code == kYes) {
                copyDeclarant();
                setBoxesState(representativeBoxes(), false);
            } else {
                setBoxesState(representativeBoxes(), true);
                for (int box : representativeBoxes())
                    d_.setText(box, QString());
            }
            return true;
        case OptionGroup::optExonera:
            return chooseIncome(group, code, 200, exemptLines(), ask);
        case OptionGroup::optInafecta:
            return chooseIncome(group, code, 201, nonTaxableLines(), ask);
        case OptionGroup::optCondomino:
            if (code == kNo && grids_.NumSuministros() > 0) {
                if (!confirmed(
                        u"Ya ha registrado condóminos. Si cambia se borrará esta información. ¿Esta seguro?"_s))
                    return false;
                // A failed delete has been reported; the answer stays as it was, with its rows.
                if (!grids_.grid(AnnexGridKind::CoOwners).removeAll())
                    return false;
                grids_.Cuenta_condomino();
            }
            d_.setOption(group, code);
            return true;
        case OptionGroup::OptExtranjero:
            if (code == kNo && grids_.grid(AnnexGridKind::ForeignInvestments).count() > 0) {
                if (!confirmed(dropQuestion(
                        u"¿Existen Datos de Inversiones en el extranjero registradas. "_s,
                        u"¿Confirma que va a eliminar los registros de inversión extranjera?"_s)))
                    return false;
                if (!grids_.grid(AnnexGridKind::ForeignInvestments).removeAll())
                    return false;
                grids_.Cuenta_y_Suma_Extranjero();
            }
            d_.setOption(group, code);
            return true;
        case OptionGroup::OptFideicomiso: {
            // The trusts the grid lists, and those kept in the previous year's format, which also count as
            // registered trusts when the declaration is opened again.
            const bool registered =
                grids_.grid(AnnexGridKind::Trusts).count() > 0 ||
                session_.db().scalar(u"SELECT count(*) FROM TMP_F0476FIDEI"_s).toInt() > 0;
            if (code == kNo && registered) {
                if (!confirmed(dropQuestion(u"¿Existen Datos de Inversones en Fideicomisos registrados. "_s,
                                            u"¿Confirma que va a eliminar los registros de Fideicomisos?"_s)))
                    return false;
                // Both registers of trusts go, or neither.
                const bool removed = session_.db().transaction([this] {
                    return session_.db().execute(u"DELETE FROM TMP_F0476FIDEI"_s) &&
                           grids_.grid(AnnexGridKind::Trusts).removeAll();
                });
                if (!removed) {
                    grids_.Get(AnnexGridKind::Trusts);
                    return false;
                }
                grids_.Cuenta_y_Suma_Fideicomiso0480();
            }
            d_.setOption(group, code);
            return true;
        }
        case OptionGroup::OptGeneral: {
            bool registered = false;
            for (int box : patrimonialBoxes())
                registered = registered || !rules_.Vacio(box);
            if (code == kNo && registered &&
                !confirmed(dropQuestion(u"¿Existen Datos en información general. "_s,
                                        u"¿Confirma que va a eliminar los datos de información general?"_s)))
                return false;
            d_.setOption(group, code);
            for (int box : patrimonialBoxes()) {
                if (code == kYes) {
                    d_.enableBox(box);
                } else {
                    d_.disableBox(box);
                }
            }
            return true;
        }
        case OptionGroup::OptRectifica:
            d_.setOption(group, code);
            if (code == kYes)
                session_.sink.info(
                    u"Recuerde que debe consignar información en todas las casillas inclusive aquellas que "
                    u"no "
                    "está rectificando."_s,
                    QString::fromUtf16(kFormCaption));
            return true;
        case OptionGroup::optInmueble:  // the rules open and close the lessor lines
        case OptionGroup::optPor:
        case OptionGroup::optSom:
            d_.setOption(group, code);
            return true;
    }
    return true;
}

bool FormOptions::gridOpen(const Declaration& d, AnnexGridKind kind) {
    switch (kind) {
        case AnnexGridKind::ForeignInvestments:
            return d.option(OptionGroup::OptExtranjero) == kYes;
        case AnnexGridKind::Trusts:
            return d.option(OptionGroup::OptFideicomiso) == kYes;
        case AnnexGridKind::CoOwners:
            return d.option(OptionGroup::optCondomino) == kYes;
        case AnnexGridKind::Dividends:
            break;
    }
    return true;
}

void FormOptions::applyAll() {
    setBoxesState(representativeBoxes(), d_.option(OptionGroup::OptElabora) == u"2"_s);
    setBoxesState({200}, d_.option(OptionGroup::optExonera) == kYes);
    setBoxesState({201}, d_.option(OptionGroup::optInafecta) == kYes);
    setBoxesState(patrimonialBoxes(), d_.option(OptionGroup::OptGeneral) == kYes);
    setBoxesState(Rules::lessorBoxes(), d_.option(OptionGroup::optInmueble) == kYes);
}

}  // namespace zem
