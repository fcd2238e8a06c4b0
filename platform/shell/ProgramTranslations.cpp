// SPDX-License-Identifier: MIT
#include "platform/shell/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

ProgramTranslations::ProgramTranslations(const QString& name, const QString& directory) {
    const QString separator = QStringLiteral("_");
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            return;
        }
        if (own.load(locale, name, separator, directory)) {
            (void)toolkit.load(locale, QStringLiteral("qtbase"), separator,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void ProgramTranslations::Install() {
    if (!own.isEmpty()) {
        QCoreApplication::installTranslator(&own);
    }
    if (!toolkit.isEmpty()) {
        QCoreApplication::installTranslator(&toolkit);
    }
}
