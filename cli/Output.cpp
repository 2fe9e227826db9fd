#include "Output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace zem::cli {

using namespace Qt::StringLiterals;

void printLine(const QString& text) {
    std::fprintf(stdout, "%s\n", text.toUtf8().constData());
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
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
