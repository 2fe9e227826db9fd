#include "declaration/EditJournal.h"

#include <QDir>
#include <QFileInfo>

#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kMagic[] = u"ZEM0482-DIARIO";
constexpr char16_t kNull[] = u"\\N";

// Tokens are separated by tabs; a backslash, a tab or a line end inside one is written as \\, \t, \n, \r,
// and a null value (an empty column of a row) as \N.
void put(QString& line, const QString& token) {
    if (!line.isEmpty())
        line += u'\t';
    for (QChar c : token) {
        switch (c.unicode()) {
            case '\\':
                line += u"\\\\"_s;
                break;
            case '\t':
                line += u"\\t"_s;
                break;
            case '\n':
                line += u"\\n"_s;
                break;
            case '\r':
                line += u"\\r"_s;
                break;
            default:
                line += c;
        }
    }
}

bool unescape(QStringView raw, QString& out) {
    out.clear();
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\') {
            out += raw[i];
            continue;
        }
        if (++i == raw.size())
            return false;
        switch (raw[i].unicode()) {
            case '\\':
                out += u'\\';
                break;
            case 't':
                out += u'\t';
                break;
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            default:
                return false;
        }
    }
    return true;
}

void putRows(QString& line, const TableRows& rows) {
    put(line, QString::number(rows.rows.size()));
    for (const QVariantList& row : rows.rows) {
        for (const QVariant& v : row) {
            if (v.isNull()) {
                line += u'\t';
                line += QStringView(kNull);
            } else {
                put(line, v.toString());
            }
        }
    }
}

QString time(const QDateTime& at) {
    return QString::number(at.toMSecsSinceEpoch());
}

// Reads the tokens of one line in order; any missing or malformed token marks the line as damaged.
class Tokens {
public:
    explicit Tokens(QStringView payload) : parts_(payload.split(u'\t')) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == parts_.size(); }
    QString text() {
        if (at_ >= parts_.size()) {
            ok_ = false;
            return {};
        }
        QString out;
        if (!unescape(parts_[at_++], out))
            ok_ = false;
        return out;
    }
    QVariant value() {
        if (at_ < parts_.size() && parts_[at_] == QStringView(kNull)) {
            ++at_;
            return {};
        }
        return text();
    }
    int number(int max) {
        bool isNumber = false;
        const int n = text().toInt(&isNumber);
        if (!isNumber || n < 0 || n > max)
            ok_ = false;
        return ok_ ? n : 0;
    }
    QDateTime when() {
        bool isNumber = false;
        const qint64 ms = text().toLongLong(&isNumber);
        if (!isNumber)
            ok_ = false;
        return QDateTime::fromMSecsSinceEpoch(ms);
    }

private:
    QList<QStringView> parts_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

bool readRows(Tokens& t, TableRows& rows) {
    const int count = t.number(100000);
    for (int r = 0; r < count && t.ok(); ++r) {
        QVariantList row;
        for (qsizetype c = 0; c < rows.columns.size() && t.ok(); ++c)
            row << t.value();
        rows.rows << row;
    }
    return t.ok();
}

bool readEdit(Tokens& t, DeclarationEdit& edit) {
    edit.description = t.text();
    const int fields = t.number(1000000);
    for (int i = 0; i < fields && t.ok(); ++i) {
        FieldChange c;
        c.kind = static_cast<FieldChange::Kind>(t.number(FieldChange::Patrimonial));
        c.key = t.number(999);
        c.before = t.text();
        c.after = t.text();
        edit.fields << c;
    }
    const int tables = t.number(100);
    for (int i = 0; i < tables && t.ok(); ++i) {
        TableChange change;
        change.before.table = t.text();
        const int columns = t.number(1000);
        for (int c = 0; c < columns && t.ok(); ++c)
            change.before.columns << t.text();
        change.after.table = change.before.table;
        change.after.columns = change.before.columns;
        if (!change.before.table.startsWith(u"TMP_"_s, Qt::CaseInsensitive))
            return false;  // a journal only ever holds working tables
        readRows(t, change.before);
        readRows(t, change.after);
        edit.tables << change;
    }
    return t.ok();
}

}  // namespace

int EditJournal::Contents::editCount() const {
    return static_cast<int>(
        std::count_if(entries.cbegin(), entries.cend(), [](const Entry& e) { return e.kind != u'T'; }));
}

QString EditJournal::directory(const Session& session) {
    return session.settings.gSysPath + session.gFormulario + u"/recupera/"_s;
}

QStringList EditJournal::find(const Session& session) {
    const QDir dir(directory(session));
    QStringList out;
    const QFileInfoList files = dir.entryInfoList({u"*.diario"_s}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& f : files)
        out << f.absoluteFilePath();
    return out;
}

EditJournal::~EditJournal() = default;

bool EditJournal::write(const QString& payload) {
    if (!file_.isOpen()) {
        if (directory_.isEmpty() || !QDir().mkpath(directory_))
            return false;
        const QString ruc = header_.ruc.isEmpty() ? u"nueva"_s : header_.ruc;
        path_ = directory_ + ruc + u'_' + header_.periodo + u".diario"_s;
        file_.setFileName(path_);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return false;
        QString head;
        put(head, QString::fromUtf16(kMagic));
        put(head, u"1"_s);
        put(head, header_.existing ? u"E"_s : u"N"_s);
        put(head, header_.ruc);
        put(head, header_.periodo);
        put(head, header_.nombre);
        put(head, time(header_.started));
        if (!write(head))
            return false;
    }
    const QByteArray bytes = payload.toUtf8();
    QByteArray line = QByteArray::number(qChecksum(bytes), 16).rightJustified(4, '0');
    line += '\t';
    line += bytes;
    line += '\n';
    // Unbuffered: the line reaches the system with this one call, so a process that dies keeps it.
    return file_.write(line) == line.size();
}

bool EditJournal::append(QChar kind, const DeclarationEdit& edit, const QDateTime& at) {
    QString line;
    line.reserve(64 + edit.fields.size() * 24);
    put(line, QString(kind));
    put(line, time(at));
    put(line, edit.description);
    put(line, QString::number(edit.fields.size()));
    for (const FieldChange& c : edit.fields) {
        put(line, QString::number(c.kind));
        put(line, QString::number(c.key));
        put(line, c.before);
        put(line, c.after);
    }
    put(line, QString::number(edit.tables.size()));
    for (const TableChange& t : edit.tables) {
        put(line, t.before.table);
        put(line, QString::number(t.before.columns.size()));
        for (const QString& column : t.before.columns)
            put(line, column);
        putRows(line, t.before);
        putRows(line, t.after);
    }
    return write(line);
}

bool EditJournal::appendTaxpayer(const QString& ruc, const QDateTime& at) {
    QString line;
    put(line, u"T"_s);
    put(line, time(at));
    put(line, ruc);
    return write(line);
}

void EditJournal::remove() {
    if (file_.isOpen())
        file_.close();
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
}

EditJournal::Contents EditJournal::read(const QString& path) {
    Contents out;
    out.path = path;
    const QString damaged = u"El archivo de recuperación «"_s + QFileInfo(path).fileName() +
                            u"» está dañado o incompleto; no se usará."_s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = u"No se puede leer el archivo de recuperación «"_s + QFileInfo(path).fileName() + u"»."_s;
        return out;
    }
    // A journal is a few lines per edit; one far beyond any real session is not read.
    if (file.size() > 256 * 1024 * 1024) {
        out.error = damaged;
        return out;
    }
    const QByteArray all = file.readAll();
    QList<QByteArray> lines = all.split('\n');
    // Every line ends with its line end: what follows the last one must be nothing.
    if (lines.isEmpty() || !lines.last().isEmpty() || lines.size() < 2) {
        out.error = damaged;
        return out;
    }
    lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype tab = line.indexOf('\t');
        bool hex = false;
        const uint sum = tab == 4 ? line.left(4).toUInt(&hex, 16) : 0;
        const QByteArray payload = line.mid(tab + 1);
        if (!hex || sum != qChecksum(payload)) {
            out.error = damaged;
            return out;
        }
        const QString text = QString::fromUtf8(payload);
        Tokens t(text);
        if (i == 0) {
            const bool magic = t.text() == QStringView(kMagic) && t.text() == u"1"_s;
            const QString mode = t.text();
            out.header.existing = mode == u"E"_s;
            out.header.ruc = t.text();
            out.header.periodo = t.text();
            out.header.nombre = t.text();
            out.header.started = t.when();
            if (!magic || !t.ok() || !t.atEnd() || (mode != u"E"_s && mode != u"N"_s)) {
                out.error = damaged;
                return out;
            }
            continue;
        }
        Entry e;
        const QString kind = t.text();
        e.kind = kind.isEmpty() ? QChar() : kind[0];
        e.at = t.when();
        if (kind == u"T"_s) {
            e.ruc = t.text();
        } else if (kind == u"E"_s || kind == u"U"_s || kind == u"R"_s) {
            readEdit(t, e.edit);
        } else {
            out.error = damaged;
            return out;
        }
        if (!t.ok() || !t.atEnd()) {
            out.error = damaged;
            return out;
        }
        out.entries << e;
    }
    return out;
}

}  // namespace zem
