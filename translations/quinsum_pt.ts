<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum: ocupe três números em linha num tabuleiro de 5 x 5 e some-os.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>Sobre o Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - faça três em linha e some-os para pontuar. Boa sorte!</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Some a linha</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Desistir</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>&amp;Sobre o Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>Não está certo, tente de novo.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 ocupa o %2 e completa uma linha.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 ocupa o %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Certo, %1 marca %2 pontos.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 marca %2 pontos.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 desiste do jogo.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Fim do jogo. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Empate.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>%1 vence.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Novo jogo. Vez de %1.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Ainda não há jogo distribuído</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>Nenhum jogo em curso</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, livre</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, última jogada, na linha</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, última jogada</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, na linha</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Linhas de %1: nenhuma</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Linhas de %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 pontos</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>Jogador X</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>Jogador O</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
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
        <translation>Ainda não há resultados neste intervalo.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operativo ficou
sem memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O ficheiro indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operativo recusou
o acesso ao ficheiro indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O ficheiro .EXE não é válido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de partilha. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de ficheiro
está incompleta ou não é válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o pedido expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam a ser processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhuma aplicação associada
a esta extensão de ficheiro.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de ligação dinâmica indicada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Não é possível abrir a ligação:

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Menu do jogo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>Sobre o Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Som desligado</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Computer 1</source>
        <translation>Computador 1</translation>
    </message>
    <message>
        <source>Computer 2</source>
        <translation>Computador 2</translation>
    </message>
    <message>
        <source>Computer 3</source>
        <translation>Computador 3</translation>
    </message>
    <message>
        <source>Settings for this Game...</source>
        <translation>Definições deste jogo...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Computador principiante</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Computador intermédio</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Computador perito</translation>
    </message>
    <message>
        <source>Person</source>
        <extracomment>The second player: another person at the same screen.</extracomment>
        <translation>Pessoa</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Intervalo de números para os cálculos</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Nome do jogador 1</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>O segundo jogador é uma pessoa ou o computador?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Nome do jogador 2 (pessoa)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Computador
principiante</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Computador
intermédio</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Computador
perito</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 alcançou a pontuação máxima de %2.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 venceu o %2 com %3 pontos.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 empatou com o %2: %3 pontos.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 perdeu para o %2 com %3 pontos.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computador principiante</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computador intermédio</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>computador avançado</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>Não foi possível guardar as melhores pontuações em &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>a sua pasta ficou bloqueada por outro programa, talvez outra cópia do jogo ainda a guardar</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>não é possível escrever nele</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>a pasta &quot;%1&quot; não pode ser usada: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>a pasta &quot;%1&quot; não pode ser criada: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>a pasta &quot;%1&quot; é uma ligação simbólica</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>a pasta &quot;%1&quot; pertence a outro utilizador</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; não é um ficheiro normal, por isso as melhores pontuações são guardadas em &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilização: %1 [opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>As opções próprias do Qt, como -platform e -style, também são aceites.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Experimente &apos;%1 --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
