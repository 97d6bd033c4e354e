<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppearanceDialog</name>
    <message>
        <source>No installed game was found beside the roster, so there is nothing to choose from: the game&apos;s classes, skins, faces, voices and weapons are declared in the .int files of its System folder, where the roster lies.</source>
        <translation>Nenhum jogo instalado foi encontrado junto à lista, então não há o que escolher: as classes, skins, rostos, vozes e armas do jogo são declarados nos arquivos .int da pasta System dele, onde fica a lista.</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Classe:</translation>
    </message>
    <message>
        <source>&amp;Skin:</source>
        <translation>&amp;Skin:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>&amp;Rosto:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>Favourite &amp;weapon:</source>
        <translation>&amp;Arma favorita:</translation>
    </message>
    <message>
        <source>The game&apos;s default class</source>
        <translation>A classe padrão do jogo</translation>
    </message>
    <message>
        <source>The class&apos;s default skin</source>
        <translation>A skin padrão da classe</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Sem rosto</translation>
    </message>
    <message>
        <source>The class&apos;s default voice</source>
        <translation>A voz padrão da classe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not offered by the installed game)</source>
        <translation>%1 (o jogo instalado não oferece)</translation>
    </message>
</context>
<context>
    <name>AveragesTable</name>
    <message>
        <source>Averages</source>
        <translation>Médias</translation>
    </message>
</context>
<context>
    <name>CheckRosterWindow</name>
    <message>
        <source>Check Roster - %1</source>
        <translation>Verificar lista - %1</translation>
    </message>
    <message>
        <source>Fi&amp;ndings: where the game will not play the roster as the file holds it</source>
        <translation>&amp;Ocorrências: onde o jogo não vai usar a lista tal como está no arquivo</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ocorrências</translation>
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
        <translation>Chave</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>No arquivo</translation>
    </message>
    <message>
        <source>Fix writes</source>
        <translation>Correção</translation>
    </message>
    <message>
        <source>What the game does</source>
        <translation>O que o jogo faz</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Corrigir</translation>
    </message>
    <message>
        <source>Write the fixes of the selected findings</source>
        <translation>Gravar as correções das ocorrências selecionadas</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Corrigir &amp;tudo</translation>
    </message>
    <message>
        <source>Write the fix of every finding that has one</source>
        <translation>Gravar a correção de cada ocorrência que tenha uma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The game plays the roster as the file holds it.</source>
        <translation>O jogo usa a lista tal como está no arquivo.</translation>
    </message>
    <message numerus="yes">
        <source>Findings: %n</source>
        <translation>
            <numerusform>Ocorrências: %n</numerusform>
            <numerusform>Ocorrências: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.
Without FILE it opens the file used last time, or asks for one.</source>
        <translation>Edita os bots da lista do Covertstrike em um arquivo CovertstrikeUser.ini.
Sem ARQUIVO, abre o arquivo usado da última vez ou pede um.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the desktop&apos;s.</source>
        <translation>Usa o idioma CÓDIGO (de, en, es, fr, pl, pt_BR) em vez do idioma da área de trabalho.</translation>
    </message>
    <message>
        <source>The CovertstrikeUser.ini file to open, as File, Open would.</source>
        <translation>O arquivo CovertstrikeUser.ini a abrir, como em Arquivo, Abrir.</translation>
    </message>
    <message>
        <source>The window-system plugin (xcb, wayland, offscreen, windows...).</source>
        <translation>O plugin do sistema de janelas (xcb, wayland, offscreen, windows...).</translation>
    </message>
    <message>
        <source>Where window-system plugins are looked for.</source>
        <translation>Onde procurar os plugins do sistema de janelas.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>O tema da plataforma.</translation>
    </message>
    <message>
        <source>An extra input plugin to load.</source>
        <translation>Um plugin de entrada extra a carregar.</translation>
    </message>
    <message>
        <source>The first window&apos;s size and place (WxH+X+Y).</source>
        <translation>Tamanho e posição da primeira janela (LxA+X+Y).</translation>
    </message>
    <message>
        <source>The same, on X11.</source>
        <translation>O mesmo, no X11.</translation>
    </message>
    <message>
        <source>The first window&apos;s title.</source>
        <translation>O título da primeira janela.</translation>
    </message>
    <message>
        <source>The first window&apos;s icon.</source>
        <translation>O ícone da primeira janela.</translation>
    </message>
    <message>
        <source>The X11 display (hostname:screen).</source>
        <translation>O display X11 (host:tela).</translation>
    </message>
    <message>
        <source>The X11 resource name.</source>
        <translation>O nome de recurso X11.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>A sessão a restaurar.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>O estilo dos widgets.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Uma folha de estilo a aplicar.</translation>
    </message>
    <message>
        <source>QML debugging.</source>
        <translation>Depuração de QML.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Organiza a janela da direita para a esquerda.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Conta os widgets que sobram no fim.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Carrega a biblioteca de testabilidade.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or keyboard (X11).</source>
        <translation>Nunca captura o mouse nem o teclado (X11).</translation>
    </message>
    <message>
        <source>Grabs them even under a debugger (X11).</source>
        <translation>Captura-os mesmo sob um depurador (X11).</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously.</source>
        <translation>Fala com o servidor X11 de forma síncrona.</translation>
    </message>
    <message>
        <source>Options of the window system:</source>
        <translation>Opções do sistema de janelas:</translation>
    </message>
    <message>
        <source>no translation for %1; the languages are en, %2</source>
        <translation>sem tradução para %1; os idiomas são en, %2</translation>
    </message>
    <message>
        <source>one roster file at most, not %1</source>
        <translation>no máximo um arquivo de lista, não %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 não é um arquivo local</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows this help and the window system&apos;s options.</source>
        <translation>Mostra esta ajuda e as opções do sistema de janelas.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --lang, as its help names it</comment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the roster file, as the help names it</comment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <comment>the roster file in the help&apos;s usage line</comment>
        <translation>[ARQUIVO]</translation>
    </message>
    <message>
        <source>cannot open the window: no display to show it on</source>
        <translation>não é possível abrir a janela: não há tela em que mostrá-la</translation>
    </message>
    <message>
        <source>The commands from --list to --check work on FILE without the window or a display. They end with exit code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read or written, and --check with 3 when it finds anything.</source>
        <translation>Os comandos de --list a --check trabalham em ARQUIVO sem a janela nem uma tela. Terminam com o código de saída 0 quando concluem, 1 após um erro ou uma recusa (nada é gravado nesse caso), 2 quando não é possível ler ou gravar ARQUIVO, e --check com 3 quando encontra algo.</translation>
    </message>
    <message>
        <source>RANGE</source>
        <comment>bot numbers such as 0-3,7, as the help names them</comment>
        <translation>INTERVALO</translation>
    </message>
    <message>
        <source>Prints the roster of FILE, tab-separated: a title line, then each bot&apos;s number, name and nine fields as the file holds them.</source>
        <translation>Imprime a lista de ARQUIVO, separada por tabulações: uma linha de títulos e depois o número, o nome e nove campos de cada bot, tal como estão no arquivo.</translation>
    </message>
    <message>
        <source>Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots).</source>
        <translation>Grava os bots de ARQUIVO (ou os de --bots) no arquivo de bots SAÍDA (.covbots).</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>the bot file --export writes, as the help names it</comment>
        <translation>SAÍDA</translation>
    </message>
    <message>
        <source>Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of --replace.</source>
        <translation>Adiciona os bots do arquivo de bots BOTS a ARQUIVO depois do último bot dele, ou no lugar dos bots de --replace.</translation>
    </message>
    <message>
        <source>BOTS</source>
        <comment>the bot file --import reads, as the help names it</comment>
        <translation>BOTS</translation>
    </message>
    <message>
        <source>Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of --bots. Give it once for each key.</source>
        <translation>Define CHAVE (BotSkills, BotAccuracy, Camping...) como VALOR para todos os bots de ARQUIVO, ou para os de --bots. Use uma vez para cada chave.</translation>
    </message>
    <message>
        <source>KEY=VALUE</source>
        <comment>what --set takes, as the help names it</comment>
        <translation>CHAVE=VALOR</translation>
    </message>
    <message>
        <source>Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints the seed used.</source>
        <translation>Sorteia para ARQUIVO uma lista nova a partir de BIBLIOTECA, uma pasta de arquivos de bots ou um arquivo de bots, e imprime a semente usada.</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <comment>what --deal deals from, as the help names it</comment>
        <translation>BIBLIOTECA</translation>
    </message>
    <message>
        <source>Prints each key of FILE the game will not play as it stands, and what the game will do.</source>
        <translation>Imprime cada chave de ARQUIVO que o jogo não vai usar tal como está, e o que o jogo vai fazer.</translation>
    </message>
    <message>
        <source>With --check: makes every sound fix in one write, after a backup, and prints them.</source>
        <translation>Com --check: faz todas as correções seguras numa só gravação, depois de um backup, e as imprime.</translation>
    </message>
    <message>
        <source>With --export or --set: the bots to take.</source>
        <translation>Com --export ou --set: os bots a usar.</translation>
    </message>
    <message>
        <source>With --import: the bots to replace, one for each bot imported.</source>
        <translation>Com --import: os bots a substituir, um para cada bot importado.</translation>
    </message>
    <message>
        <source>With --deal: how many bots to deal (1 to 101); as many as FILE lists by default.</source>
        <translation>Com --deal: quantos bots sortear (1 a 101); por padrão, tantos quantos ARQUIVO lista.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --count, as the help names it</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>With --deal: the seed of the draw; the same seed deals the same roster.</source>
        <translation>Com --deal: a semente do sorteio; a mesma semente sorteia a mesma lista.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>the value of --seed, as the help names it</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>With --deal: the bots that stay as they are.</source>
        <translation>Com --deal: os bots que ficam como estão.</translation>
    </message>
    <message>
        <source>With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.</source>
        <translation>Com --deal: põe os bots sorteados no time com menos bots, Vermelho e Azul alternadamente.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together: one command at a time</source>
        <translation>%1 e %2 não podem ser usados juntos: um comando por vez</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 só vale com %2 ou %3</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 só vale com %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>%1 needs the roster file FILE</source>
        <translation>%1 precisa do arquivo de lista ARQUIVO</translation>
    </message>
    <message>
        <source>%1 works on one roster file, not %2</source>
        <translation>%1 trabalha com um só arquivo de lista, não %2</translation>
    </message>
</context>
<context>
    <name>DealDialog</name>
    <message>
        <source>Deal Roster</source>
        <translation>Sortear lista</translation>
    </message>
    <message numerus="yes">
        <source>Deal a fresh roster from the %n library bots that the filters pass.</source>
        <translation>
            <numerusform>Sortear uma lista nova a partir de %n bot da biblioteca que passa pelos filtros.</numerusform>
            <numerusform>Sortear uma lista nova a partir dos %n bots da biblioteca que passam pelos filtros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bots in the roster</source>
        <translation>Bots na lista</translation>
    </message>
    <message>
        <source>&amp;Bots in the roster:</source>
        <translation>&amp;Bots na lista:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>The same seed and the same library deal the same roster.</source>
        <translation>A mesma semente e a mesma biblioteca sorteiam a mesma lista.</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview (none selected)</source>
        <translation>&amp;Manter os bots selecionados na visão geral (nenhum selecionado)</translation>
    </message>
    <message>
        <source>&amp;Keep the bots selected in the overview: %1</source>
        <translation>&amp;Manter os bots selecionados na visão geral: %1</translation>
    </message>
    <message>
        <source>Teams &amp;as stored</source>
        <translation>Times &amp;como estão</translation>
    </message>
    <message>
        <source>Ba&amp;lanced teams</source>
        <translation>Times &amp;equilibrados</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Sortear</translation>
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
        <translation>&amp;Bots a importar:</translation>
    </message>
    <message>
        <source>Bots to import</source>
        <translation>Bots a importar</translation>
    </message>
    <message>
        <source>&amp;Add after the last bot</source>
        <translation>&amp;Adicionar depois do último bot</translation>
    </message>
    <message>
        <source>&amp;Replace the selected bots</source>
        <translation>&amp;Substituir os bots selecionados</translation>
    </message>
    <message>
        <source>&amp;Take the bots from:</source>
        <translation>&amp;Origem dos bots:</translation>
    </message>
    <message>
        <source>Roster to take the bots from</source>
        <translation>Lista de onde tirar os bots</translation>
    </message>
    <message>
        <source>[%1], line %2</source>
        <translation>[%1], linha %2</translation>
    </message>
    <message>
        <source>&amp;Bots to import from [%1]:</source>
        <translation>&amp;Bots a importar de [%1]:</translation>
    </message>
    <message>
        <source>Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 bots. Untick some, or replace selected bots instead.</source>
        <translation>Só %1 dos %2 bots marcados cabem depois do último bot: uma lista comporta no máximo %3 bots. Desmarque alguns ou, em vez disso, substitua bots selecionados.</translation>
    </message>
</context>
<context>
    <name>LibraryFileDialog</name>
    <message>
        <source>Add to Library</source>
        <translation>Adicionar à biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected bots to the library &amp;file:</source>
        <translation>
            <numerusform>Adicionar %n bot selecionado ao &amp;arquivo da biblioteca:</numerusform>
            <numerusform>Adicionar %n bots selecionados ao &amp;arquivo da biblioteca:</numerusform>
        </translation>
    </message>
    <message>
        <source>Library file</source>
        <translation>Arquivo da biblioteca</translation>
    </message>
    <message>
        <source>My Bots</source>
        <translation>Meus bots</translation>
    </message>
    <message>
        <source>A name the library does not hold makes a new file.</source>
        <translation>Um nome que a biblioteca ainda não tem cria um arquivo novo.</translation>
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
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Qualquer time</translation>
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
        <translation>%1 mínima</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 máxima</translation>
    </message>
</context>
<context>
    <name>LibraryTableModel</name>
    <message>
        <source>Not in the bot file: the game uses its default</source>
        <translation>Não está no arquivo de bots: o jogo usa o valor padrão</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
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
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>&amp;Change Folder...</source>
        <translation>&amp;Mudar pasta…</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Abrir pasta</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Files that cannot be read</source>
        <translation>Arquivos ilegíveis</translation>
    </message>
    <message>
        <source>Add to &amp;Roster...</source>
        <translation>Adicionar à &amp;lista…</translation>
    </message>
    <message>
        <source>Re&amp;move from Library</source>
        <translation>&amp;Remover da biblioteca</translation>
    </message>
    <message>
        <source>&amp;Deal Roster...</source>
        <translation>&amp;Sortear lista…</translation>
    </message>
    <message>
        <source>Add to &amp;Library...</source>
        <translation>Adicionar à &amp;biblioteca…</translation>
    </message>
    <message>
        <source>&amp;Import File...</source>
        <translation>&amp;Importar arquivo…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No bots in the library yet: add some from the overview, or import a bot file.</source>
        <translation>Ainda não há bots na biblioteca: adicione alguns pela visão geral ou importe um arquivo de bots.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n bots pass the filters</source>
        <translation>
            <numerusform>%1 de %n bot passa pelos filtros</numerusform>
            <numerusform>%1 de %n bots passam pelos filtros</numerusform>
        </translation>
    </message>
    <message>
        <source>The library folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta da biblioteca %1.</translation>
    </message>
    <message>
        <source>The library file %1 could not be written: %2. It was left as it was.</source>
        <translation>Não foi possível gravar o arquivo da biblioteca %1: %2. Ele ficou como estava.</translation>
    </message>
    <message>
        <source>Select the bots to add in the roster&apos;s overview first (Roster, Overview).</source>
        <translation>Selecione primeiro os bots a adicionar na visão geral da lista (Bots, Visão geral).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Remove %1 from the library? A file left without bots is deleted.</source>
        <translation>Remover %1 da biblioteca? Um arquivo que fique sem bots é apagado.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the library? A file left without bots is deleted.

%1</source>
        <translation>
            <numerusform>Remover este %n bot da biblioteca? Um arquivo que fique sem bots é apagado.

%1</numerusform>
            <numerusform>Remover estes %n bots da biblioteca? Um arquivo que fique sem bots é apagado.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import File into Library</source>
        <translation>Importar arquivo para a biblioteca</translation>
    </message>
    <message>
        <source>%1 could not be taken into the library: %2</source>
        <translation>Não foi possível levar %1 para a biblioteca: %2</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Pasta da biblioteca</translation>
    </message>
    <message>
        <source>The library folder %1 could not be opened.</source>
        <translation>Não foi possível abrir a pasta da biblioteca %1.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Não é possível ler o arquivo de lista: %1</translation>
    </message>
    <message>
        <source>There is no roster file open. Open one with File, Open first.</source>
        <translation>Nenhum arquivo de lista está aberto. Abra um primeiro com Arquivo, Abrir.</translation>
    </message>
    <message>
        <source>The game does not use this file under Program Files but its own copy:
%1

The editor edits that copy.</source>
        <translation>O jogo não usa este arquivo em Program Files, e sim a sua própria cópia:
%1

O editor edita essa cópia.</translation>
    </message>
    <message>
        <source>Bot %1 (%2) is no longer in the file. Nothing was saved.</source>
        <translation>O bot %1 (%2) não está mais no arquivo. Nada foi salvo.</translation>
    </message>
    <message>
        <source>A bot is no longer in the file. Nothing was saved.</source>
        <translation>Um bot não está mais no arquivo. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to choose it again.</source>
        <translation>O arquivo de lista sumiu: %1. Nada foi salvo; suas alterações foram mantidas. Use Arquivo, Abrir para escolhê-lo de novo.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was imported.</source>
        <translation>O arquivo de lista sumiu: %1. Nada foi importado.</translation>
    </message>
    <message>
        <source>The roster file is gone: %1. Nothing was saved.</source>
        <translation>O arquivo de lista sumiu: %1. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). Nothing was saved; your changes are kept.</source>
        <translation>O arquivo de lista está em uso por outro programa (o jogo está aberto?). Nada foi salvo; suas alterações foram mantidas.</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?). The file was left as it was.</source>
        <translation>O arquivo de lista está em uso por outro programa (o jogo está aberto?). O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The roster file was left as it was.</source>
        <translation>Não foi possível restaurar o backup: %1. O arquivo de lista ficou como estava.</translation>
    </message>
    <message>
        <source>Error: %1 (bot %2) could not be saved: %3. The file was left as it was.</source>
        <translation>Erro: não foi possível salvar %1 (bot %2): %3. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the values could not be saved: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível salvar os valores: %1. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the bots could not be imported: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível importar os bots: %1. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the backup could not be restored: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível restaurar o backup: %1. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the roster could not be written: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível gravar a lista: %1. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>

The file lies under Program Files, which only administrators may change. The game, run as you, writes its own copy instead, once it has saved its settings:
%1</source>
        <translation>

O arquivo fica em Program Files, que só administradores podem alterar. O jogo, executado com o seu usuário, grava em vez disso a sua própria cópia, depois de salvar as configurações:
%1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since; it stays.</source>
        <translation>%1: outro programa mudou isso desde então; fica como está.</translation>
    </message>
    <message>
        <source>Roster file not found</source>
        <translation>Arquivo de lista não encontrado</translation>
    </message>
    <message>
        <source>The roster file was not found: %1</source>
        <translation>O arquivo de lista não foi encontrado: %1</translation>
    </message>
    <message>
        <source>Roster file unreadable</source>
        <translation>Arquivo de lista ilegível</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2</source>
        <translation>Não é possível ler o arquivo de lista: %1: %2</translation>
    </message>
    <message>
        <source>No bot roster in the file</source>
        <translation>Nenhuma lista de bots no arquivo</translation>
    </message>
    <message>
        <source>The roster file holds no bot roster: %1</source>
        <translation>O arquivo não contém nenhuma lista de bots: %1</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Arquivo alterado no disco</translation>
    </message>
    <message>
        <source>Another program changed the roster file. Your changes are kept; a save writes only what you changed.</source>
        <translation>Outro programa alterou o arquivo de lista. Suas alterações foram mantidas; ao salvar, só o que você mudou é gravado.</translation>
    </message>
    <message>
        <source>%1 also changed on disk</source>
        <translation>%1 também mudou no disco</translation>
    </message>
    <message numerus="yes">
        <source>%n fields also changed on disk</source>
        <translation>
            <numerusform>%n campo também mudou no disco</numerusform>
            <numerusform>%n campos também mudaram no disco</numerusform>
        </translation>
    </message>
    <message>
        <source>File changed on disk: %1 also changed there. Your values are kept; a save writes them over the file&apos;s.</source>
        <translation>Arquivo alterado no disco: %1 também mudou lá. Seus valores foram mantidos; ao salvar, eles substituem os do arquivo.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the file</source>
        <translation>O bot %1 não está mais no arquivo</translation>
    </message>
    <message>
        <source>Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved into it.</source>
        <translation>Outro programa removeu o bot %1 (%2) do arquivo de lista. Suas alterações foram mantidas, mas não podem ser salvas nele.</translation>
    </message>
    <message>
        <source>Remove the key</source>
        <translation>Remover a chave</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The game plays this bot at %1 (%2): difficulty %3 and skill %4.</source>
        <translation>O jogo usa este bot no nível %1 (%2): dificuldade %3 e habilidade %4.</translation>
    </message>
    <message>
        <source>No installed game was found beside the roster (its folder holds no .int files of the game): classes, skins, faces, voices and weapons were not checked.</source>
        <translation>Nenhum jogo instalado foi encontrado junto à lista (a pasta dela não tem arquivos .int do jogo): classes, skins, rostos, vozes e armas não foram verificados.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.</source>
        <translation>Não é possível ler o arquivo de lista: %1: %2. Nada foi salvo; suas alterações foram mantidas.</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1: %2. The file was left as it was.</source>
        <translation>Não é possível ler o arquivo de lista: %1: %2. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the fixes could not be written: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível gravar as correções: %1. O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>Error: the appearance could not be saved: %1. The file was left as it was.</source>
        <translation>Erro: não foi possível salvar a aparência: %1. O arquivo ficou como estava.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>There are no backups of this roster file yet. The editor makes one before it first changes the file.</source>
        <translation>Ainda não há backups deste arquivo de lista. O editor faz um antes de alterar o arquivo pela primeira vez.</translation>
    </message>
    <message>
        <source>&amp;Backups of the roster file, newest first:</source>
        <translation>&amp;Backups do arquivo de lista, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Bots that differ</source>
        <translation>Bots diferentes</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>not a roster</source>
        <translation>não é uma lista</translation>
    </message>
</context>
<context>
    <name>RosterActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
    <message>
        <source>The roster holds no bots to export.</source>
        <translation>A lista não tem bots para exportar.</translation>
    </message>
    <message>
        <source>Export Bots</source>
        <translation>Exportar bots</translation>
    </message>
    <message>
        <source>The bots could not be exported to %1: %2.</source>
        <translation>Não foi possível exportar os bots para %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: %1</source>
        <translation>A área de transferência não tem bots para colar: %1</translation>
    </message>
    <message>
        <source>Import Bots</source>
        <translation>Importar bots</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Não é possível importar %1: %2</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Só %1 dos %2 bots cabem depois do último bot: uma lista comporta no máximo %3 bots. Nada foi importado.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Selecione tantos bots para substituir quantos bots serão importados. Nada foi importado.</translation>
    </message>
    <message>
        <source>The game is running and may write the roster back when it closes. Save anyway?</source>
        <translation>O jogo está em execução e pode gravar a lista de volta ao fechar. Salvar mesmo assim?</translation>
    </message>
    <message>
        <source>Replace the roster with the copy of %1? 1 bot differs.</source>
        <translation>Substituir a lista pela cópia de %1? 1 bot é diferente.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the roster with the copy of %1? %n bots differ.</source>
        <translation>
            <numerusform>Substituir a lista pela cópia de %1? %n bot é diferente.</numerusform>
            <numerusform>Substituir a lista pela cópia de %1? %n bots são diferentes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterChecking</name>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Veri&amp;ficar lista…</translation>
    </message>
    <message>
        <source>Appeara&amp;nce...</source>
        <translation>Aparê&amp;ncia…</translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aparência de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aparência (%n bot)</numerusform>
            <numerusform>Aparência (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>%1 takes bot numbers and ranges such as 0-3,7, not &quot;%2&quot;</source>
        <translation>%1 aceita números de bots e intervalos como 0-3,7, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 is no bot number; bots are numbered 0 to %3</source>
        <translation>%1: %2 não é número de bot; os bots são numerados de 0 a %3</translation>
    </message>
    <message>
        <source>%1: the range %2-%3 runs backwards; write %3-%2</source>
        <translation>%1: o intervalo %2-%3 está invertido; escreva %3-%2</translation>
    </message>
    <message>
        <source>%1: bot %2 is named twice</source>
        <translation>%1: o bot %2 aparece duas vezes</translation>
    </message>
    <message>
        <source>%1: the roster lists no bots</source>
        <translation>%1: a lista não tem nenhum bot</translation>
    </message>
    <message>
        <source>%1: the roster lists bots 0 to %2; %3 is not one of them</source>
        <translation>%1: a lista tem os bots de 0 a %2; %3 não é um deles</translation>
    </message>
    <message>
        <source>--set takes KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set aceita CHAVE=VALOR, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 cannot be set here; the keys --set sets are %2</source>
        <translation>%1 não pode ser definido aqui; as chaves que --set define são %2</translation>
    </message>
    <message>
        <source>unknown key %1; the keys --set sets are %2</source>
        <translation>chave desconhecida %1; as chaves que --set define são %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 aceita um número inteiro de %2 a %3, não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 aceita um número de %2 a %3, não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--count takes a number of bots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count aceita um número de bots de 1 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--seed aceita um número inteiro de 0 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is not a roster file: its name must end in CovertstrikeUser.ini</source>
        <translation>%1 não é um arquivo de lista: o nome dele deve terminar em CovertstrikeUser.ini</translation>
    </message>
    <message>
        <source>the game keeps its own copy of this roster, which is used instead: %1</source>
        <translation>o jogo mantém uma cópia própria desta lista, que é usada no lugar dela: %1</translation>
    </message>
    <message>
        <source>the game is running: it may write its own roster over this one when it closes</source>
        <translation>o jogo está em execução: ao fechar, ele pode gravar a própria lista por cima desta</translation>
    </message>
    <message>
        <source>--export writes a bot file, whose name ends in .covbots, not %1</source>
        <translation>--export grava um arquivo de bots, cujo nome termina em .covbots, não %1</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to export</source>
        <translation>a lista não tem nenhum bot: não há nada para exportar</translation>
    </message>
    <message>
        <source>the bot file %1 could not be written: %2. Nothing was exported.</source>
        <translation>não foi possível gravar o arquivo de bots %1: %2. Nada foi exportado.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n bots to %1.</source>
        <translation>
            <numerusform>%n bot exportado para %1.</numerusform>
            <numerusform>%n bots exportados para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] on line %2</source>
        <translation>[%1] na linha %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of their own, or import them in the window, which lets you choose.</source>
        <translation>
            <numerusform>%1 tem bots em %n seção: %2. Nada foi importado; coloque os bots a importar num arquivo só deles, ou importe-os na janela, que deixa você escolher.</numerusform>
            <numerusform>%1 tem bots em %n seções: %2. Nada foi importado; coloque os bots a importar num arquivo só deles, ou importe-os na janela, que deixa você escolher.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n bots, and --replace names %2. Nothing was imported.</source>
        <translation>
            <numerusform>%1 tem %n bot, e --replace indica %2. Nada foi importado.</numerusform>
            <numerusform>%1 tem %n bots, e --replace indica %2. Nada foi importado.</numerusform>
        </translation>
    </message>
    <message>
        <source>only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>só %1 dos %2 bots cabem depois do último bot: uma lista comporta no máximo %3 bots. Nada foi importado.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n bots, numbered %1.</source>
        <translation>
            <numerusform>%n bot importado, com o número %1.</numerusform>
            <numerusform>%n bots importados, com os números %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--set gives %1 twice</source>
        <translation>--set define %1 duas vezes</translation>
    </message>
    <message>
        <source>the roster lists no bots: there is nothing to set</source>
        <translation>a lista não tem nenhum bot: não há nada para definir</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Definir valores (%n bot)</numerusform>
            <numerusform>Definir valores (%n bots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n bots.</source>
        <translation>
            <numerusform>Valores de %1 definidos em %n bot.</numerusform>
            <numerusform>Valores de %1 definidos em %n bots.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is neither a folder of bot files nor a bot file</source>
        <translation>%1 não é uma pasta de arquivos de bots nem um arquivo de bots</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 ficou de fora: %2</translation>
    </message>
    <message>
        <source>the roster lists no bots: say with --count how many to deal</source>
        <translation>a lista não tem nenhum bot: diga com --count quantos sortear</translation>
    </message>
    <message>
        <source>Deal Roster</source>
        <translation>Sortear lista</translation>
    </message>
    <message numerus="yes">
        <source>Dealt %n bots with seed %1.</source>
        <translation>
            <numerusform>%n bot sorteado com a semente %1.</numerusform>
            <numerusform>%n bots sorteados com a semente %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no installed game beside the roster (no .int file in %1 declares anything): classes, skins, faces, voices and weapons are not checked</source>
        <translation>nenhum jogo instalado junto à lista (nenhum arquivo .int em %1 declara nada): classes, skins, rostos, vozes e armas não são verificados</translation>
    </message>
    <message>
        <source>Fix Roster</source>
        <translation>Corrigir lista</translation>
    </message>
    <message>
        <source>Fixed %1: removed &quot;%2&quot;.</source>
        <translation>Chave %1 corrigida: &quot;%2&quot; removido.</translation>
    </message>
    <message>
        <source>Fixed %1: now &quot;%2&quot;.</source>
        <translation>Chave %1 corrigida: agora &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Fixed %1: &quot;%2&quot; is now &quot;%3&quot;.</source>
        <translation>Chave %1 corrigida: &quot;%2&quot; agora é &quot;%3&quot;.</translation>
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
        <translation>&amp;Decrescente</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Lista de bots</translation>
    </message>
    <message>
        <source>&amp;Set Values...</source>
        <translation>Definir &amp;valores...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Nenhum arquivo de lista</translation>
    </message>
    <message>
        <source>The roster file cannot be read: %1</source>
        <translation>Não é possível ler o arquivo de lista: %1</translation>
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
        <translation>Co&amp;lar bots</translation>
    </message>
</context>
<context>
    <name>RosterShapeActions</name>
    <message>
        <source>&amp;Add Bot</source>
        <translation>&amp;Adicionar bot</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escer</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Adicionar %1</translation>
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
        <translation>Remover %1 da lista? Os bots seguintes sobem uma posição.</translation>
    </message>
    <message numerus="yes">
        <source>Remove these %n bots from the roster? The bots after them move up.

%1</source>
        <translation>
            <numerusform>Remover este %n bot da lista? Os bots seguintes sobem.

%1</numerusform>
            <numerusform>Remover estes %n bots da lista? Os bots seguintes sobem.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n bots</source>
        <translation>
            <numerusform>Remover %n bot</numerusform>
            <numerusform>Remover %n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>Descer %1</translation>
    </message>
    <message numerus="yes">
        <source>Deal Roster (%n bots)</source>
        <translation>
            <numerusform>Sortear lista (%n bot)</numerusform>
            <numerusform>Sortear lista (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Shown in the editor</source>
        <translation>Mostrado no editor</translation>
    </message>
    <message>
        <source>Not in the file: the game uses its default</source>
        <translation>Não está no arquivo: o jogo usa o valor padrão</translation>
    </message>
    <message>
        <source>Nothing found: the game plays this bot as the file holds it</source>
        <translation>Nada encontrado: o jogo usa este bot tal como está no arquivo</translation>
    </message>
    <message>
        <source>What the game will not play as the file holds it</source>
        <translation>O que o jogo não vai usar tal como está no arquivo</translation>
    </message>
</context>
<context>
    <name>SetValuesDialog</name>
    <message>
        <source>Set Values</source>
        <translation>Definir valores</translation>
    </message>
    <message>
        <source>Set the ticked fields of the selected bot.</source>
        <translation>Definir os campos marcados do bot selecionado.</translation>
    </message>
    <message numerus="yes">
        <source>Set the ticked fields of the %1 selected bots.</source>
        <translation>
            <numerusform>Definir os campos marcados do %1 bot selecionado.</numerusform>
            <numerusform>Definir os campos marcados dos %1 bots selecionados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sa&amp;me value for every bot</source>
        <translation>&amp;Mesmo valor para todos os bots</translation>
    </message>
    <message>
        <source>A &amp;random value for each bot</source>
        <translation>Um valor &amp;aleatório para cada bot</translation>
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
        <translation>%1 mínima</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>%1 máxima</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
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
        <translation>Os controles deslizantes começam nos valores de %1 no editor, com as alterações ainda não salvas.</translation>
    </message>
</context>
<context>
    <name>document::RosterDocument</name>
    <message>
        <source>Save %1</source>
        <translation>Salvar %1</translation>
    </message>
    <message numerus="yes">
        <source>Set Values (%n bots)</source>
        <translation>
            <numerusform>Definir valores (%n bot)</numerusform>
            <numerusform>Definir valores (%n bots)</numerusform>
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
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>A part of the file</source>
        <translation>Uma parte do arquivo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <translation>Corrigir %1</translation>
    </message>
    <message numerus="yes">
        <source>Fix (%n findings)</source>
        <translation>
            <numerusform>Corrigir (%n ocorrência)</numerusform>
            <numerusform>Corrigir (%n ocorrências)</numerusform>
        </translation>
    </message>
    <message>
        <source>Appearance of %1</source>
        <translation>Aparência de %1</translation>
    </message>
    <message numerus="yes">
        <source>Appearance (%n bots)</source>
        <translation>
            <numerusform>Aparência (%n bot)</numerusform>
            <numerusform>Aparência (%n bots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Sobre o MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Título do aplicativo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Made by Covertstrike players</source>
        <translation>Feito por jogadores de Covertstrike</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info do &amp;sistema...</translation>
    </message>
    <message>
        <source>This program is freeware.  Back up your roster first.</source>
        <translation>Este programa é gratuito.  Faça antes um backup da sua lista de bots.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error: Nothing to save.</source>
        <translation>Erro: nada para salvar.</translation>
    </message>
    <message>
        <source>ERROR: Bot name error or no bot selected.</source>
        <translation>ERRO: nome de bot inválido ou nenhum bot selecionado.</translation>
    </message>
    <message>
        <source>Bot #: %1</source>
        <translation>Bot nº: %1</translation>
    </message>
    <message>
        <source>Enter new name:</source>
        <translation>Digite o novo nome:</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nome do bot</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>Arquivo alterado no disco</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Jogo em execução</translation>
    </message>
    <message>
        <source>The game is running. It reads the roster when it starts and may write it back when it closes, over what you save now: close the game first.</source>
        <translation>O jogo está em execução. Ele lê a lista de bots ao iniciar e pode gravá-la de volta ao fechar, por cima do que você salvar agora: feche o jogo antes.</translation>
    </message>
    <message>
        <source>USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your game.  These modifications could be harmful or fatal if swallowed.</source>
        <translation>USE POR SUA CONTA E RISCO!  Este programa altera as configurações de um dos arquivos de inicialização do seu jogo.  Essas alterações podem ser nocivas ou fatais se ingeridas.</translation>
    </message>
    <message>
        <source>A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be in the System folder that is located in your Unreal Tournament folder. (i.e. C:\UnrealTournament\System\)</source>
        <translation>Agora vai aparecer uma caixa de diálogo para você escolher o seu arquivo CovertstrikeUser.ini.  Esse arquivo fica na pasta System da sua pasta do Unreal Tournament. (ex.: C:\UnrealTournament\System\)</translation>
    </message>
    <message>
        <source>Error: Invalid CovertstrikeUser.ini file.</source>
        <translation>Erro: arquivo CovertstrikeUser.ini inválido.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Selected Bot</source>
        <translation>Bot selecionado</translation>
    </message>
    <message>
        <source>Bot #</source>
        <translation>Bot nº</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>Select a bot from the list</source>
        <translation>Escolha um bot da lista</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Salvar estas configurações</translation>
    </message>
    <message>
        <source>The best 3d shooter around</source>
        <translation>O melhor jogo de tiro 3D que existe</translation>
    </message>
    <message>
        <source>Erase Reg Info</source>
        <translation>Apagar registro</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
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
        <translation>&amp;Visão geral...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Restaurar &amp;backup…</translation>
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
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteca…</translation>
    </message>
    <message>
        <source>&amp;Check Roster...</source>
        <translation>Veri&amp;ficar lista…</translation>
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
        <translation>Time</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Ruim</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bom</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
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
        <translation>Agressivo</translation>
    </message>
    <message>
        <source>Berzerk</source>
        <translation>Furioso</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Campear</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Bot Jumpy</source>
        <translation>Saltitante</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Rosto</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Red average</source>
        <translation>Média Vermelho</translation>
    </message>
    <message>
        <source>Blue average</source>
        <translation>Média Azul</translation>
    </message>
    <message>
        <source>Green average</source>
        <translation>Média Verde</translation>
    </message>
    <message>
        <source>Gold average</source>
        <translation>Média Ouro</translation>
    </message>
    <message>
        <source>All average</source>
        <translation>Média geral</translation>
    </message>
    <message>
        <source>Jumpy</source>
        <translation>Saltitante</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>The roster file is in use by another program (is the game running?)</source>
        <translation>O arquivo de lista está em uso por outro programa (o jogo está aberto?)</translation>
    </message>
    <message>
        <source>The value for %1 holds %2, which a %3 roster file cannot hold. %4</source>
        <translation>O valor de %1 contém %2, que um arquivo de lista em %3 não comporta. %4</translation>
    </message>
    <message>
        <source>Nothing of this bot was saved.</source>
        <translation>Nada deste bot foi salvo.</translation>
    </message>
    <message>
        <source>Nothing of these bots was saved.</source>
        <translation>Nada destes bots foi salvo.</translation>
    </message>
    <message>
        <source>A bot&apos;s name cannot be blank: the list of bots would end at it, and the bots after it could no longer be reached. %1</source>
        <translation>O nome de um bot não pode ficar em branco: a lista de bots terminaria nele, e os bots seguintes ficariam inacessíveis. %1</translation>
    </message>
    <message>
        <source>The roster file could not be backed up before saving: %1. %2</source>
        <translation>Não foi possível fazer backup do arquivo de lista antes de salvar: %1. %2</translation>
    </message>
    <message>
        <source>The roster file is gone</source>
        <translation>O arquivo de lista sumiu</translation>
    </message>
    <message>
        <source>The bot is gone</source>
        <translation>O bot sumiu</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>too large for a declaration file</source>
        <translation>grande demais para um arquivo de declarações</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.</source>
        <translation>A correção de %1 contém %2, que um arquivo de lista em %3 não comporta. Nada foi corrigido.</translation>
    </message>
    <message>
        <source>%1 is outside the range the game uses, %2 to %3: the game uses %4.</source>
        <translation>%1 está fora da faixa que o jogo usa, de %2 a %3: o jogo usa %4.</translation>
    </message>
    <message>
        <source>The game reads a whole number here: %1 counts as %2.</source>
        <translation>O jogo lê um número inteiro aqui: %1 vale como %2.</translation>
    </message>
    <message>
        <source>%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot&apos;s team itself.</source>
        <translation>%1 não é um time do jogo (0 a 3, ou 255 para nenhum): o próprio jogo escolhe o time do bot.</translation>
    </message>
    <message>
        <source>%1 is not a number: the game uses %2.</source>
        <translation>%1 não é um número: o jogo usa %2.</translation>
    </message>
    <message>
        <source>%1 is not a number, and the game may not read it as meant.</source>
        <translation>%1 não é um número, e o jogo pode não lê-lo como pretendido.</translation>
    </message>
    <message>
        <source>Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.</source>
        <translation>Dificuldade %1 e habilidade %2 dão %3, fora de 0 a 7: o jogo usa o bot no nível %4.</translation>
    </message>
    <message>
        <source>Bot %1 is already named %2: the game plays this bot as &quot;Bot&quot; and a number.</source>
        <translation>O bot %1 já se chama %2: o jogo chama este bot de &quot;Bot&quot; e um número.</translation>
    </message>
    <message>
        <source>The bot has no name: the game plays it as &quot;Bot&quot; and a number, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>O bot não tem nome: o jogo o chama de &quot;Bot&quot; e um número, e a lista de bots do editor termina aqui, antes do bot %1.</translation>
    </message>
    <message>
        <source>The bot has no name key: the game plays it under its default name, and the editor&apos;s list of bots ends here, before bot %1.</source>
        <translation>O bot não tem chave de nome: o jogo usa o nome padrão dele, e a lista de bots do editor termina aqui, antes do bot %1.</translation>
    </message>
    <message>
        <source>The roster&apos;s last named bot is bot %1: the game uses this key only if it adds more bots than the roster names.</source>
        <translation>O último bot com nome na lista é o bot %1: o jogo só usa esta chave se acrescentar mais bots do que a lista nomeia.</translation>
    </message>
    <message>
        <source>The roster names no bot: the game uses this key only if it adds bots without names.</source>
        <translation>A lista não nomeia nenhum bot: o jogo só usa esta chave se acrescentar bots sem nome.</translation>
    </message>
    <message>
        <source>No installed package declares the class %1: the game falls back to its default class, and a missing bot class package has crashed it.</source>
        <translation>Nenhum pacote instalado declara a classe %1: o jogo recorre à classe padrão dele, e a falta de um pacote de classe de bot já o fez travar.</translation>
    </message>
    <message>
        <source>No installed package declares the skin %1: the game shows the class&apos;s default skin, with no face.</source>
        <translation>Nenhum pacote instalado declara a skin %1: o jogo mostra a skin padrão da classe, sem rosto.</translation>
    </message>
    <message>
        <source>No installed package declares the face %1: the game shows the bot with no face.</source>
        <translation>Nenhum pacote instalado declara o rosto %1: o jogo mostra o bot sem rosto.</translation>
    </message>
    <message>
        <source>The skin %1 has no texture for the face %2: the game shows the bot with no face.</source>
        <translation>A skin %1 não tem textura para o rosto %2: o jogo mostra o bot sem rosto.</translation>
    </message>
    <message>
        <source>The skin %1 is made for another model (%2): the game paints it on this bot&apos;s model all the same, and it looks wrong.</source>
        <translation>A skin %1 foi feita para outro modelo (%2): o jogo a aplica ao modelo deste bot mesmo assim, e o resultado fica errado.</translation>
    </message>
    <message>
        <source>No installed package declares the voice %1: the game gives the bot its class&apos;s default voice.</source>
        <translation>Nenhum pacote instalado declara a voz %1: o jogo dá ao bot a voz padrão da classe dele.</translation>
    </message>
    <message>
        <source>No installed package declares the weapon %1: the bot has no favourite weapon.</source>
        <translation>Nenhum pacote instalado declara a arma %1: o bot fica sem arma favorita.</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Experiente</translation>
    </message>
    <message>
        <source>Skilled</source>
        <translation>Habilidoso</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Masterful</source>
        <translation>Magistral</translation>
    </message>
    <message>
        <source>Inhuman</source>
        <translation>Desumano</translation>
    </message>
    <message>
        <source>Godlike</source>
        <translation>Divino</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was imported.</source>
        <translation>Só %1 dos %2 bots cabem depois do último bot: uma lista comporta no máximo %3 bots. Nada foi importado.</translation>
    </message>
    <message>
        <source>Select as many bots to replace as there are bots to import. Nothing was imported.</source>
        <translation>Selecione tantos bots para substituir quantos bots serão importados. Nada foi importado.</translation>
    </message>
    <message>
        <source>The bot &quot;%1&quot; cannot be imported: its %2 holds %3, which a %4 roster file cannot hold. Nothing was imported.</source>
        <translation>Não é possível importar o bot &quot;%1&quot;: a chave %2 dele contém %3, que um arquivo de lista em %4 não comporta. Nada foi importado.</translation>
    </message>
    <message>
        <source>The file is too large for a bot file.</source>
        <translation>O arquivo é grande demais para um arquivo de bots.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is not UTF-8 text.</source>
        <translation>O arquivo não é um arquivo de bots: não é texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).</source>
        <translation>O arquivo não é um arquivo de bots: não contém bots (nenhuma seção %1 nem seção com chaves %2).</translation>
    </message>
    <message>
        <source>The file is not a bot file: its section %1 holds no bots.</source>
        <translation>O arquivo não é um arquivo de bots: a seção %1 dele não contém bots.</translation>
    </message>
    <message>
        <source>The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.</source>
        <translation>O arquivo de bots contém uma segunda seção %1, na linha %2: não se sabe ao certo qual delas contém os bots.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers a bot beyond the roster&apos;s last number, %3.</source>
        <translation>A chave %1 na linha %2 numera um bot além do último número da lista, %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.</source>
        <translation>A chave %1 na linha %2 numera o bot com um zero à esquerda, que o jogo nunca lê: escreva %3.</translation>
    </message>
    <message>
        <source>The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>A chave %1 na linha %2 contém um caractere de controle (%3), que um arquivo de lista não comporta.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.</source>
        <translation>O valor de %1 na linha %2 contém um caractere de controle (%3), que um arquivo de lista não comporta.</translation>
    </message>
    <message>
        <source>The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.</source>
        <translation>O valor de %1 na linha %2 tem mais de %3 caracteres, o nome mais longo que uma lista permite.</translation>
    </message>
    <message>
        <source>Line %1 holds a key or a section name longer than %2 characters, which no roster uses.</source>
        <translation>A linha %1 contém uma chave ou um nome de seção com mais de %2 caracteres, coisa que nenhuma lista usa.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has no name (%3), which the roster needs.</source>
        <translation>O bot %1 de %2 não tem nome (%3), que a lista exige.</translation>
    </message>
    <message>
        <source>Bot %1 of %2 has a name of blanks only (%3): the roster&apos;s list of bots would end at it.</source>
        <translation>O bot %1 de %2 tem um nome só de espaços (%3): a lista de bots terminaria nele.</translation>
    </message>
    <message>
        <source>The file was not found.</source>
        <translation>O arquivo não foi encontrado.</translation>
    </message>
    <message>
        <source>The file is not a bot file: it is a folder or a device, not a regular file.</source>
        <translation>O arquivo não é um arquivo de bots: é uma pasta ou um dispositivo, não um arquivo comum.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Não é possível ler o arquivo: %1.</translation>
    </message>
    <message>
        <source>A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt.</source>
        <translation>Uma lista sorteada tem de 1 a %1 bots, não %2. Nada foi sorteado.</translation>
    </message>
    <message>
        <source>Bot %1 cannot be kept: it is not in the list of bots. Nothing was dealt.</source>
        <translation>Não é possível manter o bot %1: ele não está na lista de bots. Nada foi sorteado.</translation>
    </message>
    <message>
        <source>Bot %1 is kept, but a roster of %2 bots ends at bot %3. Nothing was dealt.</source>
        <translation>O bot %1 deve ser mantido, mas uma lista de %2 bots termina no bot %3. Nada foi sorteado.</translation>
    </message>
    <message>
        <source>Only %1 bots with names of their own pass the filters, and %2 are needed. Nothing was dealt.</source>
        <translation>Só %1 bots com nome próprio passam pelos filtros, e são necessários %2. Nada foi sorteado.</translation>
    </message>
    <message>
        <source>%1 is not a plain file of the library folder (it is a link, a folder or a device), so the library leaves it alone.</source>
        <translation>%1 não é um arquivo comum da pasta da biblioteca (é um link, uma pasta ou um dispositivo), então a biblioteca não mexe nele.</translation>
    </message>
    <message>
        <source>The bot file %1 has changed since the library was read. Nothing was changed; read the library again.</source>
        <translation>O arquivo de bots %1 mudou desde que a biblioteca foi lida. Nada foi alterado; leia a biblioteca de novo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a file of the library: a name there holds no /, \ or :, and does not begin with a dot.</source>
        <translation>&quot;%1&quot; não pode ser nome de um arquivo da biblioteca: um nome ali não contém /, \ nem :, e não começa com ponto.</translation>
    </message>
    <message>
        <source>The bot file %1 is not in the form the library writes, so the library does not change it.</source>
        <translation>O arquivo de bots %1 não está no formato que a biblioteca grava, então a biblioteca não o altera.</translation>
    </message>
    <message>
        <source>The library folder cannot be read: %1</source>
        <translation>Não é possível ler a pasta da biblioteca: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Não é possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>The bot file %1 has room for %2 more bots. Nothing was added.</source>
        <translation>O arquivo de bots %1 tem espaço para mais %2 bots. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>Voice Type:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Bot Faces</source>
        <translation>Rostos dos bots</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Habilidade:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisão:</translation>
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
        <translation>Campear:</translation>
    </message>
    <message>
        <source>Strafing:</source>
        <translation>Esquiva:</translation>
    </message>
    <message>
        <source>Bot Classes</source>
        <translation>Classes dos bots</translation>
    </message>
    <message>
        <source>Bot Skins</source>
        <translation>Skins dos bots</translation>
    </message>
    <message>
        <source>Bot Jumpy:</source>
        <translation>Saltitante:</translation>
    </message>
    <message>
        <source>None average</source>
        <translation>Média sem time</translation>
    </message>
    <message>
        <source>There is no bot %1 in the list of bots. Nothing was changed.</source>
        <translation>Não há bot %1 na lista de bots. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Bot %1 is the first bot: it cannot move up.</source>
        <translation>O bot %1 é o primeiro: não pode subir.</translation>
    </message>
    <message>
        <source>Bot %1 is the last bot of the list: it cannot move down.</source>
        <translation>O bot %1 é o último da lista: não pode descer.</translation>
    </message>
    <message>
        <source>The list of bots ends at bot %1, which has no name, but higher numbers hold keys of bots: an added bot could not be listed. Nothing was added.</source>
        <translation>A lista de bots termina no bot %1, que não tem nome, mas números maiores contêm chaves de bots: um bot adicionado não poderia entrar na lista. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>A roster holds at most %1 bots, and %2 more fit in this one. Nothing was added.</source>
        <translation>Uma lista comporta no máximo %1 bots, e nesta cabem mais %2. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer in the roster file. Nothing was set.</source>
        <translation>O bot %1 não está mais no arquivo de lista. Nada foi definido.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer named in the roster file. Nothing was changed.</source>
        <translation>O bot %1 não tem mais nome no arquivo de lista. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed.</source>
        <translation>%1 conteria %2, que um arquivo de lista em %3 não comporta. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.</source>
        <translation>O bot %1 não é mais %2: a lista mudou nesse meio-tempo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The copy %1 holds no bot roster. %2</source>
        <translation>A cópia %1 não contém lista de bots. %2</translation>
    </message>
    <message>
        <source>The roster file was left as it was.</source>
        <translation>O arquivo de lista ficou como estava.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Arma</translation>
    </message>
</context>
</TS>
