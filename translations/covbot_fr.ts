<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AveragesTable</name>
    <message>
        <source>Averages</source>
        <translation>Moyennes</translation>
    </message>
</context>
<context>
    <name>CheckRosterWindow</name>
    <message>
        <source>Check Roster - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.
Without FILE it opens the file used last time, or asks for one.</source>
        <translation>Modifie les bots de la liste Covertstrike dans un fichier CovertstrikeUser.ini.
Sans FICHIER, il ouvre le dernier fichier utilisé ou en demande un.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the desktop&apos;s.</source>
        <translation>Parle la langue CODE (de, en, es, fr, pl, pt_BR) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>The CovertstrikeUser.ini file to open, as File, Open would.</source>
        <translation>Le fichier CovertstrikeUser.ini à ouvrir, comme le ferait Fichier, Ouvrir.</translation>
    </message>
    <message>
        <source>The window-system plugin (xcb, wayland, offscreen, windows...).</source>
        <translation>Le module du système de fenêtres (xcb, wayland, offscreen, windows…).</translation>
    </message>
    <message>
        <source>Where window-system plugins are looked for.</source>
        <translation>Où chercher les modules du système de fenêtres.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Le thème de la plateforme.</translation>
    </message>
    <message>
        <source>An extra input plugin to load.</source>
        <translation>Un module de saisie supplémentaire à charger.</translation>
    </message>
    <message>
        <source>The first window&apos;s size and place (WxH+X+Y).</source>
        <translation>Taille et position de la première fenêtre (LxH+X+Y).</translation>
    </message>
    <message>
        <source>The same, on X11.</source>
        <translation>La même chose, sous X11.</translation>
    </message>
    <message>
        <source>The first window&apos;s title.</source>
        <translation>Le titre de la première fenêtre.</translation>
    </message>
    <message>
        <source>The first window&apos;s icon.</source>
        <translation>L&apos;icône de la première fenêtre.</translation>
    </message>
    <message>
        <source>The X11 display (hostname:screen).</source>
        <translation>L&apos;affichage X11 (hôte:écran).</translation>
    </message>
    <message>
        <source>The X11 resource name.</source>
        <translation>Le nom de ressource X11.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La session à restaurer.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Le style des widgets.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Une feuille de style à appliquer.</translation>
    </message>
    <message>
        <source>QML debugging.</source>
        <translation>Débogage QML.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Dispose la fenêtre de droite à gauche.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Compte les widgets restants à la fin.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Charge la bibliothèque de testabilité.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or keyboard (X11).</source>
        <translation>Ne capture jamais la souris ni le clavier (X11).</translation>
    </message>
    <message>
        <source>Grabs them even under a debugger (X11).</source>
        <translation>Les capture même sous un débogueur (X11).</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously.</source>
        <translation>Dialogue avec le serveur X11 de façon synchrone.</translation>
    </message>
    <message>
        <source>Options of the window system:</source>
        <translation>Options du système de fenêtres&#xa0;:</translation>
    </message>
    <message>
        <source>no translation for %1; the languages are en, %2</source>
        <translation>aucune traduction pour %1&#xa0;; les langues sont en, %2</translation>
    </message>
    <message>
        <source>one roster file at most, not %1</source>
        <translation>un seul fichier de liste au plus, pas %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 n&apos;est pas un fichier local</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows this help and the window system&apos;s options.</source>
        <translation>Affiche cette aide et les options du système de fenêtres.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --lang, as its help names it</comment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the roster file, as the help names it</comment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <comment>the roster file in the help&apos;s usage line</comment>
        <translation>[FICHIER]</translation>
    </message>
    <message>
        <source>cannot open the window: no display to show it on</source>
        <translation>impossible d’ouvrir la fenêtre&#xa0;: aucun affichage où la montrer</translation>
    </message>
    <message>
        <source>The commands from --list to --check work on FILE without the window or a display. They end with exit code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read or written, and --check with 3 when it finds anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportBotsDialog</name>
    <message>
        <source>Import Bots</source>
        <translation>Importer des bots</translation>
    </message>
    <message>
        <source>&amp;Bots to import:</source>
        <translation>&amp;Bots à importer&#xa0;:</translation>
    </message>
    <message>
        <source>Bots to import</source>
        <translation>Bots à importer</translation>
    </message>
    <message>
        <source>&amp;Add after the last bot</source>
        <translation>&amp;Ajouter après le dernier bot</translation>
    </message>
    <message>
        <source>&amp;Replace the selected bots</source>
        <translation>&amp;Remplacer les bots sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Take the bots from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 maximum</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>Not in the bot file: the game uses its default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Impossible de lire le fichier de liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is no roster file open. Open one with File, Open first.</source>
        <translation>Aucun fichier de liste n&apos;est ouvert. Ouvrez-en d&apos;abord un avec Fichier, Ouvrir.</translation>
    </message>
    <message>
        <source>The game does not use this file under Program Files but its own copy:
%1

The editor edits that copy.</source>
        <translation>Le jeu n&apos;utilise pas ce fichier sous Program Files mais sa propre copie&#xa0;:
%1

L&apos;éditeur modifie cette copie.</translation>
    </message>
    <message>
        <source>Bot %1 (%2) is no longer in the file. Nothing was saved.</source>
        <translation>Le bot %1 (%2) n&apos;est plus dans le fichier. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>A bot is no longer in the file. Nothing was saved.</source>
        <translation>Un bot n&apos;est plus dans le fichier. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to choose it again.</source>
        <translation>Le fichier de liste a disparu&#xa0;: %1. Rien n&apos;a été enregistré&#xa0;; vos modifications sont conservées. Utilisez Fichier, Ouvrir pour le choisir à nouveau.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was imported.</source>
        <translation>Le fichier de liste a disparu&#xa0;: %1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved.</source>
        <translation>Le fichier de liste a disparu&#xa0;: %1. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). Nothing was saved; your changes are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The roster file was left as it was.</source>
        <translation>Impossible de restaurer la sauvegarde&#xa0;: %1. Le fichier de liste n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: %1 (bot %2) could not be saved: %3. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible d&apos;enregistrer %1 (bot %2)&#xa0;: %3. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the values could not be saved: %1. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible d&apos;enregistrer les valeurs&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the bots could not be imported: %1. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible d&apos;importer les bots&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the backup could not be restored: %1. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible de restaurer la sauvegarde&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the roster could not be written: %1. The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The file lies under Program Files, which only administrators may change. The game, run as you, writes its own copy instead, once it has saved its settings:
%1</source>
        <translation>

Le fichier se trouve sous Program Files, que seuls les administrateurs peuvent modifier. Le jeu, lancé sous votre compte, écrit à la place sa propre copie, une fois ses réglages enregistrés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since; it stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster file not found</source>
        <translation>Fichier de liste introuvable</translation>
    </message>
    <message>
        <source>The roster file was not found: %1</source>
        <translation>Le fichier de liste est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Roster file unreadable</source>
        <translation>Fichier de liste illisible</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2</source>
        <translation>Impossible de lire le fichier de liste&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No bot roster in the file</source>
        <translation>Aucune liste de bots dans le fichier</translation>
    </message>
    <message>
        <source>The roster file holds no bot roster: %1</source>
        <translation>Le fichier ne contient aucune liste de bots&#xa0;: %1</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Fichier modifié sur le disque</translation>
    </message>
    <message>
        <source>Another program changed the roster file. Your changes are kept; a save writes only what you changed.</source>
        <translation>Un autre programme a modifié le fichier de liste. Vos modifications sont conservées&#xa0;; l&apos;enregistrement n&apos;écrit que ce que vous avez changé.</translation>
    </message>
    <message>
        <source>%1 also changed on disk</source>
        <translation>%1 modifié aussi sur le disque</translation>
    </message>
    <message numerus="yes">
        <source>%n fields also changed on disk</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>File changed on disk: %1 also changed there. Your values are kept; a save writes them over the file&apos;s.</source>
        <translation>Fichier modifié sur le disque&#xa0;: %1 y a aussi changé. Vos valeurs sont conservées&#xa0;; l&apos;enregistrement les écrit à la place de celles du fichier.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the file</source>
        <translation>Le bot %1 n&apos;est plus dans le fichier</translation>
    </message>
    <message>
        <source>Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved into it.</source>
        <translation>Un autre programme a retiré le bot %1 (%2) du fichier de liste. Vos modifications sont conservées mais ne peuvent pas y être enregistrées.</translation>
    </message>
    <message>
        <source>Remove the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ignorer</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>There are no backups of this roster file yet. The editor makes one before it first changes the file.</source>
        <translation>Il n&apos;existe encore aucune sauvegarde de ce fichier de liste. L&apos;éditeur en fait une avant de modifier le fichier pour la première fois.</translation>
    </message>
    <message>
        <source>&amp;Backups of the roster file, newest first:</source>
        <translation>&amp;Sauvegardes du fichier de liste, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Bots that differ</source>
        <translation>Bots différents</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>not a roster</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster holds no bots to export.</source>
        <translation>La liste ne contient aucun bot à exporter.</translation>
    </message>
    <message>
        <source>Export Bots</source>
        <translation>Exporter des bots</translation>
    </message>
    <message>
        <source>The bots could not be exported to %1: %2.</source>
        <translation>Impossible d&apos;exporter les bots vers %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: %1</source>
        <translation>Le presse-papiers ne contient aucun bot à coller&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import Bots</source>
        <translation>Importer des bots</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Seuls %1 des %2 bots tiennent après le dernier bot&#xa0;: une liste contient au plus %3 bots. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Sélectionnez autant de bots à remplacer qu&apos;il y a de bots à importer. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The game is running and may write the roster back when it closes. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterOverview</name>
    <message>
        <source>Roster - %1</source>
        <translation>Liste des bots – %1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Décroissant</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Liste des bots</translation>
    </message>
    <message>
        <source>&amp;Set Values...</source>
        <translation>Définir les &amp;valeurs…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%1 bots</source>
        <translation>
            <numerusform>%1 bot</numerusform>
            <numerusform>%1 bots</numerusform>
        </translation>
    </message>
    <message>
        <source>No roster file</source>
        <translation>Aucun fichier de liste</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Impossible de lire le fichier de liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;xporter des bots…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importer des bots…</translation>
    </message>
    <message>
        <source>&amp;Copy Bots</source>
        <translation>&amp;Copier les bots</translation>
    </message>
    <message>
        <source>&amp;Paste Bots</source>
        <translation>Co&amp;ller les bots</translation>
    </message>
</context>
<context>
    <name>RosterShapeActions</name>
    <message>
        <source>&amp;Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n bots</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from the roster? The bots after it move up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Shown in the editor</source>
        <translation>Affiché dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>Not in the file: the game uses its default</source>
        <translation>Absent du fichier&#xa0;: le jeu utilise sa valeur par défaut</translation>
    </message>
    <message>
        <source>Nothing found: the game plays this bot as the file holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetValuesDialog</name>
    <message>
        <source>Set Values</source>
        <translation>Définir les valeurs</translation>
    </message>
    <message>
        <source>Set the ticked fields of the selected bot.</source>
        <translation>Définir les champs cochés du bot sélectionné.</translation>
    </message>
    <message numerus="yes">
        <source>Set the ticked fields of the %1 selected bots.</source>
        <translation>
            <numerusform>Définir les champs cochés du %1 bot sélectionné.</numerusform>
            <numerusform>Définir les champs cochés des %1 bots sélectionnés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sa&amp;me value for every bot</source>
        <translation>&amp;Même valeur pour tous les bots</translation>
    </message>
    <message>
        <source>A &amp;random value for each bot</source>
        <translation>&amp;Valeur aléatoire pour chaque bot</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 maximum</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>The sliders start at the values of %1 in the editor, with changes not yet saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import Bots (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Made by Covertstrike players</source>
        <translation>Créé par des joueurs de Covertstrike</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système…</translation>
    </message>
    <message>
        <source>This program is freeware.  Back up your roster first.</source>
        <translation>Ce programme est un gratuiciel.  Sauvegardez d&apos;abord votre liste de bots.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error: Nothing to save.</source>
        <translation>Erreur&#xa0;: rien à enregistrer.</translation>
    </message>
    <message>
        <source>ERROR: Bot name error or no bot selected.</source>
        <translation>ERREUR&#xa0;: nom de bot erroné ou aucun bot sélectionné.</translation>
    </message>
    <message>
        <source>Bot #: %1</source>
        <translation>Bot n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Enter new name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nom du bot</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Fichier modifié sur le disque</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Jeu en cours</translation>
    </message>
    <message>
        <source>The game is running. It reads the roster when it starts and may write it back when it closes, over what you save now: close the game first.</source>
        <translation>Le jeu est lancé. Il lit la liste des bots au démarrage et peut la réécrire en quittant, par-dessus ce que vous enregistrez maintenant&#xa0;: fermez d&apos;abord le jeu.</translation>
    </message>
    <message>
        <source>USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your game.  These modifications could be harmful or fatal if swallowed.</source>
        <translation>UTILISATION À VOS RISQUES ET PÉRILS&#xa0;!  Ce programme modifie les réglages d&apos;un des fichiers d&apos;initialisation de votre jeu.  Ces modifications peuvent être nocives ou mortelles en cas d&apos;ingestion.</translation>
    </message>
    <message>
        <source>A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be in the System folder that is located in your Unreal Tournament folder. (i.e. C:\UnrealTournament\System\)</source>
        <translation>Une boîte de dialogue va s&apos;ouvrir pour vous permettre de choisir votre fichier CovertstrikeUser.ini.  Ce fichier se trouve dans le dossier System de votre dossier Unreal Tournament. (p. ex. C:\UnrealTournament\System\)</translation>
    </message>
    <message>
        <source>Error: Invalid CovertstrikeUser.ini file.</source>
        <translation>Erreur&#xa0;: fichier CovertstrikeUser.ini non valide.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Selected Bot</source>
        <translation>Bot sélectionné</translation>
    </message>
    <message>
        <source>Bot #</source>
        <translation>Bot n°</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Select a bot from the list</source>
        <translation>Choisissez un bot dans la liste</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Enregistrer ces réglages</translation>
    </message>
    <message>
        <source>The best 3d shooter around</source>
        <translation>Le meilleur jeu de tir 3D du moment</translation>
    </message>
    <message>
        <source>Erase Reg Info</source>
        <translation>Effacer le registre</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Bots</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Vue d’ensemble…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde…</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;xporter des bots…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importer des bots…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>Voice Type</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Voice 1</source>
        <translation>Voix 1</translation>
    </message>
    <message>
        <source>Voice 2</source>
        <translation>Voix 2</translation>
    </message>
    <message>
        <source>Voice 3</source>
        <translation>Voix 3</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habileté</translation>
    </message>
    <message>
        <source>Strafing</source>
        <translation>Esquive</translation>
    </message>
    <message>
        <source>Alertness</source>
        <translation>Vigilance</translation>
    </message>
    <message>
        <source>Combat Style</source>
        <translation>Style de combat</translation>
    </message>
    <message>
        <source>Avoidant</source>
        <translation>Fuyant</translation>
    </message>
    <message>
        <source>Cautious</source>
        <translation>Prudent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>Agressif</translation>
    </message>
    <message>
        <source>Berzerk</source>
        <translation>Enragé</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Camping</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Bot Jumpy</source>
        <translation>Sauteur</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Visage</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Red average</source>
        <translation>Moyenne Rouge</translation>
    </message>
    <message>
        <source>Blue average</source>
        <translation>Moyenne Bleu</translation>
    </message>
    <message>
        <source>Green average</source>
        <translation>Moyenne Vert</translation>
    </message>
    <message>
        <source>Gold average</source>
        <translation>Moyenne Or</translation>
    </message>
    <message>
        <source>All average</source>
        <translation>Moyenne générale</translation>
    </message>
    <message>
        <source>Jumpy</source>
        <translation>Sauteur</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?)</source>
        <translation>Le fichier de liste est utilisé par un autre programme (le jeu est-il lancé&#xa0;?)</translation>
    </message>
    <message>
        <source>The value for %1 holds %2, which a %3 roster file cannot hold. %4</source>
        <translation>La valeur de %1 contient %2, ce que ne peut pas contenir un fichier de liste en %3. %4</translation>
    </message>
    <message>
        <source>Nothing of this bot was saved.</source>
        <translation>Rien de ce bot n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Nothing of these bots was saved.</source>
        <translation>Rien de ces bots n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>A bot&apos;s name cannot be blank: the list of bots would end at it, and the bots after it could no longer be reached. %1</source>
        <translation>Le nom d&apos;un bot ne peut pas être vide&#xa0;: la liste des bots s&apos;arrêterait là et les bots suivants deviendraient inaccessibles. %1</translation>
    </message>
    <message>
        <source>The roster file could not be backed up before saving: %1. %2</source>
        <translation>Impossible de sauvegarder le fichier de liste avant l&apos;enregistrement&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>The roster file is gone</source>
        <translation>Le fichier de liste a disparu</translation>
    </message>
    <message>
        <source>The bot is gone</source>
        <translation>Le bot a disparu</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Novice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Seuls %1 des %2 bots tiennent après le dernier bot&#xa0;: une liste contient au plus %3 bots. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Sélectionnez autant de bots à remplacer qu&apos;il y a de bots à importer. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The bot &quot;%1&quot; cannot be imported: its %2 holds %3, which a %4 roster file cannot hold. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster file could not be backed up before importing: %1. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Type:</source>
        <translation>Voix&#xa0;:</translation>
    </message>
    <message>
        <source>Bot Faces</source>
        <translation>Visages des bots</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Équipe&#xa0;:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Habileté&#xa0;:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Précision&#xa0;:</translation>
    </message>
    <message>
        <source>Combat Style:</source>
        <translation>Style de combat&#xa0;:</translation>
    </message>
    <message>
        <source>Alertness:</source>
        <translation>Vigilance&#xa0;:</translation>
    </message>
    <message>
        <source>Camping:</source>
        <translation>Camping&#xa0;:</translation>
    </message>
    <message>
        <source>Strafing:</source>
        <translation>Esquive&#xa0;:</translation>
    </message>
    <message>
        <source>Bot Classes</source>
        <translation>Classes des bots</translation>
    </message>
    <message>
        <source>Bot Skins</source>
        <translation>Skins des bots</translation>
    </message>
    <message>
        <source>Bot Jumpy:</source>
        <translation>Sauteur&#xa0;:</translation>
    </message>
    <message>
        <source>None average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 roster file cannot hold. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
