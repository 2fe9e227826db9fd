#include "Output.h"

#include "Commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

QByteArray shown(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\n' && u != u'\t') || (u >= 0x7f && u < 0xa0))
            c = QChar::ReplacementCharacter;
    }
    return out.toUtf8();
}

}  // namespace

void printLine(const QString& text) {
    std::fprintf(stdout, "%s\n", shown(text).constData());
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", shown(text).constData());
}

int refuse(const QString& message) {
    printError(message);
    return kRefused;
}

void printJson(const QJsonValue& value) {
    const QJsonDocument doc =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    std::fprintf(stdout, "%s", doc.toJson(QJsonDocument::Indented).constData());
}

void printPairs(const QList<QPair<QString, QString>>& pairs, bool json) {
    if (json) {
        QJsonObject o;
        for (const auto& [key, value] : pairs)
            o.insert(key, value);
        printJson(o);
        return;
    }
    for (const auto& [key, value] : pairs)
        printLine(key + u'\t' + value);
}

void CliSink::flushToStderr(bool keepLast) {
    const qsizetype n = messages().size() - (keepLast ? 1 : 0);
    for (qsizetype i = 0; i < n; ++i) {
        printError(messages()[i].text);
        if (!messages()[i].detail.isEmpty())
            printError(messages()[i].detail);
    }
    clear();
}

QString CliSink::lastText() const {
    return messages().isEmpty() ? QString() : messages().last().text;
}

}  // namespace zem::cli
