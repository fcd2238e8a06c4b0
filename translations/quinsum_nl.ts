<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum: bezet drie getallen op een rij op een bord van 5 x 5 en tel ze op.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>Over Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - bezet er drie op een rij en tel ze op om te scoren. Veel succes!</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Tel de lijn op</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Opgeven</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>&amp;Over Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimaliseren</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>Niet goed, probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 bezet %2 en maakt een lijn af.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 bezet %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Goed, %1 scoort %2 punten.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 scoort %2 punten.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 geeft het spel op.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>%1 is aan zet.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Spel voorbij. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Gelijkspel.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>%1 wint.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Nieuw spel. %1 is aan zet.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Nog geen spel uitgedeeld</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>Geen spel bezig</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 is aan zet</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, vrij</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, laatste zet, in de lijn</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, laatste zet</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, in de lijn</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Lijnen van %1: geen</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Lijnen van %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 punten</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>X-speler</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>O-speler</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board: its table of high scores.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 tot 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 tot 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 tot 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 tot 25</translation>
    </message>
    <message>
        <source>No results in this range yet.</source>
        <translation>Nog geen resultaten in dit getallenbereik.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Het besturingssysteem heeft te weinig
geheugen of middelen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Het opgegeven pad is niet gevonden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Het besturingssysteem weigerde
toegang tot het opgegeven bestand.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Er was te weinig geheugen om de bewerking te voltooien.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Het .EXE-bestand is ongeldig
(geen Win32-.EXE of fout in .EXE-image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Er is een fout bij gedeeld gebruik opgetreden. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>De bestandskoppeling is
onvolledig of ongeldig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat de aanvraag verliep.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>De DDE-transactie is mislukt.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat andere DDE-transacties
werden verwerkt.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Er is geen toepassing gekoppeld
aan deze bestandsextensie.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>De opgegeven DLL-bibliotheek is niet gevonden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Er is een onbekende fout (%1) opgetreden.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Kan de koppeling niet openen:

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Spelmenu</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Spel afsluiten</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>Over Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Geluid uit</translation>
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
        <translation>Instellingen voor dit spel...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Beginnende computer</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Gemiddelde computer</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Ervaren computer</translation>
    </message>
    <message>
        <source>Person</source>
        <extracomment>The second player: another person at the same screen.</extracomment>
        <translation>Mens</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board, from 0 to 10.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 tot 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 tot 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 tot 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 tot 25</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Kies het getallenbereik voor de sommen</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Naam van speler 1</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>Is de tweede speler een mens of de computer?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Naam van speler 2 (mens)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Beginnende
computer</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Gemiddelde
computer</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Ervaren
computer</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 behaalde de topscore %2.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 versloeg de %2 met %3 punten.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 speelde gelijk met de %2: %3 punten.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 verloor van de %2 met %3 punten.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>beginnende computer</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>gemiddelde computer</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>gevorderde computer</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>De topscores konden niet worden opgeslagen in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>de map bleef vergrendeld door een ander programma, misschien een andere kopie van het spel die nog opslaat</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>er kan niet in worden geschreven</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>de map &quot;%1&quot; is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>de map &quot;%1&quot; kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>de map &quot;%1&quot; is een symbolische koppeling</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>de map &quot;%1&quot; is van een andere gebruiker</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; is geen gewoon bestand, dus de topscores worden bewaard in &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en stoppen.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en stoppen.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>De eigen opties van Qt, zoals -platform en -style, worden ook aanvaard.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer &apos;%1 --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>onverwacht argument &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
