<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>CopyrightBase</source>
        <translation>Kelvora AIS Class B Configuration is the setup and service tool for Kelvora AIS Class B transponders. Connected to a transponder's USB serial port, it reads and programs the transponder's configuration, shows its GPS status, its diagnostics, the AIS targets it receives and the data it sends, writes a configuration summary and configures its Wi-Fi module.

Copyright © Kelvora. All rights reserved. This program is provided as is, without warranty of any kind.</translation>
    </message>
    <message>
        <source>CopyrightQt</source>
        <translation>This program uses the Qt 5 libraries (Qt Core, Qt GUI, Qt Widgets, Qt Network and Qt Serial Port), copyright © The Qt Company Ltd. and other contributors, under the terms of the GNU Lesser General Public License version 3 (LGPL v3). The Qt libraries are linked dynamically and may be replaced with a compatible version of your own. The licence text is available at https://www.gnu.org/licenses/lgpl-3.0.html and the source code of Qt at https://download.qt.io/.</translation>
    </message>
</context>
</TS>
