// The settings reader and writer over any file: the first line of the input is "section|key|value", the rest
// the file. Reading never crashes; a key written reads back as written, and writing twice changes nothing
// more.
#include <QFile>

#include "FuzzInput.h"
#include "startup/Cp1252.h"
#include "startup/IniFile.h"

using namespace zem;

namespace {

// A name the writer can put in a "[section]" or "key=value" line and find again.
bool plainName(const QString& s) {
    const QString t = s.trimmed();
    return t == s && !t.isEmpty() && !t.contains(u'\n') && !t.contains(u'\r') && !t.startsWith(u'[') &&
           !t.startsWith(u';') && !t.startsWith(u'#') && !t.contains(u'=') && !t.contains(u']');
}

// The file without its carriage returns: the writer ends lines with LF alone, so a CR left at the end of a
// file becomes a line end the second time.
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().replace('\r', QByteArray()) : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [head, file] = fuzz::splitFirstLine(fuzz::bytes(data, size));
    const QStringList parts = QString::fromUtf8(head).split(u'|');
    const QString section = parts.value(0), key = parts.value(1), value = parts.value(2);
    const IniFile ini(fuzz::writeScratch(QStringLiteral("QW000.INI"), file));
    ini.read(QStringLiteral("Options"), QStringLiteral("SysPath"));
    ini.read(section, key);
    if (!plainName(section) || !plainName(key) || value.contains(u'\n') || value.contains(u'\r'))
        return 0;
    // Text outside the Windows code page is refused, and the file is left as it was.
    if (cp1252::decode(cp1252::encode(section + key + value)) != section + key + value) {
        const QByteArray before = contents(ini.path());
        ZEM_FUZZ_CHECK(!ini.write(section, key, value));
        ZEM_FUZZ_CHECK(contents(ini.path()) == before);
        return 0;
    }
    ZEM_FUZZ_CHECK(ini.write(section, key, value));
    ZEM_FUZZ_CHECK(ini.read(section, key) == value.trimmed());
    const QByteArray once = contents(ini.path());
    ZEM_FUZZ_CHECK(ini.write(section, key, value));
    ZEM_FUZZ_CHECK(contents(ini.path()) == once);
    return 0;
}
