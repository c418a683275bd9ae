<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddGame</name>
    <message>
        <source>Untitled Game</source>
        <translation>Unbenanntes Spiel</translation>
    </message>
    <message>
        <source>Edit &quot;Untitled Game&quot; to Add Game or Click Down Arrow to Edit Existing Game</source>
        <translation>„Unbenanntes Spiel“ überschreiben, um ein Spiel hinzuzufügen, oder auf den Pfeil klicken, um ein vorhandenes Spiel zu bearbeiten</translation>
    </message>
    <message>
        <source>Number of Choices, Not Including PowerBall</source>
        <translation>Anzahl der Zahlen pro Tipp, ohne Zusatzzahl</translation>
    </message>
    <message>
        <source>Check This Box if Game has a &quot;PowerBall&quot; or Extra Separate Choice</source>
        <translation>Ankreuzen, wenn das Spiel eine Zusatzzahl aus eigenem Zahlenbereich hat (wie „Powerball“ oder Superzahl)</translation>
    </message>
    <message>
        <source>Lowest Lottery Number (Usually &quot;1&quot;)</source>
        <translation>Kleinste Lottozahl (meist „1“)</translation>
    </message>
    <message>
        <source>Highest Lottery Number</source>
        <translation>Größte Lottozahl</translation>
    </message>
    <message>
        <source>Lowest PowerBall Number (Usually &quot;1&quot;)</source>
        <translation>Kleinste Zusatzzahl (meist „1“)</translation>
    </message>
    <message>
        <source>Highest PowerBall Number</source>
        <translation>Größte Zusatzzahl</translation>
    </message>
    <message>
        <source>Add a Game to the Drawsmith</source>
        <translation>Spiel zu Drawsmith hinzufügen</translation>
    </message>
    <message>
        <source>Name of New Game</source>
        <translation>Name des neuen Spiels</translation>
    </message>
    <message>
        <source>Numbers to Pick?</source>
        <translation>Zahlen pro Tipp?</translation>
    </message>
    <message>
        <source>Lowest Number</source>
        <translation>Kleinste Zahl</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>Highest PowerBall</source>
        <translation>Größte Zusatzzahl</translation>
    </message>
    <message>
        <source>Lowest PowerBall</source>
        <translation>Kleinste Zusatzzahl</translation>
    </message>
    <message>
        <source>Is there a PowerBall?</source>
        <translation>Mit Zusatzzahl?</translation>
    </message>
    <message>
        <source>Delete Game</source>
        <translation>Spiel löschen</translation>
    </message>
    <message>
        <source>Delete Lottery Game</source>
        <translation>Lotteriespiel löschen</translation>
    </message>
    <message>
        <source>&amp;Add and Save New Game </source>
        <translation>&amp;Anlegen und speichern </translation>
    </message>
    <message>
        <source>Save New Game and Return</source>
        <translation>Neues Spiel speichern und zurückkehren</translation>
    </message>
    <message>
        <source>&amp;Save Changes to Game</source>
        <translation>Änderungen &amp;speichern</translation>
    </message>
    <message>
        <source>Save Changes to Game and Return</source>
        <translation>Änderungen am Spiel speichern und zurückkehren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Return With No Changes or Additions</source>
        <translation>Ohne Änderungen oder neue Spiele zurückkehren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Drawsmith</source>
        <translation>&amp;Über Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Drawsmith Help</source>
        <translation>&amp;Drawsmith-Hilfe</translation>
    </message>
    <message>
        <source>Are You Sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Delete - %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>%1 is the last game!</source>
        <translation>%1 ist das letzte Spiel!</translation>
    </message>
    <message>
        <source>Deletion of %1 will re-create data file.</source>
        <translation>Wird %1 gelöscht, wird die Datendatei neu angelegt.</translation>
    </message>
    <message>
        <source>Data File Error</source>
        <translation>Fehler in der Datendatei</translation>
    </message>
    <message>
        <source>%1 up/down</source>
        <translation>%1 auf/ab</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Zahlen pro Tipp</translation>
    </message>
</context>
<context>
    <name>AskOnline</name>
    <message>
        <source>You Must Already be on-line.</source>
        <translation>Sie müssen bereits online sein.</translation>
    </message>
    <message>
        <source>If Not, Click &quot;No&quot;, Connect to the Internet</source>
        <translation>Falls nicht, klicken Sie auf „Nein“, verbinden Sie sich mit dem Internet</translation>
    </message>
    <message>
        <source>Then Select This Feature!</source>
        <translation>und wählen Sie diese Funktion dann erneut!</translation>
    </message>
    <message>
        <source>Are You On-line?</source>
        <translation>Sind Sie online?</translation>
    </message>
</context>
<context>
    <name>BrowserProcess</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 ended while starting.</source>
        <translation>%1 wurde beim Starten beendet.</translation>
    </message>
    <message>
        <source>The web browser could not be started:
%1</source>
        <translation>Der Webbrowser konnte nicht gestartet werden:
%1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Give Your New Game a New Name!</source>
        <translation>Geben Sie Ihrem neuen Spiel einen neuen Namen!</translation>
    </message>
    <message>
        <source>Game Name Error</source>
        <translation>Fehler im Spielnamen</translation>
    </message>
    <message>
        <source>A Game Name Cannot Contain a Comma or a Double Quote!</source>
        <translation>Ein Spielname darf weder ein Komma noch ein doppeltes Anführungszeichen enthalten!</translation>
    </message>
    <message>
        <source>Are You Sure About the Number of Choices</source>
        <translation>Stimmt die Anzahl der Zahlen pro Tipp wirklich?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!</source>
        <translation>(Kleinste Zahl + Zahlen pro Tipp + 1) muss kleiner als die größte Zahl sein!</translation>
    </message>
    <message>
        <source>Number Range Error</source>
        <translation>Fehler im Zahlenbereich</translation>
    </message>
    <message>
        <source>(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!</source>
        <translation>(Kleinste Zusatzzahl + 1) muss kleiner als die größte Zusatzzahl sein!</translation>
    </message>
    <message>
        <source>Power Ball Number Range Error</source>
        <translation>Fehler im Bereich der Zusatzzahl</translation>
    </message>
    <message>
        <source>The file holds no games.</source>
        <translation>Die Datei enthält keine Spiele.</translation>
    </message>
    <message>
        <source>The file holds too many games.</source>
        <translation>Die Datei enthält zu viele Spiele.</translation>
    </message>
    <message>
        <source>Game %1, value %2 %3 is not a number.</source>
        <translation>Spiel %1, Wert %2 %3 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Game %1, value 5 (%2) is not a whole number from -32768 to 32767.</source>
        <translation>Spiel %1, Wert 5 (%2) ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>Game %1 of %2 is incomplete: the file ran out of values.</source>
        <translation>Spiel %1 von %2 ist unvollständig: Die Datei endet vor seinen letzten Werten.</translation>
    </message>
    <message>
        <source>%1 to 1</source>
        <translation>%1 zu 1</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 could not be read: %2
Correct that line of the file, then try again.</source>
        <translation>%1 konnte nicht gelesen werden: %2
Korrigieren Sie diese Zeile der Datei und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 was not found. Nothing was changed.</source>
        <translation>%1 wurde nicht gefunden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist. Restore that file or remove the link, then start Drawsmith again.</source>
        <translation>%1 ist ein Verweis auf %2, das es nicht gibt. Stellen Sie diese Datei wieder her oder entfernen Sie den Verweis und starten Sie Drawsmith dann erneut.</translation>
    </message>
    <message>
        <source>Drawsmith is not allowed to use %1 (%2). Check the permissions of the file and its folder, then try again.</source>
        <translation>Drawsmith darf %1 nicht verwenden (%2). Prüfen Sie die Berechtigungen der Datei und ihres Ordners und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is read-only. Make it writable, then try again.</source>
        <translation>%1 ist schreibgeschützt. Heben Sie den Schreibschutz auf und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file of games. Drawsmith leaves it alone. Move it away or rename it, then start Drawsmith again.</source>
        <translation>%1 ist %2, keine Datei mit Spielen. Drawsmith lässt es unverändert. Verschieben oder benennen Sie es um und starten Sie Drawsmith dann erneut.</translation>
    </message>
    <message>
        <source>%1 is too large: Drawsmith reads files of up to 16 MiB, and this file is larger or would become so. Nothing was changed. Move it away or shorten it, then try again.</source>
        <translation>%1 ist zu groß: Drawsmith liest Dateien bis 16 MiB, und diese Datei ist größer oder würde es werden. Es wurde nichts geändert. Verschieben oder kürzen Sie sie und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 could not be saved: the disk is full (%2). Nothing was changed. Make some room, then try again.</source>
        <translation>%1 konnte nicht gespeichert werden: Der Datenträger ist voll (%2). Es wurde nichts geändert. Schaffen Sie Platz und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is being saved by another Drawsmith. Nothing was changed. Wait a moment, then try again.</source>
        <translation>%1 wird gerade von einem anderen Drawsmith gespeichert. Es wurde nichts geändert. Warten Sie einen Moment und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is no longer in %2: another Drawsmith has changed the file. Nothing was deleted. Open the editor again to see the games as they are now.</source>
        <translation>%1 ist nicht mehr in %2: Ein anderes Drawsmith hat die Datei geändert. Es wurde nichts gelöscht. Öffnen Sie den Editor erneut, um die Spiele im jetzigen Stand zu sehen.</translation>
    </message>
    <message>
        <source>%1 holds too many games. Nothing was changed.</source>
        <translation>%1 enthält zu viele Spiele. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2). Nothing was changed. Try again.</source>
        <translation>%1 konnte nicht gelesen werden (%2). Es wurde nichts geändert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 could not be saved (%2). Nothing was changed. Try again.</source>
        <translation>%1 konnte nicht gespeichert werden (%2). Es wurde nichts geändert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn: line %2 of %3 asks for %4 different numbers from %5 to %6, and that range does not hold so many. Correct the line in the game editor, then try again.</source>
        <translation>%1 kann nicht gezogen werden: Zeile %2 von %3 verlangt %4 verschiedene Zahlen von %5 bis %6, und dieser Bereich enthält nicht so viele. Korrigieren Sie die Zeile im Spiel-Editor und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Create a New Data File?</source>
        <translation>Neue Datendatei anlegen?</translation>
    </message>
    <message>
        <source>Data File Not Found!</source>
        <translation>Datendatei nicht gefunden!</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>You Must Have a Data File!</source>
        <translation>Ohne Datendatei geht es nicht!</translation>
    </message>
    <message>
        <source>Data File Error</source>
        <translation>Fehler in der Datendatei</translation>
    </message>
    <message>
        <source>Edit or Add Lottery Game</source>
        <translation>Lotteriespiel bearbeiten oder hinzufügen</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Berechnung läuft...</translation>
    </message>
    <message>
        <source>Good Luck With Your Picks!</source>
        <translation>Viel Glück mit Ihren Zahlen!</translation>
    </message>
    <message>
        <source>Select a Game to Start</source>
        <translation>Wählen Sie ein Spiel</translation>
    </message>
    <message>
        <source>Game Selections</source>
        <translation>Spielauswahl</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>Click Down Arrow to Choose, Add, or Edit Game</source>
        <translation>Auf den Pfeil klicken, um ein Spiel zu wählen, hinzuzufügen oder zu bearbeiten</translation>
    </message>
    <message>
        <source>Lowest Number</source>
        <translation>Kleinste Zahl</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>Lowest Power Ball</source>
        <translation>Kleinste Zusatzzahl</translation>
    </message>
    <message>
        <source>Highest Power Ball</source>
        <translation>Größte Zusatzzahl</translation>
    </message>
    <message>
        <source>Odds of Wining Grand Prize</source>
        <translation>Chance auf den Hauptgewinn</translation>
    </message>
    <message>
        <source>Visit The Web Site</source>
        <translation>Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Starts Number Calculations</source>
        <translation>Startet die Zahlenberechnung</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Stops Number Calculations</source>
        <translation>Hält die Zahlenberechnung an</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit the Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Drawsmith</source>
        <translation>&amp;Über Drawsmith</translation>
    </message>
    <message>
        <source>&amp;Drawsmith Help</source>
        <translation>&amp;Drawsmith-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit The Web Site</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>The new data file could not be written.
%1</source>
        <translation>Die neue Datendatei konnte nicht geschrieben werden.
%1</translation>
    </message>
    <message>
        <source>A new data file with six games was written. Your old games.dat is kept as %1.</source>
        <translation>Eine neue Datendatei mit sechs Spielen wurde geschrieben. Ihre alte games.dat ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>games.dat holds %1 games, but Drawsmith can choose and edit only the first %2. The other games stay in the file. To edit them, move some games to another file.</source>
        <translation>games.dat enthält %1 Spiele, aber Drawsmith kann nur die ersten %2 auswählen und bearbeiten. Die übrigen Spiele bleiben in der Datei. Um sie zu bearbeiten, verschieben Sie einige Spiele in eine andere Datei.</translation>
    </message>
    <message>
        <source>Too Many Games</source>
        <translation>Zu viele Spiele</translation>
    </message>
    <message>
        <source>Number Range Error</source>
        <translation>Fehler im Zahlenbereich</translation>
    </message>
    <message>
        <source>C&amp;opy Picks</source>
        <translation>Tipps k&amp;opieren</translation>
    </message>
    <message>
        <source>Pic&amp;ks</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>Pas&amp;t Picks…</source>
        <translation>&amp;Frühere Tipps…</translation>
    </message>
    <message>
        <source>P&amp;rint Picks…</source>
        <translation>Tipps d&amp;rucken…</translation>
    </message>
    <message>
        <source>This run&apos;s picks could not be added to your past picks; they stay on screen. Drawsmith will not tell you again until it is restarted.
%1</source>
        <translation>Die Zahlen dieses Durchlaufs konnten nicht zu Ihren früheren Tipps hinzugefügt werden; sie bleiben auf dem Bildschirm. Drawsmith meldet das erst nach einem Neustart wieder.
%1</translation>
    </message>
    <message>
        <source>Past Picks</source>
        <translation>Frühere Tipps</translation>
    </message>
    <message>
        <source>Power Ball %1</source>
        <translation>Zusatzzahl %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pick %1</source>
        <translation>Zahl %1</translation>
    </message>
</context>
<context>
    <name>FrmPastPicks</name>
    <message>
        <source>Past Picks</source>
        <translation>Frühere Tipps</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>Most matches first</source>
        <translation>Meiste Treffer zuerst</translation>
    </message>
    <message>
        <source>&amp;Sort:</source>
        <translation>So&amp;rtierung:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>De&amp;lete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>for example 5 12 23 31 44</source>
        <translation>zum Beispiel 5 12 23 31 44</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Game of the draw:</source>
        <translation>&amp;Spiel der Ziehung:</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>&amp;Gezogene Zahlen:</translation>
    </message>
    <message>
        <source>Drawn Power &amp;Ball:</source>
        <translation>Gezogene &amp;Zusatzzahl:</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Select one or more picks in the list first.</source>
        <translation>Wählen Sie zuerst einen oder mehrere Tipps in der Liste aus.</translation>
    </message>
    <message>
        <source>Delete the selected pick from the history?</source>
        <translation>Den ausgewählten Tipp aus dem Verlauf löschen?</translation>
    </message>
    <message>
        <source>Delete the %1 selected picks from the history?</source>
        <translation>Die %1 ausgewählten Tipps aus dem Verlauf löschen?</translation>
    </message>
    <message>
        <source>Delete Picks</source>
        <translation>Tipps löschen</translation>
    </message>
    <message>
        <source>The selected lines are unreadable and cannot be printed.</source>
        <translation>Die ausgewählten Zeilen sind unlesbar und können nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Picks</source>
        <translation>Tipps drucken</translation>
    </message>
    <message>
        <source>Check a Draw</source>
        <translation>Ziehung prüfen</translation>
    </message>
    <message>
        <source>Choose the game of the draw first.</source>
        <translation>Wählen Sie zuerst das Spiel der Ziehung.</translation>
    </message>
    <message>
        <source>%1 draws %2 numbers from %3 to %4.</source>
        <translation>Bei %1 werden %2 Zahlen von %3 bis %4 gezogen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 liegt außerhalb des Zahlenbereichs.</translation>
    </message>
    <message>
        <source>%1 is typed twice; a draw holds each number once.</source>
        <translation>%1 steht doppelt da; eine Ziehung enthält jede Zahl nur einmal.</translation>
    </message>
    <message>
        <source>A number is missing.</source>
        <translation>Es fehlt eine Zahl.</translation>
    </message>
    <message>
        <source>There are too many numbers.</source>
        <translation>Das sind zu viele Zahlen.</translation>
    </message>
    <message>
        <source>Type the drawn Power Ball, a number from %1 to %2.</source>
        <translation>Geben Sie die gezogene Zusatzzahl ein, eine Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>Past picks of %1 checked: %2. Drawsmith shows matches, not prizes: those differ by game and draw.</source>
        <translation>Geprüfte frühere Tipps für %1: %2. Drawsmith zeigt Treffer, keine Gewinne: Die hängen von Spiel und Ziehung ab.</translation>
    </message>
    <message>
        <source>Past pic&amp;ks:</source>
        <translation>&amp;Frühere Tipps:</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <source>Printing could not be started:
%1</source>
        <translation>Das Drucken konnte nicht gestartet werden:
%1</translation>
    </message>
</context>
<context>
    <name>PastPicksModel</name>
    <message>
        <source>Unreadable line</source>
        <translation>Unlesbare Zeile</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>%1 + PB</source>
        <translation>%1 + ZZ</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>PickSlip</name>
    <message>
        <source>Power Ball %1</source>
        <translation>Zusatzzahl %1</translation>
    </message>
    <message>
        <source>Odds of winning the grand prize: %1</source>
        <translation>Chance auf den Hauptgewinn: %1</translation>
    </message>
    <message>
        <source>Drawsmith picks</source>
        <translation>Drawsmith-Tipps</translation>
    </message>
    <message>
        <source>The picks could not be printed: the printer or file could not be opened.</source>
        <translation>Die Tipps konnten nicht gedruckt werden: Der Drucker oder die Datei ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Print Picks</source>
        <translation>Tipps drucken</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Drawsmith could not remember the game you chose.
%1</source>
        <translation>Drawsmith konnte sich das gewählte Spiel nicht merken.
%1</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--catalogue needs the name of a catalogue file</source>
        <translation>--catalogue braucht den Namen einer Katalogdatei</translation>
    </message>
    <message>
        <source>--count needs a number of sets from 1 to %1</source>
        <translation>--count braucht eine Anzahl Tipps von 1 bis %1</translation>
    </message>
    <message>
        <source>%1 needs a game: its row number as --list shows it, or its name</source>
        <translation>%1 braucht ein Spiel: seine Zeilennummer, wie --list sie zeigt, oder seinen Namen</translation>
    </message>
    <message>
        <source>--count takes a whole number of sets from 1 to %1, not &quot;%2&quot;</source>
        <translation>--count erwartet eine ganze Anzahl Tipps von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together: choose one</source>
        <translation>%1 und %2 gehen nicht zusammen: Wählen Sie eines davon</translation>
    </message>
    <message>
        <source>say what to do: --list, --odds GAME or --pick GAME</source>
        <translation>Geben Sie an, was zu tun ist: --list, --odds SPIEL oder --pick SPIEL</translation>
    </message>
    <message>
        <source>%1 works only with --pick</source>
        <translation>%1 geht nur zusammen mit --pick</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
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
        <translation>Aufruf: drawsmith [--catalogue DATEI] --list | --odds SPIEL | --pick SPIEL [--count N] [--keep]
Ohne Optionen öffnet Drawsmith sein Fenster; mit diesen antwortet es im Terminal.

  --list              eine Zeile je Spiel, die Spalten durch Tabulatoren getrennt:
                      Zeile, Name, Anzahl der Zahlen, Zahlenbereich, Power-Ball-
                      Bereich (- für keinen) und die Gewinnchance auf den Hauptgewinn
  --odds SPIEL        die Gewinnchance auf den Hauptgewinn von SPIEL
  --pick SPIEL        ein Tipp für SPIEL, so geschrieben wie „Tipp kopieren“
  --count N           mit --pick: N Tipps, einer je Zeile (1 bis %1, sonst 1)
  --keep              mit --pick: die Tipps auch zu den früheren Tipps hinzufügen
  --catalogue DATEI   die Spiele aus DATEI lesen statt aus games.dat
  -h, --help          diese Hilfe zeigen
  --version           Version und Lizenz zeigen

SPIEL ist die Zeilennummer eines Spiels, wie --list sie zeigt, oder sein Name.

Dateien:
  games.dat           der Spielkatalog, im aktuellen Verzeichnis
  picks.csv           die früheren Tipps, neben dem Katalog

Rückgabewert: 0 erledigt; 1 der Katalog ist nicht lesbar, das Spiel unbekannt
oder nicht ziehbar, oder die Tipps konnten nicht geschrieben werden; 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Copyright (C) 2000 %1. Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later. This is free software; there is no warranty.
</source>
        <translation>Copyright (C) 2000 %1. Lizenz GPL-3.0-or-later: die GNU General Public License, Version 3 oder später. Dies ist freie Software; es gibt keine Gewährleistung.
</translation>
    </message>
    <message>
        <source>%1 was not found. Run drawsmith without options to create one, or name another catalogue with --catalogue FILE.</source>
        <translation>%1 wurde nicht gefunden. Starten Sie drawsmith ohne Optionen, um einen Katalog anzulegen, oder geben Sie mit --catalogue DATEI einen anderen an.</translation>
    </message>
    <message>
        <source>%1 has no game %2. The closest names: %3. --list shows every game.</source>
        <translation>%1 enthält kein Spiel %2. Die ähnlichsten Namen: %3. --list zeigt alle Spiele.</translation>
    </message>
    <message>
        <source>the output could not be written (%1).</source>
        <translation>die Ausgabe konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Try &apos;drawsmith --help&apos; for more information.
</source>
        <translation>„drawsmith --help“ gibt weitere Auskunft.
</translation>
    </message>
    <message>
        <source>the odds of %1 cannot be computed: its lowest number is 0 or its range is too large. Correct line %2 of %3 in the game editor.</source>
        <translation>die Gewinnchance von %1 lässt sich nicht berechnen: Die kleinste Zahl ist 0 oder der Bereich zu groß. Korrigieren Sie Zeile %2 von %3 im Spiel-Editor.</translation>
    </message>
    <message>
        <source>the window could not be loaded. Reinstall Drawsmith, then try again.
%1</source>
        <translation>das Fenster konnte nicht geladen werden. Installieren Sie Drawsmith neu und versuchen Sie es dann erneut.
%1</translation>
    </message>
    <message>
        <source>%1 cannot be drawn: line %2 of %3 gives numbers beyond %4, which Drawsmith cannot show. Correct the line in the game editor, then try again.</source>
        <translation>%1 kann nicht gezogen werden: Zeile %2 von %3 ergibt Zahlen über %4, die Drawsmith nicht anzeigen kann. Korrigieren Sie die Zeile im Spiel-Editor und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>the picks were not kept, so none are shown. %1</source>
        <translation>die Tipps wurden nicht gespeichert, daher wird keiner angezeigt. %1</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedriger</translation>
    </message>
</context>
<context>
    <name>frmAboutLotto</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Click Here to Visit My Website (You must already be on-line)</source>
        <translation>Hier klicken, um meine Webseite zu besuchen (Sie müssen bereits online sein)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Written By:  %1</source>
        <translation>Geschrieben von:  %1</translation>
    </message>
    <message>
        <source>Please Click Here to Visit Our Website:</source>
        <translation>Klicken Sie hier, um unsere Webseite zu besuchen:</translation>
    </message>
    <message>
        <source>You Must Have an Existing Internet Connection</source>
        <translation>Dazu brauchen Sie eine bestehende Internetverbindung</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Warnung:</translation>
    </message>
    <message>
        <source>Gambling is addictive!</source>
        <translation>Glücksspiel kann süchtig machen!</translation>
    </message>
    <message>
        <source>Please be responsible</source>
        <translation>Spielen Sie verantwortungsbewusst</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Drawsmith Help</source>
        <translation>Drawsmith-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit the Web Site</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
</context>
<context>
    <name>frmLottoBrowser</name>
    <message>
        <source>%1 - %2 Browser</source>
        <translation>%1 - %2-Browser</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Power Ball</source>
        <translation>Power Ball</translation>
    </message>
    <message>
        <source>Florida Lottery</source>
        <translation>Lotterie von Florida</translation>
    </message>
    <message>
        <source>California Lottery</source>
        <translation>Lotterie von Kalifornien</translation>
    </message>
    <message>
        <source>Louisiana Lottery</source>
        <translation>Lotterie von Louisiana</translation>
    </message>
    <message>
        <source>New York Lottery</source>
        <translation>Lotterie von New York</translation>
    </message>
    <message>
        <source>Texas Lottery</source>
        <translation>Lotterie von Texas</translation>
    </message>
</context>
</TS>
