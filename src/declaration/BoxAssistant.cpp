#include "declaration/BoxAssistant.h"

#include <cmath>

#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Declaration.h"
#include "declaration/Rules.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {}  // namespace

BoxAssistant::BoxAssistant(AssistantKind kind, Rules& rules, MessageSink& sink, QObject* parent)
    : QObject(parent), def_(assistantDef(kind)), rules_(rules), d_(rules.declaration()), sink_(sink) {
    for (const AssistantLine& line : def_.lines)
        lines_ << d_.text(line.box);
    updateTotal();
}

void BoxAssistant::setLine(int index, const QString& text) {
    if (index < 0 || index >= lines_.size() || lines_[index] == text)
        return;
    lines_[index] = text;
    updateTotal();
}

void BoxAssistant::reloadLine(int index) {
    if (index < 0 || index >= lines_.size())
        return;
    const QString text = d_.text(def_.lines[index].box);
    if (lines_[index] == text)
        return;
    lines_[index] = text;
    Q_EMIT lineChanged(index);
    updateTotal();
}

bool BoxAssistant::lineEmpty(int index) const {
    return lines_[index].trimmed().isEmpty();
}

double BoxAssistant::lineValue(int index) const {
    // Read as a whole number, whatever separators the field shows.
    return Val(Format(lines_[index].trimmed(), masks::kBoxEdit));
}

double BoxAssistant::totalValue() const {
    double total = 0;
    for (int i = 0; i < lines_.size(); ++i)
        total += def_.lines[i].sign * lineValue(i);
    return total;
}

void BoxAssistant::updateTotal() {
    bool anyFilled = false;
    for (int i = 0; i < lines_.size(); ++i)
        anyFilled = anyFilled || !lineEmpty(i);
    QString total;
    if (anyFilled) {
        const double value = totalValue();
        total = value < 0 && def_.negativeInParentheses ? Format(std::fabs(value), masks::kNegative)
                                                        : Format(value, masks::kBoxShown);
    }
    if (total == total_)
        return;
    total_ = total;
    Q_EMIT totalChanged(total_);
}

void BoxAssistant::write(int box, const QString& text) {
    d_.setText(box, text);
}

void BoxAssistant::writeLines() {
    // Each box receives its line as the field shows it once left: whole units with separators.
    for (int i = 0; i < lines_.size(); ++i) {
        const QString text = lines_[i].trimmed();
        write(def_.lines[i].box, text.isEmpty() ? QString() : Format(text, masks::kBoxShown));
    }
}

bool BoxAssistant::accept() {
    switch (def_.kind) {
        case AssistantKind::Exoneradas:
            writeLines();
            rules_.Calcular200();
            rules_.Calcular518();
            return true;
        case AssistantKind::Inafectas:
            writeLines();
            rules_.Calcular201();
            rules_.Calcular518();
            return true;
        case AssistantKind::Perdidas:
            writeLines();
            rules_.Calcular115();
            rules_.Calcular513();
            rules_.Calcular528();
            rules_.Calcular515();
            return true;
        case AssistantKind::Ficta:
            writeLines();
            write(102, total_);  // its change runs the first-category rules
            return true;
        case AssistantKind::EjercicioAnt:
            if (!total_.isEmpty() && totalValue() < 0) {
                sink_.error(u"El monto total no puede ser menor a cero."_s, u"Error"_s);
                return false;
            }
            write(125, total_);
            writeLines();
            return true;
        case AssistantKind::Ganancias:
            return acceptGains();
    }
    return false;
}

bool BoxAssistant::acceptGains() {
    // Line 0 is the value of the disposal (550), line 1 its computable cost (551).
    const bool valueEmpty = lineEmpty(0);
    const bool costEmpty = lineEmpty(1);
    if (valueEmpty && !costEmpty) {
        sink_.error(u"Debe ingresar la casilla 550"_s, u"Error"_s);
        return false;
    }
    if (costEmpty && !valueEmpty) {
        sink_.error(u"Debe ingresar la casilla 551"_s, u"Error"_s);
        return false;
    }
    writeLines();
    if (valueEmpty) {
        // Both lines emptied: no gain and no loss is left behind.
        write(520, QString());
        write(523, QString());
        return true;
    }
    if (lineValue(0) < lineValue(1)) {
        // A capital loss: no gain, and the loss goes to 523 as a deduction.
        write(520, u"0"_s);
        write(523, Format(std::fabs(totalValue()), masks::kNegative));
    } else {
        write(520, total_);
        write(523, QString());
    }
    return true;
}

}  // namespace zem
