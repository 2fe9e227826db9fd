#pragma once

namespace zem {

class FeederRegistry;

// Registers frmSombra as the import the declaration window's "Archivo personalizado" opens.
void registerImportWindow(FeederRegistry& registry);

}  // namespace zem
