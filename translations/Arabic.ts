<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>نقر أيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقر أوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقر أيمن</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف تعريف</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>إلى أي مفتاح؟</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>كتابة</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل مفتاحًا</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>إعداد المفاتيح</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/فتح Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>فتح Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>مستوى البطارية</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار المسار الذي يوجد فيه التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل نصًا...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة الشاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>التبديل إلى كامل الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>تجميد الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>كامل الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>إضاءة مخصصة</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>طريقة التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل/إيقاف التشغيل المتواصل</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1، 2، 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>مجموعة ماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>تسجيل التأخير</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بلا تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>تأخير افتراضي</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ملي ثانية</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>لا يوجد تسجيل</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج حدث بعد</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج حدث قبل</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>حدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>تأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقر أيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقر أوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقر أيمن</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>يرجى إدخال قيمة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخاصية</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>ضغط مفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>تلميح: بعد اكتمال تسجيل مجموعة الماكرو، انتقل إلى &quot;%1&quot; لإكمال عملية الربط.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تم تغيير اسم الماكرو</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>يرجى اختيار ماكرو أولًا</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يرجى اختيار موضع محدد أولًا</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>بلغ عدد الأحداث المسجلة الحد الأقصى</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم الإدراج</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم التعديل</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولًا</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>فشل تصدير الماكرو</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>فشل استيراد الماكرو</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدء تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>إيقاف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>فشل حذف الماكرو</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>فشل تغيير اسم الماكرو</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>فشلت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>فشل مسح تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>فشل حذف الحدث</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>فشل الإدراج</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>فشل النقل</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>فشل حفظ تسجيل الماكرو</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>أزرار الماوس</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>الصوت +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>الصوت -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>تمت كتابة الإعدادات إلى لوحة المفاتيح</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدات ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدة ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدتي ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدات ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدة ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بوحدات ماكرو يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n وحدة ماكرو فقط. لم تتم كتابة أي شيء</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بمفاتيح متقدمة يتجاوز %n، بينما تتسع لوحة المفاتيح لـ %n فقط. لم تتم كتابة أي شيء</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>هناك عملية كتابة قيد التنفيذ بالفعل</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشلت كتابة الإعدادات، يرجى المحاولة مرة أخرى</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>وضع ذراع التحكم:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>كلاسيكي</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة ضبط ملف التعريف الحالي</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>إعادة تسمية</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
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
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>لهذا المفتاح وظيفتان: إحداهما عند الضغط المطوّل والأخرى عند النقر.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ضغط مطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>نقر</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>لا توجد مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>مفتاح منفرد</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>تلميح: اربط المفاتيح المتقدمة في صفحة المفاتيح.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>تلميح: بعد اكتمال إعداد المفتاح المتقدم، انتقل إلى &quot;%1&quot; لإكمال عملية الربط.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>بلغ عدد المفاتيح المتقدمة الحد الأقصى</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>تم إنشاء المفتاح المتقدم</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>تم حذف المفتاح المتقدم</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ملي ثانية</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>فشل تعديل المفتاح المتقدم</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>فشل إنشاء المفتاح المتقدم</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>فشل حذف المفتاح المتقدم</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار &quot;مفتاح منفرد&quot;، يكفي النقر على أي مفتاح لإكمال إعداده؛
عند اختيار &quot;تركيبة مفاتيح&quot;، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر لإكمال إدخال التركيبة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>عند اختيار &quot;مفتاح منفرد&quot;، يكفي النقر على أي مفتاح لإكمال إعداده؛</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار &quot;تركيبة مفاتيح&quot;، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر لإكمال إدخال التركيبة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>يمكن لهذا المفتاح أداء أربع وظائف: يمكن ربط من 1 إلى 4 وظائف حسب أربع درجات مختلفة من عمق الضغط.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>لهذا المفتاح وظيفتان: إحداهما عند الضغط المطوّل والأخرى عند النقر.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى شريط النظام عند البدء</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>المتجر</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>إرسال ملاحظات</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج تطبيقي</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
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
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة الشاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>التبديل إلى كامل الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إيقاف الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>تجميد الإضاءة المحيطة</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>نقاط التفعيل لإجراءات DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>التفعيل السريع</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التفعيل ومسافة إعادة الضبط وفق طريقة ضغطك على المفتاح وتحريره.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>حساسية منفصلة</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط مسافة الضغط (التفعيل) ومسافة التحرير (إعادة الضبط) للتفعيل السريع كلٌّ على حدة.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>ضغط/تحرير</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع الارتداد</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الاستقصاء</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>الدخول إلى وضع المعايرة</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>معايرة كل المفاتيح</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>تتبع شدة الضغط</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة ضبط الحساسية</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>تتبع المسافة</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>حساسية الضغط والتحرير</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>وضع معايرة المفاتيح</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>ضغط (التفعيل)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>تحرير (إعادة الضبط)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>ضغط (التفعيل)/تحرير (إعادة الضبط)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>لا تفصل الجهاز أثناء تحديث البرنامج الثابت!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>فشل التحديث</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة مفاتيح افتراضية</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>خروج البرنامج</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>حدث تعارض، وتوقف البرنامج عن العمل!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>الصوت +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>الصوت -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>تبديل النوافذ</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/فتح Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>فتح Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>مستوى البطارية</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة الشاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>التبديل إلى كامل الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إيقاف الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>تجميد الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>المحور X يسار</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>المحور X يمين</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>المحور Y أعلى</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>المحور Y أسفل</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>المحور Z أمام</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>المحور Z خلف</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>دوران Z أمام</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>دوران Z خلف</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>دوران X يسار</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>دوران X يمين</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>دوران Y أعلى</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>دوران Y أسفل</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>الخانق</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>دفة الارتفاع</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>المسرّع</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>دفة الاتجاه</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>زر الزناد</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>الزر 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>الزر 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>الزر 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>الزر 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>الزر 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>الزر 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>الزر 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>الزر 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>الزر 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>الزر 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>الزر 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>الزر 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>سهم لأعلى</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>سهم لأسفل</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>سهم لليسار</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>سهم لليمين</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>العصا اليسرى لأعلى</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>العصا اليسرى لأسفل</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>العصا اليسرى لليسار</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>العصا اليسرى لليمين</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>العصا اليمنى لأعلى</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>العصا اليمنى لأسفل</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>العصا اليمنى لليسار</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>العصا اليمنى لليمين</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>الزناد الأيسر</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>الزناد الأيمن</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>الزر A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>الزر B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>الزر X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>الزر Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>زر القائمة</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>ضغط العصا اليسرى</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>ضغط العصا اليمنى</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>المصد الأيسر</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>المصد الأيمن</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>إعداد المفاتيح</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>ذراع التحكم</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>تجميد الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ملي ثانية</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>تعطيل ذراع التحكم</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>ذراع التحكم Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>ذراع التحكم الكلاسيكي</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>إلى أي مفتاح؟</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف تعريف</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>يرجى اختيار مفتاح أولًا</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>فشل الإعداد، تعذرت كتابة ملف التعريف</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>النص طويل جدًا</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>مسار البرنامج طويل جدًا</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>لم يعد هذا الماكرو محفوظًا</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل مفتاحًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار المسار الذي يوجد فيه التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>التطبيقات (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل نصًا...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>أزرار الماوس</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة مفاتيح افتراضية</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>كوري/إنجليزي</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>صيني</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>إعدادات التفعيل</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>جارٍ معايرة المفاتيح، يرجى الانتظار قليلًا</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>لوحة المفاتيح مشغولة، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>لا يمكن أن تكون مدة سكون الإضاءة أطول من مدة سكون لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>مدة سكون لوحة المفاتيح قصيرة جدًا</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>فشل ضبط مدة السكون</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>تم ضبط مدة السكون</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>تنبيه: سيُعاد تشغيل الجهاز!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>تعذر الوصول إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>لوحة المفاتيح متصلة، لكن لا يُسمح لهذا المستخدم بفتحها. ثبّت قاعدة الجهاز الخاصة بالبرنامج (70-lumtar.rules) ثم أعد توصيل لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>الجهاز في وضع عدم الاتصال</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>تم تشغيل الجهاز</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>يرجى التبديل إلى وضع معايرة المفاتيح أولًا</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>تمت معايرة المفتاح بنجاح</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>معايرة المفتاح قيد التنفيذ</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>فشلت معايرة المفتاح</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>تعذر فتح الجهاز، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>بلغ عدد ملفات التعريف الحد الأقصى</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، عقدة الفهرس موجودة بالفعل، يرجى التحقق</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>فشل إنشاء ملف التعريف</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>فشل حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولًا</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>عقدة الفهرس هذه غير موجودة</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>فشل تصدير ملف التعريف، مسار الملف طويل جدًا</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولًا</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغًا</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>اسم ملف التعريف طويل جدًا</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة ضبط ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>جارٍ معايرة كل المفاتيح... (يرجى الضغط على كل المفاتيح)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>كامل الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>إضاءة مخصصة</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/المحيطة</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تم تغيير اسم الإضاءة المخصصة</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>لا يحتوي الجهاز على إضاءة محيطة</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموّج</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموّج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>عند التفعيل، لا ينتهي التفعيل السريع إلا عند تحرير المفتاح بالكامل.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>عند التعطيل، ينتهي التفعيل السريع عندما يُحرَّر المفتاح ويرتفع إلى مسافة التفعيل.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>اضبط مدة الضغط المطلوبة للتفعيل.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>عند تفعيل معايرة كل المفاتيح، اضغط على كل المفاتيح لإكمال المعايرة.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. ادخل إلى وضع معايرة المفاتيح أولًا؛</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. اختر مفتاحًا واحدًا؛</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. انقر على &quot;بدء المعايرة&quot;؛</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. اضغط على المفتاح المحدد؛</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. تُعرض نتائج معايرة المفتاح؛</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة ضبط ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>ذراع التحكم:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>تعذر بدء خدمة الجهاز، ولم يُعثر على أي لوحة مفاتيح. يرجى إعادة تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>إنهاء(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى شريط النظام عند البدء</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لم يُعثر على أجهزة قابلة للترقية</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم ضبط الإعدادات</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>فشل ضبط الإعدادات</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(غير متصل)</translation>
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
        <translation>تعذر تحديث الماكرو في جميع ملفات التعريف، يرجى المحاولة مرة أخرى</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>تقدم التحديث:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>لا يمكن إعادة تعيينه</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>إعادة تسمية</translation>
    </message>
</context>
</TS>
