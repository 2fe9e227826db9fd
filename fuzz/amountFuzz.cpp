// The amount parser and the amount entry checks over any text: parsing never crashes, what parses formats and
// parses again to the same value, and the entry check refuses only with its own message and then leaves the
// text alone.
#include <cmath>

#include "FuzzInput.h"
#include "data/Amounts.h"
#include "data/Format.h"
#include "startup/MessageSink.h"

using namespace zem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte gives the digits the entry allows.
    const int maxIntegers = data[0] & 15, maxDecimals = data[0] >> 4;
    const QString text = QString::fromUtf8(fuzz::bytes(data + 1, size - 1));
    const auto value = parseAmount(text);
    if (value) {
        ZEM_FUZZ_CHECK(std::isfinite(*value));
        ZEM_FUZZ_CHECK(Val(text) == *value);
    } else {
        ZEM_FUZZ_CHECK(Val(text) == 0.0);
    }
    // Amounts have at most 15 digits; beyond them Format keeps 15 significant digits only.
    if (value && std::fabs(*value) < 1e15) {
        const QString shown = Format(*value, QStringLiteral("###,###,###,##0.00;(###,###,###,##0.00)"));
        const auto back = parseAmount(shown);
        ZEM_FUZZ_CHECK(back.has_value());
        ZEM_FUZZ_CHECK(*back == roundHalfAway(*value, 2));
    }
    for (const QString& context : {QString(), QStringLiteral("NOTAS")}) {
        RecordingMessageSink sink;
        QString entry = text;
        const bool valid = validateAmount(entry, maxIntegers, maxDecimals, context, sink);
        if (!valid)
            ZEM_FUZZ_CHECK(entry == text && sink.messages().size() <= 1);
        else
            ZEM_FUZZ_CHECK(sink.messages().isEmpty());
    }
    QString normal = text;
    normalizeAmount(normal);
    ZEM_FUZZ_CHECK(!normal.contains(u','));
    return 0;
}
