<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Class</name>
    <message>
        <source>Own Puzzles</source>
        <translation>Eigene Rätsel</translation>
    </message>
    <message>
        <source>Technique Practice</source>
        <translation>Techniktraining</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Level: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>Class: %1 (the level setting)</source>
        <translation>Klasse: %1 (der eingestellte Schwierigkeitsgrad)</translation>
    </message>
    <message>
        <source>Technique: %1</source>
        <translation>Technik: %1</translation>
    </message>
    <message>
        <source>grid atelier file (*.ga)</source>
        <translation>Grid-Atelier-Datei (*.ga)</translation>
    </message>
    <message>
        <source>puzzle files (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)</source>
        <translation>Rätseldateien (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)</translation>
    </message>
    <message>
        <source>all files (*.*)</source>
        <translation>alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>puzzle with notes (*.sdk)</source>
        <translation>Rätsel mit Notizen (*.sdk)</translation>
    </message>
    <message>
        <source>puzzle drawn in boxes (*.ss)</source>
        <translation>Rätsel in Blöcken gezeichnet (*.ss)</translation>
    </message>
    <message>
        <source>puzzle line (*.sdm)</source>
        <translation>Rätsel als Zeile (*.sdm)</translation>
    </message>
    <message>
        <source>XML collection (*.opensudoku)</source>
        <translation>XML-Sammlung (*.opensudoku)</translation>
    </message>
    <message>
        <source>save file as ...</source>
        <translation>Datei speichern unter ...</translation>
    </message>
    <message>
        <source>open file selected</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Next Puzzle in Collection</source>
        <translation>Nächstes Rätsel der Sammlung</translation>
    </message>
    <message>
        <source>export picture as ...</source>
        <translation>Bild exportieren als ...</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Ctrl + </source>
        <translation>Strg + </translation>
    </message>
    <message>
        <source>Shift + </source>
        <translation>Umschalt + </translation>
    </message>
    <message>
        <source>Alt + </source>
        <translation>Alt + </translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Load Puzzle</source>
        <translation>Rätsel laden</translation>
    </message>
    <message>
        <source>Save Puzzle</source>
        <translation>Rätsel speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Print Puzzles...</source>
        <translation>Rätselheft drucken...</translation>
    </message>
    <message>
        <source>Mark Cell Rose	Alt + 1</source>
        <translation>Zelle markieren: Rosa	Alt + 1</translation>
    </message>
    <message>
        <source>Mark Cell Green	Alt + 2</source>
        <translation>Zelle markieren: Grün	Alt + 2</translation>
    </message>
    <message>
        <source>Mark Cell Orange	Alt + 3</source>
        <translation>Zelle markieren: Orange	Alt + 3</translation>
    </message>
    <message>
        <source>Mark Cell Lilac	Alt + 4</source>
        <translation>Zelle markieren: Lila	Alt + 4</translation>
    </message>
    <message>
        <source>Unmark Cell	Alt + 0</source>
        <translation>Markierung entfernen	Alt + 0</translation>
    </message>
    <message>
        <source>Clear Colour Marks</source>
        <translation>Alle Farbmarkierungen entfernen</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Practice a Technique...</source>
        <translation>Technik üben...</translation>
    </message>
    <message>
        <source>Hand-build Puzzle</source>
        <translation>Rätsel selbst eingeben</translation>
    </message>
    <message>
        <source>Recreate from Serial Number...</source>
        <translation>Aus Seriennummer neu erstellen...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>Show Candidates</source>
        <translation>Kandidaten anzeigen</translation>
    </message>
    <message>
        <source>Fill In Candidates</source>
        <translation>Kandidaten eintragen</translation>
    </message>
    <message>
        <source>Pencil Marks</source>
        <translation>Notizenmethode</translation>
    </message>
    <message>
        <source>Backtracking</source>
        <translation>Backtracking</translation>
    </message>
    <message>
        <source>Check Solvable</source>
        <translation>Lösbarkeit prüfen</translation>
    </message>
    <message>
        <source>Check Multiple	Ctrl + Shift + U</source>
        <translation>Auf mehrere Lösungen prüfen	Ctrl + Shift + U</translation>
    </message>
    <message>
        <source>Open Answer</source>
        <translation>Lösung aufdecken</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation>Hinweis anwenden</translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation>Rätsel bewerten</translation>
    </message>
    <message>
        <source>Erase Solving And Candidates</source>
        <translation>Eingaben und Kandidaten löschen</translation>
    </message>
    <message>
        <source>Not Express Mistake</source>
        <translation>Fehler nicht anzeigen</translation>
    </message>
    <message>
        <source>Visible Mistake</source>
        <translation>Sichtbare Fehler</translation>
    </message>
    <message>
        <source>Absolute Mistake</source>
        <translation>Absolute Fehler</translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation>Standardeinstellungen</translation>
    </message>
    <message>
        <source>Record Regions of Multi Answer...</source>
        <translation>Bereiche mehrdeutiger Lösungen aufzeichnen...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>Hilfe	F1</translation>
    </message>
    <message>
        <source>Stop Making a Puzzle</source>
        <translation>Rätselerstellung abbrechen</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent Puzzles</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Edit(&amp;D)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Colour Marks</source>
        <translation>Farbmarkierungen</translation>
    </message>
    <message>
        <source>Puzzle(&amp;P)</source>
        <translation>&amp;Rätsel</translation>
    </message>
    <message>
        <source>-- Level Setting</source>
        <translation>-- Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>New Puzzle by Level</source>
        <translation>Neues Rätsel nach Stufe</translation>
    </message>
    <message>
        <source>Solve(&amp;S)</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Express(&amp;E)</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(noch keine)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätselheft drucken</translation>
    </message>
    <message>
        <source>Only %1 of the %2 puzzles could be made; nothing was printed.</source>
        <translation>Nur %1 der %2 Rätsel konnten erstellt werden; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Practice a Technique</source>
        <translation>Technik üben</translation>
    </message>
    <message>
        <source>No puzzle was found that needs %1.</source>
        <translation>Es wurde kein Rätsel gefunden, das %1 erfordert.</translation>
    </message>
    <message>
        <source>The file %1 is no longer there; it was taken from the list.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden; sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read. A new start instead.</source>
        <translation>Das vom letzten Mal gespeicherte Spiel konnte nicht gelesen werden. Stattdessen beginnt ein neues.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read and was moved to %1. A new start instead.</source>
        <translation>Das vom letzten Mal gespeicherte Spiel konnte nicht gelesen werden und wurde nach %1 verschoben. Stattdessen beginnt ein neues.</translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation>Rätsel bewerten</translation>
    </message>
    <message>
        <source>This puzzle has no answer, so it has no rating.</source>
        <translation>Dieses Rätsel hat keine Lösung und daher keine Bewertung.</translation>
    </message>
    <message>
        <source>This puzzle has more than one answer, so it has no rating.</source>
        <translation>Dieses Rätsel hat mehr als eine Lösung und daher keine Bewertung.</translation>
    </message>
    <message>
        <source>This puzzle&apos;s answers take too long to count, so it has no rating.</source>
        <translation>Die Lösungen dieses Rätsels zu zählen dauert zu lange, daher hat es keine Bewertung.</translation>
    </message>
    <message>
        <source>The ladder of techniques gets no further than step %d, so this puzzle has no rating.<byte value="xd"/>
<byte value="xd"/>
So far: score %d, hardest technique %s%s%s.</source>
        <translation>Die Leiter der Techniken kommt nicht über Schritt %d hinaus, daher hat dieses Rätsel keine Bewertung.<byte value="xd"/>
<byte value="xd"/>
Bis dahin: Punktzahl %d, schwierigste Technik %s%s%s.</translation>
    </message>
    <message>
        <source>, steps: </source>
        <translation>, Schritte: </translation>
    </message>
    <message>
        <source>Level: %s<byte value="xd"/>
Score: %d<byte value="xd"/>
Hardest technique: %s<byte value="xd"/>
Steps: %d (%s)<byte value="xd"/>
<byte value="xd"/>
The level, from Easy through Medium, Hard and Fiendish to Extreme, is that of the hardest technique, one higher when the way is long. The score adds up every step of the solution, each weighing more the harder its technique is.</source>
        <translation>Stufe: %s<byte value="xd"/>
Punktzahl: %d<byte value="xd"/>
Schwierigste Technik: %s<byte value="xd"/>
Schritte: %d (%s)<byte value="xd"/>
<byte value="xd"/>
Die Stufe, von Leicht über Mittel, Schwer und Teuflisch bis Extrem, ist die der schwierigsten Technik, eine höher, wenn der Weg lang ist. Die Punktzahl zählt alle Schritte der Lösung zusammen, jeden umso schwerer, je schwieriger seine Technik ist.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Die Zwischenablage enthält kein Rätsel</translation>
    </message>
    <message>
        <source>%s: line %d has %s, which is neither a digit 1-9 nor an open cell (. 0 * _).</source>
        <translation>%s: Zeile %d enthält %s, das weder eine Ziffer 1-9 noch eine leere Zelle (. 0 * _) ist.</translation>
    </message>
    <message>
        <source>%s: it has %d cells, a puzzle has 81.</source>
        <translation>%s: der Text hat %d Zellen, ein Rätsel hat 81.</translation>
    </message>
    <message>
        <source>%s: line %d has %d cells, a row has 9.</source>
        <translation>%s: Zeile %d hat %d Zellen, eine Rätselzeile hat 9.</translation>
    </message>
    <message>
        <source>The clipboard holds a full grid: a puzzle needs open cells.</source>
        <translation>Die Zwischenablage enthält ein volles Gitter: ein Rätsel braucht leere Zellen.</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>box</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>The clues break the rule: %d stands twice in %s %d.</source>
        <translation>Die Vorgaben verletzen die Regel: %d steht zweimal in %s %d.</translation>
    </message>
    <message>
        <source>These clues have no answer.</source>
        <translation>Diese Vorgaben haben keine Lösung.</translation>
    </message>
    <message>
        <source>These clues take too long to check: whether they have an answer is still open.</source>
        <translation>Die Prüfung dieser Vorgaben dauert zu lange: ob sie eine Lösung haben, bleibt offen.</translation>
    </message>
    <message>
        <source>Load Puzzle</source>
        <translation>Rätsel laden</translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: line %d: %s.</source>
        <translation>%s enthält kein Rätsel, das dieses Programm laden kann: Zeile %d: %s.</translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: %s.</source>
        <translation>%s enthält kein Rätsel, das dieses Programm laden kann: %s.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, clue</source>
        <translation>%1, vorgegeben</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <source>, mistake</source>
        <translation>, Fehler</translation>
    </message>
    <message>
        <source>, marked %1</source>
        <translation>, %1 markiert</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>none left</source>
        <translation>keine mehr</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>making %1 puzzles to print<byte value="xd"/>
(Escape stops)</source>
        <translation>erstelle %1 Rätsel zum Drucken<byte value="xd"/>
(Esc bricht ab)</translation>
    </message>
    <message>
        <source>making a puzzle to practise<byte value="xd"/>
%1 (Escape stops)</source>
        <translation>erstelle ein Übungsrätsel für<byte value="xd"/>
%1 (Esc bricht ab)</translation>
    </message>
    <message>
        <source>making an %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation>erstelle ein Rätsel der Stufe %1<byte value="xd"/>
(Esc bricht ab)</translation>
    </message>
    <message>
        <source>making a %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation>erstelle ein Rätsel der Stufe %1<byte value="xd"/>
(Esc bricht ab)</translation>
    </message>
    <message>
        <source>practise %1: the steps before it are<byte value="xd"/>
done and the notes filled in; Hint shows it</source>
        <translation>üben Sie %1: die Schritte davor sind<byte value="xd"/>
erledigt, die Notizen eingetragen; Hinweis zeigt sie</translation>
    </message>
    <message>
        <source>new %1 puzzle, score %2,<byte value="xd"/>
hardest step: %3</source>
        <translation>neues Rätsel der Stufe %1, Punktzahl %2,<byte value="xd"/>
schwierigster Schritt: %3</translation>
    </message>
    <message>
        <source>welcome back: your game goes on where you left it</source>
        <translation>willkommen zurück: Ihr Spiel geht dort weiter, wo Sie aufgehört haben</translation>
    </message>
    <message>
        <source>candidates due to shallow analysis.<byte value="xd"/>
they are just hints</source>
        <translation>Kandidaten aus einfacher Analyse.<byte value="xd"/>
sie sind nur Hinweise</translation>
    </message>
    <message>
        <source>candidates due to deep analysis.</source>
        <translation>Kandidaten aus gründlicher Analyse.</translation>
    </message>
    <message>
        <source>no candidates expressed<byte value="xd"/>
even by shallow analysis<byte value="xd"/>
cause single candidate is not a hint.</source>
        <translation>keine Kandidaten angezeigt,<byte value="xd"/>
auch nicht aus einfacher Analyse,<byte value="xd"/>
da ein einzelner Kandidat kein Hinweis ist.</translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s, sn is %s</source>
        <translation>geladen: %s,<byte value="xd"/>
%s, Seriennr. %s</translation>
    </message>
    <message>
        <source>loaded %s, %s</source>
        <translation>geladen: %s, %s</translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s without Answer</source>
        <translation>geladen: %s,<byte value="xd"/>
%s ohne Lösung</translation>
    </message>
    <message>
        <source>welcome to the Grid Atelier!</source>
        <translation>willkommen im Grid Atelier!</translation>
    </message>
    <message>
        <source>you&apos;re going to try puzzles as %s</source>
        <translation>Sie spielen jetzt Rätsel der Klasse %s</translation>
    </message>
    <message>
        <source>new puzzle as %s class,<byte value="xd"/>
serial number is %s</source>
        <translation>neues Rätsel der Klasse %s,<byte value="xd"/>
Seriennummer %s</translation>
    </message>
    <message>
        <source>no express mistakes</source>
        <translation>Fehler werden nicht angezeigt</translation>
    </message>
    <message>
        <source>express visible mistakes as red color font</source>
        <translation>sichtbare Fehler werden rot angezeigt</translation>
    </message>
    <message>
        <source>express absolute mistakes as red color font</source>
        <translation>absolute Fehler werden rot angezeigt</translation>
    </message>
    <message>
        <source>reset the solving</source>
        <translation>Eingaben zurückgesetzt</translation>
    </message>
    <message>
        <source>reset the candidates</source>
        <translation>Kandidaten zurückgesetzt</translation>
    </message>
    <message>
        <source>the answer was opened</source>
        <translation>die Lösung wurde aufgedeckt</translation>
    </message>
    <message>
        <source>finished although there are some mistakes</source>
        <translation>fertig, aber mit einigen Fehlern</translation>
    </message>
    <message>
        <source><byte value="xd"/>
solving...</source>
        <translation><byte value="xd"/>
löse...</translation>
    </message>
    <message>
        <source>Congraz! complete solving<byte value="xd"/>
this puzzle may have multi answers<byte value="xd"/>
cause different to the answer</source>
        <translation>Glückwunsch! Rätsel gelöst<byte value="xd"/>
dieses Rätsel hat wohl mehrere Lösungen,<byte value="xd"/>
da Ihre von der Lösung abweicht</translation>
    </message>
    <message>
        <source>Congraz! complete solving</source>
        <translation>Glückwunsch! Rätsel gelöst</translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
due to the pencil marks<byte value="xd"/>
plz try the backtracking method.</source>
        <translation>Rätsel konnte nicht gelöst werden...<byte value="xd"/>
mit der Notizenmethode<byte value="xd"/>
bitte versuchen Sie das Backtracking.</translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
please try again.</source>
        <translation>Rätsel konnte nicht gelöst werden...<byte value="xd"/>
bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
checking...</source>
        <translation><byte value="xd"/>
prüfe...</translation>
    </message>
    <message>
        <source>solvable structure.</source>
        <translation>lösbare Struktur.</translation>
    </message>
    <message>
        <source>unsolvable structure.<byte value="xd"/>
this puzzle is unsolvable.</source>
        <translation>unlösbare Struktur.<byte value="xd"/>
dieses Rätsel ist unlösbar.</translation>
    </message>
    <message>
        <source>single answer.</source>
        <translation>eindeutige Lösung.</translation>
    </message>
    <message>
        <source>multiple answers.<byte value="xd"/>
this puzzle has multiple answers.</source>
        <translation>mehrere Lösungen.<byte value="xd"/>
dieses Rätsel hat mehrere Lösungen.</translation>
    </message>
    <message>
        <source>no answer data or illegal answer detected.</source>
        <translation>keine Lösungsdaten oder ungültige Lösung gefunden.</translation>
    </message>
    <message>
        <source>At first, plz input numbers of a puzzle</source>
        <translation>Geben Sie zuerst die Ziffern des Rätsels ein</translation>
    </message>
    <message>
        <source>too much hints</source>
        <translation>zu viele Vorgaben</translation>
    </message>
    <message>
        <source>illegal numeral found based on the rule</source>
        <translation>regelwidrige Ziffer gefunden</translation>
    </message>
    <message>
        <source>Next, plz input numbers of the answer</source>
        <translation>Geben Sie nun die Ziffern der Lösung ein</translation>
    </message>
    <message>
        <source>illegal numeral found as the answer</source>
        <translation>ungültige Ziffer in der Lösung gefunden</translation>
    </message>
    <message>
        <source>collapsed answer found</source>
        <translation>fehlerhafte Lösung gefunden</translation>
    </message>
    <message>
        <source>created a puzzle</source>
        <translation>Rätsel erstellt</translation>
    </message>
    <message>
        <source>created a puzzle without answer</source>
        <translation>Rätsel ohne Lösung erstellt</translation>
    </message>
    <message>
        <source>canceled to create a puzzle</source>
        <translation>Rätselerstellung abgebrochen</translation>
    </message>
    <message>
        <source>copied the puzzle as a line of text</source>
        <translation>Rätsel als Textzeile kopiert</translation>
    </message>
    <message>
        <source>pasted a puzzle</source>
        <translation>Rätsel eingefügt</translation>
    </message>
    <message>
        <source>pasted a puzzle without answer:<byte value="xd"/>
it has more than one answer</source>
        <translation>Rätsel ohne Lösung eingefügt:<byte value="xd"/>
es hat mehr als eine Lösung</translation>
    </message>
    <message>
        <source><byte value="xd"/>
looking for the next step...</source>
        <translation><byte value="xd"/>
suche den nächsten Schritt...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
rating the puzzle...</source>
        <translation><byte value="xd"/>
bewerte das Rätsel...</translation>
    </message>
    <message>
        <source>saved a puzzle to a file named %1</source>
        <translation>Rätsel in die Datei %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1, puzzle %2 of %3</source>
        <translation>%1, Rätsel %2 von %3</translation>
    </message>
    <message>
        <source>Paused<byte value="xd"/>
<byte value="xd"/>
Ctrl + Shift + T plays on</source>
        <translation>Pause<byte value="xd"/>
<byte value="xd"/>
Strg + Umschalt + T spielt weiter</translation>
    </message>
    <message>
        <source> -- Hand-Build</source>
        <translation> -- Eigenbau</translation>
    </message>
    <message>
        <source>Registre</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Without Answer</source>
        <translation>Ohne Lösung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Practice: %1</source>
        <translation>Übung: %1</translation>
    </message>
</context>
</TS>
