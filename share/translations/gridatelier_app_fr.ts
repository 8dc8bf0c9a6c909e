<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Class</name>
    <message>
        <source>Own Puzzles</source>
        <translation>Grilles personnelles</translation>
    </message>
    <message>
        <source>Technique Practice</source>
        <translation>Entraînement aux techniques</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Class: %1 (the level setting)</source>
        <translation>Classe&#xa0;: %1 (la difficulté choisie)</translation>
    </message>
    <message>
        <source>Technique: %1</source>
        <translation>Technique&#xa0;: %1</translation>
    </message>
    <message>
        <source>grid atelier file (*.ga)</source>
        <translation>fichier Grid Atelier (*.ga)</translation>
    </message>
    <message>
        <source>puzzle files (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)</source>
        <translation>fichiers de grilles (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)</translation>
    </message>
    <message>
        <source>all files (*.*)</source>
        <translation>tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>puzzle with notes (*.sdk)</source>
        <translation>grille avec notes (*.sdk)</translation>
    </message>
    <message>
        <source>puzzle drawn in boxes (*.ss)</source>
        <translation>grille dessinée en blocs (*.ss)</translation>
    </message>
    <message>
        <source>puzzle line (*.sdm)</source>
        <translation>grille sur une ligne (*.sdm)</translation>
    </message>
    <message>
        <source>XML collection (*.opensudoku)</source>
        <translation>collection XML (*.opensudoku)</translation>
    </message>
    <message>
        <source>save file as ...</source>
        <translation>enregistrer le fichier sous ...</translation>
    </message>
    <message>
        <source>open file selected</source>
        <translation>ouvrir un fichier</translation>
    </message>
    <message>
        <source>Next Puzzle in Collection</source>
        <translation>Grille suivante de la collection</translation>
    </message>
    <message>
        <source>export picture as ...</source>
        <translation>exporter l’image sous ...</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>image PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Ctrl + </source>
        <translation>Ctrl + </translation>
    </message>
    <message>
        <source>Shift + </source>
        <translation>Maj + </translation>
    </message>
    <message>
        <source>Alt + </source>
        <translation>Alt + </translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Load Puzzle</source>
        <translation>Charger une grille</translation>
    </message>
    <message>
        <source>Save Puzzle</source>
        <translation>Enregistrer la grille</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copier la grille</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Coller une grille</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exporter une image...</translation>
    </message>
    <message>
        <source>Print Puzzles...</source>
        <translation>Imprimer des grilles...</translation>
    </message>
    <message>
        <source>Mark Cell Rose	Alt + 1</source>
        <translation>Marquer la case en rose	Alt + 1</translation>
    </message>
    <message>
        <source>Mark Cell Green	Alt + 2</source>
        <translation>Marquer la case en vert	Alt + 2</translation>
    </message>
    <message>
        <source>Mark Cell Orange	Alt + 3</source>
        <translation>Marquer la case en orange	Alt + 3</translation>
    </message>
    <message>
        <source>Mark Cell Lilac	Alt + 4</source>
        <translation>Marquer la case en lilas	Alt + 4</translation>
    </message>
    <message>
        <source>Unmark Cell	Alt + 0</source>
        <translation>Retirer la marque	Alt + 0</translation>
    </message>
    <message>
        <source>Clear Colour Marks</source>
        <translation>Effacer les marques de couleur</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Practice a Technique...</source>
        <translation>S’entraîner à une technique...</translation>
    </message>
    <message>
        <source>Hand-build Puzzle</source>
        <translation>Saisir une grille</translation>
    </message>
    <message>
        <source>Recreate from Serial Number...</source>
        <translation>Recréer à partir du numéro de série...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <source>Show Candidates</source>
        <translation>Afficher les candidats</translation>
    </message>
    <message>
        <source>Fill In Candidates</source>
        <translation>Remplir les candidats</translation>
    </message>
    <message>
        <source>Pencil Marks</source>
        <translation>Par annotations</translation>
    </message>
    <message>
        <source>Backtracking</source>
        <translation>Backtracking</translation>
    </message>
    <message>
        <source>Check Solvable</source>
        <translation>Vérifier si la grille est soluble</translation>
    </message>
    <message>
        <source>Check Multiple	Ctrl + Shift + U</source>
        <translation>Vérifier les solutions multiples	Ctrl + Shift + U</translation>
    </message>
    <message>
        <source>Open Answer</source>
        <translation>Révéler la solution</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation>Appliquer l’indice</translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation>Évaluer la grille</translation>
    </message>
    <message>
        <source>Erase Solving And Candidates</source>
        <translation>Effacer les saisies et les candidats</translation>
    </message>
    <message>
        <source>Not Express Mistake</source>
        <translation>Ne pas signaler les erreurs</translation>
    </message>
    <message>
        <source>Visible Mistake</source>
        <translation>Erreurs visibles</translation>
    </message>
    <message>
        <source>Absolute Mistake</source>
        <translation>Erreurs absolues</translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <source>Record Regions of Multi Answer...</source>
        <translation>Enregistrer les zones à solutions multiples...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>Aide	F1</translation>
    </message>
    <message>
        <source>Stop Making a Puzzle</source>
        <translation>Arrêter la création de la grille</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Recent Puzzles</source>
        <translation>Grilles récentes</translation>
    </message>
    <message>
        <source>Edit(&amp;D)</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Colour Marks</source>
        <translation>Marques de couleur</translation>
    </message>
    <message>
        <source>Puzzle(&amp;P)</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>-- Level Setting</source>
        <translation>-- Choix de la difficulté</translation>
    </message>
    <message>
        <source>New Puzzle by Level</source>
        <translation>Nouvelle grille par niveau</translation>
    </message>
    <message>
        <source>Solve(&amp;S)</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Express(&amp;E)</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(aucune pour l’instant)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimer des grilles</translation>
    </message>
    <message>
        <source>Only %1 of the %2 puzzles could be made; nothing was printed.</source>
        <translation>Seules %1 des %2 grilles ont pu être créées&#xa0;; rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>alert</source>
        <translation>alerte</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>Practice a Technique</source>
        <translation>S’entraîner à une technique</translation>
    </message>
    <message>
        <source>No puzzle was found that needs %1.</source>
        <translation>Aucune grille nécessitant %1 n’a été trouvée.</translation>
    </message>
    <message>
        <source>The file %1 is no longer there; it was taken from the list.</source>
        <translation>Le fichier %1 n’existe plus&#xa0;; il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read. A new start instead.</source>
        <translation>La partie conservée de la dernière fois n’a pas pu être lue. Une nouvelle partie commence à la place.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read and was moved to %1. A new start instead.</source>
        <translation>La partie conservée de la dernière fois n’a pas pu être lue et a été déplacée vers %1. Une nouvelle partie commence à la place.</translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation>Évaluer la grille</translation>
    </message>
    <message>
        <source>This puzzle has no answer, so it has no rating.</source>
        <translation>Cette grille n’a pas de solution, elle n’a donc pas d’évaluation.</translation>
    </message>
    <message>
        <source>This puzzle has more than one answer, so it has no rating.</source>
        <translation>Cette grille a plus d’une solution, elle n’a donc pas d’évaluation.</translation>
    </message>
    <message>
        <source>This puzzle&apos;s answers take too long to count, so it has no rating.</source>
        <translation>Compter les solutions de cette grille prend trop de temps, elle n’a donc pas d’évaluation.</translation>
    </message>
    <message>
        <source>The ladder of techniques gets no further than step %d, so this puzzle has no rating.<byte value="xd"/>
<byte value="xd"/>
So far: score %d, hardest technique %s%s%s.</source>
        <translation>L’échelle des techniques ne va pas au-delà de l’étape %d, cette grille n’a donc pas d’évaluation.<byte value="xd"/>
<byte value="xd"/>
Jusqu’ici&#xa0;: score %d, technique la plus difficile %s%s%s.</translation>
    </message>
    <message>
        <source>, steps: </source>
        <translation>, étapes&#xa0;: </translation>
    </message>
    <message>
        <source>Level: %s<byte value="xd"/>
Score: %d<byte value="xd"/>
Hardest technique: %s<byte value="xd"/>
Steps: %d (%s)<byte value="xd"/>
<byte value="xd"/>
The level, from Easy through Medium, Hard and Fiendish to Extreme, is that of the hardest technique, one higher when the way is long. The score adds up every step of the solution, each weighing more the harder its technique is.</source>
        <translation>Niveau&#xa0;: %s<byte value="xd"/>
Score&#xa0;: %d<byte value="xd"/>
Technique la plus difficile&#xa0;: %s<byte value="xd"/>
Étapes&#xa0;: %d (%s)<byte value="xd"/>
<byte value="xd"/>
Le niveau, de Facile à Extrême en passant par Moyen, Difficile et Diabolique, est celui de la technique la plus difficile, un cran au-dessus quand le chemin est long. Le score additionne toutes les étapes de la solution, chacune pesant d’autant plus que sa technique est difficile.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Coller une grille</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Le presse-papiers ne contient aucune grille</translation>
    </message>
    <message>
        <source>%s: line %d has %s, which is neither a digit 1-9 nor an open cell (. 0 * _).</source>
        <translation>%s&#xa0;: la ligne %d contient %s, qui n’est ni un chiffre de 1 à 9 ni une case vide (. 0 * _).</translation>
    </message>
    <message>
        <source>%s: it has %d cells, a puzzle has 81.</source>
        <translation>%s&#xa0;: le texte a %d cases, une grille en a 81.</translation>
    </message>
    <message>
        <source>%s: line %d has %d cells, a row has 9.</source>
        <translation>%s&#xa0;: la ligne %d a %d cases, une rangée de la grille en a 9.</translation>
    </message>
    <message>
        <source>The clipboard holds a full grid: a puzzle needs open cells.</source>
        <translation>Le presse-papiers contient une grille pleine&#xa0;: une grille à résoudre a besoin de cases vides.</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>column</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>box</source>
        <translation>bloc</translation>
    </message>
    <message>
        <source>The clues break the rule: %d stands twice in %s %d.</source>
        <translation>Les chiffres donnés enfreignent la règle&#xa0;: %d figure deux fois en %s %d.</translation>
    </message>
    <message>
        <source>These clues have no answer.</source>
        <translation>Ces chiffres donnés n’ont pas de solution.</translation>
    </message>
    <message>
        <source>These clues take too long to check: whether they have an answer is still open.</source>
        <translation>Vérifier ces chiffres donnés prend trop de temps&#xa0;: on ne sait pas encore s’ils ont une solution.</translation>
    </message>
    <message>
        <source>Load Puzzle</source>
        <translation>Charger une grille</translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: line %d: %s.</source>
        <translation>%s ne contient aucune grille que ce programme sait charger&#xa0;: ligne %d&#xa0;: %s.</translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: %s.</source>
        <translation>%s ne contient aucune grille que ce programme sait charger&#xa0;: %s.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, clue</source>
        <translation>%1, donné</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>, mistake</source>
        <translation>, erreur</translation>
    </message>
    <message>
        <source>, marked %1</source>
        <translation>, marquée en %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>none left</source>
        <translation>plus aucun</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>making %1 puzzles to print<byte value="xd"/>
(Escape stops)</source>
        <translation>création de %1 grilles à imprimer<byte value="xd"/>
(Échap pour arrêter)</translation>
    </message>
    <message>
        <source>making a puzzle to practise<byte value="xd"/>
%1 (Escape stops)</source>
        <translation>création d’une grille d’entraînement&#xa0;:<byte value="xd"/>
%1 (Échap pour arrêter)</translation>
    </message>
    <message>
        <source>making an %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation>création d’une grille de niveau %1<byte value="xd"/>
(Échap pour arrêter)</translation>
    </message>
    <message>
        <source>making a %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation>création d’une grille de niveau %1<byte value="xd"/>
(Échap pour arrêter)</translation>
    </message>
    <message>
        <source>practise %1: the steps before it are<byte value="xd"/>
done and the notes filled in; Hint shows it</source>
        <translation>entraînement à %1&#xa0;: les étapes d’avant sont<byte value="xd"/>
faites, les notes remplies&#xa0;; Indice la montre</translation>
    </message>
    <message>
        <source>new %1 puzzle, score %2,<byte value="xd"/>
hardest step: %3</source>
        <translation>nouvelle grille de niveau %1, score %2,<byte value="xd"/>
étape la plus difficile&#xa0;: %3</translation>
    </message>
    <message>
        <source>welcome back: your game goes on where you left it</source>
        <translation>bon retour&#xa0;: votre partie reprend là où vous l’aviez laissée</translation>
    </message>
    <message>
        <source>candidates due to shallow analysis.<byte value="xd"/>
they are just hints</source>
        <translation>candidats issus d’une analyse simple.<byte value="xd"/>
ce ne sont que des indications</translation>
    </message>
    <message>
        <source>candidates due to deep analysis.</source>
        <translation>candidats issus d’une analyse approfondie.</translation>
    </message>
    <message>
        <source>no candidates expressed<byte value="xd"/>
even by shallow analysis<byte value="xd"/>
cause single candidate is not a hint.</source>
        <translation>aucun candidat affiché,<byte value="xd"/>
même par l’analyse simple,<byte value="xd"/>
car un candidat unique n’est pas une indication.</translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s, sn is %s</source>
        <translation>chargé&#xa0;: %s,<byte value="xd"/>
%s, n° de série %s</translation>
    </message>
    <message>
        <source>loaded %s, %s</source>
        <translation>chargé&#xa0;: %s, %s</translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s without Answer</source>
        <translation>chargé&#xa0;: %s,<byte value="xd"/>
%s sans solution</translation>
    </message>
    <message>
        <source>welcome to the Grid Atelier!</source>
        <translation>bienvenue dans le Grid Atelier&#xa0;!</translation>
    </message>
    <message>
        <source>you&apos;re going to try puzzles as %s</source>
        <translation>vous allez essayer des grilles de classe %s</translation>
    </message>
    <message>
        <source>new puzzle as %s class,<byte value="xd"/>
serial number is %s</source>
        <translation>nouvelle grille de classe %s,<byte value="xd"/>
numéro de série %s</translation>
    </message>
    <message>
        <source>no express mistakes</source>
        <translation>les erreurs ne sont pas signalées</translation>
    </message>
    <message>
        <source>express visible mistakes as red color font</source>
        <translation>les erreurs visibles s’affichent en rouge</translation>
    </message>
    <message>
        <source>express absolute mistakes as red color font</source>
        <translation>les erreurs absolues s’affichent en rouge</translation>
    </message>
    <message>
        <source>reset the solving</source>
        <translation>saisies effacées</translation>
    </message>
    <message>
        <source>reset the candidates</source>
        <translation>candidats effacés</translation>
    </message>
    <message>
        <source>the answer was opened</source>
        <translation>la solution a été révélée</translation>
    </message>
    <message>
        <source>finished although there are some mistakes</source>
        <translation>terminé, mais avec quelques erreurs</translation>
    </message>
    <message>
        <source><byte value="xd"/>
solving...</source>
        <translation><byte value="xd"/>
résolution...</translation>
    </message>
    <message>
        <source>Congraz! complete solving<byte value="xd"/>
this puzzle may have multi answers<byte value="xd"/>
cause different to the answer</source>
        <translation>Bravo&#xa0;! grille résolue<byte value="xd"/>
cette grille a peut-être plusieurs solutions<byte value="xd"/>
car la vôtre diffère de la solution</translation>
    </message>
    <message>
        <source>Congraz! complete solving</source>
        <translation>Bravo&#xa0;! grille résolue</translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
due to the pencil marks<byte value="xd"/>
plz try the backtracking method.</source>
        <translation>impossible de résoudre la grille...<byte value="xd"/>
par les annotations<byte value="xd"/>
essayez plutôt le backtracking.</translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
please try again.</source>
        <translation>impossible de résoudre la grille...<byte value="xd"/>
veuillez réessayer.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
checking...</source>
        <translation><byte value="xd"/>
vérification...</translation>
    </message>
    <message>
        <source>solvable structure.</source>
        <translation>structure soluble.</translation>
    </message>
    <message>
        <source>unsolvable structure.<byte value="xd"/>
this puzzle is unsolvable.</source>
        <translation>structure insoluble.<byte value="xd"/>
cette grille est insoluble.</translation>
    </message>
    <message>
        <source>single answer.</source>
        <translation>solution unique.</translation>
    </message>
    <message>
        <source>multiple answers.<byte value="xd"/>
this puzzle has multiple answers.</source>
        <translation>solutions multiples.<byte value="xd"/>
cette grille a plusieurs solutions.</translation>
    </message>
    <message>
        <source>no answer data or illegal answer detected.</source>
        <translation>aucune solution enregistrée ou solution non valide.</translation>
    </message>
    <message>
        <source>At first, plz input numbers of a puzzle</source>
        <translation>Saisissez d’abord les chiffres de la grille</translation>
    </message>
    <message>
        <source>too much hints</source>
        <translation>trop de chiffres donnés</translation>
    </message>
    <message>
        <source>illegal numeral found based on the rule</source>
        <translation>chiffre contraire à la règle trouvé</translation>
    </message>
    <message>
        <source>Next, plz input numbers of the answer</source>
        <translation>Saisissez maintenant les chiffres de la solution</translation>
    </message>
    <message>
        <source>illegal numeral found as the answer</source>
        <translation>chiffre non valide trouvé dans la solution</translation>
    </message>
    <message>
        <source>collapsed answer found</source>
        <translation>solution incohérente trouvée</translation>
    </message>
    <message>
        <source>created a puzzle</source>
        <translation>grille créée</translation>
    </message>
    <message>
        <source>created a puzzle without answer</source>
        <translation>grille créée sans solution</translation>
    </message>
    <message>
        <source>canceled to create a puzzle</source>
        <translation>création de la grille annulée</translation>
    </message>
    <message>
        <source>copied the puzzle as a line of text</source>
        <translation>grille copiée sous forme de ligne de texte</translation>
    </message>
    <message>
        <source>pasted a puzzle</source>
        <translation>grille collée</translation>
    </message>
    <message>
        <source>pasted a puzzle without answer:<byte value="xd"/>
it has more than one answer</source>
        <translation>grille collée sans solution&#xa0;:<byte value="xd"/>
elle a plus d’une solution</translation>
    </message>
    <message>
        <source><byte value="xd"/>
looking for the next step...</source>
        <translation><byte value="xd"/>
recherche de l’étape suivante...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
rating the puzzle...</source>
        <translation><byte value="xd"/>
évaluation de la grille...</translation>
    </message>
    <message>
        <source>saved a puzzle to a file named %1</source>
        <translation>grille enregistrée dans le fichier %1</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1, puzzle %2 of %3</source>
        <translation>%1, grille %2 sur %3</translation>
    </message>
    <message>
        <source>Paused<byte value="xd"/>
<byte value="xd"/>
Ctrl + Shift + T plays on</source>
        <translation>Pause<byte value="xd"/>
<byte value="xd"/>
Ctrl + Maj + T pour reprendre</translation>
    </message>
    <message>
        <source> -- Hand-Build</source>
        <translation> -- Saisie manuelle</translation>
    </message>
    <message>
        <source>Registre</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Without Answer</source>
        <translation>Sans solution</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Practice: %1</source>
        <translation>Entraînement&#xa0;: %1</translation>
    </message>
</context>
</TS>
