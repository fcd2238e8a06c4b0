<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum: ocupa tres números en línea en un tablero de 5 x 5 y súmalos.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>Acerca de Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - haz tres en línea y súmalos para puntuar. ¡Buena suerte!</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Suma la línea</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Abandonar</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>&amp;Acerca de Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>No es correcto, inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 ocupa el %2 y completa una línea.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 ocupa el %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Correcto, %1 suma %2 puntos.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 suma %2 puntos.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 abandona la partida.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Fin de la partida. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Empate.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>Gana %1.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Nueva partida. Turno de %1.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Aún no se ha repartido ninguna partida</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>No hay ninguna partida en curso</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, última jugada, en la línea</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, última jugada</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, en la línea</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Líneas de %1: ninguna</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Líneas de %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 puntos</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>Jugador X</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>Jugador O</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board: its table of high scores.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 a 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 a 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 a 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 a 25</translation>
    </message>
    <message>
        <source>No results in this range yet.</source>
        <translation>Aún no hay resultados en este rango.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE no Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no pudo
completarse porque la solicitud caducó.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no pudo
completarse porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a esa extensión de archivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Menú del juego</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>Acerca de Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Sin sonido</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Computer 1</source>
        <translation>Ordenador 1</translation>
    </message>
    <message>
        <source>Computer 2</source>
        <translation>Ordenador 2</translation>
    </message>
    <message>
        <source>Computer 3</source>
        <translation>Ordenador 3</translation>
    </message>
    <message>
        <source>Settings for this Game...</source>
        <translation>Ajustes de esta partida...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Ordenador novato</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Ordenador intermedio</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Ordenador experto</translation>
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
        <translation>0 a 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 a 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 a 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 a 25</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Rango de números para los cálculos</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Nombre del jugador 1</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>¿El segundo jugador es una persona o el ordenador?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Nombre del jugador 2 (persona)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Ordenador
novato</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Ordenador
intermedio</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Ordenador
experto</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 logró la puntuación máxima de %2.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 venció al %2 con %3 puntos.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 empató con el %2: %3 puntos.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 perdió ante el %2 con %3 puntos.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>ordenador novato</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>ordenador intermedio</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>ordenador avanzado</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>No se pudieron guardar las mejores puntuaciones en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>otro programa mantuvo bloqueada su carpeta, quizá otra copia del juego que aún estaba guardando</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>no se puede escribir en él</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>la carpeta &quot;%1&quot; no se puede usar: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>la carpeta &quot;%1&quot; no se puede crear: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>la carpeta &quot;%1&quot; es un enlace simbólico</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>la carpeta &quot;%1&quot; pertenece a otro usuario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; no es un archivo normal, así que las mejores puntuaciones se guardan en &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>También se aceptan las opciones propias de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
