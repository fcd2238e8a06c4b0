<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum: prendi tre numeri in fila su una scacchiera 5 x 5 e sommali.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>Informazioni su Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - prendine tre in fila e sommali per fare punti. Buona fortuna!</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Somma la linea</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Abbandona</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>&amp;Informazioni su Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>Non è giusto, riprova.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 prende %2 e completa una linea.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 prende %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Giusto, %1 segna %2 punti.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 segna %2 punti.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 abbandona la partita.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>Tocca a %1.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Partita finita. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Pareggio.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>Vince %1.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Nuova partita. Tocca a %1.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Nessuna partita ancora distribuita</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>Nessuna partita in corso</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, libera</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, ultima mossa, nella linea</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, ultima mossa</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, nella linea</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Linee di %1: nessuna</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Linee di %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 punti</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>Giocatore X</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>Giocatore O</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board: its table of high scores.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>Da 0 a 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>Da 0 a 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>Da -10 a 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>Da -25 a 25</translation>
    </message>
    <message>
        <source>No results in this range yet.</source>
        <translation>Ancora nessun risultato in questo intervallo.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file indicato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
a questa estensione di file.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico indicata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossibile aprire il collegamento:

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Menu di gioco</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>Informazioni su Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Audio spento</translation>
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
        <translation>Impostazioni della partita...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Computer principiante</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Computer intermedio</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Computer esperto</translation>
    </message>
    <message>
        <source>Person</source>
        <extracomment>The second player: another person at the same screen.</extracomment>
        <translation>Persona</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board, from 0 to 10.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>Da 0 a 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>Da 0 a 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>Da -10 a 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>Da -25 a 25</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Intervallo dei numeri per i calcoli</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Nome del giocatore 1</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>Il secondo giocatore è una persona o il computer?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Nome del giocatore 2 (persona)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Computer
principiante</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Computer
intermedio</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Computer
esperto</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 ha ottenuto il punteggio record di %2.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 ha battuto il %2 con %3 punti.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 ha pareggiato col %2: %3 punti.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 ha perso contro il %2 con %3 punti.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computer principiante</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computer intermedio</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computer avanzato</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>Impossibile salvare i migliori punteggi in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>la sua cartella è rimasta bloccata da un altro programma, forse un&apos;altra copia del gioco che sta ancora salvando</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>non è scrivibile</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>la cartella &quot;%1&quot; non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>impossibile creare la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>la cartella &quot;%1&quot; è un collegamento simbolico</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>la cartella &quot;%1&quot; appartiene a un altro utente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; non è un file normale, quindi i migliori punteggi sono conservati in &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>Sono accettate anche le opzioni proprie di Qt, come -platform e -style.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Usa &apos;%1 --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argomento inatteso &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
