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
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (desactivado)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>¿Realmente quiere eliminar la selección (elementos: %1)?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Eliminar elementos</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Claves.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Guardar contraseñas como...</translation>
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
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Perderá los cambios que haya hecho en la configuración de caracteres. ¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Restablecer configuración de caracteres</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>No se pudo leer la aleatoriedad del sistema (getrandom: %1)</translation>
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
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar no puede iniciarse: el sistema no le permite iniciar más hilos</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Demasiado corta para cada conjunto</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>%1 bit cada una, tope: longitud</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>%1 bits cada una, tope: longitud</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>%1 bit cada una, tope: muestras</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>%1 bits cada una, tope: muestras</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>%1 bit cada una, con mezcla</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>%1 bits cada una, con mezcla</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Lo que vale cada contraseña: el menor valor entre lo que su longitud mínima puede contener con los caracteres que quedan y un bit por cada muestra que se usa para ella, o solo el primero si se mezcla la aleatoriedad del sistema</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Acciones y opciones</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Eliminar selección</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Guardar en archivo</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Mezclar aleatoriedad del sistema</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>E&amp;xigir cada conjunto marcado</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>Acerca &amp;de Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Acerca de Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Un generador de contraseñas de escritorio.

Software libre con licencia MIT, copyright de los desarrolladores de Zolvenar.
Página web: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>&amp;Vaciar el portapapeles después de</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nunca</translation>
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
        <translation>El portapapeles se vaciará en %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>El portapapeles se vaciará en %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar necesita un entorno gráfico: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Haga clic aquí para generar contraseñas</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Mueva el ratón por esta ventana o haga clic aquí para detener</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1&#xa0;%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Error de Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Editar configuración</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Excluir similares</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Incluir caracteres</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Excluir caracteres</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Restablecer configuración de caracteres</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Longitud mínima</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longitud máxima</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Robustez</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generadores</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Vaciar el portapapeles al salir</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Recordar la posición de la ventana</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Guardar configuración al salir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Contraseñas generadas</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Progreso de la contraseña actual</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Se están generando contraseñas. ¿Quiere salir de todos modos?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Hay cambios sin guardar. ¿Quiere salir de todos modos?</translation>
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
        <translation>Elimina cualquier contraseña del portapapeles antes de salir de la aplicación</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Guarda la posición y el tamaño de la ventana y los restaura la próxima vez que se inicie la aplicación</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Conserva todos los cambios que haya hecho para la próxima vez que se inicie la aplicación</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Restablece toda la configuración de caracteres a sus valores predeterminados</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Número mínimo de caracteres que debe contener una contraseña</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Número máximo de caracteres que puede contener una contraseña</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Número de contraseñas que se generarán</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Aumente el valor para obtener contraseñas más robustas; redúzcalo para generarlas más rápido.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Los generadores producen automáticamente datos para las contraseñas</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Haga clic para empezar a generar contraseñas</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Muestra el progreso de la contraseña actual</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Muestra el progreso total de todas las contraseñas</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Selecciona todos los elementos de la lista</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Elimina de la lista los elementos seleccionados</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Copia todas las contraseñas al portapapeles</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Guarda todas las contraseñas en un archivo de texto</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>No se pudo inicializar el generador. Generadores activos: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>La generación se ha detenido: no se pudo iniciar ningún hilo para una muestra del ratón. Se conservan las contraseñas creadas hasta ahora.
%1</translation>
    </message>
</context>
</TS>
