#pragma once

#include <QDialog>

namespace zem {

struct OpenRequest;

// A stand-in for the declaration window where none is registered: an empty window with the real caption and
// object name, which says which declaration it was opened for.
class PlaceholderFrm0478 : public QDialog {
    Q_OBJECT
public:
    PlaceholderFrm0478(const OpenRequest& request, QWidget* parent = nullptr);
};

}  // namespace zem
