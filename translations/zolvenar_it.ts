<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Errore irreversibile</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>non seguito: collegamento simbolico inserito da un altro utente in una directory scrivibile da tutti</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Impossibile copiare i dati negli appunti</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Impossibile ottenere l&apos;oggetto dati degli appunti</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Uso: zolvenar [--help | --version | --check-randomness]
Apre la finestra del generatore di password. Le opzioni si trovano nel file Zolvenar.ini
nella directory corrente; ogni altro argomento viene ignorato.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness misura in meno di un minuto la casualità dei timer di questo computer
e dei caratteri generati; stato di uscita 3 se la verifica non riesce.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Si è verificata un&apos;eccezione nell&apos;applicazione. Fai clic su Continua per consentire all&apos;applicazione di ignorare l&apos;errore e tentare di proseguire.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>I set di caratteri devono contenere almeno due caratteri</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Errore di Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>La lunghezza minima deve essere almeno %1 per contenere un carattere di ogni set selezionato</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Le impostazioni attuali delle password potrebbero essere troppo deboli. Vuoi continuare a generare le password?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(La lunghezza minima è inferiore a 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Sono selezionati meno di 32 caratteri e simboli)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(La robustezza della password è inferiore a 200 con i generatori attivati)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(La robustezza della password è inferiore a 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 non è un file normale.
Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nome file non valido</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Errore dei thread: troppi thread</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Errore dei thread: avvio non riuscito</translation>
    </message>
</context>
</TS>
