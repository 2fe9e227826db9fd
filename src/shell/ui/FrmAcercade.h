#pragma once

#include <QDialog>

namespace zem {

// The about window: the family, the module and its version.
class FrmAcercade : public QDialog {
    Q_OBJECT
public:
    explicit FrmAcercade(QWidget* parent = nullptr);
};

}  // namespace zem
