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
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (wyłączone)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Liczba elementów do usunięcia: %1. Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Usuń elementy</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Haslo.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Pliki tekstowe</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Zapisz hasła jako</translation>
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
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Wszystkie zmiany w ustawieniach znaków zostaną utracone. Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Przywróć domyślne ustawienia znaków</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Nie można odczytać losowości systemu (getrandom: %1)</translation>
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
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Nie można uruchomić programu Zolvenar: system nie pozwala uruchomić kolejnych wątków</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Za krótkie na wszystkie zestawy</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Bitów na hasło: %1, limit: długość</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Bitów na hasło: %1, limit: długość</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Bitów na hasło: %1, limit: próbki</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Bitów na hasło: %1, limit: próbki</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Bitów na hasło: %1, z domieszką</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Bitów na hasło: %1, z domieszką</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Ile jest warte każde hasło: mniejsza z dwóch wartości – tego, ile może pomieścić minimalna długość przy pozostałych znakach, i jednego bitu na każdą próbkę, która trafia do hasła – albo, przy domieszce losowości systemu, tylko pierwsza z nich</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Akcje i ustawienia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Usuń zaznaczone</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Kopiuj do schowka</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Zapisz do pliku</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Domieszaj losowość systemu</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>Wy&amp;magaj znaku z każdego zestawu</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;O programie Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>O programie Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Desktopowy generator haseł.

Wolne oprogramowanie na licencji MIT, prawa autorskie należą do twórców programu Zolvenar.
Strona internetowa: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>&amp;Czyść schowek po</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nigdy</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 s</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 s</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 min</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 min</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>Schowek zostanie wyczyszczony za %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Schowek zostanie wyczyszczony za %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar wymaga środowiska graficznego: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Kliknij tutaj, aby wygenerować hasła</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Poruszaj myszą w tym oknie lub kliknij tutaj, aby zatrzymać</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Zolvenar – błąd</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Edytuj ustawienia haseł</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Małe litery</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Wielkie litery</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Cyfry</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Wyklucz podobne</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Dołącz własne</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Wyklucz własne</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Przywróć domyślne ustawienia znaków</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Minimalna długość</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maksymalna długość</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Liczba haseł</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Siła hasła</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generatory</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Czyść schowek przy zamykaniu</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Zapamiętaj położenie okna</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Zapisuj ustawienia przy zamykaniu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Usuń zaznaczone</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Wygenerowane hasła</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Postęp bieżącego hasła</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Postęp całkowity</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Trwa generowanie haseł. Czy na pewno chcesz zamknąć program?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Istnieją niezapisane zmiany. Czy na pewno chcesz zamknąć program?</translation>
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
        <translation>Usuń wszystkie hasła ze schowka przed zamknięciem programu</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Zapisz położenie i rozmiar okna i przywróć je przy następnym uruchomieniu programu</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Zapamiętuje wszystkie wprowadzone zmiany do następnego uruchomienia programu</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Przywróć domyślne wartości wszystkich ustawień znaków</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Minimalna liczba znaków, które musi zawierać hasło</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Maksymalna liczba znaków w haśle</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Liczba haseł do wygenerowania</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Zwiększ wartość, aby uzyskać silniejsze hasła; zmniejsz, aby generować hasła szybciej.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Generatory automatycznie dostarczają dane do haseł</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Kliknij, aby rozpocząć generowanie haseł</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Pokazuje postęp bieżącego hasła</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Pokazuje całkowity postęp wszystkich haseł</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Zaznacz wszystkie elementy listy</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Usuń zaznaczone elementy z listy</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Kopiuj wszystkie hasła do schowka</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Zapisz wszystkie hasła w pliku tekstowym</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Nie udało się zainicjować generatora. Liczba aktywnych generatorów: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>Generowanie zostało przerwane: nie udało się uruchomić wątku dla próbki ruchu myszy. Dotychczas wygenerowane hasła zostały zachowane.
%1</translation>
    </message>
</context>
</TS>
