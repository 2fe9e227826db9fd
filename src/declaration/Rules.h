#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "declaration/Declaration.h"

namespace zem {

// The computation of the declaration: the box primitives, every derived box, the tax by the scale, the
// balance, and the change chain that decides which rules follow an edit. Constructed over the model, it
// installs itself as the model's change handler, so every change of a box (typed or written by a rule) runs
// the rules for that box, which write their result boxes, whose own changes run the next rules, down to the
// debt (146). While the model's load flag is raised nothing runs. No rule touches the database.
//
// Deductions and credits are kept as negative amounts and shown in parentheses; Vale reads them back as
// positive amounts. A rule whose inputs are all empty empties its result: empty is not zero.
class Rules : public QObject {
    Q_OBJECT

public:
    // uit: the tax unit of the fiscal year as text (session.gUIT).
    Rules(Declaration& declaration, const QString& uit, QObject* parent = nullptr);
    ~Rules() override;
    Rules(const Rules&) = delete;
    Rules& operator=(const Rules&) = delete;

    Declaration& declaration() const { return *d_; }
    QString uitText() const { return uit_; }
    void setUit(const QString& uit) { uit_ = uit; }
    double uit() const;

    // --- Primitives ----------------------------------------------------------------------------------------
    // True when the trimmed text of the box is empty.
    bool Vacio(int box) const;
    // The box read as a whole amount (halves away from zero); 0 when blank or not a number. Deduction and
    // credit boxes give their absolute value (isAbsoluteBox), every other box its signed value.
    double Vale(int box) const;
    // Formats the box for display: a negative amount as "(1,234)", any other as "1,234"; a text that is not
    // a number is cleared.
    void Forma(int box);
    // The text Forma would give the box for this text.
    static QString formaText(int box, const QString& text);
    // Boxes whose value is a deduction or a credit: Vale reads them as positive amounts.
    static bool isAbsoluteBox(int box);

    // --- Income side -----------------------------------------------------------------------------------
    void CalcularA();             // 501 = 100 + 102
    void CalcularB();             // 502 = -20 % of 501
    void CalcularC();             // 503 = 501 - 502
    void CalcularD();             // 504 = 520 + 105 + 106
    void CalcularE();             // 505 = -10 % of 504
    void CalcularF();             // 506 = 504 - 505
    void CalcularG();             // 507 = -20 % of 107, at most 24 UIT
    void CalcularH();             // 508 = 107 - 507
    void CalcularI();             // 509 = 508 + 108 - 110
    void CalcularJ();             // 510 = 509 + 111
    void CalcularK();             // 511 = -(510 up to 7 UIT)
    void CalcularL();             // 512 = 510 - 511
    void Calcular113();           // 113 = 503 + 506 + 512
    void Calcular514();           // 514 = 113 - (522 + 519), never below 0
    void Calcular513();           // 513 = 514 - 114 - 523
    void Calcular528();           // 528 = 513 + 116 - 115, never below 0
    void Calcular515();           // 515 = 528 - 117
    void Calcular518();           // 518 = 113 + 116 + 200 + 201 + 203 + 118
    void Calcular115();           // 115 = losses of 2002-2005 (526, 527, 555, 562)
    void Calcular200();           // 200 = 535 + ... + 539, never below 0
    void Calcular201();           // 201 = 530 + ... + 534 + 540, never below 0
    void Calcular_Patrimonial();  // the total of the patrimonial lines 840-853

    // --- Tax and balance -------------------------------------------------------------------------------
    void Calcular120();     // the tax on 515 by the scale: 15 % to 27 UIT, 21 % to 54 UIT, 30 % above
    void CalcularP();       // 516 = 120 - 122 - 124, never below 0
    void Calcular141142();  // the balance in favour (141) or to pay (142), and box 140
    void Calcular146();     // 146 = 142 - 144 + 145, never below 0
    // The limit of the foreign-tax credit (box 122), whole units without separators; "" when it cannot be
    // worked out or is zero.
    QString Calcular122() const;
    // Box 180 to the payment component's amount.
    void CalcularImporteTotal();
    // The advisory comparing the amount to pay with the debt; "" when there is nothing to say.
    static QString SaldoaPagar(const QString& debt, const QString& amount, const QString& concepto);

    // --- Sections --------------------------------------------------------------------------------------
    void HabAlquiler();  // the lessor lines (rent paid)
    void DesAlquiler();
    void HabCuarta();  // the fourth-category detail lines
    void DesCuarta();
    void HabAmazonia();  // the Amazonía lines
    void DesAmazonia();
    // Box 114 follows boxes 100 and 102; the fourth-category lines follow 107 and 108; the Amazonía lines
    // follow 117.
    void seccion114();
    void seccionCuarta();
    void seccionAmazonia();
    // The boxes each pair of section switches enables and disables.
    static QList<int> lessorBoxes();
    static QList<int> fourthCategoryBoxes();
    static QList<int> amazoniaBoxes();

    // --- Focus ---------------------------------------------------------------------------------------------
    // A box gets the focus for editing: the display-format flag goes off (box 115 then shows its plain sum).
    void enterBox(int box);
    // A box loses the focus: an enabled amount box is formatted, the display-format flag goes on, and the
    // sections that follow 100/102 and 107/108 are applied. Locked boxes are left alone.
    void leaveBox(int box);
    // Boxes that hold text rather than an amount (document numbers, names, codes): never formatted.
    static bool isTextBox(int box);

    // --- Change chain ----------------------------------------------------------------------------------
    // The rules that follow a change of the box (the model calls this unless it is loading).
    void onChange(int box);

    // Captions of box 507 with the cap of 24 UIT: as the window labels the box and as the printed form does.
    QString caption507() const;
    QString printedCaption507() const;

private:
    bool allEmpty(std::initializer_list<int> boxes) const;
    // Writes an amount to a box as Forma shows it.
    void put(int box, double value);
    void putText(int box, const QString& text);
    void empty(int box);
    void onOptionChanged(OptionGroup group);

    QPointer<Declaration> d_;
    QString uit_;
    bool in200_ = false;
    bool in201_ = false;
};

}  // namespace zem
