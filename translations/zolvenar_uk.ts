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
</TS>
