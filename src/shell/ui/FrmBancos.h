#pragma once

#include <QDialog>

class QTableView;

namespace zem {

struct Session;

// The reference queries of the "&Consultas" menu, by gConsulta: professions, banks or the UIT by date.
class FrmBancos : public QDialog {
    Q_OBJECT
public:
    explicit FrmBancos(Session& session, QWidget* parent = nullptr);

    QTableView* grid() const { return grid_; }

private:
    QTableView* grid_;
};

}  // namespace zem
