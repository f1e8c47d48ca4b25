<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>严重错误</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>未跟随：这是其他用户放在所有人均可写入的目录中的符号链接</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是常规文件</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>无法设置剪贴板数据</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>无法获取剪贴板数据对象</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>用法：zolvenar [--help | --version | --check-randomness]
打开密码生成器窗口。其设置保存在当前目录下的
Zolvenar.ini 中；其他所有参数都会被忽略。
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness 在一分钟内测量本机计时器和所生成字符的随机性；
检查未通过时退出状态为 3。
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>应用程序发生异常。单击“继续”可让应用程序忽略此错误并尝试继续运行。</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>继续(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>字符集必须至少包含两个字符</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Brindal 错误</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>最小长度必须至少为 %1，才能容纳每个已勾选字符集中的一个字符</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>当前的密码设置可能过弱。是否继续生成密码？</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
（最小长度小于 10）</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
（所选的字符和符号少于 32 个）</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
（启用生成器时，密码强度小于 200）</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
（密码强度小于 100）</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (禁用)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>确定要删除所选的 %1 个项目吗？</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>删除项目</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Password.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>文本文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>将密码另存为…</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 不是常规文件。
请选择其他名称。</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>文件名无效</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>您对字符设置所做的更改都将丢失。确定要继续吗？</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>重置字符设置</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>无法读取系统随机数据（getrandom: %1）</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>线程错误：线程过多</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>线程错误：无法启动</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar 无法启动：系统不允许它再启动更多线程</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>最小长度过短，无法容纳每个字符集</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>每个密码 %1 比特，受长度限制</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>每个密码 %1 比特，受长度限制</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>每个密码 %1 比特，受样本数限制</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>每个密码 %1 比特，受样本数限制</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>每个密码 %1 比特，混入系统随机性</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>每个密码 %1 比特，混入系统随机性</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>每个密码所含的比特数：取最小长度用剩余字符可容纳的比特数与输入其中的样本数（每个样本计 1 比特）两者中的较小值；若混入系统随机性，则只取前者</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>操作和选项</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>删除所选(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>保存到文件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>混入系统随机性(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>要求包含每个字符集(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>关于 Zolvenar(&amp;B)</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>关于 Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
一款桌面密码生成器。

基于 MIT 许可证发布的自由软件，版权归 Zolvenar 开发者所有。
主页：%2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>自动清空剪贴板(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>从不(&amp;N)</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 秒</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 秒</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 分钟</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 分钟</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>剪贴板将在 %1 秒后清空</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>剪贴板将在 %1:%2 后清空</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar 需要图形显示环境：%1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>单击此处生成密码</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>在此窗口内移动鼠标，或单击此处停止</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Zolvenar 错误</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>编辑密码设置</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>小写字母</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>大写字母</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>排除相似字符</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>包含自定义字符</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>排除自定义字符</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>重置字符设置</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>最小长度</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大长度</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>密码数量</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>密码强度</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>生成器</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>退出时清空剪贴板</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>记住窗口位置</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>退出时保存设置</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>删除所选</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>已生成的密码</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>当前密码进度</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>正在生成密码。确定要退出吗？</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>有未保存的更改。确定要退出吗？</translation>
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
        <translation>退出应用程序前清空剪贴板中的密码</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>保存窗口的位置和大小，并在下次启动应用程序时恢复</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>记住您所做的全部更改，下次启动应用程序时继续使用</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>将所有字符设置重置为默认值</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>密码中至少必须包含的字符数</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>密码中最多包含的字符数</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>要生成的密码数量</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>增大数值可生成更强的密码，减小数值可更快地生成密码。</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>生成器会自动为密码生成数据</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>单击开始生成密码</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>显示当前密码的进度</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>显示所有密码的总进度</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>选择列表中的所有项目</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>删除列表中的所选项目</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>将所有密码复制到剪贴板</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>将所有密码保存到文本文件</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>无法初始化生成器。当前有 %1 个活动的生成器
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>生成已停止：无法为鼠标样本启动线程。已制作的密码将会保留。
%1</translation>
    </message>
</context>
</TS>
