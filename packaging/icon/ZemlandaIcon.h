#pragma once

#include <QImage>

namespace zem {

// The icon of the launcher Zemlanda: a declaration form with its header band, ruled boxes and a round seal
// marked Z. Painted on a 256-unit square; below 32 pixels the ruled boxes are left out so the shapes stay
// clear.
QImage zemlandaIcon(int size);

}  // namespace zem
