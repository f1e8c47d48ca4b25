<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>pominięto dowiązanie symboliczne umieszczone przez innego użytkownika w katalogu, do którego każdy może zapisywać</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Nie można ustawić danych schowka</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Nie można uzyskać obiektu danych schowka</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Użycie: zolvenar [--help | --version | --check-randomness]
Otwiera okno generatora haseł. Jego ustawienia znajdują się w pliku Zolvenar.ini
w bieżącym katalogu; pozostałe argumenty są ignorowane.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness w mniej niż minutę mierzy losowość zegarów tego komputera
i generowanych znaków; kod wyjścia 3, gdy sprawdzenie się nie powiedzie.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>W programie wystąpił wyjątek. Kliknij „Kontynuuj”, aby program zignorował ten błąd i spróbował kontynuować działanie.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Kontynuuj</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Zestawy znaków muszą zawierać co najmniej dwa znaki</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Brindal – błąd</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>Minimalna długość musi wynosić co najmniej %1, aby hasło mogło zawierać po jednym znaku z każdego zaznaczonego zestawu</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Bieżące ustawienia haseł mogą być zbyt słabe. Czy mimo to kontynuować generowanie haseł?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(Minimalna długość jest mniejsza niż 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Wybrano mniej niż 32 litery, cyfry i symbole)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(Siła hasła jest mniejsza niż 200 przy włączonych generatorach)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(Siła hasła jest mniejsza niż 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 nie jest zwykłym plikiem.
Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nieprawidłowa nazwa pliku</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Błąd wątku: zbyt wiele wątków</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Błąd wątku: nie udało się uruchomić</translation>
    </message>
</context>
</TS>
