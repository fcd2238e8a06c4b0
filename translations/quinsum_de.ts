<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum: Besetze drei Zahlen in einer Reihe auf einem 5 x 5-Brett und zähle sie zusammen.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>Über Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - besetze drei in einer Reihe und zähle sie zusammen, um zu punkten. Viel Glück!</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Zähle die Reihe zusammen</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Spiel aufgeben</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>Ü&amp;ber Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>Nicht richtig, versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 besetzt %2 und vervollständigt eine Reihe.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 besetzt %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Richtig, %1 erhält %2 Punkte.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 erhält %2 Punkte.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 gibt das Spiel auf.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Spielende. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Unentschieden.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>%1 gewinnt.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Neues Spiel. %1 ist am Zug.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Noch kein Spiel ausgeteilt</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>Kein Spiel im Gang</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, letzter Zug, in der Reihe</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, letzter Zug</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, in der Reihe</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Reihen von %1: keine</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Reihen von %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 Punkte</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>X-Spieler</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>O-Spieler</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board: its table of high scores.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 bis 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 bis 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 bis 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 bis 25</translation>
    </message>
    <message>
        <source>No results in this range yet.</source>
        <translation>Noch keine Ergebnisse in diesem Zahlenbereich.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlen
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Der Speicher reichte nicht, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link lässt sich nicht öffnen:

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Spielmenü</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>Über Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Computer 1</source>
        <translation>Computer 1</translation>
    </message>
    <message>
        <source>Computer 2</source>
        <translation>Computer 2</translation>
    </message>
    <message>
        <source>Computer 3</source>
        <translation>Computer 3</translation>
    </message>
    <message>
        <source>Settings for this Game...</source>
        <translation>Einstellungen für dieses Spiel...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Anfänger-Computer</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Mittlerer Computer</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Starker Computer</translation>
    </message>
    <message>
        <source>Person</source>
        <extracomment>The second player: another person at the same screen.</extracomment>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board, from 0 to 10.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 bis 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 bis 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 bis 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 bis 25</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Zahlenbereich für die Rechnungen wählen</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Name des 1. Spielers</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>Ist der zweite Spieler ein Mensch oder der Computer?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Name des 2. Spielers (Mensch)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Anfänger-
Computer</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Mittlerer
Computer</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Starker
Computer</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 erzielte den Höchststand von %2 Punkten.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 besiegte den %2 mit %3 Punkten.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 spielte remis gegen den %2: %3 Punkte.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 verlor gegen den %2 mit %3 Punkten.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>Anfänger-Computer</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>mittleren Computer</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>starken Computer</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>Die Bestenliste konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>ihr Ordner blieb von einem anderen Programm gesperrt, vielleicht speichert noch eine andere Kopie des Spiels</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>sie lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>der Ordner &quot;%1&quot; ist nicht nutzbar: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>der Ordner &quot;%1&quot; lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>der Ordner &quot;%1&quot; ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>der Ordner &quot;%1&quot; gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; ist keine normale Datei, daher wird die Bestenliste in &quot;%2&quot; gespeichert.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>Die eigenen Optionen von Qt, etwa -platform und -style, werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Mehr dazu mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
