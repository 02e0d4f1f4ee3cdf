<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Scegli il tasto</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Trasferisci</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Il mio computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Scegli i tasti</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Configura tasti</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Livello batteria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passa a 2,4G</translation>
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
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Scegli app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso in cui si trova l&apos;app</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Luce tastiera</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luce generale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luce interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione ciclica</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori pieni</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausa retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione luce</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modalità luce</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Colori pieni</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Luce personalizzata</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tipo di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua sì/no</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Ripetizioni 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Gruppo di macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Registra ritardo</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci evento dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci evento prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premi tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Suggerimento: terminata la registrazione del gruppo di macro, vai a «%1» per completare l&apos;assegnazione.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome della macro modificato</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Registrazione della macro cancellata</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il limite di eventi registrati</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserimento riuscito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modifica riuscita</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima la cartella di destinazione</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Esportazione della macro non riuscita</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Importazione della macro non riuscita</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Ferma registrazione</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Avvia registrazione macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Ferma registrazione macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Impossibile eliminare la macro</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Impossibile modificare il nome della macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Impossibile aggiungere la macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Impossibile cancellare la registrazione della macro</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Impossibile eliminare l&apos;evento</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Inserimento non riuscito</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Spostamento non riuscito</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Impossibile salvare la registrazione della macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto del mouse</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto di precisione</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
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
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione trasferita alla tastiera</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Più di %n tasto è assegnato a macro; la tastiera memorizza %n macro. Non è stato trasferito nulla</numerusform>
            <numerusform>Più di %n tasti sono assegnati a macro; la tastiera memorizza %n macro. Non è stato trasferito nulla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Più di %n tasto è assegnato a tasti avanzati; la tastiera ne memorizza %n. Non è stato trasferito nulla</numerusform>
            <numerusform>Più di %n tasti sono assegnati a tasti avanzati; la tastiera ne memorizza %n. Non è stato trasferito nulla</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>È già in corso un trasferimento</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Trasferimento della configurazione non riuscito, riprova</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con il blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione luce:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci sospensione</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Modalità gamepad:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà tastiera</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo attuale</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
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
        <translation>Crea</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Il tasto ha due funzioni: una quando lo tieni premuto e una quando lo premi brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Tieni premuto</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata pressione</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Premi questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Suggerimento: assegna i tasti avanzati nella pagina dei tasti.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Suggerimento: terminata la configurazione del tasto avanzato, vai a «%1» per completare l&apos;assegnazione.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di tasti avanzati</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tasto avanzato creato</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tasto avanzato eliminato</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Impossibile modificare il tasto avanzato</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Impossibile creare il tasto avanzato</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Impossibile eliminare il tasto avanzato</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Tasto singolo», basta premere un tasto per completare la configurazione;
Con «Combinazione di tasti», occorre scegliere almeno un modificatore e un altro tasto per completare la combinazione, ad es. L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con «Tasto singolo», basta premere un tasto per completare la configurazione;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Combinazione di tasti», occorre scegliere almeno un modificatore e un altro tasto per completare la combinazione, ad es. L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Il tasto supporta quattro funzioni: puoi assegnarne da 1 a 4 in base a quattro diverse profondità di pressione.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Il tasto ha due funzioni: una quando lo tieni premuto e una quando lo premi brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Premi questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia l&apos;applicazione all&apos;avvio del sistema (ridotta)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell&apos;area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Cerca aggiornamenti firmware</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Negozio</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Invia commenti</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Luce ambientale</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luce generale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luce interattiva</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori pieni</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pausa luce laterale</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punti di attivazione delle azioni DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Attivazione rapida</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Regola la corsa di attivazione e di rilascio in base a come intendi premere o rilasciare il tasto.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilità separata</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa dell&apos;attivazione rapida in pressione (attivazione) e in rilascio (ripristino).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pressione/Rilascio</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entra in modalità calibrazione</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibra tutti i tasti</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Tracciamento intensità</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Tracciamento corsa</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilità in pressione e rilascio</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modalità calibrazione</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Pressione (attivazione)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Rilascio (ripristino)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Pressione (attivazione)/Rilascio (ripristino)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Durante l&apos;aggiornamento del firmware non scollegare il dispositivo!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Chiusura del programma</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Il programma si è interrotto in modo imprevisto.</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto di precisione</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Il mio computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Livello batteria</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passa a 2,4G</translation>
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
        <translation>Luce generale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luce interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione ciclica</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori pieni</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pausa luce laterale</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Asse X sinistra</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Asse X destra</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Asse Y su</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Asse Y giù</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Asse Z avanti</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Asse Z indietro</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Rotazione Z avanti</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Rotazione Z indietro</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Rotazione X sinistra</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Rotazione X destra</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Rotazione Y su</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Rotazione Y giù</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Manetta</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Equilibratore</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Acceleratore</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Timone</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Pulsante grilletto</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Pulsante 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Pulsante 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Pulsante 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Pulsante 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Pulsante 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Pulsante 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Pulsante 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Pulsante 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Pulsante 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Pulsante 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Pulsante 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Pulsante 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Levetta sin. su</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Levetta sin. giù</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Levetta sin. sinistra</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Levetta sin. destra</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Levetta des. su</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Levetta des. giù</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Levetta des. sinistra</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Levetta des. destra</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Grilletto sinistro</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Grilletto destro</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Pulsante A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Pulsante B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Pulsante X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Pulsante Y</translation>
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
        <translation>Pulsante Menu</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Premi levetta sin.</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Premi levetta des.</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Dorsale sinistro</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Dorsale destro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configura tasti</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luce tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luce ambientale</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausa retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione luce</translation>
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
        <translation>Gamepad disattivato</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad classico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Scegli il tasto</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleziona prima un tasto</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Impostazione non riuscita: impossibile scrivere il profilo</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Impostazione non riuscita: il testo è vuoto</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Il testo è troppo lungo</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Il percorso del programma è troppo lungo</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>La macro non esiste più</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Scegli i tasti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Scegli app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso in cui si trova l&apos;app</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applicazioni (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto del mouse</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglese</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Impostazioni attivazione</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Impostazioni luci</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrazione dei tasti in corso, attendi un momento</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>La tastiera è occupata, riprova</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>La sospensione della luce non può avvenire dopo quella della tastiera</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Il tempo di sospensione della tastiera è troppo breve</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Impostazione del tempo di sospensione non riuscita</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo di sospensione impostato</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Attenzione: il dispositivo verrà riavviato!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Tastiera non accessibile</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>È collegata una tastiera, ma questo utente non ha i permessi per aprirla. Installa la regola dispositivo del programma (70-lumtar.rules) e ricollega la tastiera.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Il dispositivo è offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Il dispositivo è stato acceso</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Passa prima alla modalità calibrazione</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrazione riuscita</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrazione in corso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Calibrazione non riuscita</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Impossibile aprire il dispositivo, riprova</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Creazione non riuscita: l&apos;indice esiste già, verifica</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Creazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profilo creato</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Deve rimanere almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Eliminazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima la cartella di destinazione</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Questo indice non esiste</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Esportazione del profilo non riuscita: il percorso del file è troppo lungo</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File profilo (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima il file da importare</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Il nome del profilo è troppo lungo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modifica del profilo non riuscita</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilo modificato</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo attuale?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Calibrazione di tutti i tasti in corso... (premi tutti i tasti)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Colori pieni</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Luce personalizzata</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastiera/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Il nome della luce personalizzata non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome della luce personalizzata modificato</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Il dispositivo non ha luce ambientale</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
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
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Se attivo, l&apos;attivazione rapida termina solo quando rilasci completamente il tasto.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Se disattivo, l&apos;attivazione rapida termina quando il tasto, rilasciato, torna oltre il punto di attivazione.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Imposta per quanto tempo il tasto deve restare premuto per attivarsi.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Con la calibrazione di tutti i tasti attiva, premi tutti i tasti per completare la calibrazione.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Attiva prima la modalità calibrazione;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleziona un tasto;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Fai clic su «Avvia calibrazione»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Premi il tasto selezionato;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Viene mostrato il risultato della calibrazione;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con il blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione luce:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo attuale</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà tastiera</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci sospensione</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Impossibile avviare il servizio del dispositivo, nessuna tastiera trovata. Riavvia il programma.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Riduci a icona(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingrandisci(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Ripristina(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Esci(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia l&apos;applicazione all&apos;avvio del sistema (ridotta)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell&apos;area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Cerca aggiornamenti firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessun dispositivo aggiornabile trovato</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configurazione applicata</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Configurazione non riuscita</translation>
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
        <translation>Impossibile aggiornare la macro in tutti i profili, riprova</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Impossibile rimappare</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
</TS>
