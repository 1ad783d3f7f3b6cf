<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DspMonitor</name>
    <message>
        <source>DSP Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XXXX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%vdB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After AGC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto notch output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denoiser uotput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before AF gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx AF out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S%v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxdB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD603 dac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxdB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mic input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After decimation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After noise gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After VOGAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx monitor out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx IF out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOGAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1db</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimFenster</name>
    <message>
        <source>Talvaro (Simulation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingeschaltet, der DSP laeuft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasten beim Einschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startet den DSP-Lader: Firmware direkt in den DSP laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach dem Warmstart 999: Parameter in den externen Eeprom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware und Parameter in den externen Eeprom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>995</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>996</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>997</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter zum PC senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Abbild vom PC empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Inhalt zum PC senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warmstart: der PIC laedt den DSP aus dem Eeprom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingangssignal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pegel am Antenneneingang; ganz links: kein Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler einspielen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Synchronisation (PIC antwortet &quot;z&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Echo bei Byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC verstummt nach Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitung trennen nach Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muell zwischen den Telegrammen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So schnell wie die echte Leitung (9600 Baud)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu verbinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine neue Leitung, nachdem sie getrennt wurde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Leitung %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine neue Leitung moeglich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter: %1 Werte empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl %1, Wert %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP geladen, Checksumme OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP geladen, ohne Checksumme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP geladen, Checksumme FALSCH (%1 empfangen, %2 berechnet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter: %1 Bytes gesendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes gesendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitung: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Lader bereit, die DSP-LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste #: wartet auf Firmware und Parameter, die LED-Anzeige erlischt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste 1: wartet auf die Parameter, die LED-Anzeige erlischt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>995: sendet die Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>996: wartet auf ein Eeprom-Abbild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>997: sendet den Eeprom-Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>999: Warmstart, der DSP laeuft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBm (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart: DSP laeuft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart: DSP-Lader, die DSP-LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart: PIC, die LED-Anzeige ist aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes Firmware und %2 Bytes Parameter geschrieben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes Parameter geschrieben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes geschrieben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitung getrennt - &quot;Neu verbinden&quot; gibt eine neue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Lader: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Lader: %1 Bytes empfangen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>Talvaro (Simulation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bedienfeld des simulierten Talvaro zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: neue Leitung %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferStatus</name>
    <message>
        <source>Abgebrochen nach %1 von %2 Bytes (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen bei %1 von %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fertig: %1 von %2 Bytes in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fertig: %1 von %2 in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, wartet auf den Talvaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 Bytes/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Noch %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>odlg</name>
    <message>
        <source>Verzeichnis der Vesk-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateisauswahl</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Software (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten-Dateien der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD603 DAC-Anpassung DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD603-Daten (*.dat *.DAT);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Paramter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standart-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX-Equalizer der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateisauswahl RX-Equalizer</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Daten (*.dat *.DAT);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX-Equalizer der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateisauswahl TX-Equalizer</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Meter Kalibrierung DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testfirmware fuer den DSP</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS232-Serielle Schnittstelle</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle: </source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten -&gt; PIC WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten -&gt; DSP WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter -&gt; DSP WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro HW%1</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <comment>Option Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzeichnisauswahl</source>
        <comment>Option</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel</name>
    <message>
        <source>Speichern fehlgeschlagen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter-File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zeilen geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmsegment bei 0000 hat nur %1 Worte: ein Datensatz nach 3FC0, kein zweiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Char im buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksumme </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Sicherung unvollstaendig: Datei &quot;%1&quot; enthaelt %2 von %3 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden DSP-FW direkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-FW+Parameter werden direkt in den DSP Talvaro geladen.&lt;/b&gt;&lt;br&gt;Die Daten werden fuer den DSP benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Talvaro ausschalten&lt;br&gt;3. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste 0&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die PIC-Firmware startet sofort.&lt;br&gt;5. Die DSP-LED blinkt und der DSP kann geladen werden.&lt;br&gt;6. &quot;OK&quot; am PC druecken.&lt;br&gt;&lt;br&gt;Nach dem Laden meldet sich der DSP-Baustein mit einem &quot;HI&quot;&lt;br&gt;aus dem Lautsprecher (in CW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden DSP-Test-FW direkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Die Testsoftware wird direkt in den DSP Talvaro geladen.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste 0&quot;&lt;/b&gt; druecken&lt;br&gt;3. Die PIC-Firmware startet sofort.&lt;br&gt;4. Die DSP-LED blinkt und der DSP kann geladen werden.&lt;br&gt;5. &quot;OK&quot; am PC druecken.&lt;br&gt;&lt;br&gt;Nachdem die Software geladen ist, ist die Sprache vom Mikrofon &lt;br&gt;in einem der beiden Ausgabekanaele des DSPs zu hoeren. Damit &lt;br&gt;kann der digitale Weg der NF getestet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden DSP-FW in PIC ext. Eeprom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-FW+Parameter werden in den externen Eeprom des Tesso geladen.&lt;/b&gt;&lt;br&gt;Die Daten werden fuer den Warmstart bei POWER ON benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Talvaro ausschalten&lt;br&gt;3. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste #&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die LED-Anzeige erlischt.&lt;br&gt;5. Anschliessend am PC in diesem Dialog &quot;OK&quot; druecken&lt;br&gt;6. Das Laden der Firmware+Parameter in den ext. Eeprom beginnt!&lt;br&gt;&lt;br&gt;Die Daten werden in den externen Eeprom der Tesso-Baugruppe geladen und&lt;br&gt;sofort wieder als Kontrolle gelesen und verglichen.&lt;br&gt;Tritt ein Fehler auf wird das Laden sofort abgebrochen!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden Parameter in PIC ext. Eeprom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-Parameter werden in den externen Eeprom der Tesso-Baugruppe geladen.&lt;/b&gt;&lt;br&gt;Die Parameter-Daten werden fuer die DSP-Firmware benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Die DSP-Firmware muss laufen. Ist das der Fall&lt;br&gt;2. Verbindung  &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;3. DDS-Kommando &quot;999&quot; eingeben. Warmstart des PIC erfolgt&lt;br&gt;4. Sofort nach &quot;Warmstart&quot; die &lt;b&gt;&quot;Taste 1&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die LED-Anzeige erlischt.&lt;br&gt;6. Anschliessend am PC in diesem Dialog &quot;OK&quot; druecken&lt;br&gt;7. Das Laden der Parameter in den ext. Eeprom beginnt!&lt;br&gt;&lt;br&gt;Die Daten werden in den externen Eeprom der PIC-Baugruppe geladen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Externen Eeprom SICHERN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Der Inhalt des externen Eeproms Talvaro(Quarnel) wird gesichert&lt;/b&gt;&lt;br&gt;Die Daten werden in die Datei &quot;exee.bin&quot; geschrieben.&lt;br&gt;&lt;br&gt;&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;997&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro beleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Der Inhalt des externen Eeproms Talvaro(Quarnel) wird restauriert&lt;/b&gt;&lt;br&gt;Die Daten werden von der Datei &quot;*.bin&quot; geladen und in den externen&lt;br&gt;Eeprom des Talvaro zurueckgespeichert.&lt;br&gt;&lt;br&gt;&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;996&quot;&lt;/b&gt; starten&lt;br&gt;3. Am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;4. Anschliessend die Binaerdatei Laden.&lt;br&gt;5. Der Talvaro beleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesen der Paramter vom Talvaro (Quarnel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Alle Parameter werden vom Talvaro(Quarnel) zum &lt;/b&gt;&lt;br&gt;&lt;b&gt;PC geladen und kann anschliessend in einer Datei &lt;/b&gt;&lt;br&gt;&lt;b&gt;im DPK-Format abgespeichernt werden.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Die Firmware muss laufen. Also normaler Betrieb.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;995&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro beleibt auf Empfang bis die Funktion &lt;br&gt;   beendet ist&lt;br&gt;5. Ist alles eingelesen wird sofort in das Parameter-Window &lt;br&gt;   gewechselt und das &quot;Speichern&quot; der Datei freigegeben.&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Die X-Parameter wurden geaendert!&lt;/b&gt;&lt;br&gt;Zuerst die X-Parameter SPEICHERN und alle Daten neu einlesen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; aus der Filterdatei nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Syncronisation!!!&lt;br&gt;&quot;x&quot; an PIC gesendet&lt;br&gt;&quot;%1&quot; vom PIC empfangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse %1 File:%2 Pic:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte-Nr:%1 zum Pic gesendet:%2Antwort vom Pic:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es laeuft bereits eine Uebertragung!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Verbindung zum Talvaro ist unterbrochen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die RS232 ist nicht offen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die RS232 ist nicht offen! Nichts gesendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 von %2 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung fuer %1: den Benutzer &quot;%2&quot; in die Gruppe &quot;%3&quot; aufnehmen (sudo usermod -aG %3 %2), dann ab- und wieder anmelden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; kann nicht geschrieben werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter mit %1 Worten: aufgeteilt in %2 Datensaetze zu hoechstens 255 Worten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter File Zeile %1: Vesk# %2 nicht in 0..99, uebersprungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die RS232 laesst sich nicht oeffnen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grundeinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ueber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ueber die Applikation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ueber &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro HW1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl des Talvaro1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro HW2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl des Talvaro2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro HW3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl des Talvaro3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vesk Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS232 readSettings()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro-Loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Diese Applikation dient der Aufbereitung&lt;br&gt;der DSP-Firmware des TRX-Talvaro&lt;/b&gt;&lt;br&gt;Es wird die HW von Ruvado und die&lt;br&gt;HW von Quarnel (LCD 4x20 Char)&lt;br&gt;unterstuetzt.&lt;br&gt;&lt;br&gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Datenempfang auf der RS232 defekt&lt;/B&gt;&lt;BR&gt;Es kommen vom Talvaro keine Daten zur Auswertung zum PC.&lt;br&gt; Eventuell ist die RS232 nicht angeschlossen oder&lt;br&gt; unterbrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler im Datentelegramm vom Talvaro&lt;/B&gt;&lt;BR&gt;Es wird ein Zeichen als Echo erwartet, welches aber&lt;br&gt; nicht kommt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler bei der ZF-Kalibrierung!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZF-Kalibrierung (AD603)</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABBRUCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pegelanzeige der Messungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Meter-Kalibrierung</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalibriereinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;29MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDS72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDS43</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDS23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDS79</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Dieser Programmteil dient der Kalibrierung des S-Meters&lt;/b&gt;&lt;br&gt;Pro Band sind zwei Kalibriermoeglichkeiten &quot;best Noisfloor&quot; und &quot;best IP3&quot;&lt;br&gt;Die Daten sind Inhalt der &quot;scal.dat&quot; Kalibrierdatei.&lt;br&gt;Zusaetlich befinden sich in der Datei 4 mal dB-Abweichungen &lt;br&gt;der DDS-Einstellungen &quot;72&quot; &quot;43&quot; &quot;23&quot; &quot;79&quot;.&lt;br&gt;Zum Kalibrieren benoetigen wir einen Signalgenaerator mit&lt;br&gt;regelbarer Amplitude und Frequenz.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Ist alles getan? &quot;WEITER&quot; druecken!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 1&lt;/b&gt;&lt;br&gt;Die DSP-Software muss funtionieren. Und der &quot;DDS-Paramter 6.5&quot;&lt;br&gt;&quot;S meter zero&quot; muss richtig eingestellt sein. Das wird am VESK&lt;br&gt;voher richtig eingestellt. Im naechsten Schritt werden die&lt;br&gt;Standartparameter geladen und die Kalibrierdatei.&lt;br&gt;&lt;br&gt;Verbinde die RS232 vom VESK mit dem PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEITER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Es werden die Dateien geladen und die Parameter in den DSP geladen.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;Die Anzeige der S-Meterdaten muesste OBEN zu sehne sein.&lt;br&gt;Jetzt &quot;50uV, -73dBm&quot; an den Eingang vom VESK anlegen und &lt;br&gt;pro Band die richtigen Werte ermitteln. Getrennt nach IP3 und NF.&lt;br&gt;Die Anzeige muss bei der richtigen Einstellung &lt;b&gt;&quot;56 dB&quot;&lt;/b&gt; anzeigen.&lt;br&gt;Sind alle Werte eingestellt kann die Kalibrierdatei abgespeichert werden!&lt;br&gt;Als Abschluss &lt;b&gt;&quot;SAVE Daten&quot;&lt;/b&gt; druecken!&lt;br&gt;Der DSP-Parameter &quot;S-Meter cal 6.4&quot; wird auf &quot;Value = 0&quot; gesetzt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 4&lt;/b&gt;&lt;br&gt;Die Kalibrierdatei wurde neu erzeugt.&lt;br&gt;Der DSP-Parameter &quot;S-Meter cal 6.4&quot; muss auf &quot;Value = 0&quot; gesetzt werden!&lt;br&gt;ENDE&lt;br&gt;&quot;WEITER&quot; druecken!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Dieser Programmteil dient der Kalibrierung&lt;br&gt;der Verstaerkung vom AD603 (im VESK ZF-Platine)&lt;/b&gt;&lt;br&gt;&lt;b&gt;es entsteht eine Datei mit  64 DAC Werten.&lt;/b&gt;&lt;br&gt;&lt;br&gt;Benutzt wird das 20m-Band fuer die Messungen.&lt;br&gt;Weiterhin brauchen wir einen Signalgenaerator mit regelbarer Amplitude.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;OK? &quot;WEITER&quot; druecken!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test der RS232 beide Wege&lt;/b&gt;&lt;br&gt;Das dauert etwas... Bitte warten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 9&lt;/b&gt;&lt;br&gt;&lt;b&gt;Ermittlung des Pegelbereiches vom AD603&lt;/b&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 1&lt;/b&gt;&lt;br&gt;Laden und Starten der letzten DSP-Softwarerelease in den VESK&lt;br&gt;Benutze den PC oder auch den PIC (Power ON)&lt;br&gt;&lt;br&gt;Schalte auf das 20m-Band ... und in den &quot;Best NF mode&quot;&lt;br&gt;&lt;br&gt;Dann verbinde die RS232-DSP mit dem RS232-PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Die Parameter fuer die Kalibrierung werden in den VESK geladen&lt;br&gt;Das dauert etwas... Bitte warten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Die Anzeige oberhalb muesste jetzt etwas anzeigen.&lt;br&gt;Du hoerst das Rauschen des Empfaengers&lt;br&gt;Eventuell kannst Du im Bereich &quot;DSP-Parameter&quot; die Lautstaerke reguliern&lt;br&gt;Anschliessend wieder hier an diese Stelle wechseln. &lt;br&gt;Ist keine Anzeige vorhanden &quot;ABBRECHEN&quot; und von vorn beginnen!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test der RS232 beide Wege&lt;/b&gt;&lt;br&gt;Ergebnis der RS232 Kontrolle: Es arbeiten beide Wege.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 4&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;RV1 Schleifer auf GND drehen&lt;br&gt;RV2 Schleifer auf R38/C40 drehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 5&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Einstellung RX 20m-Band und 3kHz Bandbreite.&lt;br&gt;RV1 langsam drehen bis zum Rauschmaximum&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen&lt;br&gt;Messung des Pegels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Rauschpegel betraegt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Bitte am RX-Eingang ein Signal anlegen. Den Pegel erhoehen bis&lt;br&gt;Die Anzeige zwischen 73dB und 80dB anzeigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Pegelmessung ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Pegelanzeige betraegt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegel ist zu niedrig!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegel ist zu hoch!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Die Verstaerkung des AD603 wird im naechsten Schritt &lt;br&gt;auf das Minimum reduziert. Mit dem Regler RV2 wird auf das &lt;br&gt;Minimum an der Pegelanzeige eingestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Die Verstaerkung des AD603 wurde auf das Minimum reduziert.&lt;br&gt;Jetzt mit dem Regler RV2 auf Minimum an der Pegelanzeige &lt;br&gt;einstellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegel in Minimumeinstellung wird gemessen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pegelmessung ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegel AD603 minimale Verstaerkung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Pegelbereich von 35db - 41dB ist OK. 39dB sind erreichbar,&lt;br&gt;aber mehr als 39dB ist besser.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegel AD603 maximale Verstaerkung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Pegelbereich des AD603 betraegt  :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;Im naechsten Schritt werden die 64 DAC Wandlerstufen &lt;br&gt;passend zum AD603 ermittelt&lt;/b&gt;&lt;br&gt;Die Messungen dauern etwa 1 Minute!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der 64 DAC Wandlerstufen passend zum AD603&lt;/b&gt;&lt;br&gt;Messung laeuft ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 11&lt;/b&gt;&lt;br&gt;Alle Messungen sind komplett&lt;br&gt;Im naechsten Schritt wird die neue Datei zusammengestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;Speichern der Datei AD603.dat&lt;/b&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;Datei AD603.dat wurde ersetzt&lt;/b&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Erfolgreich Abgeschlossen&lt;/b&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Fil.6.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Fil.6.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 QRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 A-Notch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 QSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 CW Spot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 RF Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX-Equalizer</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equalizer RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX-Datei laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum &quot;Vesk&quot; direkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX-Equalizer</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equalizer TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX-Datei laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(x100Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-90dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einzelwert gesendet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX Equalizer in DSP laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX Equalizer in DSP laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONLINE mit VESK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-FW Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-FW in PIC Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter -&gt; VESK (Ruvado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensatz nicht vollstaendig geladen - nichts gesendet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buffer2dsp() Fertig!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameter2dsp() Fertig!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buffer2pic_alt() Fertig!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameter2pic_alt() Fertig!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binaerdatei (*.bin *.BIN);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExEeprominhalt Speichern</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExEeprom in Datei Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Sicherung: nach %1 von %2 Bytes nichts gespeichert, Datei &quot;%3&quot; unveraendert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Sicherung: %1 Bytes in Datei &quot;%2&quot; gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExEeprominhalt restaurieren</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten in externen Eeprom Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom-Wiederherstellung: %1 Bytes aus Datei &quot;%2&quot; gesendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Firmware</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro (Ruvado + Quarnel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direkt zum DSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten + Parameter zum PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur Parameter zum PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvaro (nur Quarnel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom Sicherung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eeprom Wiederherstellung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Vesk -&gt; PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl direkt zum DSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Befehl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testprogramm zum DSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testsoftware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-Parameter</source>
        <comment>TabWindow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Parameter laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Parameter speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Denoiser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Noise Bl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 M-Notch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameterbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gruen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seitenband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSP-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER-Parameter Speichern</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Parameter Speichern</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Parameter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter-Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter in Datei Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter vom Vesk lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
