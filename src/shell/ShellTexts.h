#pragma once

#include <QString>

namespace zem {

// The family launcher's window title: the module runs only while a window with this title is on the desktop.
inline constexpr char16_t kLauncherTitle[] = u"Zemlanda";
inline constexpr char16_t kModuleTitle[] = u"Declaración Pago Anual Impuesto a la Renta";
inline constexpr char16_t kModuleVersion[] = u"1.0";

// The main window: the form number, two blanks, the module's title and its version.
inline QString mainWindowCaption(const QString& formulario) {
    return formulario + QStringLiteral("  ") + QString::fromUtf16(kModuleTitle) + u' ' +
           QString::fromUtf16(kModuleVersion);
}

// The declaration window's caption, with the family name, is kFormCaption of declaration/FormCaption.h.

}  // namespace zem
