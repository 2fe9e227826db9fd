#include "annexes/AnnexEntry.h"

#include "annexes/AnnexRegister.h"
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool only(const QString& text, const QString& allowed) {
    for (const QChar c : text) {
        if (!c.isDigit() && !allowed.contains(c))
            return false;
    }
    return true;
}

}  // namespace

AnnexEntry::AnnexEntry(AnnexRegister& owner, QList<EntryField> fields)
    : owner_(owner), fields_(std::move(fields)) {
    // The detail window opens with the modified flag cleared.
    owner_.setModified(false);
}

AnnexEntry::~AnnexEntry() = default;

const EntryField* AnnexEntry::field(const QString& column) const {
    for (const EntryField& f : fields_) {
        if (f.column == column)
            return &f;
    }
    return nullptr;
}

QStringList AnnexEntry::choices(const QString&) const {
    return {};
}

QString AnnexEntry::choiceText(const QString&, const QString&) const {
    return {};
}

int AnnexEntry::integerDigits(const QString&) const {
    return 10;
}

bool AnnexEntry::fits(const QString&, const QString&) const {
    return true;
}

bool AnnexEntry::enterField(const QString&) {
    return true;
}

QString AnnexEntry::controlName(const QString&) const {
    return {};
}

QString AnnexEntry::year() const {
    return owner_.session().gAnio;
}

QString AnnexEntry::periodText(const QString& perTri) {
    const QString t = perTri.trimmed();
    return t.mid(4, 2) + u'/' + t.left(4);
}

QString AnnexEntry::perTriOf(const QString& text) {
    const QString t = text.trimmed();
    return t.right(4) + t.left(2);
}

bool AnnexEntry::accepts(const EntryField& f, const QString& text) const {
    switch (f.kind) {
        case EntryKind::Period:
            return text.size() <= 6;
        case EntryKind::Code:
            return text.size() <= 4;
        case EntryKind::Digits:
            return text.size() <= 20 && only(text, {});
        case EntryKind::Date:
            return text.size() <= 10 && only(text, u"/"_s);
        case EntryKind::Amount:
            return text.size() <= 20 && only(text, u".,"_s);
        case EntryKind::Computed:
            return false;
        case EntryKind::Document:
            for (const QChar c : text) {
                if (!(c.isDigit() || (c.isLetter() && c.unicode() < 128) || c == u'-'))
                    return false;
            }
            return text.size() <= 15;
        case EntryKind::Text:
            for (const QChar c : text) {
                if (c.category() == QChar::Other_Control)
                    return false;
            }
            return text.size() <= 100;
    }
    return false;
}

bool AnnexEntry::isEditable(const QString& column) const {
    const EntryField* f = field(column);
    return f && f->kind != EntryKind::Computed && isEnabled(column) && !(f->key && !isNew());
}

bool AnnexEntry::setValue(const QString& column, const QString& text) {
    const EntryField* f = field(column);
    if (!f || !isEditable(column) || !accepts(*f, text) || !fits(column, text))
        return false;
    const QString before = values_.value(column);
    if (before == text)
        return true;
    put(column, text);
    owner_.setModified(true);
    changed(column, before);
    return true;
}

void AnnexEntry::put(const QString& column, const QString& text) {
    if (values_.value(column) == text)
        return;
    values_.insert(column, text);
    Q_EMIT valueChanged(column);
}

void AnnexEntry::setEnabled(const QString& column, bool enabled) {
    if (enabled == isEnabled(column))
        return;
    if (enabled) {
        disabled_.removeAll(column);
    } else {
        disabled_ << column;
    }
    Q_EMIT enabledChanged(column);
}

void AnnexEntry::changed(const QString&, const QString&) {}

bool AnnexEntry::leaveField(const QString&) {
    return true;
}

bool AnnexEntry::writeAlso() {
    return true;
}

void AnnexEntry::setMode(const QString& mode) {
    if (mode_ == mode)
        return;
    mode_ = mode;
    Q_EMIT modeChanged();
}

QVariantList AnnexEntry::keyValues() const {
    return valuesOf(keyColumns());
}

QVariantList AnnexEntry::valuesOf(const QStringList& columns) const {
    QVariantList values;
    for (const QString& column : columns)
        values << (column == owner_.def().boxColumn ? owner_.box() : storedValue(column));
    return values;
}

bool AnnexEntry::Vacio(const QString& column) const {
    return values_.value(column).trimmed().isEmpty();
}

double AnnexEntry::Vale(const QString& column) const {
    if (Vacio(column))
        return 0;
    return std::abs(Val(Format(values_.value(column).trimmed(), u"##############0.#0"_s)));
}

bool AnnexEntry::refuse(const QString& column, const QString& message, const QString& title) {
    failed_ = column;
    if (!message.isEmpty())  // an amount check has shown its own message
        owner_.sink().error(message, title);
    return false;
}

void AnnexEntry::Limpia_variables() {
    for (const EntryField& f : fields_)
        put(f.column, QString());
}

void AnnexEntry::Captura_Datos(int row) {
    setMode(kModifica);
    // Field by field as the window fills them, so that what follows a field (the credit fields of a form)
    // follows here too; the amounts come after and keep their stored values.
    for (const EntryField& f : fields_) {
        QString v = owner_.value(row, f.column).trimmed();
        if (f.kind == EntryKind::Amount || f.kind == EntryKind::Computed)
            v = Val(v) == 0
                    ? QString()
                    : Format(Val(v), decimals(f.column) == 0 ? u"#,###,###,##0"_s : u"#,###,###,##0.00"_s);
        const QString before = values_.value(f.column);
        put(f.column, v);
        changed(f.column, before);
    }
    // Key columns the window does not show (the year and article of a legal norm) are kept as stored, so
    // that the row is found again by its whole key.
    for (const QString& column : keyColumns()) {
        if (!field(column) && column != owner_.def().boxColumn)
            values_.insert(column, owner_.value(row, column).trimmed());
    }
    captured_ = keyValues();
}

QStringList AnnexEntry::keyColumns() const {
    return owner_.def().key;
}

QString AnnexEntry::storedValue(const QString& column) const {
    const EntryField* f = field(column);
    const QString v = values_.value(column).trimmed();
    if (f && (f->kind == EntryKind::Amount || f->kind == EntryKind::Computed))
        return Format(v, u"#########0.00"_s);
    return v;
}

QStringList AnnexEntry::writtenColumns() const {
    QStringList columns;
    for (const EntryField& f : fields_) {
        if (!f.key)
            columns << f.column;
    }
    return columns;
}

bool AnnexEntry::Graba_Datos() {
    const QVariantList key = keyValues();
    if (isNew()) {
        const QStringList compared =
            owner_.def().duplicateKey.isEmpty() ? keyColumns() : owner_.def().duplicateKey;
        const int n = owner_.countWith(compared, valuesOf(compared));
        if (n < 0)
            return false;
        if (n > 0)
            return refuse(fields_.value(0).column, owner_.def().duplicateMessage);
    }
    const QStringList written = writtenColumns();
    QVariantList values;
    for (const QString& column : written)
        values << storedValue(column);
    QStringList columns = written;
    if (owner_.tableColumns().contains(u"ind_importa"_s)) {
        values << u"0"_s;  // entered (or last saved) by the user
        columns << u"ind_importa"_s;
    }

    Db& db = owner_.db();
    Session& s = owner_.session();
    const bool ok = db.transaction([&] {
        if (isNew()) {
            const QStringList all = keyColumns() + columns;
            return db.execute(u"INSERT INTO "_s + owner_.def().table + u" ("_s + all.join(u", "_s) +
                                  u") VALUES ("_s + QStringList(all.size(), u"?"_s).join(u", "_s) + u')',
                              key + values) &&
                   writeAlso();
        }
        // The row is found by the key on screen. A key left editable (an investment abroad) and changed to
        // one that no row carries moves the row that was opened to it, rather than touching another row.
        QStringList setColumns = columns;
        QVariantList setValues = values;
        QVariantList where = key;
        if (!captured_.isEmpty() && captured_ != key && owner_.countWithKey(key) == 0) {
            setColumns = keyColumns() + columns;
            setValues = key + values;
            where = captured_;
        }
        QStringList sets, conditions;
        for (const QString& c : setColumns)
            sets << c + u" = ?"_s;
        for (const QString& c : keyColumns())
            conditions << c + u" = ?"_s;
        QSqlQuery q(db.handle());
        if (!db.run(q,
                    u"UPDATE "_s + owner_.def().table + u" SET "_s + sets.join(u", "_s) + u" WHERE "_s +
                        conditions.join(u" AND "_s),
                    setValues + where))
            return false;
        if (q.numRowsAffected() == 0) {
            // The row the entry was opened on is gone.
            db.fail({DbError::kRowDeleted, {}});
            return false;
        }
        return writeAlso();
    });
    if (!ok) {
        s.writeFlag = false;
        return false;
    }
    owner_.setModified(true);
    s.sink.info(u"La información fue grabada satisfactoriamente. "_s, caption());
    return true;
}

bool AnnexEntry::closeRequested() {
    return true;
}

bool AnnexEntry::saveOnClose() {
    if (!owner_.isModified() || owner_.declaration().isSent())
        return true;
    switch (owner_.sink().ask(u"La información ha sido modificada. ¿Desea guardar los cambios?"_s,
                              u"Confirma Salir"_s, MsgButtons::YesNoCancel, MsgAnswer::Yes)) {
        case MsgAnswer::Yes:
            return accept();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

bool AnnexEntry::accept() {
    failed_.clear();
    if (!Valida_Datos() || !Graba_Datos())
        return false;
    owner_.refreshAfterAction();
    owner_.setModified(false);
    if (isNew())
        Limpia_variables();
    return true;
}

}  // namespace zem
