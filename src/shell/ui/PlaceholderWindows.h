#pragma once

#include <QDialog>

namespace zem {

struct OpenRequest;

// Stand-ins for the declaration window and the print dialog until they are built: an empty window with the
// real caption and object name, which says which declaration it was opened for.
class PlaceholderFrm0478 : public QDialog {
    Q_OBJECT
public:
    PlaceholderFrm0478(const OpenRequest& request, QWidget* parent = nullptr);
};

class PlaceholderFrmImprimir : public QDialog {
    Q_OBJECT
public:
    PlaceholderFrmImprimir(bool sent, QWidget* parent = nullptr);
};

}  // namespace zem
