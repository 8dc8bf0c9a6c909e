<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Help</name>
    <message>
        <source>Fill the board so that every row, every column and every 3x3 box holds each digit from 1 to 9 exactly once. The bold digits are the clues; they never change.

Click a cell, or move to it with the arrows or Tab, and type a digit to place it. Type two or more digits to keep them as the cell&apos;s candidates, or press Shift with a digit to add or take away one note. Placing a value takes its digit from the notes of its row, column and box. The digit strip under the board counts what is left of each digit; a click on one tints every cell that shows it.

Rows are numbered 1 to 9 from the top and columns 1 to 9 from the left, so r4c7 is the cell in row 4, column 7. A box is numbered 1 to 9 row by row.

Stuck? Solve &gt; Hint names the technique and where to look; Hint again tints its cells, draws the step on the board and shows its whole words beside the window, with a button that opens the technique&apos;s page here. Apply Hint does the step. Puzzle &gt; New Puzzle makes a new puzzle of the class chosen under Level Setting; Solve &gt; Rate Puzzle tells its level.

The game in progress is kept when the window closes and comes back at the next start. Undo and Redo take back and make again any change to the board.</source>
        <translation>Füllen Sie das Spielfeld so, dass jede Zeile, jede Spalte und jeder 3x3-Block jede Ziffer von 1 bis 9 genau einmal enthält. Die fett gedruckten Ziffern sind die Vorgaben; sie ändern sich nie.

Klicken Sie auf eine Zelle oder gehen Sie mit den Pfeiltasten oder Tab dorthin, und tippen Sie eine Ziffer, um sie zu setzen. Tippen Sie zwei oder mehr Ziffern, um sie als Kandidaten der Zelle zu behalten, oder drücken Sie Umschalt zusammen mit einer Ziffer, um eine Notiz hinzuzufügen oder wegzunehmen. Wird ein Wert gesetzt, verschwindet seine Ziffer aus den Notizen seiner Zeile, seiner Spalte und seines Blocks. Die Ziffernleiste unter dem Spielfeld zählt, wie viel von jeder Ziffer noch fehlt; ein Klick auf eine Ziffer hebt jede Zelle farbig hervor, die sie zeigt.

Die Zeilen sind von oben nach unten mit 1 bis 9 nummeriert, die Spalten von links nach rechts mit 1 bis 9; r4c7 ist also die Zelle in Zeile 4, Spalte 7 (r wie „row“, Zeile, und c wie „column“, Spalte). Die Blöcke sind zeilenweise von 1 bis 9 nummeriert.

Sie kommen nicht weiter? Lösen &gt; Hinweis nennt die Technik und wo Sie suchen sollten; ein zweites Mal Hinweis färbt ihre Zellen, zeichnet den Schritt auf dem Spielfeld ein und zeigt ihn neben dem Fenster in ganzen Worten, mit einer Schaltfläche, die hier die Seite der Technik öffnet. Hinweis anwenden führt den Schritt aus. Rätsel &gt; Neues Rätsel erzeugt ein neues Rätsel der Klasse, die unter Schwierigkeitsgrad gewählt ist; Lösen &gt; Rätsel bewerten nennt seine Stufe.

Das laufende Spiel bleibt beim Schließen des Fensters erhalten und ist beim nächsten Start wieder da. Rückgängig und Wiederherstellen nehmen jede Änderung am Spielfeld zurück und führen sie erneut aus.</translation>
    </message>
    <message>
        <source>1 .. 9	places the digit in the cell in hand; two or more digits are candidates</source>
        <translation>1 .. 9	setzt die Ziffer in die gewählte Zelle; zwei oder mehr Ziffern sind Kandidaten</translation>
    </message>
    <message>
        <source>Shift + 1 .. 9	adds the note to the cell in hand, or takes it away</source>
        <translation>Umschalt + 1 .. 9	fügt der gewählten Zelle die Notiz hinzu oder nimmt sie weg</translation>
    </message>
    <message>
        <source>Up, Down, Left, Right	moves to the next cell that way</source>
        <translation>Pfeil hoch, runter, links, rechts	wechselt zur nächsten Zelle in dieser Richtung</translation>
    </message>
    <message>
        <source>Tab, Shift + Tab	moves to the next or previous open cell</source>
        <translation>Tab, Umschalt + Tab	wechselt zur nächsten oder vorigen offenen Zelle</translation>
    </message>
    <message>
        <source>Delete, Backspace	takes digits out of the cell in hand</source>
        <translation>Entf, Rücktaste	nimmt Ziffern aus der gewählten Zelle</translation>
    </message>
    <message>
        <source>Escape	puts back the text the cell had when it was entered</source>
        <translation>Esc	stellt den Text wieder her, den die Zelle beim Betreten hatte</translation>
    </message>
    <message>
        <source>The menu&apos;s keys work while a cell is being typed into.</source>
        <translation>Die Tasten des Menüs wirken auch, während in eine Zelle getippt wird.</translation>
    </message>
    <message>
        <source>In the board:</source>
        <translation>Auf dem Spielfeld:</translation>
    </message>
    <message>
        <source>Solve &gt; Rate Puzzle, gridatelier-cli rate and the box at the end of a game tell a puzzle&apos;s level: the level of the hardest technique its way to the answer needs, raised by one when that way is long for the level. The levels and the techniques that start each:</source>
        <translation>Lösen &gt; Rätsel bewerten, gridatelier-cli rate und das Fenster am Ende eines Spiels nennen die Stufe eines Rätsels: die Stufe der schwierigsten Technik, die sein Weg zur Lösung braucht, um eins erhöht, wenn dieser Weg für die Stufe lang ist. Die Stufen und die Techniken, mit denen jede beginnt:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A level and the techniques that start it: &quot;Hard: Naked Quad, X-Wing, ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A puzzle that needs a guess beyond the techniques is %1.</source>
        <translation>Ein Rätsel, das über die Techniken hinaus Raten erfordert, gilt als %1.</translation>
    </message>
    <message>
        <source>Level: %1.</source>
        <translation>Stufe: %1.</translation>
    </message>
    <message>
        <source>In the example: %1</source>
        <translation>Im Beispiel: %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>What is an %1?</source>
        <extracomment>The question over a hint that opens the technique&apos;s page; %1 is its name.</extracomment>
        <translation>Was bedeutet „%1“?</translation>
    </message>
    <message>
        <source>What is a %1?</source>
        <extracomment>The question over a hint that opens the technique&apos;s page; %1 is its name.</extracomment>
        <translation>Was bedeutet „%1“?</translation>
    </message>
    <message>
        <source>A row, column or box has one empty cell left, so that cell takes the one digit the unit still lacks.</source>
        <translation>In einer Zeile, einer Spalte oder einem Block ist nur noch eine Zelle leer, also bekommt diese Zelle die eine Ziffer, die der Einheit noch fehlt.</translation>
    </message>
    <message>
        <source>Every unit (a row, column or box) holds each digit from 1 to 9 exactly once. When eight cells of a unit are filled, the ninth has no choice: it takes the digit that is not there yet.

To spot one, look for a unit with a single gap and name the digit missing from it. A hint reads like &quot;box 5: r5c4 is the last empty cell, so it takes 3&quot; (r5c4 is the cell in row 5, column 4). On the board the placed value shows in green.

It is the easiest step there is, so the ladder always tries it first.</source>
        <translation>Jede Einheit (eine Zeile, eine Spalte oder ein Block) enthält jede Ziffer von 1 bis 9 genau einmal. Sind acht Zellen einer Einheit gefüllt, hat die neunte keine Wahl: Sie bekommt die Ziffer, die noch nicht da ist.

Suchen Sie dazu eine Einheit mit einer einzigen Lücke und bestimmen Sie die Ziffer, die ihr fehlt. Ein Hinweis lautet etwa „Block 5: r5c4 ist die letzte leere Zelle, also bekommt sie die 3“ (r5c4 ist die Zelle in Zeile 5, Spalte 4). Auf dem Spielfeld erscheint der gesetzte Wert in Grün.

Es ist der einfachste Schritt überhaupt, deshalb probiert die Leiter ihn immer zuerst.</translation>
    </message>
    <message>
        <source>A digit has only one cell left in a row, column or box where it can go, so it goes there.</source>
        <translation>Eine Ziffer hat in einer Zeile, einer Spalte oder einem Block nur noch eine Zelle, in die sie passt, also kommt sie dorthin.</translation>
    </message>
    <message>
        <source>Every unit needs each digit once. Pick a digit and a unit and look at the unit&apos;s empty cells: in most of them the digit is ruled out, because it already sits in that cell&apos;s row, column or box. When only one cell is left, the digit must go there, even if the cell still has other candidates (the digits it could still hold).

The ladder looks in the boxes first, then the rows, then the columns, since a person usually finds them in that order. A hint reads like &quot;box 3: 4 fits only in r2c8&quot;. On the board the placed value shows in green.</source>
        <translation>Jede Einheit braucht jede Ziffer einmal. Wählen Sie eine Ziffer und eine Einheit und betrachten Sie die leeren Zellen der Einheit: In den meisten ist die Ziffer ausgeschlossen, weil sie schon in der Zeile, der Spalte oder dem Block dieser Zelle steht. Bleibt nur eine Zelle übrig, muss die Ziffer dorthin, auch wenn die Zelle noch andere Kandidaten hat (die Ziffern, die sie noch aufnehmen könnte).

Die Leiter sucht zuerst in den Blöcken, dann in den Zeilen, dann in den Spalten, weil man sie meist in dieser Reihenfolge findet. Ein Hinweis lautet etwa „Block 3: 4 passt nur in r2c8“. Auf dem Spielfeld erscheint der gesetzte Wert in Grün.</translation>
    </message>
    <message>
        <source>A cell has only one candidate left, so it takes that digit.</source>
        <translation>Eine Zelle hat nur noch einen Kandidaten, also bekommt sie diese Ziffer.</translation>
    </message>
    <message>
        <source>A cell&apos;s candidates are the digits its row, column and box still allow: every digit already placed in one of those three units is ruled out. When just one digit is left, the cell must hold it.

Naked singles often appear right after other steps remove candidates, so look again at the cells with few candidates after each step. A hint reads like &quot;r6c2: only 8 is left&quot;. On the board the placed value shows in green.

The difference from a hidden single: here the cell has one digit left; there the digit has one cell left.</source>
        <translation>Die Kandidaten einer Zelle sind die Ziffern, die ihre Zeile, ihre Spalte und ihr Block noch zulassen: Jede Ziffer, die schon in einer dieser drei Einheiten steht, ist ausgeschlossen. Bleibt nur eine Ziffer übrig, muss die Zelle sie enthalten.

Nackte Singles tauchen oft gleich auf, nachdem andere Schritte Kandidaten entfernt haben; sehen Sie sich deshalb nach jedem Schritt die Zellen mit wenigen Kandidaten noch einmal an. Ein Hinweis lautet etwa „r6c2: nur 8 bleibt übrig“. Auf dem Spielfeld erscheint der gesetzte Wert in Grün.

Der Unterschied zum versteckten Single: Hier hat die Zelle nur noch eine Ziffer, dort hat die Ziffer nur noch eine Zelle.</translation>
    </message>
    <message>
        <source>Inside a box, a digit can go only in cells of one row or one column, so the rest of that row or column loses it.</source>
        <translation>Innerhalb eines Blocks passt eine Ziffer nur in Zellen einer Zeile oder einer Spalte, also verliert der Rest dieser Zeile oder Spalte sie.</translation>
    </message>
    <message>
        <source>The box must hold the digit somewhere. If all its places for the digit lie on one line, the digit ends up on that line, inside this box. A line holds each digit once, so the cells of the line outside the box cannot hold it.

To spot it, pick a box and a digit and check whether the box&apos;s candidates for that digit sit in a single row or column, two or three cells in a line. A hint reads like &quot;box 5: 3 can go only in row 4, so r4c7 and r4c8 lose 3&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Der Block muss die Ziffer irgendwo enthalten. Liegen alle seine Plätze für die Ziffer auf einer Linie (einer Zeile oder Spalte), landet die Ziffer auf dieser Linie, und zwar innerhalb dieses Blocks. Eine Linie enthält jede Ziffer nur einmal, also können die Zellen der Linie außerhalb des Blocks sie nicht enthalten.

Wählen Sie dazu einen Block und eine Ziffer und prüfen Sie, ob die Kandidaten des Blocks für diese Ziffer in einer einzigen Zeile oder Spalte liegen, zwei oder drei Zellen in einer Reihe. Ein Hinweis lautet etwa „Block 5: 3 passt nur in Zeile 4, also verlieren r4c7 und r4c8 die 3“. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Inside a row or column, a digit can go only in cells of one box, so the rest of that box loses it.</source>
        <translation>Innerhalb einer Zeile oder Spalte passt eine Ziffer nur in Zellen eines Blocks, also verliert der Rest dieses Blocks sie.</translation>
    </message>
    <message>
        <source>This is pointing the other way round. The row (or column) must hold the digit, and all its places for it lie inside one box. So the box&apos;s copy of the digit will be on that line, and the box&apos;s other cells, off the line, cannot hold it.

To spot it, run along a row or column and check whether every candidate for one digit falls in the same box. A hint reads like &quot;row 2: 7 can go only in box 3, so r1c8 and r3c9 lose 7&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Das ist Pointing andersherum. Die Zeile (oder Spalte) muss die Ziffer enthalten, und alle ihre Plätze dafür liegen innerhalb eines Blocks. Also liegt die Ziffer dieses Blocks auf dieser Linie, und die übrigen Zellen des Blocks, abseits der Linie, können sie nicht enthalten.

Gehen Sie dazu eine Zeile oder Spalte entlang und prüfen Sie, ob jeder Kandidat für eine Ziffer in denselben Block fällt. Ein Hinweis lautet etwa „Zeile 2: 7 passt nur in Block 3, also verlieren r1c8 und r3c9 die 7“. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Two cells of a unit hold only the same two candidates, so those two digits leave every other cell that sees both.</source>
        <translation>Zwei Zellen einer Einheit enthalten nur dieselben zwei Kandidaten, also verschwinden diese beiden Ziffern aus jeder anderen Zelle, die beide sieht.</translation>
    </message>
    <message>
        <source>A cell sees another when the two share a unit: a row, column or box. Say r4c1 and r4c5 both hold only 2 and 5. One of them will be 2 and the other 5; we do not know which yet, but together they use up both digits. No other cell of row 4 can hold 2 or 5, and if the two cells also share a box, neither can the rest of that box.

To spot one, look for two cells with the same two candidates in one unit. A hint reads like &quot;row 4: r4c1 and r4c5 hold only 2 and 5, so r4c3 loses 2; r4c9 loses 2 and 5&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Eine Zelle sieht eine andere, wenn beide eine Einheit teilen: eine Zeile, eine Spalte oder einen Block. Angenommen, r4c1 und r4c5 enthalten beide nur 2 und 5. Eine von ihnen wird die 2 sein und die andere die 5; welche, wissen wir noch nicht, aber zusammen verbrauchen sie beide Ziffern. Keine andere Zelle von Zeile 4 kann 2 oder 5 enthalten, und wenn die beiden Zellen auch einen Block teilen, gilt das auch für den Rest dieses Blocks.

Suchen Sie dazu in einer Einheit zwei Zellen mit denselben zwei Kandidaten. Ein Hinweis lautet etwa „Zeile 4: r4c1 und r4c5 enthalten nur 2 und 5, also verliert r4c3 die 2; r4c9 verliert 2 und 5“. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Two digits of a unit can go only in the same two cells, so those two cells lose every other candidate.</source>
        <translation>Zwei Ziffern einer Einheit passen nur in dieselben zwei Zellen, also verlieren diese beiden Zellen jeden anderen Kandidaten.</translation>
    </message>
    <message>
        <source>Say that in row 4 the digits 2 and 5 both fit only in r4c1 and r4c5. The row needs both digits, so these two cells are taken by 2 and 5, one each. Any other candidate in them can go.

It is called hidden because the pair is buried among other candidates: the two cells may show 2, 5, 7 and 9. To spot one, note for each digit the cells of the unit where it fits, and look for two digits with the same two cells. A hint reads like &quot;row 4: 2 and 5 can go only in r4c1 and r4c5, so r4c1 loses 7; r4c5 loses 3 and 9&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Angenommen, in Zeile 4 passen die Ziffern 2 und 5 beide nur in r4c1 und r4c5. Die Zeile braucht beide Ziffern, also werden diese zwei Zellen von 2 und 5 belegt, von jeder eine. Jeder andere Kandidat in ihnen kann weg.

Versteckt heißt das Paar, weil es unter anderen Kandidaten vergraben ist: Die beiden Zellen zeigen vielleicht 2, 5, 7 und 9. Notieren Sie dazu für jede Ziffer die Zellen der Einheit, in die sie passt, und suchen Sie zwei Ziffern mit denselben zwei Zellen. Ein Hinweis lautet etwa „Zeile 4: 2 und 5 passen nur in r4c1 und r4c5, also verliert r4c1 die 7; r4c5 verliert 3 und 9“. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Three cells of a unit hold only three digits between them, so those digits leave every other cell that sees all three.</source>
        <translation>Drei Zellen einer Einheit enthalten zusammen nur drei Ziffern, also verschwinden diese Ziffern aus jeder anderen Zelle, die alle drei sieht.</translation>
    </message>
    <message>
        <source>The three cells need three different digits, and only three are open to them, so they use up all three. No other cell of the unit can hold any of them, nor any other cell of a second unit the three share.

A cell need not hold all three digits. Cells holding 1 and 4, 4 and 8, and 1 and 8 form a triple just as well as three cells holding 1, 4 and 8. That makes triples harder to see: look for cells with two or three candidates, all drawn from the same three digits.

A hint names the three cells and their digits, then what the other cells lose. On the board those candidates are struck through in red.</source>
        <translation>Die drei Zellen brauchen drei verschiedene Ziffern, und nur drei stehen ihnen offen, also verbrauchen sie alle drei. Keine andere Zelle der Einheit kann eine davon enthalten, und auch keine andere Zelle einer zweiten Einheit, die die drei gemeinsam haben.

Eine Zelle muss nicht alle drei Ziffern enthalten. Zellen mit 1 und 4, mit 4 und 8 und mit 1 und 8 bilden genauso ein Tripel wie drei Zellen mit 1, 4 und 8. Das macht Tripel schwerer zu sehen: Suchen Sie Zellen mit zwei oder drei Kandidaten, die alle aus denselben drei Ziffern stammen.

Ein Hinweis nennt die drei Zellen und ihre Ziffern, dann, was die anderen Zellen verlieren. Auf dem Spielfeld sind diese Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Three digits of a unit can go only in the same three cells, so those cells lose every other candidate.</source>
        <translation>Drei Ziffern einer Einheit passen nur in dieselben drei Zellen, also verlieren diese Zellen jeden anderen Kandidaten.</translation>
    </message>
    <message>
        <source>The unit needs all three digits, and only three of its cells can take them, so those cells are filled by the three digits in some order. Any other candidate in the three cells can go.

A digit need not fit in all three cells: it is enough that each of the three digits fits only somewhere among them. To spot one, note for each digit the cells of the unit where it still fits, and look for three digits whose cells together number just three. A hint reads like &quot;box 2: 5, 6 and 8 can go only in r1c6, r2c4 and r2c6, so r1c6 loses 3&quot;. On the board the removed candidates are struck through in red.</source>
        <translation>Die Einheit braucht alle drei Ziffern, und nur drei ihrer Zellen können sie aufnehmen, also werden diese Zellen in irgendeiner Reihenfolge mit den drei Ziffern gefüllt. Jeder andere Kandidat in den drei Zellen kann weg.

Eine Ziffer muss nicht in alle drei Zellen passen: Es genügt, dass jede der drei Ziffern nur irgendwo unter ihnen passt. Notieren Sie dazu für jede Ziffer die Zellen der Einheit, in die sie noch passt, und suchen Sie drei Ziffern, deren Zellen zusammen nur drei sind. Ein Hinweis lautet etwa „Block 2: 5, 6 und 8 passen nur in r1c6, r2c4 und r2c6, also verliert r1c6 die 3“. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Four cells of a unit hold only four digits between them, so those digits leave every other cell of the unit.</source>
        <translation>Vier Zellen einer Einheit enthalten zusammen nur vier Ziffern, also verschwinden diese Ziffern aus jeder anderen Zelle der Einheit.</translation>
    </message>
    <message>
        <source>It works like the naked pair and triple. Four cells need four different digits and only four are open to them, so they use up all four, and no other cell of the unit can hold any of them. Each of the four cells holds two, three or four of the digits; no cell needs all four.

Quads are rare and hard to see, because the four cells hide among the other empty cells of the unit. Look in a unit with many empty cells, at the cells with at most four candidates, and ask whether four of them draw on only four digits. A hint names the four cells and their digits. On the board the removed candidates are struck through in red.</source>
        <translation>Es funktioniert wie das nackte Paar und das nackte Tripel. Vier Zellen brauchen vier verschiedene Ziffern, und nur vier stehen ihnen offen, also verbrauchen sie alle vier, und keine andere Zelle der Einheit kann eine davon enthalten. Jede der vier Zellen enthält zwei, drei oder vier der Ziffern; keine Zelle braucht alle vier.

Quartette sind selten und schwer zu sehen, weil sich die vier Zellen unter den anderen leeren Zellen der Einheit verstecken. Schauen Sie in einer Einheit mit vielen leeren Zellen auf die Zellen mit höchstens vier Kandidaten und fragen Sie sich, ob vier von ihnen mit nur vier Ziffern auskommen. Ein Hinweis nennt die vier Zellen und ihre Ziffern. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Four digits of a unit can go only in the same four cells, so those cells lose every other candidate.</source>
        <translation>Vier Ziffern einer Einheit passen nur in dieselben vier Zellen, also verlieren diese Zellen jeden anderen Kandidaten.</translation>
    </message>
    <message>
        <source>It works like the hidden pair and triple. The unit needs all four digits, and only four of its cells can take them, so those four cells are filled by the four digits and every other candidate in them can go. Each digit may fit in only some of the four cells.

Hidden quads are rare. To find one, note for each digit the cells of the unit where it still fits, and look for four digits whose cells together number just four. A hint reads like &quot;column 6: 1, 3, 4 and 9 can go only in ...&quot;, then what each of those cells loses. On the board the removed candidates are struck through in red.</source>
        <translation>Es funktioniert wie das versteckte Paar und das versteckte Tripel. Die Einheit braucht alle vier Ziffern, und nur vier ihrer Zellen können sie aufnehmen, also werden diese vier Zellen mit den vier Ziffern gefüllt, und jeder andere Kandidat in ihnen kann weg. Eine Ziffer darf auch nur in einige der vier Zellen passen.

Versteckte Quartette sind selten. Notieren Sie dazu für jede Ziffer die Zellen der Einheit, in die sie noch passt, und suchen Sie vier Ziffern, deren Zellen zusammen nur vier sind. Ein Hinweis lautet etwa „Spalte 6: 1, 3, 4 und 9 passen nur in ...“ und sagt dann, was jede dieser Zellen verliert. Auf dem Spielfeld sind die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>In two rows a digit can go only in the same two columns (or in two columns only in the same two rows), so the rest of those columns (rows) lose it.</source>
        <translation>In zwei Zeilen passt eine Ziffer nur in dieselben zwei Spalten (oder in zwei Spalten nur in dieselben zwei Zeilen), also verliert der Rest dieser Spalten (Zeilen) sie.</translation>
    </message>
    <message>
        <source>Say 4 fits in row 2 only in columns 3 and 8, and in row 7 also only in columns 3 and 8. Row 2 puts its 4 in one of the two columns, and row 7 must use the other, since a column holds 4 once. So the two 4s fill columns 3 and 8 inside rows 2 and 7, and no other cell of those columns can be 4.

The rows are the base lines, the columns the cover lines; on the board they are tinted in two colours. A hint reads like &quot;rows 2 and 7: 4 can go only in columns 3 and 8, so r5c3 and r9c8 lose 4&quot;.</source>
        <translation>Angenommen, die 4 passt in Zeile 2 nur in die Spalten 3 und 8, und in Zeile 7 ebenfalls nur in die Spalten 3 und 8. Zeile 2 setzt ihre 4 in eine der beiden Spalten, und Zeile 7 muss die andere nehmen, weil eine Spalte die 4 nur einmal enthält. Also füllen die beiden Vieren die Spalten 3 und 8 innerhalb der Zeilen 2 und 7, und keine andere Zelle dieser Spalten kann die 4 sein.

Die Zeilen sind die Basislinien, die Spalten die Deckungslinien; auf dem Spielfeld sind sie in zwei Farben getönt. Ein Hinweis lautet etwa „Zeilen 2 und 7: 4 passt nur in die Spalten 3 und 8, also verlieren r5c3 und r9c8 die 4“.</translation>
    </message>
    <message>
        <source>An X-Wing with extra cells, the fins, in one box: the cells of the cover lines in that box, off the base lines, lose the digit.</source>
        <translation>Ein X-Wing mit zusätzlichen Zellen, den Flossen, in einem Block: Die Zellen der Deckungslinien in diesem Block, abseits der Basislinien, verlieren die Ziffer.</translation>
    </message>
    <message>
        <source>Take an X-Wing that nearly works: in two base rows (or columns) the digit fits only in two cover columns (or rows), except for a few extra places, the fins, all in one box.

Either a fin holds the digit or none does. If none does, the X-Wing stands and the cover columns lose the digit outside the base rows. If a fin does, the rest of its box loses it. A cell in a cover column and in the fins&apos; box, but not in a base row, loses it both ways.

On the board the fins are marked. A hint reads like &quot;rows 2 and 7: 4 can go only in columns 3 and 8 or in the fin r7c9; either way r8c8 loses 4&quot;.</source>
        <translation>Nehmen Sie einen X-Wing, der beinahe aufgeht: In zwei Basiszeilen (oder -spalten) passt die Ziffer nur in zwei Deckungsspalten (oder -zeilen), bis auf ein paar zusätzliche Plätze, die Flossen, die alle in einem Block liegen.

Entweder enthält eine Flosse die Ziffer, oder keine tut es. Enthält keine sie, steht der X-Wing, und die Deckungsspalten verlieren die Ziffer außerhalb der Basiszeilen. Enthält eine Flosse sie, verliert der Rest ihres Blocks sie. Eine Zelle in einer Deckungsspalte und im Block der Flossen, aber nicht in einer Basiszeile, verliert sie in beiden Fällen.

Auf dem Spielfeld sind die Flossen markiert. Ein Hinweis lautet etwa „Zeilen 2 und 7: 4 passt nur in die Spalten 3 und 8 oder in die Flosse r7c9; so oder so verliert r8c8 die 4“.</translation>
    </message>
    <message>
        <source>A finned X-Wing with a corner missing: one cover line meets the base lines in a single cell, so without the fins there would be no X-Wing at all.</source>
        <translation>Ein X-Wing mit Flossen, dem eine Ecke fehlt: Eine Deckungslinie trifft die Basislinien in nur einer Zelle, sodass es ohne die Flossen gar keinen X-Wing gäbe.</translation>
    </message>
    <message>
        <source>One of the four corners of the rectangle has no candidate for the digit, and fins in one box stand in for it. The reasoning is the finned X-Wing&apos;s: either a fin holds the digit, so the rest of its box loses it, or no fin does, so the X-Wing stands and the cover lines lose it outside the base lines. A cell in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways.

When each base line holds the digit in just two cells, the same pattern is a Skyscraper, and the ladder shows it under that name. On the board the fins are marked.</source>
        <translation>Eine der vier Ecken des Rechtecks hat keinen Kandidaten für die Ziffer, und Flossen in einem Block springen für sie ein. Die Überlegung ist die des X-Wings mit Flossen: Entweder enthält eine Flosse die Ziffer, dann verliert der Rest ihres Blocks sie, oder keine Flosse enthält sie, dann steht der X-Wing, und die Deckungslinien verlieren sie außerhalb der Basislinien. Eine Zelle in einer Deckungslinie und im Block der Flossen, aber nicht in einer Basislinie, verliert die Ziffer in beiden Fällen.

Wenn jede Basislinie die Ziffer in nur zwei Zellen enthält, ist dasselbe Muster ein Skyscraper, und die Leiter zeigt es unter diesem Namen. Auf dem Spielfeld sind die Flossen markiert.</translation>
    </message>
    <message>
        <source>In three rows a digit can go only in the same three columns (or the other way round), so the rest of those columns lose it.</source>
        <translation>In drei Zeilen passt eine Ziffer nur in dieselben drei Spalten (oder umgekehrt), also verliert der Rest dieser Spalten sie.</translation>
    </message>
    <message>
        <source>It is an X-Wing with three lines instead of two. Say that in rows 1, 4 and 8 the digit 6 fits only in columns 2, 5 and 9. Each of the three rows needs a 6 and no column can hold two, so the three 6s take one cell of each column, all inside the three rows. The other cells of columns 2, 5 and 9 lose 6.

A base row need not have all three places; two are enough, as long as the three rows together use only three columns. That makes a Swordfish hard to see. On the board the base lines and cover lines are tinted in two colours.</source>
        <translation>Es ist ein X-Wing mit drei Linien statt zwei. Angenommen, in den Zeilen 1, 4 und 8 passt die Ziffer 6 nur in die Spalten 2, 5 und 9. Jede der drei Zeilen braucht eine 6, und keine Spalte kann zwei enthalten, also belegen die drei Sechsen je eine Zelle jeder Spalte, alle innerhalb der drei Zeilen. Die anderen Zellen der Spalten 2, 5 und 9 verlieren die 6.

Eine Basiszeile muss nicht alle drei Plätze haben; zwei genügen, solange die drei Zeilen zusammen nur drei Spalten belegen. Das macht einen Swordfish schwer zu sehen. Auf dem Spielfeld sind die Basislinien und die Deckungslinien in zwei Farben getönt.</translation>
    </message>
    <message>
        <source>A Swordfish with extra cells, the fins, in one box: the cells of the cover lines in that box, off the base lines, lose the digit.</source>
        <translation>Ein Swordfish mit zusätzlichen Zellen, den Flossen, in einem Block: Die Zellen der Deckungslinien in diesem Block, abseits der Basislinien, verlieren die Ziffer.</translation>
    </message>
    <message>
        <source>In three base lines (rows, or columns) the digit fits only in three cover lines (columns, or rows), except for a few extra places, the fins, all in one box.

Either a fin holds the digit or none does. If none does, the Swordfish stands and the cover lines lose the digit outside the base lines. If a fin does, the rest of its box loses it. So a cell in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways.

On the board the base and cover lines are tinted in two colours and the fins are marked. A hint names the lines, the fins and the cells that lose the digit.</source>
        <translation>In drei Basislinien (Zeilen oder Spalten) passt die Ziffer nur in drei Deckungslinien (Spalten oder Zeilen), bis auf ein paar zusätzliche Plätze, die Flossen, die alle in einem Block liegen.

Entweder enthält eine Flosse die Ziffer, oder keine tut es. Enthält keine sie, steht der Swordfish, und die Deckungslinien verlieren die Ziffer außerhalb der Basislinien. Enthält eine Flosse sie, verliert der Rest ihres Blocks sie. Eine Zelle in einer Deckungslinie und im Block der Flossen, aber nicht in einer Basislinie, verliert die Ziffer also in beiden Fällen.

Auf dem Spielfeld sind die Basis- und die Deckungslinien in zwei Farben getönt und die Flossen markiert. Ein Hinweis nennt die Linien, die Flossen und die Zellen, die die Ziffer verlieren.</translation>
    </message>
    <message>
        <source>A finned Swordfish in which one cover line meets the base lines in a single cell, so without the fins there would be no Swordfish at all.</source>
        <translation>Ein Swordfish mit Flossen, bei dem eine Deckungslinie die Basislinien in nur einer Zelle trifft, sodass es ohne die Flossen gar keinen Swordfish gäbe.</translation>
    </message>
    <message>
        <source>The pattern is thinner than a finned Swordfish: a cover line has only one cell in the base lines, and fins in one box stand in for what is missing. The reasoning stays the same. Either a fin holds the digit, so the rest of its box loses it, or no fin does, so the Swordfish stands and the cover lines lose it outside the base lines.

A cell that is in a cover line and in the fins&apos; box, but not in a base line, loses the digit both ways. On the board the base and cover lines are tinted in two colours, the fins are marked, and the removed candidates are struck through in red.</source>
        <translation>Das Muster ist dünner als ein Swordfish mit Flossen: Eine Deckungslinie hat nur eine Zelle in den Basislinien, und Flossen in einem Block springen für das Fehlende ein. Die Überlegung bleibt dieselbe. Entweder enthält eine Flosse die Ziffer, dann verliert der Rest ihres Blocks sie, oder keine Flosse enthält sie, dann steht der Swordfish, und die Deckungslinien verlieren sie außerhalb der Basislinien.

Eine Zelle, die in einer Deckungslinie und im Block der Flossen liegt, aber nicht in einer Basislinie, verliert die Ziffer in beiden Fällen. Auf dem Spielfeld sind die Basis- und die Deckungslinien in zwei Farben getönt, die Flossen markiert und die entfernten Kandidaten rot durchgestrichen.</translation>
    </message>
    <message>
        <source>In four rows a digit can go only in the same four columns (or the other way round), so the rest of those columns lose it.</source>
        <translation>In vier Zeilen passt eine Ziffer nur in dieselben vier Spalten (oder umgekehrt), also verliert der Rest dieser Spalten sie.</translation>
    </message>
    <message>
        <source>It is the X-Wing and the Swordfish with four lines. Each of the four base rows needs the digit, and none of the four cover columns can hold it twice, so the four copies take one cell of each cover column, all inside the base rows. The other cells of the cover columns lose the digit.

A base row may have two, three or four places for the digit, as long as the four rows together use only four columns. A Jellyfish is rare and very hard to see by eye. On the board the base lines and cover lines are tinted in two colours, and the removed candidates are struck through in red.</source>
        <translation>Es ist der X-Wing und der Swordfish mit vier Linien. Jede der vier Basiszeilen braucht die Ziffer, und keine der vier Deckungsspalten kann sie zweimal enthalten, also belegen die vier Exemplare je eine Zelle jeder Deckungsspalte, alle innerhalb der Basiszeilen. Die anderen Zellen der Deckungsspalten verlieren die Ziffer.

Eine Basiszeile darf zwei, drei oder vier Plätze für die Ziffer haben, solange die vier Zeilen zusammen nur vier Spalten belegen. Ein Jellyfish ist selten und mit bloßem Auge sehr schwer zu sehen. Auf dem Spielfeld sind die Basislinien und die Deckungslinien in zwei Farben getönt, und die entfernten Kandidaten sind rot durchgestrichen.</translation>
    </message>
    <message>
        <source>Two parallel lines each hold a digit in exactly two cells, with one end of each in the same crossing line; a cell that sees both other ends loses the digit.</source>
        <translation>Zwei parallele Linien enthalten eine Ziffer in jeweils genau zwei Zellen, und je ein Ende liegt in derselben kreuzenden Linie; eine Zelle, die beide anderen Enden sieht, verliert die Ziffer.</translation>
    </message>
    <message>
        <source>A unit where a digit has exactly two places is a strong link: one of the two cells holds it. Say column 1 has 7 only in r2c1 and r8c1, and column 5 only in r3c5 and r8c5. The bottom ends share row 8, so at most one of them is 7. If r8c1 is not 7, r2c1 is; if r8c1 is 7, r8c5 is not, so r3c5 is. Either way one of the top ends, r2c1 or r3c5, is 7.

So a cell that sees both top ends (shares a row, column or box with each), such as r2c4 or r3c2, loses 7. On the board the four cells are ringed.</source>
        <translation>Eine Einheit, in der eine Ziffer genau zwei Plätze hat, ist eine starke Verbindung: Eine der beiden Zellen enthält sie. Angenommen, Spalte 1 hat die 7 nur in r2c1 und r8c1 und Spalte 5 nur in r3c5 und r8c5. Die unteren Enden teilen Zeile 8, also ist höchstens eines davon die 7. Ist r8c1 nicht die 7, ist es r2c1; ist r8c1 die 7, ist r8c5 sie nicht, also ist es r3c5. So oder so ist eines der oberen Enden, r2c1 oder r3c5, die 7.

Also verliert eine Zelle, die beide oberen Enden sieht (mit jedem eine Zeile, Spalte oder einen Block teilt), etwa r2c4 oder r3c2, die 7. Auf dem Spielfeld sind die vier Zellen eingekreist.</translation>
    </message>
    <message>
        <source>A digit has exactly two places in a row and two in a column, and one end of each is in the same box; a cell that sees both other ends loses the digit.</source>
        <translation>Eine Ziffer hat genau zwei Plätze in einer Zeile und zwei in einer Spalte, und je ein Ende liegt im selben Block; eine Zelle, die beide anderen Enden sieht, verliert die Ziffer.</translation>
    </message>
    <message>
        <source>A unit where a digit has exactly two places is a strong link: one of the two cells holds it. Say row 3 has 5 only in r3c2 and r3c7, and column 1 only in r1c1 and r6c1. The ends r3c2 and r1c1 share box 1, so at most one of them is 5. If r3c2 is not 5, r3c7 is; if r3c2 is 5, r1c1 is not, so r6c1 is. Either way r3c7 or r6c1 is 5.

So r6c7, in row 6 with one and column 7 with the other, loses 5. The row and the column are the two strings; the box ties them. On the board the four cells are ringed.</source>
        <translation>Eine Einheit, in der eine Ziffer genau zwei Plätze hat, ist eine starke Verbindung: Eine der beiden Zellen enthält sie. Angenommen, Zeile 3 hat die 5 nur in r3c2 und r3c7 und Spalte 1 nur in r1c1 und r6c1. Die Enden r3c2 und r1c1 teilen Block 1, also ist höchstens eines davon die 5. Ist r3c2 nicht die 5, ist es r3c7; ist r3c2 die 5, ist r1c1 sie nicht, also ist es r6c1. So oder so ist r3c7 oder r6c1 die 5.

Also verliert r6c7, die mit dem einen Ende Zeile 6 und mit dem anderen Spalte 7 teilt, die 5. Die Zeile und die Spalte sind die beiden Schnüre (Strings); der Block verknüpft sie. Auf dem Spielfeld sind die vier Zellen eingekreist.</translation>
    </message>
    <message>
        <source>Two strong links on one digit, joined at one end each by a shared unit, when they are neither a Skyscraper nor a 2-String Kite; a cell that sees both free ends loses the digit.</source>
        <translation>Zwei starke Verbindungen auf einer Ziffer, an je einem Ende durch eine gemeinsame Einheit verbunden, wenn sie weder ein Skyscraper noch ein 2-String Kite sind; eine Zelle, die beide freien Enden sieht, verliert die Ziffer.</translation>
    </message>
    <message>
        <source>A strong link is a unit where the digit has exactly two places, so one of the two holds it. Say box 1 has 8 only in r1c2 and r3c3, and column 7 only in r3c7 and r9c7. The ends r3c3 and r3c7 share row 3, so at most one is 8. If r1c2 is not 8, r3c3 is, so r3c7 is not and r9c7 is. Either way r1c2 or r9c7 is 8.

So r1c7 and r9c2, which see both free ends, lose 8. The ladder uses this name when a link lies in a box, or when two parallel links are joined through a box. On the board the four cells are ringed.</source>
        <translation>Eine starke Verbindung ist eine Einheit, in der die Ziffer genau zwei Plätze hat, sodass einer der beiden sie enthält. Angenommen, Block 1 hat die 8 nur in r1c2 und r3c3 und Spalte 7 nur in r3c7 und r9c7. Die Enden r3c3 und r3c7 teilen Zeile 3, also ist höchstens eines die 8. Ist r1c2 nicht die 8, ist es r3c3, also ist r3c7 sie nicht, und r9c7 ist es. So oder so ist r1c2 oder r9c7 die 8.

Also verlieren r1c7 und r9c2, die beide freien Enden sehen, die 8. Die Leiter verwendet diesen Namen, wenn eine Verbindung in einem Block liegt oder wenn zwei parallele Verbindungen über einen Block verknüpft sind. Auf dem Spielfeld sind die vier Zellen eingekreist.</translation>
    </message>
    <message>
        <source>A digit&apos;s places in a box all lie on one row and one column of it; with a strong link on a line crossing them outside the box, one cell loses the digit.</source>
        <translation>Die Plätze einer Ziffer in einem Block liegen alle auf einer Zeile und einer Spalte des Blocks; mit einer starken Verbindung auf einer Linie, die sie außerhalb des Blocks kreuzt, verliert eine Zelle die Ziffer.</translation>
    </message>
    <message>
        <source>Say box 5 has 5 only in cells of row 4 and column 6, in a cross, and not all on one of them; the box&apos;s other cells form the empty rectangle. Wherever the box&apos;s 5 goes, it is in row 4 or column 6.

Now column 2 has 5 only in r4c2 and r8c2: a strong link, so one of them is 5. If r4c2 is 5, row 4 has its 5, so box 5&apos;s 5 is in column 6. If not, r8c2 is 5. Either way r8c6 sees a 5, in column 6 or in row 8, and loses it. A hint tells it the same way, ending &quot;r8c6 loses 5&quot;.</source>
        <translation>Angenommen, Block 5 hat die 5 nur in Zellen von Zeile 4 und Spalte 6, über Kreuz, und nicht alle auf nur einer der beiden; die übrigen Zellen des Blocks bilden das leere Rechteck. Wohin die 5 des Blocks auch kommt, sie liegt in Zeile 4 oder in Spalte 6.

Nun hat Spalte 2 die 5 nur in r4c2 und r8c2: eine starke Verbindung, also ist eine der beiden die 5. Ist r4c2 die 5, hat Zeile 4 ihre 5, also liegt die 5 von Block 5 in Spalte 6. Wenn nicht, ist r8c2 die 5. So oder so sieht r8c6 eine 5, in Spalte 6 oder in Zeile 8, und verliert sie. Ein Hinweis erklärt es genauso und endet mit „r8c6 verliert die 5“.</translation>
    </message>
    <message>
        <source>A cell holding only x and y sees a cell holding only x and z and one holding only y and z; one of those two is z, so a cell that sees both loses z.</source>
        <translation>Eine Zelle mit nur x und y sieht eine Zelle mit nur x und z und eine mit nur y und z; eine dieser beiden ist z, also verliert eine Zelle, die beide sieht, z.</translation>
    </message>
    <message>
        <source>The middle cell is the pivot, the other two the pincers. A cell sees another when the two share a row, column or box. Say pivot r5c5 holds 3 and 7, r5c1 holds 3 and 9, and r2c5 holds 7 and 9. If r5c5 is 3, r5c1 is not 3, so it is 9. If r5c5 is 7, r2c5 is 9. Either way a pincer is 9, so r2c1, which sees both pincers, loses 9.

To spot one, look at the cells with two candidates around a cell with two. On the board the chain through the three cells is drawn, its nodes ringed.</source>
        <translation>Die mittlere Zelle ist der Pivot, die beiden anderen sind die Zangen. Eine Zelle sieht eine andere, wenn beide eine Zeile, eine Spalte oder einen Block teilen. Angenommen, der Pivot r5c5 enthält 3 und 7, r5c1 enthält 3 und 9, und r2c5 enthält 7 und 9. Ist r5c5 die 3, ist r5c1 nicht die 3, also die 9. Ist r5c5 die 7, ist r2c5 die 9. So oder so ist eine Zange die 9, also verliert r2c1, die beide Zangen sieht, die 9.

Schauen Sie dazu auf die Zellen mit zwei Kandidaten rund um eine Zelle mit zwei Kandidaten. Auf dem Spielfeld ist die Kette durch die drei Zellen eingezeichnet, ihre Knoten eingekreist.</translation>
    </message>
    <message>
        <source>A cell holding only x, y and z sees one cell holding only x and z and another holding only y and z; one of the three is z, so a cell that sees all three loses z.</source>
        <translation>Eine Zelle mit nur x, y und z sieht eine Zelle mit nur x und z und eine weitere mit nur y und z; eine der drei ist z, also verliert eine Zelle, die alle drei sieht, z.</translation>
    </message>
    <message>
        <source>It is an XY-Wing whose pivot also holds z. Say pivot r5c5 holds 1, 4 and 8, r4c6 holds 4 and 8, and r5c2 holds 1 and 8. If r5c5 is 1, r5c2 is 8. If r5c5 is 4, r4c6 is 8. If r5c5 is 8, it is z itself. So one of the three cells is 8.

Because the pivot may be the 8, only a cell that sees all three loses it. Such cells usually sit in the pivot&apos;s box, on the line it shares with a pincer: here r5c4 and r5c6 lose 8. On the board the three cells are ringed.</source>
        <translation>Es ist ein XY-Wing, dessen Pivot auch z enthält. Angenommen, der Pivot r5c5 enthält 1, 4 und 8, r4c6 enthält 4 und 8, und r5c2 enthält 1 und 8. Ist r5c5 die 1, ist r5c2 die 8. Ist r5c5 die 4, ist r4c6 die 8. Ist r5c5 die 8, ist er selbst z. Also ist eine der drei Zellen die 8.

Weil der Pivot selbst die 8 sein kann, verliert sie nur eine Zelle, die alle drei sieht. Solche Zellen liegen meist im Block des Pivots, auf der Linie, die er mit einer Zange teilt: Hier verlieren r5c4 und r5c6 die 8. Auf dem Spielfeld sind die drei Zellen eingekreist.</translation>
    </message>
    <message>
        <source>Two cells holding only the same x and y, joined by a strong link on x; one of them is y, so a cell that sees both loses y.</source>
        <translation>Zwei Zellen mit nur denselben x und y, verbunden durch eine starke Verbindung auf x; eine von ihnen ist y, also verliert eine Zelle, die beide sieht, y.</translation>
    </message>
    <message>
        <source>A strong link on x is a unit where x has exactly two places, so one of them holds it. Say r2c2 and r7c8 both hold only 4 and 6, and column 5 has 4 only in r2c5, which sees r2c2, and r7c5, which sees r7c8. Suppose neither cell is 6: then both are 4, so neither r2c5 nor r7c5 can be 4, and column 5 has nowhere left for its 4. So r2c2 or r7c8 is 6.

A cell that sees both, such as r2c8 or r7c2, loses 6. On the board the chain is drawn: nodes ringed, the strong links as solid arrows, the weak links (two cells that cannot both hold 4) as dashed ones.</source>
        <translation>Eine starke Verbindung auf x ist eine Einheit, in der x genau zwei Plätze hat, sodass einer davon x enthält. Angenommen, r2c2 und r7c8 enthalten beide nur 4 und 6, und Spalte 5 hat die 4 nur in r2c5, die r2c2 sieht, und in r7c5, die r7c8 sieht. Wäre keine der beiden Zellen die 6, wären beide die 4; dann könnte weder r2c5 noch r7c5 die 4 sein, und Spalte 5 hätte keinen Platz mehr für ihre 4. Also ist r2c2 oder r7c8 die 6.

Eine Zelle, die beide sieht, etwa r2c8 oder r7c2, verliert die 6. Auf dem Spielfeld ist die Kette eingezeichnet: die Knoten eingekreist, die starken Verbindungen als durchgezogene Pfeile, die schwachen Verbindungen (zwei Zellen, die nicht beide die 4 enthalten können) als gestrichelte.</translation>
    </message>
    <message>
        <source>Three corners of a rectangle hold only the same two digits, so the fourth loses both, or the puzzle would have two answers.</source>
        <translation>Drei Ecken eines Rechtecks enthalten nur dieselben zwei Ziffern, also verliert die vierte beide, sonst hätte das Rätsel zwei Lösungen.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Take four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes. If all four ended up with only 2 and 9, the 2s and 9s could swap around the rectangle and every row, column and box would still be right: two answers. A puzzle with one answer never lets that happen.

Say r1c1, r1c4 and r2c1 hold only 2 and 9, and r2c4 holds 2, 5 and 9. If r2c4 were 2 or 9, the swap would be open, so r2c4 loses 2 and 9. A hint reads like &quot;Unique Rectangle Type 1 on 2 and 9: ...: r2c4 loses 2 and 9&quot;.</source>
        <translation>Nur bei einem Rätsel, von dem feststeht, dass es genau eine Lösung hat. Nehmen Sie vier leere Zellen an den Ecken eines Rechtecks in zwei Zeilen, zwei Spalten und genau zwei Blöcken. Blieben allen vieren am Ende nur 2 und 9, könnten die Zweien und Neunen rund um das Rechteck die Plätze tauschen, und jede Zeile, jede Spalte und jeder Block wäre trotzdem richtig: zwei Lösungen. Ein Rätsel mit einer einzigen Lösung lässt das nie zu.

Angenommen, r1c1, r1c4 und r2c1 enthalten nur 2 und 9, und r2c4 enthält 2, 5 und 9. Wäre r2c4 die 2 oder die 9, stünde der Tausch offen, also verliert r2c4 die 2 und die 9. Ein Hinweis lautet etwa „Unique Rectangle Typ 1 auf 2 und 9: ...: r2c4 verliert 2 und 9“.</translation>
    </message>
    <message>
        <source>Two corners of a rectangle hold only x and y, the other two only x, y and the same z; one of those two is z, so a cell that sees both loses z.</source>
        <translation>Zwei Ecken eines Rechtecks enthalten nur x und y, die anderen beiden nur x, y und dasselbe z; eine dieser beiden ist z, also verliert eine Zelle, die beide sieht, z.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes must never end up with the same two digits only: they could swap, and the puzzle would have two answers.

Say r1c1 and r1c4 hold only 2 and 9, while r2c1 and r2c4 hold 2, 6 and 9. If neither r2c1 nor r2c4 were 6, all four corners would be left with 2 and 9. So one of them is 6, and every cell that sees both (shares a row, column or box with each), here the rest of row 2, loses 6.</source>
        <translation>Nur bei einem Rätsel, von dem feststeht, dass es genau eine Lösung hat. Vier leeren Zellen an den Ecken eines Rechtecks in zwei Zeilen, zwei Spalten und genau zwei Blöcken dürfen am Ende nie nur dieselben zwei Ziffern bleiben: Sie könnten tauschen, und das Rätsel hätte zwei Lösungen.

Angenommen, r1c1 und r1c4 enthalten nur 2 und 9, während r2c1 und r2c4 2, 6 und 9 enthalten. Wäre weder r2c1 noch r2c4 die 6, blieben allen vier Ecken nur 2 und 9. Also ist eine von ihnen die 6, und jede Zelle, die beide sieht (mit jeder eine Zeile, Spalte oder einen Block teilt), hier der Rest von Zeile 2, verliert die 6.</translation>
    </message>
    <message>
        <source>Two corners of a rectangle hold only x and y, and the other two are the only places for x in a unit; one of them is x, so neither may be y.</source>
        <translation>Zwei Ecken eines Rechtecks enthalten nur x und y, und die anderen beiden sind die einzigen Plätze für x in einer Einheit; eine von ihnen ist x, also darf keine der beiden y sein.</translation>
    </message>
    <message>
        <source>Used only on a puzzle known to have exactly one answer. Four empty cells at the corners of a rectangle in two rows, two columns and exactly two boxes must never end up with the same two digits only: they could swap, and the puzzle would have two answers.

Say r1c1 and r1c4 hold only 2 and 9, and row 2 has 2 only in r2c1 and r2c4. One of those two is 2. If the other were 9, the four corners would hold just 2 and 9, ready to swap. So neither can be 9: r2c1 and r2c4 both lose 9 and keep their other candidates.</source>
        <translation>Nur bei einem Rätsel, von dem feststeht, dass es genau eine Lösung hat. Vier leeren Zellen an den Ecken eines Rechtecks in zwei Zeilen, zwei Spalten und genau zwei Blöcken dürfen am Ende nie nur dieselben zwei Ziffern bleiben: Sie könnten tauschen, und das Rätsel hätte zwei Lösungen.

Angenommen, r1c1 und r1c4 enthalten nur 2 und 9, und Zeile 2 hat die 2 nur in r2c1 und r2c4. Eine dieser beiden ist die 2. Wäre die andere die 9, enthielten die vier Ecken nur 2 und 9, bereit zum Tausch. Also kann keine von ihnen die 9 sein: r2c1 und r2c4 verlieren beide die 9 und behalten ihre anderen Kandidaten.</translation>
    </message>
    <message>
        <source>One digit&apos;s cells joined by strong links get two colours in turn; a colour that meets itself is false, and a cell seeing both colours loses the digit.</source>
        <translation>Die Zellen einer Ziffer, durch starke Verbindungen verknüpft, bekommen abwechselnd zwei Farben; eine Farbe, die auf sich selbst trifft, ist falsch, und eine Zelle, die beide Farben sieht, verliert die Ziffer.</translation>
    </message>
    <message>
        <source>A strong link is a unit where the digit has exactly two places: one holds it, the other does not. Colour one such cell, give its partner the other colour, and so on along every strong link, swapping colour each time. One colour holds the digit in all its cells, the other in none.

The ladder first looks for a wrap: two cells of one colour in the same row, column or box. They cannot both hold the digit, so that colour is false and all its cells lose it. Otherwise it looks for a trap: a cell outside the colouring that sees both colours. It sees the digit either way and loses it. On the board the cells are ringed in the two colours.</source>
        <translation>Eine starke Verbindung ist eine Einheit, in der die Ziffer genau zwei Plätze hat: Einer enthält sie, der andere nicht. Färben Sie eine solche Zelle, geben Sie ihrem Partner die andere Farbe, und so weiter entlang jeder starken Verbindung, wobei die Farbe jedes Mal wechselt. Die eine Farbe enthält die Ziffer in allen ihren Zellen, die andere in keiner.

Die Leiter sucht zuerst einen Widerspruch: zwei Zellen derselben Farbe in derselben Zeile, Spalte oder demselben Block. Sie können nicht beide die Ziffer enthalten, also ist diese Farbe falsch, und alle ihre Zellen verlieren die Ziffer. Sonst sucht sie eine Falle: eine Zelle außerhalb der Färbung, die beide Farben sieht. Sie sieht die Ziffer in jedem Fall und verliert sie. Auf dem Spielfeld sind die Zellen in den beiden Farben eingekreist.</translation>
    </message>
    <message>
        <source>A chain on one digit whose links are strong and weak in turn, strong at both ends; one end holds the digit, so a cell that sees both ends loses it.</source>
        <translation>Eine Kette auf einer Ziffer, deren Verbindungen abwechselnd stark und schwach sind, stark an beiden Enden; ein Ende enthält die Ziffer, also verliert eine Zelle, die beide Enden sieht, sie.</translation>
    </message>
    <message>
        <source>A strong link joins the only two places of the digit in a unit: if one lacks the digit, the other has it. A weak link joins two cells that see each other (share a row, column or box): if one has the digit, the other lacks it.

Suppose the first cell lacks the digit. The links put it in the next cell, take it from the one after, and so on, until the last link puts it in the last cell. So one of the two ends holds it.

A hint writes the chain like &quot;r1c2≠3 → r1c7=3 → r4c7≠3 → ...&quot; (≠ for &quot;is not&quot;). On the board strong links are solid arrows, weak links dashed.</source>
        <translation>Eine starke Verbindung verknüpft die einzigen zwei Plätze der Ziffer in einer Einheit: Fehlt die Ziffer im einen, steht sie im anderen. Eine schwache Verbindung verknüpft zwei Zellen, die einander sehen (eine Zeile, Spalte oder einen Block teilen): Steht die Ziffer in der einen, fehlt sie in der anderen.

Angenommen, der ersten Zelle fehlt die Ziffer. Die Verbindungen setzen sie in die nächste Zelle, nehmen sie aus der übernächsten und so weiter, bis die letzte Verbindung sie in die letzte Zelle setzt. Also enthält eines der beiden Enden sie.

Ein Hinweis schreibt die Kette etwa als „r1c2≠3 → r1c7=3 → r4c7≠3 → ...“ (≠ für „ist nicht“). Auf dem Spielfeld sind starke Verbindungen durchgezogene Pfeile, schwache gestrichelte.</translation>
    </message>
    <message>
        <source>A chain of cells with two candidates each, every cell seeing the next and sharing a digit with it; one end is z, so cells seeing both ends lose z.</source>
        <translation>Eine Kette von Zellen mit je zwei Kandidaten, in der jede Zelle die nächste sieht und eine Ziffer mit ihr teilt; ein Ende ist z, also verlieren Zellen, die beide Enden sehen, z.</translation>
    </message>
    <message>
        <source>In a cell with two candidates, if one digit is out the other is in: a strong link. Two cells that see each other (share a row, column or box) cannot hold the same digit: a weak link.

Start in a cell holding z and another digit, and suppose it is not z. Then it holds the other digit, so the next cell, which sees it and holds that digit too, takes its own other digit, and so on. The chain ends in a cell that this forces to be z. So the first cell or the last is z.

A hint names each cell twice, off then on: &quot;r1c1≠4 → r1c1=6 → r1c5≠6 → r1c5=8 → ...&quot;.</source>
        <translation>Ist in einer Zelle mit zwei Kandidaten die eine Ziffer ausgeschlossen, steht die andere fest: eine starke Verbindung. Zwei Zellen, die einander sehen (eine Zeile, Spalte oder einen Block teilen), können nicht dieselbe Ziffer enthalten: eine schwache Verbindung.

Beginnen Sie in einer Zelle mit z und einer anderen Ziffer, und nehmen Sie an, sie ist nicht z. Dann enthält sie die andere Ziffer, also bekommt die nächste Zelle, die sie sieht und diese Ziffer ebenfalls enthält, ihre eigene andere Ziffer, und so weiter. Die Kette endet in einer Zelle, die dadurch z sein muss. Also ist die erste Zelle oder die letzte z.

Ein Hinweis nennt jede Zelle zweimal, erst ausgeschlossen, dann gesetzt: „r1c1≠4 → r1c1=6 → r1c5≠6 → r1c5=8 → ...“.</translation>
    </message>
    <message>
        <source>Strong and weak links in turn, over any digits and cells; one end of the chain is true, so a candidate clashing with both ends goes.</source>
        <translation>Starke und schwache Verbindungen im Wechsel, über beliebige Ziffern und Zellen; ein Ende der Kette ist wahr, also fällt ein Kandidat weg, der sich mit beiden Enden nicht verträgt.</translation>
    </message>
    <message>
        <source>A node is a candidate, a digit in a cell, or a group: a digit in two or three cells of a box on one line, meaning &quot;in one of these&quot; (r1c12 is r1c1 and r1c2). A strong link says at least one of two nodes is true: the only two candidates of a cell, or the only two places of a digit in a unit. A weak link says they cannot both be true: two candidates of one cell, or one digit in cells that see each other.

The chain starts and ends with strong links. If its first node is false, its last is true, so one end is true. A candidate goes when each end, if true, would rule it out: for instance the ends&apos; digit in a cell seeing both.</source>
        <translation>Ein Knoten ist ein Kandidat, also eine Ziffer in einer Zelle, oder eine Gruppe: eine Ziffer in zwei oder drei Zellen eines Blocks auf einer Linie, im Sinne von „in einer dieser Zellen“ (r1c12 steht für r1c1 und r1c2). Eine starke Verbindung besagt, dass mindestens einer von zwei Knoten wahr ist: die einzigen zwei Kandidaten einer Zelle oder die einzigen zwei Plätze einer Ziffer in einer Einheit. Eine schwache Verbindung besagt, dass sie nicht beide wahr sein können: zwei Kandidaten einer Zelle oder eine Ziffer in Zellen, die einander sehen.

Die Kette beginnt und endet mit starken Verbindungen. Ist ihr erster Knoten falsch, ist ihr letzter wahr; also ist ein Ende wahr. Ein Kandidat fällt weg, wenn jedes Ende, falls es wahr ist, ihn ausschließen würde: zum Beispiel die Ziffer der Enden in einer Zelle, die beide sieht.</translation>
    </message>
    <message>
        <source>Two almost locked sets that cannot both hold x; one of them holds a shared digit z, so a cell seeing every z in both loses z.</source>
        <translation>Zwei Almost Locked Sets, die nicht beide x enthalten können; eines von ihnen enthält eine gemeinsame Ziffer z, also verliert eine Zelle, die jedes z in beiden sieht, z.</translation>
    </message>
    <message>
        <source>An almost locked set is N cells of one unit with N + 1 candidates between them, such as a single cell with two. If it loses one digit, the others fill its cells.

Say every x of one set sees (shares a row, column or box with) every x of the other. They cannot both hold x, so one lacks it and holds all its other digits. If both hold z, one holds z, and a cell outside both that sees every z of both loses z.

If a second digit y links them the same way (doubly linked), each set holds one of x and y and all its other digits. Then x and y leave cells that see all their places in both sets, and each other digit leaves cells that see all its places in one set.</source>
        <translation>Ein Almost Locked Set (ALS, „fast gesperrte Menge“) sind N Zellen einer Einheit mit zusammen N + 1 Kandidaten, etwa eine einzelne Zelle mit zwei. Verliert es eine Ziffer, füllen die anderen seine Zellen.

Angenommen, jedes x der einen Menge sieht (teilt eine Zeile, Spalte oder einen Block mit) jedes x der anderen. Sie können nicht beide x enthalten, also fehlt x in einer von ihnen, und diese enthält alle ihre anderen Ziffern. Enthalten beide z, enthält eine von ihnen z, und eine Zelle außerhalb beider, die jedes z beider Mengen sieht, verliert z.

Verknüpft eine zweite Ziffer y sie auf dieselbe Weise (doppelt verknüpft), enthält jede Menge eine der Ziffern x und y und alle ihre anderen Ziffern. Dann verschwinden x und y aus Zellen, die alle ihre Plätze in beiden Mengen sehen, und jede andere Ziffer verschwindet aus Zellen, die alle ihre Plätze in einer der Mengen sehen.</translation>
    </message>
    <message>
        <source>Three almost locked sets linked in a chain, by x and then by y; the two outer ones cannot both lack a shared digit z, so cells seeing all their z&apos;s lose z.</source>
        <translation>Drei Almost Locked Sets, zu einer Kette verknüpft, erst durch x, dann durch y; den beiden äußeren kann eine gemeinsame Ziffer z nicht zugleich fehlen, also verlieren Zellen, die alle ihre z sehen, z.</translation>
    </message>
    <message>
        <source>An almost locked set is N cells of one unit with N + 1 candidates between them; if it loses one digit, the others fill its cells. Two sets are linked by x when every x of one sees every x of the other: they cannot both hold x.

The first set links to a middle set by x, the middle set to the third by y, and the first and third share z. If the first lacks z, it holds all its other digits, x among them. Then the middle set lacks x and holds y, so the third lacks y and holds z. So a cell outside the three that sees every z of the first and third sets loses z.</source>
        <translation>Ein Almost Locked Set sind N Zellen einer Einheit mit zusammen N + 1 Kandidaten; verliert es eine Ziffer, füllen die anderen seine Zellen. Zwei Mengen sind durch x verknüpft, wenn jedes x der einen jedes x der anderen sieht: Sie können nicht beide x enthalten.

Die erste Menge ist durch x mit einer mittleren verknüpft, die mittlere durch y mit der dritten, und die erste und die dritte haben z gemeinsam. Fehlt der ersten z, enthält sie alle ihre anderen Ziffern, darunter x. Dann fehlt der mittleren x, und sie enthält y, also fehlt der dritten y, und sie enthält z. Also verliert eine Zelle außerhalb der drei, die jedes z der ersten und der dritten Menge sieht, z.</translation>
    </message>
    <message>
        <source>Every candidate of one cell, tried in turn, leads to the same fact, so that fact is true whatever the cell holds.</source>
        <translation>Jeder Kandidat einer Zelle führt, der Reihe nach ausprobiert, zur selben Tatsache, also gilt diese Tatsache, was auch immer die Zelle enthält.</translation>
    </message>
    <message>
        <source>Suppose the cell holds its first candidate and follow what that forces, as if playing it out on a copy of the board: the digit leaves the cell&apos;s row, column and box, which makes new singles, which are placed in turn. Do the same for each other candidate. If every try places the same digit in some cell, or removes the same candidate, that placement or removal is sure.

The ladder looks at cells with fewest candidates first, whose chains are fewest and shortest. A hint gives one chain per candidate, like &quot;r4c4=1 → r4c6≠1 → ...; r4c4=7 → ...&quot;. Each arrow is a link: a placed digit is ruled out in the cells that see it (a weak link), and a last remaining choice must be true (a strong link).</source>
        <translation>Nehmen Sie an, die Zelle enthält ihren ersten Kandidaten, und verfolgen Sie, was daraus folgt, als spielten Sie es auf einer Kopie des Spielfelds durch: Die Ziffer verschwindet aus Zeile, Spalte und Block der Zelle, dadurch entstehen neue Singles, die ihrerseits gesetzt werden. Machen Sie dasselbe für jeden anderen Kandidaten. Setzt jeder Versuch dieselbe Ziffer in eine Zelle oder entfernt denselben Kandidaten, ist dieses Setzen oder Entfernen sicher.

Die Leiter betrachtet zuerst die Zellen mit den wenigsten Kandidaten, die die wenigsten und kürzesten Ketten haben. Ein Hinweis gibt je Kandidat eine Kette an, etwa „r4c4=1 → r4c6≠1 → ...; r4c4=7 → ...“. Jeder Pfeil ist eine Verbindung: Eine gesetzte Ziffer ist in den Zellen, die sie sehen, ausgeschlossen (eine schwache Verbindung), und eine letzte verbleibende Möglichkeit muss wahr sein (eine starke Verbindung).</translation>
    </message>
    <message>
        <source>Every place of a digit in one row, column or box, tried in turn, leads to the same fact, so that fact is true wherever the digit goes.</source>
        <translation>Jeder Platz einer Ziffer in einer Zeile, einer Spalte oder einem Block führt, der Reihe nach ausprobiert, zur selben Tatsache, also gilt diese Tatsache, wohin die Ziffer auch kommt.</translation>
    </message>
    <message>
        <source>The unit must hold the digit in one of its places. Suppose it is in the first place and follow what that forces, as if playing it out on a copy of the board: the digit leaves its row, column and box, which makes new singles, which are placed in turn. Do the same for each other place. If every try places the same digit in some cell, or removes the same candidate, that placement or removal is sure.

The ladder looks at digits with the fewest places first. A hint gives one chain per place, each from its assumption, like &quot;r2c3=5 → r2c8≠5 → ...; r6c3=5 → ...&quot;, ≠ for &quot;is not&quot;. On the board the chains&apos; nodes are ringed.</source>
        <translation>Die Einheit muss die Ziffer an einem ihrer Plätze enthalten. Nehmen Sie an, sie steht am ersten Platz, und verfolgen Sie, was daraus folgt, als spielten Sie es auf einer Kopie des Spielfelds durch: Die Ziffer verschwindet aus ihrer Zeile, ihrer Spalte und ihrem Block, dadurch entstehen neue Singles, die ihrerseits gesetzt werden. Machen Sie dasselbe für jeden anderen Platz. Setzt jeder Versuch dieselbe Ziffer in eine Zelle oder entfernt denselben Kandidaten, ist dieses Setzen oder Entfernen sicher.

Die Leiter betrachtet zuerst die Ziffern mit den wenigsten Plätzen. Ein Hinweis gibt je Platz eine Kette an, jede von ihrer Annahme aus, etwa „r2c3=5 → r2c8≠5 → ...; r6c3=5 → ...“, ≠ für „ist nicht“. Auf dem Spielfeld sind die Knoten der Ketten eingekreist.</translation>
    </message>
    <message>
        <source>A candidate whose assumption leads, through singles, to a cell with no candidate or a digit with no place is false and is removed.</source>
        <translation>Ein Kandidat, dessen Annahme über Singles zu einer Zelle ohne Kandidaten oder zu einer Ziffer ohne Platz führt, ist falsch und wird entfernt.</translation>
    </message>
    <message>
        <source>Suppose the candidate is the cell&apos;s value and follow what that forces, as if playing it out on a copy of the board: the digit leaves its row, column and box, which makes new singles, which are placed in turn. If this ends in an impossible board, a cell with no candidate left or a unit with no place left for some digit, the assumption was wrong.

The ladder tries the cells with fewest candidates first and shows the shortest chain it finds. A hint reads like &quot;r2c2=5 → r2c7≠5 → ..., and r6c3 has no candidate left; so r2c2 loses 5&quot;. On the board the assumption and the place where it breaks are tinted.</source>
        <translation>Nehmen Sie an, der Kandidat ist der Wert der Zelle, und verfolgen Sie, was daraus folgt, als spielten Sie es auf einer Kopie des Spielfelds durch: Die Ziffer verschwindet aus ihrer Zeile, ihrer Spalte und ihrem Block, dadurch entstehen neue Singles, die ihrerseits gesetzt werden. Endet das in einem unmöglichen Spielfeld, mit einer Zelle ohne verbleibende Kandidaten oder einer Einheit ohne Platz für eine Ziffer, war die Annahme falsch.

Die Leiter probiert zuerst die Zellen mit den wenigsten Kandidaten und zeigt die kürzeste Kette, die sie findet. Ein Hinweis lautet etwa „r2c2=5 → r2c7≠5 → ..., und r6c3 hat keinen Kandidaten mehr; also verliert r2c2 die 5“. Auf dem Spielfeld sind die Annahme und die Stelle, an der sie scheitert, getönt.</translation>
    </message>
    <message>
        <source>A contradiction forcing chain that, while it follows its assumption, also runs smaller contradiction chains inside it to remove more candidates.</source>
        <translation>Eine Widerspruchskette, die, während sie ihrer Annahme folgt, in ihrem Inneren kleinere Widerspruchsketten durchspielt, um weitere Kandidaten zu entfernen.</translation>
    </message>
    <message>
        <source>It is the last rung, for when nothing else works. As in a contradiction forcing chain, suppose a candidate is true and follow what it forces until the board breaks. But at each point of the way, also try every remaining candidate on the board reached so far: one whose own singles would break that board is removed, and the outer chain goes on with it gone. A hint marks those removals &quot;(by an inner chain)&quot;.

On a puzzle known to have one answer, when one level of inner chains is not enough, the ladder goes a level deeper, and deeper still if it must. There every wrong candidate fails at some depth, so this rung always finds a step.</source>
        <translation>Sie ist die letzte Sprosse, für den Fall, dass nichts anderes hilft. Wie bei einer Widerspruchskette nehmen Sie an, ein Kandidat ist wahr, und verfolgen, was daraus folgt, bis das Spielfeld zerbricht. An jedem Punkt des Weges probieren Sie aber zusätzlich jeden verbleibenden Kandidaten auf dem bis dahin erreichten Spielfeld aus: Einer, dessen eigene Singles dieses Spielfeld zerbrechen würden, wird entfernt, und die äußere Kette geht ohne ihn weiter. Ein Hinweis kennzeichnet diese Entfernungen mit „(durch eine innere Kette)“.

Bei einem Rätsel, von dem feststeht, dass es nur eine Lösung hat, geht die Leiter eine Ebene tiefer, wenn eine Ebene innerer Ketten nicht genügt, und wenn nötig noch tiefer. Dort scheitert jeder falsche Kandidat in irgendeiner Tiefe, sodass diese Sprosse immer einen Schritt findet.</translation>
    </message>
</context>
</TS>
