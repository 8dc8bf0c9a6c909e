<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>gridAtelier ver. %1</source>
        <translation>gridAtelier version %1</translation>
    </message>
    <message>
        <source>about</source>
        <translation>à propos</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>continuer</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimer des grilles</translation>
    </message>
    <message>
        <source>Puzzles of:</source>
        <translation>Grilles de type :</translation>
    </message>
    <message>
        <source>How many:</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>To a page:</source>
        <translation>Par page :</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier :</translation>
    </message>
    <message>
        <source>The answers after the puzzles</source>
        <translation>Les solutions après les grilles</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jouée</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminée</translation>
    </message>
    <message>
        <source>%1 puzzles: %2 finished, %3 more played</source>
        <translation>%1 grilles : %2 terminées, %3 autres jouées</translation>
    </message>
    <message>
        <source>not rated</source>
        <translation>non évaluée</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune solution</translation>
    </message>
    <message>
        <source>several answers</source>
        <translation>plusieurs solutions</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Collection -- %1</source>
        <translation>Collection -- %1</translation>
    </message>
    <message>
        <source>No.	Level	Score	Played</source>
        <translation>N°	Niveau	Score	Jouée</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>stopping the rating ...</source>
        <translation>arrêt de l&apos;évaluation ...</translation>
    </message>
    <message>
        <source>rating the puzzles: %1 of %2 rated</source>
        <translation>évaluation des grilles : %1 sur %2 évaluées</translation>
    </message>
    <message>
        <source>the first %1 puzzles rated</source>
        <translation>les %1 premières grilles évaluées</translation>
    </message>
    <message>
        <source>all puzzles rated</source>
        <translation>toutes les grilles évaluées</translation>
    </message>
    <message>
        <source>default settings at boot</source>
        <translation>réglages par défaut au démarrage</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>express mistakes as red font</source>
        <translation>montrer les erreurs en rouge</translation>
    </message>
    <message>
        <source>* Absolute Mistakes *</source>
        <translation>* Erreurs absolues *</translation>
    </message>
    <message>
        <source>    it&apos;s only used</source>
        <translation>    utilisé seulement</translation>
    </message>
    <message>
        <source>    in case of existing the answer.</source>
        <translation>    si la solution existe.</translation>
    </message>
    <message>
        <source>difficulty level for a new puzzle</source>
        <translation>niveau de difficulté d&apos;une nouvelle grille</translation>
    </message>
    <message>
        <source>never show confirmation for save</source>
        <translation>ne jamais demander s&apos;il faut enregistrer</translation>
    </message>
    <message>
        <source>reflect to current settings</source>
        <translation>appliquer aux réglages actuels</translation>
    </message>
    <message>
        <source>No Express</source>
        <translation>Aucun signalement</translation>
    </message>
    <message>
        <source>Visible Mistakes</source>
        <translation>Erreurs visibles</translation>
    </message>
    <message>
        <source>Absolute Mistakes</source>
        <translation>Erreurs absolues</translation>
    </message>
    <message>
        <source>confirmation</source>
        <translation>confirmation</translation>
    </message>
    <message>
        <source>okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>are you sure to exit the program?</source>
        <translation>voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Commencées</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminées</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Sans aide</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>In Dark and High contrast</source>
        <translation>En Sombre et Contraste élevé</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Placing a value clears that digit from the notes of its row, column and box</source>
        <translation>Placer une valeur efface ce chiffre des notes de sa ligne, de sa colonne et de son bloc</translation>
    </message>
    <message>
        <source>Resume the game in progress at start</source>
        <translation>Reprendre la partie en cours au démarrage</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <source>Show row and column numbers beside the board (as hints name cells: r4c7)</source>
        <translation>Afficher les numéros de ligne et de colonne à côté de la grille (comme les indices nomment les cases : r4c7)</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Apparence :</translation>
    </message>
    <message>
        <source>Underline mistakes with a wavy line:</source>
        <translation>Souligner les erreurs d&apos;un trait ondulé :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rating: not known</source>
        <translation>Évaluation : inconnue</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Évaluation : %1</translation>
    </message>
    <message>
        <source>Rating: %1, score %2</source>
        <translation>Évaluation : %1, score %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Hints: %1   Solves: %2</source>
        <translation>Indices : %1   Résolutions : %2</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Résolu !</translation>
    </message>
    <message>
        <source>New %1 Puzzle</source>
        <translation>Nouvelle grille (%1)</translation>
    </message>
    <message>
        <source>Practice a Technique</source>
        <translation>S&apos;exercer à une technique</translation>
    </message>
    <message>
        <source>Technique to practise:</source>
        <translation>Technique à travailler :</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>S&apos;exercer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>record regions of multi answer</source>
        <translation>enregistrer les zones à plusieurs solutions</translation>
    </message>
    <message>
        <source>csv file for recording</source>
        <translation>fichier CSV d&apos;enregistrement</translation>
    </message>
    <message>
        <source>difficulty level for search</source>
        <translation>niveau de difficulté de la recherche</translation>
    </message>
    <message>
        <source>count of search regions</source>
        <translation>nombre de zones à chercher</translation>
    </message>
    <message>
        <source>maybe max around 2000</source>
        <translation>maximum vers 2000</translation>
    </message>
    <message>
        <source>maximum cells of a region</source>
        <translation>cases au plus dans une zone</translation>
    </message>
    <message>
        <source>4 ~ 36 as proper range</source>
        <translation>4 ~ 36 conseillé</translation>
    </message>
    <message>
        <source>save as default</source>
        <translation>enregistrer par défaut</translation>
    </message>
    <message>
        <source>no file</source>
        <translation>aucun fichier</translation>
    </message>
    <message>
        <source>selected : %1</source>
        <translation>choisi : %1</translation>
    </message>
    <message>
        <source>save file as ...</source>
        <translation>enregistrer le fichier sous ...</translation>
    </message>
    <message>
        <source>csv file</source>
        <translation>fichier CSV</translation>
    </message>
    <message>
        <source>all files</source>
        <translation>tous les fichiers</translation>
    </message>
    <message>
        <source>recreate a puzzle due to the serial numbers</source>
        <translation>recréer une grille d&apos;après les numéros de série</translation>
    </message>
    <message>
        <source>serial numbers</source>
        <translation>numéros de série</translation>
    </message>
    <message>
        <source>do you want to save the current puzzle?</source>
        <translation>voulez-vous enregistrer la grille actuelle ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>never show this confirmation</source>
        <translation>ne plus afficher cette confirmation</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>a puzzle file of this program has exactly 1352 bytes</source>
        <translation>un fichier de grille de ce programme fait exactement 1352 octets</translation>
    </message>
    <message>
        <source>a value in the puzzle file is out of its range</source>
        <translation>une valeur du fichier de grille sort de ses limites</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>le fichier dépasse 16 Mio</translation>
    </message>
    <message>
        <source>failed to create progress bar</source>
        <translation>impossible de créer la barre de progression</translation>
    </message>
    <message>
        <source>alert</source>
        <translation>alerte</translation>
    </message>
    <message>
        <source>failed to save the picture to a file</source>
        <translation>impossible d&apos;enregistrer l&apos;image dans un fichier</translation>
    </message>
    <message>
        <source>failed to print the picture</source>
        <translation>impossible d&apos;imprimer l&apos;image</translation>
    </message>
    <message>
        <source>The preferences file could not be read; the preferences are the defaults.</source>
        <translation>Le fichier des préférences n&apos;a pas pu être lu ; les préférences sont celles par défaut.</translation>
    </message>
    <message>
        <source>The preferences file could not be read and was moved to %1; the preferences are the defaults.</source>
        <translation>Le fichier des préférences n&apos;a pas pu être lu et a été déplacé vers %1 ; les préférences sont celles par défaut.</translation>
    </message>
    <message>
        <source>failed to save data to a file</source>
        <translation>impossible d&apos;enregistrer les données dans un fichier</translation>
    </message>
    <message>
        <source>failed to load data from a file</source>
        <translation>impossible de charger les données d&apos;un fichier</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>failed to open .par file</source>
        <translation>impossible d&apos;ouvrir le fichier .par</translation>
    </message>
    <message>
        <source>The statistics file %1 could not be read; statistics are not kept this time.</source>
        <translation>Le fichier des statistiques %1 n&apos;a pas pu être lu ; les statistiques ne sont pas tenues cette fois.</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was moved to %1; counting starts afresh.</source>
        <translation>Le fichier des statistiques n&apos;a pas pu être lu et a été déplacé vers %1 ; le décompte repart de zéro.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>gridAtelier Help</source>
        <translation>Aide de gridAtelier</translation>
    </message>
    <message>
        <source>Puzzle %1: %2, score %3</source>
        <translation>Grille %1 : %2, score %3</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Solution %1</translation>
    </message>
    <message>
        <source>gridAtelier puzzles</source>
        <translation>Grilles gridAtelier</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>Help pages</source>
        <translation>Pages d’aide</translation>
    </message>
</context>
</TS>
