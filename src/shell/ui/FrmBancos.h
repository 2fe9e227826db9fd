#pragma once

#include <QDialog>

class QTableView;

namespace zem {

struct Session;

// The reference queries of the "&Consultas" menu: professions, banks or the UIT by date.
class FrmBancos : public QDialog {
    Q_OBJECT
public:
    // kind: 1 professions, 2 banks, 3 UIT (any other value: banks).
    FrmBancos(Session& session, int kind, QWidget* parent = nullptr);

    QTableView* grid() const { return grid_; }

private:
    QTableView* grid_;
};

}  // namespace zem
