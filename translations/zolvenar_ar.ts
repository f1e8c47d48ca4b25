<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>خطأ فادح</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>لم يُتبَع: رابط رمزي وضعه مستخدم آخر في دليل يمكن للجميع الكتابة فيه</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>تعذّر تعيين بيانات الحافظة</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>تعذّر الحصول على كائن بيانات الحافظة</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>الاستخدام: zolvenar [--help | --version | --check-randomness]
يفتح نافذة مولّد كلمات المرور. توجد إعداداته في الملف Zolvenar.ini
في الدليل الحالي؛ ويتم تجاهل أي وسيط آخر.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>يقيس --check-randomness في أقل من دقيقة عشوائية مؤقّتات هذا الجهاز
والأحرف المولَّدة؛ وتكون حالة الخروج 3 عند فشل الفحص.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>حدث استثناء في التطبيق. انقر «متابعة» للسماح للتطبيق بتجاهل هذا الخطأ ومحاولة المتابعة.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;متابعة</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;إنهاء</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>يجب أن تحتوي مجموعات الأحرف على حرفين على الأقل</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>خطأ في Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>يجب ألا يقل الحد الأدنى للطول عن %1 ليتسع لحرف واحد من كل مجموعة أحرف محددة</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>قد تكون إعدادات كلمة المرور الحالية ضعيفة جدًا. هل تريد متابعة توليد كلمات المرور؟</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(الحد الأدنى للطول أقل من 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(عدد الأحرف والرموز المحددة أقل من 32)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(قوة كلمة المرور أقل من 200 مع تفعيل المولّدات)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(قوة كلمة المرور أقل من 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (معطّل)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>هل تريد بالتأكيد حذف العناصر المحددة (العدد: %1)؟</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>حذف العناصر</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Password.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>ملفات نصية</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>حفظ كلمات المرور باسم…</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 ليس ملفًا عاديًا.
اختر اسمًا آخر.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>اسم الملف غير صالح</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>ستفقد أي تغييرات أجريتها على إعدادات الأحرف. هل أنت متأكد؟</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>إعادة تعيين إعدادات الأحرف</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>تعذّرت قراءة عشوائية النظام (getrandom: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>خطأ في الخيوط: عدد الخيوط كبير جدًا</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>خطأ في الخيوط: تعذّر بدء التشغيل</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>تعذّر تشغيل Zolvenar: لا يسمح النظام ببدء مزيد من الخيوط</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>الحد الأدنى للطول لا يتسع لكل المجموعات</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>%1 بت لكل كلمة مرور، يحدّه الطول</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>%1 بت لكل كلمة مرور، يحدّه الطول</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>%1 بت لكل كلمة مرور، تحدّه العيّنات</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>%1 بت لكل كلمة مرور، تحدّه العيّنات</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>%1 بت لكل كلمة مرور، بعشوائية النظام</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>%1 بت لكل كلمة مرور، بعشوائية النظام</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>عدد البتات في كل كلمة مرور: الأصغر بين ما يتسع له حدها الأدنى للطول من الأحرف المتبقية وبت واحد لكل عيّنة تدخل فيها، أو الأول وحده عند مزج عشوائية النظام</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>الإجراءات والخيارات</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;تحديد الكل</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;حذف المحدد</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;نسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>ح&amp;فظ في ملف</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;مزج عشوائية النظام</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>&amp;اشتراط حرف من كل مجموعة</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;عن Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>عن Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
مولّد كلمات مرور لسطح المكتب.

برنامج حر مرخّص بموجب رخصة MIT، وحقوق النشر لمطوّري Zolvenar.
الصفحة الرئيسية: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>م&amp;سح الحافظة بعد</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;أبدًا</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 ث</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 ث</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 د</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 د</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>سيتم مسح الحافظة خلال %1 ث</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>سيتم مسح الحافظة خلال %1:%2 د</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>يتطلب Zolvenar شاشة عرض رسومية: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>انقر هنا لتوليد كلمات المرور</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>حرّك الفأرة داخل هذه النافذة أو انقر هنا للإيقاف</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>خطأ في Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>تعديل إعدادات كلمة المرور</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>أحرف صغيرة</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>أحرف كبيرة</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>أرقام</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>رموز</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>بلا أحرف متشابهة</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>أحرف إضافية</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>أحرف مستبعدة</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>إعادة تعيين إعدادات الأحرف</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>الحد الأدنى للطول</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>الحد الأقصى للطول</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>عدد كلمات المرور</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>قوة كلمة المرور</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>المولّدات</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>مسح الحافظة عند الخروج</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>تذكّر موضع النافذة</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>حفظ الإعدادات عند الخروج</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>حذف المحدد</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>نسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>حفظ في ملف</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>كلمات المرور المولّدة</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>تقدّم كلمة المرور الحالية</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>التقدّم الإجمالي</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>يجري توليد كلمات المرور حاليًا. هل تريد بالتأكيد الخروج؟</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>توجد تغييرات غير محفوظة. هل تريد بالتأكيد الخروج؟</translation>
    </message>
    <message>
        <source>Zolvenar</source>
        <translation>Zolvenar</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::CTip</name>
    <message>
        <source>Empty the clipboard of any passwords before exiting the application</source>
        <translation>مسح أي كلمات مرور من الحافظة قبل الخروج من التطبيق</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>حفظ موضع النافذة وحجمها واستعادتهما عند تشغيل التطبيق في المرة التالية</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>تذكّر كل التغييرات التي أجريتها عند تشغيل التطبيق في المرة التالية</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>إعادة تعيين كل إعدادات الأحرف إلى قيمها الافتراضية</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>أقل عدد من الأحرف يجب أن تتضمنه كلمة المرور</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>أكبر عدد من الأحرف تتضمنه كلمة المرور</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>عدد كلمات المرور المراد توليدها</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>زِد القيمة للحصول على كلمات مرور أقوى، أو أنقِصها لتوليد كلمات المرور بسرعة أكبر.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>تولّد المولّدات بيانات كلمات المرور تلقائيًا</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>انقر لبدء توليد كلمات المرور</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>يعرض تقدّم كلمة المرور الحالية</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>يعرض التقدّم الإجمالي لكل كلمات المرور</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>تحديد كل العناصر في القائمة</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>حذف العناصر المحددة في القائمة</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>نسخ كل كلمات المرور إلى الحافظة</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>حفظ كل كلمات المرور في ملف نصي</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>تعذّرت تهيئة المولّد. عدد المولّدات النشطة: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>توقّف التوليد: تعذّر بدء خيط لعيّنة الفأرة. ستبقى كلمات المرور التي أُنشئت حتى الآن.
%1</translation>
    </message>
</context>
</TS>
