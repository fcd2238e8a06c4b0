<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <source>Quinsum: claim three numbers in a row on a 5 x 5 board and add them up.</source>
        <translation>Quinsum : prenez trois nombres alignés sur un plateau de 5 x 5 et additionnez-les.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About quinsum</source>
        <translation>À propos de Quinsum</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quinsum 2.0 - claim three in a row and add them up to score. Good luck!</source>
        <translation>Quinsum 2.0 - alignez-en trois et additionnez-les pour marquer. Bonne chance !</translation>
    </message>
</context>
<context>
    <name>CAnswerDlg</name>
    <message>
        <source>Add up the line</source>
        <translation>Additionnez la ligne</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Forfeit Game</source>
        <extracomment>Gives up the line: the other player scores it.</extracomment>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>&amp;About Quinsum...</source>
        <translation>À &amp;propos de Quinsum...</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Opens the game menu.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ré&amp;duire</translation>
    </message>
    <message>
        <source>Not right, try again.</source>
        <translation>Ce n&apos;est pas juste, réessayez.</translation>
    </message>
    <message>
        <source>%1 claims %2, completes a line.</source>
        <translation>%1 prend %2 et complète une ligne.</translation>
    </message>
    <message>
        <source>%1 claims %2.</source>
        <translation>%1 prend %2.</translation>
    </message>
    <message>
        <source>Right, %1 scores %2.</source>
        <translation>Juste, %1 marque %2 points.</translation>
    </message>
    <message>
        <source>%1 scores %2.</source>
        <translation>%1 marque %2 points.</translation>
    </message>
    <message>
        <source>%1 forfeits the game.</source>
        <translation>%1 abandonne la partie.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <translation>À %1 de jouer.</translation>
    </message>
    <message>
        <source>Game over. %1 %2, %3 %4.</source>
        <translation>Partie terminée. %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>A tie.</source>
        <translation>Égalité.</translation>
    </message>
    <message>
        <source>%1 wins.</source>
        <translation>%1 gagne.</translation>
    </message>
    <message>
        <source>New game. %1 to move.</source>
        <translation>Nouvelle partie. À %1 de jouer.</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Aucune partie distribuée</translation>
    </message>
    <message>
        <source>No game under way</source>
        <translation>Aucune partie en cours</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, free</source>
        <extracomment>A free tile of the board; %1 is its number.</extracomment>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, %2, last move, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, dernier coup, dans la ligne</translation>
    </message>
    <message>
        <source>%1, %2, last move</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, dernier coup</translation>
    </message>
    <message>
        <source>%1, %2, in the line</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2, dans la ligne</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A claimed tile; %1 is its number, %2 the name of the player who claimed it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lines scored by %1: none</source>
        <translation>Lignes de %1 : aucune</translation>
    </message>
    <message>
        <source>Lines scored by %1</source>
        <translation>Lignes de %1</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1 : %2 points</translation>
    </message>
    <message>
        <source>X-Player</source>
        <translation>Joueur X</translation>
    </message>
    <message>
        <source>O-Player</source>
        <translation>Joueur O</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board: its table of high scores.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 à 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 à 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 à 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 à 25</translation>
    </message>
    <message>
        <source>No results in this range yet.</source>
        <translation>Aucun résultat dans cette plage pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir : le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien :

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>CMenuDlg</name>
    <message>
        <source>Game menu</source>
        <translation>Menu du jeu</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Closes the game menu.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Shows what the game is and who made it.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Quinsum</source>
        <translation>À propos de Quinsum</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>The sound switch while sound is on.</extracomment>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>The sound switch while sound is off.</extracomment>
        <translation>Son coupé</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Computer 1</source>
        <translation>Ordinateur 1</translation>
    </message>
    <message>
        <source>Computer 2</source>
        <translation>Ordinateur 2</translation>
    </message>
    <message>
        <source>Computer 3</source>
        <translation>Ordinateur 3</translation>
    </message>
    <message>
        <source>Settings for this Game...</source>
        <translation>Réglages de cette partie...</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <translation>Ordinateur débutant</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <translation>Ordinateur moyen</translation>
    </message>
    <message>
        <source>Expert Computer</source>
        <translation>Ordinateur expert</translation>
    </message>
    <message>
        <source>Person</source>
        <extracomment>The second player: another person at the same screen.</extracomment>
        <translation>Humain</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <extracomment>A range of the numbers on the board, from 0 to 10.
----------
A range of numbers: from 0 to 10.</extracomment>
        <translation>0 à 10</translation>
    </message>
    <message>
        <source>0 to 25</source>
        <translation>0 à 25</translation>
    </message>
    <message>
        <source>-10 to 10</source>
        <translation>-10 à 10</translation>
    </message>
    <message>
        <source>-25 to 25</source>
        <translation>-25 à 25</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Specify the range of numbers to use in calculations</source>
        <translation>Plage des nombres utilisés dans les calculs</translation>
    </message>
    <message>
        <source>Enter name for first player</source>
        <translation>Nom du joueur 1</translation>
    </message>
    <message>
        <source>Specify whether second player is another person or a computer opponent</source>
        <translation>Le second joueur est-il un humain ou l&apos;ordinateur ?</translation>
    </message>
    <message>
        <source>Enter name if second player is a person</source>
        <translation>Nom du joueur 2 (humain)</translation>
    </message>
    <message>
        <source>Novice
Computer</source>
        <extracomment>The second player: the computer at its easiest. The line break keeps the words on a small button.</extracomment>
        <translation>Ordinateur
débutant</translation>
    </message>
    <message>
        <source>Intermediate
Computer</source>
        <translation>Ordinateur
moyen</translation>
    </message>
    <message>
        <source>Expert
Computer</source>
        <extracomment>The second player: the computer at its strongest.</extracomment>
        <translation>Ordinateur
expert</translation>
    </message>
</context>
<context>
    <name>HighScoreTexts</name>
    <message>
        <source>%1 achieved the high score %2.</source>
        <extracomment>A result against another person; %1 is the name, %2 the score.</extracomment>
        <translation>%1 a réalisé le meilleur score : %2.</translation>
    </message>
    <message>
        <source>%1 beat the %2, achieving a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 a battu %2 avec %3 points.</translation>
    </message>
    <message>
        <source>%1 tied the %2 and achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 a égalé %2 avec %3 points.</translation>
    </message>
    <message>
        <source>%1 lost to the %2 but achieved a score of %3.</source>
        <extracomment>%1 is the person&apos;s name, %2 a computer opponent&apos;s title (such as &quot;Novice Computer&quot;), %3 the person&apos;s score.</extracomment>
        <translation>%1 a perdu contre %2 avec %3 points.</translation>
    </message>
    <message>
        <source>Novice Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>l&apos;ordinateur débutant</translation>
    </message>
    <message>
        <source>Intermediate Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>l&apos;ordinateur moyen</translation>
    </message>
    <message>
        <source>Advanced Computer</source>
        <extracomment>The computer opponent&apos;s title as it stands inside a result sentence (&quot;beat the %2&quot;).</extracomment>
        <translation>l&apos;ordinateur avancé</translation>
    </message>
    <message>
        <source>The high scores could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the high-score file, %2 one of the reasons below.</extracomment>
        <translation>Les meilleurs scores n&apos;ont pas pu être enregistrés dans &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>its folder stayed locked by another program, perhaps another copy of the game still saving</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>son dossier est resté verrouillé par un autre programme, peut-être une autre copie du jeu en train d&apos;enregistrer</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>il n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>A reason why the high scores could not be saved.</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>le dossier &quot;%1&quot; est inutilisable : %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder, %2 the system&apos;s own reason.</extracomment>
        <translation>le dossier &quot;%1&quot; ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>le dossier &quot;%1&quot; est un lien symbolique</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason why the high scores could not be saved; %1 is a folder.</extracomment>
        <translation>le dossier &quot;%1&quot; appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so the high scores are kept in &quot;%2&quot;.</source>
        <extracomment>%1 is the file beside the program, %2 the file used instead.</extracomment>
        <translation>&quot;%1&quot; n&apos;est pas un fichier ordinaire, les meilleurs scores sont donc conservés dans &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramCommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Usage : %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>The Qt toolkit&apos;s own options, such as -platform and -style, are taken too.</source>
        <translation>Les options propres à Qt, comme -platform et -style, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez &apos;%1 --help&apos; pour en savoir plus.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
