#include "platform/gui/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installJapaneseQtTexts(QCoreApplication& app) {
    auto* texts = new QTranslator(&app);
    if (!texts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(texts)) {
        delete texts;
        return false;
    }
    return true;
}
