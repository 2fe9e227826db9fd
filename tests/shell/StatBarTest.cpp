#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>

#include "shell/ui/ZemStatBar.h"

using namespace Qt::StringLiterals;

TEST(ZemStatBar, ANameTooLongForItsPanelEndsInAnEllipsisAndIsWholeInItsTooltip) {
    QMainWindow window;
    auto* bar = new zem::ZemStatBar(&window);
    window.setStatusBar(bar);
    const QString name = u"VILLAFUERTE DE LAS MONTAÑAS ROJAS GUTIERREZ MARIA DEL CARMEN ALEJANDRINA"_s;
    bar->setNombre(name);
    window.resize(420, 200);
    window.show();
    QCoreApplication::processEvents();
    const QList<QLabel*> panels = bar->findChildren<QLabel*>();
    const auto panel =
        std::find_if(panels.begin(), panels.end(), [&](QLabel* l) { return l->toolTip() == name; });
    ASSERT_NE(panel, panels.end());
    EXPECT_TRUE((*panel)->text().endsWith(u'…') && name.startsWith((*panel)->text().chopped(1)));
    EXPECT_LE(window.width(), 420);
    EXPECT_EQ(bar->nombre(), name);
}
