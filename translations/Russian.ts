<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Переназначить на клавишу?</translation>
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
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Базовый слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавишу?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блок./разблок. Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Уровень заряда</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Базовый слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Переключение на 2,4 ГГц</translation>
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
        <translation>Отключить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Укажите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
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
        <translation>Введите текст…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичная</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Смена верхнего цвета</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Смена нижнего цвета</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Своя 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Своя 2</translation>
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
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим подсветки</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Полный цвет</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Своя подсветка</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Режим воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывно (вкл./выкл. нажатием)</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Несколько раз</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов: 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Группа макросов</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>С задержкой</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставить событие</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить событие после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить событие перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите значение задержки</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойство</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Нажатие клавиши</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Подсказка: после записи группы макросов перейдите в раздел «%1» и завершите назначение.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Имя макроса изменено</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запись макроса очищена</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнут предел числа событий</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не удалось экспортировать макрос</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не удалось импортировать макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Начать запись макроса</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Остановить запись макроса</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не удалось удалить макрос</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не удалось изменить имя макроса</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не удалось добавить макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не удалось очистить запись макроса</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Не удалось удалить событие</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не удалось вставить</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не удалось изменить</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не удалось переместить</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не удалось сохранить запись макроса</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки мыши</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана −</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Настройки загружены в клавиатуру</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Макросы назначены более чем %n клавише, а клавиатура хранит только %n макрос. Ничего не загружено</numerusform>
            <numerusform>Макросы назначены более чем %n клавишам, а клавиатура хранит только %n макроса. Ничего не загружено</numerusform>
            <numerusform>Макросы назначены более чем %n клавишам, а клавиатура хранит только %n макросов. Ничего не загружено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Расширенные функции назначены более чем %n клавише, а клавиатура хранит только %n. Ничего не загружено</numerusform>
            <numerusform>Расширенные функции назначены более чем %n клавишам, а клавиатура хранит только %n. Ничего не загружено</numerusform>
            <numerusform>Расширенные функции назначены более чем %n клавишам, а клавиатура хранит только %n. Ничего не загружено</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Загрузка уже выполняется</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось загрузить настройки, попробуйте ещё раз</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>При блокировке Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон подсветки через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавиатуры через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить сон</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Режим геймпада:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
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
        <translation>Создать</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавиша выполняет две функции: одну при удержании, другую при коротком нажатии.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Время удержания</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие клавиши включает или выключает непрерывное срабатывание.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Нет расширенных клавиш</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Подсказка: расширенные клавиши назначаются на странице клавиш.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Подсказка: после настройки расширенной клавиши перейдите в раздел «%1» и завершите назначение.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Достигнуто максимальное число расширенных клавиш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Расширенная клавиша создана</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Расширенная клавиша удалена</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Не удалось изменить расширенную клавишу</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Не удалось создать расширенную клавишу</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Не удалось удалить расширенную клавишу</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>В режиме «Одна клавиша» достаточно нажать нужную клавишу; 
в режиме «Комбинация клавиш» выберите хотя бы одну клавишу-модификатор и ещё одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>В режиме «Одна клавиша» достаточно нажать нужную клавишу;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>В режиме «Комбинация клавиш» выберите хотя бы одну клавишу-модификатор и ещё одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавиша может выполнять до четырёх функций — по одной на каждую из четырёх глубин нажатия.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавиша выполняет две функции: одну при удержании, другую при коротком нажатии.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие клавиши включает или выключает непрерывное срабатывание.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать вместе с системой (свёрнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверять обновления прошивки</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Магазин</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладная программа</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Иная</translation>
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
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость −</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Смена верхнего цвета</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Смена нижнего цвета</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки срабатывания действий DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Быстрое срабатывание</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход срабатывания и сброса под свою манеру нажатия.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Раздельная чувствительность</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для быстрого срабатывания можно отдельно задать ход нажатия (срабатывание) и отпускания (сброс).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Нажатие/отпускание</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Антидребезг</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Войти в режим калибровки</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калибровка всех клавиш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Отслеживание силы нажатия</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1 кГц</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Отслеживание хода</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чувствительность нажатия и отпускания</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калибровки клавиш</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Нажатие (срабатывание)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Отпускание (сброс)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Нажатие (срабатывание)/отпускание (сброс)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Обновить прошивку</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не отключайте устройство во время обновления прошивки!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не удалось обновить</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Виртуальная клавиатура</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Выход из программы</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфликт, программа не может работать!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость −</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана −</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Переключение окон</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блок./разблок. Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Базовый слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Уровень заряда</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Переключение на 2,4 ГГц</translation>
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
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичная</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость −</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость −</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление −1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Смена верхнего цвета</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Смена нижнего цвета</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Своя 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Своя 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Ось X влево</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Ось X вправо</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Ось Y вверх</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Ось Y вниз</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Ось Z вперёд</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Ось Z назад</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Вращение Z вперёд</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Вращение Z назад</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Вращение X влево</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Вращение X вправо</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Вращение Y вверх</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Вращение Y вниз</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Дроссель</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Руль высоты</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Газ</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Руль направления</translation>
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
        <translation>Стрелка вверх</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Стрелка вниз</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Стрелка влево</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Стрелка вправо</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Левый стик вверх</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Левый стик вниз</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Левый стик влево</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Левый стик вправо</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Правый стик вверх</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Правый стик вниз</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Правый стик влево</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Правый стик вправо</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Левый курок</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Правый курок</translation>
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
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Кнопка меню</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Нажатие левого стика</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Нажатие правого стика</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Левый бампер</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Правый бампер</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запустить приложение</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
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
        <translation>Геймпад выключен</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Геймпад Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Геймпад классический</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Переназначить на клавишу?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Ошибка настройки: не удалось записать профиль</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Ошибка настройки: текст пуст</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Слишком длинный текст</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Слишком длинный путь к программе</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>Этот макрос больше не сохранён</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавишу?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Укажите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Приложения (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки мыши</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Виртуальная клавиатура</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейский/английский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Срабатывание</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Идёт калибровка клавиш, подождите</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Клавиатура занята, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Время до сна подсветки не может превышать время до сна клавиатуры</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Слишком короткое время до сна клавиатуры</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не удалось задать время сна</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Время сна задано</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Внимание: устройство перезапустится!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Нет доступа к клавиатуре</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Клавиатура подключена, но у этого пользователя нет прав на доступ к ней. Установите правило устройства программы (70-lumtar.rules) и заново подключите клавиатуру.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Устройство включено</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Не удалось выполнить</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Сначала включите режим калибровки клавиш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калибровка клавиши завершена</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Идёт калибровка клавиши</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Не удалось откалибровать клавишу</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Не удалось открыть устройство, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное число профилей</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не удалось создать: такой индекс уже существует, проверьте</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не удалось создать профиль</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профиль создан</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не удалось удалить профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Такого индекса не существует</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Не удалось экспортировать профиль: слишком длинный путь к файлу</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Слишком длинное имя профиля</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не удалось изменить данные профиля</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Данные профиля изменены</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Идёт калибровка всех клавиш… (нажмите все клавиши)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Полный цвет</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Своя подсветка</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавиатура/боковая</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Имя своей подсветки не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Имя своей подсветки изменено</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>У устройства нет боковой подсветки</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
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
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Скорость отклика</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авторябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музыки</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Если включено, быстрое срабатывание завершается только при полном отпускании клавиши.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Если выключено, быстрое срабатывание завершается, когда при отпускании ход возвращается к точке срабатывания.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте, сколько нужно удерживать клавишу для срабатывания.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>При калибровке всех клавиш нажмите каждую клавишу, чтобы завершить калибровку.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Включите режим калибровки клавиш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Выберите клавишу;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Нажмите «Начать калибровку»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Нажмите выбранную клавишу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Получите результат калибровки;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>При блокировке Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон подсветки через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавиатуры через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить сон</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Геймпад:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Не удалось запустить службу устройств, клавиатура не найдена. Перезапустите программу.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Свернуть(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Развернуть(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Восстановить(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Выход(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать вместе с системой (свёрнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверять обновления прошивки</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Нет устройств для обновления</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройки применены</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не удалось применить настройки</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Не в сети)</translation>
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
        <translation>Не удалось обновить макрос во всех профилях, попробуйте ещё раз</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Продукт:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
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
        <translation>Нельзя переназначить</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
