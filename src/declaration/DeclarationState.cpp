#include "declaration/DeclarationState.h"

#include <algorithm>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString flag(bool on) {
    return on ? u"1"_s : QString();
}

void diffTexts(const QHash<int, QString>& a, const QHash<int, QString>& b, QList<FieldChange>& out) {
    const qsizetype from = out.size();
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        const auto old = a.constFind(it.key());
        if (old == a.cend() || *old != it.value())
            out.append({FieldChange::Text, it.key(), old == a.cend() ? QString() : *old, it.value()});
    }
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (!b.contains(it.key()))
            out.append({FieldChange::Text, it.key(), it.value(), QString()});
    }
    std::sort(out.begin() + from, out.end(),
              [](const FieldChange& x, const FieldChange& y) { return x.key < y.key; });
}

void diffSets(FieldChange::Kind kind, const QSet<int>& a, const QSet<int>& b, QList<FieldChange>& out) {
    const qsizetype from = out.size();
    for (int box : b) {
        if (!a.contains(box))
            out.append({kind, box, QString(), flag(true)});
    }
    for (int box : a) {
        if (!b.contains(box))
            out.append({kind, box, flag(true), QString()});
    }
    std::sort(out.begin() + from, out.end(),
              [](const FieldChange& x, const FieldChange& y) { return x.key < y.key; });
}

void diffValue(FieldChange::Kind kind, const QString& a, const QString& b, QList<FieldChange>& out) {
    if (a != b)
        out.append({kind, 0, a, b});
}

}  // namespace

DeclarationState Declaration::state() const {
    return {texts_,       disabled_,      locked_,        options_,         paymentType_,
            paymentBank_, paymentCheque_, paymentAmount_, patrimonialTotal_};
}

QList<FieldChange> diffStates(const DeclarationState& before, const DeclarationState& after) {
    QList<FieldChange> out;
    // Containers an edit did not write still share their data: nothing to compare.
    if (!before.texts.isSharedWith(after.texts))
        diffTexts(before.texts, after.texts, out);
    diffSets(FieldChange::Disabled, before.disabled, after.disabled, out);
    diffSets(FieldChange::Locked, before.locked, after.locked, out);
    if (!before.options.isSharedWith(after.options)) {
        for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
            const auto group = static_cast<OptionGroup>(g);
            if (before.options.value(group) != after.options.value(group))
                out.append({FieldChange::Option, g, before.options.value(group), after.options.value(group)});
        }
    }
    diffValue(FieldChange::PaymentType, before.paymentType, after.paymentType, out);
    diffValue(FieldChange::PaymentBank, before.paymentBank, after.paymentBank, out);
    diffValue(FieldChange::PaymentCheque, before.paymentCheque, after.paymentCheque, out);
    diffValue(FieldChange::PaymentAmount, before.paymentAmount, after.paymentAmount, out);
    diffValue(FieldChange::Patrimonial, before.patrimonialTotal, after.patrimonialTotal, out);
    return out;
}

QString currentValue(const DeclarationState& state, FieldChange::Kind kind, int key) {
    switch (kind) {
        case FieldChange::Text:
            return state.texts.value(key);
        case FieldChange::Disabled:
            return flag(state.disabled.contains(key));
        case FieldChange::Locked:
            return flag(state.locked.contains(key));
        case FieldChange::Option:
            return state.options.value(static_cast<OptionGroup>(key));
        case FieldChange::PaymentType:
            return state.paymentType;
        case FieldChange::PaymentBank:
            return state.paymentBank;
        case FieldChange::PaymentCheque:
            return state.paymentCheque;
        case FieldChange::PaymentAmount:
            return state.paymentAmount;
        case FieldChange::Patrimonial:
            return state.patrimonialTotal;
    }
    return {};
}

void applyChanges(Declaration& d, const QList<FieldChange>& changes, bool forward) {
    const bool wasLoading = d.isLoading();
    d.setLoading(true);
    // An answer switches its section on or off as it is set (the rent answer empties the lessor lines), so
    // the answers go first and the exact values of the boxes after them.
    for (const FieldChange& c : changes) {
        if (c.kind == FieldChange::Option)
            d.setOption(static_cast<OptionGroup>(c.key), forward ? c.after : c.before);
    }
    for (const FieldChange& c : changes) {
        const QString& v = forward ? c.after : c.before;
        switch (c.kind) {
            case FieldChange::Text:
                d.setText(c.key, v);
                break;
            case FieldChange::Disabled:
                d.setEnabled(c.key, v.isEmpty());
                break;
            case FieldChange::Locked:
                d.setLocked(c.key, !v.isEmpty());
                break;
            case FieldChange::Option:
                break;
            case FieldChange::PaymentType:
                d.setPaymentType(v);
                break;
            case FieldChange::PaymentBank:
                d.setPaymentBank(v);
                break;
            case FieldChange::PaymentCheque:
                d.setPaymentCheque(v);
                break;
            case FieldChange::PaymentAmount:
                d.setPaymentAmount(v);
                break;
            case FieldChange::Patrimonial:
                d.setPatrimonialTotal(v);
                break;
        }
    }
    d.setLoading(wasLoading);
}

}  // namespace zem
