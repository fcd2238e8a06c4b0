// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

// What the high-score layer writes for the player: the sentences a result is stored as and what a
// save that fails tells. Each text is a UTF-8 pattern whose numbered places (%1, %2, %3) take the
// values in whatever order the language needs them. English unless the program gives the player's
// language.
struct ScoreTexts {
    // %1 the name, %2 the score.
    std::string highScore = "%1 achieved the high score %2.";
    // %1 the person's name, %2 the computer's title, %3 the person's score.
    std::string beatComputer = "%1 beat the %2, achieving a score of %3.";
    std::string tiedComputer = "%1 tied the %2 and achieved a score of %3.";
    std::string lostToComputer = "%1 lost to the %2 but achieved a score of %3.";
    // The computer's title by level: novice, intermediate, and advanced for expert and above.
    std::array<std::string, 3> computerTitles{"Novice Computer", "Intermediate Computer", "Advanced Computer"};

    // %1 the file, %2 one of the reasons below.
    std::string notSaved = "The high scores could not be saved to \"%1\": %2.";
    std::string folderStayedLocked =
        "its folder stayed locked by another program, perhaps another copy of the game still saving";
    std::string cannotBeWritten = "it cannot be written";
    std::string notARegularFile = "it is not a regular file";
    // %1 the folder, %2 the system's reason.
    std::string folderCannotBeUsed = "the folder \"%1\" cannot be used: %2";
    std::string folderCannotBeCreated = "the folder \"%1\" cannot be created: %2";
    // %1 the folder.
    std::string folderIsALink = "the folder \"%1\" is a symbolic link";
    std::string folderOfAnotherUser = "the folder \"%1\" belongs to another user";
    // %1 the file beside the program, %2 the file used instead.
    std::string keptElsewhere = "\"%1\" is not a regular file, so the high scores are kept in \"%2\".";
};

// `pattern` with each %1 to %9 replaced by the value in that place, in one pass: a value is
// inserted as it is, even when it holds a "%". A place without a value stays as it is.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);
