#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

#include "declaration/AnnexGrids.h"
#include "declaration/Declaration.h"
#include "declaration/FormSession.h"

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QBoxLayout;
class QVBoxLayout;

namespace zem {

class AnnexGridPanel;
class BoxDateField;
class BoxTextField;
class EditUndoStack;
class FeederRegistry;
class FormaDePagoZEM;
class OptionButtons;
struct Session;

// The declaration window: every box of the form as a field of TxtValor on tabs that follow the printed
// form's sections, the option questions, the grids of dividends, investments abroad, trusts and co-owners,
// the payment method and the help area. It only binds: the declaration, its rules and its commands live in
// FormSession, and each field follows the model box by box, so one keystroke updates only the fields whose
// boxes changed. Boxes fed by an assistant or a register open it through the feeder registry.
class Frm0478 : public QDialog {
    Q_OBJECT

public:
    // Opens the declaration the request names (new, in preparation, or the copy of a sent one).
    Frm0478(Session& session, const FeederRegistry& feeders, const OpenRequest& request,
            QWidget* parent = nullptr);
    ~Frm0478() override;

    FormSession& form() { return form_; }
    // False when the declaration could not be opened: the window closes as soon as it shows.
    bool isOpen() const { return opened_; }

    // The field of a box; nullptr when the window has no field for it.
    QLineEdit* TxtValor(int box) const { return fields_.value(box); }
    QTabWidget* tabs() const { return tabs_; }
    AnnexGridPanel* gridPanel(AnnexGridKind kind) const { return panels_.value(static_cast<int>(kind)); }
    // The undo stack of the declaration and its two commands, "Deshacer" and "Rehacer" (Frm0478Undo.cpp).
    EditUndoStack* undoStack() const { return undo_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

    // The grids read again (an entry window changed its working table).
    void Get_Dividendos() { refreshGrid(AnnexGridKind::Dividends); }
    void Get_Extranjero() { refreshGrid(AnnexGridKind::ForeignInvestments); }
    void Get_Fideicomiso() { refreshGrid(AnnexGridKind::Trusts); }
    void Get_Condominos() { refreshGrid(AnnexGridKind::CoOwners); }

public Q_SLOTS:
    // "&Salir", Escape and the window's close button: the close questions first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Pages (Frm0478Pages.cpp).
    QWidget* identificationPage();
    QWidget* incomePage();
    QWidget* debtPage();
    QWidget* complementaryPage();
    QWidget* additionalPage();
    QWidget* declarantPage();
    QWidget* otherIncomePage();
    QWidget* rentalsPage();
    QWidget* fourthCategoryPage();
    QWidget* amazoniaPage();
    QWidget* patrimonialPage();
    QWidget* gridPage(AnnexGridKind kind);

    // Fields (Frm0478Fields.cpp).
    QWidget* field(int box);
    QLineEdit* makeAmountField(int box);
    BoxTextField* makeTextField(int box);
    QComboBox* makeTypeList(int typeBox, int numberBox, int usage);
    QComboBox* makeProfessionList();
    BoxDateField* makeDateField();
    OptionButtons* makeOption(OptionGroup group, const QList<QPair<QString, QString>>& answers);
    // A row of a section: the caption, the box number and the field.
    void addRow(QGridLayout* grid, int box, const QString& caption = {});
    void addHeading(QGridLayout* grid, const QString& text);
    QGridLayout* newSection(QVBoxLayout* page, const QString& title = {});
    QWidget* numbered(int box);

    // Binding.
    void bindModel();
    void showBox(int box);
    void showState(int box);
    void showTypeList(int typeBox);
    void showOption(OptionGroup group);
    void showIdentification();
    void showOptionDependents();
    void showHelp(int box);
    void chooseOption(OptionGroup group, const QString& code);
    void chooseDate();

    // Undo and redo (Frm0478Undo.cpp): typing in a box is one edit from the first change until the box is
    // left (or a command comes first).
    void setupUndo(QBoxLayout* buttons);
    void undoOrRedo(bool undo);
    void startTyping(int box);
    void finishTyping();

    // Commands and registers.
    void openFeeder(int box);
    void gridCommand(AnnexGridKind kind, int index);
    void refreshGrid(AnnexGridKind kind);
    void showSummary(AnnexGridKind kind);
    void general(int index);
    void onTabChanged(int index);
    void focusIdentField();

    Session& session_;
    const FeederRegistry& feeders_;
    FormSession form_;
    bool opened_ = false;
    bool closing_ = false;
    int currentTab_ = 0;

    QHash<int, QLineEdit*> fields_;
    QHash<int, QComboBox*> typeLists_;    // document-type box -> its list
    QHash<int, int> numberOfType_;        // document-type box -> its number box
    QHash<int, OptionButtons*> options_;  // by OptionGroup
    QHash<int, AnnexGridPanel*> panels_;  // by AnnexGridKind
    QList<QLineEdit*> assistantLines_;

    QTabWidget* tabs_ = nullptr;
    QTabWidget* additionalTabs_ = nullptr;
    QComboBox* cmbRuc_ = nullptr;
    QLineEdit* txtNumRuc_ = nullptr;
    QComboBox* cboProfesion_ = nullptr;
    BoxDateField* mkeFecNac_ = nullptr;
    BoxTextField* txtOrden_ = nullptr;
    BoxTextField* txtVerifica_ = nullptr;
    QWidget* orderFrame_ = nullptr;
    QLineEdit* txtTotal_ = nullptr;
    QPlainTextEdit* txtAyuda_ = nullptr;
    FormaDePagoZEM* payment_ = nullptr;
    QList<QPushButton*> commands_;  // Cmdgeneral
    EditUndoStack* undo_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    int typingBox_ = 0;
};

}  // namespace zem
