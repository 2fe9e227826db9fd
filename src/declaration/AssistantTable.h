#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "declaration/BoxTable.h"

namespace zem {

// The six box assistants: small windows that feed a box of the declaration from lines of their own.
enum class AssistantKind {
    Exoneradas,    // FrmExoneradas, box 200: exempt income
    Inafectas,     // FrmInafectas, box 201: non-taxable income
    Perdidas,      // FrmPerdidas, box 115: losses of earlier years
    Ganancias,     // frmGanancias, box 520: net capital gain (or loss, 523)
    EjercicioAnt,  // frmEjercicioAnt, box 125: balance in favour of the previous year
    Ficta,         // frmFicta, box 102: undeclared and deemed rent
};

// One line of an assistant: the box it is kept in, its caption and whether the total adds or subtracts it.
struct AssistantLine {
    int box = 0;
    QString caption;
    int sign = 1;
};

struct AssistantDef {
    AssistantKind kind = AssistantKind::Exoneradas;
    Feeder feeder = Feeder::None;
    QString name;     // the window's name ("FrmExoneradas")
    QString caption;  // the window's caption
    int fedBox = 0;
    QString heading;  // a heading above the lines, "" for none
    QList<AssistantLine> lines;
    QString totalLabel;
    // The net capital gain and the balance of the previous year may come out negative: such a total is shown
    // in parentheses.
    bool negativeInParentheses = false;
    // The line fed by the legal-norms register (other exempt and other non-taxable income), -1 for none.
    int normsLine = -1;
};

const AssistantDef& assistantDef(AssistantKind kind);
// The assistant that feeds the boxes of a feeder; none when the feeder is an annex register.
std::optional<AssistantKind> assistantFor(Feeder feeder);

}  // namespace zem
