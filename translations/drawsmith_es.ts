<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddGame</name>
    <message>
        <source>Untitled Game</source>
        <translation>Juego sin nombre</translation>
    </message>
    <message>
        <source>Edit &quot;Untitled Game&quot; to Add Game or Click Down Arrow to Edit Existing Game</source>
        <translation>Escriba sobre «Juego sin nombre» para añadir un juego o haga clic en la flecha para editar uno existente</translation>
    </message>
    <message>
        <source>Number of Choices, Not Including PowerBall</source>
        <translation>Cantidad de números de la combinación, sin contar la bola extra</translation>
    </message>
    <message>
        <source>Check This Box if Game has a &quot;PowerBall&quot; or Extra Separate Choice</source>
        <translation>Marque esta casilla si el juego tiene una bola extra de otro bombo (como «Powerball» o el reintegro)</translation>
    </message>
    <message>
        <source>Lowest Lottery Number (Usually &quot;1&quot;)</source>
        <translation>Número más bajo del sorteo (normalmente «1»)</translation>
    </message>
    <message>
        <source>Highest Lottery Number</source>
        <translation>Número más alto del sorteo</translation>
    </message>
    <message>
        <source>Lowest PowerBall Number (Usually &quot;1&quot;)</source>
        <translation>Bola extra más baja (normalmente «1»)</translation>
    </message>
    <message>
        <source>Highest PowerBall Number</source>
        <translation>Bola extra más alta</translation>
    </message>
    <message>
        <source>Add a Game to the Drawsmith</source>
        <translation>Añadir un juego a Drawsmith</translation>
    </message>
    <message>
        <source>Name of New Game</source>
        <translation>Nombre del juego nuevo</translation>
    </message>
    <message>
        <source>Numbers to Pick?</source>
        <translation>¿Cuántos números?</translation>
    </message>
    <message>
        <source>Lowest Number</source>
        <translation>Número más bajo</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Número más alto</translation>
    </message>
    <message>
        <source>Highest PowerBall</source>
        <translation>Bola extra más alta</translation>
    </message>
    <message>
        <source>Lowest PowerBall</source>
        <translation>Bola extra más baja</translation>
    </message>
    <message>
        <source>Is there a PowerBall?</source>
        <translation>¿Hay bola extra?</translation>
    </message>
    <message>
        <source>Delete Game</source>
        <translation>Borrar juego</translation>
    </message>
    <message>
        <source>Delete Lottery Game</source>
        <translation>Borrar el juego de lotería</translation>
    </message>
    <message>
        <source>&amp;Add and Save New Game </source>
        <translation>Añadir y &amp;guardar juego </translation>
    </message>
    <message>
        <source>Save New Game and Return</source>
        <translation>Guardar el juego nuevo y volver</translation>
    </message>
    <message>
        <source>&amp;Save Changes to Game</source>
        <translation>Guardar &amp;cambios</translation>
    </message>
    <message>
        <source>Save Changes to Game and Return</source>
        <translation>Guardar los cambios del juego y volver</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Return With No Changes or Additions</source>
        <translation>Volver sin cambios ni juegos nuevos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Drawsmith</source>
        <translation>&amp;Acerca de Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Drawsmith Help</source>
        <translation>Ayuda de &amp;Drawsmith</translation>
    </message>
    <message>
        <source>Are You Sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Delete - %1?</source>
        <translation>¿Borrar %1?</translation>
    </message>
    <message>
        <source>%1 is the last game!</source>
        <translation>¡%1 es el último juego!</translation>
    </message>
    <message>
        <source>Deletion of %1 will re-create data file.</source>
        <translation>Al borrar %1 se volverá a crear el archivo de datos.</translation>
    </message>
    <message>
        <source>Data File Error</source>
        <translation>Error en el archivo de datos</translation>
    </message>
    <message>
        <source>%1 up/down</source>
        <translation>%1 arriba/abajo</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Números por jugada</translation>
    </message>
</context>
<context>
    <name>AskOnline</name>
    <message>
        <source>You Must Already be on-line.</source>
        <translation>Debe estar ya conectado a Internet.</translation>
    </message>
    <message>
        <source>If Not, Click &quot;No&quot;, Connect to the Internet</source>
        <translation>Si no lo está, haga clic en «No», conéctese a Internet</translation>
    </message>
    <message>
        <source>Then Select This Feature!</source>
        <translation>y vuelva a elegir esta opción.</translation>
    </message>
    <message>
        <source>Are You On-line?</source>
        <translation>¿Está conectado?</translation>
    </message>
</context>
<context>
    <name>BrowserProcess</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 ended while starting.</source>
        <translation>%1 terminó mientras se iniciaba.</translation>
    </message>
    <message>
        <source>The web browser could not be started:
%1</source>
        <translation>No se pudo iniciar el navegador web:
%1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Give Your New Game a New Name!</source>
        <translation>¡Dé un nombre nuevo a su juego nuevo!</translation>
    </message>
    <message>
        <source>Game Name Error</source>
        <translation>Error en el nombre del juego</translation>
    </message>
    <message>
        <source>A Game Name Cannot Contain a Comma or a Double Quote!</source>
        <translation>¡El nombre de un juego no puede contener comas ni comillas dobles!</translation>
    </message>
    <message>
        <source>Are You Sure About the Number of Choices</source>
        <translation>¿Seguro que la cantidad de números de la combinación es correcta?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!</source>
        <translation>¡(Número más bajo + cantidad de números + 1) debe ser menor que el número más alto!</translation>
    </message>
    <message>
        <source>Number Range Error</source>
        <translation>Error en el rango de números</translation>
    </message>
    <message>
        <source>(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!</source>
        <translation>¡(Bola extra más baja + 1) debe ser menor que la bola extra más alta!</translation>
    </message>
    <message>
        <source>Power Ball Number Range Error</source>
        <translation>Error en el rango de la bola extra</translation>
    </message>
    <message>
        <source>The file holds no games.</source>
        <translation>El archivo no contiene juegos.</translation>
    </message>
    <message>
        <source>The file holds too many games.</source>
        <translation>El archivo contiene demasiados juegos.</translation>
    </message>
    <message>
        <source>Game %1, value %2 %3 is not a number.</source>
        <translation>Juego %1, valor %2: %3 no es un número.</translation>
    </message>
    <message>
        <source>Game %1, value 5 (%2) is not a whole number from -32768 to 32767.</source>
        <translation>Juego %1, valor 5 (%2): no es un número entero entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>Game %1 of %2 is incomplete: the file ran out of values.</source>
        <translation>El juego %1 de %2 está incompleto: el archivo termina antes de sus últimos valores.</translation>
    </message>
    <message>
        <source>%1 to 1</source>
        <translation>%1 a 1</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 could not be read: %2
Correct that line of the file, then try again.</source>
        <translation>No se pudo leer %1: %2
Corrija esa línea del archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 was not found. Nothing was changed.</source>
        <translation>No se encontró %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist. Restore that file or remove the link, then start Drawsmith again.</source>
        <translation>%1 es un enlace a %2, que no existe. Restaure ese archivo o elimine el enlace y vuelva a iniciar Drawsmith.</translation>
    </message>
    <message>
        <source>Drawsmith is not allowed to use %1 (%2). Check the permissions of the file and its folder, then try again.</source>
        <translation>Drawsmith no tiene permiso para usar %1 (%2). Compruebe los permisos del archivo y de su carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is read-only. Make it writable, then try again.</source>
        <translation>%1 es de solo lectura. Permita escribir en él y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file of games. Drawsmith leaves it alone. Move it away or rename it, then start Drawsmith again.</source>
        <translation>%1 es %2, no un archivo de juegos. Drawsmith no lo toca. Muévalo o cámbielo de nombre y vuelva a iniciar Drawsmith.</translation>
    </message>
    <message>
        <source>%1 is too large: Drawsmith reads files of up to 16 MiB, and this file is larger or would become so. Nothing was changed. Move it away or shorten it, then try again.</source>
        <translation>%1 es demasiado grande: Drawsmith lee archivos de hasta 16 MiB, y este archivo es mayor o lo sería. No se ha cambiado nada. Muévalo o acórtelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 could not be saved: the disk is full (%2). Nothing was changed. Make some room, then try again.</source>
        <translation>No se pudo guardar %1: el disco está lleno (%2). No se ha cambiado nada. Libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is being saved by another Drawsmith. Nothing was changed. Wait a moment, then try again.</source>
        <translation>Otro Drawsmith está guardando %1. No se ha cambiado nada. Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is no longer in %2: another Drawsmith has changed the file. Nothing was deleted. Open the editor again to see the games as they are now.</source>
        <translation>%1 ya no está en %2: otro Drawsmith ha cambiado el archivo. No se ha borrado nada. Vuelva a abrir el editor para ver los juegos tal como están ahora.</translation>
    </message>
    <message>
        <source>%1 holds too many games. Nothing was changed.</source>
        <translation>%1 contiene demasiados juegos. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2). Nothing was changed. Try again.</source>
        <translation>No se pudo leer %1 (%2). No se ha cambiado nada. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 could not be saved (%2). Nothing was changed. Try again.</source>
        <translation>No se pudo guardar %1 (%2). No se ha cambiado nada. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn: line %2 of %3 asks for %4 different numbers from %5 to %6, and that range does not hold so many. Correct the line in the game editor, then try again.</source>
        <translation>No se puede sortear %1: la línea %2 de %3 pide %4 números distintos del %5 al %6, y ese intervalo no tiene tantos. Corrija la línea en el editor de juegos y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Create a New Data File?</source>
        <translation>¿Crear un archivo de datos nuevo?</translation>
    </message>
    <message>
        <source>Data File Not Found!</source>
        <translation>¡No se encontró el archivo de datos!</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>You Must Have a Data File!</source>
        <translation>¡Necesita un archivo de datos!</translation>
    </message>
    <message>
        <source>Data File Error</source>
        <translation>Error en el archivo de datos</translation>
    </message>
    <message>
        <source>Edit or Add Lottery Game</source>
        <translation>Editar o añadir juego de lotería</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Good Luck With Your Picks!</source>
        <translation>¡Suerte con sus números!</translation>
    </message>
    <message>
        <source>Select a Game to Start</source>
        <translation>Elija un juego para empezar</translation>
    </message>
    <message>
        <source>Game Selections</source>
        <translation>Selección de juego</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Bola extra</translation>
    </message>
    <message>
        <source>Click Down Arrow to Choose, Add, or Edit Game</source>
        <translation>Haga clic en la flecha para elegir, añadir o editar un juego</translation>
    </message>
    <message>
        <source>Lowest Number</source>
        <translation>Número más bajo</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Número más alto</translation>
    </message>
    <message>
        <source>Lowest Power Ball</source>
        <translation>Bola extra más baja</translation>
    </message>
    <message>
        <source>Highest Power Ball</source>
        <translation>Bola extra más alta</translation>
    </message>
    <message>
        <source>Odds of Wining Grand Prize</source>
        <translation>Probabilidad de premio mayor</translation>
    </message>
    <message>
        <source>Visit The Web Site</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Starts Number Calculations</source>
        <translation>Inicia el cálculo de los números</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stops Number Calculations</source>
        <translation>Detiene el cálculo de los números</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit the Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Drawsmith</source>
        <translation>&amp;Acerca de Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Drawsmith Help</source>
        <translation>Ayuda de &amp;Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Visit The Web Site</source>
        <translation>&amp;Visitar el sitio web</translation>
    </message>
    <message>
        <source>The new data file could not be written.
%1</source>
        <translation>No se pudo escribir el nuevo archivo de datos.
%1</translation>
    </message>
    <message>
        <source>A new data file with six games was written. Your old games.dat is kept as %1.</source>
        <translation>Se ha escrito un nuevo archivo de datos con seis juegos. Su antiguo games.dat se conserva como %1.</translation>
    </message>
    <message>
        <source>games.dat holds %1 games, but Drawsmith can choose and edit only the first %2. The other games stay in the file. To edit them, move some games to another file.</source>
        <translation>games.dat contiene %1 juegos, pero Drawsmith solo puede elegir y editar los primeros %2. Los demás juegos se quedan en el archivo. Para editarlos, pase algunos juegos a otro archivo.</translation>
    </message>
    <message>
        <source>Too Many Games</source>
        <translation>Demasiados juegos</translation>
    </message>
    <message>
        <source>Number Range Error</source>
        <translation>Error en el rango de números</translation>
    </message>
    <message>
        <source>C&amp;opy Picks</source>
        <translation>C&amp;opiar combinación</translation>
    </message>
    <message>
        <source>Pic&amp;ks</source>
        <translation>&amp;Combinaciones</translation>
    </message>
    <message>
        <source>Pas&amp;t Picks…</source>
        <translation>Combinaciones a&amp;nteriores…</translation>
    </message>
    <message>
        <source>P&amp;rint Picks…</source>
        <translation>Imp&amp;rimir combinación…</translation>
    </message>
    <message>
        <source>This run&apos;s picks could not be added to your past picks; they stay on screen. Drawsmith will not tell you again until it is restarted.
%1</source>
        <translation>La combinación de esta ronda no se pudo añadir a sus combinaciones anteriores; sigue en pantalla. Drawsmith no volverá a avisarle hasta que se reinicie.
%1</translation>
    </message>
    <message>
        <source>Past Picks</source>
        <translation>Combinaciones anteriores</translation>
    </message>
    <message>
        <source>Power Ball %1</source>
        <translation>Bola extra %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pick %1</source>
        <translation>Número %1</translation>
    </message>
</context>
<context>
    <name>FrmPastPicks</name>
    <message>
        <source>Past Picks</source>
        <translation>Combinaciones anteriores</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Más recientes primero</translation>
    </message>
    <message>
        <source>Most matches first</source>
        <translation>Más aciertos primero</translation>
    </message>
    <message>
        <source>&amp;Sort:</source>
        <translation>&amp;Orden:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>De&amp;lete…</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>for example 5 12 23 31 44</source>
        <translation>por ejemplo 5 12 23 31 44</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>Com&amp;probar</translation>
    </message>
    <message>
        <source>&amp;Game of the draw:</source>
        <translation>&amp;Juego del sorteo:</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>Números &amp;sorteados:</translation>
    </message>
    <message>
        <source>Drawn Power &amp;Ball:</source>
        <translation>&amp;Bola extra sorteada:</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Cerra&amp;r</translation>
    </message>
    <message>
        <source>Select one or more picks in the list first.</source>
        <translation>Seleccione primero una o varias combinaciones de la lista.</translation>
    </message>
    <message>
        <source>Delete the selected pick from the history?</source>
        <translation>¿Eliminar del historial la combinación seleccionada?</translation>
    </message>
    <message>
        <source>Delete the %1 selected picks from the history?</source>
        <translation>¿Eliminar del historial las %1 combinaciones seleccionadas?</translation>
    </message>
    <message>
        <source>Delete Picks</source>
        <translation>Eliminar combinaciones</translation>
    </message>
    <message>
        <source>The selected lines are unreadable and cannot be printed.</source>
        <translation>Las líneas seleccionadas no se pueden leer ni imprimir.</translation>
    </message>
    <message>
        <source>Print Picks</source>
        <translation>Imprimir combinaciones</translation>
    </message>
    <message>
        <source>Check a Draw</source>
        <translation>Comprobar un sorteo</translation>
    </message>
    <message>
        <source>Choose the game of the draw first.</source>
        <translation>Elija primero el juego del sorteo.</translation>
    </message>
    <message>
        <source>%1 draws %2 numbers from %3 to %4.</source>
        <translation>En %1 se sortean %2 números del %3 al %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 está fuera del rango.</translation>
    </message>
    <message>
        <source>%1 is typed twice; a draw holds each number once.</source>
        <translation>%1 está escrito dos veces; en un sorteo cada número sale una sola vez.</translation>
    </message>
    <message>
        <source>A number is missing.</source>
        <translation>Falta un número.</translation>
    </message>
    <message>
        <source>There are too many numbers.</source>
        <translation>Sobran números.</translation>
    </message>
    <message>
        <source>Type the drawn Power Ball, a number from %1 to %2.</source>
        <translation>Escriba la bola extra sorteada, un número del %1 al %2.</translation>
    </message>
    <message>
        <source>Past picks of %1 checked: %2. Drawsmith shows matches, not prizes: those differ by game and draw.</source>
        <translation>Combinaciones anteriores de %1 comprobadas: %2. Drawsmith muestra aciertos, no premios: estos dependen del juego y del sorteo.</translation>
    </message>
    <message>
        <source>Past pic&amp;ks:</source>
        <translation>Combinaciones a&amp;nteriores:</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <source>Printing could not be started:
%1</source>
        <translation>No se pudo iniciar la impresión:
%1</translation>
    </message>
</context>
<context>
    <name>PastPicksModel</name>
    <message>
        <source>Unreadable line</source>
        <translation>Línea ilegible</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>acierto</translation>
    </message>
    <message>
        <source>%1 + PB</source>
        <translation>%1 + BE</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Bola extra</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Aciertos</translation>
    </message>
</context>
<context>
    <name>PickSlip</name>
    <message>
        <source>Power Ball %1</source>
        <translation>Bola extra %1</translation>
    </message>
    <message>
        <source>Odds of winning the grand prize: %1</source>
        <translation>Probabilidad de premio mayor: %1</translation>
    </message>
    <message>
        <source>Drawsmith picks</source>
        <translation>Combinaciones de Drawsmith</translation>
    </message>
    <message>
        <source>The picks could not be printed: the printer or file could not be opened.</source>
        <translation>No se pudieron imprimir las combinaciones: no se pudo abrir la impresora o el archivo.</translation>
    </message>
    <message>
        <source>Print Picks</source>
        <translation>Imprimir combinaciones</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Drawsmith could not remember the game you chose.
%1</source>
        <translation>Drawsmith no pudo recordar el juego elegido.
%1</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--catalogue needs the name of a catalogue file</source>
        <translation>--catalogue necesita el nombre de un archivo de catálogo</translation>
    </message>
    <message>
        <source>--count needs a number of sets from 1 to %1</source>
        <translation>--count necesita un número de combinaciones del 1 al %1</translation>
    </message>
    <message>
        <source>%1 needs a game: its row number as --list shows it, or its name</source>
        <translation>%1 necesita un juego: su número de fila tal como lo muestra --list, o su nombre</translation>
    </message>
    <message>
        <source>--count takes a whole number of sets from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count admite un número entero de combinaciones del 1 al %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together: choose one</source>
        <translation>%1 y %2 no se pueden usar juntos: elija uno</translation>
    </message>
    <message>
        <source>say what to do: --list, --odds GAME or --pick GAME</source>
        <translation>indique qué hacer: --list, --odds JUEGO o --pick JUEGO</translation>
    </message>
    <message>
        <source>%1 works only with --pick</source>
        <translation>%1 solo funciona con --pick</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Usage: drawsmith [--catalogue FILE] --list | --odds GAME | --pick GAME [--count N] [--keep]
Without options Drawsmith opens its window; with these it answers in the terminal.

  --list              one line per game, the columns separated by tabs: its row,
                      name, how many numbers, the range, the Power Ball range
                      (- for none) and the odds of winning the grand prize
  --odds GAME         the odds of winning GAME&apos;s grand prize
  --pick GAME         a set of picks for GAME, written as Copy Picks writes it
  --count N           with --pick: N sets, one per line (1 to %1, default 1)
  --keep              with --pick: also add the sets to the past picks
  --catalogue FILE    read the games from FILE instead of games.dat
  -h, --help          show this help
  --version           show the version and the licence

GAME is a game&apos;s row number as --list shows it, or its name.

Files:
  games.dat           the game catalogue, in the current directory
  picks.csv           the past picks, beside the catalogue

Exit status: 0 done; 1 the catalogue cannot be read, the game is unknown or
cannot be drawn, or the picks could not be written; 2 a usage error.
</source>
        <translation>Uso: drawsmith [--catalogue ARCHIVO] --list | --odds JUEGO | --pick JUEGO [--count N] [--keep]
Sin opciones, Drawsmith abre su ventana; con estas responde en la terminal.

  --list              una línea por juego, con las columnas separadas por tabuladores:
                      fila, nombre, cuántos números, intervalo, intervalo de la
                      Power Ball (- si no tiene) y las probabilidades del premio mayor
  --odds JUEGO        las probabilidades de ganar el premio mayor de JUEGO
  --pick JUEGO        una combinación para JUEGO, escrita como la escribe «Copiar combinación»
  --count N           con --pick: N combinaciones, una por línea (del 1 al %1; 1 si no se indica)
  --keep              con --pick: añadir también las combinaciones a las anteriores
  --catalogue ARCHIVO leer los juegos de ARCHIVO en lugar de games.dat
  -h, --help          mostrar esta ayuda
  --version           mostrar la versión y la licencia

JUEGO es el número de fila de un juego tal como lo muestra --list, o su nombre.

Archivos:
  games.dat           el catálogo de juegos, en el directorio actual
  picks.csv           las combinaciones anteriores, junto al catálogo

Estado de salida: 0 hecho; 1 no se puede leer el catálogo, el juego no existe o
no se puede sortear, o no se pudieron escribir las combinaciones; 2 error de uso.
</translation>
    </message>
    <message>
        <source>Copyright (C) 2000 %1. Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later. This is free software; there is no warranty.
</source>
        <translation>Copyright (C) 2000 %1. Licencia GPL-3.0-or-later: la Licencia Pública General de GNU, versión 3 o posterior. Esto es software libre; no hay ninguna garantía.
</translation>
    </message>
    <message>
        <source>%1 was not found. Run drawsmith without options to create one, or name another catalogue with --catalogue FILE.</source>
        <translation>No se encontró %1. Ejecute drawsmith sin opciones para crear uno, o indique otro catálogo con --catalogue ARCHIVO.</translation>
    </message>
    <message>
        <source>%1 has no game %2. The closest names: %3. --list shows every game.</source>
        <translation>%1 no tiene ningún juego %2. Los nombres más parecidos: %3. --list muestra todos los juegos.</translation>
    </message>
    <message>
        <source>the output could not be written (%1).</source>
        <translation>no se pudo escribir la salida (%1).</translation>
    </message>
    <message>
        <source>Try &apos;drawsmith --help&apos; for more information.
</source>
        <translation>Pruebe «drawsmith --help» para más información.
</translation>
    </message>
    <message>
        <source>the odds of %1 cannot be computed: its lowest number is 0 or its range is too large. Correct line %2 of %3 in the game editor.</source>
        <translation>no se pueden calcular las probabilidades de %1: su número más bajo es 0 o su intervalo es demasiado grande. Corrija la línea %2 de %3 en el editor de juegos.</translation>
    </message>
    <message>
        <source>the window could not be loaded. Reinstall Drawsmith, then try again.
%1</source>
        <translation>no se pudo cargar la ventana. Vuelva a instalar Drawsmith y vuelva a intentarlo.
%1</translation>
    </message>
    <message>
        <source>%1 cannot be drawn: line %2 of %3 gives numbers beyond %4, which Drawsmith cannot show. Correct the line in the game editor, then try again.</source>
        <translation>No se puede sortear %1: la línea %2 de %3 da números mayores que %4, que Drawsmith no puede mostrar. Corrija la línea en el editor de juegos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the picks were not kept, so none are shown. %1</source>
        <translation>las combinaciones no se guardaron, así que no se muestra ninguna. %1</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>frmAboutLotto</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Click Here to Visit My Website (You must already be on-line)</source>
        <translation>Haga clic aquí para visitar mi sitio web (debe estar ya conectado a Internet)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Written By:  %1</source>
        <translation>Escrito por:  %1</translation>
    </message>
    <message>
        <source>Please Click Here to Visit Our Website:</source>
        <translation>Haga clic aquí para visitar nuestro sitio web:</translation>
    </message>
    <message>
        <source>You Must Have an Existing Internet Connection</source>
        <translation>Necesita una conexión a Internet activa</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Advertencia:</translation>
    </message>
    <message>
        <source>Gambling is addictive!</source>
        <translation>¡El juego puede crear adicción!</translation>
    </message>
    <message>
        <source>Please be responsible</source>
        <translation>Juegue con responsabilidad</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Drawsmith Help</source>
        <translation>Ayuda de Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Visit the Web Site</source>
        <translation>&amp;Visitar el sitio web</translation>
    </message>
</context>
<context>
    <name>frmLottoBrowser</name>
    <message>
        <source>%1 - %2 Browser</source>
        <translation>%1 - Navegador de %2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Power Ball</translation>
    </message>
    <message>
        <source>Florida Lottery</source>
        <translation>Lotería de Florida</translation>
    </message>
    <message>
        <source>California Lottery</source>
        <translation>Lotería de California</translation>
    </message>
    <message>
        <source>Louisiana Lottery</source>
        <translation>Lotería de Luisiana</translation>
    </message>
    <message>
        <source>New York Lottery</source>
        <translation>Lotería de Nueva York</translation>
    </message>
    <message>
        <source>Texas Lottery</source>
        <translation>Lotería de Texas</translation>
    </message>
</context>
</TS>
