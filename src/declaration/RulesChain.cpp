#include <iterator>

#include "declaration/Rules.h"

// The change chain: which rules follow a change of which box, and the sections that open and close with the
// answers and amounts they depend on.
namespace zem {

namespace {

// The lessor lines: names, document numbers, annual rents and document types.
constexpr int kLessorBoxes[] = {819, 820, 821, 208, 209, 211, 212, 213, 214, 204, 205, 206};
// The fourth-category detail lines: names, document numbers, amounts and document types.
constexpr int kFourthBoxes[] = {822, 823, 824, 825, 215, 217, 218, 219,
                                220, 221, 222, 223, 224, 225, 226, 227};
// The Amazonía lines.
constexpr int kAmazoniaBoxes[] = {817, 818, 229, 230, 231, 232};

}  // namespace

void Rules::onChange(int box) {
    switch (box) {
        case 100:
        case 102:
            CalcularA();
            CalcularB();
            CalcularC();
            Calcular113();
            seccion114();
            break;
        case 520:
        case 105:
        case 106:
            CalcularD();
            CalcularE();
            CalcularF();
            Calcular113();
            break;
        case 107:
            CalcularG();
            CalcularH();
            [[fallthrough]];
        case 108:
        case 110:
            CalcularI();
            [[fallthrough]];
        case 111:
            CalcularJ();
            CalcularK();
            CalcularL();
            Calcular113();
            break;
        case 115:
            Calcular115();
            [[fallthrough]];
        case 114:
        case 523:
            Calcular513();
            Calcular528();
            Calcular515();
            break;
        case 113:
        case 522:
        case 519:
            Calcular514();
            Calcular518();
            Calcular513();
            Calcular528();
            Calcular515();
            break;
        case 116:
        case 118:
            Calcular528();
            Calcular515();
            Calcular518();
            break;
        case 117:
            Calcular515();
            seccionAmazonia();
            break;
        case 515:
            Calcular120();
            break;
        case 120:
        case 122:
        case 124:
            CalcularP();
            Calcular141142();
            break;
        case 125:
        case 127:
        case 128:
        case 129:
        case 130:
        case 131:
        case 132:
        case 133:
        case 529:
            Calcular141142();
            break;
        case 141:
            // A balance in favour leaves no interest to declare.
            if (Vale(141) > 0)
                d_->disableBox(145);
            break;
        case 142:
            Calcular146();
            if (Vale(142) > 0)
                d_->enableBox(145);
            break;
        case 144:
        case 145:
            Calcular146();
            break;
        case 203:
            Calcular518();
            break;
        case 530:
        case 531:
        case 532:
        case 533:
        case 534:
        case 540:
            Calcular201();
            break;
        case 535:
        case 536:
        case 537:
        case 538:
        case 539:
            Calcular200();
            break;
        // Not when the change comes from the rule itself. The year's total income (518) follows them whoever
        // writes them (an assistant, a register, a load of imported data).
        case 200:
            if (!in200_)
                Calcular200();
            Calcular518();
            break;
        case 201:
            if (!in201_)
                Calcular201();
            Calcular518();
            break;
        case 180:
            CalcularImporteTotal();
            break;
        default:
            if (box >= 840 && box <= 853)
                Calcular_Patrimonial();
            break;
    }
}

void Rules::onOptionChanged(OptionGroup group) {
    if (group != OptionGroup::optInmueble)
        return;
    const QString answer = d_->option(group);
    if (answer == QStringLiteral("1")) {
        HabAlquiler();
    } else if (answer == QStringLiteral("2")) {
        DesAlquiler();
    }
}

QList<int> Rules::lessorBoxes() {
    return {std::begin(kLessorBoxes), std::end(kLessorBoxes)};
}

QList<int> Rules::fourthCategoryBoxes() {
    return {std::begin(kFourthBoxes), std::end(kFourthBoxes)};
}

QList<int> Rules::amazoniaBoxes() {
    return {std::begin(kAmazoniaBoxes), std::end(kAmazoniaBoxes)};
}

void Rules::HabAlquiler() {
    for (int box : kLessorBoxes)
        d_->enableBox(box);
}

void Rules::DesAlquiler() {
    for (int box : kLessorBoxes)
        d_->disableBox(box);
}

void Rules::HabCuarta() {
    for (int box : kFourthBoxes)
        d_->enableBox(box);
}

void Rules::DesCuarta() {
    for (int box : kFourthBoxes)
        d_->disableBox(box);
}

void Rules::HabAmazonia() {
    for (int box : kAmazoniaBoxes)
        d_->enableBox(box);
}

void Rules::DesAmazonia() {
    for (int box : kAmazoniaBoxes)
        d_->disableBox(box);
}

void Rules::seccion114() {
    if (Vale(100) > 0 || Vale(102) > 0) {
        d_->enableBox(114);
    } else {
        d_->disableBox(114);
    }
}

void Rules::seccionCuarta() {
    if (Vale(107) <= 0 && Vale(108) <= 0) {
        DesCuarta();
    } else {
        HabCuarta();
    }
}

void Rules::seccionAmazonia() {
    if (Vale(117) <= 0) {
        DesAmazonia();
    } else {
        HabAmazonia();
    }
}

}  // namespace zem
