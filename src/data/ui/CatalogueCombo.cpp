#include "data/ui/CatalogueCombo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zem::ui {

using namespace Qt::StringLiterals;

double averageCharWidth(const QFont& font) {
    static const QString kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_s;
    return QFontMetricsF(font).horizontalAdvance(kLetters) / 52.0;
}

int dropDownWidth(int length, const QFont& font) {
    return std::max(0, static_cast<int>(std::lround((length - 2) * averageCharWidth(font))));
}

int dropDownWidth(const QStringList& entries, const QFont& font) {
    qsizetype longest = 0;
    for (const QString& e : entries)
        longest = std::max(longest, e.size());
    return dropDownWidth(static_cast<int>(longest), font);
}

void setDropDownWidth(QComboBox& combo, int width) {
    combo.view()->setMinimumWidth(width);
}

void fillList(QComboBox& combo, const QList<catalogue::ListEntry>& entries) {
    combo.clear();
    for (const catalogue::ListEntry& e : entries)
        combo.addItem(e.text, e.code);
    setDropDownWidth(combo, dropDownWidth(catalogue::entryTexts(entries), combo.font()));
    combo.setCurrentIndex(-1);
}

void fillDocumentTypes(QComboBox& combo, const QList<documents::DocumentTypeEntry>& entries) {
    combo.clear();
    QStringList texts;
    for (const documents::DocumentTypeEntry& e : entries) {
        combo.addItem(e.text, e.code);
        const int i = combo.count() - 1;
        combo.setItemData(i, e.length, LengthRole);
        combo.setItemData(i, QString(e.dataKind), DataKindRole);
        combo.setItemData(i, QString(e.lengthKind), LengthKindRole);
        texts << e.text;
    }
    setDropDownWidth(combo, dropDownWidth(texts, combo.font()));
    combo.setCurrentIndex(-1);
}

bool selectCode(QComboBox& combo, const QString& code, int width) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    const int index = catalogue::selectEntry(texts, code, width);
    combo.setCurrentIndex(index);
    return index >= 0;
}

QString selectedCode(const QComboBox& combo) {
    return combo.currentIndex() < 0 ? QString() : combo.currentData(CodeRole).toString();
}

}  // namespace zem::ui
