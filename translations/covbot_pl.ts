<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation>Obok listy nie znaleziono zainstalowanej gry, więc nie ma z czego wybierać: klasy, skórki, twarze, głosy i bronie gry są zadeklarowane w plikach .int jej folderu System, w którym leży lista.</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Klasa:</translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation>&amp;Skórka:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>&amp;Twarz:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Głos:</translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation>Ulubiona &amp;broń:</translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation>Domyślna klasa gry</translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation>Domyślna skórka klasy</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Bez twarzy</translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation>Domyślny głos klasy</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation>%1 (brak w zainstalowanej grze)</translation>
    </message>
</context>
<context>
    <name>AveragesTable</name>
    <message>
        <source>Averages</source>
        <translation>Średnie</translation>
    </message>
</context>
<context>
    <name>CheckRosterWindow</name>
    <message>
        <source>Check Roster - %1</source>
        <translation>Sprawdzanie listy – %1</translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation>&amp;Problemy: miejsca, w których gra nie użyje listy tak, jak zapisano ją w pliku</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Problemy</translation>
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
        <translation>Klucz</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>W pliku</translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation>Poprawka zapisze</translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation>Co zrobi gra</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Napraw</translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation>Zapisz poprawki zaznaczonych problemów</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Napraw &amp;wszystkie</translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation>Zapisz poprawkę każdego problemu, który ją ma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation>Gra użyje listy tak, jak zapisano ją w pliku.</translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation>
            <numerusform>Problemy: %n</numerusform>
            <numerusform>Problemy: %n</numerusform>
            <numerusform>Problemy: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.
Without FILE it opens the file used last time, or asks for one.</source>
        <translation>Edytuje boty z listy Covertstrike w pliku CovertstrikeUser.ini.
Bez PLIKU otwiera plik użyty ostatnio albo pyta o plik.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the desktop&apos;s.</source>
        <translation>Używa języka KOD (de, en, es, fr, pl, pt_BR) zamiast języka pulpitu.</translation>
    </message>
    <message>
        <source>The CovertstrikeUser.ini file to open, as File, Open would.</source>
        <translation>Plik CovertstrikeUser.ini do otwarcia, tak jak przez Plik, Otwórz.</translation>
    </message>
    <message>
        <source>The window-system plugin (xcb, wayland, offscreen, windows...).</source>
        <translation>Wtyczka systemu okien (xcb, wayland, offscreen, windows...).</translation>
    </message>
    <message>
        <source>Where window-system plugins are looked for.</source>
        <translation>Gdzie szukać wtyczek systemu okien.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Motyw platformy.</translation>
    </message>
    <message>
        <source>An extra input plugin to load.</source>
        <translation>Dodatkowa wtyczka wprowadzania do wczytania.</translation>
    </message>
    <message>
        <source>The first window&apos;s size and place (WxH+X+Y).</source>
        <translation>Rozmiar i położenie pierwszego okna (SxW+X+Y).</translation>
    </message>
    <message>
        <source>The same, on X11.</source>
        <translation>To samo w X11.</translation>
    </message>
    <message>
        <source>The first window&apos;s title.</source>
        <translation>Tytuł pierwszego okna.</translation>
    </message>
    <message>
        <source>The first window&apos;s icon.</source>
        <translation>Ikona pierwszego okna.</translation>
    </message>
    <message>
        <source>The X11 display (hostname:screen).</source>
        <translation>Ekran X11 (host:ekran).</translation>
    </message>
    <message>
        <source>The X11 resource name.</source>
        <translation>Nazwa zasobu X11.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>Sesja do przywrócenia.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Styl kontrolek.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Arkusz stylów do zastosowania.</translation>
    </message>
    <message>
        <source>QML debugging.</source>
        <translation>Debugowanie QML.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Układa okno od prawej do lewej.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Liczy kontrolki pozostałe na końcu.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Wczytuje bibliotekę testowalności.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or keyboard (X11).</source>
        <translation>Nigdy nie przechwytuje myszy ani klawiatury (X11).</translation>
    </message>
    <message>
        <source>Grabs them even under a debugger (X11).</source>
        <translation>Przechwytuje je nawet pod debuggerem (X11).</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously.</source>
        <translation>Komunikuje się z serwerem X11 synchronicznie.</translation>
    </message>
    <message>
        <source>Options of the window system:</source>
        <translation>Opcje systemu okien:</translation>
    </message>
    <message>
        <source>no translation for %1; the languages are en, %2</source>
        <translation>brak tłumaczenia dla %1; dostępne języki: en, %2</translation>
    </message>
    <message>
        <source>one roster file at most, not %1</source>
        <translation>najwyżej jeden plik listy, a nie %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 nie jest plikiem lokalnym</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Shows this help and the window system&apos;s options.</source>
        <translation>Wyświetla tę pomoc i opcje systemu okien.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Wyświetla wersję.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --lang, as its help names it</comment>
        <translation>KOD</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the roster file, as the help names it</comment>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <comment>the roster file in the help&apos;s usage line</comment>
        <translation>[PLIK]</translation>
    </message>
    <message>
        <source>cannot open the window: no display to show it on</source>
        <translation>nie można otworzyć okna: brak ekranu, na którym mogłoby się pojawić</translation>
    </message>
    <message>
        <source>The commands from --list to --check work on FILE without the window or a display. They end with exit code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read or written, and --check with 3 when it finds anything.</source>
        <translation>Polecenia od --list do --check działają na PLIKU bez okna i bez ekranu. Kończą się kodem wyjścia 0 po wykonaniu, 1 po błędzie lub odmowie (nic nie zostaje wtedy zapisane), 2, gdy PLIKU nie da się odczytać lub zapisać, a --check kodem 3, gdy cokolwiek znajdzie.</translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation>ZAKRES</translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation>Wypisuje listę z PLIKU, rozdzielaną tabulatorami: wiersz tytułów, a potem numer, nazwę i dziewięć pól każdego bota, tak jak zapisano je w pliku.</translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation>Zapisuje boty z PLIKU (lub te z --bots) do pliku botów CEL (.covbots).</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation>CEL</translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation>Dodaje boty z pliku botów BOTY do PLIKU za jego ostatnim botem albo w miejsce botów z --replace.</translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation>BOTY</translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation>Ustawia KLUCZ (BotSkills, BotAccuracy, Camping...) na WARTOŚĆ dla każdego bota z PLIKU albo dla botów z --bots. Podaj raz dla każdego klucza.</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation>KLUCZ=WARTOŚĆ</translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation>Losuje do PLIKU nową listę z BIBLIOTEKI (folderu plików botów albo jednego pliku botów) i wypisuje użyte ziarno.</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation>BIBLIOTEKA</translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation>Wypisuje każdy klucz PLIKU, którego gra nie użyje w zapisanej postaci, oraz to, co gra zrobi.</translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation>Z --check: wprowadza wszystkie bezpieczne poprawki jednym zapisem, po zrobieniu kopii zapasowej, i je wypisuje.</translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation>Z --export lub --set: boty, które wziąć.</translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation>Z --import: boty do zastąpienia, po jednym na każdy importowany bot.</translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation>Z --deal: ile botów wylosować (od 1 do 101); domyślnie tyle, ile jest w PLIKU.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation>Z --deal: ziarno losowania; to samo ziarno daje tę samą listę.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation>Z --deal: boty, które zostają bez zmian.</translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation>Z --deal: przydziela wylosowane boty do drużyny, w której jest mniej botów, na zmianę do Czerwonych i Niebieskich.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation>nie można podać razem %1 i %2: jedno polecenie naraz</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 działa tylko z %2 lub %3</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 działa tylko z %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwa razy</translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation>%1 wymaga pliku listy PLIK</translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation>%1 działa na jednym pliku listy, a nie na %2</translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation>Wylosuj listę</translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation>
            <numerusform>Wylosuj nową listę spośród %n bota z biblioteki, który spełnia filtry.</numerusform>
            <numerusform>Wylosuj nową listę spośród %n botów z biblioteki, które spełniają filtry.</numerusform>
            <numerusform>Wylosuj nową listę spośród %n botów z biblioteki, które spełniają filtry.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation>Liczba botów na liście</translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation>&amp;Liczba botów na liście:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Ziarno</translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation>To samo ziarno i ta sama biblioteka dają tę samą listę.</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Ziarno:</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation>Za&amp;chowaj boty zaznaczone w przeglądzie (nie zaznaczono żadnego)</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation>Za&amp;chowaj boty zaznaczone w przeglądzie: %1</translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation>Drużyny &amp;jak zapisano</translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation>&amp;Wyrównane drużyny</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Losuj</translation>
    </message>
</context>
<context>
    <name>ImportBotsDialog</name>
    <message>
        <source>Import Bots</source>
        <translation>Importuj boty</translation>
    </message>
    <message>
        <source>&amp;Bots to import:</source>
        <translation>&amp;Boty do zaimportowania:</translation>
    </message>
    <message>
        <source>Bots to import</source>
        <translation>Boty do zaimportowania</translation>
    </message>
    <message>
        <source>&amp;Add after the last bot</source>
        <translation>&amp;Dodaj za ostatnim botem</translation>
    </message>
    <message>
        <source>&amp;Replace the selected bots</source>
        <translation>&amp;Zastąp zaznaczone boty</translation>
    </message>
    <message>
        <source>&amp;Take the bots from:</source>
        <translation>&amp;Weź boty z:</translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation>Lista, z której wziąć boty</translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation>[%1], wiersz %2</translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation>&amp;Boty do zaimportowania z [%1]:</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation>Za ostatnim botem mieści się tylko %1 z %2 zaznaczonych botów: lista może zawierać najwyżej %3 botów. Odznacz część albo zamiast tego zastąp wybrane boty.</translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation>Dodaj do biblioteki</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation>
            <numerusform>Dodaj %n zaznaczonego bota do &amp;pliku biblioteki:</numerusform>
            <numerusform>Dodaj %n zaznaczone boty do &amp;pliku biblioteki:</numerusform>
            <numerusform>Dodaj %n zaznaczonych botów do &amp;pliku biblioteki:</numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation>Plik biblioteki</translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation>Moje boty</translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation>Nazwa, której nie ma w bibliotece, tworzy nowy plik.</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <source>Filters</source>
        <translation>Filtry</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Drużyna:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Dowolna drużyna</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Najniższa</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Najwyższa</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 – najniższa</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 – najwyższa</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>Not in the bot file: the game uses its default</source>
        <translation>Brak w pliku botów: gra używa wartości domyślnej</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library - %1</source>
        <translation>Biblioteka – %1</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation>&amp;Zmień folder...</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Otwórz folder</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteka</translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation>Pliki, których nie można odczytać</translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation>Dodaj do &amp;listy...</translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation>&amp;Usuń z biblioteki</translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation>&amp;Wylosuj listę...</translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation>Dodaj do &amp;biblioteki...</translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation>&amp;Importuj plik...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation>W bibliotece nie ma jeszcze botów: dodaj je z przeglądu albo zaimportuj plik botów.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation>
            <numerusform>Filtry spełnia: %1 z %n bota</numerusform>
            <numerusform>Filtry spełnia: %1 z %n botów</numerusform>
            <numerusform>Filtry spełnia: %1 z %n botów</numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation>Nie udało się utworzyć folderu biblioteki %1.</translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation>Nie udało się zapisać pliku biblioteki %1: %2. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation>Najpierw zaznacz boty do dodania w przeglądzie listy (Boty, Przegląd).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation>Usunąć %1 z biblioteki? Plik, w którym nie zostanie żaden bot, zostanie usunięty.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation>
            <numerusform>Usunąć z biblioteki %n bota? Plik, w którym nie zostanie żaden bot, zostanie usunięty.

%1</numerusform>
            <numerusform>Usunąć z biblioteki te %n boty? Plik, w którym nie zostanie żaden bot, zostanie usunięty.

%1</numerusform>
            <numerusform>Usunąć z biblioteki tych %n botów? Plik, w którym nie zostanie żaden bot, zostanie usunięty.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation>Importuj plik do biblioteki</translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation>Nie udało się dodać %1 do biblioteki: %2</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Folder biblioteki</translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation>Nie udało się otworzyć folderu biblioteki %1.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Nie można odczytać pliku listy: %1</translation>
    </message>
    <message>
        <source>There is no roster file open. Open one with File, Open first.</source>
        <translation>Nie otwarto żadnego pliku listy. Najpierw otwórz go przez Plik, Otwórz.</translation>
    </message>
    <message>
        <source>The game does not use this file under Program Files but its own copy:
%1

The editor edits that copy.</source>
        <translation>Gra nie używa tego pliku w Program Files, tylko własnej kopii:
%1

Edytor edytuje tę kopię.</translation>
    </message>
    <message>
        <source>Bot %1 (%2) is no longer in the file. Nothing was saved.</source>
        <translation>Bota %1 (%2) nie ma już w pliku. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>A bot is no longer in the file. Nothing was saved.</source>
        <translation>Jednego z botów nie ma już w pliku. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to choose it again.</source>
        <translation>Plik listy zniknął: %1. Nic nie zapisano; twoje zmiany zostają. Wybierz go ponownie przez Plik, Otwórz.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was imported.</source>
        <translation>Plik listy zniknął: %1. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved.</source>
        <translation>Plik listy zniknął: %1. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). Nothing was saved; your changes are kept.</source>
        <translation>Plik listy jest używany przez inny program (czy gra jest uruchomiona?). Nic nie zapisano; twoje zmiany zostają.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation>Plik listy jest używany przez inny program (czy gra jest uruchomiona?). Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The roster file was left as it was.</source>
        <translation>Nie udało się przywrócić kopii zapasowej: %1. Plik listy pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: %1 (bot %2) could not be saved: %3. The file was left as it was.</source>
        <translation>Błąd: nie udało się zapisać %1 (bot %2): %3. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the values could not be saved: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się zapisać wartości: %1. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the bots could not be imported: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się zaimportować botów: %1. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the backup could not be restored: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się przywrócić kopii zapasowej: %1. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the roster could not be written: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się zapisać listy: %1. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>

The file lies under Program Files, which only administrators may change. The game, run as you, writes its own copy instead, once it has saved its settings:
%1</source>
        <translation>

Plik leży w Program Files, który mogą zmieniać tylko administratorzy. Gra uruchomiona z twojego konta zapisuje zamiast tego własną kopię, gdy tylko zapisze swoje ustawienia:
%1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since; it stays.</source>
        <translation>Inny program zmienił w międzyczasie: %1; ta zmiana zostaje.</translation>
    </message>
    <message>
        <source>Roster file not found</source>
        <translation>Nie znaleziono pliku listy</translation>
    </message>
    <message>
        <source>The roster file was not found: %1</source>
        <translation>Nie znaleziono pliku listy: %1</translation>
    </message>
    <message>
        <source>Roster file unreadable</source>
        <translation>Plik listy nieczytelny</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2</source>
        <translation>Nie można odczytać pliku listy: %1: %2</translation>
    </message>
    <message>
        <source>No bot roster in the file</source>
        <translation>Brak listy botów w pliku</translation>
    </message>
    <message>
        <source>The roster file holds no bot roster: %1</source>
        <translation>Plik nie zawiera listy botów: %1</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Plik zmieniony na dysku</translation>
    </message>
    <message>
        <source>Another program changed the roster file. Your changes are kept; a save writes only what you changed.</source>
        <translation>Inny program zmienił plik listy. Twoje zmiany zostają; zapis zapisze tylko to, co zmieniłeś.</translation>
    </message>
    <message>
        <source>%1 also changed on disk</source>
        <translation>%1 zmienione też na dysku</translation>
    </message>
    <message numerus="yes">
        <source>%n fields also changed on disk</source>
        <translation>
            <numerusform>%n pole zmienione też na dysku</numerusform>
            <numerusform>%n pola zmienione też na dysku</numerusform>
            <numerusform>%n pól zmienionych też na dysku</numerusform>
        </translation>
    </message>
    <message>
        <source>File changed on disk: %1 also changed there. Your values are kept; a save writes them over the file&apos;s.</source>
        <translation>Plik zmienił się na dysku: zmieniono tam też %1. Twoje wartości zostają; zapis nadpisze nimi wartości z pliku.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the file</source>
        <translation>Bota %1 nie ma już w pliku</translation>
    </message>
    <message>
        <source>Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved into it.</source>
        <translation>Inny program usunął bota %1 (%2) z pliku listy. Twoje zmiany zostają, ale nie da się ich w nim zapisać.</translation>
    </message>
    <message>
        <source>Remove the key</source>
        <translation>Usuń klucz</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation>Gra prowadzi tego bota na poziomie %1 (%2): trudność %3 i umiejętności %4.</translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation>Obok listy nie znaleziono zainstalowanej gry (jej folder nie zawiera plików .int gry): klas, skórek, twarzy, głosów i broni nie sprawdzono.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation>Nie można odczytać pliku listy: %1: %2. Nic nie zapisano; twoje zmiany zostają.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation>Nie można odczytać pliku listy: %1: %2. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się zapisać poprawek: %1. Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation>Błąd: nie udało się zapisać wyglądu: %1. Plik pozostał bez zmian.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <source>There are no backups of this roster file yet. The editor makes one before it first changes the file.</source>
        <translation>Nie ma jeszcze żadnej kopii zapasowej tego pliku listy. Edytor tworzy ją, zanim pierwszy raz zmieni plik.</translation>
    </message>
    <message>
        <source>&amp;Backups of the roster file, newest first:</source>
        <translation>&amp;Kopie zapasowe pliku listy, od najnowszej:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Boty</translation>
    </message>
    <message>
        <source>Bots that differ</source>
        <translation>Różniące się boty</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelna</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>not a roster</source>
        <translation>brak listy</translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>The roster holds no bots to export.</source>
        <translation>Lista nie zawiera botów do wyeksportowania.</translation>
    </message>
    <message>
        <source>Export Bots</source>
        <translation>Eksportuj boty</translation>
    </message>
    <message>
        <source>The bots could not be exported to %1: %2.</source>
        <translation>Nie udało się wyeksportować botów do %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: %1</source>
        <translation>Schowek nie zawiera botów do wklejenia: %1</translation>
    </message>
    <message>
        <source>Import Bots</source>
        <translation>Importuj boty</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Nie można zaimportować %1: %2</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Za ostatnim botem mieści się tylko %1 z %2 botów: lista może zawierać najwyżej %3 botów. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Zaznacz tyle botów do zastąpienia, ile botów importujesz. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The game is running and may write the roster back when it closes. Save anyway?</source>
        <translation>Gra jest uruchomiona i przy zamykaniu może nadpisać listę swoją wersją. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation>Zastąpić listę kopią z %1? Różni się 1 bot.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation>
            <numerusform>Zastąpić listę kopią z %1? Różni się %n bot.</numerusform>
            <numerusform>Zastąpić listę kopią z %1? Różnią się %n boty.</numerusform>
            <numerusform>Zastąpić listę kopią z %1? Różni się %n botów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>&amp;Sprawdź listę...</translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation>W&amp;ygląd...</translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Wygląd bota %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Wygląd (%n bot)</numerusform>
            <numerusform>Wygląd (%n boty)</numerusform>
            <numerusform>Wygląd (%n botów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation>%1 przyjmuje numery botów i zakresy, np. 0-3,7, a nie „%2”</translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation>%1: %2 nie jest numerem bota; boty mają numery od 0 do %3</translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation>%1: zakres %2-%3 biegnie wstecz; napisz %3-%2</translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation>%1: bota %2 podano dwa razy</translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation>%1: lista nie zawiera botów</translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation>%1: lista zawiera boty od 0 do %2; %3 do nich nie należy</translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set przyjmuje KLUCZ=WARTOŚĆ, a nie „%1”</translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation>tutaj nie można ustawić %1; --set ustawia klucze %2</translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation>nieznany klucz %1; --set ustawia klucze %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 przyjmuje liczbę całkowitą od %2 do %3, a nie „%4”</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 przyjmuje liczbę od %2 do %3, a nie „%4”</translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count przyjmuje liczbę botów od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--seed przyjmuje liczbę całkowitą od 0 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation>%1 nie jest plikiem listy: jego nazwa musi kończyć się na CovertstrikeUser.ini</translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation>gra trzyma własną kopię tej listy i to jej używa: %1</translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation>gra jest uruchomiona: przy zamykaniu może nadpisać tę listę własną</translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation>--export zapisuje plik botów, którego nazwa kończy się na .covbots, a nie %1</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation>lista nie zawiera botów: nie ma czego eksportować</translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation>nie udało się zapisać pliku botów %1: %2. Nic nie wyeksportowano.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation>
            <numerusform>Wyeksportowano %n bota do %1.</numerusform>
            <numerusform>Wyeksportowano %n boty do %1.</numerusform>
            <numerusform>Wyeksportowano %n botów do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation>[%1] w wierszu %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation>
            <numerusform>%1 zawiera boty w %n sekcji: %2. Nic nie zaimportowano; umieść boty do zaimportowania w osobnym pliku albo zaimportuj je w oknie, które pozwala wybrać.</numerusform>
            <numerusform>%1 zawiera boty w %n sekcjach: %2. Nic nie zaimportowano; umieść boty do zaimportowania w osobnym pliku albo zaimportuj je w oknie, które pozwala wybrać.</numerusform>
            <numerusform>%1 zawiera boty w %n sekcjach: %2. Nic nie zaimportowano; umieść boty do zaimportowania w osobnym pliku albo zaimportuj je w oknie, które pozwala wybrać.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation>
            <numerusform>%1 zawiera %n bota, a --replace wskazuje %2. Nic nie zaimportowano.</numerusform>
            <numerusform>%1 zawiera %n boty, a --replace wskazuje %2. Nic nie zaimportowano.</numerusform>
            <numerusform>%1 zawiera %n botów, a --replace wskazuje %2. Nic nie zaimportowano.</numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>za ostatnim botem mieści się tylko %1 z %2 botów: lista może zawierać najwyżej %3 botów. Nic nie zaimportowano.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation>
            <numerusform>Zaimportowano %n bota o numerze %1.</numerusform>
            <numerusform>Zaimportowano %n boty o numerach %1.</numerusform>
            <numerusform>Zaimportowano %n botów o numerach %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation>--set podaje %1 dwa razy</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation>lista nie zawiera botów: nie ma czego ustawiać</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Ustaw wartości (%n bot)</numerusform>
            <numerusform>Ustaw wartości (%n boty)</numerusform>
            <numerusform>Ustaw wartości (%n botów)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation>
            <numerusform>Ustawiono %1 dla %n bota.</numerusform>
            <numerusform>Ustawiono %1 dla %n botów.</numerusform>
            <numerusform>Ustawiono %1 dla %n botów.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation>%1 nie jest ani folderem plików botów, ani plikiem botów</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>pominięto %1: %2</translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation>lista nie zawiera botów: podaj w --count, ile wylosować</translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation>Wylosuj listę</translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation>
            <numerusform>Wylosowano %n bota z ziarnem %1.</numerusform>
            <numerusform>Wylosowano %n boty z ziarnem %1.</numerusform>
            <numerusform>Wylosowano %n botów z ziarnem %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation>brak zainstalowanej gry obok listy (żaden plik .int w %1 niczego nie deklaruje): klasy, skórki, twarze, głosy i bronie nie są sprawdzane</translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation>Napraw listę</translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation>Naprawiono %1: usunięto „%2”.</translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation>Naprawiono %1: teraz „%2”.</translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation>Naprawiono %1: „%2” to teraz „%3”.</translation>
    </message>
</context>
<context>
    <name>RosterOverview</name>
    <message>
        <source>Roster - %1</source>
        <translation>Lista botów – %1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortuj &amp;według:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortuj według</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Malejąco</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Lista botów</translation>
    </message>
    <message>
        <source>&amp;Set Values...</source>
        <translation>Us&amp;taw wartości...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message numerus="yes">
        <source>%1 bots</source>
        <translation>
            <numerusform>%1 bot</numerusform>
            <numerusform>%1 boty</numerusform>
            <numerusform>%1 botów</numerusform>
        </translation>
    </message>
    <message>
        <source>No roster file</source>
        <translation>Brak pliku listy</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Nie można odczytać pliku listy: %1</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;ksportuj boty…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importuj boty…</translation>
    </message>
    <message>
        <source>&amp;Copy Bots</source>
        <translation>&amp;Kopiuj boty</translation>
    </message>
    <message>
        <source>&amp;Paste Bots</source>
        <translation>&amp;Wklej boty</translation>
    </message>
</context>
<context>
    <name>RosterShapeActions</name>
    <message>
        <source>&amp;Add Bot</source>
        <translation>Dod&amp;aj bota</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>Dup&amp;likuj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Przesuń w &amp;górę</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Przesuń w &amp;dół</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Dodaj %1</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplikuj %1</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n bots</source>
        <translation>
            <numerusform>Duplikuj %n bota</numerusform>
            <numerusform>Duplikuj %n boty</numerusform>
            <numerusform>Duplikuj %n botów</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from the roster? The bots after it move up.</source>
        <translation>Usunąć %1 z listy? Boty za nim przesuną się w górę.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation>
            <numerusform>Usunąć z listy %n bota? Boty za nim przesuną się w górę.

%1</numerusform>
            <numerusform>Usunąć z listy te %n boty? Boty za nimi przesuną się w górę.

%1</numerusform>
            <numerusform>Usunąć z listy tych %n botów? Boty za nimi przesuną się w górę.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation>
            <numerusform>Usuń %n bota</numerusform>
            <numerusform>Usuń %n boty</numerusform>
            <numerusform>Usuń %n botów</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>Przesuń %1 w górę</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>Przesuń %1 w dół</translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation>
            <numerusform>Wylosuj listę (%n bot)</numerusform>
            <numerusform>Wylosuj listę (%n boty)</numerusform>
            <numerusform>Wylosuj listę (%n botów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Shown in the editor</source>
        <translation>Widoczny w edytorze</translation>
    </message>
    <message>
        <source>Not in the file: the game uses its default</source>
        <translation>Brak w pliku: gra używa wartości domyślnej</translation>
    </message>
    <message>
        <source>Nothing found: the game plays this bot as the file holds it</source>
        <translation>Brak problemów: gra użyje tego bota tak, jak zapisano go w pliku</translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation>Czego gra nie użyje tak, jak zapisano to w pliku</translation>
    </message>
</context>
<context>
    <name>SetValuesDialog</name>
    <message>
        <source>Set Values</source>
        <translation>Ustaw wartości</translation>
    </message>
    <message>
        <source>Set the ticked fields of the selected bot.</source>
        <translation>Ustaw zaznaczone pola wybranego bota.</translation>
    </message>
    <message numerus="yes">
        <source>Set the ticked fields of the %1 selected bots.</source>
        <translation>
            <numerusform>Ustaw zaznaczone pola %1 wybranego bota.</numerusform>
            <numerusform>Ustaw zaznaczone pola %1 wybranych botów.</numerusform>
            <numerusform>Ustaw zaznaczone pola %1 wybranych botów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sa&amp;me value for every bot</source>
        <translation>&amp;Ta sama wartość dla każdego bota</translation>
    </message>
    <message>
        <source>A &amp;random value for each bot</source>
        <translation>&amp;Losowa wartość dla każdego bota</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Najniższa</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Najwyższa</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 – najniższa</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 – najwyższa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1 – wartość</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Od %1 do %2</translation>
    </message>
    <message>
        <source>The sliders start at the values of %1 in the editor, with changes not yet saved.</source>
        <translation>Suwaki zaczynają od wartości bota %1 w edytorze, razem z jeszcze niezapisanymi zmianami.</translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation>Zapisz %1</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Ustaw wartości (%n bot)</numerusform>
            <numerusform>Ustaw wartości (%n boty)</numerusform>
            <numerusform>Ustaw wartości (%n botów)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import Bots (%n bots)</source>
        <translation>
            <numerusform>Importuj boty (%n bot)</numerusform>
            <numerusform>Importuj boty (%n boty)</numerusform>
            <numerusform>Importuj boty (%n botów)</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation>Część pliku</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 bota %2</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation>Napraw %1</translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation>
            <numerusform>Napraw (%n problem)</numerusform>
            <numerusform>Napraw (%n problemy)</numerusform>
            <numerusform>Napraw (%n problemów)</numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Wygląd bota %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Wygląd (%n bot)</numerusform>
            <numerusform>Wygląd (%n boty)</numerusform>
            <numerusform>Wygląd (%n botów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>O programie MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Tytuł programu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Made by Covertstrike players</source>
        <translation>Stworzony przez graczy Covertstrike</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informacje o &amp;systemie...</translation>
    </message>
    <message>
        <source>This program is freeware.  Back up your roster first.</source>
        <translation>Ten program jest darmowy.  Najpierw zrób kopię zapasową listy botów.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są w tej chwili niedostępne</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error: Nothing to save.</source>
        <translation>Błąd: nie ma nic do zapisania.</translation>
    </message>
    <message>
        <source>ERROR: Bot name error or no bot selected.</source>
        <translation>BŁĄD: błędna nazwa bota lub nie wybrano bota.</translation>
    </message>
    <message>
        <source>Bot #: %1</source>
        <translation>Bot nr: %1</translation>
    </message>
    <message>
        <source>Enter new name:</source>
        <translation>Podaj nową nazwę:</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nazwa bota</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Plik zmieniony na dysku</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Gra działa</translation>
    </message>
    <message>
        <source>The game is running. It reads the roster when it starts and may write it back when it closes, over what you save now: close the game first.</source>
        <translation>Gra jest uruchomiona. Wczytuje listę botów przy starcie i może ją zapisać przy zamykaniu, nadpisując to, co teraz zapiszesz: najpierw zamknij grę.</translation>
    </message>
    <message>
        <source>USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your game.  These modifications could be harmful or fatal if swallowed.</source>
        <translation>UŻYWASZ NA WŁASNE RYZYKO!  Ten program zmienia ustawienia w jednym z plików inicjalizacyjnych twojej gry.  Zmiany te mogą być szkodliwe lub śmiertelne po połknięciu.</translation>
    </message>
    <message>
        <source>A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be in the System folder that is located in your Unreal Tournament folder. (i.e. C:\UnrealTournament\System\)</source>
        <translation>Teraz pojawi się okno, w którym wybierzesz swój plik CovertstrikeUser.ini.  Plik ten znajduje się w folderze System w folderze Unreal Tournament. (np. C:\UnrealTournament\System\)</translation>
    </message>
    <message>
        <source>Error: Invalid CovertstrikeUser.ini file.</source>
        <translation>Błąd: nieprawidłowy plik CovertstrikeUser.ini.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Selected Bot</source>
        <translation>Wybrany bot</translation>
    </message>
    <message>
        <source>Bot #</source>
        <translation>Bot nr</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Select a bot from the list</source>
        <translation>Wybierz bota z listy</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Zapisz te ustawienia</translation>
    </message>
    <message>
        <source>The best 3d shooter around</source>
        <translation>Najlepsza strzelanka 3D</translation>
    </message>
    <message>
        <source>Erase Reg Info</source>
        <translation>Usuń dane z rejestru</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Od %1 do %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1 – wartość</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Zakoń&amp;cz</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Boty</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>P&amp;rzegląd...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Przywróć &amp;kopię zapasową…</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;ksportuj boty…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importuj boty…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteka...</translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>&amp;Sprawdź listę...</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>Voice Type</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>Voice 1</source>
        <translation>Głos 1</translation>
    </message>
    <message>
        <source>Voice 2</source>
        <translation>Głos 2</translation>
    </message>
    <message>
        <source>Voice 3</source>
        <translation>Głos 3</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwoni</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebiescy</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Celność</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Słabo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Umiejętności</translation>
    </message>
    <message>
        <source>Strafing</source>
        <translation>Strafowanie</translation>
    </message>
    <message>
        <source>Alertness</source>
        <translation>Czujność</translation>
    </message>
    <message>
        <source>Combat Style</source>
        <translation>Styl walki</translation>
    </message>
    <message>
        <source>Avoidant</source>
        <translation>Unikający</translation>
    </message>
    <message>
        <source>Cautious</source>
        <translation>Ostrożny</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>Agresywny</translation>
    </message>
    <message>
        <source>Berzerk</source>
        <translation>Szaleniec</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Kampienie</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Mniej</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Bot Jumpy</source>
        <translation>Skoczny</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Twarz</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasa</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skórka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zieloni</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoci</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Red average</source>
        <translation>Średnia Czerwonych</translation>
    </message>
    <message>
        <source>Blue average</source>
        <translation>Średnia Niebieskich</translation>
    </message>
    <message>
        <source>Green average</source>
        <translation>Średnia Zielonych</translation>
    </message>
    <message>
        <source>Gold average</source>
        <translation>Średnia Złotych</translation>
    </message>
    <message>
        <source>All average</source>
        <translation>Średnia wszystkich</translation>
    </message>
    <message>
        <source>Jumpy</source>
        <translation>Skoczny</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?)</source>
        <translation>Plik listy jest używany przez inny program (czy gra jest uruchomiona?)</translation>
    </message>
    <message>
        <source>The value for %1 holds %2, which a %3 roster file cannot hold. %4</source>
        <translation>Wartość %1 zawiera %2, czego plik listy w kodowaniu %3 nie może przechować. %4</translation>
    </message>
    <message>
        <source>Nothing of this bot was saved.</source>
        <translation>Nic z tego bota nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Nothing of these bots was saved.</source>
        <translation>Nic z tych botów nie zostało zapisane.</translation>
    </message>
    <message>
        <source>A bot&apos;s name cannot be blank: the list of bots would end at it, and the bots after it could no longer be reached. %1</source>
        <translation>Nazwa bota nie może być pusta: lista botów by się na niej kończyła, a boty za nią byłyby nieosiągalne. %1</translation>
    </message>
    <message>
        <source>The roster file could not be backed up before saving: %1. %2</source>
        <translation>Nie udało się zrobić kopii zapasowej pliku listy przed zapisem: %1. %2</translation>
    </message>
    <message>
        <source>The roster file is gone</source>
        <translation>Plik listy zniknął</translation>
    </message>
    <message>
        <source>The bot is gone</source>
        <translation>Bot zniknął</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation>za duży jak na plik deklaracji</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation>Poprawka dla %1 zawiera %2, czego plik listy w kodowaniu %3 nie może przechować. Niczego nie naprawiono.</translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation>%1 leży poza zakresem używanym przez grę, od %2 do %3: gra użyje %4.</translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation>Gra odczytuje tu liczbę całkowitą: %1 liczy się jako %2.</translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation>%1 nie jest drużyną gry (od 0 do 3 albo 255 dla braku drużyny): gra sama wybierze drużynę bota.</translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation>%1 nie jest liczbą: gra użyje %2.</translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation>%1 nie jest liczbą i gra może to odczytać inaczej, niż zamierzono.</translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation>Trudność %1 i umiejętności %2 dają %3, poza zakresem od 0 do 7: gra prowadzi bota na poziomie %4.</translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation>Bot %1 ma już nazwę %2: gra wystawi tego bota jako „Bot” z numerem.</translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Bot nie ma nazwy: gra wystawi go jako „Bot” z numerem, a lista botów w edytorze kończy się tutaj, przed botem %1.</translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>Bot nie ma klucza nazwy: gra wystawi go pod domyślną nazwą, a lista botów w edytorze kończy się tutaj, przed botem %1.</translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation>Ostatni nazwany bot listy to bot %1: gra użyje tego klucza tylko wtedy, gdy doda więcej botów, niż jest nazwanych na liście.</translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation>Na liście nie ma żadnego nazwanego bota: gra użyje tego klucza tylko wtedy, gdy doda boty bez nazw.</translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation>Żaden zainstalowany pakiet nie deklaruje klasy %1: gra wróci do swojej domyślnej klasy, a brak pakietu klasy bota już powodował jej awarie.</translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation>Żaden zainstalowany pakiet nie deklaruje skórki %1: gra pokaże domyślną skórkę klasy, bez twarzy.</translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation>Żaden zainstalowany pakiet nie deklaruje twarzy %1: gra pokaże bota bez twarzy.</translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation>Skórka %1 nie ma tekstury dla twarzy %2: gra pokaże bota bez twarzy.</translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation>Skórka %1 jest przeznaczona dla innego modelu (%2): gra i tak nałoży ją na model tego bota, a wygląda to źle.</translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation>Żaden zainstalowany pakiet nie deklaruje głosu %1: gra da botowi domyślny głos jego klasy.</translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation>Żaden zainstalowany pakiet nie deklaruje broni %1: bot nie ma ulubionej broni.</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Nowicjusz</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Przeciętny</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Doświadczony</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>Wprawny</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Biegły</translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation>Mistrzowski</translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation>Nieludzki</translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation>Boski</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Za ostatnim botem mieści się tylko %1 z %2 botów: lista może zawierać najwyżej %3 botów. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Zaznacz tyle botów do zastąpienia, ile botów importujesz. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The bot &quot;%1&quot; cannot be imported: its %2 holds %3, which a %4 roster file cannot hold. Nothing was imported.</source>
        <translation>Nie można zaimportować bota „%1”: pole %2 zawiera %3, czego plik listy w kodowaniu %4 nie może przechować. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation>Plik jest za duży jak na plik botów.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation>To nie jest plik botów: nie zawiera tekstu UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation>To nie jest plik botów: nie zawiera botów (nie ma sekcji %1 ani sekcji z kluczami %2).</translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation>To nie jest plik botów: jego sekcja %1 nie zawiera botów.</translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation>Plik botów zawiera drugą sekcję %1, w wierszu %2: nie wiadomo, która z nich zawiera boty.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation>Klucz %1 w wierszu %2 ma numer bota większy niż ostatni numer listy, %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation>Klucz %1 w wierszu %2 podaje numer bota z zerem na początku, którego gra nigdy nie odczyta: napisz %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>Klucz %1 w wierszu %2 zawiera znak sterujący (%3), którego plik listy nie może przechować.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>Wartość %1 w wierszu %2 zawiera znak sterujący (%3), którego plik listy nie może przechować.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation>Wartość %1 w wierszu %2 ma więcej znaków niż %3, czyli najdłuższa nazwa, na jaką pozwala lista.</translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation>Wiersz %1 zawiera klucz lub nazwę sekcji mającą więcej znaków niż %2; żadna lista takich nie używa.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation>Bot %1 z %2 nie ma nazwy (%3), której wymaga lista.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation>Bot %1 z %2 ma nazwę złożoną z samych spacji (%3): lista botów kończyłaby się na nim.</translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation>Nie znaleziono pliku.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation>To nie jest plik botów: to folder lub urządzenie, a nie zwykły plik.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Nie można odczytać pliku: %1.</translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation>Wylosowana lista zawiera od 1 do %1 botów, a nie %2. Niczego nie wylosowano.</translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation>Nie można zachować bota %1: nie ma go na liście botów. Niczego nie wylosowano.</translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation>Bot %1 ma zostać zachowany, ale przy liczbie botów %2 lista kończy się na bocie %3. Niczego nie wylosowano.</translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation>Botów z własnymi nazwami, które spełniają filtry, jest tylko %1, a potrzeba %2. Niczego nie wylosowano.</translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation>%1 nie jest zwykłym plikiem folderu biblioteki (to dowiązanie, folder lub urządzenie), więc biblioteka go pomija.</translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation>Plik botów %1 zmienił się od wczytania biblioteki. Nic nie zmieniono; wczytaj bibliotekę ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation>„%1” nie może być nazwą pliku biblioteki: taka nazwa nie zawiera /, \ ani : i nie zaczyna się od kropki.</translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation>Plik botów %1 nie ma postaci, w jakiej zapisuje biblioteka, więc biblioteka go nie zmienia.</translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation>Nie można odczytać folderu biblioteki: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Nie można odczytać pliku: %1</translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation>W pliku botów %1 zmieści się jeszcze botów: %2. Nic nie dodano.</translation>
    </message>
    <message>
        <source>Voice Type:</source>
        <translation>Głos:</translation>
    </message>
    <message>
        <source>Bot Faces</source>
        <translation>Twarze botów</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Drużyna:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Umiejętności:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Celność:</translation>
    </message>
    <message>
        <source>Combat Style:</source>
        <translation>Styl walki:</translation>
    </message>
    <message>
        <source>Alertness:</source>
        <translation>Czujność:</translation>
    </message>
    <message>
        <source>Camping:</source>
        <translation>Kampienie:</translation>
    </message>
    <message>
        <source>Strafing:</source>
        <translation>Strafowanie:</translation>
    </message>
    <message>
        <source>Bot Classes</source>
        <translation>Klasy botów</translation>
    </message>
    <message>
        <source>Bot Skins</source>
        <translation>Skórki botów</translation>
    </message>
    <message>
        <source>Bot Jumpy:</source>
        <translation>Skoczny:</translation>
    </message>
    <message>
        <source>None average</source>
        <translation>Średnia bez drużyny</translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation>Na liście botów nie ma bota %1. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation>Bot %1 jest pierwszym botem: nie może przesunąć się w górę.</translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation>Bot %1 jest ostatnim botem listy: nie może przesunąć się w dół.</translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation>Lista botów kończy się na bocie %1, który nie ma nazwy, ale wyższe numery mają klucze botów: dodany bot nie trafiłby na listę. Nic nie dodano.</translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation>Lista może zawierać najwyżej %1 botów, a w tej zmieści się jeszcze botów: %2. Nic nie dodano.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation>Bota %1 nie ma już w pliku listy. Nic nie ustawiono.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation>Bot %1 nie ma już nazwy w pliku listy. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation>W %1 znalazłoby się %2, czego plik listy w kodowaniu %3 nie może przechować. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation>Bot %1 nie nazywa się już %2: lista zmieniła się w międzyczasie. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation>Kopia %1 nie zawiera listy botów. %2</translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation>Plik listy pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Broń</translation>
    </message>
</context>
</TS>
