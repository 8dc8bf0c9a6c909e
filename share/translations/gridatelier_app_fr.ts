<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Class</name>
    <message>
        <source>Own Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technique Practice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Level: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: %1 (the level setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technique: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grid atelier file (*.ga)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle files (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle with notes (*.sdk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle drawn in boxes (*.ss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle line (*.sdm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML collection (*.opensudoku)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save file as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open file selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Puzzle in Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export picture as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Ctrl + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Load Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Puzzles...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cell Rose	Alt + 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cell Green	Alt + 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cell Orange	Alt + 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cell Lilac	Alt + 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark Cell	Alt + 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Colour Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice a Technique...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand-build Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recreate from Serial Number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill In Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backtracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Solvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Multiple	Ctrl + Shift + U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Solving And Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Express Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Regions of Multi Answer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Making a Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-- Level Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Puzzle by Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Express(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Print Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 puzzles could be made; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice a Technique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle was found that needs %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is no longer there; it was taken from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game kept from last time could not be read. A new start instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game kept from last time could not be read and was moved to %1. A new start instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This puzzle has no answer, so it has no rating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This puzzle has more than one answer, so it has no rating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This puzzle&apos;s answers take too long to count, so it has no rating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ladder of techniques gets no further than step %d, so this puzzle has no rating.<byte value="xd"/>
<byte value="xd"/>
So far: score %d, hardest technique %s%s%s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, steps: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: %s<byte value="xd"/>
Score: %d<byte value="xd"/>
Hardest technique: %s<byte value="xd"/>
Steps: %d (%s)<byte value="xd"/>
<byte value="xd"/>
The level, from Easy through Medium, Hard and Fiendish to Extreme, is that of the hardest technique, one higher when the way is long. The score adds up every step of the solution, each weighing more the harder its technique is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: line %d has %s, which is neither a digit 1-9 nor an open cell (. 0 * _).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: it has %d cells, a puzzle has 81.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: line %d has %d cells, a row has 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds a full grid: a puzzle needs open cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clues break the rule: %d stands twice in %s %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These clues have no answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These clues take too long to check: whether they have an answer is still open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: line %d: %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s holds no puzzle this program can load: %s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, marked %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>making %1 puzzles to print<byte value="xd"/>
(Escape stops)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>making a puzzle to practise<byte value="xd"/>
%1 (Escape stops)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>making an %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>making a %1 puzzle<byte value="xd"/>
(Escape stops)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practise %1: the steps before it are<byte value="xd"/>
done and the notes filled in; Hint shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new %1 puzzle, score %2,<byte value="xd"/>
hardest step: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>welcome back: your game goes on where you left it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candidates due to shallow analysis.<byte value="xd"/>
they are just hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candidates due to deep analysis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no candidates expressed<byte value="xd"/>
even by shallow analysis<byte value="xd"/>
cause single candidate is not a hint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s, sn is %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loaded %s, %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loaded %s,<byte value="xd"/>
%s without Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>welcome to the Grid Atelier!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you&apos;re going to try puzzles as %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new puzzle as %s class,<byte value="xd"/>
serial number is %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no express mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>express visible mistakes as red color font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>express absolute mistakes as red color font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset the solving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset the candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer was opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished although there are some mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
solving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congraz! complete solving<byte value="xd"/>
this puzzle may have multi answers<byte value="xd"/>
cause different to the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congraz! complete solving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
due to the pencil marks<byte value="xd"/>
plz try the backtracking method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not solve the puzzle...<byte value="xd"/>
please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solvable structure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsolvable structure.<byte value="xd"/>
this puzzle is unsolvable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiple answers.<byte value="xd"/>
this puzzle has multiple answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer data or illegal answer detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At first, plz input numbers of a puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too much hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal numeral found based on the rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next, plz input numbers of the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal numeral found as the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>collapsed answer found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a puzzle without answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>canceled to create a puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied the puzzle as a line of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pasted a puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pasted a puzzle without answer:<byte value="xd"/>
it has more than one answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
looking for the next step...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
rating the puzzle...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1, puzzle %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused<byte value="xd"/>
<byte value="xd"/>
Ctrl + Shift + T plays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- Hand-Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
