#include "declaration/StoreBoxes.h"

#include <QSet>

#include "data/Format.h"

namespace zem {

using namespace Qt::StringLiterals;

const QList<int>& savedBoxList() {
    static const QList<int> boxes = {
        100, 102, 501, 502, 503, 105, 106, 504, 505, 506, 107, 507, 508, 108, 110, 509, 111, 510, 511, 512,
        113, 519, 114, 115, 513, 116, 514, 117, 118, 515, 120, 122, 124, 516, 125, 127, 128, 129, 130, 131,
        132, 133, 140, 141, 142, 144, 145, 146, 180, 229, 230, 231, 232, 200, 201, 203, 518, 208, 209, 211,
        212, 213, 214, 215, 217, 218, 219, 220, 221, 222, 223, 302, 236, 801, 802, 803, 520, 522, 523, 524,
        562, 526, 527, 528, 529, 530, 531, 532, 533, 534, 535, 536, 537, 538, 539, 540, 840, 841, 842, 843,
        844, 845, 846, 847, 848, 849, 850, 851, 852, 853, 550, 551, 555, 557, 558, 563, 564, 565,
    };
    return boxes;
}

bool storedAsTyped(int box) {
    // Dates, document numbers, codes with leading zeros and the version; the telephone keeps its leading zero
    // and the continuations 891 and 892 of the names 818 and 820 their blanks.
    static const QSet<int> asTyped = {871, 5,   721, 234, 302, 236, 229, 230, 208, 209, 211,
                                      215, 217, 218, 219, 25,  15,  12,  28,  891, 892};
    // Names and their continuations; the co-owners' document types and numbers (a DNI may begin with 0).
    return asTyped.contains(box) || (box >= 815 && box <= 835) ||
           (box >= kFirstCoOwnerBox && box <= kLastCoOwnerBox);
}

QString storedBoxValue(int box, const QString& value) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty() || trimmed == u"________" || trimmed == u"__/__/____")
        return {};
    return storedAsTyped(box) ? value : Format(trimmed, u"###########0"_s);
}

QString idCasilla(int box) {
    return box == 180 ? u"05"_s : u"01"_s;
}

bool excludedFromBoxLoad(int box) {
    static const QSet<int> excluded = {2,   7, 721, 722, 871, 873, 874, 875, 15,  870, 595, 596, 597, 598,
                                       599, 5, 999, 204, 205, 206, 301, 235, 260, 261, 234, 890, 891, 892};
    return excluded.contains(box) || (box >= 811 && box <= 815) || (box >= 817 && box <= 825) ||
           (box >= 224 && box <= 227);
}

}  // namespace zem
