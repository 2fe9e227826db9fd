#include "import/ValImporta.h"

#include <QDate>
#include <cmath>

#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool allDigits(const QString& t) {
    if (t.isEmpty())
        return false;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A plain amount (Valida_Decimal_S): empty is 0.00; digits with "." or "," as the decimal point.
std::optional<qint64> amountCents(const QString& text) {
    if (text.isEmpty())
        return 0;
    qsizetype point = text.indexOf(u'.');
    if (point < 0)
        point = text.indexOf(u',');
    const QString whole = point < 0 ? text : text.left(point);
    const QString decimals = point < 0 ? QString() : text.mid(point + 1);
    if ((whole.isEmpty() && decimals.isEmpty()) || (!whole.isEmpty() && !allDigits(whole)) ||
        (!decimals.isEmpty() && !allDigits(decimals)))
        return std::nullopt;
    QString digits = whole;
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.size() > 10 || decimals.size() > 2)
        return std::nullopt;
    return (whole.isEmpty() ? 0 : whole.toLongLong()) * 100 + (decimals + u"00"_s).left(2).toLongLong();
}

bool validPeriod(const QString& p, const QString& year) {
    if (p.size() != 6 || !allDigits(p) || p.left(4) != year)
        return false;
    const int month = p.mid(4, 2).toInt();
    return month >= 1 && month <= 12;
}

// yyyymmdd as "dd/mm/yyyy"; "" when it is not a real date from 1900 on.
QString dateText(const QString& d) {
    if (d.size() != 8 || !allDigits(d))
        return {};
    const QDate date(d.left(4).toInt(), d.mid(4, 2).toInt(), d.mid(6, 2).toInt());
    if (!date.isValid() || date < QDate(1900, 1, 1))
        return {};
    return d.mid(6, 2) + u'/' + d.mid(4, 2) + u'/' + d.left(4);
}

std::optional<ImportAgent> agentOf(const QString& type, const QString& number, const QString& name) {
    if (type.isEmpty() || type.size() > 2)
        return std::nullopt;
    for (const QChar c : type) {
        if (!c.isDigit() && !(c >= u'A' && c <= u'Z'))
            return std::nullopt;
    }
    // The catalogue's code: "06" and "6" are the same type.
    QString code = type;
    if (code.size() == 2 && code[0] == u'0')
        code.remove(0, 1);
    bool valid = false;
    if (code == u"6") {
        valid = number.size() == 11 && allDigits(number);
    } else if (code == u"0") {
        valid = number.size() == 8 && util::ValidaNumeroDocumento(number, u'0');
    } else {
        valid = !number.isEmpty() && number.size() <= 15 && util::ValidaNumeroDocumento(number, u'0');
    }
    if (!valid)
        return std::nullopt;
    return ImportAgent{code, number, name};
}

bool validOrder(const QString& order) {
    return allDigits(order) && order.size() <= 8;
}

const QStringList& formsOf(int box, const ImportRules& rules) {
    return box == 133 ? rules.forms133 : box == 529 ? rules.forms529 : rules.forms127;
}

// Fields 5..9 of a payment on account: saldo, compensation, other credits, payment without interest,
// interest.
std::optional<ImportRecord> paymentOnAccount(const RecordFile& file, const QStringList& f,
                                             const ImportRules& rules) {
    const QString date = dateText(f[3]);
    if (!formsOf(file.box, rules).contains(f[1]) || !validPeriod(f[0], rules.year) || !validOrder(f[2]) ||
        date.isEmpty())
        return std::nullopt;
    qint64 a[5];
    for (int i = 0; i < 5; ++i) {
        const auto v = amountCents(f[4 + i]);
        if (!v)
            return std::nullopt;
        a[i] = *v;
    }
    // The total of the payment is its credits and what was paid without interest; the payment adds interest.
    const qint64 total = a[0] + a[1] + a[2] + a[3];
    ImportRecord r;
    r.values = {u"127"_s,
                f[0],
                f[1],
                f[2],
                date,
                centsText(a[0]),
                centsText(a[1]),
                centsText(a[2]),
                centsText(a[3]),
                centsText(total),
                centsText(a[4]),
                centsText(total + a[4]),
                u"1"_s};
    r.cents = total;
    return r;
}

std::optional<ImportRecord> payment(const RecordFile& file, const QStringList& f, const ImportRules& rules) {
    const QString date = dateText(f[3]);
    const auto tax = amountCents(f[4]);
    const auto interest = amountCents(f[5]);
    if (!formsOf(file.box, rules).contains(f[1]) || !validPeriod(f[0], rules.year) || !validOrder(f[2]) ||
        date.isEmpty() || !tax || !interest || *tax == 0)
        return std::nullopt;
    ImportRecord r;
    QString taxable;
    if (file.box == 133) {
        // The tax of the first category is 12 % of the income: the payment gives the income it was paid on.
        const auto income = static_cast<qint64>(std::llround(static_cast<double>(*tax) / 0.12));
        taxable = centsText(income);
        r.cents = income;
        r.taxCents = *tax;
    } else {
        r.cents = *tax;
    }
    r.values = {
        QString::number(file.box),   f[0],    f[1],  f[2], date, centsText(*tax), centsText(*interest),
        centsText(*tax + *interest), taxable, u"1"_s};
    return r;
}

std::optional<ImportRecord> receipt(const QStringList& f, const ImportRules& rules) {
    auto agent = agentOf(f[0], f[1], f[2]);
    const QString date = dateText(f[7]);
    const auto amount = amountCents(f[8]);
    const QString type = util::RellenaIzquierda(f[4], 2);
    if (!agent || !validPeriod(f[3], rules.year) || !rules.receiptTypes.contains(type) || date.isEmpty() ||
        !amount || *amount == 0)
        return std::nullopt;
    if (!allDigits(f[5]) || f[5].size() > 4 || !allDigits(f[6]) || f[6].size() > 15 || f[6].toLongLong() == 0)
        return std::nullopt;
    ImportRecord r;
    r.values = {u"107"_s,
                agent->type,
                agent->number,
                f[3],
                type,
                util::RellenaIzquierda(f[5], 4),
                util::RellenaIzquierda(f[6], type == u"99" ? 15 : 8),
                date,
                centsText(*amount),
                u"1"_s};
    r.cents = *amount;
    r.agent = std::move(agent);
    return r;
}

// Withholdings by period and the agents of box 522 share their layout: agent, name, period, amount.
std::optional<ImportRecord> byPeriod(const RecordFile& file, const QStringList& f, const ImportRules& rules) {
    auto agent = agentOf(f[0], f[1], f[2]);
    const auto amount = amountCents(f[4]);
    if (!agent || !validPeriod(f[3], rules.year) || !amount)
        return std::nullopt;
    ImportRecord r;
    if (file.kind == RecordKind::Withholding) {
        r.values = {QString::number(file.box), agent->type, agent->number, f[3], centsText(*amount), u"1"_s};
    }
    r.cents = *amount;
    r.agent = std::move(agent);
    return r;
}

}  // namespace

QString centsText(qint64 cents) {
    return QString::number(cents / 100) + u'.' + QString::number(cents % 100).rightJustified(2, u'0');
}

QString importTable(RecordKind kind) {
    switch (kind) {
        case RecordKind::Payment:
            return u"TMP_F0480PAGOS"_s;
        case RecordKind::Withholding:
            return u"TMP_F0480DETRTA"_s;
        case RecordKind::Receipt:
            return u"TMP_F0480RETDET"_s;
        case RecordKind::PaymentOnAccount:
            return u"TMP_F0480PAGCTA"_s;
        case RecordKind::Agent522:
            break;
    }
    return {};
}

QStringList importColumns(RecordKind kind) {
    switch (kind) {
        case RecordKind::Payment:
            return {u"casilla"_s,  u"per_tri"_s, u"num_for"_s,     u"num_ord"_s,     u"fec_pago"_s,
                    u"mto_trib"_s, u"mto_int"_s, u"mto_tot_pag"_s, u"mto_gravado"_s, u"ind_importa"_s};
        case RecordKind::Withholding:
            return {u"casilla"_s, u"tip_doc_ret"_s,  u"num_ruc"_s,
                    u"per_tri"_s, u"mto_retenido"_s, u"ind_importa"_s};
        case RecordKind::Receipt:
            return {u"casilla"_s,    u"tip_doc_ret"_s,  u"num_doc_ret"_s, u"per_tri"_s,
                    u"tip_cp"_s,     u"num_serie_cp"_s, u"num_cp"_s,      u"fec_emision_cp"_s,
                    u"mto_imp_cp"_s, u"ind_importa"_s};
        case RecordKind::PaymentOnAccount:
            return {u"casilla"_s, u"per_tri"_s,     u"num_for"_s,    u"num_ord"_s,     u"fec_pago"_s,
                    u"mto_sal"_s, u"mto_com"_s,     u"mto_otr"_s,    u"mto_sin_int"_s, u"mto_trib"_s,
                    u"mto_int"_s, u"mto_tot_pag"_s, u"ind_importa"_s};
        case RecordKind::Agent522:
            break;
    }
    return {};
}

std::optional<ImportRecord> ValImporta(const RecordFile& file, const QStringList& fields,
                                       const ImportRules& rules) {
    if (fields.size() != file.fields)
        return std::nullopt;
    switch (file.kind) {
        case RecordKind::Payment:
            return payment(file, fields, rules);
        case RecordKind::PaymentOnAccount:
            return paymentOnAccount(file, fields, rules);
        case RecordKind::Receipt:
            return receipt(fields, rules);
        case RecordKind::Withholding:
        case RecordKind::Agent522:
            return byPeriod(file, fields, rules);
    }
    return std::nullopt;
}

}  // namespace zem
