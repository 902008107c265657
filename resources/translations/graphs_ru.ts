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
</context>
</TS>
