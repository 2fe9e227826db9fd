#include "declaration/EditScopes.h"

#include "declaration/AnnexGrids.h"

namespace zem::edits {

using namespace Qt::StringLiterals;

QString boxText(int box) {
    return u"casilla "_s + boxCode(box);
}

QString answerText(OptionGroup group) {
    switch (group) {
        case OptionGroup::OptGeneral:
            return u"información general"_s;
        case OptionGroup::OptExtranjero:
            return u"inversiones en el extranjero"_s;
        case OptionGroup::OptFideicomiso:
            return u"fideicomisos"_s;
        default:
            return boxText(optionBox(group));
    }
}

QStringList answerTables(OptionGroup group) {
    switch (group) {
        case OptionGroup::optCondomino:
            return gridTables(AnnexGridKind::CoOwners);
        case OptionGroup::OptExtranjero:
            return gridTables(AnnexGridKind::ForeignInvestments);
        case OptionGroup::OptFideicomiso:
            return gridTables(AnnexGridKind::Trusts);
        default:
            return {};
    }
}

QString gridText(AnnexGridKind kind) {
    switch (kind) {
        case AnnexGridKind::Dividends:
            return u"dividendos"_s;
        case AnnexGridKind::ForeignInvestments:
            return u"inversiones en el extranjero"_s;
        case AnnexGridKind::Trusts:
            return u"fideicomisos"_s;
        case AnnexGridKind::CoOwners:
            return u"condóminos"_s;
    }
    return {};
}

QStringList gridTables(AnnexGridKind kind) {
    switch (kind) {
        case AnnexGridKind::Dividends:
            return {u"TMP_F0476DIVID"_s};
        case AnnexGridKind::ForeignInvestments:
            return {u"TMP_F0476EXTRA"_s};
        case AnnexGridKind::Trusts:
            // The trusts of the grid and those kept in the previous year's format go together.
            return {u"TMP_F0480FIDEI"_s, u"TMP_F0476FIDEI"_s};
        case AnnexGridKind::CoOwners:
            return {u"TMP_F0480CONDOMI"_s};
    }
    return {};
}

QStringList feederTables() {
    // The exempt and non-taxable income assistants open the legal-norms register for their last lines, so
    // an assistant may change a register too.
    return {u"TMP_F0478ITF"_s,    u"TMP_F0478RET"_s,   u"TMP_F0480DETRTA"_s, u"TMP_F0480FEXT"_s,
            u"TMP_F0480NORMAS"_s, u"TMP_F0480PAGOS"_s, u"TMP_F0482RETCAB"_s, u"TMP_F0480RETDET"_s,
            u"TMP_F0480PAGCTA"_s, u"TMP_F0482CORREL"_s};
}

int groupOfBox(int box) {
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
        if (optionBox(static_cast<OptionGroup>(g)) == box)
            return g;
    }
    return -1;
}

}  // namespace zem::edits
