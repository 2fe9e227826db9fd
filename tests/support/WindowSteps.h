#pragma once

// The steps a widget test takes in the declaration window and the register windows: finding a control,
// bringing its tab to front, clicking, typing, acting on the next modal window, and a screenshot.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace zem::test {

template <typename T>
T* child(const QWidget& w, const QString& name) {
    T* found = w.findChild<T*>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

// Brings the tabs that hold the widget to front, as the user does before using it.
inline QWidget* reveal(QWidget* widget) {
    QList<QPair<QTabWidget*, QWidget*>> path;
    for (QWidget* p = widget; p && p->parentWidget(); p = p->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
            path.prepend({tabs, p});
    }
    for (const auto& [tabs, page] : path)
        tabs->setCurrentWidget(page);
    return widget;
}

inline void click(const QWidget& w, const QString& name) {
    QTest::mouseClick(reveal(child<QAbstractButton>(w, name)), Qt::LeftButton);
}

inline void typeInto(QWidget* w, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(w);
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
}

// Runs the steps on the next modal window of type T once it is shown (the caller then opens it). The
// returned flag, once cleared, stops waiting (a window that never came).
template <typename T>
std::shared_ptr<bool> whenShown(std::function<void(T&)> steps,
                                std::shared_ptr<bool> waiting = std::make_shared<bool>(true)) {
    QTimer::singleShot(0, [steps, waiting] {
        if (!*waiting)
            return;
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) {
            whenShown<T>(steps, waiting);
            return;
        }
        *waiting = false;
        steps(*window);
    });
    return waiting;
}

// A screenshot of the window into the folder named by ZEM_SHOTS, when set.
inline void shoot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("ZEM_SHOTS");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

}  // namespace zem::test
