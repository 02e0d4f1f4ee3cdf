<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Tuş Kombinasyonu</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Tuşlar</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Özel Tuşlar</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Sol Tık</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Orta Tık</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Sağ Tık</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Profil Ata</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Hafif Basış</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Güçlü Basış</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Yeniden Atama</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Başka tuşa atansın mı?</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>İşlev:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tuş</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Temel katman</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN katmanı</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Yükle</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Cihaz Listesi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Cihaz bağlı değil</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Üretici Yazılımı Bilgisi</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Masaüstünü göster</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Pencereyi kapat</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bilgisayarı kilitle</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Bilgisayarım</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Hafif Basış</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Güçlü Basış</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tuş Kombinasyonu</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tuş girilsin mi?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Klavye İşlevleri</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win Kilitle/Aç</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win tuşunu kilitle</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win kilidini aç</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Klavyeyi kilitle</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Pil düzeyi</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Temel katman</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN katmanı</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 katmanı</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB&apos;ye geç</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2,4 GHz&apos;e geç</translation>
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
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Uygulama Seç</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Uygulamanın konumunu seçin</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Uygulama seç</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Metin girin…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Klavye Aydınlatması</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Genel aydınlatma</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Etkileşimli aydınlatma</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tüm aydınlatma</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Parlaklık +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Parlaklık −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Hız +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Hız −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Yön +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Yön −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Döngüsel yön</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tam renk moduna geç</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Üst renk değişimi</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Alt renk değişimi</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tümünü kapat</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Aydınlatmayı kapat</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Aydınlatmayı durdur</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Aydınlatma kaydı</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Özel 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Özel 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Parlaklık:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Hız:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Yön:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Aydınlatma modu</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Tam renk</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Üst renk</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Alt renk</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Özel aydınlatma</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Oturum aç</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Oynatma Türü</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Bir kez</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Sürekli (basınca aç/kapat)</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Birden çok kez</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Tuş basılıyken</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Tekrar Sayısı</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Tekrar sayısı: 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro Ata</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Makro Kaydı</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makro Grubu</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Gecikme Ayarı</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Gecikmeyi kaydet</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Gecikme yok</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Varsayılan gecikme</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Kaydı başlat</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Olay Listesi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Kayıt boş</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Olay Ekle</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Sonrasına olay ekle</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Öncesine olay ekle</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Olay</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klavye Olayı</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Fare Olayı</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Gecikme</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bir tuşa basın</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Sol Tık</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Orta Tık</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Sağ Tık</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Gecikme değerini girin</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Özellik</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tuşa Bas</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>İpucu: Makro grubunu kaydettikten sonra &quot;%1&quot; bölümüne gidip atamayı tamamlayın.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tuş Özelleştirme</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro silindi</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Makro adı boş olamaz</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro adı değiştirildi</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro eklendi</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Önce bir makro seçin</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro kaydı temizlendi</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Önce bir konum seçin</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Olay sayısı sınırına ulaşıldı</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Eklendi</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Değiştirildi</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Kayıt klasörü</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Önce kayıt klasörünü seçin</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makro dışa aktarılamadı</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro dışa aktarıldı</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makro dosyası aç</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makro dosyaları (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makro içe aktarılamadı</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro içe aktarıldı</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Kaydı durdur</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makro kaydını başlat</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makro kaydını durdur</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro silinemedi</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makro adı değiştirilemedi</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro eklenemedi</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Makro kaydı temizlenemedi</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Olay silinemedi</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Eklenemedi</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Değiştirilemedi</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Taşınamadı</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Makro kaydı kaydedilemedi</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Fare Tuşları</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Fare sol tuşu</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Fare orta tuşu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Fare sağ tuşu</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Keskin nişancı tuşu</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Aşağı kaydır</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Yukarı kaydır</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedya</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Oynat/Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Sonraki parça</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Önceki parça</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Ses +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Ses −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sesi kapat</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oynatıcı</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Hesap makinesi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Tarayıcı</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Ekran parlaklığı +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Ekran parlaklığı −</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Ayarlar klavyeye yüklendi</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>%n tuştan fazlasına makro atanmış; klavye yalnızca %n makro tutabiliyor. Hiçbir şey yüklenmedi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>%n tuştan fazlasına gelişmiş işlev atanmış; klavye yalnızca %n tane tutabiliyor. Hiçbir şey yüklenmedi</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Yükleme zaten sürüyor</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Ayarlar yüklenemedi, lütfen yeniden deneyin</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win kilidi açıkken:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows tuşunu devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB&apos;ı devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB&apos;ı devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4&apos;ü devre dışı bırak</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Aydınlatma uykusu:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Klavye uykusu:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Uykuyu engelle</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Oyun kumandası modu:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klasik</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Klavye özellikleri</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Geçerli profili sıfırla</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Yeniden adlandır</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Hafif Basış</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Güçlü Basış</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Gelişmiş Tuşlar</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Gelişmiş Tuşlar</translation>
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
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Tuşun iki işlevi vardır: biri basılı tutunca, diğeri kısa basınca çalışır.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Basılı tut</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kısa bas</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Basılı tutma süresi</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Bu tuşa basmak sürekli tetiklemeyi açar veya kapatır.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Gelişmiş tuş yok</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tek Tuş</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tuş Kombinasyonu</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>İpucu: gelişmiş tuşlar tuş sayfasında atanır.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>İpucu: Gelişmiş tuşu yapılandırdıktan sonra &quot;%1&quot; bölümüne gidip atamayı tamamlayın.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tuş Özelleştirme</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Gelişmiş tuş sayısı sınıra ulaştı</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Gelişmiş tuş oluşturuldu</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Gelişmiş tuş silindi</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Gelişmiş tuş değiştirilemedi</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Gelişmiş tuş oluşturulamadı</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Gelişmiş tuş silinemedi</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&quot;Tek Tuş&quot; seçiliyken istediğiniz tuşa basmanız yeterlidir; 
&quot;Tuş Kombinasyonu&quot; seçiliyken en az bir değiştirici tuş ve bir başka tuş seçin, örneğin L_Shift+A veya L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>&quot;Tek Tuş&quot; seçiliyken istediğiniz tuşa basmanız yeterlidir;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&quot;Tuş Kombinasyonu&quot; seçiliyken en az bir değiştirici tuş ve bir başka tuş seçin, örneğin L_Shift+A veya L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Tuşa dört farklı basma derinliği için en fazla dört işlev atanabilir.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Tuşun iki işlevi vardır: biri basılı tutunca, diğeri kısa basınca çalışır.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Bu tuşa basmak sürekli tetiklemeyi açar veya kapatır.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Arka plan resmi</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Otomatik başlat</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Sistemle birlikte başlat (simge durumunda)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Kapatınca sistem tepsisine küçült</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Güncelleme</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Üretici yazılımı güncellemelerini denetle</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Mağaza</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Uygulama yazılımı</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Diğer</translation>
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
        <translation>Yan Aydınlatma</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tüm aydınlatma</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Genel aydınlatma</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Etkileşimli aydınlatma</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Parlaklık +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Parlaklık −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Hız +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Hız −</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tam renk moduna geç</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Üst renk değişimi</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Alt renk değişimi</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Yan aydınlatmayı kapat</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Yan aydınlatmayı durdur</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS eylemleri için tetikleme noktaları</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Hızlı tetikleme</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Tetikleme ve sıfırlama mesafesini tuşlara basma ve bırakma alışkanlığınıza göre ayarlayın.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Ayrı hassasiyet</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Hızlı tetiklemede basma (tetikleme) ve bırakma (sıfırlama) mesafelerini ayrı ayrı ayarlayabilirsiniz.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Basma/Bırakma</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Basma</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Bırakma</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Titreşim önleme</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Yoklama hızı</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Kalibrasyon moduna geç</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrasyonu başlat</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Tüm tuşların kalibrasyonu</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Basma gücü takibi</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Hassasiyeti sıfırla</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Mesafe takibi</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Basma ve bırakma hassasiyeti</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tuş kalibrasyon modu</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Basma (tetikleme)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Bırakma (sıfırlama)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Basma (tetikleme)/Bırakma (sıfırlama)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Üretici Yazılımını Güncelle</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Üretici yazılımı güncellenirken cihazı çıkarmayın!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Güncelleme tamamlandı</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Güncelleme başarısız</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Sanal Klavye</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Programdan çıkış</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Çakışma, program çalışamıyor!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Ses +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Ses −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sesi kapat</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Oynat/Duraklat</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Sonraki parça</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Önceki parça</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oynatıcı</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Hesap makinesi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Tarayıcı</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Ekran parlaklığı +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Ekran parlaklığı −</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Fare sol tuşu</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Fare orta tuşu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Fare sağ tuşu</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Yukarı kaydır</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Aşağı kaydır</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Keskin nişancı tuşu</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Pencereyi kapat</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Pencere değiştir</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Masaüstünü göster</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Bilgisayarım</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bilgisayarı kilitle</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Klavyeyi kilitle</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win Kilitle/Aç</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win tuşunu kilitle</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win kilidini aç</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Temel katman</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN katmanı</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 katmanı</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Pil düzeyi</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB&apos;ye geç</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2,4 GHz&apos;e geç</translation>
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
        <translation>Genel aydınlatma</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Etkileşimli aydınlatma</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tüm aydınlatma</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Parlaklık +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Parlaklık −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Hız +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Hız −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Yön +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Yön −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Döngüsel yön</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tam renk moduna geç</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Üst renk değişimi</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Alt renk değişimi</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Özel 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Özel 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tümünü kapat</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Aydınlatmayı kapat</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Yan aydınlatmayı kapat</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Yan aydınlatmayı durdur</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X ekseni sola</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X ekseni sağa</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y ekseni yukarı</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y ekseni aşağı</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z ekseni ileri</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z ekseni geri</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z dönüşü ileri</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z dönüşü geri</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X dönüşü sola</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X dönüşü sağa</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y dönüşü yukarı</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y dönüşü aşağı</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gaz kolu</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>İrtifa dümeni</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Gaz pedalı</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>İstikamet dümeni</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Tetik düğmesi</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Düğme 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Düğme 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Düğme 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Düğme 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Düğme 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Düğme 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Düğme 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Düğme 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Düğme 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Düğme 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Düğme 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Düğme 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Yukarı ok</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Aşağı ok</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Sol ok</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Sağ ok</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Sol çubuk yukarı</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Sol çubuk aşağı</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Sol çubuk sola</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Sol çubuk sağa</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Sağ çubuk yukarı</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Sağ çubuk aşağı</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Sağ çubuk sola</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Sağ çubuk sağa</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Sol tetik</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Sağ tetik</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>A düğmesi</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>B düğmesi</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>X düğmesi</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Y düğmesi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Menü düğmesi</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Sol çubuğa basma</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Sağ çubuğa basma</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Sol omuz düğmesi</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Sağ omuz düğmesi</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Yeniden Atama</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tuş Kombinasyonu</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedya</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil Değiştir</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uygulama Başlat</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Klavye İşlevleri</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Gelişmiş Tuşlar</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Oyun kumandası</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Klavye Aydınlatması</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Yan Aydınlatma</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Aydınlatmayı durdur</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Aydınlatma kaydı</translation>
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
        <translation>%%1</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Oyun kumandası kapalı</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Oyun kumandası Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Oyun kumandası klasik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Başka tuşa atansın mı?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil Ata</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>İşlev:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tuş</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Önce bir tuş seçin</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>İşlem tamamlandı</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Ayar başarısız: profil yazılamadı</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Ayar başarısız: metin boş</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Metin çok uzun</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Program yolu çok uzun</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>Bu makro artık kayıtlı değil</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tuş girilsin mi?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Uygulama Seç</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Uygulamanın konumunu seçin</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Uygulama seç</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Uygulamalar (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Metin girin…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Fare Tuşları</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Hafif Basış</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Güçlü Basış</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Sanal Klavye</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korece/İngilizce</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Çince</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Cihaz Listesi</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Cihaz bağlı değil</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tuş Özelleştirme</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Tetikleme Ayarı</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Aydınlatma Ayarı</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performans</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Tuş kalibrasyonu sürüyor, lütfen bekleyin</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Klavye meşgul, lütfen yeniden deneyin</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Aydınlatmanın uykuya geçme süresi klavyeninkinden uzun olamaz</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Klavyenin uykuya geçme süresi çok kısa</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Uyku süresi ayarlanamadı</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Uyku süresi ayarlandı</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Dikkat: cihaz yeniden başlatılacak!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Klavyeye erişilemiyor</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Bir klavye bağlı, ancak bu kullanıcının ona erişim izni yok. Programın cihaz kuralını (70-lumtar.rules) yükleyin ve klavyeyi yeniden takın.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Cihaz çevrim dışı</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Cihaz açıldı</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>İşlem başarısız</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Önce tuş kalibrasyon moduna geçin</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Tuş kalibrasyonu tamamlandı</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Tuş kalibrasyonu sürüyor</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Tuş kalibrasyonu başarısız</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Cihaz açılamadı, lütfen yeniden deneyin</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Profil sayısı sınıra ulaştı</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Oluşturulamadı: bu dizin zaten var, lütfen denetleyin</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil oluşturulamadı</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil oluşturuldu</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>En az bir profil kalmalıdır</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil silinemedi</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil silindi</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Kayıt klasörü</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Önce kayıt klasörünü seçin</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Bu dizin mevcut değil</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Profil dışa aktarılamadı: dosya yolu çok uzun</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil dışa aktarılamadı</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil dışa aktarıldı</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profil dosyası aç</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profil dosyaları (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Önce içe aktarılacak dosyayı seçin</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil içe aktarılamadı</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil içe aktarıldı</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Profil adı boş olamaz</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Profil adı çok uzun</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profil bilgileri değiştirilemedi</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil bilgileri değiştirildi</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Geçerli profil sıfırlansın mı?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Tüm tuşların kalibrasyonu sürüyor… (lütfen tüm tuşlara basın)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Parlaklık:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Hız:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Yön:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Tam renk</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Üst renk</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Alt renk</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Özel aydınlatma</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klavye/Yan</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Özel aydınlatma adı boş olamaz</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Özel aydınlatma adı değiştirildi</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Cihazda yan aydınlatma yok</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Nefes</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Dalga</translation>
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
        <translation>Yılan</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Tepkisel</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Kutup ışığı</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Halka</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Işıltı</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Çapraz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Hızlı tepki</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Otomatik halka</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Çizgiler</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Havai fişek</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Müzik ritmi</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Çarpışma</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Açıkken hızlı tetikleme yalnızca tuşu tamamen bıraktığınızda sona erer.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Kapalıyken hızlı tetikleme, bırakılan tuş tetikleme noktasına geri döndüğünde sona erer.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Tetikleme için tuşun ne kadar basılı tutulması gerektiğini ayarlayın.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Tüm tuşların kalibrasyonu sırasında kalibrasyonu tamamlamak için her tuşa basın.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Önce tuş kalibrasyon moduna geçin;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Bir tuş seçin;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. &quot;Kalibrasyonu başlat&quot;a tıklayın;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Seçili tuşa basın;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Kalibrasyon sonucu gösterilir;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win kilidi açıkken:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows tuşunu devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB&apos;ı devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB&apos;ı devre dışı bırak</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4&apos;ü devre dışı bırak</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Aydınlatma uykusu:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Klavye uykusu:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Geçerli profili sıfırla</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Klavye özellikleri</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Uykuyu engelle</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Oyun kumandası:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Cihaz hizmeti başlatılamadı, klavye bulunamadı. Lütfen programı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Simge durumuna küçült(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ekranı kapla(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Geri yükle(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Çıkış(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Arka plan resmi</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Otomatik başlat</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Sistemle birlikte başlat (simge durumunda)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Kapatınca sistem tepsisine küçült</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Güncelleme</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Üretici yazılımı güncellemelerini denetle</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Güncellenebilir cihaz bulunamadı</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Ayarlar uygulandı</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Ayarlar uygulanamadı</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Kapalı)</translation>
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
        <translation>Makro tüm profillerde güncellenemedi, lütfen yeniden deneyin</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Ürün adı:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Geçerli sürüm:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Güncelleme durumu:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Yeni sürüm:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Tamamlandı</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Yeniden atanamaz</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Yeniden adlandır</translation>
    </message>
</context>
</TS>
