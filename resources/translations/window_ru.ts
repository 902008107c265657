<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
<context>
    <name>vr::CalculatorDialog</name>
    <message>
        <source>VadadeRivo</source>
        <translation>Калькулятор VadadeRivo</translation>
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
    <message>
        <source>Press OK to restart the program</source>
        <translation>Нажмите на OK для перезапуска программы</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Открыть только для чтения</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>vr::ExpressionFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>это не текстовый файл</translation>
    </message>
    <message>
        <source>it is not a regular file that can be read, or it is too large</source>
        <translation>это не обычный файл, доступный для чтения, или он слишком велик</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Не удаётся открыть файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>Не удаётся сохранить файл «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>vr::FunctionsDialog</name>
    <message>
        <source>Functions list</source>
        <translation>Список функций</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Краткое описание</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>vr::Keypad</name>
    <message>
        <source>Unit type:</source>
        <translation>Тип измерения:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Из:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>В:</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>СИ</translation>
    </message>
    <message>
        <source>Conv</source>
        <translation>Конв</translation>
    </message>
    <message>
        <source>Unit converter</source>
        <translation>Конвертер единиц</translation>
    </message>
    <message>
        <source>Insert function</source>
        <translation>Вставить функцию</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Модуль числа</translation>
    </message>
    <message>
        <source>Radians/Degrees</source>
        <translation>Радианы/градусы</translation>
    </message>
    <message>
        <source>Arc trigonometric functions</source>
        <translation>Обратные тригонометрические функции</translation>
    </message>
    <message>
        <source>Cosine/arc cosine</source>
        <translation>Косинус/арккосинус</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Очистить экран</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Экспонента</translation>
    </message>
    <message>
        <source>Golden section</source>
        <translation>Золотое сечение</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Натуральный логарифм</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Десятичный логарифм</translation>
    </message>
    <message>
        <source>Sine/arc sine</source>
        <translation>Синус/арксинус</translation>
    </message>
    <message>
        <source>Number E=2.718281828</source>
        <translation>Число E=2.718281828</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Tangent/arc tangent</source>
        <translation>Тангенс/арктангенс</translation>
    </message>
    <message>
        <source>Scale of notation</source>
        <translation>Система счисления</translation>
    </message>
    <message>
        <source>Number Pi=3.14159265359</source>
        <translation>Число Пи=3.14159265359</translation>
    </message>
    <message>
        <source>Exchange units</source>
        <translation>Поменять единицы местами</translation>
    </message>
    <message>
        <source>To international system</source>
        <translation>В международную систему</translation>
    </message>
</context>
<context>
    <name>vr::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Режим</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Open script...</source>
        <translation>&amp;Открыть скрипт...</translation>
    </message>
    <message>
        <source>&amp;Save script...</source>
        <translation>&amp;Сохранить скрипт...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>&amp;Variables...</source>
        <translation>&amp;Переменные...</translation>
    </message>
    <message>
        <source>&amp;Functions...</source>
        <translation>&amp;Функции...</translation>
    </message>
    <message>
        <source>User-defined functions...</source>
        <translation>Функции пользователя...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>&amp;Unit conversion mode</source>
        <translation>Режим &amp;конвертации единиц</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Градусы</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <translation>&amp;Радианы</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Десятичная</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Шестнадцатеричная</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Восьмеричная</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Двоичная</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Select a&amp;ll</source>
        <translation>Выделить &amp;все</translation>
    </message>
</context>
<context>
    <name>vr::SessionKeeper</name>
    <message>
        <source>The program&apos;s folder &quot;%1&quot; cannot be written, so the settings, the text and the variables are kept in &quot;%2&quot;.</source>
        <translation>В папку программы &quot;%1&quot; нельзя записывать, поэтому настройки, текст и переменные хранятся в &quot;%2&quot;.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (процесс %1)</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is in use by another VadadeRivo window%2.

Open this window read-only (nothing it does is saved), or quit?</source>
        <translation>Папка &quot;%1&quot; занята другим окном VadadeRivo%2.

Открыть это окно только для чтения (ничего не будет сохранено) или выйти?</translation>
    </message>
    <message>
        <source>The options file &quot;%1&quot; could not be read (%2).

It is kept as &quot;%3&quot;; the window starts with the default settings and saves a new options file.</source>
        <translation>Файл настроек &quot;%1&quot; не удалось прочитать (%2).

Он сохранён как &quot;%3&quot;; окно запускается с настройками по умолчанию и сохранит новый файл настроек.</translation>
    </message>
    <message>
        <source>The options file &quot;%1&quot; could not be read (%2) and could not be moved aside.

The window starts with the default settings and does not save over it.</source>
        <translation>Файл настроек &quot;%1&quot; не удалось прочитать (%2) и не удалось переименовать.

Окно запускается с настройками по умолчанию и не будет записывать поверх него.</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (только чтение)</translation>
    </message>
    <message>
        <source>this window is read-only</source>
        <translation>это окно открыто только для чтения</translation>
    </message>
</context>
</TS>
