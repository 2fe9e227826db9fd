#include "declaration/Validation.h"

#include <QFile>

#include "data/Documents.h"
#include "declaration/Declaration.h"
#include "declaration/FormCaption.h"
#include "declaration/Rules.h"
#include "declaration/ValidationFindings.h"
#include "startup/Cp1252.h"
#include "startup/DbError.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/SystemError.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

bool isRucType(const QString& type) {
    QString t = type.trimmed();
    while (t.startsWith(u'0'))
        t.remove(0, 1);
    return t == u"6"_s;
}

Validation::Validation(Session& session, Declaration& declaration, Rules& rules)
    : session_(session), d_(declaration), rules_(rules) {}

QString Validation::messageFilePath() const {
    return session_.settings.gSysPath + u"Mens.txt"_s;
}

QString Validation::text(int box) const {
    return d_.text(box).trimmed();
}

bool Validation::filled(int box) const {
    return !rules_.Vacio(box);
}

double Validation::vale(int box) const {
    return rules_.Vale(box);
}

bool Validation::validDocument(const QString& type, const QString& number) const {
    return documents::validateDocument(session_.db(), type.trimmed(), number.trimmed());
}

int Validation::rowCount(const QString& table) const {
    // The working tables hold only the open declaration's rows.
    return session_.db().scalar(u"SELECT count(*) FROM "_s + table).toInt();
}

void Validation::preamble() {
    const QString advice = Rules::SaldoaPagar(d_.text(146), d_.text(180), u"por impuesto a la renta "_s);
    if (!advice.isEmpty())
        session_.sink.info(advice, QString::fromUtf16(kFormCaption));

    // A spouse younger than 15 years is worth a second look, but it is no inconsistency.
    const QDate birth = util::parseDate(d_.text(234));
    if (birth.isValid() && birth.daysTo(session_.clock.today()) / 365.0 < 15)
        session_.sink.info(u"Verifique la fecha de nacimiento de su cónyuge"_s,
                           QString::fromUtf16(kFormCaption));
}

bool Validation::ValidaTodo(const QString& mode) {
    const bool silent = mode == u"2"_s;
    inconsistent_ = false;
    if (!silent)
        findings_.clear();
    preamble();

    QFile file(messageFilePath());
    bool writable = true;
    if (!silent) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            writable = false;
            reportDbError(session_.sink, DbError{75, systemErrorInSpanish(file.errorString())});
        }
        if (!ValIdent(mode)) {
            inconsistent_ = true;
            return false;
        }
    }

    Findings f(silent);
    if (checkIncome(f) && checkDeclarant(f) && checkLessors(f))
        checkPayment(f);
    inconsistent_ = f.failed();
    if (silent)
        return !f.failed();

    findings_ = f.lines();
    if (writable) {
        for (const QString& line : findings_)
            file.write(cp1252::encode(line + u"\r\n"_s));
        file.close();
        if (file.error() != QFileDevice::NoError) {
            writable = false;
            reportDbError(session_.sink, DbError{75, systemErrorInSpanish(file.errorString())});
        }
    }
    if (!f.failed()) {
        session_.sink.warning(u"La información de la declaración no presenta inconsistencias."_s,
                              QString::fromUtf16(kFormCaption));
        return true;
    }
    if (writable && viewer_)
        viewer_(messageFilePath());
    return false;
}

}  // namespace zem
