#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "data/Format.h"
#include "data/ui/AmountField.h"
#include "data/ui/CatalogueCombo.h"
#include "startup/MessageSink.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// A window with two amount fields and a plain line edit after them, shown and active.
struct Window {
    Window() {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(first = new AmountField(AmountField::Kind::Annex));
        layout->addWidget(second = new AmountField(AmountField::Kind::Box));
        layout->addWidget(last = new QLineEdit);
        first->configure(AmountField::Kind::Annex, &sink);
        widget.show();
        QApplication::setActiveWindow(&widget);
        first->setFocus();
    }
    QWidget widget;
    RecordingMessageSink sink;
    AmountField* first;
    AmountField* second;
    QLineEdit* last;
};

}  // namespace

TEST(AmountField, TypingKeepsOneDecimalPointAndNoPaste) {
    Window w;
    QTest::keyClicks(w.first, u"12a.3.4-5"_s);
    EXPECT_EQ(w.first->text(), u"12.345"_s);

    QGuiApplication::clipboard()->setText(u"999"_s);
    QTest::keyClick(w.first, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(w.first->text(), u"12.345"_s);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    QGuiApplication::clipboard()->setText(u"999"_s);
    QTest::keyClick(w.first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.first->text(), u"12.345"_s);

    QGuiApplication::clipboard()->setText(u"999"_s);
    QTest::mouseClick(w.first, Qt::RightButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    // Whole units refuse the point altogether.
    QTest::keyClicks(w.second, u"7.5"_s);
    EXPECT_EQ(w.second->text(), u"75"_s);
}

TEST(AmountField, EnterChecksTheAmountAndFocusFormatsIt) {
    Window w;
    QTest::keyClicks(w.first, u"12345678901"_s);
    QTest::keyClick(w.first, Qt::Key_Return);
    ASSERT_EQ(w.sink.messages().size(), 1);
    EXPECT_EQ(w.sink.messages()[0].text, u"Registre como máximo 10 enteros y 2 decimales"_s);
    EXPECT_TRUE(w.first->hasFocus());

    w.first->clear();
    QTest::keyClicks(w.first, u"1234567.5"_s);
    QTest::keyClick(w.first, Qt::Key_Return);
    EXPECT_EQ(w.sink.messages().size(), 1);
    EXPECT_TRUE(w.second->hasFocus());
    EXPECT_EQ(w.first->text(), u"1,234,567.50"_s);

    // Back in the field the amount reads without separators; a long amount is never cut.
    w.first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.first->text(), u"1234567.50"_s);

    w.second->setText(u"12,345,678,901"_s);
    w.second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.second->text(), u"12345678901"_s);
    QTest::keyClick(w.second, Qt::Key_Tab);
    EXPECT_EQ(w.second->text(), u"12,345,678,901"_s);

    // An empty box stays empty.
    w.second->clear();
    w.second->setFocus(Qt::TabFocusReason);
    w.last->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.second->text(), QString());
}

TEST(AmountField, FedBoxOpensItsWindowInsteadOfTyping) {
    Window w;
    w.second->configure(AmountField::Kind::AssistantBox);
    w.second->setText(u"1,500"_s);
    w.second->setFocus(Qt::TabFocusReason);
    QSignalSpy opened(w.second, &AmountField::openRequested);
    QTest::keyClick(w.second, Qt::Key_5);
    QTest::keyClick(w.second, Qt::Key_Return);
    QTest::keyClick(w.second, Qt::Key_End);
    QTest::keyClick(w.second, Qt::Key_Backspace);
    QTest::keyClick(w.second, Qt::Key_Home);
    QTest::keyClick(w.second, Qt::Key_Delete);
    QTest::keyClicks(w.second, u"a."_s);
    QTest::keyClick(w.second, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.second, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(w.second->text(), u"1500"_s);
}

TEST(AmountField, PeriodMaskKeepsTheYear) {
    QLineEdit period;
    period.setInputMask(periodInputMask(u"2006"_s));
    period.show();
    period.setFocus();
    period.home(false);
    QTest::keyClicks(&period, u"12"_s);
    EXPECT_EQ(period.text(), u"12/2006"_s);
}

TEST(AmountField, DropDownWidthFollowsTheLongestEntry) {
    QComboBox combo;
    ui::fillList(combo, {{QString(), QString(75, u' ')}, {u"01"_s, u"01     ABOGADO"_s}});
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(ui::dropDownWidth(75, combo.font()),
              ui::dropDownWidth(QStringList{QString(75, u'x')}, combo.font()));
    EXPECT_GT(ui::dropDownWidth(75), ui::dropDownWidth(10));
    EXPECT_EQ(ui::dropDownWidth(1), 0);
    EXPECT_TRUE(ui::selectCode(combo, u"01"_s, 2));
    EXPECT_EQ(ui::selectedCode(combo), u"01"_s);
    EXPECT_TRUE(ui::selectCode(combo, QString(), 2));  // the blank entry
    EXPECT_EQ(ui::selectedCode(combo), QString());
    EXPECT_FALSE(ui::selectCode(combo, u"02"_s, 2));
    EXPECT_EQ(combo.currentIndex(), -1);
}
