#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zem {

class Db;

// The codes of a catalogue offered by a list of an entry window, with their descriptions, in the order of
// their numeric keys: the countries, the norm types, the posts in a company abroad ...
class ParamChoices {
public:
    ParamChoices() = default;
    // The rows of the catalogue, each described by the first `length` characters of its funcion; with a
    // flag position, only the rows with "1" there; never the codes of `except`.
    ParamChoices(Db& db, const QString& catalogue, int length, int flagPosition = 0,
                 const QStringList& except = {});

    // A code offered with its description.
    void add(const QString& code, const QString& description);

    const QStringList& codes() const { return codes_; }
    bool contains(const QString& code) const { return codes_.contains(code.trimmed()); }
    // "" for a code the list does not offer.
    QString description(const QString& code) const { return descriptions_.value(code.trimmed()); }

private:
    QStringList codes_;
    QHash<QString, QString> descriptions_;
};

}  // namespace zem
