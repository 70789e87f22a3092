<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EmulatorArgs</name>
    <message>
        <source>-windowsize is missing its size, such as 480x800; using %1x%2.</source>
        <translation>-windowsize fehlt die Größe, etwa 480x800; es wird %1x%2 verwendet.</translation>
    </message>
    <message>
        <source>-windowsize &quot;%1&quot; is not a size WIDTHxHEIGHT with each side from 1 to %2; using %3x%4.</source>
        <translation>-windowsize „%1“ ist keine Größe BREITExHÖHE mit Seiten von 1 bis %2; es wird %3x%4 verwendet.</translation>
    </message>
    <message>
        <source>-ppi is missing its pixel density, such as 240; using %1 ppi.</source>
        <translation>-ppi fehlt die Pixeldichte, etwa 240; es wird %1 ppi verwendet.</translation>
    </message>
    <message>
        <source>-ppi &quot;%1&quot; is not a pixel density from 1 to %2; using %3 ppi.</source>
        <translation>-ppi „%1“ ist keine Pixeldichte von 1 bis %2; es wird %3 ppi verwendet.</translation>
    </message>
</context>
<context>
    <name>EmulatorWindow</name>
    <message>
        <source>Zelvane emulator stand-in</source>
        <translation>Platzhalter für den Zelvane Emulator</translation>
    </message>
    <message>
        <source>Zelvane Emulator (stand-in)</source>
        <translation>Zelvane Emulator (Platzhalter)</translation>
    </message>
    <message>
        <source>This program stands in for the real Zelvane emulator and only shows what it was started with. To use the real emulator, put it in place of %1.</source>
        <translation>Dieses Programm steht für den echten Zelvane Emulator und zeigt nur, womit es gestartet wurde. Um den echten Emulator zu verwenden, legen Sie ihn an die Stelle von %1.</translation>
    </message>
    <message>
        <source>Window size:</source>
        <translation>Fenstergröße:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>Pixel density:</source>
        <translation>Pixeldichte:</translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation>%1 ppi</translation>
    </message>
    <message numerus="yes">
        <source>Arguments received (%n), one per line:</source>
        <translation>
            <numerusform>Empfangenes Argument (%n), eines pro Zeile:</numerusform>
            <numerusform>Empfangene Argumente (%n), eines pro Zeile:</numerusform>
        </translation>
    </message>
</context>
</TS>
