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
</TS>
