<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Taste wählen</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Info</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tasten wählen</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Tastenfunktionen</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Zu USB wechseln</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Zu 2,4G wechseln</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>App wählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wählen Sie den Pfad, unter dem sich die App befindet</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtlicht</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktives Licht</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alles Licht</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung im Wechsel</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Zu Vollfarbe wechseln</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alles aus</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Hintergrundlicht aus</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Hintergrundlicht anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Lichtaufnahme</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Eigene 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Eigene 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Eigenes Licht</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makrogruppe</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Mit Verzögerung</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Unverzögert</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aufnahme ist leer</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Ereignis danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Ereignis davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastaturereignis</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mausereignis</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste eingeben</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Bitte Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Tipp: Wenn die Makrogruppe aufgenommen ist, wechseln Sie zu „%1“ und schließen Sie dort die Zuweisung ab.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makroname geändert</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro wählen</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makroaufnahme geleert</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position wählen</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die maximale Anzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Eingefügt</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Zielordner wählen</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makro-Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makro-Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Aufnahme stoppen</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme starten</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme stoppen</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makroname konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Makroaufnahme konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Ereignis konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Ändern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Makroaufnahme konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Maus links</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Maus Mitte</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Maus rechts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Präzisionstaste</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Medienwiedergabe</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration übertragen</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Mehr als %n Taste ist mit Makros belegt; die Tastatur speichert %n Makro. Es wurde nichts übertragen</numerusform>
            <numerusform>Mehr als %n Tasten sind mit Makros belegt; die Tastatur speichert %n Makros. Es wurde nichts übertragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Mehr als %n Taste ist mit erweiterten Tasten belegt; die Tastatur speichert %n. Es wurde nichts übertragen</numerusform>
            <numerusform>Mehr als %n Tasten sind mit erweiterten Tasten belegt; die Tastatur speichert %n. Es wurde nichts übertragen</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Es läuft bereits eine Übertragung</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Übertragung fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste sperren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 sperren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Licht-Ruhezustand:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Tastatur-Ruhezustand:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Kein Ruhezustand</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Gamepad-Modus:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim kurzen Drücken.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Drücken Sie diese Taste, um das Dauerauslösen ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Keine erweiterten Tasten</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Tipp: Erweiterte Tasten auf der Tastenseite zuweisen.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Tipp: Wenn die erweiterte Taste eingerichtet ist, wechseln Sie zu „%1“ und schließen Sie dort die Zuweisung ab.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Die maximale Anzahl erweiterter Tasten ist erreicht</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Erweiterte Taste erstellt</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Erweiterte Taste gelöscht</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Erweiterte Taste konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Erweiterte Taste konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Erweiterte Taste konnte nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Belegung abzuschließen;
Bei „Tastenkombination“ müssen mindestens eine Modifikatortaste und eine weitere Taste gewählt werden, z. B. L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Belegung abzuschließen;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Bei „Tastenkombination“ müssen mindestens eine Modifikatortaste und eine weitere Taste gewählt werden, z. B. L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Die Taste kann vier Funktionen ausführen: Je nach Drucktiefe lassen sich 1 bis 4 Funktionen zuweisen.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim kurzen Drücken.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Drücken Sie diese Taste, um das Dauerauslösen ein- oder auszuschalten.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alles Licht</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtlicht</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktives Licht</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Zu Vollfarbe wechseln</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Seitenlicht aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenlicht anhalten</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Auslösepunkte der DKS-Aktionen</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Schnellauslösung</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzweg daran an, wie Sie die Taste drücken oder loslassen.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Getrennte Empfindlichkeit</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können den Weg der Schnellauslösung für Drücken (Auslösen) und Loslassen (Rücksetzen) getrennt einstellen.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Drücken/Loslassen</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Entprellung</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Kalibriermodus aktivieren</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Alle Tasten kalibrieren</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Intensitätsverfolgung</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Wegverfolgung</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Empfindlichkeit für Drücken und Loslassen</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Kalibriermodus</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Drücken (Auslösen)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Loslassen (Rücksetzen)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Drücken (Auslösen)/Loslassen (Rücksetzen)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Trennen Sie das Gerät während des Firmware-Updates nicht!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Das Programm wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Medienwiedergabe</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Maus links</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Maus Mitte</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Maus rechts</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Präzisionstaste</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Zu USB wechseln</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Zu 2,4G wechseln</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtlicht</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktives Licht</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alles Licht</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung im Wechsel</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Zu Vollfarbe wechseln</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Eigene 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Eigene 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alles aus</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Hintergrundlicht aus</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Seitenlicht aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenlicht anhalten</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X-Achse links</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X-Achse rechts</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y-Achse hoch</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y-Achse runter</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z-Achse vor</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z-Achse zurück</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z-Rotation vor</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z-Rotation zurück</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X-Rotation links</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X-Rotation rechts</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y-Rotation hoch</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y-Rotation runter</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Schubregler</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Höhenruder</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Gaspedal</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Seitenruder</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Abzugstaste</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Taste 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Taste 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Taste 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Taste 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Taste 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Taste 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Taste 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Taste 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Pfeil hoch</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Pfeil runter</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Linker Stick hoch</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Linker Stick runter</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Linker Stick links</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Linker Stick rechts</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Rechter Stick hoch</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Rechter Stick runter</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Rechter Stick links</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Rechter Stick rechts</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Linker Trigger</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Rechter Trigger</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Taste A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Taste B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Taste X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Taste Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Menütaste</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Linken Stick drücken</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Rechten Stick drücken</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Linke Schultertaste</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Rechte Schultertaste</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastenfunktionen</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Hintergrundlicht anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Lichtaufnahme</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1&#xa0;mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Gamepad deaktiviert</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad klassisch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste wählen</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Fehler: Das Profil konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Fehler: Der Text ist leer</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Der Text ist zu lang</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Der Programmpfad ist zu lang</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>Das Makro ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tasten wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>App wählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wählen Sie den Pfad, unter dem sich die App befindet</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Anwendungen (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreanisch/Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Auslösung</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Tasten werden kalibriert, bitte einen Moment warten</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Die Tastatur ist beschäftigt, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Das Licht darf nicht später in den Ruhezustand gehen als die Tastatur</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Die Zeit bis zum Ruhezustand der Tastatur ist zu kurz</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Ruhezeit konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Ruhezeit wurde gesetzt</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Achtung, das Gerät wird neu gestartet!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Kein Zugriff auf die Tastatur</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Eine Tastatur ist verbunden, aber dieser Benutzer darf sie nicht öffnen. Installieren Sie die Geräteregel des Programms (70-lumtar.rules) und schließen Sie die Tastatur erneut an.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Das Gerät ist offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Das Gerät wurde eingeschaltet</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Bitte zuerst in den Kalibriermodus wechseln</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibrierung erfolgreich</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Kalibrierung läuft</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Gerät konnte nicht geöffnet werden, bitte erneut versuchen</translation>
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
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Erstellen fehlgeschlagen: Der Index existiert bereits, bitte prüfen</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil erstellt</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss bleiben</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil gelöscht</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Zielordner wählen</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Dieser Index existiert nicht</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Profil-Export fehlgeschlagen: Der Dateipfad ist zu lang</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil-Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exportiert</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei wählen</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil-Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importiert</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Der Profilname ist zu lang</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profil konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil geändert</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Alle Tasten werden kalibriert ... (bitte alle Tasten drücken)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Eigenes Licht</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastatur/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Der Name des eigenen Lichts darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Name des eigenen Lichts geändert</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Das Gerät hat kein Ambientelicht</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Wellenring</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Wellenring</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Wenn aktiviert, endet die Schnellauslösung erst, wenn Sie die Taste ganz loslassen.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Wenn deaktiviert, endet die Schnellauslösung, sobald die losgelassene Taste den Auslösepunkt wieder überschreitet.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Legen Sie fest, wie lange die Taste zum Auslösen gedrückt werden muss.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Wenn die Kalibrierung aller Tasten aktiv ist, drücken Sie alle Tasten, um die Kalibrierung abzuschließen.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Zuerst den Kalibriermodus aktivieren;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Eine Taste auswählen;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Auf „Kalibrierung starten“ klicken;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Die ausgewählte Taste drücken;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Das Kalibrierergebnis wird angezeigt;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste sperren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 sperren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Licht-Ruhezustand:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Tastatur-Ruhezustand:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Kein Ruhezustand</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Der Gerätedienst konnte nicht gestartet werden, es wurde keine Tastatur gefunden. Bitte starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimieren(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximieren(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Wiederherstellen(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Beenden(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine aktualisierbaren Geräte gefunden</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Konfiguration übernommen</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Offline)</translation>
    </message>
    <message>
        <source>(USB)</source>
        <translation>(USB)</translation>
    </message>
    <message>
        <source>(2.4G)</source>
        <translation>(2.4G)</translation>
    </message>
    <message>
        <source>Yen</source>
        <translation>Yen</translation>
    </message>
    <message>
        <source>ISO \|</source>
        <translation>ISO \|</translation>
    </message>
    <message>
        <source>Ro</source>
        <translation>Ro</translation>
    </message>
    <message>
        <source>Muhen­kan</source>
        <translation>Muhen­kan</translation>
    </message>
    <message>
        <source>Henkan</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>Kana</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>The macro could not be updated in every profile, please try again</source>
        <translation>Das Makro konnte nicht in allen Profilen aktualisiert werden, bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nicht neu belegbar</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
</TS>
