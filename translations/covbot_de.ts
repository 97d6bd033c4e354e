<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation>Neben der Botliste wurde kein installiertes Spiel gefunden, daher gibt es nichts zur Auswahl: Die Klassen, Skins, Gesichter, Stimmen und Waffen des Spiels sind in den .int-Dateien seines Ordners System deklariert, in dem die Botliste liegt.</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation>&amp;Skin:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>&amp;Gesicht:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>S&amp;timme:</translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation>Lieblings&amp;waffe:</translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation>Standardklasse des Spiels</translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation>Standard-Skin der Klasse</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Kein Gesicht</translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation>Standardstimme der Klasse</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation>%1 (vom installierten Spiel nicht angeboten)</translation>
    </message>
</context>
<context>
    <name>AveragesTable</name>
    <message>
        <source>Averages</source>
        <translation>Durchschnitte</translation>
    </message>
</context>
<context>
    <name>CheckRosterWindow</name>
    <message>
        <source>Check Roster - %1</source>
        <translation>Botliste prüfen – %1</translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation>&amp;Befunde: wo das Spiel die Botliste nicht so übernimmt, wie die Datei sie enthält</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation>Korrektur schreibt</translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation>Was das Spiel tut</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Korrigieren</translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation>Die Korrekturen der gewählten Befunde schreiben</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>&amp;Alle korrigieren</translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation>Die Korrektur jedes Befunds schreiben, der eine hat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation>Das Spiel übernimmt die Botliste so, wie die Datei sie enthält.</translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation>
            <numerusform>Befunde: %n</numerusform>
            <numerusform>Befunde: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.
Without FILE it opens the file used last time, or asks for one.</source>
        <translation>Bearbeitet die Bots der Covertstrike-Botliste in einer Datei CovertstrikeUser.ini.
Ohne DATEI öffnet es die zuletzt benutzte Datei oder fragt nach einer.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the desktop&apos;s.</source>
        <translation>Spricht die Sprache CODE (de, en, es, fr, pl, pt_BR) statt der des Desktops.</translation>
    </message>
    <message>
        <source>The CovertstrikeUser.ini file to open, as File, Open would.</source>
        <translation>Die zu öffnende Datei CovertstrikeUser.ini, wie mit Datei, Öffnen.</translation>
    </message>
    <message>
        <source>The window-system plugin (xcb, wayland, offscreen, windows...).</source>
        <translation>Das Plugin des Fenstersystems (xcb, wayland, offscreen, windows …).</translation>
    </message>
    <message>
        <source>Where window-system plugins are looked for.</source>
        <translation>Wo nach Plugins des Fenstersystems gesucht wird.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Das Design der Plattform.</translation>
    </message>
    <message>
        <source>An extra input plugin to load.</source>
        <translation>Ein zusätzliches Eingabe-Plugin, das geladen wird.</translation>
    </message>
    <message>
        <source>The first window&apos;s size and place (WxH+X+Y).</source>
        <translation>Größe und Lage des ersten Fensters (BxH+X+Y).</translation>
    </message>
    <message>
        <source>The same, on X11.</source>
        <translation>Dasselbe unter X11.</translation>
    </message>
    <message>
        <source>The first window&apos;s title.</source>
        <translation>Der Titel des ersten Fensters.</translation>
    </message>
    <message>
        <source>The first window&apos;s icon.</source>
        <translation>Das Symbol des ersten Fensters.</translation>
    </message>
    <message>
        <source>The X11 display (hostname:screen).</source>
        <translation>Die X11-Anzeige (Rechnername:Bildschirm).</translation>
    </message>
    <message>
        <source>The X11 resource name.</source>
        <translation>Der X11-Ressourcenname.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>Die wiederherzustellende Sitzung.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Der Stil der Bedienelemente.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Ein anzuwendendes Stylesheet.</translation>
    </message>
    <message>
        <source>QML debugging.</source>
        <translation>QML-Debugging.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Zählt die am Ende übrigen Bedienelemente.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Lädt die Testability-Bibliothek.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or keyboard (X11).</source>
        <translation>Übernimmt nie Maus oder Tastatur (X11).</translation>
    </message>
    <message>
        <source>Grabs them even under a debugger (X11).</source>
        <translation>Übernimmt sie auch unter einem Debugger (X11).</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously.</source>
        <translation>Spricht synchron mit dem X11-Server.</translation>
    </message>
    <message>
        <source>Options of the window system:</source>
        <translation>Optionen des Fenstersystems:</translation>
    </message>
    <message>
        <source>no translation for %1; the languages are en, %2</source>
        <translation>keine Übersetzung für %1; die Sprachen sind en, %2</translation>
    </message>
    <message>
        <source>one roster file at most, not %1</source>
        <translation>höchstens eine Botliste, nicht %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 ist keine lokale Datei</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows this help and the window system&apos;s options.</source>
        <translation>Zeigt diese Hilfe und die Optionen des Fenstersystems.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --lang, as its help names it</comment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the roster file, as the help names it</comment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <comment>the roster file in the help&apos;s usage line</comment>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>cannot open the window: no display to show it on</source>
        <translation>das Fenster kann nicht geöffnet werden: keine Anzeige, auf der es erscheinen könnte</translation>
    </message>
    <message>
        <source>The commands from --list to --check work on FILE without the window or a display. They end with exit code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read or written, and --check with 3 when it finds anything.</source>
        <translation>Die Befehle von --list bis --check arbeiten ohne Fenster und ohne Anzeige an DATEI. Sie enden mit dem Exit-Code 0, wenn sie fertig sind, mit 1 nach einem Fehler oder einer Ablehnung (dann wird nichts geschrieben), mit 2, wenn DATEI nicht gelesen oder geschrieben werden kann, und --check mit 3, wenn es etwas findet.</translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation>BEREICH</translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation>Gibt die Botliste von DATEI durch Tabulatoren getrennt aus: eine Titelzeile, dann für jeden Bot Nummer, Name und neun Felder, wie die Datei sie enthält.</translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation>Schreibt die Bots von DATEI (oder die von --bots) in die Botdatei ZIEL (.covbots).</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation>ZIEL</translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation>Fügt die Bots der Botdatei BOTS in DATEI hinter deren letztem Bot an oder setzt sie an die Stelle der Bots von --replace.</translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation>BOTS</translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation>Setzt SCHLÜSSEL (BotSkills, BotAccuracy, Camping …) für jeden Bot von DATEI oder für die von --bots auf WERT. Für jeden Schlüssel einmal angeben.</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation>SCHLÜSSEL=WERT</translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation>Lost für DATEI eine neue Botliste aus BIBLIOTHEK aus, einem Ordner mit Botdateien oder einer einzelnen Botdatei, und gibt den benutzten Startwert aus.</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation>BIBLIOTHEK</translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation>Gibt jeden Schlüssel von DATEI aus, den das Spiel nicht so übernimmt, wie er dasteht, und was das Spiel stattdessen tut.</translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation>Mit --check: nimmt nach einer Sicherung jede unbedenkliche Korrektur in einem Schreibvorgang vor und gibt sie aus.</translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation>Mit --export oder --set: die zu nehmenden Bots.</translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation>Mit --import: die zu ersetzenden Bots, einer für jeden importierten Bot.</translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation>Mit --deal: wie viele Bots ausgelost werden (1 bis 101); ohne Angabe so viele, wie DATEI aufführt.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation>Mit --deal: der Startwert der Auslosung; derselbe Startwert lost dieselbe Botliste aus.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation>Mit --deal: die Bots, die bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation>Mit --deal: setzt die ausgelosten Bots jeweils ins Team mit weniger Bots, abwechselnd Rot und Blau.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden: nur ein Befehl auf einmal</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 gehört zu %2 oder %3</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 gehört zu %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation>%1 braucht die Botliste DATEI</translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation>%1 arbeitet mit einer Botliste, nicht mit %2</translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation>Botliste auslosen</translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation>
            <numerusform>Eine neue Botliste aus dem %n Bot der Bibliothek auslosen, den die Filter durchlassen.</numerusform>
            <numerusform>Eine neue Botliste aus den %n Bots der Bibliothek auslosen, die die Filter durchlassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation>Anzahl der Bots</translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation>&amp;Anzahl der Bots:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation>Derselbe Startwert und dieselbe Bibliothek losen dieselbe Botliste aus.</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation>In der Übersicht gewählte Bots &amp;behalten (keine gewählt)</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation>In der Übersicht gewählte Bots &amp;behalten: %1</translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation>Teams &amp;wie gespeichert</translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation>Ausgeglichene &amp;Teams</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Auslosen</translation>
    </message>
</context>
<context>
    <name>ImportBotsDialog</name>
    <message>
        <source>Import Bots</source>
        <translation>Bots importieren</translation>
    </message>
    <message>
        <source>&amp;Bots to import:</source>
        <translation>&amp;Zu importierende Bots:</translation>
    </message>
    <message>
        <source>Bots to import</source>
        <translation>Zu importierende Bots</translation>
    </message>
    <message>
        <source>&amp;Add after the last bot</source>
        <translation>&amp;Hinter dem letzten Bot anfügen</translation>
    </message>
    <message>
        <source>&amp;Replace the selected bots</source>
        <translation>Ausgewählte Bots &amp;ersetzen</translation>
    </message>
    <message>
        <source>&amp;Take the bots from:</source>
        <translation>Bots &amp;nehmen aus:</translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation>Botliste, aus der die Bots genommen werden</translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation>[%1], Zeile %2</translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation>&amp;Zu importierende Bots aus [%1]:</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation>Nur %1 der %2 angehakten Bots passen hinter den letzten Bot: Eine Botliste fasst höchstens %3 Bots. Entfernen Sie einige Haken, oder ersetzen Sie stattdessen ausgewählte Bots.</translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation>Zur Bibliothek hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation>
            <numerusform>Den %n gewählten Bot in die Bibliotheks&amp;datei aufnehmen:</numerusform>
            <numerusform>Die %n gewählten Bots in die Bibliotheks&amp;datei aufnehmen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation>Bibliotheksdatei</translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation>Meine Bots</translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation>Ein Name, den die Bibliothek noch nicht hat, legt eine neue Datei an.</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Team:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Jedes Team</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>Niedrigster Wert für %1</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>Höchster Wert für %1</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>Not in the bot file: the game uses its default</source>
        <translation>Nicht in der Botdatei: Das Spiel nimmt seinen Standardwert</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library - %1</source>
        <translation>Bibliothek – %1</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation>Ordner &amp;wechseln …</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation>Nicht lesbare Dateien</translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation>Zur &amp;Botliste …</translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation>Aus Bibliothek &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation>Botliste &amp;auslosen …</translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation>Zur Bib&amp;liothek …</translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation>Datei &amp;importieren …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation>Die Bibliothek ist noch leer: Fügen Sie Bots aus der
Übersicht hinzu, oder importieren Sie eine Botdatei.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation>
            <numerusform>Nach den Filtern: %1 von %n Bot</numerusform>
            <numerusform>Nach den Filtern: %1 von %n Bots</numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation>Der Bibliotheksordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation>Die Bibliotheksdatei %1 konnte nicht geschrieben werden: %2. Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation>Wählen Sie zuerst in der Übersicht der Botliste die hinzuzufügenden Bots (Botliste, Übersicht).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation>%1 aus der Bibliothek entfernen? Eine Datei, die ohne Bots bleibt, wird gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation>
            <numerusform>Diesen %n Bot aus der Bibliothek entfernen? Eine Datei, die ohne Bots bleibt, wird gelöscht.

%1</numerusform>
            <numerusform>Diese %n Bots aus der Bibliothek entfernen? Eine Datei, die ohne Bots bleibt, wird gelöscht.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation>Datei in die Bibliothek importieren</translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation>%1 konnte nicht in die Bibliothek aufgenommen werden: %2</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Bibliotheksordner</translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation>Der Bibliotheksordner %1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Die Botliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>There is no roster file open. Open one with File, Open first.</source>
        <translation>Es ist keine Botliste geöffnet. Öffnen Sie zuerst eine mit Datei, Öffnen.</translation>
    </message>
    <message>
        <source>The game does not use this file under Program Files but its own copy:
%1

The editor edits that copy.</source>
        <translation>Das Spiel benutzt nicht diese Datei unter „Programme“, sondern seine eigene Kopie:
%1

Der Editor bearbeitet diese Kopie.</translation>
    </message>
    <message>
        <source>Bot %1 (%2) is no longer in the file. Nothing was saved.</source>
        <translation>Bot %1 (%2) ist nicht mehr in der Datei. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>A bot is no longer in the file. Nothing was saved.</source>
        <translation>Ein Bot ist nicht mehr in der Datei. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to choose it again.</source>
        <translation>Die Botliste ist nicht mehr da: %1. Es wurde nichts gespeichert; Ihre Änderungen bleiben erhalten. Wählen Sie sie mit Datei, Öffnen erneut.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was imported.</source>
        <translation>Die Botliste ist nicht mehr da: %1. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved.</source>
        <translation>Die Botliste ist nicht mehr da: %1. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). Nothing was saved; your changes are kept.</source>
        <translation>Die Botliste wird von einem anderen Programm benutzt (läuft das Spiel?). Es wurde nichts gespeichert; Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation>Die Botliste wird von einem anderen Programm benutzt (läuft das Spiel?). Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The roster file was left as it was.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1. Die Botliste blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: %1 (bot %2) could not be saved: %3. The file was left as it was.</source>
        <translation>Fehler: %1 (Bot %2) konnte nicht gespeichert werden: %3. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the values could not be saved: %1. The file was left as it was.</source>
        <translation>Fehler: Die Werte konnten nicht gespeichert werden: %1. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the bots could not be imported: %1. The file was left as it was.</source>
        <translation>Fehler: Die Bots konnten nicht importiert werden: %1. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the backup could not be restored: %1. The file was left as it was.</source>
        <translation>Fehler: Die Sicherung konnte nicht wiederhergestellt werden: %1. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the roster could not be written: %1. The file was left as it was.</source>
        <translation>Fehler: Die Botliste konnte nicht geschrieben werden: %1. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>

The file lies under Program Files, which only administrators may change. The game, run as you, writes its own copy instead, once it has saved its settings:
%1</source>
        <translation>

Die Datei liegt unter „Programme“, wo nur Administratoren etwas ändern dürfen. Das Spiel schreibt, unter Ihrem Konto gestartet, stattdessen eine eigene Kopie, sobald es seine Einstellungen gespeichert hat:
%1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since; it stays.</source>
        <translation>%1 wurde inzwischen von einem anderen Programm geändert; das bleibt so.</translation>
    </message>
    <message>
        <source>Roster file not found</source>
        <translation>Botliste nicht gefunden</translation>
    </message>
    <message>
        <source>The roster file was not found: %1</source>
        <translation>Die Botliste wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Roster file unreadable</source>
        <translation>Botliste nicht lesbar</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2</source>
        <translation>Die Botliste kann nicht gelesen werden: %1: %2</translation>
    </message>
    <message>
        <source>No bot roster in the file</source>
        <translation>Keine Botliste in der Datei</translation>
    </message>
    <message>
        <source>The roster file holds no bot roster: %1</source>
        <translation>Die Datei enthält keine Botliste: %1</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Datei auf Platte geändert</translation>
    </message>
    <message>
        <source>Another program changed the roster file. Your changes are kept; a save writes only what you changed.</source>
        <translation>Ein anderes Programm hat die Botliste geändert. Ihre Änderungen bleiben erhalten; beim Speichern wird nur geschrieben, was Sie geändert haben.</translation>
    </message>
    <message>
        <source>%1 also changed on disk</source>
        <translation>%1 auch auf der Platte geändert</translation>
    </message>
    <message numerus="yes">
        <source>%n fields also changed on disk</source>
        <translation>
            <numerusform>%n Feld auch auf der Platte geändert</numerusform>
            <numerusform>%n Felder auch auf der Platte geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>File changed on disk: %1 also changed there. Your values are kept; a save writes them over the file&apos;s.</source>
        <translation>Datei auf der Platte geändert: Auch %1 wurde dort geändert. Ihre Werte bleiben erhalten; beim Speichern ersetzen sie die der Datei.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the file</source>
        <translation>Bot %1 ist nicht mehr in der Datei</translation>
    </message>
    <message>
        <source>Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved into it.</source>
        <translation>Ein anderes Programm hat Bot %1 (%2) aus der Botliste entfernt. Ihre Änderungen bleiben erhalten, können aber nicht in sie gespeichert werden.</translation>
    </message>
    <message>
        <source>Remove the key</source>
        <translation>Schlüssel entfernen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation>Das Spiel lässt diesen Bot mit %1 (%2) antreten: Schwierigkeit %3 und Können %4.</translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation>Neben der Botliste wurde kein installiertes Spiel gefunden (ihr Ordner enthält keine .int-Dateien des Spiels): Klassen, Skins, Gesichter, Stimmen und Waffen wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation>Die Botliste kann nicht gelesen werden: %1: %2. Es wurde nichts gespeichert; Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation>Die Botliste kann nicht gelesen werden: %1: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation>Fehler: Die Korrekturen konnten nicht geschrieben werden: %1. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation>Fehler: Das Aussehen konnte nicht gespeichert werden: %1. Die Datei blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>There are no backups of this roster file yet. The editor makes one before it first changes the file.</source>
        <translation>Von dieser Botliste gibt es noch keine Sicherung. Der Editor legt eine an, bevor er die Datei zum ersten Mal ändert.</translation>
    </message>
    <message>
        <source>&amp;Backups of the roster file, newest first:</source>
        <translation>&amp;Sicherungen der Botliste, neueste zuerst:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Bots that differ</source>
        <translation>Abweichende Bots</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>not a roster</source>
        <translation>keine Botliste</translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>The roster holds no bots to export.</source>
        <translation>Die Botliste enthält keine Bots zum Exportieren.</translation>
    </message>
    <message>
        <source>Export Bots</source>
        <translation>Bots exportieren</translation>
    </message>
    <message>
        <source>The bots could not be exported to %1: %2.</source>
        <translation>Die Bots konnten nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: %1</source>
        <translation>Die Zwischenablage enthält keine Bots zum Einfügen: %1</translation>
    </message>
    <message>
        <source>Import Bots</source>
        <translation>Bots importieren</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Nur %1 der %2 Bots passen hinter den letzten Bot: Eine Botliste fasst höchstens %3 Bots. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Wählen Sie so viele zu ersetzende Bots aus, wie Bots importiert werden. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The game is running and may write the roster back when it closes. Save anyway?</source>
        <translation>Das Spiel läuft und schreibt die Botliste womöglich beim Beenden zurück. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation>Die Botliste durch die Kopie vom %1 ersetzen? 1 Bot weicht ab.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation>
            <numerusform>Die Botliste durch die Kopie vom %1 ersetzen? %n Bot weicht ab.</numerusform>
            <numerusform>Die Botliste durch die Kopie vom %1 ersetzen? %n Bots weichen ab.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Botliste &amp;prüfen …</translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation>Au&amp;ssehen …</translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aussehen von %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aussehen (%n Bot)</numerusform>
            <numerusform>Aussehen (%n Bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation>%1 erwartet Botnummern und Bereiche wie 0-3,7, nicht „%2“</translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation>%1: %2 ist keine Botnummer; die Bots sind von 0 bis %3 nummeriert</translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation>%1: der Bereich %2-%3 läuft rückwärts; schreiben Sie %3-%2</translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation>%1: Bot %2 ist doppelt genannt</translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation>%1: die Botliste führt keine Bots auf</translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation>%1: die Botliste führt die Bots 0 bis %2 auf; %3 gehört nicht dazu</translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set erwartet SCHLÜSSEL=WERT, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation>%1 kann hier nicht gesetzt werden; --set setzt die Schlüssel %2</translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation>unbekannter Schlüssel %1; --set setzt die Schlüssel %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 erwartet eine Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count erwartet eine Anzahl Bots von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--seed erwartet eine ganze Zahl von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation>%1 ist keine Botliste: Der Dateiname muss auf CovertstrikeUser.ini enden</translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation>das Spiel führt eine eigene Kopie dieser Botliste, die stattdessen benutzt wird: %1</translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation>das Spiel läuft: Es schreibt beim Beenden womöglich seine eigene Botliste über diese</translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation>--export schreibt eine Botdatei, deren Name auf .covbots endet, nicht %1</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation>die Botliste führt keine Bots auf: Es gibt nichts zu exportieren</translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation>die Botdatei %1 konnte nicht geschrieben werden: %2. Es wurde nichts exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation>
            <numerusform>%n Bot nach %1 exportiert.</numerusform>
            <numerusform>%n Bots nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation>[%1] in Zeile %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation>
            <numerusform>%1 enthält Bots in %n Abschnitt: %2. Es wurde nichts importiert; legen Sie die zu importierenden Bots in eine eigene Datei, oder importieren Sie sie im Fenster, in dem Sie wählen können.</numerusform>
            <numerusform>%1 enthält Bots in %n Abschnitten: %2. Es wurde nichts importiert; legen Sie die zu importierenden Bots in eine eigene Datei, oder importieren Sie sie im Fenster, in dem Sie wählen können.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation>
            <numerusform>%1 enthält %n Bot, und --replace nennt %2. Es wurde nichts importiert.</numerusform>
            <numerusform>%1 enthält %n Bots, und --replace nennt %2. Es wurde nichts importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>nur %1 der %2 Bots passen hinter den letzten Bot: Eine Botliste fasst höchstens %3 Bots. Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation>
            <numerusform>%n Bot importiert, mit der Nummer %1.</numerusform>
            <numerusform>%n Bots importiert, mit den Nummern %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation>--set gibt %1 doppelt an</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation>die Botliste führt keine Bots auf: Es gibt nichts zu setzen</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Werte setzen (%n Bot)</numerusform>
            <numerusform>Werte setzen (%n Bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation>
            <numerusform>%1 von %n Bot gesetzt.</numerusform>
            <numerusform>%1 von %n Bots gesetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation>%1 ist weder ein Ordner mit Botdateien noch eine Botdatei</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 wird ausgelassen: %2</translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation>die Botliste führt keine Bots auf: Geben Sie mit --count an, wie viele ausgelost werden sollen</translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation>Botliste auslosen</translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation>
            <numerusform>%n Bot mit Startwert %1 ausgelost.</numerusform>
            <numerusform>%n Bots mit Startwert %1 ausgelost.</numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation>kein installiertes Spiel neben der Botliste (keine .int-Datei in %1 deklariert etwas): Klassen, Skins, Gesichter, Stimmen und Waffen werden nicht geprüft</translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation>Botliste korrigieren</translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation>%1 korrigiert: „%2“ entfernt.</translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation>%1 korrigiert: jetzt „%2“.</translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation>%1 korrigiert: „%2“ ist jetzt „%3“.</translation>
    </message>
</context>
<context>
    <name>RosterOverview</name>
    <message>
        <source>Roster - %1</source>
        <translation>Botliste – %1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Botliste</translation>
    </message>
    <message>
        <source>&amp;Set Values...</source>
        <translation>&amp;Werte setzen …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%1 bots</source>
        <translation>
            <numerusform>%1 Bot</numerusform>
            <numerusform>%1 Bots</numerusform>
        </translation>
    </message>
    <message>
        <source>No roster file</source>
        <translation>Keine Botliste</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Die Botliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>Bots e&amp;xportieren …</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>Bots &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Copy Bots</source>
        <translation>Bots &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Bots</source>
        <translation>Bots ei&amp;nfügen</translation>
    </message>
</context>
<context>
    <name>RosterShapeActions</name>
    <message>
        <source>&amp;Add Bot</source>
        <translation>Bot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n bots</source>
        <translation>
            <numerusform>%n Bot duplizieren</numerusform>
            <numerusform>%n Bots duplizieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from the roster? The bots after it move up.</source>
        <translation>%1 aus der Botliste entfernen? Die Bots danach rücken auf.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation>
            <numerusform>Diesen %n Bot aus der Botliste entfernen? Die Bots danach rücken auf.

%1</numerusform>
            <numerusform>Diese %n Bots aus der Botliste entfernen? Die Bots danach rücken auf.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation>
            <numerusform>%n Bot entfernen</numerusform>
            <numerusform>%n Bots entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation>
            <numerusform>Botliste auslosen (%n Bot)</numerusform>
            <numerusform>Botliste auslosen (%n Bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Shown in the editor</source>
        <translation>Im Editor angezeigt</translation>
    </message>
    <message>
        <source>Not in the file: the game uses its default</source>
        <translation>Nicht in der Datei: Das Spiel nimmt seinen Standardwert</translation>
    </message>
    <message>
        <source>Nothing found: the game plays this bot as the file holds it</source>
        <translation>Nichts gefunden: Das Spiel übernimmt diesen Bot so, wie die Datei ihn enthält</translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation>Was das Spiel nicht so übernimmt, wie die Datei es enthält</translation>
    </message>
</context>
<context>
    <name>SetValuesDialog</name>
    <message>
        <source>Set Values</source>
        <translation>Werte setzen</translation>
    </message>
    <message>
        <source>Set the ticked fields of the selected bot.</source>
        <translation>Die angehakten Felder des gewählten Bots setzen.</translation>
    </message>
    <message numerus="yes">
        <source>Set the ticked fields of the %1 selected bots.</source>
        <translation>
            <numerusform>Die angehakten Felder des %1 gewählten Bots setzen.</numerusform>
            <numerusform>Die angehakten Felder der %1 gewählten Bots setzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sa&amp;me value for every bot</source>
        <translation>&amp;Gleicher Wert für jeden Bot</translation>
    </message>
    <message>
        <source>A &amp;random value for each bot</source>
        <translation>&amp;Zufallswert für jeden Bot</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>Niedrigster Wert für %1</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>Höchster Wert für %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Wert für %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The sliders start at the values of %1 in the editor, with changes not yet saved.</source>
        <translation>Die Schieberegler stehen anfangs auf den Werten von %1 im Editor, samt noch nicht gespeicherter Änderungen.</translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Werte setzen (%n Bot)</numerusform>
            <numerusform>Werte setzen (%n Bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import Bots (%n bots)</source>
        <translation>
            <numerusform>Bots importieren (%n Bot)</numerusform>
            <numerusform>Bots importieren (%n Bots)</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation>Ein Teil der Datei</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation>%1 korrigieren</translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation>
            <numerusform>Korrigieren (%n Befund)</numerusform>
            <numerusform>Korrigieren (%n Befunde)</numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aussehen von %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aussehen (%n Bot)</numerusform>
            <numerusform>Aussehen (%n Bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Programmtitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Made by Covertstrike players</source>
        <translation>Von Covertstrike-Spielern gemacht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo …</translation>
    </message>
    <message>
        <source>This program is freeware.  Back up your roster first.</source>
        <translation>Dieses Programm ist Freeware.  Sichern Sie zuerst Ihre Botliste.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error: Nothing to save.</source>
        <translation>Fehler: Nichts zu speichern.</translation>
    </message>
    <message>
        <source>ERROR: Bot name error or no bot selected.</source>
        <translation>FEHLER: Fehler im Botnamen oder kein Bot gewählt.</translation>
    </message>
    <message>
        <source>Bot #: %1</source>
        <translation>Bot Nr.: %1</translation>
    </message>
    <message>
        <source>Enter new name:</source>
        <translation>Neuen Namen eingeben:</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Botname</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Datei auf Platte geändert</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>The game is running. It reads the roster when it starts and may write it back when it closes, over what you save now: close the game first.</source>
        <translation>Das Spiel läuft. Es liest die Botliste beim Start und schreibt sie womöglich beim Beenden zurück, über das, was Sie jetzt speichern: Beenden Sie zuerst das Spiel.</translation>
    </message>
    <message>
        <source>USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your game.  These modifications could be harmful or fatal if swallowed.</source>
        <translation>BENUTZUNG AUF EIGENE GEFAHR!  Dieses Programm ändert die Einstellungen in einer der Initialisierungsdateien Ihres Spiels.  Diese Änderungen können beim Verschlucken schädlich oder tödlich sein.</translation>
    </message>
    <message>
        <source>A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be in the System folder that is located in your Unreal Tournament folder. (i.e. C:\UnrealTournament\System\)</source>
        <translation>Gleich erscheint ein Dialog, in dem Sie Ihre Datei CovertstrikeUser.ini auswählen.  Sie liegt im Ordner System Ihres Unreal-Tournament-Ordners. (z. B. C:\UnrealTournament\System\)</translation>
    </message>
    <message>
        <source>Error: Invalid CovertstrikeUser.ini file.</source>
        <translation>Fehler: Ungültige Datei CovertstrikeUser.ini.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Selected Bot</source>
        <translation>Gewählter Bot</translation>
    </message>
    <message>
        <source>Bot #</source>
        <translation>Bot Nr.</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Select a bot from the list</source>
        <translation>Einen Bot aus der Liste wählen</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Diese Einstellungen speichern</translation>
    </message>
    <message>
        <source>The best 3d shooter around</source>
        <translation>Der beste 3D-Shooter weit und breit</translation>
    </message>
    <message>
        <source>Erase Reg Info</source>
        <translation>Registry-Daten löschen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Wert für %1</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Menschlich</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>Bot&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Übersicht …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Sicherung &amp;wiederherstellen …</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>Bots e&amp;xportieren …</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>Bots &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothek …</translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Botliste &amp;prüfen …</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>Voice Type</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Voice 1</source>
        <translation>Stimme 1</translation>
    </message>
    <message>
        <source>Voice 2</source>
        <translation>Stimme 2</translation>
    </message>
    <message>
        <source>Voice 3</source>
        <translation>Stimme 3</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Treffsicherheit</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Können</translation>
    </message>
    <message>
        <source>Strafing</source>
        <translation>Strafen</translation>
    </message>
    <message>
        <source>Alertness</source>
        <translation>Wachsamkeit</translation>
    </message>
    <message>
        <source>Combat Style</source>
        <translation>Kampfstil</translation>
    </message>
    <message>
        <source>Avoidant</source>
        <translation>Ausweichend</translation>
    </message>
    <message>
        <source>Cautious</source>
        <translation>Vorsichtig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>Aggressiv</translation>
    </message>
    <message>
        <source>Berzerk</source>
        <translation>Berserker</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Campen</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Bot Jumpy</source>
        <translation>Springt viel</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Gesicht</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Red average</source>
        <translation>Schnitt Rot</translation>
    </message>
    <message>
        <source>Blue average</source>
        <translation>Schnitt Blau</translation>
    </message>
    <message>
        <source>Green average</source>
        <translation>Schnitt Grün</translation>
    </message>
    <message>
        <source>Gold average</source>
        <translation>Schnitt Gold</translation>
    </message>
    <message>
        <source>All average</source>
        <translation>Schnitt alle</translation>
    </message>
    <message>
        <source>Jumpy</source>
        <translation>Springt</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?)</source>
        <translation>Die Botliste wird von einem anderen Programm benutzt (läuft das Spiel?)</translation>
    </message>
    <message>
        <source>The value for %1 holds %2, which a %3 roster file cannot hold. %4</source>
        <translation>Der Wert für %1 enthält %2, was eine Botliste in %3 nicht aufnehmen kann. %4</translation>
    </message>
    <message>
        <source>Nothing of this bot was saved.</source>
        <translation>Von diesem Bot wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing of these bots was saved.</source>
        <translation>Von diesen Bots wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>A bot&apos;s name cannot be blank: the list of bots would end at it, and the bots after it could no longer be reached. %1</source>
        <translation>Der Name eines Bots darf nicht leer sein: Die Liste der Bots würde dort enden, und die Bots danach wären nicht mehr erreichbar. %1</translation>
    </message>
    <message>
        <source>The roster file could not be backed up before saving: %1. %2</source>
        <translation>Die Botliste konnte vor dem Speichern nicht gesichert werden: %1. %2</translation>
    </message>
    <message>
        <source>The roster file is gone</source>
        <translation>Die Botliste ist nicht mehr da</translation>
    </message>
    <message>
        <source>The bot is gone</source>
        <translation>Der Bot ist nicht mehr da</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation>zu groß für eine Deklarationsdatei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation>Die Korrektur für %1 enthält %2, was eine Botliste in %3 nicht aufnehmen kann. Es wurde nichts korrigiert.</translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation>%1 liegt außerhalb des Bereichs, den das Spiel nutzt (%2 bis %3): Das Spiel nimmt %4.</translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation>Das Spiel liest hier eine ganze Zahl: %1 gilt als %2.</translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation>%1 ist kein Team des Spiels (0 bis 3 oder 255 für keins): Das Spiel wählt das Team des Bots selbst.</translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation>%1 ist keine Zahl: Das Spiel nimmt %2.</translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation>%1 ist keine Zahl, und das Spiel liest den Wert womöglich nicht wie gemeint.</translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation>Schwierigkeit %1 und Können %2 ergeben %3, außerhalb von 0 bis 7: Das Spiel lässt den Bot mit %4 antreten.</translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation>Bot %1 heißt bereits %2: Das Spiel lässt diesen Bot als „Bot“ mit einer Nummer antreten.</translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Der Bot hat keinen Namen: Das Spiel lässt ihn als „Bot“ mit einer Nummer antreten, und die Liste der Bots im Editor endet hier, vor Bot %1.</translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Der Bot hat keinen Namensschlüssel: Das Spiel lässt ihn unter seinem Standardnamen antreten, und die Liste der Bots im Editor endet hier, vor Bot %1.</translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation>Der letzte Bot mit Namen in der Botliste ist Bot %1: Das Spiel nutzt diesen Schlüssel nur, wenn es mehr Bots hinzunimmt, als die Botliste nennt.</translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation>Die Botliste nennt keinen Bot: Das Spiel nutzt diesen Schlüssel nur, wenn es Bots ohne Namen hinzunimmt.</translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation>Kein installiertes Paket deklariert die Klasse %1: Das Spiel weicht auf seine Standardklasse aus, und ein fehlendes Paket einer Botklasse hat es schon abstürzen lassen.</translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation>Kein installiertes Paket deklariert den Skin %1: Das Spiel zeigt den Standard-Skin der Klasse, ohne Gesicht.</translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation>Kein installiertes Paket deklariert das Gesicht %1: Das Spiel zeigt den Bot ohne Gesicht.</translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation>Der Skin %1 hat keine Textur für das Gesicht %2: Das Spiel zeigt den Bot ohne Gesicht.</translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation>Der Skin %1 ist für ein anderes Modell gemacht (%2): Das Spiel legt ihn trotzdem auf das Modell dieses Bots, und er sieht falsch aus.</translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation>Kein installiertes Paket deklariert die Stimme %1: Das Spiel gibt dem Bot die Standardstimme seiner Klasse.</translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation>Kein installiertes Paket deklariert die Waffe %1: Der Bot hat keine Lieblingswaffe.</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnittlich</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Erfahren</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>Geübt</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Versiert</translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation>Meisterhaft</translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation>Unmenschlich</translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation>Göttlich</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Nur %1 der %2 Bots passen hinter den letzten Bot: Eine Botliste fasst höchstens %3 Bots. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Wählen Sie so viele zu ersetzende Bots aus, wie Bots importiert werden. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The bot &quot;%1&quot; cannot be imported: its %2 holds %3, which a %4 roster file cannot hold. Nothing was imported.</source>
        <translation>Der Bot „%1“ kann nicht importiert werden: Sein Wert für %2 enthält %3, was eine Botliste in %4 nicht aufnehmen kann. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation>Die Datei ist zu groß für eine Botdatei.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation>Die Datei ist keine Botdatei: Sie ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation>Die Datei ist keine Botdatei: Sie enthält keine Bots (keinen Abschnitt %1 und keinen Abschnitt mit Schlüsseln %2).</translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation>Die Datei ist keine Botdatei: Der Abschnitt %1 enthält keine Bots.</translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation>Die Botdatei enthält in Zeile %2 einen zweiten Abschnitt %1: Welcher von beiden die Bots enthält, ist nicht sicher.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation>Der Schlüssel %1 in Zeile %2 nummeriert einen Bot jenseits der letzten Nummer einer Botliste, %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation>Der Schlüssel %1 in Zeile %2 nummeriert seinen Bot mit einer führenden Null, die das Spiel nie liest: Schreiben Sie %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>Der Schlüssel %1 in Zeile %2 enthält ein Steuerzeichen (%3), das eine Botliste nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>Der Wert von %1 in Zeile %2 enthält ein Steuerzeichen (%3), das eine Botliste nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation>Der Wert von %1 in Zeile %2 ist länger als %3 Zeichen, der längste Name, den eine Botliste erlaubt.</translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation>Zeile %1 enthält einen Schlüssel oder Abschnittsnamen mit mehr als %2 Zeichen, wie ihn keine Botliste verwendet.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation>Bot %1 in %2 hat keinen Namen (%3), den die Botliste aber braucht.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation>Bot %1 in %2 hat einen Namen nur aus Leerzeichen (%3): Die Liste der Bots würde bei ihm enden.</translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation>Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation>Die Datei ist keine Botdatei: Sie ist ein Ordner oder ein Gerät, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation>Eine ausgeloste Botliste fasst 1 bis %1 Bots, nicht %2. Es wurde nichts ausgelost.</translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation>Bot %1 kann nicht behalten werden: Er steht nicht in der Liste der Bots. Es wurde nichts ausgelost.</translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation>Bot %1 soll bleiben, aber eine Botliste mit %2 Bots endet bei Bot %3. Es wurde nichts ausgelost.</translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation>Nur %1 Bots mit eigenem Namen kommen durch die Filter, gebraucht werden %2. Es wurde nichts ausgelost.</translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation>%1 ist keine gewöhnliche Datei des Bibliotheksordners (sondern eine Verknüpfung, ein Ordner oder ein Gerät), daher lässt die Bibliothek sie unberührt.</translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation>Die Botdatei %1 hat sich geändert, seit die Bibliothek gelesen wurde. Es wurde nichts geändert; lesen Sie die Bibliothek erneut ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation>„%1“ kann keine Datei der Bibliothek benennen: Ein Name dort enthält kein /, \ oder : und beginnt nicht mit einem Punkt.</translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation>Die Botdatei %1 hat nicht die Form, in der die Bibliothek schreibt, daher ändert die Bibliothek sie nicht.</translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation>Der Bibliotheksordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation>Die Botdatei %1 hat nur noch Platz für %2 Bots. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Voice Type:</source>
        <translation>Stimme:</translation>
    </message>
    <message>
        <source>Bot Faces</source>
        <translation>Botgesichter</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Können:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Treffsicherheit:</translation>
    </message>
    <message>
        <source>Combat Style:</source>
        <translation>Kampfstil:</translation>
    </message>
    <message>
        <source>Alertness:</source>
        <translation>Wachsamkeit:</translation>
    </message>
    <message>
        <source>Camping:</source>
        <translation>Campen:</translation>
    </message>
    <message>
        <source>Strafing:</source>
        <translation>Strafen:</translation>
    </message>
    <message>
        <source>Bot Classes</source>
        <translation>Botklassen</translation>
    </message>
    <message>
        <source>Bot Skins</source>
        <translation>Botskins</translation>
    </message>
    <message>
        <source>Bot Jumpy:</source>
        <translation>Springt viel:</translation>
    </message>
    <message>
        <source>None average</source>
        <translation>Schnitt ohne Team</translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation>In der Liste der Bots gibt es keinen Bot %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation>Bot %1 ist der erste Bot: Er kann nicht weiter nach oben.</translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation>Bot %1 ist der letzte Bot der Liste: Er kann nicht weiter nach unten.</translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation>Die Liste der Bots endet bei Bot %1, der keinen Namen hat, aber höhere Nummern enthalten Schlüssel von Bots: Ein hinzugefügter Bot könnte nicht aufgeführt werden. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation>Eine Botliste fasst höchstens %1 Bots, und in diese passen noch %2. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation>Bot %1 ist nicht mehr in der Botliste. Es wurde nichts gesetzt.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation>Bot %1 hat in der Botliste keinen Namen mehr. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation>%1 würde %2 enthalten, was eine Botliste in %3 nicht aufnehmen kann. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation>Bot %1 heißt nicht mehr %2: Die Botliste hat sich inzwischen geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation>Die Kopie %1 enthält keine Botliste. %2</translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation>Die Botliste blieb unverändert.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Waffe</translation>
    </message>
</context>
</TS>
