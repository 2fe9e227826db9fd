#pragma once

#include <QDialog>

namespace zem {

struct Session;

// Stand-ins for the declaration window and the print dialog until they are built: an empty window with the
// real caption and object name, which says which declaration it was opened for.
class PlaceholderFrm0478 : public QDialog {
    Q_OBJECT
public:
    PlaceholderFrm0478(Session& session, QWidget* parent = nullptr);
};

class PlaceholderFrmImprimir : public QDialog {
    Q_OBJECT
public:
    PlaceholderFrmImprimir(Session& session, QWidget* parent = nullptr);
};

}  // namespace zem
