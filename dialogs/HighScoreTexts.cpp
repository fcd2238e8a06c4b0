// SPDX-License-Identifier: MIT
#include "dialogs/HighScoreTexts.h"

#include <QCoreApplication>

namespace {

std::string Text(const char* source) {
    return QCoreApplication::translate("HighScoreTexts", source).toStdString();
}

}  // namespace

ScoreTexts TranslatedScoreTexts() {
    ScoreTexts texts;
    // The sentences are stored in the high-score file, whose text is Windows-1252.
    //: A result against another person; %1 is the name, %2 the score.
    texts.highScore = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "%1 achieved the high score %2."));
    //: %1 is the person's name, %2 a computer opponent's title (such as "Novice Computer"), %3 the person's score.
    texts.beatComputer = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "%1 beat the %2, achieving a score of %3."));
    //: %1 is the person's name, %2 a computer opponent's title (such as "Novice Computer"), %3 the person's score.
    texts.tiedComputer = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "%1 tied the %2 and achieved a score of %3."));
    //: %1 is the person's name, %2 a computer opponent's title (such as "Novice Computer"), %3 the person's score.
    texts.lostToComputer = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "%1 lost to the %2 but achieved a score of %3."));
    texts.computerTitles = {
        //: The computer opponent's title as it stands inside a result sentence ("beat the %2").
        Text(QT_TRANSLATE_NOOP("HighScoreTexts", "Novice Computer")),
        //: The computer opponent's title as it stands inside a result sentence ("beat the %2").
        Text(QT_TRANSLATE_NOOP("HighScoreTexts", "Intermediate Computer")),
        //: The computer opponent's title as it stands inside a result sentence ("beat the %2").
        Text(QT_TRANSLATE_NOOP("HighScoreTexts", "Advanced Computer")),
    };
    //: %1 is the high-score file, %2 one of the reasons below.
    texts.notSaved = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "The high scores could not be saved to \"%1\": %2."));
    //: A reason why the high scores could not be saved.
    texts.folderStayedLocked = Text(QT_TRANSLATE_NOOP(
        "HighScoreTexts",
        "its folder stayed locked by another program, perhaps another copy of the game still saving"));
    //: A reason why the high scores could not be saved.
    texts.cannotBeWritten = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "it cannot be written"));
    //: A reason why the high scores could not be saved.
    texts.notARegularFile = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "it is not a regular file"));
    //: A reason why the high scores could not be saved; %1 is a folder, %2 the system's own reason.
    texts.folderCannotBeUsed = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "the folder \"%1\" cannot be used: %2"));
    //: A reason why the high scores could not be saved; %1 is a folder, %2 the system's own reason.
    texts.folderCannotBeCreated = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "the folder \"%1\" cannot be created: %2"));
    //: A reason why the high scores could not be saved; %1 is a folder.
    texts.folderIsALink = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "the folder \"%1\" is a symbolic link"));
    //: A reason why the high scores could not be saved; %1 is a folder.
    texts.folderOfAnotherUser = Text(QT_TRANSLATE_NOOP("HighScoreTexts", "the folder \"%1\" belongs to another user"));
    //: %1 is the file beside the program, %2 the file used instead.
    texts.keptElsewhere = Text(
        QT_TRANSLATE_NOOP("HighScoreTexts", "\"%1\" is not a regular file, so the high scores are kept in \"%2\"."));
    return texts;
}
