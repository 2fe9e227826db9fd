// An office at work: several batch-tool processes on one database at once, each on its own declaration, with
// two sending one declaration and one listing beside them.
#include <gtest/gtest.h>

#include <QSet>

#include "CliTool.h"
#include "startup/Utility.h"

using namespace Qt::StringLiterals;
using zem::test::Outcome;
using zem::test::Tool;

namespace {

// A valid RUC of a natural person built from n.
QString rucFor(int n) {
    const QString base = u"10"_s + QString::number(40000000 + n);
    for (int d = 0; d <= 9; ++d) {
        if (zem::util::ValidaRuc(base + QString::number(d)))
            return base + QString::number(d);
    }
    return {};
}

const QStringList kIdentification = {u"552=1"_s, u"554=0"_s, u"005=0"_s,  u"027=2"_s, u"556=1"_s,
                                     u"560=0"_s, u"561=0"_s, u"025=01"_s, u"599=E"_s};

QString boxOf(const QString& show, const QString& box) {
    for (const QString& line : show.split(u'\n')) {
        if (line.startsWith(box + u'\t'))
            return line.section(u'\t', 1);
    }
    return {};
}

}  // namespace

TEST(Office, EightAccountantsTwoSendersAndAListerLoseAndMixNothing) {
    Tool zem;
    ASSERT_EQ(zem({u"init"_s}).code, 0);
    ASSERT_EQ(zem({u"user"_s, u"add"_s, u"CONTADOR"_s, u"--tipo"_s, u"0"_s}).code, 0);
    constexpr int kAccountants = 8;
    QStringList rucs;
    for (int i = 0; i <= kAccountants; ++i) {
        rucs << rucFor(i);
        ASSERT_EQ(zem({u"taxpayer"_s, u"add"_s, rucs[i], u"--paterno"_s, u"P"_s + QString::number(i),
                       u"--materno"_s, u"M"_s, u"--nombres"_s, u"N"_s})
                      .code,
                  0);
    }
    // The last taxpayer's declaration is consistent and is sent again and again.
    const QString sent = rucs.takeLast();
    ASSERT_EQ(zem(QStringList{u"save"_s, sent, u"107=340000"_s, u"180=52428"_s} + kIdentification).code, 0);

    QStringList expected(kAccountants);
    QSet<QString> correls;
    int saves = 0, busy = 0, sends = 0;
    for (int round = 1; round <= 3; ++round) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < kAccountants; ++i) {
            QStringList args = {u"save"_s, rucs[i], u"107="_s + QString::number(100000 * (i + 1) + round)};
            if (round == 1)
                args += kIdentification;
            running.push_back(zem.start(args));
        }
        // Two sendings at once: each must take a sequence of its own.
        running.push_back(zem.start({u"send"_s, sent}));
        running.push_back(zem.start({u"send"_s, sent}));
        running.push_back(zem.start({u"list"_s}));
        for (int i = 0; i < kAccountants; ++i) {
            const Outcome r = Tool::finish(*running[i]);
            if (r.code <= 1) {
                ++saves;
                expected[i] = QString::number(100000 * (i + 1) + round);
            } else {
                // Waiting too long for the writer lock is the only refusal a different declaration may get.
                EXPECT_TRUE(r.err.contains(u"Registro bloqueado. Intente luego"_s)) << r.err.toStdString();
                ++busy;
            }
        }
        for (int s = kAccountants; s < kAccountants + 2; ++s) {
            const Outcome sending = Tool::finish(*running[s]);
            if (sending.code == 0) {
                ++sends;
                correls.insert(sending.out.section(u"correlativo "_s, 1).section(u'.', 0, 0));
            } else {
                EXPECT_TRUE(sending.err.contains(u"Registro bloqueado. Intente luego"_s))
                    << sending.err.toStdString();
            }
        }
        const Outcome listing = Tool::finish(*running[kAccountants + 2]);
        ASSERT_EQ(listing.code, 0) << listing.err.toStdString();
        for (const QString& line : listing.out.split(u'\n', Qt::SkipEmptyParts))
            EXPECT_TRUE(rucs.contains(line.section(u'\t', 0, 0)) || line.startsWith(sent))
                << line.toStdString();
    }
    EXPECT_GE(saves, kAccountants);
    EXPECT_LE(busy, kAccountants);

    // Each declaration holds its own last saved amount, none another's.
    for (int i = 0; i < kAccountants; ++i) {
        const Outcome shown = zem({u"show"_s, rucs[i]});
        ASSERT_EQ(shown.code, 0);
        EXPECT_EQ(boxOf(shown.out, u"107"_s), expected[i]) << rucs[i].toStdString();
    }
    // Every sending got a sequence of its own (a repeated one would have been told as sent twice), and each
    // one is listed.
    QSet<QString> listed;
    for (const QString& line : zem({u"list"_s, u"--enviadas"_s}).out.split(u'\n', Qt::SkipEmptyParts))
        listed.insert(line.section(u'\t', 4, 4));
    EXPECT_EQ(correls.size(), sends);
    EXPECT_EQ(listed, correls);
    EXPECT_GE(sends, 3);
}
