#pragma once

#include <QDialog>
#include <QHash>

class QWidget;

namespace zem {

class AnnexEntry;

// The detail window of a register (frmPagosDet, frmPagCtaDet and the later ones), built from its entry's
// fields: the period with the fiscal year fixed in its mask (MkePeriodo), the form list (CboFormulario), the
// order number (txtOrden, digits only), the date (MskFecPag) and the amounts (TxtMonto 0, 1, ...), with
// "&Aceptar" and "&Salir" (CmdITF 0 and 1). Enter moves to the next field. In "MODIFICA" the key fields are
// locked and grey. The window only binds: the checks, the derived amounts and the save are the entry's.
class RegisterEntryWindow : public QDialog {
    Q_OBJECT

public:
    explicit RegisterEntryWindow(AnnexEntry& entry, QWidget* parent = nullptr);
    ~RegisterEntryWindow() override;

    // The control of a column ("" when it has none).
    QWidget* control(const QString& column) const { return controls_.value(column); }

    // "&Aceptar": a new entry stays open, cleared, with the focus on its first field; a modified one closes.
    void aceptar();

public Q_SLOTS:
    // "&Salir" or closing: an entry that asks before dropping unsaved changes asks here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showValue(const QString& column);
    void showState(const QString& column);
    QString controlText(const QString& column) const;

    AnnexEntry& entry_;
    QHash<QString, QWidget*> controls_;
    bool showing_ = false;
};

}  // namespace zem
