#include "startup/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "startup/Cp1252.h"
#include "startup/FileReplace.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The section name of a "[Name]" line, or a null text for any other line.
QString sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

// Splits "key = value"; false for lines without '=' and for comments.
bool splitEntry(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#'))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const {
    return QFileInfo(path_).isFile();
}

IniFile::State IniFile::state() const {
    if (!exists())
        return State::Missing;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return State::Unreadable;
    return f.readAll().trimmed().isEmpty() ? State::Empty : State::Readable;
}

QStringList IniFile::lines() const {
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = cp1252::decode(f.readAll());
    text.replace(u"\r\n"_s, u"\n"_s);
    QStringList result = text.split(u'\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

QString IniFile::read(const QString& section, const QString& key) const {
    bool inSection = false;
    for (const QString& line : lines()) {
        const QString s = sectionOf(line);
        if (!s.isNull()) {
            inSection = s.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && splitEntry(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return {};
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) const {
    // A character outside the code page would be written as '?', and the key could never be found again.
    for (const QString& text : {section, key, value}) {
        for (const QChar c : text) {
            if (c != u'?' && cp1252::code(c) == '?')
                return false;
        }
    }
    QStringList all = lines();
    const QString entry = key + u'=' + value;
    qsizetype sectionStart = -1;
    qsizetype sectionEnd = all.size();  // one past the last line of the section
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString s = sectionOf(all[i]);
        if (s.isNull())
            continue;
        if (sectionStart >= 0) {
            sectionEnd = i;
            break;
        }
        if (s.compare(section, Qt::CaseInsensitive) == 0)
            sectionStart = i;
    }
    bool done = false;
    if (sectionStart >= 0) {
        for (qsizetype i = sectionStart + 1; i < sectionEnd && !done; ++i) {
            QString k, v;
            if (splitEntry(all[i], &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
                if (v == value.trimmed())
                    return true;  // already there: the file is not touched
                all[i] = entry;
                done = true;
            }
        }
        if (!done) {
            // Insert after the last non-blank line of the section.
            qsizetype at = sectionEnd;
            while (at > sectionStart + 1 && all[at - 1].trimmed().isEmpty())
                --at;
            all.insert(at, entry);
        }
    } else {
        all << u'[' + section + u']' << entry;
    }

    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    return replaceFile(path_, cp1252::encode(all.join(u"\r\n"_s) + u"\r\n"_s));
}

}  // namespace zem
