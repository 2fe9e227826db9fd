#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "data/SeedCatalogue.h"
#include "declaration/ui/EditUndoStack.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"
#include "support/WindowSteps.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

using test::reveal;

const QString kRuc = u"10123456781"_s;

void type(Frm0478& w, int box, const QString& text) {
    QLineEdit* f = w.TxtValor(box);
    reveal(f)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f, text);
}

QString button(const Frm0478& w, const QString& name) {
    auto* b = w.findChild<QToolButton*>(name);
    return b && b->isEnabled() ? b->text() : QString();
}

}  // namespace

TEST(Frm0478Undo, TheCommandsNameTheEditAndTheKeysWorkWhileABoxIsBeingTyped) {
    test::TestEnv env;
    EXPECT_TRUE(loadSeedCatalogue(env.db()));
    test::addTaxpayer(env.db(), {.ruc = kRuc});
    FeederRegistry feeders;
    Frm0478 w(env.session, feeders, OpenRequest::newDeclaration(kRuc));
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Declaration& d = w.form().declaration();
    EXPECT_EQ(button(w, u"CmdDeshacer"_s), QString());
    // The identification a new declaration needs before its other tabs.
    for (const QString& answer : {u"optPor0"_s, u"optSom1"_s, u"OptRectifica1"_s})
        QTest::mouseClick(w.findChild<QRadioButton*>(answer), Qt::LeftButton);
    EXPECT_EQ(button(w, u"CmdDeshacer"_s), u"Deshacer casilla 005"_s);
    const int answers = w.undoStack()->count();

    type(w, 116, u"5000"_s);
    QTest::keyClick(w.TxtValor(116), Qt::Key_Tab);
    EXPECT_EQ(d.text(116), u"5,000"_s);
    EXPECT_EQ(button(w, u"CmdDeshacer"_s), u"Deshacer casilla 116"_s);
    // Every keystroke and the formatting on leaving are one edit.
    EXPECT_EQ(w.undoStack()->count(), answers + 1);

    // Ctrl+Z in a box being typed takes back the typing as one edit: the box's own undo does not hide it.
    type(w, 110, u"300"_s);
    EXPECT_FALSE(d.text(509).isEmpty() && d.text(110).isEmpty());
    QTest::keyClick(w.TxtValor(110), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(d.text(110).isEmpty());
    EXPECT_TRUE(w.TxtValor(110)->text().isEmpty());
    EXPECT_EQ(button(w, u"CmdDeshacer"_s), u"Deshacer casilla 116"_s);
    EXPECT_EQ(button(w, u"CmdRehacer"_s), u"Rehacer casilla 110"_s);
    QTest::keyClick(w.TxtValor(110), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(d.text(110), u"300"_s);
    QTest::keyClick(w.TxtValor(110), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w.TxtValor(110), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.text(110), u"300"_s);

    // An answer is one edit with what it opens; the button takes it back.
    auto* yes = w.findChild<QRadioButton*>(u"optExonera0"_s);
    ASSERT_TRUE(yes);
    QTest::mouseClick(reveal(yes), Qt::LeftButton);
    EXPECT_EQ(button(w, u"CmdDeshacer"_s), u"Deshacer casilla 560"_s);
    EXPECT_TRUE(d.isEnabled(200));
    w.undoAction()->trigger();
    EXPECT_FALSE(d.isEnabled(200));
    EXPECT_TRUE(w.findChild<QRadioButton*>(u"optExonera1"_s)->isChecked() == false && !yes->isChecked());
}
