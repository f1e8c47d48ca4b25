<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>переход не выполнен: символическая ссылка, созданная другим пользователем в каталоге, доступном всем для записи</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не является обычным файлом</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Не удалось записать данные в буфер обмена</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Не удалось получить объект данных буфера обмена</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Использование: zolvenar [--help | --version | --check-randomness]
Открывает окно генератора паролей. Его настройки хранятся в файле Zolvenar.ini
в текущем каталоге; остальные аргументы игнорируются.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness менее чем за минуту измеряет случайность таймеров этого компьютера
и сгенерированных символов; код завершения 3, если проверка не пройдена.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>В приложении произошло исключение. Нажмите «Продолжить», чтобы приложение проигнорировало эту ошибку и попыталось продолжить работу.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продолжить</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выйти</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Наборы символов должны содержать не менее двух символов</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Ошибка Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>Наименьшая длина должна быть не меньше %1, чтобы вместить по одному символу из каждого отмеченного набора</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Текущие настройки паролей могут быть слишком слабыми. Продолжить генерацию паролей?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(Наименьшая длина меньше 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Выбрано менее 32 букв, цифр и спецсимволов)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(Надёжность пароля меньше 200 при включённых генераторах)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(Надёжность пароля меньше 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 не является обычным файлом.
Выберите другое имя.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Недопустимое имя файла</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Ошибка потока: слишком много потоков</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Ошибка потока: не удалось запустить</translation>
    </message>
</context>
</TS>
