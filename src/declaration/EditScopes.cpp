#include "declaration/EditScopes.h"

#include "declaration/AnnexGrids.h"
#include "startup/Schema.h"

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
    // Every working table of the declaration, as the store keeps them, and the import marker: a register
    // reaches further than its own table (a payer's lines, the numbering of payers without a document), the
    // exempt and non-taxable income assistants open the legal-norms register, and the import fills them all.
    // Watching every one means no window can change a row that an undo would not put back.
    static const QStringList tables = [] {
        QStringList all;
        for (const AnnexTable& t : annexTables())
            all << t.working;
        all << u"tmp_f0480importa"_s;
        return all;
    }();
    return tables;
}

int groupOfBox(int box) {
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
        if (optionBox(static_cast<OptionGroup>(g)) == box)
            return g;
    }
    return -1;
}

}  // namespace zem::edits
