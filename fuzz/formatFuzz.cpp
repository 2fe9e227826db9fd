// The format routine over any mask and any text or number: the first line of the input is the mask, the rest
// the value. It never crashes, and an amount written with the stored-amount masks reads back as its
// rounding.
#include <cmath>
#include <cstring>

#include "FuzzInput.h"
#include "data/Format.h"

using namespace zem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [head, rest] = fuzz::splitFirstLine(fuzz::bytes(data, size));
    const QString mask = QString::fromUtf8(head);
    const QString text = QString::fromUtf8(rest);
    Format(text, mask);
    // The rest's first eight bytes as a double, any bit pattern.
    double value = 0;
    std::memcpy(&value, rest.constData(), std::min<std::size_t>(sizeof value, rest.size()));
    Format(value, mask);
    // Amounts have at most 15 digits; beyond them Format keeps 15 significant digits only.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return 0;
    const double rounded = roundHalfAway(value, 2);
    for (const QString& stored :
         {QStringLiteral("#########0.#0"), QStringLiteral("###,###,###,##0.00;-###,###,###,##0.00")}) {
        const auto back = parseAmount(Format(value, stored));
        ZEM_FUZZ_CHECK(back.has_value());
        ZEM_FUZZ_CHECK(*back == rounded || (*back == 0 && rounded == 0));
    }
    return 0;
}
