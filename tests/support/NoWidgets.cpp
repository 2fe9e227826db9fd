// Part of every test program of the core libraries: compiling it fails when a linked library brings Qt
// Widgets, so the split between the core and the windows stays proven.
#ifdef QT_WIDGETS_LIB
#error "a core test program links Qt Widgets"
#endif
#ifdef QT_GUI_LIB
#error "a core test program links Qt Gui"
#endif
