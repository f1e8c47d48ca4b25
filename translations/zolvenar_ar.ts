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
</TS>
