<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation>No se encontró ningún juego instalado junto a la lista, así que no hay nada entre lo que elegir: las clases, skins, caras, voces y armas del juego se declaran en los archivos .int de su carpeta System, donde está la lista.</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation>&amp;Skin:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>C&amp;ara:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation>Arma &amp;favorita:</translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation>Clase predeterminada del juego</translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation>Skin predeterminada de la clase</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Sin cara</translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation>Voz predeterminada de la clase</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation>%1 (el juego instalado no la ofrece)</translation>
    </message>
</context>
<context>
    <name>AveragesTable</name>
    <message>
        <source>Averages</source>
        <translation>Promedios</translation>
    </message>
</context>
<context>
    <name>CheckRosterWindow</name>
    <message>
        <source>Check Roster - %1</source>
        <translation>Revisar lista - %1</translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation>&amp;Hallazgos: lo que el juego no usará tal como está en el archivo</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
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
        <translation>Clave</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>En el archivo</translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation>Qué hace el juego</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Corregir</translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation>Escribe las correcciones de los hallazgos seleccionados</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Corregir &amp;todo</translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation>Escribe la corrección de cada hallazgo que la tenga</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation>El juego usa la lista tal como está en el archivo.</translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation>
            <numerusform>Hallazgos: %n</numerusform>
            <numerusform>Hallazgos: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.
Without FILE it opens the file used last time, or asks for one.</source>
        <translation>Edita los bots de la lista de Covertstrike en un archivo CovertstrikeUser.ini.
Sin ARCHIVO abre el archivo usado la última vez o pide uno.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the desktop&apos;s.</source>
        <translation>Usa el idioma CÓDIGO (de, en, es, fr, pl, pt_BR) en lugar del del escritorio.</translation>
    </message>
    <message>
        <source>The CovertstrikeUser.ini file to open, as File, Open would.</source>
        <translation>El archivo CovertstrikeUser.ini que se abre, como con Archivo, Abrir.</translation>
    </message>
    <message>
        <source>The window-system plugin (xcb, wayland, offscreen, windows...).</source>
        <translation>El complemento del sistema de ventanas (xcb, wayland, offscreen, windows...).</translation>
    </message>
    <message>
        <source>Where window-system plugins are looked for.</source>
        <translation>Dónde se buscan los complementos del sistema de ventanas.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>El tema de la plataforma.</translation>
    </message>
    <message>
        <source>An extra input plugin to load.</source>
        <translation>Un complemento de entrada adicional que cargar.</translation>
    </message>
    <message>
        <source>The first window&apos;s size and place (WxH+X+Y).</source>
        <translation>Tamaño y posición de la primera ventana (AnxAl+X+Y).</translation>
    </message>
    <message>
        <source>The same, on X11.</source>
        <translation>Lo mismo, en X11.</translation>
    </message>
    <message>
        <source>The first window&apos;s title.</source>
        <translation>El título de la primera ventana.</translation>
    </message>
    <message>
        <source>The first window&apos;s icon.</source>
        <translation>El icono de la primera ventana.</translation>
    </message>
    <message>
        <source>The X11 display (hostname:screen).</source>
        <translation>La pantalla X11 (equipo:pantalla).</translation>
    </message>
    <message>
        <source>The X11 resource name.</source>
        <translation>El nombre de recurso X11.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La sesión que se restaura.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>El estilo de los controles.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Una hoja de estilo que aplicar.</translation>
    </message>
    <message>
        <source>QML debugging.</source>
        <translation>Depuración de QML.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Dispone la ventana de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Cuenta los controles que quedan al final.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Carga la biblioteca de testabilidad.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or keyboard (X11).</source>
        <translation>Nunca captura el ratón ni el teclado (X11).</translation>
    </message>
    <message>
        <source>Grabs them even under a debugger (X11).</source>
        <translation>Los captura incluso bajo un depurador (X11).</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously.</source>
        <translation>Habla con el servidor X11 de forma síncrona.</translation>
    </message>
    <message>
        <source>Options of the window system:</source>
        <translation>Opciones del sistema de ventanas:</translation>
    </message>
    <message>
        <source>no translation for %1; the languages are en, %2</source>
        <translation>no hay traducción para %1; los idiomas son en, %2</translation>
    </message>
    <message>
        <source>one roster file at most, not %1</source>
        <translation>como mucho un archivo de lista, no %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 no es un archivo local</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows this help and the window system&apos;s options.</source>
        <translation>Muestra esta ayuda y las opciones del sistema de ventanas.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --lang, as its help names it</comment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the roster file, as the help names it</comment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <comment>the roster file in the help&apos;s usage line</comment>
        <translation>[ARCHIVO]</translation>
    </message>
    <message>
        <source>cannot open the window: no display to show it on</source>
        <translation>no se puede abrir la ventana: no hay ninguna pantalla en la que mostrarla</translation>
    </message>
    <message>
        <source>The commands from --list to --check work on FILE without the window or a display. They end with exit code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read or written, and --check with 3 when it finds anything.</source>
        <translation>Los comandos de --list a --check trabajan sobre ARCHIVO sin la ventana ni una pantalla. Terminan con el código de salida 0 si lo consiguen, 1 tras un error o un rechazo (entonces no se escribe nada), 2 si ARCHIVO no se puede leer o escribir, y --check con 3 si encuentra algo.</translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation>RANGO</translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation>Imprime la lista de ARCHIVO separada por tabuladores: una línea de títulos y luego el número, el nombre y nueve campos de cada bot tal como están en el archivo.</translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation>Escribe los bots de ARCHIVO (o los de --bots) en el archivo de bots SALIDA (.covbots).</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation>Añade los bots del archivo de bots BOTS a ARCHIVO tras su último bot, o en lugar de los bots de --replace.</translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation>BOTS</translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation>Da a CLAVE (BotSkills, BotAccuracy, Camping...) el valor VALOR en cada bot de ARCHIVO, o en los de --bots. Se indica una vez por cada clave.</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation>CLAVE=VALOR</translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation>Reparte a ARCHIVO una lista nueva desde BIBLIOTECA, una carpeta de archivos de bots o un solo archivo de bots, e imprime la semilla usada.</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation>BIBLIOTECA</translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation>Imprime cada clave de ARCHIVO que el juego no usará tal como está, y lo que hará el juego.</translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation>Con --check: hace todas las correcciones seguras en una sola escritura, tras una copia de seguridad, y las imprime.</translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation>Con --export o --set: los bots que se toman.</translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation>Con --import: los bots que se reemplazan, uno por cada bot importado.</translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation>Con --deal: cuántos bots se reparten (de 1 a 101); por defecto, tantos como tiene ARCHIVO.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation>Con --deal: la semilla del sorteo; la misma semilla reparte la misma lista.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation>Con --deal: los bots que se quedan como están.</translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation>Con --deal: pone los bots repartidos en el equipo con menos bots, Rojo y Azul por turnos.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation>%1 y %2 no se pueden dar juntos: un comando cada vez</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 va con %2 o %3</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 va con %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se da dos veces</translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation>%1 necesita el archivo de lista ARCHIVO</translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation>%1 trabaja sobre un solo archivo de lista, no %2</translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation>Repartir lista</translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation>
            <numerusform>Repartir una lista nueva desde el bot de la biblioteca que pasa los filtros.</numerusform>
            <numerusform>Repartir una lista nueva desde los %n bots de la biblioteca que pasan los filtros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation>Bots en la lista</translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation>&amp;Bots en la lista:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation>La misma semilla y la misma biblioteca reparten la misma lista.</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation>&amp;Conservar los bots seleccionados en la vista general (ninguno seleccionado)</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation>&amp;Conservar los bots seleccionados en la vista general: %1</translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation>Equipos &amp;tal como están guardados</translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation>Equipos &amp;equilibrados</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
</context>
<context>
    <name>ImportBotsDialog</name>
    <message>
        <source>Import Bots</source>
        <translation>Importar bots</translation>
    </message>
    <message>
        <source>&amp;Bots to import:</source>
        <translation>&amp;Bots para importar:</translation>
    </message>
    <message>
        <source>Bots to import</source>
        <translation>Bots para importar</translation>
    </message>
    <message>
        <source>&amp;Add after the last bot</source>
        <translation>&amp;Añadir tras el último bot</translation>
    </message>
    <message>
        <source>&amp;Replace the selected bots</source>
        <translation>&amp;Reemplazar los bots seleccionados</translation>
    </message>
    <message>
        <source>&amp;Take the bots from:</source>
        <translation>&amp;Tomar los bots de:</translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation>Lista de la que tomar los bots</translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation>[%1], línea %2</translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation>&amp;Bots para importar de [%1]:</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation>Solo caben %1 de los %2 bots marcados tras el último bot: una lista admite como máximo %3 bots. Desmarca algunos o, en su lugar, reemplaza bots seleccionados.</translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation>Añadir a la biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation>
            <numerusform>Añadir el bot seleccionado al &amp;archivo de la biblioteca:</numerusform>
            <numerusform>Añadir los %n bots seleccionados al &amp;archivo de la biblioteca:</numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation>Archivo de la biblioteca</translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation>Mis bots</translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation>Un nombre que la biblioteca no tiene crea un archivo nuevo.</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Equipo:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Cualquier equipo</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 mínimo</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 máximo</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>Not in the bot file: the game uses its default</source>
        <translation>No está en el archivo de bots: el juego usa su valor predeterminado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library - %1</source>
        <translation>Biblioteca - %1</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation>&amp;Cambiar carpeta...</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation>Archivos que no se pueden leer</translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation>Añadir a la &amp;lista...</translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation>&amp;Quitar de la biblioteca</translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation>&amp;Repartir lista...</translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation>Añadir a la &amp;biblioteca...</translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation>&amp;Importar archivo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation>Todavía no hay bots en la biblioteca: añade algunos desde la vista general o importa un archivo de bots.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation>
            <numerusform>%1 de %n bot pasa los filtros</numerusform>
            <numerusform>%1 de %n bots pasan los filtros</numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta de la biblioteca %1.</translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation>No se pudo escribir el archivo de la biblioteca %1: %2. Quedó como estaba.</translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation>Selecciona primero en la vista general de la lista los bots que quieres añadir (Bots, Vista general).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation>¿Quitar %1 de la biblioteca? Un archivo que se queda sin bots se borra.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation>
            <numerusform>¿Quitar este bot de la biblioteca? Un archivo que se queda sin bots se borra.

%1</numerusform>
            <numerusform>¿Quitar estos %n bots de la biblioteca? Un archivo que se queda sin bots se borra.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation>Importar archivo a la biblioteca</translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation>No se pudo incorporar %1 a la biblioteca: %2</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Carpeta de la biblioteca</translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation>No se pudo abrir la carpeta de la biblioteca %1.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>No se puede leer el archivo de lista: %1</translation>
    </message>
    <message>
        <source>There is no roster file open. Open one with File, Open first.</source>
        <translation>No hay ningún archivo de lista abierto. Abre uno primero con Archivo, Abrir.</translation>
    </message>
    <message>
        <source>The game does not use this file under Program Files but its own copy:
%1

The editor edits that copy.</source>
        <translation>El juego no usa este archivo de Program Files, sino su propia copia:
%1

El editor edita esa copia.</translation>
    </message>
    <message>
        <source>Bot %1 (%2) is no longer in the file. Nothing was saved.</source>
        <translation>El bot %1 (%2) ya no está en el archivo. No se guardó nada.</translation>
    </message>
    <message>
        <source>A bot is no longer in the file. Nothing was saved.</source>
        <translation>Un bot ya no está en el archivo. No se guardó nada.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to choose it again.</source>
        <translation>El archivo de lista ya no está: %1. No se guardó nada; tus cambios se conservan. Usa Archivo, Abrir para elegirlo de nuevo.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was imported.</source>
        <translation>El archivo de lista ya no está: %1. No se importó nada.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved.</source>
        <translation>El archivo de lista ya no está: %1. No se guardó nada.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). Nothing was saved; your changes are kept.</source>
        <translation>Otro programa está usando el archivo de lista (¿está en marcha el juego?). No se guardó nada; tus cambios se conservan.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation>Otro programa está usando el archivo de lista (¿está en marcha el juego?). El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The roster file was left as it was.</source>
        <translation>No se pudo restaurar la copia de seguridad: %1. El archivo de lista quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: %1 (bot %2) could not be saved: %3. The file was left as it was.</source>
        <translation>Error: no se pudo guardar %1 (bot %2): %3. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the values could not be saved: %1. The file was left as it was.</source>
        <translation>Error: no se pudieron guardar los valores: %1. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the bots could not be imported: %1. The file was left as it was.</source>
        <translation>Error: no se pudieron importar los bots: %1. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the backup could not be restored: %1. The file was left as it was.</source>
        <translation>Error: no se pudo restaurar la copia de seguridad: %1. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the roster could not be written: %1. The file was left as it was.</source>
        <translation>Error: no se pudo escribir la lista: %1. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>

The file lies under Program Files, which only administrators may change. The game, run as you, writes its own copy instead, once it has saved its settings:
%1</source>
        <translation>

El archivo está en Program Files, que solo pueden cambiar los administradores. El juego, ejecutado con tu usuario, escribe en su lugar su propia copia una vez que ha guardado su configuración:
%1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since; it stays.</source>
        <translation>%1: otro programa lo cambió desde entonces, así que se queda como está.</translation>
    </message>
    <message>
        <source>Roster file not found</source>
        <translation>Archivo de lista no encontrado</translation>
    </message>
    <message>
        <source>The roster file was not found: %1</source>
        <translation>No se encontró el archivo de lista: %1</translation>
    </message>
    <message>
        <source>Roster file unreadable</source>
        <translation>Archivo de lista ilegible</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2</source>
        <translation>No se puede leer el archivo de lista: %1: %2</translation>
    </message>
    <message>
        <source>No bot roster in the file</source>
        <translation>No hay lista de bots en el archivo</translation>
    </message>
    <message>
        <source>The roster file holds no bot roster: %1</source>
        <translation>El archivo no contiene ninguna lista de bots: %1</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Archivo cambiado en el disco</translation>
    </message>
    <message>
        <source>Another program changed the roster file. Your changes are kept; a save writes only what you changed.</source>
        <translation>Otro programa cambió el archivo de lista. Tus cambios se conservan; al guardar solo se escribe lo que cambiaste.</translation>
    </message>
    <message>
        <source>%1 also changed on disk</source>
        <translation>%1 también cambió en el disco</translation>
    </message>
    <message numerus="yes">
        <source>%n fields also changed on disk</source>
        <translation>
            <numerusform>%n campo también cambió en el disco</numerusform>
            <numerusform>%n campos también cambiaron en el disco</numerusform>
        </translation>
    </message>
    <message>
        <source>File changed on disk: %1 also changed there. Your values are kept; a save writes them over the file&apos;s.</source>
        <translation>Archivo cambiado en el disco: %1 también cambió allí. Tus valores se conservan; al guardar reemplazan a los del archivo.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the file</source>
        <translation>El bot %1 ya no está en el archivo</translation>
    </message>
    <message>
        <source>Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved into it.</source>
        <translation>Otro programa quitó el bot %1 (%2) del archivo de lista. Tus cambios se conservan, pero no se pueden guardar en él.</translation>
    </message>
    <message>
        <source>Remove the key</source>
        <translation>Quitar la clave</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation>El juego usa para este bot el nivel %1 (%2): dificultad %3 y habilidad %4.</translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation>No se encontró ningún juego instalado junto a la lista (su carpeta no contiene archivos .int del juego): no se revisaron las clases, skins, caras, voces ni armas.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation>No se puede leer el archivo de lista: %1: %2. No se guardó nada; tus cambios se conservan.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation>No se puede leer el archivo de lista: %1: %2. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation>Error: no se pudieron escribir las correcciones: %1. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation>Error: no se pudo guardar el aspecto: %1. El archivo quedó como estaba.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>There are no backups of this roster file yet. The editor makes one before it first changes the file.</source>
        <translation>Todavía no hay copias de seguridad de este archivo de lista. El editor hace una antes de cambiar el archivo por primera vez.</translation>
    </message>
    <message>
        <source>&amp;Backups of the roster file, newest first:</source>
        <translation>&amp;Copias de seguridad del archivo de lista, la más reciente primero:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Bots that differ</source>
        <translation>Bots distintos</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>not a roster</source>
        <translation>no es una lista</translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>The roster holds no bots to export.</source>
        <translation>La lista no tiene bots que exportar.</translation>
    </message>
    <message>
        <source>Export Bots</source>
        <translation>Exportar bots</translation>
    </message>
    <message>
        <source>The bots could not be exported to %1: %2.</source>
        <translation>No se pudieron exportar los bots a %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: %1</source>
        <translation>El portapapeles no tiene bots que pegar: %1</translation>
    </message>
    <message>
        <source>Import Bots</source>
        <translation>Importar bots</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Solo caben %1 de los %2 bots tras el último bot: una lista admite como máximo %3 bots. No se importó nada.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Selecciona tantos bots para reemplazar como bots vas a importar. No se importó nada.</translation>
    </message>
    <message>
        <source>The game is running and may write the roster back when it closes. Save anyway?</source>
        <translation>El juego está en marcha y puede volver a escribir la lista al cerrarse. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation>¿Reemplazar la lista por la copia de %1? Hay 1 bot distinto.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation>
            <numerusform>¿Reemplazar la lista por la copia de %1? Hay %n bot distinto.</numerusform>
            <numerusform>¿Reemplazar la lista por la copia de %1? Hay %n bots distintos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>&amp;Revisar lista...</translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation>Aspec&amp;to...</translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aspecto de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aspecto (%n bot)</numerusform>
            <numerusform>Aspecto (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation>%1 admite números de bot y rangos como 0-3,7, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation>%1: %2 no es un número de bot; los bots van numerados del 0 al %3</translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation>%1: el rango %2-%3 va al revés; escribe %3-%2</translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation>%1: el bot %2 aparece dos veces</translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation>%1: la lista no tiene bots</translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation>%1: la lista tiene los bots del 0 al %2; %3 no es uno de ellos</translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set admite CLAVE=VALOR, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation>%1 no se puede fijar aquí; las claves que fija --set son %2</translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation>clave desconocida %1; las claves que fija --set son %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 admite un número entero de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 admite un número de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count admite un número de bots de 1 a %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--seed admite un número entero de 0 a %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation>%1 no es un archivo de lista: su nombre debe terminar en CovertstrikeUser.ini</translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation>el juego guarda su propia copia de esta lista, que es la que se usa: %1</translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation>el juego está en marcha: al cerrarse puede escribir su propia lista encima de esta</translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation>--export escribe un archivo de bots, cuyo nombre termina en .covbots, no %1</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation>la lista no tiene bots: no hay nada que exportar</translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation>no se pudo escribir el archivo de bots %1: %2. No se exportó nada.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation>
            <numerusform>Se exportó %n bot a %1.</numerusform>
            <numerusform>Se exportaron %n bots a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation>[%1] en la línea %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation>
            <numerusform>%1 tiene bots en %n sección: %2. No se importó nada; pon los bots que quieres importar en un archivo propio o impórtalos en la ventana, que te deja elegir.</numerusform>
            <numerusform>%1 tiene bots en %n secciones: %2. No se importó nada; pon los bots que quieres importar en un archivo propio o impórtalos en la ventana, que te deja elegir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation>
            <numerusform>%1 tiene %n bot, y --replace indica %2. No se importó nada.</numerusform>
            <numerusform>%1 tiene %n bots, y --replace indica %2. No se importó nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>solo caben %1 de los %2 bots tras el último bot: una lista admite como máximo %3 bots. No se importó nada.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation>
            <numerusform>Se importó %n bot, con el número %1.</numerusform>
            <numerusform>Se importaron %n bots, con los números %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation>--set da %1 dos veces</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation>la lista no tiene bots: no hay nada que fijar</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Fijar valores (%n bot)</numerusform>
            <numerusform>Fijar valores (%n bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation>
            <numerusform>Fijado en %n bot: %1.</numerusform>
            <numerusform>Fijado en %n bots: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation>%1 no es ni una carpeta de archivos de bots ni un archivo de bots</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 se deja fuera: %2</translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation>la lista no tiene bots: indica con --count cuántos repartir</translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation>Repartir lista</translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation>
            <numerusform>Se repartió %n bot con la semilla %1.</numerusform>
            <numerusform>Se repartieron %n bots con la semilla %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation>no hay ningún juego instalado junto a la lista (ningún archivo .int de %1 declara nada): no se revisan las clases, skins, caras, voces ni armas</translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation>Corregir lista</translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation>Corregido %1: se quitó &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation>Corregido %1: ahora &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation>Corregido %1: &quot;%2&quot; ahora es &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RosterOverview</name>
    <message>
        <source>Roster - %1</source>
        <translation>Lista de bots - %1</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Ordenar &amp;por:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Lista de bots</translation>
    </message>
    <message>
        <source>&amp;Set Values...</source>
        <translation>&amp;Fijar valores...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>No hay archivo de lista</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>No se puede leer el archivo de lista: %1</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;xportar bots…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importar bots…</translation>
    </message>
    <message>
        <source>&amp;Copy Bots</source>
        <translation>&amp;Copiar bots</translation>
    </message>
    <message>
        <source>&amp;Paste Bots</source>
        <translation>&amp;Pegar bots</translation>
    </message>
</context>
<context>
    <name>RosterShapeActions</name>
    <message>
        <source>&amp;Add Bot</source>
        <translation>&amp;Añadir bot</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplicar %1</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n bots</source>
        <translation>
            <numerusform>Duplicar %n bot</numerusform>
            <numerusform>Duplicar %n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from the roster? The bots after it move up.</source>
        <translation>¿Quitar %1 de la lista? Los bots que le siguen suben un puesto.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation>
            <numerusform>¿Quitar este bot de la lista? Los bots que le siguen suben un puesto.

%1</numerusform>
            <numerusform>¿Quitar estos %n bots de la lista? Los bots que les siguen suben.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation>
            <numerusform>Quitar %n bot</numerusform>
            <numerusform>Quitar %n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>Bajar %1</translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation>
            <numerusform>Repartir lista (%n bot)</numerusform>
            <numerusform>Repartir lista (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Shown in the editor</source>
        <translation>Mostrado en el editor</translation>
    </message>
    <message>
        <source>Not in the file: the game uses its default</source>
        <translation>No está en el archivo: el juego usa su valor predeterminado</translation>
    </message>
    <message>
        <source>Nothing found: the game plays this bot as the file holds it</source>
        <translation>No se encontró nada: el juego usa este bot tal como está en el archivo</translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation>Lo que el juego no usará tal como está en el archivo</translation>
    </message>
</context>
<context>
    <name>SetValuesDialog</name>
    <message>
        <source>Set Values</source>
        <translation>Fijar valores</translation>
    </message>
    <message>
        <source>Set the ticked fields of the selected bot.</source>
        <translation>Fijar los campos marcados del bot seleccionado.</translation>
    </message>
    <message numerus="yes">
        <source>Set the ticked fields of the %1 selected bots.</source>
        <translation>
            <numerusform>Fijar los campos marcados del %1 bot seleccionado.</numerusform>
            <numerusform>Fijar los campos marcados de los %1 bots seleccionados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sa&amp;me value for every bot</source>
        <translation>&amp;Mismo valor para todos los bots</translation>
    </message>
    <message>
        <source>A &amp;random value for each bot</source>
        <translation>Un valor &amp;aleatorio para cada bot</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>%1 mínimo</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 máximo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>The sliders start at the values of %1 in the editor, with changes not yet saved.</source>
        <translation>Los deslizadores empiezan en los valores de %1 en el editor, con los cambios aún sin guardar.</translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation>Guardar %1</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Fijar valores (%n bot)</numerusform>
            <numerusform>Fijar valores (%n bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import Bots (%n bots)</source>
        <translation>
            <numerusform>Importar bots (%n bot)</numerusform>
            <numerusform>Importar bots (%n bots)</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation>Una parte del archivo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation>Corregir %1</translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation>
            <numerusform>Corregir (%n hallazgo)</numerusform>
            <numerusform>Corregir (%n hallazgos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aspecto de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aspecto (%n bot)</numerusform>
            <numerusform>Aspecto (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Título de la aplicación</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Made by Covertstrike players</source>
        <translation>Hecho por jugadores de Covertstrike</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. del &amp;sistema...</translation>
    </message>
    <message>
        <source>This program is freeware.  Back up your roster first.</source>
        <translation>Este programa es gratuito.  Haz primero una copia de tu lista de bots.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error: Nothing to save.</source>
        <translation>Error: no hay nada que guardar.</translation>
    </message>
    <message>
        <source>ERROR: Bot name error or no bot selected.</source>
        <translation>ERROR: nombre de bot erróneo o ningún bot seleccionado.</translation>
    </message>
    <message>
        <source>Bot #: %1</source>
        <translation>Bot n.º: %1</translation>
    </message>
    <message>
        <source>Enter new name:</source>
        <translation>Escribe el nuevo nombre:</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nombre del bot</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Archivo cambiado en el disco</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Juego en marcha</translation>
    </message>
    <message>
        <source>The game is running. It reads the roster when it starts and may write it back when it closes, over what you save now: close the game first.</source>
        <translation>El juego está en marcha. Lee la lista de bots al iniciarse y puede volver a escribirla al cerrarse, encima de lo que guardes ahora: cierra primero el juego.</translation>
    </message>
    <message>
        <source>USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your game.  These modifications could be harmful or fatal if swallowed.</source>
        <translation>¡ÚSALO BAJO TU PROPIA RESPONSABILIDAD!  Este programa modifica la configuración de uno de los archivos de inicialización de tu juego.  Estas modificaciones pueden ser nocivas o mortales en caso de ingestión.</translation>
    </message>
    <message>
        <source>A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be in the System folder that is located in your Unreal Tournament folder. (i.e. C:\UnrealTournament\System\)</source>
        <translation>Ahora aparecerá un cuadro de diálogo para que elijas tu archivo CovertstrikeUser.ini.  Este archivo está en la carpeta System de tu carpeta de Unreal Tournament. (p. ej., C:\UnrealTournament\System\)</translation>
    </message>
    <message>
        <source>Error: Invalid CovertstrikeUser.ini file.</source>
        <translation>Error: archivo CovertstrikeUser.ini no válido.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Selected Bot</source>
        <translation>Bot elegido</translation>
    </message>
    <message>
        <source>Bot #</source>
        <translation>Bot n.º</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Select a bot from the list</source>
        <translation>Elige un bot de la lista</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Guardar estos ajustes</translation>
    </message>
    <message>
        <source>The best 3d shooter around</source>
        <translation>El mejor shooter 3D que hay</translation>
    </message>
    <message>
        <source>Erase Reg Info</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>Bot</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Bots</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Vista general...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurar &amp;copia de seguridad…</translation>
    </message>
    <message>
        <source>&amp;Export Bots...</source>
        <translation>E&amp;xportar bots…</translation>
    </message>
    <message>
        <source>&amp;Import Bots...</source>
        <translation>&amp;Importar bots…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteca...</translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>&amp;Revisar lista...</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>Voice Type</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Voice 1</source>
        <translation>Voz 1</translation>
    </message>
    <message>
        <source>Voice 2</source>
        <translation>Voz 2</translation>
    </message>
    <message>
        <source>Voice 3</source>
        <translation>Voz 3</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Puntería</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Malo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Strafing</source>
        <translation>Esquiva</translation>
    </message>
    <message>
        <source>Alertness</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Combat Style</source>
        <translation>Estilo de combate</translation>
    </message>
    <message>
        <source>Avoidant</source>
        <translation>Evasivo</translation>
    </message>
    <message>
        <source>Cautious</source>
        <translation>Cauteloso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Aggressive</source>
        <translation>Agresivo</translation>
    </message>
    <message>
        <source>Berzerk</source>
        <translation>Frenético</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Campeo</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Bot Jumpy</source>
        <translation>Saltarín</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Red average</source>
        <translation>Promedio Rojo</translation>
    </message>
    <message>
        <source>Blue average</source>
        <translation>Promedio Azul</translation>
    </message>
    <message>
        <source>Green average</source>
        <translation>Promedio Verde</translation>
    </message>
    <message>
        <source>Gold average</source>
        <translation>Promedio Oro</translation>
    </message>
    <message>
        <source>All average</source>
        <translation>Promedio total</translation>
    </message>
    <message>
        <source>Jumpy</source>
        <translation>Saltarín</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?)</source>
        <translation>Otro programa está usando el archivo de lista (¿está en marcha el juego?)</translation>
    </message>
    <message>
        <source>The value for %1 holds %2, which a %3 roster file cannot hold. %4</source>
        <translation>El valor de %1 contiene %2, que un archivo de lista en %3 no puede contener. %4</translation>
    </message>
    <message>
        <source>Nothing of this bot was saved.</source>
        <translation>No se guardó nada de este bot.</translation>
    </message>
    <message>
        <source>Nothing of these bots was saved.</source>
        <translation>No se guardó nada de estos bots.</translation>
    </message>
    <message>
        <source>A bot&apos;s name cannot be blank: the list of bots would end at it, and the bots after it could no longer be reached. %1</source>
        <translation>El nombre de un bot no puede quedar vacío: la lista de bots terminaría en él y no se podría llegar a los bots siguientes. %1</translation>
    </message>
    <message>
        <source>The roster file could not be backed up before saving: %1. %2</source>
        <translation>No se pudo hacer una copia de seguridad del archivo de lista antes de guardar: %1. %2</translation>
    </message>
    <message>
        <source>The roster file is gone</source>
        <translation>El archivo de lista ya no está</translation>
    </message>
    <message>
        <source>The bot is gone</source>
        <translation>El bot ya no está</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation>demasiado grande para un archivo de declaraciones</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation>La corrección de %1 contiene %2, que un archivo de lista en %3 no puede contener. No se corrigió nada.</translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation>%1 está fuera del rango que usa el juego, de %2 a %3: el juego usa %4.</translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation>El juego lee aquí un número entero: %1 cuenta como %2.</translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation>%1 no es un equipo del juego (de 0 a 3, o 255 para ninguno): el juego elige por sí mismo el equipo del bot.</translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation>%1 no es un número: el juego usa %2.</translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation>%1 no es un número, y puede que el juego no lo lea como se pretendía.</translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation>La dificultad %1 y la habilidad %2 suman %3, fuera de 0 a 7: el juego usa para el bot el nivel %4.</translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation>El bot %1 ya se llama %2: el juego llama a este bot &quot;Bot&quot; y un número.</translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>El bot no tiene nombre: el juego lo llama &quot;Bot&quot; y un número, y la lista de bots del editor termina aquí, antes del bot %1.</translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>El bot no tiene clave de nombre: el juego lo usa con su nombre predeterminado, y la lista de bots del editor termina aquí, antes del bot %1.</translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation>El último bot con nombre de la lista es el bot %1: el juego solo usa esta clave si añade más bots de los que nombra la lista.</translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation>La lista no nombra ningún bot: el juego solo usa esta clave si añade bots sin nombre.</translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation>Ningún paquete instalado declara la clase %1: el juego recurre a su clase predeterminada, y la falta de un paquete de clase de bot ya lo ha hecho fallar.</translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation>Ningún paquete instalado declara la skin %1: el juego muestra la skin predeterminada de la clase, sin cara.</translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation>Ningún paquete instalado declara la cara %1: el juego muestra el bot sin cara.</translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation>La skin %1 no tiene textura para la cara %2: el juego muestra el bot sin cara.</translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation>La skin %1 está hecha para otro modelo (%2): el juego la pinta igualmente sobre el modelo de este bot, y se ve mal.</translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation>Ningún paquete instalado declara la voz %1: el juego da al bot la voz predeterminada de su clase.</translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation>Ningún paquete instalado declara el arma %1: el bot no tiene arma favorita.</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Experimentado</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>Hábil</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation>Magistral</translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation>Inhumano</translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation>Divino</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Solo caben %1 de los %2 bots tras el último bot: una lista admite como máximo %3 bots. No se importó nada.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Selecciona tantos bots para reemplazar como bots vas a importar. No se importó nada.</translation>
    </message>
    <message>
        <source>The bot &quot;%1&quot; cannot be imported: its %2 holds %3, which a %4 roster file cannot hold. Nothing was imported.</source>
        <translation>No se puede importar el bot &quot;%1&quot;: su clave %2 contiene %3, que un archivo de lista en %4 no puede contener. No se importó nada.</translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de bots.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation>El archivo no es un archivo de bots: no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation>El archivo no es un archivo de bots: no contiene bots (no hay sección %1 ni ninguna sección con claves %2).</translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation>El archivo no es un archivo de bots: su sección %1 no contiene bots.</translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation>El archivo de bots contiene una segunda sección %1, en la línea %2: no es seguro cuál de las dos contiene los bots.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation>La clave %1 de la línea %2 numera un bot más allá del último número de la lista, %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation>La clave %1 de la línea %2 numera su bot con un cero a la izquierda, que el juego nunca lee: escribe %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>La clave %1 de la línea %2 contiene un carácter de control (%3), que un archivo de lista no puede contener.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>El valor de %1 en la línea %2 contiene un carácter de control (%3), que un archivo de lista no puede contener.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation>El valor de %1 en la línea %2 tiene más de %3 caracteres, el nombre más largo que admite una lista.</translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation>La línea %1 contiene una clave o un nombre de sección de más de %2 caracteres, algo que ninguna lista usa.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation>El bot %1 de %2 no tiene nombre (%3), y la lista lo necesita.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation>El bot %1 de %2 tiene un nombre hecho solo de espacios (%3): la lista de bots terminaría en él.</translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation>No se encontró el archivo.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation>El archivo no es un archivo de bots: es una carpeta o un dispositivo, no un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation>Una lista repartida tiene de 1 a %1 bots, no %2. No se repartió nada.</translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation>No se puede conservar el bot %1: no está en la lista de bots. No se repartió nada.</translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation>El bot %1 se conserva, pero una lista de %2 bots termina en el bot %3. No se repartió nada.</translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation>Solo %1 bots con nombre propio pasan los filtros, y se necesitan %2. No se repartió nada.</translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation>%1 no es un archivo normal de la carpeta de la biblioteca (es un enlace, una carpeta o un dispositivo), así que la biblioteca no lo toca.</translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation>El archivo de bots %1 ha cambiado desde que se leyó la biblioteca. No se cambió nada; vuelve a leer la biblioteca.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation>&quot;%1&quot; no puede ser el nombre de un archivo de la biblioteca: allí un nombre no contiene /, \ ni :, y no empieza por un punto.</translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation>El archivo de bots %1 no tiene la forma que escribe la biblioteca, así que la biblioteca no lo cambia.</translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation>No se puede leer la carpeta de la biblioteca: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation>En el archivo de bots %1 caben %2 bots más. No se añadió nada.</translation>
    </message>
    <message>
        <source>Voice Type:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Bot Faces</source>
        <translation>Caras de bots</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Equipo:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Habilidad:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Puntería:</translation>
    </message>
    <message>
        <source>Combat Style:</source>
        <translation>Estilo de combate:</translation>
    </message>
    <message>
        <source>Alertness:</source>
        <translation>Alerta:</translation>
    </message>
    <message>
        <source>Camping:</source>
        <translation>Campeo:</translation>
    </message>
    <message>
        <source>Strafing:</source>
        <translation>Esquiva:</translation>
    </message>
    <message>
        <source>Bot Classes</source>
        <translation>Clases de bots</translation>
    </message>
    <message>
        <source>Bot Skins</source>
        <translation>Skins de bots</translation>
    </message>
    <message>
        <source>Bot Jumpy:</source>
        <translation>Saltarín:</translation>
    </message>
    <message>
        <source>None average</source>
        <translation>Promedio sin equipo</translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation>No hay ningún bot %1 en la lista de bots. No se cambió nada.</translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation>El bot %1 es el primero: no puede subir.</translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation>El bot %1 es el último de la lista: no puede bajar.</translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation>La lista de bots termina en el bot %1, que no tiene nombre, pero hay números más altos con claves de bots: un bot añadido no podría aparecer en la lista. No se añadió nada.</translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation>Una lista admite como máximo %1 bots, y en esta caben %2 más. No se añadió nada.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation>El bot %1 ya no está en el archivo de lista. No se fijó nada.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation>El bot %1 ya no tiene nombre en el archivo de lista. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation>%1 contendría %2, que un archivo de lista en %3 no puede contener. No se cambió nada.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation>El bot %1 ya no es %2: la lista cambió mientras tanto. No se cambió nada.</translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation>La copia %1 no contiene ninguna lista de bots. %2</translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation>El archivo de lista quedó como estaba.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Arma</translation>
    </message>
</context>
</TS>
