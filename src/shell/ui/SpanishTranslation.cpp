#include "shell/ui/SpanishTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zem {

using namespace Qt::StringLiterals;

bool installSpanishTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // The installed package keeps its own copy in share/zem/translations beside bin/; Qt's own place
    // otherwise.
    const QString beside = QCoreApplication::applicationDirPath() + u"/../share/zem/translations"_s;
    if (!translator->load(u"qtbase_es"_s, beside) &&
        !translator->load(u"qtbase_es"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace zem
