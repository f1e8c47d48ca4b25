<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Критична помилка</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>перехід не виконано: це символьне посилання, яке інший користувач розмістив у каталозі, доступному всім для запису</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не є звичайним файлом</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Не вдалося записати дані до буфера обміну</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Не вдалося отримати об’єкт даних буфера обміну</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Використання: zolvenar [--help | --version | --check-randomness]
Відкриває вікно генератора паролів. Його параметри зберігаються у файлі Zolvenar.ini
у поточному каталозі; усі інші аргументи ігноруються.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness менш ніж за хвилину вимірює випадковість таймерів цього комп’ютера
і згенерованих символів; код завершення 3, якщо перевірку не пройдено.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>У програмі сталася виняткова ситуація. Натисніть «Продовжити», щоб програма проігнорувала цю помилку й спробувала працювати далі.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продовжити</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вийти</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Набори символів мають містити щонайменше два символи</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Помилка Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>Найменша довжина має бути не менше %1, щоб умістити по одному символу з кожного позначеного набору</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Поточні параметри пароля можуть бути надто слабкими. Продовжити генерування паролів?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(Найменша довжина — менше ніж 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Вибрано менше ніж 32 символи, включно зі спецсимволами)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(Надійність пароля — менше ніж 200, а генератори ввімкнено)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(Надійність пароля — менше ніж 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (вимкнено)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Справді видалити вибрані елементи (кількість: %1)?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Видалення елементів</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Password.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Текстові файли</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Зберегти паролі як…</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 не є звичайним файлом.
Виберіть іншу назву.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Неприпустима назва файлу</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Усі зміни, внесені до параметрів символів, буде втрачено. Ви впевнені?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Скинути параметри символів</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Не вдалося прочитати випадкові дані системи (getrandom: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Помилка потоків: забагато потоків</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Помилка потоків: не вдалося запустити</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar не може запуститися: система не дозволяє запускати нові потоки</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Замала довжина для всіх наборів</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>По %1 біт, обмежено довжиною</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>По %1 біт, обмежено довжиною</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>По %1 біт, обмежено зразками</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>По %1 біт, обмежено зразками</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>По %1 біт, з домішком системи</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>По %1 біт, з домішком системи</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Скільки бітів випадковості має кожен пароль: менше з двох значень — скільки бітів умістить його найменша довжина із символів, що залишилися, і по одному біту на кожен зразок, що йде в пароль, — або лише перше, якщо домішується системна випадковість</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Дії та параметри</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Вибрати &amp;все</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Ви&amp;далити вибране</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Копіювати в буфер</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Зберегти у файл</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>Домішувати &amp;системну випадковість</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>Вимагати символ із кожного &amp;набору</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;Про Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Про Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Генератор паролів для стільниці.

Вільне програмне забезпечення за ліцензією MIT; авторські права належать розробникам Zolvenar.
Домашня сторінка: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>&amp;Очищати буфер обміну через</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Ніколи</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 с</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 с</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 хв</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 хв</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>Буфер обміну буде очищено через %1 с</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Буфер обміну буде очищено через %1:%2 хв</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Для роботи Zolvenar потрібен графічний дисплей: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Клацніть тут, щоб згенерувати паролі</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Рухайте мишею в цьому вікні або клацніть тут, щоб зупинити</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Помилка Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Змінити параметри пароля</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Малі літери</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Великі літери</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Цифри</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Спецсимволи</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Вилучити схожі</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Додати власні</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Вилучити власні</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Скинути параметри символів</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Довжина від</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Довжина до</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Кількість паролів</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Надійність пароля</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Генератори</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Очищати буфер обміну при виході</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Запам’ятовувати положення вікна</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Зберігати параметри при виході</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Видалити вибране</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копіювати в буфер</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Згенеровані паролі</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Поступ поточного пароля</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Загальний поступ</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Триває генерування паролів. Ви справді хочете вийти?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Є незбережені зміни. Ви справді хочете вийти?</translation>
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
        <translation>Очищати буфер обміну від паролів перед виходом із програми</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Зберігати розмір і положення вікна та відновлювати їх під час наступного запуску програми</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Запам’ятовувати всі внесені вами зміни до наступного запуску програми</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Скинути всі параметри символів до типових значень</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Найменша кількість символів, яку має містити пароль</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Найбільша кількість символів у паролі</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Кількість паролів, які треба згенерувати</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Збільште значення, щоб отримати надійніші паролі, або зменште, щоб паролі генерувалися швидше.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Генератори автоматично генерують дані для паролів</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Клацніть, щоб почати генерування паролів</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Показує поступ поточного пароля</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Показує загальний поступ для всіх паролів</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Вибрати всі елементи у списку</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Видалити вибрані елементи зі списку</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Копіювати всі паролі до буфера обміну</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Зберегти всі паролі у текстовий файл</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Не вдалося ініціалізувати генератор. Кількість активних генераторів: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>Генерування зупинено: не вдалося запустити потік для зразка руху миші. Уже створені паролі залишаються у списку.
%1</translation>
    </message>
</context>
</TS>
