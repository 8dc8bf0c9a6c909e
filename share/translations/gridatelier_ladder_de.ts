<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Class</name>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Neuling</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>World Class</source>
        <translation>Weltklasse</translation>
    </message>
    <message>
        <source>Extra-Terrestrial</source>
        <translation>Außerirdisch</translation>
    </message>
    <message>
        <source>Extra-terrestrial</source>
        <translation>Außerirdisch</translation>
    </message>
    <message>
        <source>Hand-build</source>
        <translation>Eigenbau</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>Count</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 a number of steps, %2 the count word they are counted under (&quot;33 single&quot;)</extracomment>
        <translation>%1× %2</translation>
    </message>
    <message>
        <source>single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>Locked Candidates</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>Tripel</translation>
    </message>
    <message>
        <source>quad</source>
        <translation>Quadrupel</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>finned fish</source>
        <translation>Finned Fish</translation>
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
        <translation>Skyscraper</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>2-String Kite</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Turbot Fish</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Empty Rectangle</translation>
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
        <translation>Unique Rectangle</translation>
    </message>
    <message>
        <source>colouring</source>
        <translation>Färben</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-Kette</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-Kette</translation>
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
        <translation>Forcing-Chain</translation>
    </message>
    <message>
        <source>nested forcing chain</source>
        <translation>verschachtelte Forcing-Chain</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>no logical step is left; the rest needs a guess</source>
        <translation>kein logischer Schritt ist mehr übrig; der Rest braucht einen Rateversuch</translation>
    </message>
    <message>
        <source>the board is complete: nothing is left to hint</source>
        <translation>das Gitter ist vollständig: es bleibt nichts für einen Tipp</translation>
    </message>
    <message>
        <source>%1 loses %2</source>
        <translation>%1 verliert %2</translation>
    </message>
    <message>
        <source>this puzzle has no answer, so there is no step to hint</source>
        <translation>dieses Rätsel hat keine Lösung, daher gibt es keinen Schritt für einen Tipp</translation>
    </message>
    <message>
        <source>this puzzle has more than one answer, so no step can lead to just one</source>
        <translation>dieses Rätsel hat mehr als eine Lösung, daher kann kein Schritt zu genau einer führen</translation>
    </message>
    <message>
        <source>%1: only %2 is left</source>
        <translation>%1: nur %2 bleibt übrig</translation>
    </message>
    <message>
        <source>%1: %2 fits only in %3</source>
        <translation>%1: %2 passt nur in %3</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, which lose their other candidates</source>
        <translation>%1: %2 können nur in %3 stehen, die ihre anderen Kandidaten verlieren</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, which lose their other candidates (%4)</source>
        <translation>%1: %2 können nur in %3 stehen, die ihre anderen Kandidaten verlieren (%4)</translation>
    </message>
    <message>
        <source>%1: %2 stands twice, in %3, so the board has no answer</source>
        <translation>%1: %2 steht doppelt, in %3, daher hat das Gitter keine Lösung</translation>
    </message>
    <message>
        <source>%1: no candidate is left, so the board has no answer</source>
        <translation>%1: kein Kandidat bleibt übrig, daher hat das Gitter keine Lösung</translation>
    </message>
    <message>
        <source>%1: %2 has no place left, so the board has no answer</source>
        <translation>%1: für %2 bleibt kein Platz, daher hat das Gitter keine Lösung</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, too few cells, so the board has no answer</source>
        <translation>%1: %2 können nur in %3 stehen, zu wenige Zellen, daher hat das Gitter keine Lösung</translation>
    </message>
    <message>
        <source>%1: %2 clashes with %3</source>
        <translation>%1: %2 kollidiert mit %3</translation>
    </message>
    <message>
        <source>%1: %2 is not the answer&apos;s value</source>
        <translation>%1: %2 ist nicht der Wert der Lösung</translation>
    </message>
    <message>
        <source>%1: the candidates %2 leave out the answer&apos;s value</source>
        <translation>%1: den Kandidaten %2 fehlt der Wert der Lösung</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 enthält nur %2</translation>
    </message>
    <message>
        <source>%1 hold only %2</source>
        <translation>%1 enthalten nur %2</translation>
    </message>
    <message>
        <source>%1; %2; the %3s of the two sets all see each other, and so do their %4s, so each set holds one of them and all its other values: %5</source>
        <translation>%1; %2; die Kandidaten %3 der beiden Mengen sehen einander alle, ebenso ihre Kandidaten %4, daher enthält jede Menge einen davon und alle ihre übrigen Werte: %5</translation>
    </message>
    <message>
        <source>%1; %2; the %3s of the two sets all see each other, so one set lacks %3 and must hold %4: %5</source>
        <translation>%1; %2; die Kandidaten %3 der beiden Mengen sehen einander alle, daher fehlt einer Menge die %3 und sie muss %4 enthalten: %5</translation>
    </message>
    <message>
        <source>%1; %2; %3; the first and second sets cannot both hold %4, nor the second and third %5, so the first or the third holds %6: %7</source>
        <translation>%1; %2; %3; die erste und die zweite Menge können nicht beide %4 enthalten, die zweite und die dritte nicht beide %5, daher enthält die erste oder die dritte %6: %7</translation>
    </message>
    <message>
        <source>%1 (by an inner chain)</source>
        <translation>%1 (durch eine innere Kette)</translation>
    </message>
    <message>
        <source>%1 → … (+%2 more links)</source>
        <extracomment>%1 the chain&apos;s first links, %2 how many are left out (always two or more)</extracomment>
        <translation>%1 → … (+%2 weitere Glieder)</translation>
    </message>
    <message>
        <source>%1, so %2; %3</source>
        <extracomment>%1 the chain, %2 its start or its end (or both) holding the value, %3 what it removes</extracomment>
        <translation>%1, also %2; %3</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4 loses %5</source>
        <translation>%1: %2 kann nur in %3 stehen, daher verliert %4 die %5</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4 lose %5</source>
        <translation>%1: %2 kann nur in %3 stehen, daher verlieren %4 die %5</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fin %4; either way %5 loses %6</source>
        <translation>%1: %2 kann nur in %3 oder in der Flosse %4 stehen; so oder so verliert %5 die %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fin %4; either way %5 lose %6</source>
        <translation>%1: %2 kann nur in %3 oder in der Flosse %4 stehen; so oder so verlieren %5 die %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fins %4; either way %5 loses %6</source>
        <translation>%1: %2 kann nur in %3 oder in den Flossen %4 stehen; so oder so verliert %5 die %6</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3 or in the fins %4; either way %5 lose %6</source>
        <translation>%1: %2 kann nur in %3 oder in den Flossen %4 stehen; so oder so verlieren %5 die %6</translation>
    </message>
    <message>
        <source>no place is left for %1 in %2</source>
        <translation>für %1 bleibt kein Platz in %2</translation>
    </message>
    <message>
        <source>%1 has no candidate left</source>
        <translation>%1 hat keinen Kandidaten mehr</translation>
    </message>
    <message>
        <source>every candidate of %1 leads to the same: %2; so %3</source>
        <translation>jeder Kandidat von %1 führt zum selben Ergebnis: %2; also: %3</translation>
    </message>
    <message>
        <source>every place of %1 in %2 leads to the same: %3; so %4</source>
        <translation>jeder Platz von %1 in %2 führt zum selben Ergebnis: %3; also: %4</translation>
    </message>
    <message>
        <source>%1, and %2; so %3</source>
        <extracomment>%1 the chains from one assumption, %2 the contradiction they meet, %3 what it removes</extracomment>
        <translation>%1, und %2; also: %3</translation>
    </message>
    <message>
        <source>%1 (with forcing chains inside), and %2; so %3</source>
        <translation>%1 (mit Forcing-Chains darin), und %2; also: %3</translation>
    </message>
    <message>
        <source>a full house</source>
        <translation>ein Full House</translation>
    </message>
    <message>
        <source>a hidden single</source>
        <translation>ein versteckter Single</translation>
    </message>
    <message>
        <source>a naked single</source>
        <translation>ein nackter Single</translation>
    </message>
    <message>
        <source>a pointing</source>
        <extracomment>locked candidates pointing out of a box, when they are not a pair or a triple</extracomment>
        <translation>ein Pointing</translation>
    </message>
    <message>
        <source>a claiming</source>
        <extracomment>locked candidates a line claims for a box, when they are not a pair or a triple</extracomment>
        <translation>ein Claiming</translation>
    </message>
    <message>
        <source>a naked pair</source>
        <translation>ein nacktes Paar</translation>
    </message>
    <message>
        <source>a hidden pair</source>
        <translation>ein verstecktes Paar</translation>
    </message>
    <message>
        <source>a naked triple</source>
        <translation>ein nacktes Tripel</translation>
    </message>
    <message>
        <source>a hidden triple</source>
        <translation>ein verstecktes Tripel</translation>
    </message>
    <message>
        <source>a naked quad</source>
        <translation>ein nacktes Quadrupel</translation>
    </message>
    <message>
        <source>a hidden quad</source>
        <translation>ein verstecktes Quadrupel</translation>
    </message>
    <message>
        <source>an X-Wing</source>
        <translation>ein X-Wing</translation>
    </message>
    <message>
        <source>a Finned X-Wing</source>
        <translation>ein Finned X-Wing</translation>
    </message>
    <message>
        <source>a Sashimi X-Wing</source>
        <translation>ein Sashimi X-Wing</translation>
    </message>
    <message>
        <source>a Swordfish</source>
        <translation>ein Swordfish</translation>
    </message>
    <message>
        <source>a Finned Swordfish</source>
        <translation>ein Finned Swordfish</translation>
    </message>
    <message>
        <source>a Sashimi Swordfish</source>
        <translation>ein Sashimi Swordfish</translation>
    </message>
    <message>
        <source>a Jellyfish</source>
        <translation>ein Jellyfish</translation>
    </message>
    <message>
        <source>a Skyscraper</source>
        <translation>ein Skyscraper</translation>
    </message>
    <message>
        <source>a 2-String Kite</source>
        <translation>ein 2-String Kite</translation>
    </message>
    <message>
        <source>a Turbot Fish</source>
        <translation>ein Turbot Fish</translation>
    </message>
    <message>
        <source>an Empty Rectangle</source>
        <translation>ein Empty Rectangle</translation>
    </message>
    <message>
        <source>an XY-Wing</source>
        <translation>ein XY-Wing</translation>
    </message>
    <message>
        <source>an XYZ-Wing</source>
        <translation>ein XYZ-Wing</translation>
    </message>
    <message>
        <source>a W-Wing</source>
        <translation>ein W-Wing</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 1</source>
        <translation>ein Unique Rectangle Typ 1</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 2</source>
        <translation>ein Unique Rectangle Typ 2</translation>
    </message>
    <message>
        <source>a Unique Rectangle Type 4</source>
        <translation>ein Unique Rectangle Typ 4</translation>
    </message>
    <message>
        <source>simple colouring</source>
        <translation>einfaches Färben</translation>
    </message>
    <message>
        <source>an X-Chain</source>
        <translation>eine X-Kette</translation>
    </message>
    <message>
        <source>an XY-Chain</source>
        <translation>eine XY-Kette</translation>
    </message>
    <message>
        <source>an Alternating Inference Chain</source>
        <translation>eine alternierende Inferenzkette</translation>
    </message>
    <message>
        <source>an ALS-XZ</source>
        <translation>ein ALS-XZ</translation>
    </message>
    <message>
        <source>an ALS-XY-Wing</source>
        <translation>ein ALS-XY-Wing</translation>
    </message>
    <message>
        <source>a Cell Forcing Chain</source>
        <translation>eine Zellen-Forcing-Chain</translation>
    </message>
    <message>
        <source>a Unit Forcing Chain</source>
        <translation>eine Einheiten-Forcing-Chain</translation>
    </message>
    <message>
        <source>a Contradiction Forcing Chain</source>
        <translation>eine Widerspruchs-Forcing-Chain</translation>
    </message>
    <message>
        <source>a Nested Forcing Chain</source>
        <translation>eine verschachtelte Forcing-Chain</translation>
    </message>
    <message>
        <source>a pointing pair</source>
        <translation>ein Pointing-Paar</translation>
    </message>
    <message>
        <source>a pointing triple</source>
        <translation>ein Pointing-Tripel</translation>
    </message>
    <message>
        <source>a claiming pair</source>
        <translation>ein Claiming-Paar</translation>
    </message>
    <message>
        <source>a claiming triple</source>
        <translation>ein Claiming-Tripel</translation>
    </message>
    <message>
        <source>look at %1: %2</source>
        <translation>sehen Sie sich %1 an: %2</translation>
    </message>
    <message>
        <source>look for %1</source>
        <extracomment>%1 the pattern to look for: &quot;a hidden single&quot;, &quot;an X-Wing&quot;</extracomment>
        <translation>gesucht wird %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 erhält %2</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message>
        <source>boxes %1</source>
        <translation>Blöcke %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the technique&apos;s name, %2 the rest of the sentence</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <extracomment>%1 the technique&apos;s name, %2 the value or values it is on, %3 the rest of the sentence</extracomment>
        <translation>%1 auf %2: %3</translation>
    </message>
    <message>
        <source>%1, and %2 more</source>
        <extracomment>%1 the first cells of a colour, %2 how many more there are</extracomment>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1, so %2 or %3 is %4: %5</source>
        <translation>%1, daher enthält %2 oder %3 die %4: %5</translation>
    </message>
    <message>
        <source>colouring the cells joined by strong links on %1 in turn, %2 and %3 get the same colour but share %4, so no cell of that colour is %1: %5</source>
        <translation>färbt man die durch starke Verbindungen auf %1 verknüpften Zellen abwechselnd, erhalten %2 und %3 dieselbe Farbe, liegen aber beide in %4, daher enthält keine Zelle dieser Farbe die %1: %5</translation>
    </message>
    <message>
        <source>colouring the cells joined by strong links on %1 in turn, either %2 hold it or %3 do; cells seeing both colours lose it: %4</source>
        <translation>färbt man die durch starke Verbindungen auf %1 verknüpften Zellen abwechselnd, enthalten sie entweder %2 oder %3; Zellen, die beide Farben sehen, verlieren sie: %4</translation>
    </message>
    <message>
        <source>%1 has it only in %2 and %3, %4 only in %5 and %6; if %5 is %7, %1&apos;s %7 is in its %8, otherwise %6 is: %9</source>
        <translation>%1 hat sie nur in %2 und %3, %4 nur in %5 und %6; enthält %5 die %7, liegt die %7 von %1 in %8, sonst enthält %6 sie: %9</translation>
    </message>
    <message>
        <source>%1 has it only in %2 and %3, %4 only in %5 and %6; %3 and %5 share %7, so %2 or %6 is %8: %9</source>
        <translation>%1 hat sie nur in %2 und %3, %4 nur in %5 und %6; %3 und %5 liegen beide in %7, daher enthält %2 oder %6 die %8: %9</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell, so it takes %3</source>
        <translation>%1: %2 ist die letzte leere Zelle, daher erhält sie %3</translation>
    </message>
    <message>
        <source>%1: %2 hold only %3, so %4</source>
        <translation>%1: %2 enthalten nur %3, also: %4</translation>
    </message>
    <message>
        <source>%1: %2 can go only in %3, so %4</source>
        <translation>%1: %2 können nur in %3 stehen, also: %4</translation>
    </message>
    <message>
        <source>%1, %2 and %3 hold only %4; were %5 %6 as well, the four cells could swap %4 and the puzzle would have two answers: %7</source>
        <translation>%1, %2 und %3 enthalten nur %4; wäre auch %5 eine %6, könnten die vier Zellen %4 tauschen und das Rätsel hätte zwei Lösungen: %7</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3, %4 and %5 only those and %6; one of the latter must be %6, or the four cells could swap %3 and the puzzle would have two answers: %7</source>
        <translation>%1 und %2 enthalten nur %3, %4 und %5 nur diese und %6; eine der beiden letzteren muss die %6 enthalten, sonst könnten die vier Zellen %3 tauschen und das Rätsel hätte zwei Lösungen: %7</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3, and %4 has %5 only in %6 and %7; one of them is %5, so were the other %8, the four cells could swap %3 and the puzzle would have two answers: %9</source>
        <translation>%1 und %2 enthalten nur %3, und %4 hat die %5 nur in %6 und %7; eine davon enthält die %5, wäre also die andere eine %8, könnten die vier Zellen %3 tauschen und das Rätsel hätte zwei Lösungen: %9</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 %4, %5 %6; whatever %1 holds, %3 or %5 is %7: %8</source>
        <extracomment>%1 the pivot, %2 its two values; %3 and %5 the pincers, %4 and %6 theirs; %7 the value the pincers share, %8 what the step removes</extracomment>
        <translation>%1 enthält %2, %3 %4, %5 %6; was auch immer %1 enthält, %3 oder %5 enthält die %7: %8</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 %4, %5 %6; whatever %1 holds, it, %3 or %5 is %7: %8</source>
        <translation>%1 enthält %2, %3 %4, %5 %6; was auch immer %1 enthält, sie, %3 oder %5 enthält die %7: %8</translation>
    </message>
    <message>
        <source>%1 and %2 hold only %3; %4 has %5 only in %6, seen by %1, and %7, seen by %2, so %1 or %2 is %8: %9</source>
        <translation>%1 und %2 enthalten nur %3; %4 hat die %5 nur in %6, von %1 gesehen, und %7, von %2 gesehen, daher enthält %1 oder %2 die %8: %9</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Teuflisch</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Extrem</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>failed to open or create a csv file</source>
        <translation>die CSV-Datei ließ sich nicht öffnen oder anlegen</translation>
    </message>
    <message>
        <source>the level must be 0..4</source>
        <translation>die Stufe muss zwischen 0 und 4 liegen</translation>
    </message>
    <message>
        <source>the count must not be negative</source>
        <translation>die Anzahl darf nicht negativ sein</translation>
    </message>
    <message>
        <source>the maximum must not be negative</source>
        <translation>das Höchstmaß darf nicht negativ sein</translation>
    </message>
    <message>
        <source>the maximum must not exceed 81 cells</source>
        <translation>das Höchstmaß darf 81 Zellen nicht überschreiten</translation>
    </message>
</context>
<context>
    <name>Order</name>
    <message>
        <source>no minimal puzzle is solved by Full Houses alone</source>
        <translation>kein minimales Rätsel lässt sich allein mit Full Houses lösen</translation>
    </message>
    <message>
        <source>a puzzle that needs %1 is %2 or harder</source>
        <translation>ein Rätsel, das %1 braucht, ist mindestens %2</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>found the first serial number that&apos;s illegal</source>
        <translation>ungültige Seriennummer: ihr erster Teil ist nicht zulässig</translation>
    </message>
    <message>
        <source>found an illegal serial number out of range</source>
        <translation>ungültige Seriennummer: ein Teil liegt außerhalb seines Bereichs</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Versteckter Single</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nackter Single</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointing</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Claiming</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Nacktes Paar</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Verstecktes Paar</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nacktes Tripel</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Verstecktes Tripel</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nacktes Quadrupel</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Verstecktes Quadrupel</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>Finned X-Wing</translation>
    </message>
    <message>
        <source>Sashimi X-Wing</source>
        <translation>Sashimi X-Wing</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>Finned Swordfish</translation>
    </message>
    <message>
        <source>Sashimi Swordfish</source>
        <translation>Sashimi Swordfish</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Skyscraper</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>2-String Kite</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Turbot Fish</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Empty Rectangle</translation>
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
        <translation>Unique Rectangle Typ 1</translation>
    </message>
    <message>
        <source>Unique Rectangle Type 2</source>
        <translation>Unique Rectangle Typ 2</translation>
    </message>
    <message>
        <source>Unique Rectangle Type 4</source>
        <translation>Unique Rectangle Typ 4</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Einfaches Färben</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-Kette</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-Kette</translation>
    </message>
    <message>
        <source>Alternating Inference Chain</source>
        <translation>Alternierende Inferenzkette</translation>
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
        <translation>Zellen-Forcing-Chain</translation>
    </message>
    <message>
        <source>Unit Forcing Chain</source>
        <translation>Einheiten-Forcing-Chain</translation>
    </message>
    <message>
        <source>Contradiction Forcing Chain</source>
        <translation>Widerspruchs-Forcing-Chain</translation>
    </message>
    <message>
        <source>Nested Forcing Chain</source>
        <translation>Verschachtelte Forcing-Chain</translation>
    </message>
</context>
</TS>
