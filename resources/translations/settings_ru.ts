<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>vr::ColourPage</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Цифры</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Операции</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>  Expression window  </source>
        <translation>  Окно ввода  </translation>
    </message>
    <message>
        <source>  Buttons  </source>
        <translation>  Кнопки  </translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Стандартные установки</translation>
    </message>
</context>
<context>
    <name>vr::GeneralPage</name>
    <message>
        <source>  Calculation results ...  </source>
        <translation>  Результаты вычислений  </translation>
    </message>
    <message>
        <source>show them after calculating current line</source>
        <translation>показывать после вычисления</translation>
    </message>
    <message>
        <source>show intermediate ones while executing script</source>
        <translation>показывать при выполнении скрипта</translation>
    </message>
    <message>
        <source>save them in script</source>
        <translation>сохранять результаты в скрипт</translation>
    </message>
    <message>
        <source>stay-on-top main form </source>
        <translation>главное окно поверх всех</translation>
    </message>
    <message>
        <source>minimize to tray</source>
        <translation>сворачивать в трэй</translation>
    </message>
    <message>
        <source>calculator hotkey</source>
        <translation>горячая клавиша вызова</translation>
    </message>
    <message>
        <source>autocopy result to the clipoard after calculation</source>
        <translation>автоматически копировать в буфер обмена</translation>
    </message>
    <message>
        <source>time limit for one line, seconds (0: none)</source>
        <translation>предельное время вычисления строки, секунд (0: без предела)</translation>
    </message>
</context>
<context>
    <name>vr::LoadedFunctionsDialog</name>
    <message>
        <source>Loaded functions</source>
        <translation>Загруженные функции</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>No function is loaded</source>
        <translation>Ни одной функции не загружено</translation>
    </message>
</context>
<context>
    <name>vr::PreferencesSheet</name>
    <message>
        <source> Preferences</source>
        <translation>  Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Start &amp;&amp; exit</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Results representation</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>vr::ResultsPage</name>
    <message>
        <source>  Number format  </source>
        <translation>  Формат числа  </translation>
    </message>
    <message>
        <source>exponential</source>
        <translation>экспоненциальный</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>фиксированный</translation>
    </message>
    <message>
        <source>  Precision  </source>
        <translation>  Точность  </translation>
    </message>
    <message>
        <source>decimal digits</source>
        <translation>цифр  </translation>
    </message>
    <message>
        <source>  Date format  </source>
        <translation>  Формат даты  </translation>
    </message>
</context>
<context>
    <name>vr::StartExitPage</name>
    <message>
        <source>start when the desktop session starts</source>
        <translation>запускать при входе в систему</translation>
    </message>
    <message>
        <source>start minimized</source>
        <translation>запускать свернутым</translation>
    </message>
    <message>
        <source>close button operates as minimize one</source>
        <translation>кнопка закрыть работает как свернуть</translation>
    </message>
    <message>
        <source>  Save on exit  </source>
        <translation>  Сохранять при выходе  </translation>
    </message>
    <message>
        <source>variables</source>
        <translation>переменные</translation>
    </message>
    <message>
        <source>expressions</source>
        <translation>выражения</translation>
    </message>
    <message>
        <source>window size and position</source>
        <translation>позицию главного окна</translation>
    </message>
</context>
<context>
    <name>vr::VariablesDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Десятичное</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Шестнадцатеричное</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Complex</source>
        <translation>Комплексное</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Дробь</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Список переменных</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип числа</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Delete variable</source>
        <translation>&amp;Удалить переменную</translation>
    </message>
    <message>
        <source>Delete &amp;all variables</source>
        <translation>У&amp;далить все переменные</translation>
    </message>
    <message>
        <source>Do you really want to delete the variable?</source>
        <translation>Вы действительно желаете удалить переменную?</translation>
    </message>
    <message>
        <source>Are you sure to delete all variables?</source>
        <translation>Вы действительно желаете удалить все переменные?</translation>
    </message>
</context>
</TS>
