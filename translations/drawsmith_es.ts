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
        <source>The new data file could not be written.
%1</source>
        <translation>No se pudo escribir el archivo de datos nuevo.
%1</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it is a folder.</source>
        <translation>No se pudo escribir «%1»: es una carpeta.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>No se pudo crear «%1»: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Could not replace &quot;%1&quot;: %2</source>
        <translation>No se pudo reemplazar «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many games.</source>
        <translation>«%1» contiene demasiados juegos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>There is no game %1 to delete.</source>
        <translation>No existe el juego %1 para borrar.</translation>
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
        <translation>Su combinación</translation>
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
</context>
<context>
    <name>Globals</name>
    <message>
        <source>The web browser could not be started:
%1</source>
        <translation>No se pudo iniciar el navegador web:
%1</translation>
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
</context>
</TS>
