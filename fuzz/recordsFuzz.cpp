// The record checks of the personalised package over any file text: the file's lines, the field count check
// and the check of each record, which must turn a record into a whole row with sound amounts or refuse it.
#include "FuzzInput.h"
#include "import/RecordFiles.h"
#include "import/ValImporta.h"

using namespace zem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses which of the eleven files the text is.
    const RecordFile& file = recordFiles()[data[0] % recordFiles().size()];
    const QStringList lines = recordLines(fuzz::bytes(data + 1, size - 1));
    ImportRules rules;
    rules.forms133 = {QStringLiteral("1"), QStringLiteral("1662")};
    rules.forms529 = {QStringLiteral("1662")};
    rules.forms127 = {QStringLiteral("1662")};
    rules.receiptTypes = {QStringLiteral("02"), QStringLiteral("99")};
    const bool wellFormed = CuentaPye(lines, file.fields);
    for (const QString& line : lines) {
        ZEM_FUZZ_CHECK(!line.contains(u'\n'));
        const QStringList fields = recordFields(line);
        if (isRecordLine(line, file.fields))
            ZEM_FUZZ_CHECK(fields.size() == file.fields);
        else
            ZEM_FUZZ_CHECK(!wellFormed);
        const auto record = ValImporta(file, fields, rules);
        if (!record)
            continue;
        ZEM_FUZZ_CHECK(fields.size() == file.fields);
        ZEM_FUZZ_CHECK(record->cents >= 0 && record->taxCents >= 0);
        ZEM_FUZZ_CHECK(record->values.size() == importColumns(file.kind).size());
        if (file.kind != RecordKind::Agent522 && file.kind != RecordKind::Payment)
            ZEM_FUZZ_CHECK(record->cents < 100'000'000'000'000LL);
    }
    return 0;
}
