<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>vr::GraphWindow</name>
    <message>
        <source>2D-graph</source>
        <translation>2D-график</translation>
    </message>
    <message>
        <source>3D-graph</source>
        <translation>3D-график</translation>
    </message>
    <message>
        <source>Polar plot</source>
        <translation>Полярные координаты</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Start x</source>
        <translation>Начальн. x</translation>
    </message>
    <message>
        <source>End x</source>
        <translation>Конечн. x</translation>
    </message>
    <message>
        <source>Start y</source>
        <translation>Начальн. y</translation>
    </message>
    <message>
        <source>End y</source>
        <translation>Конечн. y</translation>
    </message>
    <message>
        <source>Z-scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Z-shift</source>
        <translation>Сдвиг по z</translation>
    </message>
    <message>
        <source>Max. angle</source>
        <translation>Макс. угол</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Копировать рисунок</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Сохранить рисунок как...</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Сохранение рисунка</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Не удалось сохранить рисунок в %1:
%2</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Нет рисунка для сохранения.</translation>
    </message>
</context>
</TS>
