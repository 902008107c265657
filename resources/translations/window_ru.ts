<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>vr::CalculatorDialog</name>
    <message>
        <source>VadadeRivo</source>
        <translation>Калькулятор VadadeRivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
    <message>
        <source>Keep the window open</source>
        <translation>Оставить окно открытым</translation>
    </message>
    <message>
        <source>The settings, the text and the variables could not be saved in &quot;%1&quot;: %2.

Close without saving, or keep the window open and copy what you need?</source>
        <translation>Не удалось сохранить настройки, текст и переменные в &quot;%1&quot;: %2.

Закрыть без сохранения или оставить окно открытым, чтобы скопировать нужное?</translation>
    </message>
</context>
<context>
    <name>vr::TrayPresence</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;About VadadeRivo...</source>
        <translation>&amp;О программе VadadeRivo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>vr::AboutBox</name>
    <message>
        <source>About VadadeRivo</source>
        <translation>О программе VadadeRivo</translation>
    </message>
    <message>
        <source>How to use the calculator</source>
        <translation>Как пользоваться калькулятором</translation>
    </message>
</context>
</TS>
