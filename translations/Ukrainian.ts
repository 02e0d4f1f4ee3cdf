<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Перепризначити на клавішу?</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під’єднано</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про прошивку</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп’ютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп’ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавішу?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блок./розблок. Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Рівень заряду</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемкнути на 2,4 ГГц</translation>
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
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Вкажіть шлях до застосунку</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіш</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичне</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повноколірний режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Зміна верхнього кольору</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Зміна нижнього кольору</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Власне 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Власне 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим підсвічування</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Повний колір</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власне підсвічування</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Вхід</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Режим відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервно (увімк./вимк. натисканням)</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Кілька разів</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів: 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Група макросів</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Налаштування затримки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Із затримкою</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Типова затримка</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставити подію</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити подію після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити подію перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть значення затримки</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивість</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Натискання клавіші</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Підказка: після запису групи макросів перейдіть до розділу «%1» і завершіть призначення.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Назва макросу не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Назву макросу змінено</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запис макросу очищено</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто межі кількості подій</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не вдалося експортувати макрос</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не вдалося імпортувати макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Почати запис макросу</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Зупинити запис макросу</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не вдалося видалити макрос</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не вдалося змінити назву макросу</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не вдалося додати макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не вдалося очистити запис макросу</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Не вдалося видалити подію</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не вдалося вставити</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не вдалося змінити</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не вдалося перемістити</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не вдалося зберегти запис макросу</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки миші</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана −</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Налаштування завантажено в клавіатуру</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Макроси призначено більш ніж %n клавіші, а клавіатура зберігає лише %n макрос. Нічого не завантажено</numerusform>
            <numerusform>Макроси призначено більш ніж %n клавішам, а клавіатура зберігає лише %n макроси. Нічого не завантажено</numerusform>
            <numerusform>Макроси призначено більш ніж %n клавішам, а клавіатура зберігає лише %n макросів. Нічого не завантажено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Розширені функції призначено більш ніж %n клавіші, а клавіатура зберігає лише %n. Нічого не завантажено</numerusform>
            <numerusform>Розширені функції призначено більш ніж %n клавішам, а клавіатура зберігає лише %n. Нічого не завантажено</numerusform>
            <numerusform>Розширені функції призначено більш ніж %n клавішам, а клавіатура зберігає лише %n. Нічого не завантажено</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Завантаження вже триває</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не вдалося завантажити налаштування, спробуйте ще раз</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Під час блокування Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон підсвічування через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавіатури через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити сон</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Режим геймпада:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Класичний</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
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
        <translation>Створити</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавіша виконує дві функції: одну під час утримання, іншу — під час короткого натискання.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Час утримання</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання клавіші вмикає або вимикає безперервне спрацювання.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Немає розширених клавіш</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Підказка: розширені клавіші призначаються на сторінці клавіш.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Підказка: після налаштування розширеної клавіші перейдіть до розділу «%1» і завершіть призначення.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Досягнуто максимальної кількості розширених клавіш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Розширену клавішу створено</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Розширену клавішу видалено</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Не вдалося змінити розширену клавішу</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Не вдалося створити розширену клавішу</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Не вдалося видалити розширену клавішу</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>У режимі «Одна клавіша» достатньо натиснути потрібну клавішу; 
у режимі «Комбінація клавіш» виберіть щонайменше одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>У режимі «Одна клавіша» достатньо натиснути потрібну клавішу;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>У режимі «Комбінація клавіш» виберіть щонайменше одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавіша може виконувати до чотирьох функцій — по одній на кожну з чотирьох глибин натискання.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавіша виконує дві функції: одну під час утримання, іншу — під час короткого натискання.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання клавіші вмикає або вимикає безперервне спрацювання.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати разом із системою (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевіряти оновлення прошивки</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Магазин</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Підтримка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладна програма</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
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
        <translation>Бічне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість −</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повноколірний режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Зміна верхнього кольору</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Зміна нижнього кольору</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки спрацювання дій DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Швидке спрацювання</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід спрацювання та хід скидання відповідно до того, як ви натискаєте й відпускаєте клавіші.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Окрема чутливість</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для швидкого спрацювання можна окремо задати хід натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Натискання/відпускання</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Антибрязкіт</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Увійти в режим калібрування</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калібрування всіх клавіш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Відстеження сили натискання</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1 кГц</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Відстеження ходу</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чутливість натискання й відпускання</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калібрування клавіш</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Натискання (спрацювання)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Відпускання (скидання)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Натискання (спрацювання)/відпускання (скидання)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Оновити прошивку</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не від’єднуйте пристрій під час оновлення прошивки!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Оновлення завершено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не вдалося оновити</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Віртуальна клавіатура</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Вихід із програми</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфлікт, програма не може працювати!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана −</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Перемикання вікон</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп’ютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп’ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блок./розблок. Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Рівень заряду</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемкнути на 2,4 ГГц</translation>
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
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичне</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повноколірний режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Зміна верхнього кольору</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Зміна нижнього кольору</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Власне 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Власне 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Вісь X ліворуч</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Вісь X праворуч</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Вісь Y вгору</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Вісь Y вниз</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Вісь Z вперед</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Вісь Z назад</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Обертання Z вперед</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Обертання Z назад</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Обертання X ліворуч</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Обертання X праворуч</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Обертання Y вгору</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Обертання Y вниз</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Дросель</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Кермо висоти</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Газ</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Кермо напрямку</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Кнопка-курок</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Кнопка 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Кнопка 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Кнопка 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Кнопка 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Кнопка 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Кнопка 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Кнопка 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Кнопка 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Кнопка 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Кнопка 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Кнопка 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Кнопка 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Стрілка вгору</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Стрілка вниз</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Стрілка ліворуч</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Стрілка праворуч</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Лівий стік вгору</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Лівий стік вниз</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Лівий стік ліворуч</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Лівий стік праворуч</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Правий стік вгору</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Правий стік вниз</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Правий стік ліворуч</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Правий стік праворуч</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Лівий курок</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Правий курок</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Кнопка A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Кнопка B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Кнопка X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Кнопка Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибір</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Кнопка меню</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Натискання лівого стіка</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Натискання правого стіка</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Лівий бампер</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Правий бампер</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запустити застосунок</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіш</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1 мм</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Геймпад вимкнено</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Геймпад Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Геймпад класичний</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Перепризначити на клавішу?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Помилка налаштування: не вдалося записати профіль</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Помилка налаштування: текст порожній</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Текст задовгий</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Шлях до програми задовгий</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>Цей макрос більше не збережено</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавішу?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Вкажіть шлях до застосунку</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Застосунки (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки миші</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Віртуальна клавіатура</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейська/англійська</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайська</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під’єднано</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Спрацювання</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Підсвічування</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Триває калібрування клавіш, зачекайте</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Клавіатура зайнята, спробуйте ще раз</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Час до сну підсвічування не може перевищувати час до сну клавіатури</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Час до сну клавіатури закороткий</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не вдалося задати час сну</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Час сну задано</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Увага: пристрій перезапуститься!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Немає доступу до клавіатури</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Клавіатуру під’єднано, але цей користувач не має права доступу до неї. Установіть правило пристрою програми (70-lumtar.rules) і знову під’єднайте клавіатуру.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Пристрій не в мережі</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Пристрій увімкнено</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Не вдалося виконати</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Спочатку увімкніть режим калібрування клавіш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калібрування клавіші завершено</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Триває калібрування клавіші</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Не вдалося відкалібрувати клавішу</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Не вдалося відкрити пристрій, спробуйте ще раз</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не вдалося створити: такий індекс уже існує, перевірте</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не вдалося створити профіль</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профіль створено</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Має залишитися хоча б один профіль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не вдалося видалити профіль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Такого індексу не існує</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Не вдалося експортувати профіль: шлях до файлу задовгий</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Назва профілю не може бути порожньою</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Назва профілю задовга</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не вдалося змінити дані профілю</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Дані профілю змінено</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Триває калібрування всіх клавіш… (натисніть усі клавіші)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Повний колір</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власне підсвічування</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавіатура/бічне</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Назва власного підсвічування не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Назву власного підсвічування змінено</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Пристрій не має бічного підсвічування</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власне</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Швидкість відгуку</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автобрижі</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музики</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Якщо увімкнено, швидке спрацювання завершується лише після повного відпускання клавіші.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Якщо вимкнено, швидке спрацювання завершується, коли під час відпускання хід повертається до точки спрацювання.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте, скільки треба утримувати клавішу для спрацювання.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Під час калібрування всіх клавіш натисніть кожну клавішу, щоб завершити калібрування.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Увімкніть режим калібрування клавіш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Виберіть клавішу;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Натисніть «Почати калібрування»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Натисніть вибрану клавішу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Отримайте результат калібрування;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Під час блокування Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон підсвічування через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавіатури через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити сон</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Геймпад:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Не вдалося запустити службу пристроїв, клавіатуру не знайдено. Перезапустіть програму.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Згорнути(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Розгорнути(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Відновити(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Вийти(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати разом із системою (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевіряти оновлення прошивки</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Немає пристроїв для оновлення</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування застосовано</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не вдалося застосувати налаштування</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Офлайн)</translation>
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
        <translation>Не вдалося оновити макрос в усіх профілях, спробуйте ще раз</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Назва продукту:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогрес:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Не можна перепризначити</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
</TS>
