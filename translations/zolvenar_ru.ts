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
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (отключено)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Удалить выделенное? Количество элементов: %1</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Удаление элементов</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Пароль.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Текстовые файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Сохранить пароли как</translation>
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
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Все изменения настроек символов будут потеряны. Продолжить?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Сбросить настройки символов</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Не удалось получить случайные данные от ОС (getrandom: %1)</translation>
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
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Не удаётся запустить Zolvenar: система не позволяет запустить новые потоки</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Длины не хватает на все наборы</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Бит на пароль: %1, по длине</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Бит на пароль: %1, по длине</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Бит на пароль: %1, по отсчётам</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Бит на пароль: %1, по отсчётам</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Бит на пароль: %1, смесь с ОС</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Бит на пароль: %1, смесь с ОС</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Чего стоит каждый пароль: меньшее из двух значений — того, что может вместить наименьшая длина из оставшихся символов, и одного бита на каждый отсчёт, вошедший в пароль, — или, при подмешивании случайности ОС, только первое</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Действия и настройки</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Выделить все</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Удалить выделенное</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Копировать в буфер</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Сохранить в файл</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Подмешивать случайность ОС</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>&amp;Требовать символ из каждого набора</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;О программе Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>О программе Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Настольный генератор паролей.

Свободное программное обеспечение под лицензией MIT, авторские права принадлежат разработчикам Zolvenar.
Домашняя страница: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>Очищать &amp;буфер обмена через</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Никогда</translation>
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
        <translation>&amp;1 мин</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 мин</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>Буфер обмена будет очищен через %1 с</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Буфер обмена будет очищен через %1:%2 мин</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Для работы Zolvenar необходим графический дисплей: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Щёлкните здесь, чтобы сгенерировать пароли</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Водите мышью по этому окну или щёлкните здесь, чтобы остановить</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Ошибка Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Изменить настройки паролей</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Строчные</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Заглавные</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Цифры</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Спецсимволы</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Без похожих</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Добавить свои</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Исключить свои</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Сбросить настройки символов</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Наименьшая длина</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Наибольшая длина</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Число паролей</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Надёжность пароля</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Генераторы</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Очищать буфер обмена при выходе</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Запоминать положение окна</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Сохранять настройки при выходе</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Удалить выделенное</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Сгенерированные пароли</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Ход генерации текущего пароля</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Общий ход генерации</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Идёт генерация паролей. Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Есть несохранённые изменения. Вы действительно хотите выйти?</translation>
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
        <translation>Удалять все пароли из буфера обмена перед выходом из приложения</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Сохранять положение и размер окна и восстанавливать их при следующем запуске приложения</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Все внесённые изменения будут сохранены до следующего запуска приложения</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Сбросить все настройки символов к значениям по умолчанию</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Минимальное число символов, которое должен содержать пароль</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Максимальное число символов в пароле</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Число паролей, которые нужно сгенерировать</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Увеличьте значение для более надёжных паролей или уменьшите его для более быстрой генерации.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Генераторы автоматически получают данные для паролей</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Щёлкните, чтобы начать генерацию паролей</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Показывает ход генерации текущего пароля</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Показывает общий ход генерации всех паролей</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Выделить все элементы списка</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Удалить выделенные элементы из списка</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Копировать все пароли в буфер обмена</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Сохранить все пароли в текстовый файл</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Не удалось инициализировать генератор. Активных генераторов: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>Генерация остановлена: не удалось запустить поток для отсчёта движения мыши. Уже сгенерированные пароли сохранены.
%1</translation>
    </message>
</context>
</TS>
