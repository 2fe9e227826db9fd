#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace zem {

// The option buttons of one question: one radio button per answer, each answer with the code the declaration
// stores. Choosing a button asks the owner (chosen); the buttons always show the code set with setCode, so
// an answer the owner refuses goes back at once. Buttons are named after the group with their index
// (OptElabora0, OptElabora1).
class OptionButtons : public QWidget {
    Q_OBJECT

public:
    using Answer = QPair<QString, QString>;  // code, text

    OptionButtons(const QString& name, const QList<Answer>& answers, QWidget* parent = nullptr);

    // Checks the button of the code; none for an unknown or empty code.
    void setCode(const QString& code);
    QString code() const { return code_; }
    QRadioButton* button(int index) const;

Q_SIGNALS:
    void chosen(const QString& code);

private:
    QButtonGroup* group_;
    QList<Answer> answers_;
    QList<QRadioButton*> buttons_;
    QString code_;
};

}  // namespace zem
