<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation>Aucun jeu installé n&apos;a été trouvé à côté de la liste, il n&apos;y a donc rien à choisir&#xa0;: les classes, skins, visages, voix et armes du jeu sont déclarés dans les fichiers .int de son dossier System, là où se trouve la liste.</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Classe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation>&amp;Skin&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>&amp;Visage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>V&amp;oix&#xa0;:</translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation>&amp;Arme favorite&#xa0;:</translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation>Classe par défaut du jeu</translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation>Skin par défaut de la classe</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Aucun visage</translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation>Voix par défaut de la classe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation>%1 (que le jeu installé ne propose pas)</translation>
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
        <translation>Vérifier la liste – %1</translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation>Co&amp;nstats&#xa0;: là où le jeu ne jouera pas la liste telle que le fichier la contient</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation>Ce que fait le jeu</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Corriger</translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation>Écrire les corrections des constats sélectionnés</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Corriger &amp;tout</translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation>Écrire la correction de chaque constat qui en a une</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation>Le jeu joue la liste telle que le fichier la contient.</translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation>
            <numerusform>Constat&#xa0;: %n</numerusform>
            <numerusform>Constats&#xa0;: %n</numerusform>
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
        <translation>Les commandes de --list à --check agissent sur FICHIER sans la fenêtre ni affichage. Elles se terminent avec le code de sortie 0 en cas de réussite, 1 après une erreur ou un refus (rien n&apos;est alors écrit), 2 si FICHIER ne peut être ni lu ni écrit, et --check avec 3 s&apos;il trouve quoi que ce soit.</translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation>PLAGE</translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation>Affiche la liste de FICHIER, séparée par des tabulations&#xa0;: une ligne de titres, puis le numéro, le nom et neuf champs de chaque bot, tels que le fichier les contient.</translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation>Écrit les bots de FICHIER (ou ceux de --bots) dans le fichier de bots SORTIE (.covbots).</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation>Ajoute les bots du fichier de bots BOTS à FICHIER après son dernier bot, ou à la place des bots de --replace.</translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation>BOTS</translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation>Donne à CLÉ (BotSkills, BotAccuracy, Camping…) la valeur VALEUR pour chaque bot de FICHIER, ou ceux de --bots. À donner une fois par clé.</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation>CLÉ=VALEUR</translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation>Tire au sort pour FICHIER une nouvelle liste dans BIBLIOTHÈQUE, un dossier de fichiers de bots ou un seul fichier de bots, et affiche la graine utilisée.</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation>BIBLIOTHÈQUE</translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation>Affiche chaque clé de FICHIER que le jeu ne jouera pas telle quelle, et ce que le jeu fera.</translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation>Avec --check&#xa0;: applique toutes les corrections sûres en une seule écriture, après une sauvegarde, et les affiche.</translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation>Avec --export ou --set&#xa0;: les bots à prendre.</translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation>Avec --import&#xa0;: les bots à remplacer, un par bot importé.</translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation>Avec --deal&#xa0;: combien de bots tirer (de 1 à 101)&#xa0;; par défaut, autant que FICHIER en contient.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation>Avec --deal&#xa0;: la graine du tirage&#xa0;; la même graine donne la même liste.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation>Avec --deal&#xa0;: les bots qui restent tels quels.</translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation>Avec --deal&#xa0;: place les bots tirés dans l&apos;équipe qui en compte le moins, Rouge et Bleu à tour de rôle.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation>%1 et %2 ne peuvent pas être donnés ensemble&#xa0;: une commande à la fois</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 s&apos;emploie avec %2 ou %3</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 s&apos;emploie avec %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation>%1 demande le fichier de liste FICHIER</translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation>%1 agit sur un seul fichier de liste, pas %2</translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation>Tirer une liste</translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation>
            <numerusform>Tirer au sort une nouvelle liste parmi %n bot de la bibliothèque retenu par les filtres.</numerusform>
            <numerusform>Tirer au sort une nouvelle liste parmi les %n bots de la bibliothèque retenus par les filtres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation>Bots dans la liste</translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation>&amp;Bots dans la liste&#xa0;:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation>La même graine et la même bibliothèque donnent la même liste.</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation>&amp;Conserver les bots sélectionnés dans la vue d&apos;ensemble (aucun)</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation>&amp;Conserver les bots sélectionnés dans la vue d&apos;ensemble&#xa0;: %1</translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation>Équipes &amp;telles qu&apos;enregistrées</translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation>Équipes équi&amp;librées</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Tirer</translation>
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
        <translation>&amp;Prendre les bots dans&#xa0;:</translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation>Liste où prendre les bots</translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation>[%1], ligne %2</translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation>&amp;Bots à importer depuis [%1]&#xa0;:</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation>Seuls %1 des %2 bots cochés tiennent après le dernier bot&#xa0;: une liste contient au plus %3 bots. Décochez-en, ou remplacez plutôt des bots sélectionnés.</translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation>Ajouter à la bibliothèque</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation>
            <numerusform>Ajouter %n bot sélectionné au &amp;fichier de la bibliothèque&#xa0;:</numerusform>
            <numerusform>Ajouter les %n bots sélectionnés au &amp;fichier de la bibliothèque&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation>Fichier de la bibliothèque</translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation>Mes bots</translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation>Un nom absent de la bibliothèque crée un nouveau fichier.</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>É&amp;quipe&#xa0;:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Toutes les équipes</translation>
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
        <translation>Absent du fichier de bots&#xa0;: le jeu utilise sa valeur par défaut</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library - %1</source>
        <translation>Bibliothèque – %1</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation>&amp;Changer de dossier…</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation>Fichiers illisibles</translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation>Ajouter à la &amp;liste…</translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation>&amp;Retirer de la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation>&amp;Tirer une liste…</translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation>Ajouter à la &amp;bibliothèque…</translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation>&amp;Importer un fichier…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation>Aucun bot dans la bibliothèque pour l&apos;instant&#xa0;: ajoutez-en depuis la vue d&apos;ensemble, ou importez un fichier de bots.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation>
            <numerusform>Bots retenus par les filtres&#xa0;: %1 sur %n</numerusform>
            <numerusform>Bots retenus par les filtres&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation>Impossible de créer le dossier de la bibliothèque %1.</translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation>Impossible d&apos;écrire le fichier de la bibliothèque %1&#xa0;: %2. Il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation>Sélectionnez d&apos;abord les bots à ajouter dans la vue d&apos;ensemble de la liste (Bots, Vue d&apos;ensemble).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation>Retirer %1 de la bibliothèque&#xa0;? Un fichier qui n&apos;a plus de bots est supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation>
            <numerusform>Retirer %n bot de la bibliothèque&#xa0;? Un fichier qui n&apos;a plus de bots est supprimé.

%1</numerusform>
            <numerusform>Retirer ces %n bots de la bibliothèque&#xa0;? Un fichier qui n&apos;a plus de bots est supprimé.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation>Importer un fichier dans la bibliothèque</translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation>Impossible d&apos;ajouter %1 à la bibliothèque&#xa0;: %2</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le dossier de la bibliothèque %1.</translation>
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
        <translation>Le fichier de liste est utilisé par un autre programme (le jeu est-il lancé&#xa0;?). Rien n&apos;a été enregistré&#xa0;; vos modifications sont conservées.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation>Le fichier de liste est utilisé par un autre programme (le jeu est-il lancé&#xa0;?). Le fichier n&apos;a pas été modifié.</translation>
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
        <translation>Erreur&#xa0;: impossible d&apos;écrire la liste&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
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
        <translation>Un autre programme a modifié %1 entre-temps&#xa0;; cette modification est conservée.</translation>
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
        <translation>
            <numerusform>%n champ modifié aussi sur le disque</numerusform>
            <numerusform>%n champs modifiés aussi sur le disque</numerusform>
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
        <translation>Supprimer la clé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation>Le jeu joue ce bot au niveau %1 (%2)&#xa0;: difficulté %3 et habileté %4.</translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation>Aucun jeu installé n&apos;a été trouvé à côté de la liste (son dossier ne contient aucun fichier .int du jeu)&#xa0;: les classes, skins, visages, voix et armes n&apos;ont pas été vérifiés.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation>Impossible de lire le fichier de liste&#xa0;: %1&#xa0;: %2. Rien n&apos;a été enregistré&#xa0;; vos modifications sont conservées.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation>Impossible de lire le fichier de liste&#xa0;: %1&#xa0;: %2. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible d&apos;écrire les corrections&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation>Erreur&#xa0;: impossible d&apos;enregistrer l&apos;apparence&#xa0;: %1. Le fichier n&apos;a pas été modifié.</translation>
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
        <translation>aucune liste</translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
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
        <translation>Le jeu est lancé et peut réécrire la liste en quittant. Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation>Remplacer la liste par la copie du %1&#xa0;? 1 bot diffère.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation>
            <numerusform>Remplacer la liste par la copie du %1&#xa0;? %n bot diffère.</numerusform>
            <numerusform>Remplacer la liste par la copie du %1&#xa0;? %n bots diffèrent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Vérifier la &amp;liste…</translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation>A&amp;pparence…</translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Apparence de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Apparence (%n bot)</numerusform>
            <numerusform>Apparence (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation>%1 attend des numéros de bots et des plages comme 0-3,7, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation>%1&#xa0;: %2 n&apos;est pas un numéro de bot&#xa0;; les bots sont numérotés de 0 à %3</translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation>%1&#xa0;: la plage %2-%3 est à l&apos;envers&#xa0;; écrivez %3-%2</translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation>%1&#xa0;: le bot %2 est cité deux fois</translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation>%1&#xa0;: la liste ne contient aucun bot</translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation>%1&#xa0;: la liste contient les bots 0 à %2&#xa0;; %3 n&apos;en fait pas partie</translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set attend CLÉ=VALEUR, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation>%1 ne peut pas être défini ici&#xa0;; les clés que --set définit sont %2</translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation>clé inconnue %1&#xa0;; les clés que --set définit sont %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 attend un nombre entier de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 attend un nombre de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count attend un nombre de bots de 1 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--seed attend un nombre entier de 0 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation>%1 n&apos;est pas un fichier de liste&#xa0;: son nom doit se terminer par CovertstrikeUser.ini</translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation>le jeu garde sa propre copie de cette liste, qui est utilisée à sa place&#xa0;: %1</translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation>le jeu est lancé&#xa0;: il peut écrire sa propre liste par-dessus celle-ci en quittant</translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation>--export écrit un fichier de bots, dont le nom se termine par .covbots, pas %1</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation>la liste ne contient aucun bot&#xa0;: il n&apos;y a rien à exporter</translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation>impossible d&apos;écrire le fichier de bots %1&#xa0;: %2. Rien n&apos;a été exporté.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation>
            <numerusform>%n bot exporté vers %1.</numerusform>
            <numerusform>%n bots exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation>[%1] à la ligne %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation>
            <numerusform>%1 contient des bots dans %n section&#xa0;: %2. Rien n&apos;a été importé&#xa0;; placez les bots à importer dans un fichier à part, ou importez-les dans la fenêtre, qui vous laisse choisir.</numerusform>
            <numerusform>%1 contient des bots dans %n sections&#xa0;: %2. Rien n&apos;a été importé&#xa0;; placez les bots à importer dans un fichier à part, ou importez-les dans la fenêtre, qui vous laisse choisir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation>
            <numerusform>%1 contient %n bot, et --replace en nomme %2. Rien n&apos;a été importé.</numerusform>
            <numerusform>%1 contient %n bots, et --replace en nomme %2. Rien n&apos;a été importé.</numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>seuls %1 des %2 bots tiennent après le dernier bot&#xa0;: une liste contient au plus %3 bots. Rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation>
            <numerusform>%n bot importé, numéroté %1.</numerusform>
            <numerusform>%n bots importés, numérotés %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation>--set donne %1 deux fois</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation>la liste ne contient aucun bot&#xa0;: il n&apos;y a rien à définir</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Définir les valeurs (%n bot)</numerusform>
            <numerusform>Définir les valeurs (%n bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation>
            <numerusform>Valeurs de %1 définies pour %n bot.</numerusform>
            <numerusform>Valeurs de %1 définies pour %n bots.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation>%1 n&apos;est ni un dossier de fichiers de bots ni un fichier de bots</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 est écarté&#xa0;: %2</translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation>la liste ne contient aucun bot&#xa0;: indiquez avec --count combien en tirer</translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation>Tirer une liste</translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation>
            <numerusform>%n bot tiré avec la graine %1.</numerusform>
            <numerusform>%n bots tirés avec la graine %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation>aucun jeu installé à côté de la liste (aucun fichier .int de %1 ne déclare quoi que ce soit)&#xa0;: les classes, skins, visages, voix et armes ne sont pas vérifiés</translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation>Corriger la liste</translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation>Correction de %1&#xa0;: «&#xa0;%2&#xa0;» supprimé.</translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation>Correction de %1&#xa0;: désormais «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation>Correction de %1&#xa0;: «&#xa0;%2&#xa0;» devient «&#xa0;%3&#xa0;».</translation>
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
        <translation>&amp;Ajouter un bot</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Desce&amp;ndre</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Dupliquer %1</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n bots</source>
        <translation>
            <numerusform>Dupliquer %n bot</numerusform>
            <numerusform>Dupliquer %n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from the roster? The bots after it move up.</source>
        <translation>Supprimer %1 de la liste&#xa0;? Les bots suivants remontent d&apos;un rang.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation>
            <numerusform>Supprimer %n bot de la liste&#xa0;? Les bots suivants remontent.

%1</numerusform>
            <numerusform>Supprimer ces %n bots de la liste&#xa0;? Les bots suivants remontent.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation>
            <numerusform>Supprimer %n bot</numerusform>
            <numerusform>Supprimer %n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>Descendre %1</translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation>
            <numerusform>Tirer une liste (%n bot)</numerusform>
            <numerusform>Tirer une liste (%n bots)</numerusform>
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
        <translation>Rien à signaler&#xa0;: le jeu joue ce bot tel que le fichier le contient</translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation>Ce que le jeu ne jouera pas tel que le fichier le contient</translation>
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
        <translation>Les curseurs partent des valeurs de %1 dans l&apos;éditeur, modifications non enregistrées comprises.</translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation>Enregistrer %1</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Définir les valeurs (%n bot)</numerusform>
            <numerusform>Définir les valeurs (%n bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import Bots (%n bots)</source>
        <translation>
            <numerusform>Importer des bots (%n bot)</numerusform>
            <numerusform>Importer des bots (%n bots)</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation>une partie du fichier</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation>Corriger %1</translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation>
            <numerusform>Corriger (%n constat)</numerusform>
            <numerusform>Corriger (%n constats)</numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Apparence de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Apparence (%n bot)</numerusform>
            <numerusform>Apparence (%n bots)</numerusform>
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
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothèque…</translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Vérifier la &amp;liste…</translation>
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
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation>trop volumineux pour un fichier de déclarations</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation>La correction de %1 contient %2, ce que ne peut pas contenir un fichier de liste en %3. Rien n&apos;a été corrigé.</translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation>%1 est hors de la plage qu&apos;utilise le jeu, de %2 à %3&#xa0;: le jeu utilise %4.</translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation>Le jeu lit ici un nombre entier&#xa0;: %1 compte pour %2.</translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation>%1 n&apos;est pas une équipe du jeu (0 à 3, ou 255 pour aucune)&#xa0;: le jeu choisit lui-même l&apos;équipe du bot.</translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation>%1 n&apos;est pas un nombre&#xa0;: le jeu utilise %2.</translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation>%1 n&apos;est pas un nombre, et le jeu risque de ne pas le lire comme prévu.</translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation>La difficulté %1 et l&apos;habileté %2 donnent %3, hors de 0 à 7&#xa0;: le jeu joue le bot au niveau %4.</translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation>Le bot %1 s&apos;appelle déjà %2&#xa0;: le jeu joue ce bot sous le nom «&#xa0;Bot&#xa0;» suivi d&apos;un numéro.</translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Le bot n&apos;a pas de nom&#xa0;: le jeu le joue sous le nom «&#xa0;Bot&#xa0;» suivi d&apos;un numéro, et la liste des bots de l&apos;éditeur s&apos;arrête ici, avant le bot %1.</translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Le bot n&apos;a pas de clé de nom&#xa0;: le jeu le joue sous son nom par défaut, et la liste des bots de l&apos;éditeur s&apos;arrête ici, avant le bot %1.</translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation>Le dernier bot nommé de la liste est le bot %1&#xa0;: le jeu n&apos;utilise cette clé que s&apos;il ajoute plus de bots que la liste n&apos;en nomme.</translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation>La liste ne nomme aucun bot&#xa0;: le jeu n&apos;utilise cette clé que s&apos;il ajoute des bots sans nom.</translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation>Aucun paquet installé ne déclare la classe %1&#xa0;: le jeu se rabat sur sa classe par défaut, et un paquet de classe de bot manquant l&apos;a déjà fait planter.</translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation>Aucun paquet installé ne déclare le skin %1&#xa0;: le jeu affiche le skin par défaut de la classe, sans visage.</translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation>Aucun paquet installé ne déclare le visage %1&#xa0;: le jeu affiche le bot sans visage.</translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation>Le skin %1 n&apos;a pas de texture pour le visage %2&#xa0;: le jeu affiche le bot sans visage.</translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation>Le skin %1 est fait pour un autre modèle (%2)&#xa0;: le jeu l&apos;applique quand même au modèle de ce bot, et le rendu est faux.</translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation>Aucun paquet installé ne déclare la voix %1&#xa0;: le jeu donne au bot la voix par défaut de sa classe.</translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation>Aucun paquet installé ne déclare l&apos;arme %1&#xa0;: le bot n&apos;a pas d&apos;arme favorite.</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Expérimenté</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>Doué</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Adepte</translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation>Inhumain</translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation>Divin</translation>
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
        <translation>Impossible d&apos;importer le bot «&#xa0;%1&#xa0;»&#xa0;: sa clé %2 contient %3, ce que ne peut pas contenir un fichier de liste en %4. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation>Le fichier est trop volumineux pour un fichier de bots.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation>Le fichier n&apos;est pas un fichier de bots&#xa0;: ce n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation>Le fichier n&apos;est pas un fichier de bots&#xa0;: il ne contient aucun bot (ni section %1, ni section avec des clés %2).</translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation>Le fichier n&apos;est pas un fichier de bots&#xa0;: sa section %1 ne contient aucun bot.</translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation>Le fichier de bots contient une deuxième section %1, à la ligne %2&#xa0;: on ne peut pas savoir avec certitude laquelle contient les bots.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation>La clé %1 à la ligne %2 numérote un bot au-delà du dernier numéro de la liste, %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation>La clé %1 à la ligne %2 numérote son bot avec un zéro initial, que le jeu ne lit jamais&#xa0;: écrivez %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>La clé %1 à la ligne %2 contient un caractère de contrôle (%3), ce que ne peut pas contenir un fichier de liste.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>La valeur de %1 à la ligne %2 contient un caractère de contrôle (%3), ce que ne peut pas contenir un fichier de liste.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation>La valeur de %1 à la ligne %2 dépasse %3 caractères, le nom le plus long qu&apos;admette une liste.</translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation>La ligne %1 contient une clé ou un nom de section de plus de %2 caractères, ce qu&apos;aucune liste n&apos;utilise.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation>Le bot %1 de %2 n&apos;a pas de nom (%3), alors que la liste en exige un.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation>Le bot %1 de %2 a un nom fait uniquement d&apos;espaces (%3)&#xa0;: la liste des bots s&apos;arrêterait à lui.</translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation>Le fichier n&apos;est pas un fichier de bots&#xa0;: c&apos;est un dossier ou un périphérique, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossible de lire le fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation>Une liste tirée contient de 1 à %1 bots, pas %2. Rien n&apos;a été tiré.</translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation>Impossible de conserver le bot %1&#xa0;: il n&apos;est pas dans la liste des bots. Rien n&apos;a été tiré.</translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation>Le bot %1 est conservé, mais une liste de %2 bots s&apos;arrête au bot %3. Rien n&apos;a été tiré.</translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation>Seuls %1 bots ayant leur propre nom sont retenus par les filtres, et il en faut %2. Rien n&apos;a été tiré.</translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation>%1 n&apos;est pas un simple fichier du dossier de la bibliothèque (c&apos;est un lien, un dossier ou un périphérique)&#xa0;: la bibliothèque n&apos;y touche pas.</translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation>Le fichier de bots %1 a changé depuis la lecture de la bibliothèque. Rien n&apos;a été modifié&#xa0;; relisez la bibliothèque.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un fichier de la bibliothèque&#xa0;: un nom n&apos;y contient ni «&#xa0;/&#xa0;», ni «&#xa0;\&#xa0;», ni «&#xa0;:&#xa0;», et ne commence pas par un point.</translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation>Le fichier de bots %1 n&apos;a pas la forme qu&apos;écrit la bibliothèque&#xa0;: elle ne le modifie donc pas.</translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation>Impossible de lire le dossier de la bibliothèque&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation>Le fichier de bots %1 n&apos;a de place que pour %2 bots de plus. Rien n&apos;a été ajouté.</translation>
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
        <translation>Moyenne sans équipe</translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation>Il n&apos;y a pas de bot %1 dans la liste des bots. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation>Le bot %1 est le premier&#xa0;: il ne peut pas monter.</translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation>Le bot %1 est le dernier de la liste&#xa0;: il ne peut pas descendre.</translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation>La liste des bots s&apos;arrête au bot %1, qui n&apos;a pas de nom, mais des numéros plus élevés ont des clés de bots&#xa0;: un bot ajouté ne pourrait pas y figurer. Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation>Une liste contient au plus %1 bots, et celle-ci n&apos;en accepte plus que %2. Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation>Le bot %1 n&apos;est plus dans le fichier de liste. Rien n&apos;a été défini.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation>Le bot %1 n&apos;est plus nommé dans le fichier de liste. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation>%1 contiendrait %2, ce que ne peut pas contenir un fichier de liste en %3. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation>Le bot %1 ne s&apos;appelle plus %2&#xa0;: la liste a changé entre-temps. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation>La copie %1 ne contient aucune liste de bots. %2</translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation>Le fichier de liste n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Arme</translation>
    </message>
</context>
</TS>
