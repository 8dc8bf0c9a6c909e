<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Dialog</name>
    <message>
        <source>gridAtelier ver. %1</source>
        <translation>gridAtelier Version %1</translation>
    </message>
    <message>
        <source>about</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>US-Letter</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Puzzles of:</source>
        <translation>Rätselart:</translation>
    </message>
    <message>
        <source>How many:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>To a page:</source>
        <translation>Pro Seite:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>The answers after the puzzles</source>
        <translation>Die Lösungen nach den Rätseln</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespielt</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>%1 puzzles: %2 finished, %3 more played</source>
        <translation>%1 Rätsel: %2 gelöst, %3 weitere gespielt</translation>
    </message>
    <message>
        <source>not rated</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>several answers</source>
        <translation>mehrere Lösungen</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Collection -- %1</source>
        <translation>Sammlung -- %1</translation>
    </message>
    <message>
        <source>No.	Level	Score	Played</source>
        <translation>Nr.	Stufe	Punkte	Gespielt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>stopping the rating ...</source>
        <translation>die Bewertung wird angehalten ...</translation>
    </message>
    <message>
        <source>rating the puzzles: %1 of %2 rated</source>
        <translation>die Rätsel werden bewertet: %1 von %2 bewertet</translation>
    </message>
    <message>
        <source>the first %1 puzzles rated</source>
        <translation>die ersten %1 Rätsel bewertet</translation>
    </message>
    <message>
        <source>all puzzles rated</source>
        <translation>alle Rätsel bewertet</translation>
    </message>
    <message>
        <source>default settings at boot</source>
        <translation>Standardeinstellungen beim Start</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>express mistakes as red font</source>
        <translation>Fehler in roter Schrift zeigen</translation>
    </message>
    <message>
        <source>* Absolute Mistakes *</source>
        <translation>* Absolute Fehler *</translation>
    </message>
    <message>
        <source>    it&apos;s only used</source>
        <translation>    nur verwendet,</translation>
    </message>
    <message>
        <source>    in case of existing the answer.</source>
        <translation>    wenn es eine Lösung gibt.</translation>
    </message>
    <message>
        <source>difficulty level for a new puzzle</source>
        <translation>Schwierigkeitsgrad eines neuen Rätsels</translation>
    </message>
    <message>
        <source>never show confirmation for save</source>
        <translation>Rückfrage zum Speichern nie zeigen</translation>
    </message>
    <message>
        <source>reflect to current settings</source>
        <translation>auch für die aktuellen Einstellungen</translation>
    </message>
    <message>
        <source>No Express</source>
        <translation>Keine Anzeige</translation>
    </message>
    <message>
        <source>Visible Mistakes</source>
        <translation>Sichtbare Fehler</translation>
    </message>
    <message>
        <source>Absolute Mistakes</source>
        <translation>Absolute Fehler</translation>
    </message>
    <message>
        <source>confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
    <message>
        <source>are you sure to exit the program?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Ohne Hilfe</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>In Dark and High contrast</source>
        <translation>Bei Dunkel und Hohem Kontrast</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Placing a value clears that digit from the notes of its row, column and box</source>
        <translation>Eine gesetzte Ziffer wird aus den Notizen ihrer Zeile, Spalte und ihres Blocks gelöscht</translation>
    </message>
    <message>
        <source>Resume the game in progress at start</source>
        <translation>Das laufende Spiel beim Start fortsetzen</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Uhr anzeigen</translation>
    </message>
    <message>
        <source>Show row and column numbers beside the board (as hints name cells: r4c7)</source>
        <translation>Zeilen- und Spaltennummern neben dem Spielfeld zeigen (wie Hinweise Zellen nennen: r4c7)</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aussehen:</translation>
    </message>
    <message>
        <source>Underline mistakes with a wavy line:</source>
        <translation>Fehler wellig unterstreichen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rating: not known</source>
        <translation>Bewertung: unbekannt</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message>
        <source>Rating: %1, score %2</source>
        <translation>Bewertung: %1, Punkte %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Hints: %1   Solves: %2</source>
        <translation>Hinweise: %1   Auflösungen: %2</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Gelöst!</translation>
    </message>
    <message>
        <source>New %1 Puzzle</source>
        <translation>Neues Rätsel (%1)</translation>
    </message>
    <message>
        <source>Practice a Technique</source>
        <translation>Eine Technik üben</translation>
    </message>
    <message>
        <source>Technique to practise:</source>
        <translation>Zu übende Technik:</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>record regions of multi answer</source>
        <translation>Bereiche mit mehreren Lösungen aufzeichnen</translation>
    </message>
    <message>
        <source>csv file for recording</source>
        <translation>CSV-Datei für die Aufzeichnung</translation>
    </message>
    <message>
        <source>difficulty level for search</source>
        <translation>Schwierigkeitsgrad der Suche</translation>
    </message>
    <message>
        <source>count of search regions</source>
        <translation>Anzahl der gesuchten Bereiche</translation>
    </message>
    <message>
        <source>maybe max around 2000</source>
        <translation>höchstens etwa 2000</translation>
    </message>
    <message>
        <source>maximum cells of a region</source>
        <translation>höchste Zellenzahl eines Bereichs</translation>
    </message>
    <message>
        <source>4 ~ 36 as proper range</source>
        <translation>4 ~ 36 ist sinnvoll</translation>
    </message>
    <message>
        <source>save as default</source>
        <translation>als Standard speichern</translation>
    </message>
    <message>
        <source>no file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>selected : %1</source>
        <translation>gewählt: %1</translation>
    </message>
    <message>
        <source>save file as ...</source>
        <translation>Datei speichern unter ...</translation>
    </message>
    <message>
        <source>csv file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>all files</source>
        <translation>alle Dateien</translation>
    </message>
    <message>
        <source>recreate a puzzle due to the serial numbers</source>
        <translation>ein Rätsel aus den Seriennummern neu erzeugen</translation>
    </message>
    <message>
        <source>serial numbers</source>
        <translation>Seriennummern</translation>
    </message>
    <message>
        <source>do you want to save the current puzzle?</source>
        <translation>Möchten Sie das aktuelle Rätsel speichern?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>never show this confirmation</source>
        <translation>diese Rückfrage nie mehr zeigen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>a puzzle file of this program has exactly 1352 bytes</source>
        <translation>eine Rätseldatei dieses Programms hat genau 1352 Bytes</translation>
    </message>
    <message>
        <source>a value in the puzzle file is out of its range</source>
        <translation>ein Wert in der Rätseldatei liegt außerhalb seines Bereichs</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>die Datei ist größer als 16 MiB</translation>
    </message>
    <message>
        <source>failed to create progress bar</source>
        <translation>der Fortschrittsbalken konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>failed to save the picture to a file</source>
        <translation>das Bild konnte nicht in einer Datei gespeichert werden</translation>
    </message>
    <message>
        <source>failed to print the picture</source>
        <translation>das Bild konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>The preferences file could not be read; the preferences are the defaults.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden; es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The preferences file could not be read and was moved to %1; the preferences are the defaults.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden und wurde nach %1 verschoben; es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>failed to save data to a file</source>
        <translation>die Daten konnten nicht in einer Datei gespeichert werden</translation>
    </message>
    <message>
        <source>failed to load data from a file</source>
        <translation>die Daten konnten nicht aus einer Datei geladen werden</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>failed to open .par file</source>
        <translation>die .par-Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The statistics file %1 could not be read; statistics are not kept this time.</source>
        <translation>Die Statistikdatei %1 konnte nicht gelesen werden; diesmal wird keine Statistik geführt.</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was moved to %1; counting starts afresh.</source>
        <translation>Die Statistikdatei konnte nicht gelesen werden und wurde nach %1 verschoben; die Zählung beginnt von vorn.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>gridAtelier Help</source>
        <translation>gridAtelier-Hilfe</translation>
    </message>
    <message>
        <source>Puzzle %1: %2, score %3</source>
        <translation>Rätsel %1: %2, Punkte %3</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Lösung %1</translation>
    </message>
    <message>
        <source>gridAtelier puzzles</source>
        <translation>gridAtelier-Rätsel</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>up</source>
        <translation>auf</translation>
    </message>
    <message>
        <source>down</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>Help pages</source>
        <translation>Hilfeseiten</translation>
    </message>
</context>
</TS>
