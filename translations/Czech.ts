<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Levé kliknutí</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední kliknutí</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé kliknutí</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapování</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na klávesu?</translation>
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
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapsat</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadat klávesu?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Funkce klávesnice</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Přepnout na 2,4 GHz</translation>
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
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Výběr aplikace</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Zadejte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
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
        <translation>Zadejte text…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré podsvícení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statické</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Směr dokola</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změna horní barvy</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změna dolní barvy</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Záznam podsvícení</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
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
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Režim podsvícení</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plná barva</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní podsvícení</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Přihlášení</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Režim přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Jednou</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržitě (zap./vyp. stiskem)</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Vícekrát</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Dokud je klávesa stisknutá</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet opakování</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet opakování: 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Záznam makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Skupina maker</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Nastavení prodlevy</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>S prodlevou</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez prodlevy</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí prodleva</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Spustit záznam</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložit událost</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit událost za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit událost před</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé kliknutí</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední kliknutí</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé kliknutí</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte hodnotu prodlevy</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnost</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Stisk klávesy</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Tip: po záznamu skupiny maker přejděte do části „%1“ a dokončete přiřazení.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Nastavení kláves</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro bylo odstraněno</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Název makra nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Název makra byl změněn</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro bylo přidáno</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Nejprve vyberte makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Záznam makra byl vymazán</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Nejprve vyberte pozici</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Byl dosažen limit počtu událostí</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Vloženo</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Upraveno</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Export makra se nezdařil</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro bylo exportováno</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otevřít soubor makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Soubory maker (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Import makra se nezdařil</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro bylo importováno</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zastavit záznam</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Spustit záznam makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zastavit záznam makra</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro se nepodařilo odstranit</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Název makra se nepodařilo změnit</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro se nepodařilo přidat</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Záznam makra se nepodařilo vymazat</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Událost se nepodařilo odstranit</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Vložení se nezdařilo</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Úprava se nezdařila</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Přesun se nezdařil</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Záznam makra se nepodařilo uložit</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tlačítka myši</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Odstřelovací tlačítko</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky −</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Nastavení bylo zapsáno do klávesnice</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Makra jsou přiřazena k více než %n klávese, ale klávesnice pojme jen %n makro. Nic nebylo zapsáno</numerusform>
            <numerusform>Makra jsou přiřazena k více než %n klávesám, ale klávesnice pojme jen %n makra. Nic nebylo zapsáno</numerusform>
            <numerusform>Makra jsou přiřazena k více než %n klávesám, ale klávesnice pojme jen %n maker. Nic nebylo zapsáno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Pokročilé funkce jsou přiřazeny k více než %n klávese, ale klávesnice pojme jen %n. Nic nebylo zapsáno</numerusform>
            <numerusform>Pokročilé funkce jsou přiřazeny k více než %n klávesám, ale klávesnice pojme jen %n. Nic nebylo zapsáno</numerusform>
            <numerusform>Pokročilé funkce jsou přiřazeny k více než %n klávesám, ale klávesnice pojme jen %n. Nic nebylo zapsáno</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Zápis již probíhá</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Zápis nastavení se nezdařil, zkuste to znovu</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Při zámku Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Vypnout klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Vypnout SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Vypnout ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Vypnout ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uspat podsvícení po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uspat klávesnici po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Nikdy neuspávat</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Režim gamepadu:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klasický</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Obnovit aktuální profil</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
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
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při krátkém stisku.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem klávesy zapnete nebo vypnete nepřetržitou aktivaci.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Žádné pokročilé klávesy</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Tip: pokročilé klávesy se přiřazují na stránce kláves.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Tip: po nastavení pokročilé klávesy přejděte do části „%1“ a dokončete přiřazení.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Nastavení kláves</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Byl dosažen maximální počet pokročilých kláves</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Pokročilá klávesa byla vytvořena</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Pokročilá klávesa byla odstraněna</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Pokročilou klávesu se nepodařilo upravit</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Pokročilou klávesu se nepodařilo vytvořit</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Pokročilou klávesu se nepodařilo odstranit</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>V režimu „Jedna klávesa“ stačí stisknout požadovanou klávesu; 
v režimu „Kombinace kláves“ vyberte alespoň jednu modifikační klávesu a jednu další klávesu, např. L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>V režimu „Jedna klávesa“ stačí stisknout požadovanou klávesu;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>V režimu „Kombinace kláves“ vyberte alespoň jednu modifikační klávesu a jednu další klávesu, např. L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klávesa může mít až čtyři funkce – jednu pro každou ze čtyř hloubek stisku.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při krátkém stisku.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem klávesy zapnete nebo vypnete nepřetržitou aktivaci.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět se systémem (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zavírat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Kontrolovat aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Obchod</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Podpora</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Odeslat zpětnou vazbu</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Aplikační software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrý</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Růžový</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiný</translation>
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
        <translation>Boční podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré podsvícení</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost −</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změna horní barvy</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změna dolní barvy</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Body aktivace akcí DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Rychlá aktivace</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte zdvih aktivace a zdvih uvolnění podle toho, jak klávesy stiskáte a pouštíte.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Samostatná citlivost</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>U rychlé aktivace můžete zvlášť nastavit zdvih stisku (aktivace) a uvolnění (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Stisk/uvolnění</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Potlačení zákmitů</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence dotazování</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Přejít do režimu kalibrace</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrace všech kláves</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Sledování síly stisku</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Obnovit citlivost</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Sledování zdvihu</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Citlivost stisku a uvolnění</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Režim kalibrace kláves</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Stisk (aktivace)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Uvolnění (reset)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Stisk (aktivace)/uvolnění (reset)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru zařízení neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizace dokončena</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizace se nezdařila</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuální klávesnice</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Ukončení programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program nemůže běžet!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky −</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Odstřelovací tlačítko</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Přepínání oken</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Přepnout na 2,4 GHz</translation>
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
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré podsvícení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statické</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Směr dokola</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změna horní barvy</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změna dolní barvy</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Osa X vlevo</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Osa X vpravo</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Osa Y nahoru</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Osa Y dolů</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Osa Z vpřed</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Osa Z vzad</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Rotace Z vpřed</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Rotace Z vzad</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Rotace X vlevo</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Rotace X vpravo</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Rotace Y nahoru</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Rotace Y dolů</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Plyn</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Výškovka</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Akcelerátor</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Směrovka</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Tlačítko spouště</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Tlačítko 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Tlačítko 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Tlačítko 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Tlačítko 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Tlačítko 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Tlačítko 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Tlačítko 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Tlačítko 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Tlačítko 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Tlačítko 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Tlačítko 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Tlačítko 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Šipka nahoru</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Šipka dolů</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Šipka vlevo</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Šipka vpravo</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Levá páčka nahoru</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Levá páčka dolů</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Levá páčka vlevo</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Levá páčka vpravo</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Pravá páčka nahoru</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Pravá páčka dolů</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Pravá páčka vlevo</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Pravá páčka vpravo</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Levá spoušť</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Pravá spoušť</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Tlačítko A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Tlačítko B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Tlačítko X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Tlačítko Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Tlačítko nabídky</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Stisk levé páčky</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Stisk pravé páčky</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Levý nárazník</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Pravý nárazník</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapování</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkce klávesnice</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Boční podsvícení</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Záznam podsvícení</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Gamepad vypnut</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad klasický</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na klávesu?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapsat</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Nastavení selhalo: profil nelze zapsat</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nastavení selhalo: text je prázdný</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Text je příliš dlouhý</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Cesta k programu je příliš dlouhá</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>Toto makro již není uloženo</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadat klávesu?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Výběr aplikace</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Zadejte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplikace (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tlačítka myši</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuální klávesnice</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korejština/angličtina</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Čínština</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Nastavení kláves</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Nastavení aktivace</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Nastavení podsvícení</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Výkon</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Probíhá kalibrace kláves, chvíli počkejte</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Klávesnice je zaneprázdněna, zkuste to znovu</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Doba do uspání podsvícení nesmí být delší než doba do uspání klávesnice</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Doba do uspání klávesnice je příliš krátká</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Dobu uspání se nepodařilo nastavit</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Doba uspání byla nastavena</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Upozornění: zařízení se restartuje!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Klávesnice není přístupná</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Klávesnice je připojena, ale tento uživatel k ní nemá přístup. Nainstalujte pravidlo zařízení programu (70-lumtar.rules) a klávesnici znovu připojte.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Zařízení bylo zapnuto</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operace se nezdařila</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Nejprve zapněte režim kalibrace kláves</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibrace klávesy dokončena</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Probíhá kalibrace klávesy</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibrace klávesy se nezdařila</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Zařízení se nepodařilo otevřít, zkuste to znovu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Byl dosažen maximální počet profilů</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Vytvoření se nezdařilo: tento index již existuje, zkontrolujte to</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil se nepodařilo vytvořit</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil byl vytvořen</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musí zůstat alespoň jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil se nepodařilo odstranit</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil byl odstraněn</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Tento index neexistuje</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Export profilu se nezdařil: cesta k souboru je příliš dlouhá</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profilu se nezdařil</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil byl exportován</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otevřít soubor profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Soubory profilů (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Nejprve vyberte soubor k importu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu se nezdařil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil byl importován</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Název profilu nesmí být prázdný</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Název profilu je příliš dlouhý</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Údaje profilu se nepodařilo změnit</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Údaje profilu byly změněny</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Obnovit aktuální profil?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Probíhá kalibrace všech kláves… (stiskněte všechny klávesy)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plná barva</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní podsvícení</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klávesnice/boční</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Název vlastního podsvícení nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Název vlastního podsvícení byl změněn</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Zařízení nemá boční podsvícení</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Dýchání</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
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
        <translation>Had</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakce</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Vlnky</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Třpyt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kříž</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Rychlost odezvy</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatické vlnky</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Ohňostroj</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytmus hudby</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Srážka</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Je-li zapnuto, rychlá aktivace skončí až po úplném uvolnění klávesy.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Je-li vypnuto, rychlá aktivace skončí, když se klávesa při uvolnění vrátí k bodu aktivace.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Nastavte, jak dlouho je nutné klávesu držet pro aktivaci.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Při kalibraci všech kláves stiskněte každou klávesu, aby se kalibrace dokončila.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Zapněte režim kalibrace kláves;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Vyberte klávesu;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Klikněte na „Spustit kalibraci“;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Stiskněte vybranou klávesu;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Zobrazí se výsledek kalibrace;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Při zámku Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Vypnout klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Vypnout SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Vypnout ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Vypnout ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uspat podsvícení po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uspat klávesnici po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Obnovit aktuální profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Nikdy neuspávat</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Službu zařízení nelze spustit, nebyla nalezena žádná klávesnice. Restartujte program.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizovat(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximalizovat(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Obnovit(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ukončit(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět se systémem (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zavírat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Kontrolovat aktualizace firmwaru</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nenalezena žádná zařízení k aktualizaci</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Nastavení bylo použito</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nastavení se nepodařilo použít</translation>
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
        <translation>Makro se nepodařilo aktualizovat ve všech profilech, zkuste to znovu</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh aktualizace:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nelze přemapovat</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
</TS>
