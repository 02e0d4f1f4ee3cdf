<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana przypisania</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Przypisać inny klawisz?</translation>
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
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa bazowa</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wgraj</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o oprogramowaniu sprzętowym</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadzić klawisz?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Funkcje klawiatury</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blokada Win wł./wył.</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stan baterii</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa bazowa</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Przełącz na 2,4 GHz</translation>
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
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Wybór aplikacji</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wskaż ścieżkę do aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmiana koloru górnego</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmiana koloru dolnego</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własne 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własne 2</translation>
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
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne podświetlenie</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Logowanie</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Jeden raz</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ciągle (wł./wył. naciśnięciem)</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Wiele razy</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Gdy klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba powtórzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba powtórzeń: 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Nagrywanie makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupa makr</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ustawienia opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Z opóźnieniem</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Domyślne opóźnienie</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Nagrywaj</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw zdarzenie za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw zdarzenie przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz wartość opóźnienia</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwość</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Naciśnięcie klawisza</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Wskazówka: po nagraniu grupy makr przejdź do sekcji „%1” i dokończ przypisanie.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Ustawienia klawiszy</translation>
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
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono nagranie makra</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit liczby zdarzeń</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Nie udało się wyeksportować makra</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Nie udało się zaimportować makra</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Nagrywaj makro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymaj nagrywanie makra</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Nie udało się usunąć makra</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Nie udało się zmienić nazwy makra</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Nie udało się dodać makra</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Nie udało się wyczyścić nagrania makra</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Nie udało się usunąć zdarzenia</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Nie udało się wstawić</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Nie udało się zmienić</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Nie udało się przenieść</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Nie udało się zapisać nagrania makra</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Przyciski myszy</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
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
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu −</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Ustawienia wgrane do klawiatury</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Makra przypisano do ponad %n klawisza, a klawiatura mieści tylko %n makro. Niczego nie wgrano</numerusform>
            <numerusform>Makra przypisano do ponad %n klawiszy, a klawiatura mieści tylko %n makra. Niczego nie wgrano</numerusform>
            <numerusform>Makra przypisano do ponad %n klawiszy, a klawiatura mieści tylko %n makr. Niczego nie wgrano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Funkcje zaawansowane przypisano do ponad %n klawisza, a klawiatura mieści tylko %n. Niczego nie wgrano</numerusform>
            <numerusform>Funkcje zaawansowane przypisano do ponad %n klawiszy, a klawiatura mieści tylko %n. Niczego nie wgrano</numerusform>
            <numerusform>Funkcje zaawansowane przypisano do ponad %n klawiszy, a klawiatura mieści tylko %n. Niczego nie wgrano</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Wgrywanie już trwa</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Nie udało się wgrać ustawień, spróbuj ponownie</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Przy blokadzie Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Bez uśpienia</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Tryb gamepada:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
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
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną po przytrzymaniu, drugą po krótkim naciśnięciu.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Naciśnięcie klawisza włącza lub wyłącza ciągłą aktywację.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Wskazówka: klawisze zaawansowane przypisuje się na stronie klawiszy.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Wskazówka: po skonfigurowaniu klawisza zaawansowanego przejdź do sekcji „%1” i dokończ przypisanie.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Ustawienia klawiszy</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Utworzono klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Usunięto klawisz zaawansowany</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Nie udało się zmienić klawisza zaawansowanego</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Nie udało się utworzyć klawisza zaawansowanego</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Nie udało się usunąć klawisza zaawansowanego</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>W trybie „Pojedynczy klawisz” wystarczy nacisnąć wybrany klawisz; 
w trybie „Kombinacja klawiszy” wybierz co najmniej jeden modyfikator i jeden inny klawisz, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>W trybie „Pojedynczy klawisz” wystarczy nacisnąć wybrany klawisz;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>W trybie „Kombinacja klawiszy” wybierz co najmniej jeden modyfikator i jeden inny klawisz, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klawisz może pełnić do czterech funkcji – po jednej dla każdej z czterech głębokości naciśnięcia.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną po przytrzymaniu, drugą po krótkim naciśnięciu.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Naciśnięcie klawisza włącza lub wyłącza ciągłą aktywację.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj razem z systemem (zminimalizowany)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zamykaj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdzaj aktualizacje oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Sklep</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie użytkowe</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
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
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość −</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmiana koloru górnego</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmiana koloru dolnego</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punkty aktywacji akcji DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Szybkie wyzwalanie</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok aktywacji i skok resetu do tego, jak naciskasz i zwalniasz klawisze.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Osobna czułość</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Dla szybkiego wyzwalania możesz osobno ustawić skok naciśnięcia (aktywacja) i zwolnienia (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Naciśnięcie/zwolnienie</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Włącz tryb kalibracji</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Śledzenie siły nacisku</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Śledzenie skoku</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Czułość naciśnięcia i zwolnienia</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Naciśnięcie (aktywacja)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Zwolnienie (reset)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Naciśnięcie (aktywacja)/zwolnienie (reset)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj urządzenia podczas aktualizacji oprogramowania sprzętowego!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Zaktualizowano</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Klawiatura wirtualna</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Zamknięcie programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program nie może działać!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu −</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Przełączanie okien</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blokada Win wł./wył.</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa bazowa</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stan baterii</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Przełącz na 2,4 GHz</translation>
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
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmiana koloru górnego</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmiana koloru dolnego</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własne 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własne 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Oś X w lewo</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Oś X w prawo</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Oś Y w górę</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Oś Y w dół</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Oś Z do przodu</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Oś Z do tyłu</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Obrót Z do przodu</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Obrót Z do tyłu</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Obrót X w lewo</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Obrót X w prawo</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Obrót Y w górę</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Obrót Y w dół</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Przepustnica</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Ster wysokości</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Ster kierunku</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Przycisk spustu</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Przycisk 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Przycisk 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Przycisk 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Przycisk 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Przycisk 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Przycisk 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Przycisk 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Przycisk 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Przycisk 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Przycisk 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Przycisk 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Przycisk 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Strzałka w górę</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Strzałka w dół</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Strzałka w lewo</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Strzałka w prawo</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Lewa gałka w górę</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Lewa gałka w dół</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Lewa gałka w lewo</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Lewa gałka w prawo</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Prawa gałka w górę</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Prawa gałka w dół</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Prawa gałka w lewo</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Prawa gałka w prawo</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Lewy spust</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Prawy spust</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Przycisk A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Przycisk B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Przycisk X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Przycisk Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Przycisk menu</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Wciśnięcie lewej gałki</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Wciśnięcie prawej gałki</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Lewy przycisk barkowy</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Prawy przycisk barkowy</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana przypisania</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Zmień profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkcje klawiatury</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Gamepad wyłączony</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad klasyczny</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Przypisać inny klawisz?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Błąd ustawienia: nie można zapisać profilu</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Błąd ustawienia: tekst jest pusty</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Tekst jest za długi</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Ścieżka programu jest za długa</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>To makro nie jest już zapisane</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadzić klawisz?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybór aplikacji</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wskaż ścieżkę do aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplikacje (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Przyciski myszy</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Klawiatura wirtualna</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreański/angielski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Ustawienia klawiszy</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ustawienia aktywacji</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ustawienia podświetlenia</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Trwa kalibracja klawiszy, zaczekaj chwilę</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Klawiatura jest zajęta, spróbuj ponownie</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Czas do uśpienia podświetlenia nie może być dłuższy niż czas do uśpienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Czas do uśpienia klawiatury jest za krótki</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nie udało się ustawić czasu uśpienia</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Ustawiono czas uśpienia</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Uwaga: urządzenie uruchomi się ponownie!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Brak dostępu do klawiatury</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Klawiatura jest podłączona, ale ten użytkownik nie ma do niej dostępu. Zainstaluj regułę urządzenia programu (70-lumtar.rules) i podłącz klawiaturę ponownie.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Urządzenie jest offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Urządzenie zostało włączone</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operacja nie powiodła się</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Najpierw włącz tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibracja klawisza zakończona</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Trwa kalibracja klawisza</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibracja klawisza nie powiodła się</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Nie udało się otworzyć urządzenia, spróbuj ponownie</translation>
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
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Nie udało się utworzyć: ten indeks już istnieje, sprawdź</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Nie udało się utworzyć profilu</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Utworzono profil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Nie udało się usunąć profilu</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Usunięto profil</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Taki indeks nie istnieje</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Nie udało się wyeksportować profilu: ścieżka pliku jest za długa</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Wyeksportowano profil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Zaimportowano profil</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Nazwa profilu jest za długa</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Nie udało się zmienić danych profilu</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Zmieniono dane profilu</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Trwa kalibracja wszystkich klawiszy… (naciśnij wszystkie klawisze)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/boczne</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa własnego podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę własnego podświetlenia</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Urządzenie nie ma podświetlenia bocznego</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
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
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakcja</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Zmarszczki</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Szybkość reakcji</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Autozmarszczki</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Po włączeniu szybkie wyzwalanie kończy się dopiero po całkowitym zwolnieniu klawisza.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Po wyłączeniu szybkie wyzwalanie kończy się, gdy podczas zwalniania klawisz wróci do punktu aktywacji.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ustaw, jak długo trzeba przytrzymać klawisz do aktywacji.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Podczas kalibracji wszystkich klawiszy naciśnij każdy klawisz, aby ją zakończyć.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Włącz tryb kalibracji klawiszy;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Wybierz klawisz;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Kliknij „Rozpocznij kalibrację”;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Naciśnij wybrany klawisz;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Odczytaj wynik kalibracji;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Przy blokadzie Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Bez uśpienia</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Nie udało się uruchomić usługi urządzeń, nie znaleziono klawiatury. Uruchom program ponownie.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizuj(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maksymalizuj(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Przywróć(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Zakończ(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj razem z systemem (zminimalizowany)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zamykaj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdzaj aktualizacje oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Brak urządzeń do aktualizacji</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Zastosowano ustawienia</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nie udało się zastosować ustawień</translation>
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
        <translation>Nie udało się zaktualizować makra we wszystkich profilach, spróbuj ponownie</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp aktualizacji:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nie można zmienić przypisania</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
