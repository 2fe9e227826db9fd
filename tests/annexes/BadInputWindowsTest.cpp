// Every text box of the declaration window, and of each register window and assistant it opens, given each
// hostile text as the user would type or paste it, then Enter and the window's accept button: nothing
// crashes, every message is Spanish (never the database engine's words) and no control or unreadable
// character reaches a working or stored table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>

#include "annexes/ui/AnnexWindows.h"
#include "data/SeedCatalogue.h"
#include "declaration/ui/Assistants.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "support/TestEnv.h"
#include "support/WindowSteps.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

using test::child;
using test::reveal;

const QString kRuc = u"10123456781"_s;

QStringList hostileTexts() {
    return {u"D'ONO\"FRIO`"_s,
            u"%_%[a-z]*?"_s,
            u"C:\\TEMP\\\\n\\"_s,
            QString(1 << 20, u'9'),
            u"A\u0001\tB\r\nC\u001b[2J\u007f"_s,
            QString::fromUtf8("\xff\xfe\xc3(\xed\xa0\x80Z"),
            QString(QChar(0xD800)) + u"1"_s};
}

// The texts the database engine and Qt's drivers use, which the user must never read.
const QStringList kEngineWords = {u"database"_s, u"constraint"_s, u"malformed"_s,      u"syntax"_s,
                                  u"no such"_s,  u"Driver"_s,     u"Parameter count"_s};

// Types each hostile text into each line edit of a window (selecting what is there, as a paste would),
// presses Enter, and then the accept button when the window has one. Stops when the window goes away.
void typeEverywhere(QWidget* window, QPushButton* accept) {
    const QPointer<QWidget> alive(window);
    for (const QPointer<QLineEdit> edit : window->findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(edit->parentWidget()))
            continue;  // the list of a combo box: chosen, not typed
        for (const QString& text : hostileTexts()) {
            if (!alive || !alive->isVisible() || !edit || !edit->isEnabled() || edit->isReadOnly())
                break;
            reveal(edit);
            edit->setFocus();
            edit->selectAll();
            edit->insert(text);
            if (edit)
                QTest::keyClick(edit, Qt::Key_Return);
            if (alive && alive->isVisible() && accept && accept->isEnabled())
                QTest::mouseClick(accept, Qt::LeftButton);
        }
    }
}

QPushButton* button(QWidget& window, const QString& caption) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == caption && b->isVisible())
            return b;
    }
    return nullptr;
}

// Handles every modal window that opens while it lives: the first window of each kind is swept (a list
// window through its Nuevo, which opens its entry window in turn), then closed; the others are closed. The
// work is timed from the window's showing, so that it runs inside the window's own loop.
class ModalSweeper : public QObject {
public:
    ModalSweeper() { qApp->installEventFilter(this); }
    ~ModalSweeper() override { qApp->removeEventFilter(this); }

    QStringList swept;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal() &&
            !dialog->property("zemSeen").toBool()) {
            dialog->setProperty("zemSeen", true);
            QTimer::singleShot(0, dialog, [this, dialog] { sweep(dialog); });
        }
        return false;
    }

private:
    void sweep(QDialog* dialog) {
        const QString kind =
            QString::fromLatin1(dialog->metaObject()->className()) + u' ' + dialog->objectName();
        const QPointer<QDialog> window(dialog);
        if (!swept.contains(kind)) {
            swept << kind;
            typeEverywhere(window, button(*window, u"&Aceptar"_s));
            if (window && window->isVisible()) {
                if (QPushButton* nuevo = button(*window, u"&Nuevo"_s))
                    QTest::mouseClick(nuevo, Qt::LeftButton);
            }
        }
        // Closed as Salir would close it once the user answered No to saving what was typed.
        if (window && window->isVisible())
            window->done(QDialog::Rejected);
    }
};

// The first table, working or stored, holding a text with a control character or the mark of unreadable
// input; empty when there is none.
QString tableWithUnreadableText(Db& db) {
    QSqlQuery tables = db.select(
        u"SELECT name FROM sqlite_master WHERE type = 'table' UNION ALL "
        u"SELECT name FROM sqlite_temp_master WHERE type = 'table'"_s);
    QStringList names;
    while (tables.next())
        names << tables.value(u"name"_s).toString();
    for (const QString& name : names) {
        QSqlQuery rows = db.select(u"SELECT * FROM \""_s + name + u'"');
        while (rows.next()) {
            for (int i = 0; i < rows.record().count(); ++i) {
                for (const QChar c : rows.value(i).toString()) {
                    if (c.unicode() < 32 || c.unicode() == 127 || c == QChar::ReplacementCharacter ||
                        c.isSurrogate())
                        return name + u'.' + rows.record().fieldName(i);
                }
            }
        }
    }
    return {};
}

}  // namespace

TEST(BadInputWindows, EveryTextBoxOfTheDeclarationAndTheWindowsItOpensTakesHostileText) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    env.db().execute(
        u"INSERT INTO cont (tip_doc_d, doc_id_d, apellido_p, apellido_m, nombre_1, nombre, tipo_ingreso, "
        "usuario) VALUES (6, ?, 'PEREZ', 'GOMEZ', 'ANA', 'PEREZ GOMEZ ANA', 2, 'CONTADOR')"_s,
        {kRuc});
    FeederRegistry feeders;
    registerAnnexWindows(feeders);
    registerAssistants(feeders);
    QStringList swept;
    {
        Frm0478 w(env.session, feeders, OpenRequest::newDeclaration());
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        auto* ruc = child<QComboBox>(w, u"CmbRuc"_s);
        ruc->setCurrentIndex(ruc->findData(kRuc));
        Q_EMIT ruc->activated(ruc->currentIndex());
        for (const QString& option : {u"optPor0"_s, u"optSom1"_s, u"OptRectifica1"_s})
            QTest::mouseClick(reveal(child<QRadioButton>(w, option)), Qt::LeftButton);

        ModalSweeper sweeper;
        typeEverywhere(&w, nullptr);
        env.sink.setNextAnswer(MsgAnswer::Yes);
        QTest::mouseClick(reveal(child<QPushButton>(w, u"Cmdgeneral0"_s)), Qt::LeftButton);  // save
        swept = sweeper.swept;
    }
    // The sweep reached the register windows and the assistants, not only the declaration window.
    EXPECT_GE(swept.size(), 4) << swept.join(u", "_s).toStdString();
    EXPECT_TRUE(swept.filter(u"RegisterEntryWindow"_s).size() > 0) << swept.join(u", "_s).toStdString();
    EXPECT_TRUE(swept.filter(u"BoxAssistantDialog"_s).size() > 0) << swept.join(u", "_s).toStdString();

    for (const Message& m : env.sink.messages()) {
        for (const QString& word : kEngineWords)
            EXPECT_FALSE(m.text.contains(word, Qt::CaseInsensitive)) << m.text.toStdString();
    }
    EXPECT_EQ(tableWithUnreadableText(env.db()), QString());
}
