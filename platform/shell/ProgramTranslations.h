// SPDX-License-Identifier: MIT
#pragma once
// The program's own translations and the toolkit's, in the player's language: the first of the
// system's languages (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG) that the program speaks. English
// is the source language, so a player who puts English first gets it even when a later language
// has a translation.

#include <QTranslator>

class ProgramTranslations {
public:
    // The program's translations are `<directory>/<name>_<language>.qm`; the toolkit's are Qt's own
    // qtbase files, used when the system has them.
    ProgramTranslations(const QString& name, const QString& directory);
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Installs them in the running application object (each new one needs this anew).
    void Install();

private:
    QTranslator own;
    QTranslator toolkit;
};
