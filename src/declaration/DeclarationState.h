#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "declaration/Declaration.h"

namespace zem {

// Everything a user edit can change in the declaration model, as one value: the box texts, which boxes are
// disabled or locked, the answers, the payment fields and the patrimonial total. Taking it costs only
// reference counts (Qt's containers share their data until one side writes).
struct DeclarationState {
    QHash<int, QString> texts;
    QSet<int> disabled;
    QSet<int> locked;
    QHash<OptionGroup, QString> options;
    QString paymentType, paymentBank, paymentCheque, paymentAmount;
    QString patrimonialTotal;
};

// One value of the model that an edit changed, before and after. Flags are "1" / "" (set / not set).
struct FieldChange {
    enum Kind {
        Text,
        Disabled,
        Locked,
        Option,
        PaymentType,
        PaymentBank,
        PaymentCheque,
        PaymentAmount,
        Patrimonial
    };
    Kind kind = Text;
    int key = 0;  // the box, or the option group
    QString before;
    QString after;

    bool operator==(const FieldChange&) const = default;
};

// The values that differ between two states, boxes in ascending order.
QList<FieldChange> diffStates(const DeclarationState& before, const DeclarationState& after);

// The value a change names, as it stands in the state.
QString currentValue(const DeclarationState& state, FieldChange::Kind kind, int key);

// Puts the `after` values of the changes (or the `before` values, taking the edit back) into the model
// exactly, with the change chain held: every value an edit touched, computed boxes included, is restored,
// so nothing needs recomputing. The model announces each value as it is set, so the windows follow.
void applyChanges(Declaration& declaration, const QList<FieldChange>& changes, bool forward);

}  // namespace zem
