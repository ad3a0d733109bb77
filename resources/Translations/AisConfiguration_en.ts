<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>DisconnectTip</source>
        <translation>Click to connect the device!</translation>
    </message>
    <message>
        <source>ConnectCheckTip</source>
        <translation>Determining the AIS Device Type...</translation>
    </message>
    <message>
        <source>InvalidShipNameTip</source>
        <translation>The field “Ship's Name” cannot be left blank</translation>
    </message>
    <message>
        <source>InvalidCallSignTip</source>
        <translation>The field “Call Sign” cannot be left blank</translation>
    </message>
    <message>
        <source>InvalidMMSITip</source>
        <translation>The entered MMSI is not in the valid range</translation>
    </message>
    <message>
        <source>DeviceConfirm</source>
        <translation>Save settings to device?</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source> - IN USE</source>
        <translation> - IN USE</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>More...</translation>
    </message>
    <message>
        <source>Hide...</source>
        <translation>Hide...</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Start Log</source>
        <translation>Start Log</translation>
    </message>
    <message>
        <source>Stop Log</source>
        <translation>Stop Log</translation>
    </message>
    <message>
        <source>The selected serial port is not available.
Please choose a port and connect again.</source>
        <translation>The selected serial port is not available.
Please choose a port and connect again.</translation>
    </message>
    <message>
        <source>Maritime Mobile Service Identity (MMSI)</source>
        <translation>Maritime Mobile Service Identity (MMSI)</translation>
    </message>
    <message>
        <source>MMSI - A unique nine digit number that identifies a particular ship or shore station.

The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</source>
        <translation>MMSI - A unique nine digit number that identifies a particular ship or shore station.

The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</translation>
    </message>
    <message>
        <source>Altitude higher than 500m</source>
        <translation>Altitude higher than 500m</translation>
    </message>
    <message>
        <source>At sea level</source>
        <translation>At sea level</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Ship's Name</source>
        <translation>Ship's Name</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <translation>Call Sign</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>Report Age</source>
        <translation>Report Age</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Access Point</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Auto Select</source>
        <translation>Auto Select</translation>
    </message>
    <message>
        <source>The wireless network must have a name(SSID).</source>
        <translation>The wireless network must have a name(SSID).</translation>
    </message>
    <message>
        <source>Invalid password format.
</source>
        <translation>Invalid password format.
</translation>
    </message>
    <message>
        <source>Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.</source>
        <translation>Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.</translation>
    </message>
    <message>
        <source>Invalid channel.</source>
        <translation>Invalid channel.</translation>
    </message>
    <message>
        <source>Invalid IP address.</source>
        <translation>Invalid IP address.</translation>
    </message>
    <message>
        <source>Invalid subnet mask.</source>
        <translation>Invalid subnet mask.</translation>
    </message>
    <message>
        <source>Invalid port value.
The port range is from 0 to 65535.</source>
        <translation>Invalid port value.
The port range is from 0 to 65535.</translation>
    </message>
    <message>
        <source>InValid Wi-Fi</source>
        <translation>InValid Wi-Fi</translation>
    </message>
    <message>
        <source>Applying Wi-Fi setting.
Please wait a moment.</source>
        <translation>Applying Wi-Fi setting.
Please wait a moment.</translation>
    </message>
    <message>
        <source>Applying Wi-Fi setting.
Please wait around 1 minute.</source>
        <translation>Applying Wi-Fi setting.
Please wait around 1 minute.</translation>
    </message>
    <message>
        <source>Loading Wi-Fi setting...</source>
        <translation>Loading Wi-Fi setting...</translation>
    </message>
    <message>
        <source>Wi-Fi Configuration</source>
        <translation>Wi-Fi Configuration</translation>
    </message>
    <message>
        <source>Input Wi-Fi password</source>
        <translation>Input Wi-Fi password</translation>
    </message>
    <message>
        <source>Please input Wi-Fi password</source>
        <translation>Please input Wi-Fi password</translation>
    </message>
    <message>
        <source>Connect fail.
Please try again!</source>
        <translation>Connect fail.
Please try again!</translation>
    </message>
    <message>
        <source>Wi-Fi Factory Reset</source>
        <translation>Wi-Fi Factory Reset</translation>
    </message>
    <message>
        <source>Factory Wi-Fi setting will be applied restored.
DO you want to continue?</source>
        <translation>Factory Wi-Fi setting will be applied restored.
DO you want to continue?</translation>
    </message>
    <message>
        <source>You are about to switch to [Client] mode.
</source>
        <translation>You are about to switch to [Client] mode.
</translation>
    </message>
    <message>
        <source>You are about to switch to [Access Point] mode.
</source>
        <translation>You are about to switch to [Access Point] mode.
</translation>
    </message>
    <message>
        <source>Wi-Fi function will be enabled.
</source>
        <translation>Wi-Fi function will be enabled.
</translation>
    </message>
    <message>
        <source>Wi-Fi function will be disabled.
</source>
        <translation>Wi-Fi function will be disabled.
</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration.</source>
        <translation>Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration.</translation>
    </message>
    <message>
        <source>Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.</source>
        <translation>Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.</translation>
    </message>
    <message>
        <source>Wi-Fi setting is in progress!
Do you want to force the application to quit?</source>
        <translation>Wi-Fi setting is in progress!
Do you want to force the application to quit?</translation>
    </message>
    <message>
        <source>WiFi setting fail!
Please try again.</source>
        <translation>WiFi setting fail!
Please try again.</translation>
    </message>
    <message>
        <source>Wi-Fi Service</source>
        <translation>Wi-Fi Service</translation>
    </message>
    <message>
        <source>Program Wi-Fi Module</source>
        <translation>Program Wi-Fi Module</translation>
    </message>
    <message>
        <source>20 = WIG</source>
        <translation>20 = WIG</translation>
    </message>
    <message>
        <source>30 = Vessel-Fishing</source>
        <translation>30 = Vessel-Fishing</translation>
    </message>
    <message>
        <source>31 = Vessel-Towing</source>
        <translation>31 = Vessel-Towing</translation>
    </message>
    <message>
        <source>32 = Vessel-Tow&gt;200m,breadth&gt;25m</source>
        <translation>32 = Vessel-Tow&gt;200m,breadth&gt;25m</translation>
    </message>
    <message>
        <source>33 = Vessel-Dredge,Underwater OP</source>
        <translation>33 = Vessel-Dredge,Underwater OP</translation>
    </message>
    <message>
        <source>34 = Vessel-Diving OP</source>
        <translation>34 = Vessel-Diving OP</translation>
    </message>
    <message>
        <source>35 = Vessel-Military OP</source>
        <translation>35 = Vessel-Military OP</translation>
    </message>
    <message>
        <source>36 = Vessel-Sailing</source>
        <translation>36 = Vessel-Sailing</translation>
    </message>
    <message>
        <source>37 = Vessel-Pleasure craft</source>
        <translation>37 = Vessel-Pleasure craft</translation>
    </message>
    <message>
        <source>40 = HSC</source>
        <translation>40 = HSC</translation>
    </message>
    <message>
        <source>50 = Pilot vessel</source>
        <translation>50 = Pilot vessel</translation>
    </message>
    <message>
        <source>51 = Search &amp; rescue vessel</source>
        <translation>51 = Search &amp; rescue vessel</translation>
    </message>
    <message>
        <source>52 = Tug</source>
        <translation>52 = Tug</translation>
    </message>
    <message>
        <source>53 = Port tender</source>
        <translation>53 = Port tender</translation>
    </message>
    <message>
        <source>54 = Anti-pollution vessel</source>
        <translation>54 = Anti-pollution vessel</translation>
    </message>
    <message>
        <source>55 = Law enforcement vessel</source>
        <translation>55 = Law enforcement vessel</translation>
    </message>
    <message>
        <source>58 = Medical transport</source>
        <translation>58 = Medical transport</translation>
    </message>
    <message>
        <source>59 = Resolution 18(Mob-83)</source>
        <translation>59 = Resolution 18(Mob-83)</translation>
    </message>
    <message>
        <source>60 = Passenger ship</source>
        <translation>60 = Passenger ship</translation>
    </message>
    <message>
        <source>70 = Cargo ship</source>
        <translation>70 = Cargo ship</translation>
    </message>
    <message>
        <source>80 = Tanker</source>
        <translation>80 = Tanker</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AisConfiguration</name>
    <message>
        <source>Save Log File</source>
        <translation>Save Log File</translation>
    </message>
    <message>
        <source>Save Report File</source>
        <translation>Save Report File</translation>
    </message>
    <message>
        <source>Log Files(*.txt)</source>
        <translation>Log Files(*.txt)</translation>
    </message>
    <message>
        <source>The command is too long to send: %1 bytes, at most %2 bytes.</source>
        <translation>The command is too long to send: %1 bytes, at most %2 bytes.</translation>
    </message>
</context>
</TS>
