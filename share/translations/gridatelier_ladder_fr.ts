<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Class</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>World Class</source>
        <translation>Classe mondiale</translation>
    </message>
    <message>
        <source>Extra-Terrestrial</source>
        <translation>Extraterrestre</translation>
    </message>
    <message>
        <source>Extra-terrestrial</source>
        <translation>Extraterrestre</translation>
    </message>
    <message>
        <source>Hand-build</source>
        <translation>Fait main</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>Count</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 a number of steps, %2 the count word they are counted under (&quot;33 single&quot;)</extracomment>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>single</source>
        <translation>singleton</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>candidats verrouillés</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triplet</translation>
    </message>
    <message>
        <source>quad</source>
        <translation>quadruplet</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>finned fish</source>
        <translation>poisson à nageoire</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>gratte-ciel</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Turbot Fish</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>rectangle vide</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>rectangle unique</translation>
    </message>
    <message>
        <source>colouring</source>
        <translation>coloriage</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>chaîne X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>chaîne XY</translation>
    </message>
    <message>
        <source>AIC</source>
        <translation>AIC</translation>
    </message>
    <message>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <source>ALS-XY-Wing</source>
        <translation>ALS-XY-Wing</translation>
    </message>
    <message>
        <source>forcing chain</source>
        <translation>chaîne forcée</translation>
    </message>
    <message>
        <source>nested forcing chain</source>
        <translation>chaîne forcée imbriquée</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>no logical step is left; the rest needs a guess</source>
        <translation>plus aucune étape logique ; la suite demande de deviner</translation>
    </message>
    <message>
        <source>the board is complete: nothing is left to hint</source>
        <translation>la grille est complète : plus rien à indiquer</translation>
    </message>
    <message>
        <source>%1 loses %2</source>
        <translation>%1 perd %2</translation>
    </message>
    <message>
        <source>this puzzle has no answer, so there is no step to hint</source>
        <translation>cette grille n&apos;a aucune solution, il n&apos;y a donc aucune étape à indiquer</translation>
    </message>
    <message>
        <source>this puzzle has more than one answer, so no step can lead to just one</source>
        <translation>cette grille a plus d&apos;une solution, aucune étape ne peut donc mener à une seule</translation>
    </message>
    <message>
        <source>%1: only %2 is left</source>
        <translation>%1 : seul %2 reste</translation>
    </message>
    <message>
        <source>%1: %2 fits only in %3</source>
        <translation>%1 : %2 ne va qu&apos;en %3</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, which lose their other candidates</source>
        <translation>%1 : %2 ne peuvent aller qu&apos;en %3, qui perdent leurs autres candidats</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, which lose their other candidates (%4)</source>
        <translation>%1 : %2 ne peuvent aller qu&apos;en %3, qui perdent leurs autres candidats (%4)</translation>
    </message>
    <message>
        <source>%1: %2 stands twice, in %3, so the board has no answer</source>
        <translation>%1 : %2 figure deux fois, en %3, la grille n&apos;a donc aucune solution</translation>
    </message>
    <message>
        <source>%1: no candidate is left, so the board has no answer</source>
        <translation>%1 : plus aucun candidat, la grille n&apos;a donc aucune solution</translation>
    </message>
    <message>
        <source>%1: %2 has no place left, so the board has no answer</source>
        <translation>%1 : %2 n&apos;a plus de place, la grille n&apos;a donc aucune solution</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, too few cells, so the board has no answer</source>
        <translation>%1 : %2 ne peuvent aller qu&apos;en %3, trop peu de cases, la grille n&apos;a donc aucune solution</translation>
    </message>
    <message>
        <source>%1: %2 clashes with %3</source>
        <translation>%1 : %2 est en conflit avec %3</translation>
    </message>
    <message>
        <source>%1: %2 is not the answer&apos;s value</source>
        <translation>%1 : %2 n&apos;est pas la valeur de la solution</translation>
    </message>
    <message>
        <source>%1: the candidates %2 leave out the answer&apos;s value</source>
        <translation>%1 : les candidats %2 omettent la valeur de la solution</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 ne contient que %2</translation>
    </message>
    <message>
        <source>%1 hold only %2</source>
        <translation>%1 ne contiennent que %2</translation>
    </message>
    <message>
        <source>%1; %2; the %3s of the two sets all see each other, and so do their %4s, so each set holds one of them and all its other values: %5</source>
        <translation>%1 ; %2 ; les %3 des deux ensembles se voient tous, de même que leurs %4, donc chaque ensemble contient l&apos;un d&apos;eux et toutes ses autres valeurs : %5</translation>
    </message>
    <message>
        <source>%1; %2; the %3s of the two sets all see each other, so one set lacks %3 and must hold %4: %5</source>
        <translation>%1 ; %2 ; les %3 des deux ensembles se voient tous, donc l&apos;un des ensembles n&apos;a pas de %3 et doit contenir %4 : %5</translation>
    </message>
    <message>
        <source>%1; %2; %3; the first and second sets cannot both hold %4, nor the second and third %5, so the first or the third holds %6: %7</source>
        <translation>%1 ; %2 ; %3 ; le premier et le deuxième ensemble ne peuvent pas contenir tous deux %4, ni le deuxième et le troisième %5, donc le premier ou le troisième contient %6 : %7</translation>
    </message>
    <message>
        <source>%1 (by an inner chain)</source>
        <translation>%1 (par une chaîne interne)</translation>
    </message>
    <message>
        <source>%1 → … (+%2 more links)</source>
        <extracomment>%1 the chain&apos;s first links, %2 how many are left out (always two or more)</extracomment>
        <translation>%1 → … (+%2 maillons de plus)</translation>
    </message>
    <message>
        <source>%1, so %2; %3</source>
        <extracomment>%1 the chain, %2 its start or its end (or both) holding the value, %3 what it removes</extracomment>
        <translation>%1, donc %2 ; %3</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4 loses %5</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3, donc %4 perd %5</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4 lose %5</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3, donc %4 perdent %5</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fin %4; either way %5 loses %6</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3 ou dans la nageoire %4 ; dans les deux cas %5 perd %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fin %4; either way %5 lose %6</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3 ou dans la nageoire %4 ; dans les deux cas %5 perdent %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fins %4; either way %5 loses %6</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3 ou dans les nageoires %4 ; dans les deux cas %5 perd %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fins %4; either way %5 lose %6</source>
        <translation>%1 : %2 ne peut aller qu&apos;en %3 ou dans les nageoires %4 ; dans les deux cas %5 perdent %6</translation>
    </message>
    <message>
        <source>no place is left for %1 in %2</source>
        <translation>il ne reste aucune place pour %1 en %2</translation>
    </message>
    <message>
        <source>%1 has no candidate left</source>
        <translation>%1 n&apos;a plus aucun candidat</translation>
    </message>
    <message>
        <source>every candidate of %1 leads to the same: %2; so %3</source>
        <translation>chaque candidat de %1 mène au même résultat : %2 ; donc %3</translation>
    </message>
    <message>
        <source>every place of %1 in %2 leads to the same: %3; so %4</source>
        <translation>chaque place de %1 en %2 mène au même résultat : %3 ; donc %4</translation>
    </message>
    <message>
        <source>%1, and %2; so %3</source>
        <extracomment>%1 the chains from one assumption, %2 the contradiction they meet, %3 what it removes</extracomment>
        <translation>%1, et %2 ; donc %3</translation>
    </message>
    <message>
        <source>%1 (with forcing chains inside), and %2; so %3</source>
        <translation>%1 (avec des chaînes forcées à l&apos;intérieur), et %2 ; donc %3</translation>
    </message>
    <message>
        <source>a full house</source>
        <translation>une dernière case libre</translation>
    </message>
    <message>
        <source>a hidden single</source>
        <translation>un singleton caché</translation>
    </message>
    <message>
        <source>a naked single</source>
        <translation>un singleton nu</translation>
    </message>
    <message>
        <source>a pointing</source>
        <extracomment>locked candidates pointing out of a box, when they are not a pair or a triple</extracomment>
        <translation>un pointage</translation>
    </message>
    <message>
        <source>a claiming</source>
        <extracomment>locked candidates a line claims for a box, when they are not a pair or a triple</extracomment>
        <translation>une réclamation</translation>
    </message>
    <message>
        <source>a naked pair</source>
        <translation>une paire nue</translation>
    </message>
    <message>
        <source>a hidden pair</source>
        <translation>une paire cachée</translation>
    </message>
    <message>
        <source>a naked triple</source>
        <translation>un triplet nu</translation>
    </message>
    <message>
        <source>a hidden triple</source>
        <translation>un triplet caché</translation>
    </message>
    <message>
        <source>a naked quad</source>
        <translation>un quadruplet nu</translation>
    </message>
    <message>
        <source>a hidden quad</source>
        <translation>un quadruplet caché</translation>
    </message>
    <message>
        <source>an X-Wing</source>
        <translation>un X-Wing</translation>
    </message>
    <message>
        <source>a Finned X-Wing</source>
        <translation>un X-Wing à nageoire</translation>
    </message>
    <message>
        <source>a Sashimi X-Wing</source>
        <translation>un X-Wing sashimi</translation>
    </message>
    <message>
        <source>a Swordfish</source>
        <translation>un Swordfish</translation>
    </message>
    <message>
        <source>a Finned Swordfish</source>
        <translation>un Swordfish à nageoire</translation>
    </message>
    <message>
        <source>a Sashimi Swordfish</source>
        <translation>un Swordfish sashimi</translation>
    </message>
    <message>
        <source>a Jellyfish</source>
        <translation>un Jellyfish</translation>
    </message>
    <message>
        <source>a Skyscraper</source>
        <translation>un gratte-ciel</translation>
    </message>
    <message>
        <source>a 2-String Kite</source>
        <translation>un cerf-volant</translation>
    </message>
    <message>
        <source>a Turbot Fish</source>
        <translation>un Turbot Fish</translation>
    </message>
    <message>
        <source>an Empty Rectangle</source>
        <translation>un rectangle vide</translation>
    </message>
    <message>
        <source>an XY-Wing</source>
        <translation>un XY-Wing</translation>
    </message>
    <message>
        <source>an XYZ-Wing</source>
        <translation>un XYZ-Wing</translation>
    </message>
    <message>
        <source>a W-Wing</source>
        <translation>un W-Wing</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 1</source>
        <translation>un rectangle unique type 1</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 2</source>
        <translation>un rectangle unique type 2</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 4</source>
        <translation>un rectangle unique type 4</translation>
    </message>
    <message>
        <source>simple colouring</source>
        <translation>un coloriage simple</translation>
    </message>
    <message>
        <source>an X-Chain</source>
        <translation>une chaîne X</translation>
    </message>
    <message>
        <source>an XY-Chain</source>
        <translation>une chaîne XY</translation>
    </message>
    <message>
        <source>an Alternating Inference Chain</source>
        <translation>une chaîne d&apos;inférences alternées</translation>
    </message>
    <message>
        <source>an ALS-XZ</source>
        <translation>un ALS-XZ</translation>
    </message>
    <message>
        <source>an ALS-XY-Wing</source>
        <translation>un ALS-XY-Wing</translation>
    </message>
    <message>
        <source>a Cell Forcing Chain</source>
        <translation>une chaîne forcée de case</translation>
    </message>
    <message>
        <source>a Unit Forcing Chain</source>
        <translation>une chaîne forcée d&apos;unité</translation>
    </message>
    <message>
        <source>a Contradiction Forcing Chain</source>
        <translation>une chaîne forcée par contradiction</translation>
    </message>
    <message>
        <source>a Nested Forcing Chain</source>
        <translation>une chaîne forcée imbriquée</translation>
    </message>
    <message>
        <source>a pointing pair</source>
        <translation>une paire pointante</translation>
    </message>
    <message>
        <source>a pointing triple</source>
        <translation>un triplet pointant</translation>
    </message>
    <message>
        <source>a claiming pair</source>
        <translation>une paire réclamée</translation>
    </message>
    <message>
        <source>a claiming triple</source>
        <translation>un triplet réclamé</translation>
    </message>
    <message>
        <source>look at %1: %2</source>
        <translation>regardez %1 : %2</translation>
    </message>
    <message>
        <source>look for %1</source>
        <extracomment>%1 the pattern to look for: &quot;a hidden single&quot;, &quot;an X-Wing&quot;</extracomment>
        <translation>cherchez %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 prend %2</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>lignes %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>colonnes %1</translation>
    </message>
    <message>
        <source>boxes %1</source>
        <translation>blocs %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the technique&apos;s name, %2 the rest of the sentence</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <extracomment>%1 the technique&apos;s name, %2 the value or values it is on, %3 the rest of the sentence</extracomment>
        <translation>%1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1, and %2 more</source>
        <extracomment>%1 the first cells of a colour, %2 how many more there are</extracomment>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>%1, so %2 or %3 is %4: %5</source>
        <translation>%1, donc %2 ou %3 vaut %4 : %5</translation>
    </message>
    <message>
        <source>colouring the cells joined by strong links on %1 in turn, %2 and %3 get the same colour but share %4, so no cell of that colour is %1: %5</source>
        <translation>en coloriant tour à tour les cases reliées par des liens forts sur %1, %2 et %3 reçoivent la même couleur mais se trouvent toutes deux en %4, donc aucune case de cette couleur ne vaut %1 : %5</translation>
    </message>
    <message>
        <source>colouring the cells joined by strong links on %1 in turn, either %2 hold it or %3 do; cells seeing both colours lose it: %4</source>
        <translation>en coloriant tour à tour les cases reliées par des liens forts sur %1, soit %2 le contiennent, soit %3 ; les cases qui voient les deux couleurs le perdent : %4</translation>
    </message>
    <message>
        <source>%1 has it only in %2 and %3, %4 only in %5 and %6; if %5 is %7, %1&apos;s %7 is in its %8, otherwise %6 is: %9</source>
        <translation>%1 ne l&apos;a qu&apos;en %2 et %3, %4 qu&apos;en %5 et %6 ; si %5 vaut %7, %1 a son %7 en %8, sinon c&apos;est %6 qui le vaut : %9</translation>
    </message>
    <message>
        <source>%1 has it only in %2 and %3, %4 only in %5 and %6; %3 and %5 share %7, so %2 or %6 is %8: %9</source>
        <translation>%1 ne l&apos;a qu&apos;en %2 et %3, %4 qu&apos;en %5 et %6 ; %3 et %5 se trouvent en %7, donc %2 ou %6 vaut %8 : %9</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell, so it takes %3</source>
        <translation>%1 : %2 est la dernière case vide, elle prend donc %3</translation>
    </message>
    <message>
        <source>%1: %2 hold only %3, so %4</source>
        <translation>%1 : %2 ne contiennent que %3, donc %4</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4</source>
        <translation>%1 : %2 ne peuvent aller qu&apos;en %3, donc %4</translation>
    </message>
    <message>
        <source>%1, %2 and %3 hold only %4; were %5 %6 as well, the four cells could swap %4 and the puzzle would have two answers: %7</source>
        <translation>%1, %2 et %3 ne contiennent que %4 ; si %5 valait aussi %6, les quatre cases pourraient échanger %4 et la grille aurait deux solutions : %7</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3, %4 and %5 only those and %6; one of the latter must be %6, or the four cells could swap %3 and the puzzle would have two answers: %7</source>
        <translation>%1 et %2 ne contiennent que %3, %4 et %5 seulement ceux-ci et %6 ; l&apos;une de ces deux dernières doit valoir %6, sinon les quatre cases pourraient échanger %3 et la grille aurait deux solutions : %7</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3, and %4 has %5 only in %6 and %7; one of them is %5, so were the other %8, the four cells could swap %3 and the puzzle would have two answers: %9</source>
        <translation>%1 et %2 ne contiennent que %3, et %4 n&apos;a %5 qu&apos;en %6 et %7 ; l&apos;une d&apos;elles vaut %5, donc si l&apos;autre valait %8, les quatre cases pourraient échanger %3 et la grille aurait deux solutions : %9</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 %4, %5 %6; whatever %1 holds, %3 or %5 is %7: %8</source>
        <extracomment>%1 the pivot, %2 its two values; %3 and %5 the pincers, %4 and %6 theirs; %7 the value the pincers share, %8 what the step removes</extracomment>
        <translation>%1 contient %2, %3 %4, %5 %6 ; quoi que contienne %1, %3 ou %5 vaut %7 : %8</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 %4, %5 %6; whatever %1 holds, it, %3 or %5 is %7: %8</source>
        <translation>%1 contient %2, %3 %4, %5 %6 ; quoi que contienne %1, elle, %3 ou %5 vaut %7 : %8</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3; %4 has %5 only in %6, seen by %1, and %7, seen by %2, so %1 or %2 is %8: %9</source>
        <translation>%1 et %2 ne contiennent que %3 ; %4 n&apos;a %5 qu&apos;en %6, vue par %1, et %7, vue par %2, donc %1 ou %2 vaut %8 : %9</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>bloc %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Diabolique</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Extrême</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>failed to open or create a csv file</source>
        <translation>impossible d’ouvrir ou de créer le fichier CSV</translation>
    </message>
    <message>
        <source>the level must be 0..4</source>
        <translation>le niveau doit être compris entre 0 et 4</translation>
    </message>
    <message>
        <source>the count must not be negative</source>
        <translation>le nombre ne doit pas être négatif</translation>
    </message>
    <message>
        <source>the maximum must not be negative</source>
        <translation>le maximum ne doit pas être négatif</translation>
    </message>
    <message>
        <source>the maximum must not exceed 81 cells</source>
        <translation>le maximum ne doit pas dépasser 81 cases</translation>
    </message>
</context>
<context>
    <name>Order</name>
    <message>
        <source>no minimal puzzle is solved by Full Houses alone</source>
        <translation>aucune grille minimale ne se résout uniquement par des dernières cases libres</translation>
    </message>
    <message>
        <source>a puzzle that needs %1 is %2 or harder</source>
        <translation>une grille qui demande %1 est au moins de niveau %2</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>found the first serial number that&apos;s illegal</source>
        <translation>numéro de série non valide : sa première partie n&apos;est pas permise</translation>
    </message>
    <message>
        <source>found an illegal serial number out of range</source>
        <translation>numéro de série non valide : une partie sort de ses limites</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Dernière case libre</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Singleton caché</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton nu</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Réclamation</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Paire nue</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Paire cachée</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Triplet nu</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Triplet caché</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quadruplet nu</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quadruplet caché</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>X-Wing à nageoire</translation>
    </message>
    <message>
        <source>Sashimi X-Wing</source>
        <translation>X-Wing sashimi</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>Swordfish à nageoire</translation>
    </message>
    <message>
        <source>Sashimi Swordfish</source>
        <translation>Swordfish sashimi</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Gratte-ciel</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Turbot Fish</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Rectangle vide</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle Type 1</source>
        <translation>Rectangle unique type 1</translation>
    </message>
    <message>
        <source>Unique Rectangle Type 2</source>
        <translation>Rectangle unique type 2</translation>
    </message>
    <message>
        <source>Unique Rectangle Type 4</source>
        <translation>Rectangle unique type 4</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Coloriage simple</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>Chaîne X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Chaîne XY</translation>
    </message>
    <message>
        <source>Alternating Inference Chain</source>
        <translation>Chaîne d&apos;inférences alternées</translation>
    </message>
    <message>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <source>ALS-XY-Wing</source>
        <translation>ALS-XY-Wing</translation>
    </message>
    <message>
        <source>Cell Forcing Chain</source>
        <translation>Chaîne forcée de case</translation>
    </message>
    <message>
        <source>Unit Forcing Chain</source>
        <translation>Chaîne forcée d&apos;unité</translation>
    </message>
    <message>
        <source>Contradiction Forcing Chain</source>
        <translation>Chaîne forcée par contradiction</translation>
    </message>
    <message>
        <source>Nested Forcing Chain</source>
        <translation>Chaîne forcée imbriquée</translation>
    </message>
</context>
</TS>
