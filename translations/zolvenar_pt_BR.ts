<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>não seguido: link simbólico colocado por outro usuário em um diretório no qual todos podem gravar</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Não foi possível colocar os dados na área de transferência</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Não foi possível obter o objeto de dados da área de transferência</translation>
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
Abre a janela do gerador de senhas. As opções ficam no arquivo Zolvenar.ini
do diretório atual; qualquer outro argumento é ignorado.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness mede em menos de um minuto a aleatoriedade dos temporizadores deste
computador e dos caracteres gerados; status de saída 3 quando a verificação falha.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Ocorreu uma exceção no aplicativo. Clique em Continuar para que o aplicativo ignore este erro e tente continuar.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Os conjuntos de caracteres devem conter pelo menos dois caracteres</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Erro do Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>O tamanho mínimo deve ser de pelo menos %1 para conter um caractere de cada conjunto marcado</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>As configurações atuais de senha podem ser fracas demais. Deseja continuar gerando senhas?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(O tamanho mínimo é menor que 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Menos de 32 caracteres e símbolos estão selecionados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(A força da senha é menor que 200 com os geradores ativados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(A força da senha é menor que 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (desativados)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Deseja realmente excluir a seleção (itens: %1)?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Excluir itens</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Senhas.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Arquivos de texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Salvar senhas como...</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 não é um arquivo comum.
Escolha outro nome.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>As alterações feitas nas configurações de caracteres serão perdidas. Deseja continuar?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Redefinir configurações de caracteres</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Não foi possível ler a aleatoriedade do sistema (getrandom: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Erro de thread: número excessivo de threads</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Erro de thread: falha ao iniciar</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>O Zolvenar não pode ser iniciado: o sistema não permite que ele inicie mais threads</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Curta demais para cada conjunto</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Bits por senha: %1 (tamanho)</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Bits por senha: %1 (tamanho)</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Bits por senha: %1 (amostras)</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Bits por senha: %1 (amostras)</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Bits por senha: %1 (com mistura)</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Bits por senha: %1 (com mistura)</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>O que vale cada senha: o menor valor entre o que seu tamanho mínimo comporta com os caracteres restantes e um bit para cada amostra usada nela, ou apenas o primeiro quando a aleatoriedade do sistema é misturada</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Ações e opções</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Excluir seleção</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Salvar em arquivo</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Misturar aleatoriedade do sistema</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>E&amp;xigir cada conjunto marcado</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>S&amp;obre o Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Sobre o Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Um gerador de senhas para desktop.

Software livre sob a licença MIT, copyright dos desenvolvedores do Zolvenar.
Página inicial: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>&amp;Limpar a área de transferência após</translation>
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
        <translation>A área de transferência será limpa em %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>A área de transferência será limpa em %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>O Zolvenar precisa de um ambiente gráfico: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Clique aqui para gerar senhas</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Mova o mouse nesta janela ou clique aqui para parar</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Erro do Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Editar configurações de senha</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Maiúsculas</translation>
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
        <translation>Omitir parecidos</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Incluir caracteres</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Omitir caracteres</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Redefinir configurações de caracteres</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Tamanho mínimo</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Tamanho máximo</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Número de senhas</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Força da senha</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Geradores</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Limpar a área de transferência ao sair</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Lembrar a posição da janela</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Salvar configurações ao sair</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Excluir seleção</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Senhas geradas</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Progresso da senha atual</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Há senhas sendo geradas no momento. Deseja realmente sair?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Há alterações não salvas. Deseja realmente sair?</translation>
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
        <translation>Remove qualquer senha da área de transferência antes de fechar o aplicativo</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Salva a posição e o tamanho da janela e os restaura na próxima vez que o aplicativo for iniciado</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Mantém todas as alterações feitas para a próxima vez que o aplicativo for iniciado</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Redefine todas as configurações de caracteres para os valores padrão</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Número mínimo de caracteres que uma senha deve conter</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Número máximo de caracteres que uma senha pode conter</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Número de senhas a gerar</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Aumente o valor para obter senhas mais fortes; diminua-o para gerar senhas mais rápido.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Os geradores produzem automaticamente dados para as senhas</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Clique para começar a gerar senhas</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Mostra o progresso da senha atual</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Mostra o progresso total de todas as senhas</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Seleciona todos os itens da lista</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Exclui da lista os itens selecionados</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Copia todas as senhas para a área de transferência</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Salva todas as senhas em um arquivo de texto</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Falha ao inicializar o gerador. Geradores ativos: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>A geração foi interrompida: não foi possível iniciar uma thread para uma amostra do mouse. As senhas criadas até agora foram mantidas.
%1</translation>
    </message>
</context>
</TS>
