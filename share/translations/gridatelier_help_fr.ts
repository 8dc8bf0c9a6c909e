<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Help</name>
    <message>
        <source>Fill the board so that every row, every column and every 3x3 box holds each digit from 1 to 9 exactly once. The bold digits are the clues; they never change.

Click a cell, or move to it with the arrows or Tab, and type a digit to place it. Type two or more digits to keep them as the cell&apos;s candidates, or press Shift with a digit to add or take away one note. Placing a value takes its digit from the notes of its row, column and box. The digit strip under the board counts what is left of each digit; a click on one tints every cell that shows it.

Rows are numbered 1 to 9 from the top and columns 1 to 9 from the left, so r4c7 is the cell in row 4, column 7. A box is numbered 1 to 9 row by row.

Stuck? Solve &gt; Hint names the technique and where to look; Hint again tints its cells, draws the step on the board and shows its whole words beside the window, with a button that opens the technique&apos;s page here. Apply Hint does the step. Puzzle &gt; New Puzzle makes a new puzzle of the class chosen under Level Setting; Solve &gt; Rate Puzzle tells its level.

The game in progress is kept when the window closes and comes back at the next start. Undo and Redo take back and make again any change to the board.</source>
        <translation>Remplissez la grille de sorte que chaque ligne, chaque colonne et chaque bloc 3x3 contienne chaque chiffre de 1 à 9 exactement une fois. Les chiffres en gras sont les chiffres donnés&#xa0;; ils ne changent jamais.

Cliquez sur une case, ou allez-y avec les flèches ou Tab, et tapez un chiffre pour l&apos;y placer. Tapez deux chiffres ou plus pour les garder comme candidats de la case, ou appuyez sur Maj avec un chiffre pour ajouter ou retirer une note. Placer une valeur retire son chiffre des notes de sa ligne, de sa colonne et de son bloc. La barre de chiffres sous la grille compte ce qui reste de chaque chiffre&#xa0;; un clic sur l&apos;un d&apos;eux colore chaque case qui l&apos;affiche.

Les lignes sont numérotées de 1 à 9 depuis le haut et les colonnes de 1 à 9 depuis la gauche&#xa0;: r4c7 est donc la case de la ligne 4, colonne 7 (r pour «&#xa0;row&#xa0;», ligne, et c pour «&#xa0;column&#xa0;», colonne). Les blocs sont numérotés de 1 à 9, ligne par ligne.

Vous bloquez&#xa0;? Résoudre &gt; Indice nomme la technique et l&apos;endroit où chercher&#xa0;; un second Indice colore ses cases, dessine l&apos;étape sur la grille et en affiche le texte complet à côté de la fenêtre, avec un bouton qui ouvre ici la page de la technique. Appliquer l&apos;indice effectue l&apos;étape. Grille &gt; Nouvelle grille crée une nouvelle grille de la classe choisie sous Choix de la difficulté&#xa0;; Résoudre &gt; Évaluer la grille en indique le niveau.

La partie en cours est conservée à la fermeture de la fenêtre et revient au démarrage suivant. Annuler et Rétablir défont et refont toute modification de la grille.</translation>
    </message>
    <message>
        <source>1 .. 9	places the digit in the cell in hand; two or more digits are candidates</source>
        <translation>1 .. 9	place le chiffre dans la case en cours&#xa0;; deux chiffres ou plus sont des candidats</translation>
    </message>
    <message>
        <source>Shift + 1 .. 9	adds the note to the cell in hand, or takes it away</source>
        <translation>Maj + 1 .. 9	ajoute la note à la case en cours, ou la retire</translation>
    </message>
    <message>
        <source>Up, Down, Left, Right	moves to the next cell that way</source>
        <translation>Flèches haut, bas, gauche, droite	passe à la case voisine dans ce sens</translation>
    </message>
    <message>
        <source>Tab, Shift + Tab	moves to the next or previous open cell</source>
        <translation>Tab, Maj + Tab	passe à la case ouverte suivante ou précédente</translation>
    </message>
    <message>
        <source>Delete, Backspace	takes digits out of the cell in hand</source>
        <translation>Suppr, Retour arrière	retire des chiffres de la case en cours</translation>
    </message>
    <message>
        <source>Escape	puts back the text the cell had when it was entered</source>
        <translation>Échap	rétablit le texte qu&apos;avait la case quand on y est entré</translation>
    </message>
    <message>
        <source>The menu&apos;s keys work while a cell is being typed into.</source>
        <translation>Les touches du menu fonctionnent aussi pendant la saisie dans une case.</translation>
    </message>
    <message>
        <source>In the board:</source>
        <translation>Sur la grille&#xa0;:</translation>
    </message>
    <message>
        <source>Solve &gt; Rate Puzzle, gridatelier-cli rate and the box at the end of a game tell a puzzle&apos;s level: the level of the hardest technique its way to the answer needs, raised by one when that way is long for the level. The levels and the techniques that start each:</source>
        <translation>Résoudre &gt; Évaluer la grille, gridatelier-cli rate et la boîte de fin de partie indiquent le niveau d&apos;une grille&#xa0;: le niveau de la technique la plus difficile dont son chemin vers la solution a besoin, augmenté d&apos;un cran quand ce chemin est long pour ce niveau. Les niveaux et les techniques qui commencent chacun d&apos;eux&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A level and the techniques that start it: &quot;Hard: Naked Quad, X-Wing, ...&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>A puzzle that needs a guess beyond the techniques is %1.</source>
        <translation>Une grille qui demande de deviner au-delà des techniques est de niveau %1.</translation>
    </message>
    <message>
        <source>Level: %1.</source>
        <translation>Niveau&#xa0;: %1.</translation>
    </message>
    <message>
        <source>In the example: %1</source>
        <translation>Dans l&apos;exemple&#xa0;: %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>What is an %1?</source>
        <extracomment>The question over a hint that opens the technique&apos;s page; %1 is its name.</extracomment>
        <translation>Que signifie «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>What is a %1?</source>
        <extracomment>The question over a hint that opens the technique&apos;s page; %1 is its name.</extracomment>
        <translation>Que signifie «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>A row, column or box has one empty cell left, so that cell takes the one digit the unit still lacks.</source>
        <translation>Il ne reste qu&apos;une case vide dans une ligne, une colonne ou un bloc&#xa0;: cette case prend donc le seul chiffre qui manque encore à l&apos;unité.</translation>
    </message>
    <message>
        <source>Every unit (a row, column or box) holds each digit from 1 to 9 exactly once. When eight cells of a unit are filled, the ninth has no choice: it takes the digit that is not there yet.

To spot one, look for a unit with a single gap and name the digit missing from it. A hint reads like &quot;box 5: r5c4 is the last empty cell, so it takes 3&quot; (r5c4 is the cell in row 5, column 4). On the board the placed value shows in green.

It is the easiest step there is, so the ladder always tries it first.</source>
        <translation>Chaque unité (une ligne, une colonne ou un bloc) contient chaque chiffre de 1 à 9 exactement une fois. Quand huit cases d&apos;une unité sont remplies, la neuvième n&apos;a pas le choix&#xa0;: elle prend le chiffre qui n&apos;y est pas encore.

Pour le repérer, cherchez une unité avec un seul trou et nommez le chiffre qui y manque. Un indice se lit par exemple «&#xa0;bloc 5&#xa0;: r5c4 est la dernière case vide, elle prend donc le 3&#xa0;» (r5c4 est la case de la ligne 5, colonne 4). Sur la grille, la valeur placée s&apos;affiche en vert.

C&apos;est l&apos;étape la plus facile qui soit&#xa0;: l&apos;échelle l&apos;essaie donc toujours en premier.</translation>
    </message>
    <message>
        <source>A digit has only one cell left in a row, column or box where it can go, so it goes there.</source>
        <translation>Un chiffre n&apos;a plus qu&apos;une case possible dans une ligne, une colonne ou un bloc&#xa0;: il va donc là.</translation>
    </message>
    <message>
        <source>Every unit needs each digit once. Pick a digit and a unit and look at the unit&apos;s empty cells: in most of them the digit is ruled out, because it already sits in that cell&apos;s row, column or box. When only one cell is left, the digit must go there, even if the cell still has other candidates (the digits it could still hold).

The ladder looks in the boxes first, then the rows, then the columns, since a person usually finds them in that order. A hint reads like &quot;box 3: 4 fits only in r2c8&quot;. On the board the placed value shows in green.</source>
        <translation>Chaque unité a besoin de chaque chiffre une fois. Choisissez un chiffre et une unité, et regardez les cases vides de l&apos;unité&#xa0;: dans la plupart, le chiffre est exclu, parce qu&apos;il se trouve déjà dans la ligne, la colonne ou le bloc de cette case. Quand il ne reste qu&apos;une case, le chiffre doit y aller, même si la case a encore d&apos;autres candidats (les chiffres qu&apos;elle pourrait encore recevoir).

L&apos;échelle cherche d&apos;abord dans les blocs, puis dans les lignes, puis dans les colonnes, car c&apos;est en général dans cet ordre qu&apos;on les trouve. Un indice se lit par exemple «&#xa0;bloc 3&#xa0;: 4 ne va qu&apos;en r2c8&#xa0;». Sur la grille, la valeur placée s&apos;affiche en vert.</translation>
    </message>
    <message>
        <source>A cell has only one candidate left, so it takes that digit.</source>
        <translation>Une case n&apos;a plus qu&apos;un candidat&#xa0;: elle prend donc ce chiffre.</translation>
    </message>
    <message>
        <source>A cell&apos;s candidates are the digits its row, column and box still allow: every digit already placed in one of those three units is ruled out. When just one digit is left, the cell must hold it.

Naked singles often appear right after other steps remove candidates, so look again at the cells with few candidates after each step. A hint reads like &quot;r6c2: only 8 is left&quot;. On the board the placed value shows in green.

The difference from a hidden single: here the cell has one digit left; there the digit has one cell left.</source>
        <translation>Les candidats d&apos;une case sont les chiffres que sa ligne, sa colonne et son bloc permettent encore&#xa0;: tout chiffre déjà placé dans l&apos;une de ces trois unités est exclu. Quand il n&apos;en reste qu&apos;un, la case doit le contenir.

Les singletons nus apparaissent souvent juste après que d&apos;autres étapes ont retiré des candidats&#xa0;: après chaque étape, regardez donc à nouveau les cases qui ont peu de candidats. Un indice se lit par exemple «&#xa0;r6c2&#xa0;: seul 8 reste&#xa0;». Sur la grille, la valeur placée s&apos;affiche en vert.

La différence avec un singleton caché&#xa0;: ici, la case n&apos;a plus qu&apos;un chiffre&#xa0;; là, le chiffre n&apos;a plus qu&apos;une case.</translation>
    </message>
    <message>
        <source>Inside a box, a digit can go only in cells of one row or one column, so the rest of that row or column loses it.</source>
        <translation>Dans un bloc, un chiffre ne peut aller que dans des cases d&apos;une seule ligne ou d&apos;une seule colonne&#xa0;: le reste de cette ligne ou de cette colonne le perd.</translation>
    </message>
    <message>
        <source>The box must hold the digit somewhere. If all its places for the digit lie on one line, the digit ends up on that line, inside this box. A line holds each digit once, so the cells of the line outside the box cannot hold it.

To spot it, pick a box and a digit and check whether the box&apos;s candidates for that digit sit in a single row or column, two or three cells in a line. A hint reads like &quot;box 5: 3 can go only in row 4, so r4c7 and r4c8 lose 3&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Le bloc doit contenir le chiffre quelque part. Si toutes ses places pour le chiffre sont sur une même rangée (une ligne ou une colonne), le chiffre se retrouve sur cette rangée, à l&apos;intérieur de ce bloc. Une rangée contient chaque chiffre une seule fois&#xa0;: les cases de la rangée hors du bloc ne peuvent donc pas le contenir.

Pour le repérer, choisissez un bloc et un chiffre, et vérifiez si les candidats du bloc pour ce chiffre se trouvent sur une seule ligne ou colonne, deux ou trois cases alignées. Un indice se lit par exemple «&#xa0;bloc 5&#xa0;: 3 ne va que dans la ligne 4, donc r4c7 et r4c8 perdent 3&#xa0;». Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Inside a row or column, a digit can go only in cells of one box, so the rest of that box loses it.</source>
        <translation>Dans une ligne ou une colonne, un chiffre ne peut aller que dans des cases d&apos;un seul bloc&#xa0;: le reste de ce bloc le perd.</translation>
    </message>
    <message>
        <source>This is pointing the other way round. The row (or column) must hold the digit, and all its places for it lie inside one box. So the box&apos;s copy of the digit will be on that line, and the box&apos;s other cells, off the line, cannot hold it.

To spot it, run along a row or column and check whether every candidate for one digit falls in the same box. A hint reads like &quot;row 2: 7 can go only in box 3, so r1c8 and r3c9 lose 7&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>C&apos;est le Pointing à l&apos;envers. La ligne (ou la colonne) doit contenir le chiffre, et toutes ses places pour lui sont dans un seul bloc. Le chiffre de ce bloc sera donc sur cette rangée, et les autres cases du bloc, hors de la rangée, ne peuvent pas le contenir.

Pour le repérer, parcourez une ligne ou une colonne et vérifiez si tous les candidats d&apos;un chiffre tombent dans le même bloc. Un indice se lit par exemple «&#xa0;ligne 2&#xa0;: 7 ne va que dans le bloc 3, donc r1c8 et r3c9 perdent 7&#xa0;». Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Two cells of a unit hold only the same two candidates, so those two digits leave every other cell that sees both.</source>
        <translation>Deux cases d&apos;une unité n&apos;ont que les deux mêmes candidats&#xa0;: ces deux chiffres quittent donc toute autre case qui voit les deux.</translation>
    </message>
    <message>
        <source>A cell sees another when the two share a unit: a row, column or box. Say r4c1 and r4c5 both hold only 2 and 5. One of them will be 2 and the other 5; we do not know which yet, but together they use up both digits. No other cell of row 4 can hold 2 or 5, and if the two cells also share a box, neither can the rest of that box.

To spot one, look for two cells with the same two candidates in one unit. A hint reads like &quot;row 4: r4c1 and r4c5 hold only 2 and 5, so r4c3 loses 2; r4c9 loses 2 and 5&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Une case en voit une autre quand les deux partagent une unité&#xa0;: une ligne, une colonne ou un bloc. Disons que r4c1 et r4c5 n&apos;ont que 2 et 5. L&apos;une sera 2 et l&apos;autre 5&#xa0;; on ne sait pas encore laquelle, mais à elles deux elles prennent les deux chiffres. Aucune autre case de la ligne 4 ne peut contenir 2 ou 5, et si les deux cases partagent aussi un bloc, le reste de ce bloc non plus.

Pour en repérer une, cherchez dans une unité deux cases avec les deux mêmes candidats. Un indice se lit par exemple «&#xa0;ligne 4&#xa0;: r4c1 et r4c5 n&apos;ont que 2 et 5, donc r4c3 perd 2&#xa0;; r4c9 perd 2 et 5&#xa0;». Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Two digits of a unit can go only in the same two cells, so those two cells lose every other candidate.</source>
        <translation>Deux chiffres d&apos;une unité ne peuvent aller que dans les deux mêmes cases&#xa0;: ces deux cases perdent donc tout autre candidat.</translation>
    </message>
    <message>
        <source>Say that in row 4 the digits 2 and 5 both fit only in r4c1 and r4c5. The row needs both digits, so these two cells are taken by 2 and 5, one each. Any other candidate in them can go.

It is called hidden because the pair is buried among other candidates: the two cells may show 2, 5, 7 and 9. To spot one, note for each digit the cells of the unit where it fits, and look for two digits with the same two cells. A hint reads like &quot;row 4: 2 and 5 can go only in r4c1 and r4c5, so r4c1 loses 7; r4c5 loses 3 and 9&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Disons que dans la ligne 4, les chiffres 2 et 5 ne vont tous deux qu&apos;en r4c1 et r4c5. La ligne a besoin des deux chiffres&#xa0;: ces deux cases sont donc prises par 2 et 5, un chacune. Tout autre candidat peut en partir.

On la dit cachée parce que la paire est enfouie parmi d&apos;autres candidats&#xa0;: les deux cases peuvent afficher 2, 5, 7 et 9. Pour en repérer une, notez pour chaque chiffre les cases de l&apos;unité où il va, et cherchez deux chiffres qui ont les deux mêmes cases. Un indice se lit par exemple «&#xa0;ligne 4&#xa0;: 2 et 5 ne vont qu&apos;en r4c1 et r4c5, donc r4c1 perd 7&#xa0;; r4c5 perd 3 et 9&#xa0;». Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Three cells of a unit hold only three digits between them, so those digits leave every other cell that sees all three.</source>
        <translation>Trois cases d&apos;une unité n&apos;ont que trois chiffres à elles trois&#xa0;: ces chiffres quittent donc toute autre case qui voit les trois.</translation>
    </message>
    <message>
        <source>The three cells need three different digits, and only three are open to them, so they use up all three. No other cell of the unit can hold any of them, nor any other cell of a second unit the three share.

A cell need not hold all three digits. Cells holding 1 and 4, 4 and 8, and 1 and 8 form a triple just as well as three cells holding 1, 4 and 8. That makes triples harder to see: look for cells with two or three candidates, all drawn from the same three digits.

A hint names the three cells and their digits, then what the other cells lose. On the board those candidates are struck through in red.</source>
        <translation>Les trois cases ont besoin de trois chiffres différents, et seuls trois leur sont ouverts&#xa0;: elles les prennent donc tous les trois. Aucune autre case de l&apos;unité ne peut contenir l&apos;un d&apos;eux, ni aucune autre case d&apos;une deuxième unité que les trois partagent.

Une case n&apos;a pas besoin d&apos;avoir les trois chiffres. Des cases avec 1 et 4, 4 et 8, et 1 et 8 forment un triplet tout aussi bien que trois cases avec 1, 4 et 8. Cela rend les triplets plus difficiles à voir&#xa0;: cherchez des cases à deux ou trois candidats, tous tirés des trois mêmes chiffres.

Un indice nomme les trois cases et leurs chiffres, puis ce que les autres cases perdent. Sur la grille, ces candidats sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Three digits of a unit can go only in the same three cells, so those cells lose every other candidate.</source>
        <translation>Trois chiffres d&apos;une unité ne peuvent aller que dans les trois mêmes cases&#xa0;: ces cases perdent donc tout autre candidat.</translation>
    </message>
    <message>
        <source>The unit needs all three digits, and only three of its cells can take them, so those cells are filled by the three digits in some order. Any other candidate in the three cells can go.

A digit need not fit in all three cells: it is enough that each of the three digits fits only somewhere among them. To spot one, note for each digit the cells of the unit where it still fits, and look for three digits whose cells together number just three. A hint reads like &quot;box 2: 5, 6 and 8 can go only in r1c6, r2c4 and r2c6, so r1c6 loses 3&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>L&apos;unité a besoin des trois chiffres, et seules trois de ses cases peuvent les recevoir&#xa0;: ces cases sont donc remplies par les trois chiffres, dans un ordre ou un autre. Tout autre candidat des trois cases peut partir.

Un chiffre n&apos;a pas besoin d&apos;aller dans les trois cases&#xa0;: il suffit que chacun des trois chiffres n&apos;aille que quelque part parmi elles. Pour en repérer un, notez pour chaque chiffre les cases de l&apos;unité où il va encore, et cherchez trois chiffres dont les cases ne sont, ensemble, que trois. Un indice se lit par exemple «&#xa0;bloc 2&#xa0;: 5, 6 et 8 ne vont qu&apos;en r1c6, r2c4 et r2c6, donc r1c6 perd 3&#xa0;». Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Four cells of a unit hold only four digits between them, so those digits leave every other cell of the unit.</source>
        <translation>Quatre cases d&apos;une unité n&apos;ont que quatre chiffres à elles quatre&#xa0;: ces chiffres quittent donc toute autre case de l&apos;unité.</translation>
    </message>
    <message>
        <source>It works like the naked pair and triple. Four cells need four different digits and only four are open to them, so they use up all four, and no other cell of the unit can hold any of them. Each of the four cells holds two, three or four of the digits; no cell needs all four.

Quads are rare and hard to see, because the four cells hide among the other empty cells of the unit. Look in a unit with many empty cells, at the cells with at most four candidates, and ask whether four of them draw on only four digits. A hint names the four cells and their digits. On the board the removed candidates are struck through in red.</source>
        <translation>Cela fonctionne comme la paire et le triplet nus. Quatre cases ont besoin de quatre chiffres différents et seuls quatre leur sont ouverts&#xa0;: elles les prennent donc tous les quatre, et aucune autre case de l&apos;unité ne peut contenir l&apos;un d&apos;eux. Chacune des quatre cases contient deux, trois ou quatre de ces chiffres&#xa0;; aucune n&apos;a besoin des quatre.

Les quadruplets sont rares et difficiles à voir, car les quatre cases se cachent parmi les autres cases vides de l&apos;unité. Regardez, dans une unité riche en cases vides, les cases qui ont au plus quatre candidats, et demandez-vous si quatre d&apos;entre elles n&apos;utilisent que quatre chiffres. Un indice nomme les quatre cases et leurs chiffres. Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Four digits of a unit can go only in the same four cells, so those cells lose every other candidate.</source>
        <translation>Quatre chiffres d&apos;une unité ne peuvent aller que dans les quatre mêmes cases&#xa0;: ces cases perdent donc tout autre candidat.</translation>
    </message>
    <message>
        <source>It works like the hidden pair and triple. The unit needs all four digits, and only four of its cells can take them, so those four cells are filled by the four digits and every other candidate in them can go. Each digit may fit in only some of the four cells.

Hidden quads are rare. To find one, note for each digit the cells of the unit where it still fits, and look for four digits whose cells together number just four. A hint reads like &quot;column 6: 1, 3, 4 and 9 can go only in ...&quot;, then what each of those cells loses. On the board the removed candidates are struck through in red.</source>
        <translation>Cela fonctionne comme la paire et le triplet cachés. L&apos;unité a besoin des quatre chiffres, et seules quatre de ses cases peuvent les recevoir&#xa0;: ces quatre cases sont donc remplies par les quatre chiffres, et tout autre candidat peut en partir. Chaque chiffre peut n&apos;aller que dans certaines des quatre cases.

Les quadruplets cachés sont rares. Pour en trouver un, notez pour chaque chiffre les cases de l&apos;unité où il va encore, et cherchez quatre chiffres dont les cases ne sont, ensemble, que quatre. Un indice se lit par exemple «&#xa0;colonne 6&#xa0;: 1, 3, 4 et 9 ne vont qu&apos;en ...&#xa0;», puis dit ce que perd chacune de ces cases. Sur la grille, les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>In two rows a digit can go only in the same two columns (or in two columns only in the same two rows), so the rest of those columns (rows) lose it.</source>
        <translation>Dans deux lignes, un chiffre ne peut aller que dans les deux mêmes colonnes (ou, dans deux colonnes, que dans les deux mêmes lignes)&#xa0;: le reste de ces colonnes (lignes) le perd.</translation>
    </message>
    <message>
        <source>Say 4 fits in row 2 only in columns 3 and 8, and in row 7 also only in columns 3 and 8. Row 2 puts its 4 in one of the two columns, and row 7 must use the other, since a column holds 4 once. So the two 4s fill columns 3 and 8 inside rows 2 and 7, and no other cell of those columns can be 4.

The rows are the base lines, the columns the cover lines; on the board they are tinted in two colours. A hint reads like &quot;rows 2 and 7: 4 can go only in columns 3 and 8, so r5c3 and r9c8 lose 4&quot;.</source>
        <translation>Disons que le 4 ne va, dans la ligne 2, que dans les colonnes 3 et 8, et dans la ligne 7 aussi que dans les colonnes 3 et 8. La ligne 2 met son 4 dans l&apos;une des deux colonnes, et la ligne 7 doit prendre l&apos;autre, car une colonne ne contient le 4 qu&apos;une fois. Les deux 4 occupent donc les colonnes 3 et 8 à l&apos;intérieur des lignes 2 et 7, et aucune autre case de ces colonnes ne peut être un 4.

Les lignes sont les rangées de base, les colonnes les rangées de couverture&#xa0;; sur la grille, elles sont teintées de deux couleurs. Un indice se lit par exemple «&#xa0;lignes 2 et 7&#xa0;: 4 ne va que dans les colonnes 3 et 8, donc r5c3 et r9c8 perdent 4&#xa0;».</translation>
    </message>
    <message>
        <source>An X-Wing with extra cells, the fins, in one box: the cells of the cover lines in that box, off the base lines, lose the digit.</source>
        <translation>Un X-Wing avec des cases en plus, les nageoires, dans un bloc&#xa0;: les cases des rangées de couverture situées dans ce bloc, hors des rangées de base, perdent le chiffre.</translation>
    </message>
    <message>
        <source>Take an X-Wing that nearly works: in two base rows (or columns) the digit fits only in two cover columns (or rows), except for a few extra places, the fins, all in one box.

Either a fin holds the digit or none does. If none does, the X-Wing stands and the cover columns lose the digit outside the base rows. If a fin does, the rest of its box loses it. A cell in a cover column and in the fins&apos; box, but not in a base row, loses it both ways.

On the board the fins are marked. A hint reads like &quot;rows 2 and 7: 4 can go only in columns 3 and 8 or in the fin r7c9; either way r8c8 loses 4&quot;.</source>
        <translation>Prenez un X-Wing qui fonctionne presque&#xa0;: dans deux lignes (ou colonnes) de base, le chiffre ne va que dans deux colonnes (ou lignes) de couverture, à part quelques places en plus, les nageoires, toutes dans un même bloc.

Soit une nageoire contient le chiffre, soit aucune. Si aucune ne le contient, le X-Wing tient et les colonnes de couverture perdent le chiffre hors des lignes de base. Si une nageoire le contient, le reste de son bloc le perd. Une case située dans une colonne de couverture et dans le bloc des nageoires, mais pas dans une ligne de base, le perd dans les deux cas.

Sur la grille, les nageoires sont marquées. Un indice se lit par exemple «&#xa0;lignes 2 et 7&#xa0;: 4 ne va que dans les colonnes 3 et 8 ou dans la nageoire r7c9&#xa0;; dans les deux cas r8c8 perd 4&#xa0;».</translation>
    </message>
    <message>
        <source>A finned X-Wing with a corner missing: one cover line meets the base lines in a single cell, so without the fins there would be no X-Wing at all.</source>
        <translation>Un X-Wing à nageoires auquel il manque un coin&#xa0;: une rangée de couverture ne croise les rangées de base qu&apos;en une seule case, si bien que sans les nageoires il n&apos;y aurait pas de X-Wing du tout.</translation>
    </message>
    <message>
        <source>One of the four corners of the rectangle has no candidate for the digit, and fins in one box stand in for it. The reasoning is the finned X-Wing&apos;s: either a fin holds the digit, so the rest of its box loses it, or no fin does, so the X-Wing stands and the cover lines lose it outside the base lines. A cell in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways.

When each base line holds the digit in just two cells, the same pattern is a Skyscraper, and the ladder shows it under that name. On the board the fins are marked.</source>
        <translation>L&apos;un des quatre coins du rectangle n&apos;a pas de candidat pour le chiffre, et des nageoires dans un bloc le remplacent. Le raisonnement est celui du X-Wing à nageoires&#xa0;: soit une nageoire contient le chiffre, et le reste de son bloc le perd, soit aucune ne le contient, et alors le X-Wing tient et les rangées de couverture le perdent hors des rangées de base. Une case située dans une rangée de couverture et dans le bloc des nageoires, mais pas dans une rangée de base, perd le chiffre dans les deux cas.

Quand chaque rangée de base ne contient le chiffre que dans deux cases, le même motif est un Skyscraper, et l&apos;échelle le présente sous ce nom. Sur la grille, les nageoires sont marquées.</translation>
    </message>
    <message>
        <source>In three rows a digit can go only in the same three columns (or the other way round), so the rest of those columns lose it.</source>
        <translation>Dans trois lignes, un chiffre ne peut aller que dans les trois mêmes colonnes (ou l&apos;inverse)&#xa0;: le reste de ces colonnes le perd.</translation>
    </message>
    <message>
        <source>It is an X-Wing with three lines instead of two. Say that in rows 1, 4 and 8 the digit 6 fits only in columns 2, 5 and 9. Each of the three rows needs a 6 and no column can hold two, so the three 6s take one cell of each column, all inside the three rows. The other cells of columns 2, 5 and 9 lose 6.

A base row need not have all three places; two are enough, as long as the three rows together use only three columns. That makes a Swordfish hard to see. On the board the base lines and cover lines are tinted in two colours.</source>
        <translation>C&apos;est un X-Wing avec trois rangées au lieu de deux. Disons que dans les lignes 1, 4 et 8, le chiffre 6 ne va que dans les colonnes 2, 5 et 9. Chacune des trois lignes a besoin d&apos;un 6 et aucune colonne ne peut en contenir deux&#xa0;: les trois 6 prennent donc une case de chaque colonne, toutes à l&apos;intérieur des trois lignes. Les autres cases des colonnes 2, 5 et 9 perdent 6.

Une ligne de base n&apos;a pas besoin d&apos;avoir les trois places&#xa0;; deux suffisent, pourvu que les trois lignes n&apos;utilisent ensemble que trois colonnes. C&apos;est ce qui rend un Swordfish difficile à voir. Sur la grille, les rangées de base et de couverture sont teintées de deux couleurs.</translation>
    </message>
    <message>
        <source>A Swordfish with extra cells, the fins, in one box: the cells of the cover lines in that box, off the base lines, lose the digit.</source>
        <translation>Un Swordfish avec des cases en plus, les nageoires, dans un bloc&#xa0;: les cases des rangées de couverture situées dans ce bloc, hors des rangées de base, perdent le chiffre.</translation>
    </message>
    <message>
        <source>In three base lines (rows, or columns) the digit fits only in three cover lines (columns, or rows), except for a few extra places, the fins, all in one box.

Either a fin holds the digit or none does. If none does, the Swordfish stands and the cover lines lose the digit outside the base lines. If a fin does, the rest of its box loses it. So a cell in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways.

On the board the base and cover lines are tinted in two colours and the fins are marked. A hint names the lines, the fins and the cells that lose the digit.</source>
        <translation>Dans trois rangées de base (lignes, ou colonnes), le chiffre ne va que dans trois rangées de couverture (colonnes, ou lignes), à part quelques places en plus, les nageoires, toutes dans un même bloc.

Soit une nageoire contient le chiffre, soit aucune. Si aucune ne le contient, le Swordfish tient et les rangées de couverture perdent le chiffre hors des rangées de base. Si une nageoire le contient, le reste de son bloc le perd. Une case située dans une rangée de couverture et dans le bloc des nageoires, mais pas dans une rangée de base, perd donc le chiffre dans les deux cas.

Sur la grille, les rangées de base et de couverture sont teintées de deux couleurs et les nageoires sont marquées. Un indice nomme les rangées, les nageoires et les cases qui perdent le chiffre.</translation>
    </message>
    <message>
        <source>A finned Swordfish in which one cover line meets the base lines in a single cell, so without the fins there would be no Swordfish at all.</source>
        <translation>Un Swordfish à nageoires dans lequel une rangée de couverture ne croise les rangées de base qu&apos;en une seule case, si bien que sans les nageoires il n&apos;y aurait pas de Swordfish du tout.</translation>
    </message>
    <message>
        <source>The pattern is thinner than a finned Swordfish: a cover line has only one cell in the base lines, and fins in one box stand in for what is missing. The reasoning stays the same. Either a fin holds the digit, so the rest of its box loses it, or no fin does, so the Swordfish stands and the cover lines lose it outside the base lines.

A cell that is in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways. On the board the base and cover lines are tinted in two colours, the fins are marked, and the removed candidates are struck through in red.</source>
        <translation>Le motif est plus maigre qu&apos;un Swordfish à nageoires&#xa0;: une rangée de couverture n&apos;a qu&apos;une case dans les rangées de base, et des nageoires dans un bloc remplacent ce qui manque. Le raisonnement reste le même. Soit une nageoire contient le chiffre, et le reste de son bloc le perd, soit aucune ne le contient, et alors le Swordfish tient et les rangées de couverture le perdent hors des rangées de base.

Une case qui se trouve dans une rangée de couverture et dans le bloc des nageoires, mais pas dans une rangée de base, perd le chiffre dans les deux cas. Sur la grille, les rangées de base et de couverture sont teintées de deux couleurs, les nageoires sont marquées et les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>In four rows a digit can go only in the same four columns (or the other way round), so the rest of those columns lose it.</source>
        <translation>Dans quatre lignes, un chiffre ne peut aller que dans les quatre mêmes colonnes (ou l&apos;inverse)&#xa0;: le reste de ces colonnes le perd.</translation>
    </message>
    <message>
        <source>It is the X-Wing and the Swordfish with four lines. Each of the four base rows needs the digit, and none of the four cover columns can hold it twice, so the four copies take one cell of each cover column, all inside the base rows. The other cells of the cover columns lose the digit.

A base row may have two, three or four places for the digit, as long as the four rows together use only four columns. A Jellyfish is rare and very hard to see by eye. On the board the base lines and cover lines are tinted in two colours, and the removed candidates are struck through in red.</source>
        <translation>C&apos;est le X-Wing et le Swordfish avec quatre rangées. Chacune des quatre lignes de base a besoin du chiffre, et aucune des quatre colonnes de couverture ne peut le contenir deux fois&#xa0;: les quatre exemplaires prennent donc une case de chaque colonne de couverture, toutes à l&apos;intérieur des lignes de base. Les autres cases des colonnes de couverture perdent le chiffre.

Une ligne de base peut avoir deux, trois ou quatre places pour le chiffre, pourvu que les quatre lignes n&apos;utilisent ensemble que quatre colonnes. Un Jellyfish est rare et très difficile à voir à l&apos;œil. Sur la grille, les rangées de base et de couverture sont teintées de deux couleurs, et les candidats retirés sont barrés en rouge.</translation>
    </message>
    <message>
        <source>Two parallel lines each hold a digit in exactly two cells, with one end of each in the same crossing line; a cell that sees both other ends loses the digit.</source>
        <translation>Deux rangées parallèles contiennent chacune un chiffre dans exactement deux cases, avec une extrémité de chacune sur la même rangée transversale&#xa0;; une case qui voit les deux autres extrémités perd le chiffre.</translation>
    </message>
    <message>
        <source>A unit where a digit has exactly two places is a strong link: one of the two cells holds it. Say column 1 has 7 only in r2c1 and r8c1, and column 5 only in r3c5 and r8c5. The bottom ends share row 8, so at most one of them is 7. If r8c1 is not 7, r2c1 is; if r8c1 is 7, r8c5 is not, so r3c5 is. Either way one of the top ends, r2c1 or r3c5, is 7.

So a cell that sees both top ends (shares a row, column or box with each), such as r2c4 or r3c2, loses 7. On the board the four cells are ringed.</source>
        <translation>Une unité où un chiffre a exactement deux places est un lien fort&#xa0;: l&apos;une des deux cases le contient. Disons que la colonne 1 n&apos;a le 7 qu&apos;en r2c1 et r8c1, et la colonne 5 qu&apos;en r3c5 et r8c5. Les extrémités du bas partagent la ligne 8&#xa0;: au plus l&apos;une d&apos;elles est un 7. Si r8c1 n&apos;est pas 7, r2c1 l&apos;est&#xa0;; si r8c1 est 7, r8c5 ne l&apos;est pas, donc r3c5 l&apos;est. Dans les deux cas, l&apos;une des extrémités du haut, r2c1 ou r3c5, est un 7.

Une case qui voit les deux extrémités du haut (qui partage une ligne, une colonne ou un bloc avec chacune), comme r2c4 ou r3c2, perd donc 7. Sur la grille, les quatre cases sont cerclées.</translation>
    </message>
    <message>
        <source>A digit has exactly two places in a row and two in a column, and one end of each is in the same box; a cell that sees both other ends loses the digit.</source>
        <translation>Un chiffre a exactement deux places dans une ligne et deux dans une colonne, et une extrémité de chacune est dans le même bloc&#xa0;; une case qui voit les deux autres extrémités perd le chiffre.</translation>
    </message>
    <message>
        <source>A unit where a digit has exactly two places is a strong link: one of the two cells holds it. Say row 3 has 5 only in r3c2 and r3c7, and column 1 only in r1c1 and r6c1. The ends r3c2 and r1c1 share box 1, so at most one of them is 5. If r3c2 is not 5, r3c7 is; if r3c2 is 5, r1c1 is not, so r6c1 is. Either way r3c7 or r6c1 is 5.

So r6c7, in row 6 with one and column 7 with the other, loses 5. The row and the column are the two strings; the box ties them. On the board the four cells are ringed.</source>
        <translation>Une unité où un chiffre a exactement deux places est un lien fort&#xa0;: l&apos;une des deux cases le contient. Disons que la ligne 3 n&apos;a le 5 qu&apos;en r3c2 et r3c7, et la colonne 1 qu&apos;en r1c1 et r6c1. Les extrémités r3c2 et r1c1 partagent le bloc 1&#xa0;: au plus l&apos;une d&apos;elles est un 5. Si r3c2 n&apos;est pas 5, r3c7 l&apos;est&#xa0;; si r3c2 est 5, r1c1 ne l&apos;est pas, donc r6c1 l&apos;est. Dans les deux cas, r3c7 ou r6c1 est un 5.

r6c7, qui partage la ligne 6 avec l&apos;une et la colonne 7 avec l&apos;autre, perd donc 5. La ligne et la colonne sont les deux ficelles&#xa0;; le bloc les relie. Sur la grille, les quatre cases sont cerclées.</translation>
    </message>
    <message>
        <source>Two strong links on one digit, joined at one end each by a shared unit, when they are neither a Skyscraper nor a 2-String Kite; a cell that sees both free ends loses the digit.</source>
        <translation>Deux liens forts sur un chiffre, reliés par une extrémité chacun au moyen d&apos;une unité commune, quand ils ne forment ni un Skyscraper ni un 2-String Kite&#xa0;; une case qui voit les deux extrémités libres perd le chiffre.</translation>
    </message>
    <message>
        <source>A strong link is a unit where the digit has exactly two places, so one of the two holds it. Say box 1 has 8 only in r1c2 and r3c3, and column 7 only in r3c7 and r9c7. The ends r3c3 and r3c7 share row 3, so at most one is 8. If r1c2 is not 8, r3c3 is, so r3c7 is not and r9c7 is. Either way r1c2 or r9c7 is 8.

So r1c7 and r9c2, which see both free ends, lose 8. The ladder uses this name when a link lies in a box, or when two parallel links are joined through a box. On the board the four cells are ringed.</source>
        <translation>Un lien fort est une unité où le chiffre a exactement deux places, si bien que l&apos;une des deux le contient. Disons que le bloc 1 n&apos;a le 8 qu&apos;en r1c2 et r3c3, et la colonne 7 qu&apos;en r3c7 et r9c7. Les extrémités r3c3 et r3c7 partagent la ligne 3&#xa0;: au plus l&apos;une est un 8. Si r1c2 n&apos;est pas 8, r3c3 l&apos;est, donc r3c7 ne l&apos;est pas et r9c7 l&apos;est. Dans les deux cas, r1c2 ou r9c7 est un 8.

r1c7 et r9c2, qui voient les deux extrémités libres, perdent donc 8. L&apos;échelle emploie ce nom quand un lien se trouve dans un bloc, ou quand deux liens parallèles sont reliés par un bloc. Sur la grille, les quatre cases sont cerclées.</translation>
    </message>
    <message>
        <source>A digit&apos;s places in a box all lie on one row and one column of it; with a strong link on a line crossing them outside the box, one cell loses the digit.</source>
        <translation>Les places d&apos;un chiffre dans un bloc sont toutes sur une ligne et une colonne de ce bloc&#xa0;; avec un lien fort sur une rangée qui les croise hors du bloc, une case perd le chiffre.</translation>
    </message>
    <message>
        <source>Say box 5 has 5 only in cells of row 4 and column 6, in a cross, and not all on one of them; the box&apos;s other cells form the empty rectangle. Wherever the box&apos;s 5 goes, it is in row 4 or column 6.

Now column 2 has 5 only in r4c2 and r8c2: a strong link, so one of them is 5. If r4c2 is 5, row 4 has its 5, so box 5&apos;s 5 is in column 6. If not, r8c2 is 5. Either way r8c6 sees a 5, in column 6 or in row 8, and loses it. A hint tells it the same way, ending &quot;r8c6 loses 5&quot;.</source>
        <translation>Disons que le bloc 5 n&apos;a le 5 que dans des cases de la ligne 4 et de la colonne 6, en croix, et pas toutes sur l&apos;une des deux&#xa0;; les autres cases du bloc forment le rectangle vide. Où que le 5 du bloc aille, il est dans la ligne 4 ou dans la colonne 6.

Or la colonne 2 n&apos;a le 5 qu&apos;en r4c2 et r8c2&#xa0;: un lien fort, donc l&apos;une des deux est un 5. Si r4c2 est 5, la ligne 4 a son 5, donc le 5 du bloc 5 est dans la colonne 6. Sinon, r8c2 est 5. Dans les deux cas, r8c6 voit un 5, dans la colonne 6 ou dans la ligne 8, et le perd. Un indice le dit de la même façon et se termine par «&#xa0;r8c6 perd 5&#xa0;».</translation>
    </message>
    <message>
        <source>A cell holding only x and y sees a cell holding only x and z and one holding only y and z; one of those two is z, so a cell that sees both loses z.</source>
        <translation>Une case qui n&apos;a que x et y voit une case qui n&apos;a que x et z et une autre qui n&apos;a que y et z&#xa0;; l&apos;une de ces deux est z, donc une case qui voit les deux perd z.</translation>
    </message>
    <message>
        <source>The middle cell is the pivot, the other two the pincers. A cell sees another when the two share a row, column or box. Say pivot r5c5 holds 3 and 7, r5c1 holds 3 and 9, and r2c5 holds 7 and 9. If r5c5 is 3, r5c1 is not 3, so it is 9. If r5c5 is 7, r2c5 is 9. Either way a pincer is 9, so r2c1, which sees both pincers, loses 9.

To spot one, look at the cells with two candidates around a cell with two. On the board the chain through the three cells is drawn, its nodes ringed.</source>
        <translation>La case du milieu est le pivot, les deux autres les pinces. Une case en voit une autre quand les deux partagent une ligne, une colonne ou un bloc. Disons que le pivot r5c5 contient 3 et 7, r5c1 contient 3 et 9, et r2c5 contient 7 et 9. Si r5c5 est 3, r5c1 n&apos;est pas 3, donc il est 9. Si r5c5 est 7, r2c5 est 9. Dans les deux cas une pince est 9&#xa0;: r2c1, qui voit les deux pinces, perd donc 9.

Pour en repérer un, regardez les cases à deux candidats autour d&apos;une case à deux candidats. Sur la grille, la chaîne qui passe par les trois cases est dessinée, ses nœuds cerclés.</translation>
    </message>
    <message>
        <source>A cell holding only x, y and z sees one cell holding only x and z and another holding only y and z; one of the three is z, so a cell that sees all three loses z.</source>
        <translation>Une case qui n&apos;a que x, y et z voit une case qui n&apos;a que x et z et une autre qui n&apos;a que y et z&#xa0;; l&apos;une des trois est z, donc une case qui voit les trois perd z.</translation>
    </message>
    <message>
        <source>It is an XY-Wing whose pivot also holds z. Say pivot r5c5 holds 1, 4 and 8, r4c6 holds 4 and 8, and r5c2 holds 1 and 8. If r5c5 is 1, r5c2 is 8. If r5c5 is 4, r4c6 is 8. If r5c5 is 8, it is z itself. So one of the three cells is 8.

Because the pivot may be the 8, only a cell that sees all three loses it. Such cells usually sit in the pivot&apos;s box, on the line it shares with a pincer: here r5c4 and r5c6 lose 8. On the board the three cells are ringed.</source>
        <translation>C&apos;est un XY-Wing dont le pivot contient aussi z. Disons que le pivot r5c5 contient 1, 4 et 8, r4c6 contient 4 et 8, et r5c2 contient 1 et 8. Si r5c5 est 1, r5c2 est 8. Si r5c5 est 4, r4c6 est 8. Si r5c5 est 8, c&apos;est lui-même z. L&apos;une des trois cases est donc un 8.

Comme le pivot peut être le 8, seule une case qui voit les trois le perd. Ces cases se trouvent en général dans le bloc du pivot, sur la rangée qu&apos;il partage avec une pince&#xa0;: ici, r5c4 et r5c6 perdent 8. Sur la grille, les trois cases sont cerclées.</translation>
    </message>
    <message>
        <source>Two cells holding only the same x and y, joined by a strong link on x; one of them is y, so a cell that sees both loses y.</source>
        <translation>Deux cases qui n&apos;ont que les mêmes x et y, reliées par un lien fort sur x&#xa0;; l&apos;une d&apos;elles est y, donc une case qui voit les deux perd y.</translation>
    </message>
    <message>
        <source>A strong link on x is a unit where x has exactly two places, so one of them holds it. Say r2c2 and r7c8 both hold only 4 and 6, and column 5 has 4 only in r2c5, which sees r2c2, and r7c5, which sees r7c8. Suppose neither cell is 6: then both are 4, so neither r2c5 nor r7c5 can be 4, and column 5 has nowhere left for its 4. So r2c2 or r7c8 is 6.

A cell that sees both, such as r2c8 or r7c2, loses 6. On the board the chain is drawn: nodes ringed, the strong links as solid arrows, the weak links (two cells that cannot both hold 4) as dashed ones.</source>
        <translation>Un lien fort sur x est une unité où x a exactement deux places, si bien que l&apos;une d&apos;elles le contient. Disons que r2c2 et r7c8 n&apos;ont que 4 et 6, et que la colonne 5 n&apos;a le 4 qu&apos;en r2c5, qui voit r2c2, et en r7c5, qui voit r7c8. Supposons qu&apos;aucune des deux cases ne soit 6&#xa0;: alors toutes deux sont 4, donc ni r2c5 ni r7c5 ne peut être 4, et la colonne 5 n&apos;a plus de place pour son 4. r2c2 ou r7c8 est donc un 6.

Une case qui voit les deux, comme r2c8 ou r7c2, perd 6. Sur la grille, la chaîne est dessinée&#xa0;: nœuds cerclés, liens forts en flèches pleines, liens faibles (deux cases qui ne peuvent pas contenir 4 toutes les deux) en pointillés.</translation>
    </message>
    <message>
        <source>Three corners of a rectangle hold only the same two digits, so the fourth loses both, or the puzzle would have two answers.</source>
        <translation>Trois coins d&apos;un rectangle n&apos;ont que les deux mêmes chiffres&#xa0;: le quatrième perd donc les deux, sinon la grille aurait deux solutions.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Take four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes. If all four ended up with only 2 and 9, the 2s and 9s could swap around the rectangle and every row, column and box would still be right: two answers. A puzzle with one answer never lets that happen.

Say r1c1, r1c4 and r2c1 hold only 2 and 9, and r2c4 holds 2, 5 and 9. If r2c4 were 2 or 9, the swap would be open, so r2c4 loses 2 and 9. A hint reads like &quot;Unique Rectangle Type 1 on 2 and 9: ...: r2c4 loses 2 and 9&quot;.</source>
        <translation>S&apos;emploie seulement sur une grille dont on sait qu&apos;elle a exactement une solution. Prenez quatre cases vides aux coins d&apos;un rectangle, sur deux lignes, deux colonnes et exactement deux blocs. Si les quatre finissaient avec seulement 2 et 9, les 2 et les 9 pourraient s&apos;échanger autour du rectangle et chaque ligne, colonne et bloc resterait correct&#xa0;: deux solutions. Une grille à solution unique ne le permet jamais.

Disons que r1c1, r1c4 et r2c1 n&apos;ont que 2 et 9, et que r2c4 a 2, 5 et 9. Si r2c4 était 2 ou 9, l&apos;échange serait possible&#xa0;: r2c4 perd donc 2 et 9. Un indice se lit par exemple «&#xa0;Unique Rectangle type 1 sur 2 et 9&#xa0;: ...&#xa0;: r2c4 perd 2 et 9&#xa0;».</translation>
    </message>
    <message>
        <source>Two corners of a rectangle hold only x and y, the other two only x, y and the same z; one of those two is z, so a cell that sees both loses z.</source>
        <translation>Deux coins d&apos;un rectangle n&apos;ont que x et y, les deux autres que x, y et un même z&#xa0;; l&apos;un de ces deux est z, donc une case qui voit les deux perd z.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes must never end up with the same two digits only: they could swap, and the puzzle would have two answers.

Say r1c1 and r1c4 hold only 2 and 9, while r2c1 and r2c4 hold 2, 6 and 9. If neither r2c1 nor r2c4 were 6, all four corners would be left with 2 and 9. So one of them is 6, and every cell that sees both (shares a row, column or box with each), here the rest of row 2, loses 6.</source>
        <translation>S&apos;emploie seulement sur une grille dont on sait qu&apos;elle a exactement une solution. Quatre cases vides aux coins d&apos;un rectangle, sur deux lignes, deux colonnes et exactement deux blocs, ne doivent jamais finir avec seulement les deux mêmes chiffres&#xa0;: ils pourraient s&apos;échanger, et la grille aurait deux solutions.

Disons que r1c1 et r1c4 n&apos;ont que 2 et 9, tandis que r2c1 et r2c4 ont 2, 6 et 9. Si ni r2c1 ni r2c4 n&apos;était 6, il ne resterait aux quatre coins que 2 et 9. L&apos;un d&apos;eux est donc 6, et toute case qui voit les deux (qui partage une ligne, une colonne ou un bloc avec chacun), ici le reste de la ligne 2, perd 6.</translation>
    </message>
    <message>
        <source>Two corners of a rectangle hold only x and y, and the other two are the only places for x in a unit; one of them is x, so neither may be y.</source>
        <translation>Deux coins d&apos;un rectangle n&apos;ont que x et y, et les deux autres sont les seules places de x dans une unité&#xa0;; l&apos;un d&apos;eux est x, donc aucun des deux ne peut être y.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes must never end up with the same two digits only: they could swap, and the puzzle would have two answers.

Say r1c1 and r1c4 hold only 2 and 9, and row 2 has 2 only in r2c1 and r2c4. One of those two is 2. If the other were 9, the four corners would hold just 2 and 9, ready to swap. So neither can be 9: r2c1 and r2c4 both lose 9 and keep their other candidates.</source>
        <translation>S&apos;emploie seulement sur une grille dont on sait qu&apos;elle a exactement une solution. Quatre cases vides aux coins d&apos;un rectangle, sur deux lignes, deux colonnes et exactement deux blocs, ne doivent jamais finir avec seulement les deux mêmes chiffres&#xa0;: ils pourraient s&apos;échanger, et la grille aurait deux solutions.

Disons que r1c1 et r1c4 n&apos;ont que 2 et 9, et que la ligne 2 n&apos;a le 2 qu&apos;en r2c1 et r2c4. L&apos;une de ces deux est 2. Si l&apos;autre était 9, les quatre coins n&apos;auraient que 2 et 9, prêts à s&apos;échanger. Aucune ne peut donc être 9&#xa0;: r2c1 et r2c4 perdent toutes deux 9 et gardent leurs autres candidats.</translation>
    </message>
    <message>
        <source>One digit&apos;s cells joined by strong links get two colours in turn; a colour that meets itself is false, and a cell seeing both colours loses the digit.</source>
        <translation>Les cases d&apos;un chiffre reliées par des liens forts reçoivent tour à tour deux couleurs&#xa0;; une couleur qui se rencontre elle-même est fausse, et une case qui voit les deux couleurs perd le chiffre.</translation>
    </message>
    <message>
        <source>A strong link is a unit where the digit has exactly two places: one holds it, the other does not. Colour one such cell, give its partner the other colour, and so on along every strong link, swapping colour each time. One colour holds the digit in all its cells, the other in none.

The ladder first looks for a wrap: two cells of one colour in the same row, column or box. They cannot both hold the digit, so that colour is false and all its cells lose it. Otherwise it looks for a trap: a cell outside the colouring that sees both colours. It sees the digit either way and loses it. On the board the cells are ringed in the two colours.</source>
        <translation>Un lien fort est une unité où le chiffre a exactement deux places&#xa0;: l&apos;une le contient, l&apos;autre non. Coloriez une telle case, donnez à sa partenaire l&apos;autre couleur, et ainsi de suite le long de chaque lien fort, en changeant de couleur à chaque fois. Une couleur contient le chiffre dans toutes ses cases, l&apos;autre dans aucune.

L&apos;échelle cherche d&apos;abord une contradiction&#xa0;: deux cases de même couleur dans la même ligne, colonne ou bloc. Elles ne peuvent pas contenir toutes les deux le chiffre&#xa0;: cette couleur est donc fausse et toutes ses cases le perdent. Sinon, elle cherche un piège&#xa0;: une case hors du coloriage qui voit les deux couleurs. Elle voit le chiffre dans tous les cas et le perd. Sur la grille, les cases sont cerclées des deux couleurs.</translation>
    </message>
    <message>
        <source>A chain on one digit whose links are strong and weak in turn, strong at both ends; one end holds the digit, so a cell that sees both ends loses it.</source>
        <translation>Une chaîne sur un chiffre dont les liens sont tour à tour forts et faibles, forts aux deux bouts&#xa0;; l&apos;un des bouts contient le chiffre, donc une case qui voit les deux bouts le perd.</translation>
    </message>
    <message>
        <source>A strong link joins the only two places of the digit in a unit: if one lacks the digit, the other has it. A weak link joins two cells that see each other (share a row, column or box): if one has the digit, the other lacks it.

Suppose the first cell lacks the digit. The links put it in the next cell, take it from the one after, and so on, until the last link puts it in the last cell. So one of the two ends holds it.

A hint writes the chain like &quot;r1c2≠3 → r1c7=3 → r4c7≠3 → ...&quot; (≠ for &quot;is not&quot;). On the board strong links are solid arrows, weak links dashed.</source>
        <translation>Un lien fort relie les deux seules places du chiffre dans une unité&#xa0;: si l&apos;une n&apos;a pas le chiffre, l&apos;autre l&apos;a. Un lien faible relie deux cases qui se voient (qui partagent une ligne, une colonne ou un bloc)&#xa0;: si l&apos;une a le chiffre, l&apos;autre ne l&apos;a pas.

Supposons que la première case n&apos;ait pas le chiffre. Les liens le mettent dans la case suivante, l&apos;ôtent de celle d&apos;après, et ainsi de suite, jusqu&apos;à ce que le dernier lien le mette dans la dernière case. L&apos;un des deux bouts le contient donc.

Un indice écrit la chaîne sous la forme «&#xa0;r1c2≠3 → r1c7=3 → r4c7≠3 → ...&#xa0;» (≠ pour «&#xa0;n&apos;est pas&#xa0;»). Sur la grille, les liens forts sont des flèches pleines, les liens faibles des pointillés.</translation>
    </message>
    <message>
        <source>A chain of cells with two candidates each, every cell seeing the next and sharing a digit with it; one end is z, so cells seeing both ends lose z.</source>
        <translation>Une chaîne de cases à deux candidats chacune, où chaque case voit la suivante et partage un chiffre avec elle&#xa0;; l&apos;un des bouts est z, donc les cases qui voient les deux bouts perdent z.</translation>
    </message>
    <message>
        <source>In a cell with two candidates, if one digit is out the other is in: a strong link. Two cells that see each other (share a row, column or box) cannot hold the same digit: a weak link.

Start in a cell holding z and another digit, and suppose it is not z. Then it holds the other digit, so the next cell, which sees it and holds that digit too, takes its own other digit, and so on. The chain ends in a cell that this forces to be z. So the first cell or the last is z.

A hint names each cell twice, off then on: &quot;r1c1≠4 → r1c1=6 → r1c5≠6 → r1c5=8 → ...&quot;.</source>
        <translation>Dans une case à deux candidats, si un chiffre est exclu, l&apos;autre est le bon&#xa0;: un lien fort. Deux cases qui se voient (qui partagent une ligne, une colonne ou un bloc) ne peuvent pas contenir le même chiffre&#xa0;: un lien faible.

Partez d&apos;une case qui contient z et un autre chiffre, et supposez qu&apos;elle ne soit pas z. Elle contient alors l&apos;autre chiffre, donc la case suivante, qui la voit et contient aussi ce chiffre, prend son propre autre chiffre, et ainsi de suite. La chaîne se termine sur une case qui doit de ce fait être z. La première case ou la dernière est donc z.

Un indice nomme chaque case deux fois, d&apos;abord exclue, puis posée&#xa0;: «&#xa0;r1c1≠4 → r1c1=6 → r1c5≠6 → r1c5=8 → ...&#xa0;».</translation>
    </message>
    <message>
        <source>Strong and weak links in turn, over any digits and cells; one end of the chain is true, so a candidate clashing with both ends goes.</source>
        <translation>Des liens forts et faibles en alternance, sur des chiffres et des cases quelconques&#xa0;; l&apos;un des bouts de la chaîne est vrai, donc un candidat en conflit avec les deux bouts s&apos;en va.</translation>
    </message>
    <message>
        <source>A node is a candidate, a digit in a cell, or a group: a digit in two or three cells of a box on one line, meaning &quot;in one of these&quot; (r1c12 is r1c1 and r1c2). A strong link says at least one of two nodes is true: the only two candidates of a cell, or the only two places of a digit in a unit. A weak link says they cannot both be true: two candidates of one cell, or one digit in cells that see each other.

The chain starts and ends with strong links. If its first node is false, its last is true, so one end is true. A candidate goes when each end, if true, would rule it out: for instance the ends&apos; digit in a cell seeing both.</source>
        <translation>Un nœud est un candidat, c&apos;est-à-dire un chiffre dans une case, ou un groupe&#xa0;: un chiffre dans deux ou trois cases d&apos;un bloc alignées, au sens de «&#xa0;dans l&apos;une de ces cases&#xa0;» (r1c12 désigne r1c1 et r1c2). Un lien fort dit qu&apos;au moins l&apos;un de deux nœuds est vrai&#xa0;: les deux seuls candidats d&apos;une case, ou les deux seules places d&apos;un chiffre dans une unité. Un lien faible dit qu&apos;ils ne peuvent pas être vrais tous les deux&#xa0;: deux candidats d&apos;une même case, ou un même chiffre dans des cases qui se voient.

La chaîne commence et finit par des liens forts. Si son premier nœud est faux, son dernier est vrai&#xa0;: l&apos;un des bouts est donc vrai. Un candidat s&apos;en va quand chaque bout, s&apos;il était vrai, l&apos;exclurait&#xa0;: par exemple le chiffre des bouts dans une case qui voit les deux.</translation>
    </message>
    <message>
        <source>Two almost locked sets that cannot both hold x; one of them holds a shared digit z, so a cell seeing every z in both loses z.</source>
        <translation>Deux ensembles presque verrouillés qui ne peuvent pas contenir x tous les deux&#xa0;; l&apos;un d&apos;eux contient un chiffre commun z, donc une case qui voit tous les z des deux perd z.</translation>
    </message>
    <message>
        <source>An almost locked set is N cells of one unit with N + 1 candidates between them, such as a single cell with two. If it loses one digit, the others fill its cells.

Say every x of one set sees (shares a row, column or box with) every x of the other. They cannot both hold x, so one lacks it and holds all its other digits. If both hold z, one holds z, and a cell outside both that sees every z of both loses z.

If a second digit y links them the same way (doubly linked), each set holds one of x and y and all its other digits. Then x and y leave cells that see all their places in both sets, and each other digit leaves cells that see all its places in one set.</source>
        <translation>Un ensemble presque verrouillé (ALS, pour «&#xa0;Almost Locked Set&#xa0;») est formé de N cases d&apos;une unité qui ont N + 1 candidats à elles toutes, comme une case seule avec deux candidats. S&apos;il perd un chiffre, les autres remplissent ses cases.

Disons que chaque x d&apos;un ensemble voit (partage une ligne, une colonne ou un bloc avec) chaque x de l&apos;autre. Ils ne peuvent pas contenir x tous les deux&#xa0;: l&apos;un ne l&apos;a donc pas et contient tous ses autres chiffres. S&apos;ils contiennent tous deux z, l&apos;un contient z, et une case hors des deux qui voit tous les z des deux perd z.

Si un second chiffre y les relie de la même façon (double lien), chaque ensemble contient l&apos;un de x et y et tous ses autres chiffres. Alors x et y quittent les cases qui voient toutes leurs places dans les deux ensembles, et chaque autre chiffre quitte les cases qui voient toutes ses places dans l&apos;un des ensembles.</translation>
    </message>
    <message>
        <source>Three almost locked sets linked in a chain, by x and then by y; the two outer ones cannot both lack a shared digit z, so cells seeing all their z&apos;s lose z.</source>
        <translation>Trois ensembles presque verrouillés reliés en chaîne, par x puis par y&#xa0;; les deux extrêmes ne peuvent pas manquer tous deux d&apos;un chiffre commun z, donc les cases qui voient tous leurs z perdent z.</translation>
    </message>
    <message>
        <source>An almost locked set is N cells of one unit with N + 1 candidates between them; if it loses one digit, the others fill its cells. Two sets are linked by x when every x of one sees every x of the other: they cannot both hold x.

The first set links to a middle set by x, the middle set to the third by y, and the first and third share z. If the first lacks z, it holds all its other digits, x among them. Then the middle set lacks x and holds y, so the third lacks y and holds z. So a cell outside the three that sees every z of the first and third sets loses z.</source>
        <translation>Un ensemble presque verrouillé est formé de N cases d&apos;une unité qui ont N + 1 candidats à elles toutes&#xa0;; s&apos;il perd un chiffre, les autres remplissent ses cases. Deux ensembles sont reliés par x quand chaque x de l&apos;un voit chaque x de l&apos;autre&#xa0;: ils ne peuvent pas contenir x tous les deux.

Le premier ensemble est relié par x à un ensemble du milieu, celui du milieu par y au troisième, et le premier et le troisième partagent z. Si le premier n&apos;a pas z, il contient tous ses autres chiffres, dont x. Alors celui du milieu n&apos;a pas x et contient y, donc le troisième n&apos;a pas y et contient z. Une case hors des trois qui voit tous les z du premier et du troisième ensemble perd donc z.</translation>
    </message>
    <message>
        <source>Every candidate of one cell, tried in turn, leads to the same fact, so that fact is true whatever the cell holds.</source>
        <translation>Chaque candidat d&apos;une case, essayé tour à tour, mène au même fait&#xa0;: ce fait est donc vrai quel que soit le contenu de la case.</translation>
    </message>
    <message>
        <source>Suppose the cell holds its first candidate and follow what that forces, as if playing it out on a copy of the board: the digit leaves the cell&apos;s row, column and box, which makes new singles, which are placed in turn. Do the same for each other candidate. If every try places the same digit in some cell, or removes the same candidate, that placement or removal is sure.

The ladder looks at cells with fewest candidates first, whose chains are fewest and shortest. A hint gives one chain per candidate, like &quot;r4c4=1 → r4c6≠1 → ...; r4c4=7 → ...&quot;. Each arrow is a link: a placed digit is ruled out in the cells that see it (a weak link), and a last remaining choice must be true (a strong link).</source>
        <translation>Supposez que la case contienne son premier candidat et suivez ce que cela force, comme si vous le jouiez sur une copie de la grille&#xa0;: le chiffre quitte la ligne, la colonne et le bloc de la case, ce qui crée de nouveaux singletons, placés à leur tour. Faites de même pour chaque autre candidat. Si chaque essai place le même chiffre dans une case, ou retire le même candidat, ce placement ou ce retrait est sûr.

L&apos;échelle examine d&apos;abord les cases qui ont le moins de candidats, dont les chaînes sont les moins nombreuses et les plus courtes. Un indice donne une chaîne par candidat, comme «&#xa0;r4c4=1 → r4c6≠1 → ...; r4c4=7 → ...&#xa0;». Chaque flèche est un lien&#xa0;: un chiffre placé est exclu des cases qui le voient (un lien faible), et un dernier choix restant doit être vrai (un lien fort).</translation>
    </message>
    <message>
        <source>Every place of a digit in one row, column or box, tried in turn, leads to the same fact, so that fact is true wherever the digit goes.</source>
        <translation>Chaque place d&apos;un chiffre dans une ligne, une colonne ou un bloc, essayée tour à tour, mène au même fait&#xa0;: ce fait est donc vrai où que le chiffre aille.</translation>
    </message>
    <message>
        <source>The unit must hold the digit in one of its places. Suppose it is in the first place and follow what that forces, as if playing it out on a copy of the board: the digit leaves its row, column and box, which makes new singles, which are placed in turn. Do the same for each other place. If every try places the same digit in some cell, or removes the same candidate, that placement or removal is sure.

The ladder looks at digits with the fewest places first. A hint gives one chain per place, each from its assumption, like &quot;r2c3=5 → r2c8≠5 → ...; r6c3=5 → ...&quot;, ≠ for &quot;is not&quot;. On the board the chains&apos; nodes are ringed.</source>
        <translation>L&apos;unité doit contenir le chiffre à l&apos;une de ses places. Supposez qu&apos;il soit à la première et suivez ce que cela force, comme si vous le jouiez sur une copie de la grille&#xa0;: le chiffre quitte sa ligne, sa colonne et son bloc, ce qui crée de nouveaux singletons, placés à leur tour. Faites de même pour chaque autre place. Si chaque essai place le même chiffre dans une case, ou retire le même candidat, ce placement ou ce retrait est sûr.

L&apos;échelle examine d&apos;abord les chiffres qui ont le moins de places. Un indice donne une chaîne par place, chacune partant de son hypothèse, comme «&#xa0;r2c3=5 → r2c8≠5 → ...; r6c3=5 → ...&#xa0;», ≠ pour «&#xa0;n&apos;est pas&#xa0;». Sur la grille, les nœuds des chaînes sont cerclés.</translation>
    </message>
    <message>
        <source>A candidate whose assumption leads, through singles, to a cell with no candidate or a digit with no place is false and is removed.</source>
        <translation>Un candidat dont l&apos;hypothèse mène, par des singletons, à une case sans candidat ou à un chiffre sans place est faux et il est retiré.</translation>
    </message>
    <message>
        <source>Suppose the candidate is the cell&apos;s value and follow what that forces, as if playing it out on a copy of the board: the digit leaves its row, column and box, which makes new singles, which are placed in turn. If this ends in an impossible board, a cell with no candidate left or a unit with no place left for some digit, the assumption was wrong.

The ladder tries the cells with fewest candidates first and shows the shortest chain it finds. A hint reads like &quot;r2c2=5 → r2c7≠5 → ..., and r6c3 has no candidate left; so r2c2 loses 5&quot;. On the board the assumption and the place where it breaks are tinted.</source>
        <translation>Supposez que le candidat soit la valeur de la case et suivez ce que cela force, comme si vous le jouiez sur une copie de la grille&#xa0;: le chiffre quitte sa ligne, sa colonne et son bloc, ce qui crée de nouveaux singletons, placés à leur tour. Si cela aboutit à une grille impossible, une case sans plus aucun candidat ou une unité sans plus de place pour un chiffre, l&apos;hypothèse était fausse.

L&apos;échelle essaie d&apos;abord les cases qui ont le moins de candidats et montre la chaîne la plus courte qu&apos;elle trouve. Un indice se lit par exemple «&#xa0;r2c2=5 → r2c7≠5 → ..., et r6c3 n&apos;a plus de candidat&#xa0;; donc r2c2 perd 5&#xa0;». Sur la grille, l&apos;hypothèse et l&apos;endroit où elle casse sont teintés.</translation>
    </message>
    <message>
        <source>A contradiction forcing chain that, while it follows its assumption, also runs smaller contradiction chains inside it to remove more candidates.</source>
        <translation>Une chaîne de contradiction qui, tout en suivant son hypothèse, fait tourner en elle des chaînes de contradiction plus petites pour retirer d&apos;autres candidats.</translation>
    </message>
    <message>
        <source>It is the last rung, for when nothing else works. As in a contradiction forcing chain, suppose a candidate is true and follow what it forces until the board breaks. But at each point of the way, also try every remaining candidate on the board reached so far: one whose own singles would break that board is removed, and the outer chain goes on with it gone. A hint marks those removals &quot;(by an inner chain)&quot;.

On a puzzle known to have one answer, when one level of inner chains is not enough, the ladder goes a level deeper, and deeper still if it must. There every wrong candidate fails at some depth, so this rung always finds a step.</source>
        <translation>C&apos;est le dernier échelon, pour quand rien d&apos;autre ne marche. Comme dans une chaîne de contradiction, supposez qu&apos;un candidat soit vrai et suivez ce qu&apos;il force jusqu&apos;à ce que la grille casse. Mais à chaque point du chemin, essayez aussi chaque candidat restant sur la grille atteinte jusque-là&#xa0;: celui dont les propres singletons casseraient cette grille est retiré, et la chaîne extérieure continue sans lui. Un indice marque ces retraits «&#xa0;(par une chaîne intérieure)&#xa0;».

Sur une grille dont on sait qu&apos;elle a une seule solution, quand un niveau de chaînes intérieures ne suffit pas, l&apos;échelle descend d&apos;un niveau, et plus bas encore s&apos;il le faut. Là, chaque candidat faux échoue à une certaine profondeur&#xa0;: cet échelon trouve donc toujours une étape.</translation>
    </message>
</context>
</TS>
