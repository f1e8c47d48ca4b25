<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Error grave</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>no se sigue: es un enlace simbólico que otro usuario puso en un directorio en el que todos pueden escribir</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>No se pudieron copiar los datos al portapapeles</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>No se pudo obtener el objeto de datos del portapapeles</translation>
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
Abre la ventana del generador de contraseñas. Sus opciones se guardan en Zolvenar.ini
en el directorio actual; cualquier otro argumento se ignora.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness mide en menos de un minuto la aleatoriedad de los temporizadores de este
equipo y de los caracteres generados; el estado de salida es 3 si la comprobación falla.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Se ha producido una excepción en la aplicación. Haga clic en Continuar para que la aplicación ignore este error e intente continuar.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Los conjuntos de caracteres deben contener al menos dos caracteres</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Error de Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>La longitud mínima debe ser de al menos %1 para incluir un carácter de cada conjunto marcado</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>La configuración actual de las contraseñas puede ser demasiado débil. ¿Quiere seguir generando contraseñas?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(La longitud mínima es inferior a 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Hay menos de 32 caracteres y símbolos seleccionados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(La robustez es inferior a 200 con los generadores activados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(La robustez es inferior a 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 no es un archivo normal.
Elija otro nombre.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Error de hilos: demasiados hilos</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Error de hilos: no se pudo iniciar</translation>
    </message>
</context>
</TS>
