#pragma once

namespace zem {

// The caption of the declaration window: the form number, the family name and the module's title with its
// version. Messages of the declaration (validation, save) carry it as their title.
inline constexpr char16_t kFormCaption[] = u"0482  ZEM - Declaración Pago Anual Impuesto a la Renta 1.0";

}  // namespace zem
