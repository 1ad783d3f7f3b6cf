<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DspMonitor</name>
    <message>
        <source>DSP Monitor</source>
        <translation>DSP Monitor</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>RX input</source>
        <translation>RX input</translation>
    </message>
    <message>
        <source>XXXX</source>
        <translation>XXXX</translation>
    </message>
    <message>
        <source>%vdB</source>
        <translation>%vdB</translation>
    </message>
    <message>
        <source>XX</source>
        <translation>XX</translation>
    </message>
    <message>
        <source>Noise blank</source>
        <translation>Noise blank</translation>
    </message>
    <message>
        <source>After Filter</source>
        <translation>After filter</translation>
    </message>
    <message>
        <source>After AGC</source>
        <translation>After AGC</translation>
    </message>
    <message>
        <source>Auto notch output</source>
        <translation>Auto notch output</translation>
    </message>
    <message>
        <source>Denoiser uotput</source>
        <translation>Denoiser output</translation>
    </message>
    <message>
        <source>Before AF gain</source>
        <translation>Before AF gain</translation>
    </message>
    <message>
        <source>Rx AF out</source>
        <translation>Rx AF out</translation>
    </message>
    <message>
        <source>Spike</source>
        <translation>Spike</translation>
    </message>
    <message>
        <source>Hang</source>
        <translation>Hang</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>S-Meter</source>
        <translation>S-meter</translation>
    </message>
    <message>
        <source>S%v</source>
        <translation>S%v</translation>
    </message>
    <message>
        <source>Sx</source>
        <translation>Sx</translation>
    </message>
    <message>
        <source>xxdB</source>
        <translation>xxdB</translation>
    </message>
    <message>
        <source>AD603 dac</source>
        <translation>AD603 dac</translation>
    </message>
    <message>
        <source>xx</source>
        <translation>xx</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>xxxdB</source>
        <translation>xxxdB</translation>
    </message>
    <message>
        <source>Mic input</source>
        <translation>Mic input</translation>
    </message>
    <message>
        <source>After decimation</source>
        <translation>After decimation</translation>
    </message>
    <message>
        <source>After noise gate</source>
        <translation>After noise gate</translation>
    </message>
    <message>
        <source>After filter</source>
        <translation>After filter</translation>
    </message>
    <message>
        <source>After VOGAD</source>
        <translation>After VOGAD</translation>
    </message>
    <message>
        <source>After Compression</source>
        <translation>After compression</translation>
    </message>
    <message>
        <source>Tx monitor out</source>
        <translation>Tx monitor out</translation>
    </message>
    <message>
        <source>Tx IF out</source>
        <translation>Tx IF out</translation>
    </message>
    <message>
        <source>Tx out</source>
        <translation>Tx out</translation>
    </message>
    <message>
        <source>VOGAD</source>
        <translation>VOGAD</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>+%1db</source>
        <translation>+%1db</translation>
    </message>
    <message>
        <source>S%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>%1db</source>
        <translation>%1db</translation>
    </message>
    <message>
        <source>Zeit [s]</source>
        <translation>Time [s]</translation>
    </message>
    <message>
        <source>Pegel [dB]</source>
        <translation>Level [dB]</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Monitorverlauf exportieren</source>
        <comment>FileDialog</comment>
        <translation>Export monitor history</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation>CSV files (*.csv);;All files (*.*)</translation>
    </message>
</context>
<context>
    <name>EepromVerlaufDialog</name>
    <message>
        <source>Sicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>vor Wiederherstellung</source>
        <translation>before restore</translation>
    </message>
    <message>
        <source>vor PIC-Download</source>
        <translation>before PIC download</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>vor dem Schreiben (uebernommen)</source>
        <translation>before a write (taken over)</translation>
    </message>
    <message>
        <source>Eeprom-Verlauf</source>
        <translation>EEPROM history</translation>
    </message>
    <message>
        <source>Zeit (UTC)</source>
        <translation>Time (UTC)</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Vollstaendig</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Herkunft</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Im Ordner zeigen</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein (Teil)</source>
        <translation>no (partial)</translation>
    </message>
    <message>
        <source>%1 (fehlt oder veraendert)</source>
        <translation>%1 (missing or changed)</translation>
    </message>
    <message>
        <source>Der Verlauf dieses Profils ist leer.</source>
        <translation>This profile&apos;s history is empty.</translation>
    </message>
    <message>
        <source>Zwei Zeilen waehlen zum Vergleichen, eine zum Wiederherstellen.</source>
        <translation>Select two rows to compare, one to restore.</translation>
    </message>
    <message>
        <source>A: %1</source>
        <translation>A: %1</translation>
    </message>
    <message>
        <source>B: %1</source>
        <translation>B: %1</translation>
    </message>
    <message>
        <source>Wiederhergestellt aus &quot;%1&quot;</source>
        <translation>Restored from &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
</context>
<context>
    <name>EqSeite</name>
    <message>
        <source>Equalizer RX</source>
        <translation>Equalizer RX</translation>
    </message>
    <message>
        <source>Equalizer TX</source>
        <translation>Equalizer TX</translation>
    </message>
    <message>
        <source>RX-Datei laden</source>
        <translation>Load RX file</translation>
    </message>
    <message>
        <source>TX-Datei laden</source>
        <translation>Load TX file</translation>
    </message>
    <message>
        <source>RX-Datei speichern</source>
        <translation>Save RX file</translation>
    </message>
    <message>
        <source>TX-Datei speichern</source>
        <translation>Save TX file</translation>
    </message>
    <message>
        <source>Zum &quot;Vesk&quot; direkt</source>
        <translation>Straight to the &quot;Vesk&quot;</translation>
    </message>
    <message>
        <source>(x100Hz)</source>
        <translation>(x100Hz)</translation>
    </message>
    <message>
        <source>%1dB</source>
        <translation>%1dB</translation>
    </message>
    <message>
        <source>-90dB</source>
        <translation>-90dB</translation>
    </message>
    <message>
        <source>Einzelwert gesendet!</source>
        <translation>Single value sent!</translation>
    </message>
    <message>
        <source>ONLINE mit VESK!</source>
        <translation>ONLINE with VESK!</translation>
    </message>
    <message>
        <source>RX-Equalizer</source>
        <translation>RX equalizer</translation>
    </message>
    <message>
        <source>TX-Equalizer</source>
        <translation>TX equalizer</translation>
    </message>
</context>
<context>
    <name>FirmwareSeite</name>
    <message>
        <source>Talvaro (Ruvado + Quarnel)</source>
        <translation>Talvaro (Ruvado and Quarnel)</translation>
    </message>
    <message>
        <source>Direkt zum DSP</source>
        <translation>Direct to DSP</translation>
    </message>
    <message>
        <source>Daten + Parameter zum PIC</source>
        <translation>Data + parameters to the PIC</translation>
    </message>
    <message>
        <source>Nur Parameter zum PIC</source>
        <translation>Only parameters to the PIC</translation>
    </message>
    <message>
        <source>Talvaro (nur Quarnel)</source>
        <translation>Talvaro (Quarnel only)</translation>
    </message>
    <message>
        <source>Eeprom Sicherung</source>
        <translation>EEPROM backup</translation>
    </message>
    <message>
        <source>Eeprom Wiederherstellung</source>
        <translation>EEPROM restore</translation>
    </message>
    <message>
        <source>Parameter Vesk -&gt; PC</source>
        <translation>Parameters Vesk -&gt; PC</translation>
    </message>
    <message>
        <source>Eeprom Vergleich</source>
        <translation>EEPROM Compare</translation>
    </message>
    <message>
        <source>Befehl direkt zum DSP</source>
        <translation>Command straight to the DSP</translation>
    </message>
    <message>
        <source>DSP-Befehl</source>
        <translation>DSP command</translation>
    </message>
    <message>
        <source>Testprogramm zum DSP</source>
        <translation>Test program to the DSP</translation>
    </message>
    <message>
        <source>Testsoftware</source>
        <translation>Test software</translation>
    </message>
</context>
<context>
    <name>ParameterSeite</name>
    <message>
        <source>Parameter laden</source>
        <translation>Load parameters</translation>
    </message>
    <message>
        <source>Parameter speichern</source>
        <translation>Save parameters</translation>
    </message>
    <message>
        <source>X-Parameter laden</source>
        <translation>Load X parameters</translation>
    </message>
    <message>
        <source>X-Parameter speichern</source>
        <translation>Save X parameters</translation>
    </message>
    <message>
        <source>DSP Monitor</source>
        <translation>DSP Monitor</translation>
    </message>
    <message>
        <source>1 Denoiser</source>
        <translation>1 Denoiser</translation>
    </message>
    <message>
        <source>2 Mute</source>
        <translation>2 Mute</translation>
    </message>
    <message>
        <source>3 Noise Bl.</source>
        <translation>3 Noise Bl.</translation>
    </message>
    <message>
        <source>4 A-Notch</source>
        <translation>4 A-Notch</translation>
    </message>
    <message>
        <source>5 M-Notch</source>
        <translation>5 M-Notch</translation>
    </message>
    <message>
        <source>6 Fil.6.2</source>
        <translation>6 Fil.6.2</translation>
    </message>
    <message>
        <source>7 VOX</source>
        <translation>7 VOX</translation>
    </message>
    <message>
        <source>9 RF Clip</source>
        <translation>9 RF Clip</translation>
    </message>
    <message>
        <source>Parameterbank</source>
        <translation>Parameter bank</translation>
    </message>
    <message>
        <source>Gruen</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Seitenband</source>
        <translation>Sideband</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>LSB</source>
        <translation>LSB</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>SSB</source>
        <translation>SSB</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>DSP-ID</source>
        <translation>DSP ID</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Vesk</source>
        <translation>Vesk</translation>
    </message>
    <message>
        <source>6 Fil.6.1</source>
        <translation>6 Fil.6.1</translation>
    </message>
    <message>
        <source>4 QRO</source>
        <translation>4 QRO</translation>
    </message>
    <message>
        <source>7 QSK</source>
        <translation>7 QSK</translation>
    </message>
    <message>
        <source>9 CW Spot</source>
        <translation>9 CW Spot</translation>
    </message>
    <message>
        <source>USER-Parameter Speichern</source>
        <comment>FileDialog</comment>
        <translation>Save USER parameters</translation>
    </message>
    <message>
        <source>Parameter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation>Parameters (*.dpk *.DPK);;All files (*.*)</translation>
    </message>
    <message>
        <source>X-Parameter Speichern</source>
        <comment>FileDialog</comment>
        <translation>Save X parameters</translation>
    </message>
    <message>
        <source>X-Parameter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation>X parameters (*.dpk *.DPK);;All files (*.*)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>X-Parameter</source>
        <translation>X parameters</translation>
    </message>
    <message>
        <source>Mit Talvaro vergleichen</source>
        <translation>Compare with the Talvaro</translation>
    </message>
</context>
<context>
    <name>ParameterVergleichDialog</name>
    <message>
        <source>SSB Gruen</source>
        <translation>SSB green</translation>
    </message>
    <message>
        <source>SSB Gelb</source>
        <translation>SSB yellow</translation>
    </message>
    <message>
        <source>SSB Rot</source>
        <translation>SSB red</translation>
    </message>
    <message>
        <source>CW Gruen</source>
        <translation>CW green</translation>
    </message>
    <message>
        <source>CW Gelb</source>
        <translation>CW yellow</translation>
    </message>
    <message>
        <source>CW Rot</source>
        <translation>CW red</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>User-Nummer</source>
        <translation>User number</translation>
    </message>
    <message>
        <source>vorhanden</source>
        <translation>present</translation>
    </message>
    <message>
        <source>Mit Talvaro vergleichen</source>
        <translation>Compare with the Talvaro</translation>
    </message>
    <message>
        <source>Die Parameter im Talvaro sind dieselben wie im Panel.</source>
        <translation>The parameters in the Talvaro are the same as in the panel.</translation>
    </message>
    <message>
        <source>%1 Unterschiede zwischen Panel und Talvaro:</source>
        <translation>%1 differences between the panel and the Talvaro:</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Talvaro</source>
        <translation>Talvaro</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Werte des Talvaro uebernehmen</source>
        <translation>Take the Talvaro&apos;s values</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SimFenster</name>
    <message>
        <source>Talvaro (Simulation)</source>
        <translation>Talvaro (simulation)</translation>
    </message>
    <message>
        <source>Eingeschaltet, der DSP laeuft</source>
        <translation>Switched on, the DSP is running</translation>
    </message>
    <message>
        <source>Tasten beim Einschalten</source>
        <translation>Keys at power-on</translation>
    </message>
    <message>
        <source>Taste 0</source>
        <translation>Key 0</translation>
    </message>
    <message>
        <source>Taste 1</source>
        <translation>Key 1</translation>
    </message>
    <message>
        <source>Taste #</source>
        <translation>Key #</translation>
    </message>
    <message>
        <source>Startet den DSP-Lader: Firmware direkt in den DSP laden</source>
        <translation>Starts the DSP loader: firmware straight into the DSP</translation>
    </message>
    <message>
        <source>Nach dem Warmstart 999: Parameter in den externen Eeprom</source>
        <translation>After the warm start 999: parameters into the external EEPROM</translation>
    </message>
    <message>
        <source>Firmware und Parameter in den externen Eeprom</source>
        <translation>Firmware and parameters into the external EEPROM</translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>995</source>
        <translation>995</translation>
    </message>
    <message>
        <source>996</source>
        <translation>996</translation>
    </message>
    <message>
        <source>997</source>
        <translation>997</translation>
    </message>
    <message>
        <source>999</source>
        <translation>999</translation>
    </message>
    <message>
        <source>Parameter zum PC senden</source>
        <translation>Send the parameters to the PC</translation>
    </message>
    <message>
        <source>Eeprom-Abbild vom PC empfangen</source>
        <translation>Receive an EEPROM image from the PC</translation>
    </message>
    <message>
        <source>Eeprom-Inhalt zum PC senden</source>
        <translation>Send the EEPROM content to the PC</translation>
    </message>
    <message>
        <source>Warmstart: der PIC laedt den DSP aus dem Eeprom</source>
        <translation>Warm start: the PIC loads the DSP from the EEPROM</translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Eingangssignal</source>
        <translation>Input signal</translation>
    </message>
    <message>
        <source>Pegel am Antenneneingang; ganz links: kein Signal</source>
        <translation>Level at the antenna input; far left: no signal</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>Hang</source>
        <translation>Hang</translation>
    </message>
    <message>
        <source>Spike</source>
        <translation>Spike</translation>
    </message>
    <message>
        <source>Fehler einspielen</source>
        <translation>Inject faults</translation>
    </message>
    <message>
        <source>Keine Synchronisation (PIC antwortet &quot;z&quot;)</source>
        <translation>No synchronisation (PIC answers &quot;z&quot;)</translation>
    </message>
    <message>
        <source>Falsches Echo bei Byte</source>
        <translation>Wrong echo at byte</translation>
    </message>
    <message>
        <source>PIC verstummt nach Bytes</source>
        <translation>PIC falls silent after bytes</translation>
    </message>
    <message>
        <source>Leitung trennen nach Bytes</source>
        <translation>Drop the line after bytes</translation>
    </message>
    <message>
        <source>Muell zwischen den Telegrammen</source>
        <translation>Garbage between the telegrams</translation>
    </message>
    <message>
        <source>Leitung</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>So schnell wie die echte Leitung (9600 Baud)</source>
        <translation>As fast as the real line (9600 baud)</translation>
    </message>
    <message>
        <source>Neu verbinden</source>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Eine neue Leitung, nachdem sie getrennt wurde</source>
        <translation>A new line after it was dropped</translation>
    </message>
    <message>
        <source>Neue Leitung %1</source>
        <translation>New line %1</translation>
    </message>
    <message>
        <source>Keine neue Leitung moeglich</source>
        <translation>No new line possible</translation>
    </message>
    <message>
        <source>Parameter: %1 Werte empfangen</source>
        <translation>Parameters: %1 values received</translation>
    </message>
    <message>
        <source>Telegramme an</source>
        <translation>Telegrams on</translation>
    </message>
    <message>
        <source>Telegramme aus</source>
        <translation>Telegrams off</translation>
    </message>
    <message>
        <source>Befehl %1, Wert %2</source>
        <translation>Command %1, value %2</translation>
    </message>
    <message>
        <source>DSP geladen, Checksumme OK</source>
        <translation>DSP loaded, checksum OK</translation>
    </message>
    <message>
        <source>DSP geladen, ohne Checksumme</source>
        <translation>DSP loaded, without checksum</translation>
    </message>
    <message>
        <source>DSP geladen, Checksumme FALSCH (%1 empfangen, %2 berechnet)</source>
        <translation>DSP loaded, checksum WRONG (%1 received, %2 computed)</translation>
    </message>
    <message>
        <source>Parameter: %1 Bytes gesendet</source>
        <translation>Parameters: %1 bytes sent</translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes gesendet</source>
        <translation>EEPROM: %1 bytes sent</translation>
    </message>
    <message>
        <source>Leitung: %1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>DSP-Lader bereit, die DSP-LED blinkt</source>
        <translation>DSP loader ready, the DSP LED is flashing</translation>
    </message>
    <message>
        <source>Taste #: wartet auf Firmware und Parameter, die LED-Anzeige erlischt</source>
        <translation>Key #: waiting for firmware and parameters, the LED display goes dark</translation>
    </message>
    <message>
        <source>Taste 1: wartet auf die Parameter, die LED-Anzeige erlischt</source>
        <translation>Key 1: waiting for the parameters, the LED display goes dark</translation>
    </message>
    <message>
        <source>995: sendet die Parameter</source>
        <translation>995: sending the parameters</translation>
    </message>
    <message>
        <source>996: wartet auf ein Eeprom-Abbild</source>
        <translation>996: waiting for an EEPROM image</translation>
    </message>
    <message>
        <source>997: sendet den Eeprom-Inhalt</source>
        <translation>997: sending the EEPROM content</translation>
    </message>
    <message>
        <source>999: Warmstart, der DSP laeuft</source>
        <translation>999: warm start, the DSP is running</translation>
    </message>
    <message>
        <source>kein Signal</source>
        <translation>no signal</translation>
    </message>
    <message>
        <source>%1 dBm (%2)</source>
        <translation>%1 dBm (%2)</translation>
    </message>
    <message>
        <source>Betriebsart: DSP laeuft</source>
        <translation>Mode: DSP running</translation>
    </message>
    <message>
        <source>Betriebsart: DSP-Lader, die DSP-LED blinkt</source>
        <translation>Mode: DSP loader, the DSP LED is flashing</translation>
    </message>
    <message>
        <source>Betriebsart: PIC, die LED-Anzeige ist aus</source>
        <translation>Mode: PIC, the LED display is dark</translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes Firmware und %2 Bytes Parameter geschrieben</source>
        <translation>EEPROM: %1 bytes of firmware and %2 bytes of parameters written</translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes Parameter geschrieben</source>
        <translation>EEPROM: %1 bytes of parameters written</translation>
    </message>
    <message>
        <source>Eeprom: %1 Bytes geschrieben</source>
        <translation>EEPROM: %1 bytes written</translation>
    </message>
    <message>
        <source>Leitung getrennt - &quot;Neu verbinden&quot; gibt eine neue</source>
        <translation>Line dropped - &quot;Reconnect&quot; gives a new one</translation>
    </message>
    <message>
        <source>PIC: %1</source>
        <translation>PIC: %1</translation>
    </message>
    <message>
        <source>DSP-Lader: %1</source>
        <translation>DSP loader: %1</translation>
    </message>
    <message>
        <source>DSP-Lader: %1 Bytes empfangen</source>
        <translation>DSP loader: %1 bytes received</translation>
    </message>
    <message>
        <source>Erst die laufende Uebertragung abbrechen</source>
        <translation>First cancel the transfer under way</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>Talvaro (Simulation)</source>
        <translation>Talvaro (simulation)</translation>
    </message>
    <message>
        <source>Das Bedienfeld des simulierten Talvaro zeigen</source>
        <translation>Show the front panel of the simulated Talvaro</translation>
    </message>
    <message>
        <source>Simulation: neue Leitung %1</source>
        <translation>Simulation: new line %1</translation>
    </message>
    <message>
        <source>Simulation: der simulierte Talvaro haengt an %1</source>
        <translation>Simulation: the simulated Talvaro is on %1</translation>
    </message>
    <message>
        <source>Simulation: kein Beispieldatensatz gefunden - die Dateien von Profil 1 bitte unter &quot;Einstellungen&quot; waehlen</source>
        <translation>Simulation: no sample release found - please choose the files of profile 1 under &quot;Settings&quot;</translation>
    </message>
    <message>
        <source>Simulation: Profil 1 arbeitet mit einer Kopie des Beispieldatensatzes in %1</source>
        <translation>Simulation: profile 1 works on a copy of the sample release in %1</translation>
    </message>
</context>
<context>
    <name>SmKurve</name>
    <message>
        <source>Einstellung</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>NF</translation>
    </message>
    <message>
        <source>IP3</source>
        <translation>IP3</translation>
    </message>
    <message>
        <source>%1 (Datei)</source>
        <translation>%1 (file)</translation>
    </message>
</context>
<context>
    <name>TransferStatus</name>
    <message>
        <source>Abgebrochen nach %1 von %2 Bytes (%3)</source>
        <translation>Cancelled after %1 of %2 bytes (%3)</translation>
    </message>
    <message>
        <source>Fertig: %1 von %2 Bytes in %3</source>
        <translation>Done: %1 of %2 bytes in %3</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes</source>
        <translation>%1 of %2 bytes</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>, wartet auf den Talvaro</source>
        <translation>, waiting for the Talvaro</translation>
    </message>
    <message>
        <source>, %1 Bytes/s</source>
        <translation>, %1 bytes/s</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <translation>, %1/s</translation>
    </message>
    <message>
        <source>, Noch %1</source>
        <translation>, %1 left</translation>
    </message>
    <message>
        <source>Nichts gesendet: die RS232 ist nicht offen</source>
        <translation>Nothing sent: the RS232 is not open</translation>
    </message>
    <message>
        <source>Fehlgeschlagen nach %1 von %2 Bytes (%3)</source>
        <translation>Failed after %1 of %2 bytes (%3)</translation>
    </message>
</context>
<context>
    <name>odlg</name>
    <message>
        <source>Verzeichnis der Vesk-Software</source>
        <comment>Option Dialog</comment>
        <translation>Folder of the Vesk software</translation>
    </message>
    <message>
        <source>Datei der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>File of the DSP software</translation>
    </message>
    <message>
        <source>Dateisauswahl</source>
        <comment>Option</comment>
        <translation>File selection</translation>
    </message>
    <message>
        <source>DSP-Software (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation>DSP software (*.dpk *.DPK);;All files (*.*)</translation>
    </message>
    <message>
        <source>Daten-Dateien der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>Data files of the DSP software</translation>
    </message>
    <message>
        <source>DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation>DSP data (*.dpk *.DPK);;All files (*.*)</translation>
    </message>
    <message>
        <source>AD603 DAC-Anpassung DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>AD603 DAC adjustment of the DSP software</translation>
    </message>
    <message>
        <source>AD603-Daten (*.dat *.DAT);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation>AD603 data (*.dat *.DAT);;All files (*.*)</translation>
    </message>
    <message>
        <source>User-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>User parameters of the DSP software</translation>
    </message>
    <message>
        <source>X-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>X parameters of the DSP software</translation>
    </message>
    <message>
        <source>X-Paramter (*.dpk *.DPK);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation>X parameters (*.dpk *.DPK);;All files (*.*)</translation>
    </message>
    <message>
        <source>Standart-Parameter der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>Standard parameters of the DSP software</translation>
    </message>
    <message>
        <source>RX-Equalizer der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>RX equalizer of the DSP software</translation>
    </message>
    <message>
        <source>Dateisauswahl RX-Equalizer</source>
        <comment>Option</comment>
        <translation>File selection RX equalizer</translation>
    </message>
    <message>
        <source>DSP-Daten (*.dat *.DAT);;Alle Dateien (*.*)</source>
        <comment>Option</comment>
        <translation>DSP data (*.dat *.DAT);;All files (*.*)</translation>
    </message>
    <message>
        <source>TX-Equalizer der DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>TX equalizer of the DSP software</translation>
    </message>
    <message>
        <source>Dateisauswahl TX-Equalizer</source>
        <comment>Option</comment>
        <translation>File selection TX equalizer</translation>
    </message>
    <message>
        <source>S-Meter Kalibrierung DSP-Software</source>
        <comment>Option Dialog</comment>
        <translation>S-meter calibration of the DSP software</translation>
    </message>
    <message>
        <source>Testfirmware fuer den DSP</source>
        <comment>Option Dialog</comment>
        <translation>Test firmware for the DSP</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <comment>Option Dialog</comment>
        <translation>Basic settings</translation>
    </message>
    <message>
        <source>RS232-Serielle Schnittstelle</source>
        <comment>Option Dialog</comment>
        <translation>RS232 serial interface</translation>
    </message>
    <message>
        <source>Schnittstelle: </source>
        <comment>Option Dialog</comment>
        <translation>Interface: </translation>
    </message>
    <message>
        <source>Daten -&gt; PIC WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation>Data -&gt; PIC write delay (ms): </translation>
    </message>
    <message>
        <source>Daten -&gt; DSP WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation>Data -&gt; DSP write delay (ms): </translation>
    </message>
    <message>
        <source>Parameter -&gt; DSP WriteDelay (mSek): </source>
        <comment>Option Dialog</comment>
        <translation>Parameters -&gt; DSP write delay (ms): </translation>
    </message>
    <message>
        <source>Talvaro HW%1</source>
        <comment>Option Dialog</comment>
        <translation>Talvaro HW%1</translation>
    </message>
    <message>
        <source>...</source>
        <comment>Option Dialog</comment>
        <translation>...</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Option Dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verzeichnisauswahl</source>
        <comment>Option</comment>
        <translation>Folder selection</translation>
    </message>
    <message>
        <source>Externer Eeprom (Talvaro nach Quarnel)</source>
        <comment>Option Dialog</comment>
        <translation>External EEPROM (Talvaro of the Quarnel design)</translation>
    </message>
    <message>
        <source>Nach dem Schreiben vergleichen</source>
        <comment>Option Dialog</comment>
        <translation>Compare after writing</translation>
    </message>
    <message>
        <source>Vor der Wiederherstellung sichern</source>
        <comment>Option Dialog</comment>
        <translation>Back up before restoring</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>Option Dialog</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <comment>Option Dialog</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Hersteller</source>
        <comment>Option Dialog</comment>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>USB-ID</source>
        <comment>Option Dialog</comment>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <comment>Option Dialog</comment>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Vom System gemeldet, ohne weitere Angaben</source>
        <comment>Option Dialog</comment>
        <translation>Reported by the system, nothing more known</translation>
    </message>
    <message>
        <source>Vom System nicht gemeldet</source>
        <comment>Option Dialog</comment>
        <translation>Not reported by the system</translation>
    </message>
    <message>
        <source>Vor dem PIC-Laden sichern</source>
        <comment>Option Dialog</comment>
        <translation>Back up before the PIC download</translation>
    </message>
    <message>
        <source>Geraet</source>
        <comment>Option Dialog</comment>
        <translation>Device</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <comment>Option Dialog</comment>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>talvaro-cli</name>
    <message>
        <source>Falscher Aufruf</source>
        <translation>Wrong call</translation>
    </message>
    <message>
        <source>Weiter mit Enter, sobald das am Talvaro geschehen ist (Strg+C bricht ab).</source>
        <translation>Press Enter once that is done at the Talvaro (Ctrl+C cancels).</translation>
    </message>
    <message>
        <source>Der Lauf wurde unterbrochen.</source>
        <translation>The run was interrupted.</translation>
    </message>
    <message>
        <source>Warnung: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>Keine Konfiguration &quot;%1&quot;: es gelten die Vorgaben, Dateinamen werden im Ordner &quot;%2&quot; gesucht.
Eine Konfiguration legt talvaro-loader an (Menue &quot;Einstellungen&quot;, Profil und Dateien waehlen, OK).</source>
        <translation>No configuration &quot;%1&quot;: the defaults apply, file names are looked up in the folder &quot;%2&quot;.
talvaro-loader makes a configuration (menu &quot;Settings&quot;, choose the profile and its files, OK).</translation>
    </message>
    <message>
        <source>Ohne Talvaro: talvaro-sim starten, dann talvaro-cli --config %1 --port PORT BEFEHL (PORT nennt talvaro-sim in der ersten Zeile).</source>
        <translation>Without a Talvaro: start talvaro-sim, then talvaro-cli --config %1 --port PORT COMMAND (talvaro-sim names PORT on its first line).</translation>
    </message>
    <message>
        <source>Ohne Talvaro: &quot;talvaro-loader --simulate&quot; legt beim ersten Start %1 an; mit talvaro-sim dann talvaro-cli --config %1 --port PORT BEFEHL.</source>
        <translation>Without a Talvaro: &quot;talvaro-loader --simulate&quot; makes %1 when first started; then, with talvaro-sim, talvaro-cli --config %1 --port PORT COMMAND.</translation>
    </message>
    <message>
        <source>Teilsicherung: %1 von %2 Bytes in Datei &quot;%3&quot;</source>
        <translation>Partial backup: %1 of %2 bytes in file &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Das System meldet keine seriellen Ports.</source>
        <translation>The system reports no serial ports.</translation>
    </message>
    <message>
        <source>Das System meldet diese seriellen Ports:</source>
        <translation>The system reports these serial ports:</translation>
    </message>
    <message>
        <source>Die Ausgabe kann nicht geschrieben werden!</source>
        <translation>The output cannot be written!</translation>
    </message>
    <message>
        <source>&quot;params-send&quot; braucht --mode und --bank</source>
        <translation>&quot;params-send&quot; needs --mode and --bank</translation>
    </message>
    <message>
        <source>&quot;command&quot; nimmt ganze Zahlen, nicht &quot;%1&quot;</source>
        <translation>&quot;command&quot; takes whole numbers, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;eq-send&quot; nimmt rx oder tx, nicht &quot;%1&quot;</source>
        <translation>&quot;eq-send&quot; takes rx or tx, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2% %3/%4 %5, %6 %5/s, noch %7</source>
        <translation>%1: %2% %3/%4 %5, %6 %5/s, %7 left</translation>
    </message>
    <message>
        <source>Aufruf: talvaro-cli --help zeigt alle Befehle</source>
        <translation>Usage: talvaro-cli --help lists every command</translation>
    </message>
    <message>
        <source>--profile nimmt 1, 2 oder 3, nicht &quot;%1&quot;</source>
        <translation>--profile takes 1, 2 or 3, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--mode nimmt ssb oder cw, nicht &quot;%1&quot;</source>
        <translation>--mode takes ssb or cw, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--bank nimmt gruen, gelb oder rot, nicht &quot;%1&quot;</source>
        <translation>--bank takes gruen, gelb or rot, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--count nimmt eine Zahl ab 1, nicht &quot;%1&quot;</source>
        <translation>--count takes a number from 1, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unbekannter Befehl &quot;%1&quot;</source>
        <translation>Unknown command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Option --%1 gibt es fuer &quot;%2&quot; nicht</source>
        <translation>&quot;%2&quot; has no option --%1</translation>
    </message>
    <message>
        <source>Unbekannte Option --%1</source>
        <translation>Unknown option --%1</translation>
    </message>
    <message>
        <source>Option --%1 braucht einen Wert</source>
        <translation>Option --%1 needs a value</translation>
    </message>
    <message>
        <source>Option --%1 nimmt keinen Wert</source>
        <translation>Option --%1 takes no value</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>&quot;%1&quot; nimmt %2 Argument(e), nicht %3</source>
        <translation>&quot;%1&quot; takes %2 argument(s), not %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: leerer Dateiname</source>
        <translation>&quot;%1&quot;: empty file name</translation>
    </message>
    <message>
        <source>nur den Parameterblock schreiben, nicht das Image</source>
        <translation>write only the parameter block, not the image</translation>
    </message>
    <message>
        <source>vor dem ersten geschriebenen Byte den Eeprom-Inhalt
(Funktion 997) in ~/vantrel/sicherungen sichern;
misslingt das, wird nichts geschrieben</source>
        <translation>before the first byte is written, save the EEPROM contents
(function 997) in ~/vantrel/sicherungen; if that fails,
nothing is written</translation>
    </message>
    <message>
        <source>nach dem Schreiben den Eeprom-Inhalt (Funktion 997)
empfangen und mit der Datei vergleichen</source>
        <translation>after writing, receive the EEPROM contents (function 997)
and compare them with the file</translation>
    </message>
    <message>
        <source>die Betriebsart der Spalte</source>
        <translation>the mode of the column</translation>
    </message>
    <message>
        <source>die Bank der Spalte</source>
        <translation>the bank of the column</translation>
    </message>
    <message>
        <source>nach N Telegrammen enden (ohne: bis Strg-C)</source>
        <translation>end after N telegrams (without: until Ctrl-C)</translation>
    </message>
    <message>
        <source>das Download-Image des Profils bauen (Firmware, Filter,
Pruefsummen-Record) und in AUS.bin schreiben</source>
        <translation>build the profile&apos;s download image (firmware, filters,
checksum record) and write it to OUT.bin</translation>
    </message>
    <message>
        <source>dasselbe fuer die Testfirmware des Profils (Firmware und
Pruefsumme)</source>
        <translation>the same for the profile&apos;s test firmware (firmware and
checksum)</translation>
    </message>
    <message>
        <source>den Datensatz laden, zum DSP-Lader senden, dann die
Benutzerparameter (SSB, Gruen)</source>
        <translation>load the data set, send it to the DSP loader, then the
user parameters (SSB, green)</translation>
    </message>
    <message>
        <source>die Testfirmware zum DSP-Lader senden</source>
        <translation>send the test firmware to the DSP loader</translation>
    </message>
    <message>
        <source>Handshake und Image mit Echo-Pruefung in den Eeprom, dann
der Parameterblock (oder nur der Block)</source>
        <translation>handshake and the image with echo check into the EEPROM, then
the parameter block (or only the block)</translation>
    </message>
    <message>
        <source>den Eeprom-Inhalt (65536 Bytes, Funktion 997) empfangen</source>
        <translation>receive the EEPROM contents (65536 bytes, function 997)</translation>
    </message>
    <message>
        <source>Handshake und Schreiben der Datei mit Echo-Pruefung
(Funktion 996)</source>
        <translation>handshake and writing the file with echo check
(function 996)</translation>
    </message>
    <message>
        <source>den Eeprom-Inhalt (Funktion 997) empfangen und mit der Datei
vergleichen; nichts wird geschrieben (Exit 1, wenn sie sich
unterscheiden)</source>
        <translation>receive the EEPROM contents (function 997) and compare them
with the file; nothing is written (exit 1 when they
differ)</translation>
    </message>
    <message>
        <source>zwei Eeprom-Abzuege als Adressbereiche vergleichen (Exit 0 gleich,
1 verschieden, 2 eine Datei nicht lesbar)</source>
        <translation>compare two EEPROM dumps as address ranges (exit 0 equal,
1 different, 2 a file that cannot be read)</translation>
    </message>
    <message>
        <source>die Eeprom-Abzuege des Profils, neueste zuerst: Zeit, Groesse,
ganz oder teilweise, SHA-256, Herkunft, Datei (--json: ein
JSON-Array auf stdout)</source>
        <translation>the profile&apos;s EEPROM dumps, newest first: time, size,
complete or partial, SHA-256, origin, file (--json: one
JSON array on stdout)</translation>
    </message>
    <message>
        <source>diese Spalte der Benutzerparameter des Profils senden</source>
        <translation>send this column of the profile&apos;s user parameters</translation>
    </message>
    <message>
        <source>den Parameterbereich (Funktion 995) auf die Benutzerparameter
des Profils empfangen und als Benutzerparameterdatei schreiben</source>
        <translation>receive the parameter area (function 995) onto the profile&apos;s
user parameters and write it as a user parameter file</translation>
    </message>
    <message>
        <source>den Parameterbereich (Funktion 995) empfangen und Feld fuer Feld
mit der Parameterdatei vergleichen; nichts wird geschrieben
(Exit 1, wenn sie sich unterscheiden)</source>
        <translation>receive the parameter area (function 995) and compare it field
by field with the parameter file; nothing is written
(exit 1 when they differ)</translation>
    </message>
    <message>
        <source>die Equalizer-Kurve des Profils als Ganzes senden</source>
        <translation>send the profile&apos;s equalizer curve as a whole</translation>
    </message>
    <message>
        <source>ein Befehlsrahmen (die unteren 8 Bit von beiden, wie der Knopf
&quot;DSP-Befehl&quot;)</source>
        <translation>one command frame (the lower 8 bits of both, as the button
&quot;DSP command&quot;)</translation>
    </message>
    <message>
        <source>die Telegramme einschalten, N dekodierte Telegramme ausgeben,
wieder ausschalten (ohne --count: bis zur Unterbrechung)</source>
        <translation>switch the telegrams on, print N decoded telegrams,
switch them off (without --count: until interrupted)</translation>
    </message>
    <message>
        <source>die seriellen Ports des Systems, einer je Zeile: Name,
Beschreibung, Hersteller, USB-IDs, Seriennummer (--json: ein
JSON-Array auf stdout)</source>
        <translation>the system&apos;s serial ports, one a line: name,
description, manufacturer, USB ids, serial number (--json: one
JSON array on stdout)</translation>
    </message>
    <message>
        <source>Aufruf: talvaro-cli [globale Optionen] %1</source>
        <translation>Usage: talvaro-cli [global options] %1</translation>
    </message>
    <message>
        <source>%1 wird gelesen.</source>
        <translation>%1 is read.</translation>
    </message>
    <message>
        <source>%1 wird geschrieben, nie an Stelle einer Datei, die der Lauf liest.</source>
        <translation>%1 is written, never in place of a file the run reads.</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Die globalen Optionen zeigt talvaro-cli --help.</source>
        <translation>talvaro-cli --help shows the global options.</translation>
    </message>
    <message>
        <source>Aufruf: talvaro-cli [--config DATEI] [--profile 1|2|3] [--port NAME] [--quiet]
                    [--json] [--trace DATEI] BEFEHL ...
        talvaro-cli BEFEHL --help
        talvaro-cli --help | --version

Befehle:
</source>
        <translation>Usage: talvaro-cli [--config FILE] [--profile 1|2|3] [--port NAME] [--quiet]
                   [--json] [--trace FILE] COMMAND ...
       talvaro-cli COMMAND --help
       talvaro-cli --help | --version

Commands:
</translation>
    </message>
    <message>
        <source>
Die Konfiguration ist ~/vantrel/vantrel.cfg, wenn --config keine andere nennt; die
Dateinamen darin gelten relativ zu ihrem Ordner. Log-Zeilen gehen nach stdout, der
Fortschritt nach stderr (--json: Fortschritt und Ergebnis als JSON-Zeilen).
Ein Port, der sich nicht oeffnet, wird mit dem Grund genannt (fehlt, kein serielles
Geraet, keine Berechtigung, von einem anderen Programm belegt), gefolgt von den Ports
des Systems. Eine Ausgabe oder ein Trace, der eine Datei ist, die der Lauf liest,
wird abgelehnt.
Exit-Status: 0 fertig, 1 Geraet oder Leitung gestoert oder der Lauf unterbrochen,
2 Aufruf, oder eine Datei, die nicht gelesen oder geschrieben werden kann.

--backup-first: vor dem ersten geschriebenen Byte den Eeprom-Inhalt (Funktion 997)
empfangen und in ~/vantrel/sicherungen behalten; misslingt das, wird nichts
geschrieben. --verify: nach dem Schreiben den Eeprom-Inhalt empfangen und mit der
Datei vergleichen. Beide sind auch an, wenn die Konfiguration es sagt (die Schalter
des Optionen-Dialogs).

Ohne Talvaro: talvaro-sim starten (die erste Zeile nennt den Port) und
talvaro-cli --config ~/vantrel/vantrel-sim.cfg --port PORT BEFEHL ...
(die Datei legt &quot;talvaro-loader --simulate&quot; beim ersten Start an).
</source>
        <translation>
The configuration is ~/vantrel/vantrel.cfg unless --config names another; the file
names in it are relative to its folder. Log lines go to stdout, the progress to
stderr (--json: progress and result as JSON lines).
A port that does not open is named with the reason (missing, no serial device, no
permission, held by another program), followed by the ports the system reports.
An output or a trace that is a file the run reads is refused.
Exit status: 0 done, 1 device or line failed or the run interrupted, 2 usage, or a
file that cannot be read or written.

--backup-first: before the first byte is written, receive the EEPROM contents
(function 997) and keep them in ~/vantrel/sicherungen; if that fails, nothing is
written. --verify: after writing, receive the EEPROM contents and compare them with
the file. Both are also on when the configuration says so (the switches of the
options dialog).

Without a Talvaro: start talvaro-sim (its first line names the port) and
talvaro-cli --config ~/vantrel/vantrel-sim.cfg --port PORT COMMAND ...
(the file is made by &quot;talvaro-loader --simulate&quot; on its first start).
</translation>
    </message>
    <message>
        <source>AUS.bin</source>
        <translation>OUT.bin</translation>
    </message>
    <message>
        <source>EIN.bin</source>
        <translation>IN.bin</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>AUS.dpk</source>
        <translation>OUT.dpk</translation>
    </message>
    <message>
        <source>DATEI.dpk</source>
        <translation>FILE.dpk</translation>
    </message>
</context>
<context>
    <name>vantrel</name>
    <message>
        <source>%1 laeuft noch.&lt;br&gt;Die Einstellungen lassen sich nach ihrem Ende aendern.</source>
        <translation>%1 is still running.&lt;br&gt;The settings can be changed once it has ended.</translation>
    </message>
    <message>
        <source>Eeprom-Sicherung: nichts empfangen - keine Datei geschrieben</source>
        <translation>EEPROM backup: nothing received - no file written</translation>
    </message>
    <message>
        <source>Keine Datei!</source>
        <translation>Not a file!</translation>
    </message>
    <message>
        <source>%1 ist keine Datei!</source>
        <translation>%1 is not a file!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; ist groesser als %2 MiB!</source>
        <translation>File &quot;%1&quot; is larger than %2 MiB!</translation>
    </message>
    <message>
        <source>Datei nicht lesbar!</source>
        <translation>File not readable!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; kann nicht gelesen werden!</source>
        <translation>File &quot;%1&quot; cannot be read!</translation>
    </message>
    <message>
        <source>Filter fehlerhaft!</source>
        <translation>Faulty filter!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot;: der Filter bei %2 hat %3 Worte und reicht ueber die Adresse FFFF hinaus!</source>
        <translation>File &quot;%1&quot;: the filter at %2 has %3 words and runs past address FFFF!</translation>
    </message>
    <message>
        <source>Alte Sicherung &quot;%1&quot; entfernt</source>
        <translation>Old backup &quot;%1&quot; removed</translation>
    </message>
    <message>
        <source>Fehlgeschlagen nach %1 von %2 Bytes</source>
        <translation>Failed after %1 of %2 bytes</translation>
    </message>
    <message>
        <source>Unterschiede: %1 Bytes</source>
        <translation>Differences: %1 bytes</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen!</source>
        <translation>Saving failed!</translation>
    </message>
    <message>
        <source>Filter-File </source>
        <translation>Filter file </translation>
    </message>
    <message>
        <source> Zeilen geladen</source>
        <translation> lines loaded</translation>
    </message>
    <message>
        <source>Programmsegment bei 0000 hat nur %1 Worte: ein Datensatz nach 3FC0, kein zweiter</source>
        <translation>Program segment at 0000 has only %1 words: one record to 3FC0, no second one</translation>
    </message>
    <message>
        <source> Char im buffer</source>
        <translation> chars in buffer</translation>
    </message>
    <message>
        <source>Checksumme </source>
        <translation>Checksum </translation>
    </message>
    <message>
        <source>Eeprom-Sicherung unvollstaendig: Datei &quot;%1&quot; enthaelt %2 von %3 Bytes</source>
        <translation>EEPROM backup incomplete: file &quot;%1&quot; holds %2 of %3 bytes</translation>
    </message>
    <message>
        <source>DSP File </source>
        <translation>DSP file </translation>
    </message>
    <message>
        <source>Laden DSP-FW direkt</source>
        <translation>Load DSP firmware directly</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-FW+Parameter werden direkt in den DSP Talvaro geladen.&lt;/b&gt;&lt;br&gt;Die Daten werden fuer den DSP benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Talvaro ausschalten&lt;br&gt;3. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste 0&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die PIC-Firmware startet sofort.&lt;br&gt;5. Die DSP-LED blinkt und der DSP kann geladen werden.&lt;br&gt;6. &quot;OK&quot; am PC druecken.&lt;br&gt;&lt;br&gt;Nach dem Laden meldet sich der DSP-Baustein mit einem &quot;HI&quot;&lt;br&gt;aus dem Lautsprecher (in CW)</source>
        <translation>&lt;b&gt;The DSP firmware and parameters are loaded straight into the DSP of the Talvaro.&lt;/b&gt;&lt;br&gt;The DSP needs this data!&lt;br&gt;&lt;b&gt;This function can be used for the Talvaro of the &lt;br&gt;Ruvado/Quarnel design!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; and &quot;RS232-PC&quot;.&lt;br&gt;2. Switch the Talvaro off&lt;br&gt;3. After &quot;POWER ON&quot;, press &lt;b&gt;&quot;Key 0&quot;&lt;/b&gt; while it starts up&lt;br&gt;4. The PIC firmware starts at once.&lt;br&gt;5. The DSP LED flashes and the DSP can be loaded.&lt;br&gt;6. Press &quot;OK&quot; on the PC.&lt;br&gt;&lt;br&gt;After loading, the DSP says &quot;HI&quot;&lt;br&gt;from the loudspeaker (in CW)</translation>
    </message>
    <message>
        <source>Laden DSP-Test-FW direkt</source>
        <translation>Load DSP test firmware directly</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die Testsoftware wird direkt in den DSP Talvaro geladen.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste 0&quot;&lt;/b&gt; druecken&lt;br&gt;3. Die PIC-Firmware startet sofort.&lt;br&gt;4. Die DSP-LED blinkt und der DSP kann geladen werden.&lt;br&gt;5. &quot;OK&quot; am PC druecken.&lt;br&gt;&lt;br&gt;Nachdem die Software geladen ist, ist die Sprache vom Mikrofon &lt;br&gt;in einem der beiden Ausgabekanaele des DSPs zu hoeren. Damit &lt;br&gt;kann der digitale Weg der NF getestet werden.</source>
        <translation>&lt;b&gt;The test software is loaded straight into the DSP of the Talvaro.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-DSP&quot;&lt;/b&gt; and &quot;RS232-PC&quot;.&lt;br&gt;2. After &quot;POWER ON&quot;, press &lt;b&gt;&quot;Key 0&quot;&lt;/b&gt; while it starts up&lt;br&gt;3. The PIC firmware starts at once.&lt;br&gt;4. The DSP LED flashes and the DSP can be loaded.&lt;br&gt;5. Press &quot;OK&quot; on the PC.&lt;br&gt;&lt;br&gt;Once the software is loaded, the microphone can be heard &lt;br&gt;on one of the two output channels of the DSP. This &lt;br&gt;tests the digital audio path.</translation>
    </message>
    <message>
        <source>Laden DSP-FW in PIC ext. Eeprom</source>
        <translation>Load DSP firmware into the PIC&apos;s external EEPROM</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-FW+Parameter werden in den externen Eeprom des Tesso geladen.&lt;/b&gt;&lt;br&gt;Die Daten werden fuer den Warmstart bei POWER ON benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Talvaro ausschalten&lt;br&gt;3. Nach &quot;POWER ON&quot; beim Hochlauf die &lt;b&gt;&quot;Taste #&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die LED-Anzeige erlischt.&lt;br&gt;5. Anschliessend am PC in diesem Dialog &quot;OK&quot; druecken&lt;br&gt;6. Das Laden der Firmware+Parameter in den ext. Eeprom beginnt!&lt;br&gt;&lt;br&gt;Die Daten werden in den externen Eeprom der Tesso-Baugruppe geladen und&lt;br&gt;sofort wieder als Kontrolle gelesen und verglichen.&lt;br&gt;Tritt ein Fehler auf wird das Laden sofort abgebrochen!!</source>
        <translation>&lt;b&gt;The DSP firmware and parameters are loaded into the external EEPROM of the Tesso.&lt;/b&gt;&lt;br&gt;The warm start at POWER ON needs this data!&lt;br&gt;&lt;b&gt;This function can be used for the Talvaro of the &lt;br&gt;Ruvado/Quarnel design!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; and &quot;RS232-PC&quot;.&lt;br&gt;2. Switch the Talvaro off&lt;br&gt;3. After &quot;POWER ON&quot;, press &lt;b&gt;&quot;Key #&quot;&lt;/b&gt; while it starts up&lt;br&gt;4. The LED display goes dark.&lt;br&gt;5. Then press &quot;OK&quot; in this dialog on the PC&lt;br&gt;6. Loading the firmware and parameters into the ext. EEPROM begins!&lt;br&gt;&lt;br&gt;The data is loaded into the external EEPROM of the Tesso board and&lt;br&gt;read back at once and compared as a check.&lt;br&gt;Loading stops at once on the first error!!</translation>
    </message>
    <message>
        <source>Laden Parameter in PIC ext. Eeprom</source>
        <translation>Load parameters into the PIC&apos;s external EEPROM</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die DSP-Parameter werden in den externen Eeprom der Tesso-Baugruppe geladen.&lt;/b&gt;&lt;br&gt;Die Parameter-Daten werden fuer die DSP-Firmware benoetigt!&lt;br&gt;&lt;b&gt;Diese Funktion kann fuer den Talvaro nach &lt;br&gt;Ruvado und Quarnel verwendet werden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Die DSP-Firmware muss laufen. Ist das der Fall&lt;br&gt;2. Verbindung  &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;3. DDS-Kommando &quot;999&quot; eingeben. Warmstart des PIC erfolgt&lt;br&gt;4. Sofort nach &quot;Warmstart&quot; die &lt;b&gt;&quot;Taste 1&quot;&lt;/b&gt; druecken&lt;br&gt;4. Die LED-Anzeige erlischt.&lt;br&gt;6. Anschliessend am PC in diesem Dialog &quot;OK&quot; druecken&lt;br&gt;7. Das Laden der Parameter in den ext. Eeprom beginnt!&lt;br&gt;&lt;br&gt;Die Daten werden in den externen Eeprom der PIC-Baugruppe geladen.</source>
        <translation>&lt;b&gt;The DSP parameters are loaded into the external EEPROM of the Tesso board.&lt;/b&gt;&lt;br&gt;The DSP firmware needs the parameter data!&lt;br&gt;&lt;b&gt;This function can be used for the Talvaro of the &lt;br&gt;Ruvado/Quarnel design!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. The DSP firmware must be running. If it is&lt;br&gt;2. Connect  &lt;b&gt;&quot;RS232-Tesso&quot;&lt;/b&gt; and &quot;RS232-PC&quot;.&lt;br&gt;3. Enter the DDS command &quot;999&quot;. The PIC makes a warm start&lt;br&gt;4. Right after the &quot;warm start&quot; press &lt;b&gt;&quot;Key 1&quot;&lt;/b&gt;&lt;br&gt;4. The LED display goes dark.&lt;br&gt;6. Then press &quot;OK&quot; in this dialog on the PC&lt;br&gt;7. Loading the parameters into the ext. EEPROM begins!&lt;br&gt;&lt;br&gt;The data is loaded into the external EEPROM of the PIC board.</translation>
    </message>
    <message>
        <source>Externen Eeprom SICHERN</source>
        <translation>BACK UP the external EEPROM</translation>
    </message>
    <message>
        <source>&lt;b&gt;Der Inhalt des externen Eeproms Talvaro(Quarnel) wird gesichert&lt;/b&gt;&lt;br&gt;Die Daten werden in die Datei &quot;exee.bin&quot; geschrieben.&lt;br&gt;&lt;br&gt;&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;997&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro beleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation>&lt;b&gt;The content of the external EEPROM of the Talvaro (Quarnel) is backed up&lt;/b&gt;&lt;br&gt;The data is written to the file &quot;exee.bin&quot;.&lt;br&gt;&lt;br&gt;&lt;b&gt;This function can only be used for the &lt;b&gt;Talvaro of the Quarnel design&lt;/b&gt; !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt;.&lt;br&gt;2. First press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC.&lt;br&gt;3. Then start function &lt;b&gt;&quot;997&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;4. The Talvaro stays on receive until the function has ended&lt;br&gt;</translation>
    </message>
    <message>
        <source>Lesen der Paramter vom Talvaro (Quarnel)</source>
        <translation>Reading the parameters from the Talvaro (Quarnel)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Alle Parameter werden vom Talvaro(Quarnel) zum &lt;/b&gt;&lt;br&gt;&lt;b&gt;PC geladen und kann anschliessend in einer Datei &lt;/b&gt;&lt;br&gt;&lt;b&gt;im DPK-Format abgespeichernt werden.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &quot;RS232-PC&quot; herstellen.&lt;br&gt;2. Die Firmware muss laufen. Also normaler Betrieb.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;995&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro beleibt auf Empfang bis die Funktion &lt;br&gt;   beendet ist&lt;br&gt;5. Ist alles eingelesen wird sofort in das Parameter-Window &lt;br&gt;   gewechselt und das &quot;Speichern&quot; der Datei freigegeben.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;All parameters are loaded from the Talvaro (Quarnel) to the &lt;/b&gt;&lt;br&gt;&lt;b&gt;PC and can then be saved in a file &lt;/b&gt;&lt;br&gt;&lt;b&gt;in DPK format.&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &quot;RS232-PC&quot;.&lt;br&gt;2. The firmware must be running. So normal operation.&lt;br&gt;2. First press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC.&lt;br&gt;3. Then start function &lt;b&gt;&quot;995&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;4. The Talvaro stays on receive until the function &lt;br&gt;   has ended&lt;br&gt;5. Once everything is read in, the parameter window &lt;br&gt;   is shown and &quot;Save&quot; of the file is enabled.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>X-PARAMETER</source>
        <translation>X PARAMETERS</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die X-Parameter wurden geaendert!&lt;/b&gt;&lt;br&gt;Zuerst die X-Parameter SPEICHERN und alle Daten neu einlesen!</source>
        <translation>&lt;b&gt;The X parameters were changed!&lt;/b&gt;&lt;br&gt;First SAVE the X parameters and read all data in again!</translation>
    </message>
    <message>
        <source>Datei nicht gefunden!</source>
        <translation>File not found!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; nicht gefunden!</source>
        <translation>File &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; aus der Filterdatei nicht gefunden!</source>
        <translation>File &quot;%1&quot; of the filter file not found!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Keine Syncronisation!!!&lt;br&gt;&quot;x&quot; an PIC gesendet&lt;br&gt;&quot;%1&quot; vom PIC empfangen.</source>
        <translation>No synchronisation!!!&lt;br&gt;&quot;x&quot; sent to the PIC&lt;br&gt;&quot;%1&quot; received from the PIC.</translation>
    </message>
    <message>
        <source>Adresse %1 File:%2 Pic:%3</source>
        <translation>Address %1 File:%2 Pic:%3</translation>
    </message>
    <message>
        <source>Byte-Nr:%1 zum Pic gesendet:%2Antwort vom Pic:%3</source>
        <translation>Byte no:%1 sent to the Pic:%2Answer from the Pic:%3</translation>
    </message>
    <message>
        <source>Es laeuft bereits eine Uebertragung!</source>
        <translation>A transfer is already running!</translation>
    </message>
    <message>
        <source>Die Verbindung zum Talvaro ist unterbrochen!</source>
        <translation>The connection to the Talvaro is broken!</translation>
    </message>
    <message>
        <source>Die RS232 ist nicht offen!</source>
        <translation>The RS232 is not open!</translation>
    </message>
    <message>
        <source>Die RS232 ist nicht offen! Nichts gesendet.</source>
        <translation>The RS232 is not open! Nothing sent.</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 von %2 Bytes</source>
        <translation>Cancelled after %1 of %2 bytes</translation>
    </message>
    <message>
        <source>Keine Berechtigung fuer %1: den Benutzer &quot;%2&quot; in die Gruppe &quot;%3&quot; aufnehmen (sudo usermod -aG %3 %2), dann ab- und wieder anmelden.</source>
        <translation>No permission for %1: add the user &quot;%2&quot; to the group &quot;%3&quot; (sudo usermod -aG %3 %2), then log out and in again.</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; kann nicht geschrieben werden!</source>
        <translation>File &quot;%1&quot; cannot be written!</translation>
    </message>
    <message>
        <source>File </source>
        <translation>File </translation>
    </message>
    <message>
        <source>Filter mit %1 Worten: aufgeteilt in %2 Datensaetze zu hoechstens 255 Worten</source>
        <translation>Filter of %1 words: split into %2 records of at most 255 words</translation>
    </message>
    <message>
        <source>Parameter File </source>
        <translation>Parameter file </translation>
    </message>
    <message>
        <source>Parameter File Zeile %1: Vesk# %2 nicht in 0..99, uebersprungen</source>
        <translation>Parameter file line %1: Vesk# %2 not in 0..99, skipped</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Die RS232 laesst sich nicht oeffnen!</source>
        <translation>The RS232 cannot be opened!</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Grundeinstellungen</source>
        <translation>Basic settings</translation>
    </message>
    <message>
        <source>&amp;Ueber</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Ueber die Applikation</source>
        <translation>About the application</translation>
    </message>
    <message>
        <source>Ueber &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Show the Qt library&apos;s About box</translation>
    </message>
    <message>
        <source>Talvaro HW1</source>
        <translation>Talvaro HW1</translation>
    </message>
    <message>
        <source>Auswahl des Talvaro1</source>
        <translation>Select Talvaro 1</translation>
    </message>
    <message>
        <source>Talvaro HW2</source>
        <translation>Talvaro HW2</translation>
    </message>
    <message>
        <source>Auswahl des Talvaro2</source>
        <translation>Select Talvaro 2</translation>
    </message>
    <message>
        <source>Talvaro HW3</source>
        <translation>Talvaro HW3</translation>
    </message>
    <message>
        <source>Auswahl des Talvaro3</source>
        <translation>Select Talvaro 3</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Vesk Auswahl</source>
        <translation>&amp;Vesk selection</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>RS232 readSettings()</source>
        <translation>RS232 readSettings()</translation>
    </message>
    <message>
        <source>&lt;b&gt;Datenempfang auf der RS232 defekt&lt;/B&gt;&lt;BR&gt;Es kommen vom Talvaro keine Daten zur Auswertung zum PC.&lt;br&gt; Eventuell ist die RS232 nicht angeschlossen oder&lt;br&gt; unterbrochen.</source>
        <translation>&lt;b&gt;Data reception on the RS232 is broken&lt;/B&gt;&lt;BR&gt;No data for evaluation comes from the Talvaro to the PC.&lt;br&gt; Perhaps the RS232 is not connected or&lt;br&gt; interrupted.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler im Datentelegramm vom Talvaro&lt;/B&gt;&lt;BR&gt;Es wird ein Zeichen als Echo erwartet, welches aber&lt;br&gt; nicht kommt.</source>
        <translation>&lt;b&gt;Error in the data telegram from the Talvaro&lt;/B&gt;&lt;BR&gt;A character is expected as echo, but it&lt;br&gt; does not come.</translation>
    </message>
    <message>
        <source>Fehler bei der ZF-Kalibrierung!</source>
        <translation>Error in the IF calibration!</translation>
    </message>
    <message>
        <source>ZF-Kalibrierung (AD603)</source>
        <comment>TabWindow</comment>
        <translation>IF calibration (AD603)</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>ABBRUCH</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Pegelanzeige der Messungen</source>
        <translation>Level display of the measurements</translation>
    </message>
    <message>
        <source>S-Meter-Kalibrierung</source>
        <comment>TabWindow</comment>
        <translation>S-meter calibration</translation>
    </message>
    <message>
        <source>Kalibriereinstellungen</source>
        <translation>Calibration settings</translation>
    </message>
    <message>
        <source>&gt;29MHz</source>
        <translation>&gt;29MHz</translation>
    </message>
    <message>
        <source>10m</source>
        <translation>10m</translation>
    </message>
    <message>
        <source>12m</source>
        <translation>12m</translation>
    </message>
    <message>
        <source>15m</source>
        <translation>15m</translation>
    </message>
    <message>
        <source>17m</source>
        <translation>17m</translation>
    </message>
    <message>
        <source>60m</source>
        <translation>60m</translation>
    </message>
    <message>
        <source>20m</source>
        <translation>20m</translation>
    </message>
    <message>
        <source>30m</source>
        <translation>30m</translation>
    </message>
    <message>
        <source>40m</source>
        <translation>40m</translation>
    </message>
    <message>
        <source>80m</source>
        <translation>80m</translation>
    </message>
    <message>
        <source>160m</source>
        <translation>160m</translation>
    </message>
    <message>
        <source>DDS72</source>
        <translation>DDS72</translation>
    </message>
    <message>
        <source>DDS43</source>
        <translation>DDS43</translation>
    </message>
    <message>
        <source>DDS23</source>
        <translation>DDS23</translation>
    </message>
    <message>
        <source>DDS79</source>
        <translation>DDS79</translation>
    </message>
    <message>
        <source>IP3</source>
        <translation>IP3</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>NF</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dieser Programmteil dient der Kalibrierung des S-Meters&lt;/b&gt;&lt;br&gt;Pro Band sind zwei Kalibriermoeglichkeiten &quot;best Noisfloor&quot; und &quot;best IP3&quot;&lt;br&gt;Die Daten sind Inhalt der &quot;scal.dat&quot; Kalibrierdatei.&lt;br&gt;Zusaetlich befinden sich in der Datei 4 mal dB-Abweichungen &lt;br&gt;der DDS-Einstellungen &quot;72&quot; &quot;43&quot; &quot;23&quot; &quot;79&quot;.&lt;br&gt;Zum Kalibrieren benoetigen wir einen Signalgenaerator mit&lt;br&gt;regelbarer Amplitude und Frequenz.&lt;br&gt;</source>
        <translation>&lt;b&gt;This part of the program calibrates the S-meter&lt;/b&gt;&lt;br&gt;Each band has two calibrations, &quot;best noise floor&quot; and &quot;best IP3&quot;&lt;br&gt;The data is held in the calibration file &quot;scal.dat&quot;.&lt;br&gt;The file also holds 4 dB deviations &lt;br&gt;of the DDS settings &quot;72&quot; &quot;43&quot; &quot;23&quot; &quot;79&quot;.&lt;br&gt;To calibrate we need a signal generator with&lt;br&gt;adjustable amplitude and frequency.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;Ist alles getan? &quot;WEITER&quot; druecken!</source>
        <translation>&lt;br&gt;All done? Press &quot;NEXT&quot;!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 1&lt;/b&gt;&lt;br&gt;Die DSP-Software muss funtionieren. Und der &quot;DDS-Paramter 6.5&quot;&lt;br&gt;&quot;S meter zero&quot; muss richtig eingestellt sein. Das wird am VESK&lt;br&gt;voher richtig eingestellt. Im naechsten Schritt werden die&lt;br&gt;Standartparameter geladen und die Kalibrierdatei.&lt;br&gt;&lt;br&gt;Verbinde die RS232 vom VESK mit dem PC.</source>
        <translation>&lt;b&gt;STEP 1&lt;/b&gt;&lt;br&gt;The DSP software must work. And the &quot;DDS parameter 6.5&quot;&lt;br&gt;&quot;S meter zero&quot; must be set right. That is set right on the VESK&lt;br&gt;beforehand. In the next step the&lt;br&gt;standard parameters and the calibration file are loaded.&lt;br&gt;&lt;br&gt;Connect the RS232 of the VESK to the PC.</translation>
    </message>
    <message>
        <source>WEITER!</source>
        <translation>NEXT!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Es werden die Dateien geladen und die Parameter in den DSP geladen.&lt;br&gt;</source>
        <translation>&lt;b&gt;STEP 2&lt;/b&gt;&lt;br&gt;The files are loaded and the parameters are loaded into the DSP.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;Die Anzeige der S-Meterdaten muesste OBEN zu sehne sein.&lt;br&gt;Jetzt &quot;50uV, -73dBm&quot; an den Eingang vom VESK anlegen und &lt;br&gt;pro Band die richtigen Werte ermitteln. Getrennt nach IP3 und NF.&lt;br&gt;Die Anzeige muss bei der richtigen Einstellung &lt;b&gt;&quot;56 dB&quot;&lt;/b&gt; anzeigen.&lt;br&gt;Sind alle Werte eingestellt kann die Kalibrierdatei abgespeichert werden!&lt;br&gt;Als Abschluss &lt;b&gt;&quot;SAVE Daten&quot;&lt;/b&gt; druecken!&lt;br&gt;Der DSP-Parameter &quot;S-Meter cal 6.4&quot; wird auf &quot;Value = 0&quot; gesetzt!</source>
        <translation>&lt;b&gt;STEP 3&lt;/b&gt;&lt;br&gt;The S-meter data should now show ABOVE.&lt;br&gt;Now apply &quot;50uV, -73dBm&quot; to the input of the VESK and &lt;br&gt;find the right values for each band. Separately for IP3 and NF.&lt;br&gt;At the right setting the display must show &lt;b&gt;&quot;56 dB&quot;&lt;/b&gt;.&lt;br&gt;Once all values are set the calibration file can be saved!&lt;br&gt;Finally press &lt;b&gt;&quot;SAVE data&quot;&lt;/b&gt;!&lt;br&gt;The DSP parameter &quot;S-Meter cal 6.4&quot; is set to &quot;Value = 0&quot;!</translation>
    </message>
    <message>
        <source>SAVE Daten</source>
        <translation>SAVE data</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 4&lt;/b&gt;&lt;br&gt;Die Kalibrierdatei wurde neu erzeugt.&lt;br&gt;Der DSP-Parameter &quot;S-Meter cal 6.4&quot; muss auf &quot;Value = 0&quot; gesetzt werden!&lt;br&gt;ENDE&lt;br&gt;&quot;WEITER&quot; druecken!</source>
        <translation>&lt;b&gt;STEP 4&lt;/b&gt;&lt;br&gt;The calibration file has been made anew.&lt;br&gt;The DSP parameter &quot;S-Meter cal 6.4&quot; must be set to &quot;Value = 0&quot;!&lt;br&gt;END&lt;br&gt;Press &quot;NEXT&quot;!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dieser Programmteil dient der Kalibrierung&lt;br&gt;der Verstaerkung vom AD603 (im VESK ZF-Platine)&lt;/b&gt;&lt;br&gt;&lt;b&gt;es entsteht eine Datei mit  64 DAC Werten.&lt;/b&gt;&lt;br&gt;&lt;br&gt;Benutzt wird das 20m-Band fuer die Messungen.&lt;br&gt;Weiterhin brauchen wir einen Signalgenaerator mit regelbarer Amplitude.&lt;br&gt;</source>
        <translation>&lt;b&gt;This part of the program calibrates&lt;br&gt;the gain of the AD603 (on the VESK IF board)&lt;/b&gt;&lt;br&gt;&lt;b&gt;it makes a file of  64 DAC values.&lt;/b&gt;&lt;br&gt;&lt;br&gt;The 20m band is used for the measurements.&lt;br&gt;We also need a signal generator with adjustable amplitude.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;OK? &quot;WEITER&quot; druecken!</source>
        <translation>&lt;br&gt;OK? Press &quot;NEXT&quot;!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test der RS232 beide Wege&lt;/b&gt;&lt;br&gt;Das dauert etwas... Bitte warten!</source>
        <translation>&lt;b&gt;STEP 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test of the RS232 in both directions&lt;/b&gt;&lt;br&gt;This takes a while... Please wait!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;</source>
        <translation>&lt;b&gt;STEP 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmers RV1 and RV2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 9&lt;/b&gt;&lt;br&gt;&lt;b&gt;Ermittlung des Pegelbereiches vom AD603&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;STEP 9&lt;/b&gt;&lt;br&gt;&lt;b&gt;Finding the level range of the AD603&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 1&lt;/b&gt;&lt;br&gt;Laden und Starten der letzten DSP-Softwarerelease in den VESK&lt;br&gt;Benutze den PC oder auch den PIC (Power ON)&lt;br&gt;&lt;br&gt;Schalte auf das 20m-Band ... und in den &quot;Best NF mode&quot;&lt;br&gt;&lt;br&gt;Dann verbinde die RS232-DSP mit dem RS232-PC.</source>
        <translation>&lt;b&gt;STEP 1&lt;/b&gt;&lt;br&gt;Load and start the latest DSP software release in the VESK&lt;br&gt;Use the PC or the PIC (power ON)&lt;br&gt;&lt;br&gt;Switch to the 20m band ... and into &quot;Best NF mode&quot;&lt;br&gt;&lt;br&gt;Then connect the RS232-DSP to the RS232-PC.</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Die Parameter fuer die Kalibrierung werden in den VESK geladen&lt;br&gt;Das dauert etwas... Bitte warten!</source>
        <translation>&lt;b&gt;STEP 2&lt;/b&gt;&lt;br&gt;The parameters for the calibration are loaded into the VESK&lt;br&gt;This takes a while... Please wait!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 2&lt;/b&gt;&lt;br&gt;Die Anzeige oberhalb muesste jetzt etwas anzeigen.&lt;br&gt;Du hoerst das Rauschen des Empfaengers&lt;br&gt;Eventuell kannst Du im Bereich &quot;DSP-Parameter&quot; die Lautstaerke reguliern&lt;br&gt;Anschliessend wieder hier an diese Stelle wechseln. &lt;br&gt;Ist keine Anzeige vorhanden &quot;ABBRECHEN&quot; und von vorn beginnen!!</source>
        <translation>&lt;b&gt;STEP 2&lt;/b&gt;&lt;br&gt;The display above should now show something.&lt;br&gt;You hear the noise of the receiver&lt;br&gt;You may adjust the volume on the page &quot;DSP parameters&quot;&lt;br&gt;Then come back to this place. &lt;br&gt;If nothing is shown, &quot;CANCEL&quot; and begin again!!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test der RS232 beide Wege&lt;/b&gt;&lt;br&gt;Ergebnis der RS232 Kontrolle: Es arbeiten beide Wege.</source>
        <translation>&lt;b&gt;STEP 3&lt;/b&gt;&lt;br&gt;&lt;b&gt;Test of the RS232 in both directions&lt;/b&gt;&lt;br&gt;Result of the RS232 check: both directions work.</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 4&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;RV1 Schleifer auf GND drehen&lt;br&gt;RV2 Schleifer auf R38/C40 drehen</source>
        <translation>&lt;b&gt;STEP 4&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmers RV1 and RV2&lt;/b&gt;&lt;br&gt;Turn the wiper of RV1 to GND&lt;br&gt;Turn the wiper of RV2 to R38/C40</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 5&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Einstellung RX 20m-Band und 3kHz Bandbreite.&lt;br&gt;RV1 langsam drehen bis zum Rauschmaximum&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen</source>
        <translation>&lt;b&gt;STEP 5&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmer RV1&lt;/b&gt;&lt;br&gt;Set RX to the 20m band and 3kHz bandwidth.&lt;br&gt;Turn RV1 slowly to the noise maximum&lt;br&gt;The level should be between 23dB and 25dB</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen&lt;br&gt;Messung des Pegels...</source>
        <translation>&lt;b&gt;STEP 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmer RV1&lt;/b&gt;&lt;br&gt;The level should be between 23dB and 25dB&lt;br&gt;Measuring the level...</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1&lt;/b&gt;&lt;br&gt;Der Pegel sollte zwischen 23dB und 25dB betragen</source>
        <translation>&lt;b&gt;STEP 6&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmer RV1&lt;/b&gt;&lt;br&gt;The level should be between 23dB and 25dB</translation>
    </message>
    <message>
        <source>Der Rauschpegel betraegt:</source>
        <translation>The noise level is:</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Bitte am RX-Eingang ein Signal anlegen. Den Pegel erhoehen bis&lt;br&gt;Die Anzeige zwischen 73dB und 80dB anzeigt.</source>
        <translation>&lt;b&gt;STEP 7&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmers RV1 and RV2&lt;/b&gt;&lt;br&gt;Please apply a signal to the RX input. Raise the level until&lt;br&gt;the display shows between 73dB and 80dB.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Pegelmessung ...</source>
        <translation>&lt;br&gt;Measuring the level ...</translation>
    </message>
    <message>
        <source>Die Pegelanzeige betraegt:</source>
        <translation>The level display shows:</translation>
    </message>
    <message>
        <source>Der Pegel ist zu niedrig!</source>
        <translation>The level is too low!</translation>
    </message>
    <message>
        <source>Der Pegel ist zu hoch!</source>
        <translation>The level is too high!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Die Verstaerkung des AD603 wird im naechsten Schritt &lt;br&gt;auf das Minimum reduziert. Mit dem Regler RV2 wird auf das &lt;br&gt;Minimum an der Pegelanzeige eingestellt.</source>
        <translation>&lt;b&gt;STEP 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmers RV1 and RV2&lt;/b&gt;&lt;br&gt;In the next step the gain of the AD603 is &lt;br&gt;reduced to the minimum. With the trimmer RV2 set the &lt;br&gt;level display to its minimum.</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der Regler RV1 und RV2&lt;/b&gt;&lt;br&gt;Die Verstaerkung des AD603 wurde auf das Minimum reduziert.&lt;br&gt;Jetzt mit dem Regler RV2 auf Minimum an der Pegelanzeige &lt;br&gt;einstellen.</source>
        <translation>&lt;b&gt;STEP 8&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the trimmers RV1 and RV2&lt;/b&gt;&lt;br&gt;The gain of the AD603 has been reduced to the minimum.&lt;br&gt;Now set the level display to its minimum with the trimmer RV2 &lt;br&gt;.</translation>
    </message>
    <message>
        <source>Der Pegel in Minimumeinstellung wird gemessen.</source>
        <translation>The level at the minimum setting is measured.</translation>
    </message>
    <message>
        <source>Pegelmessung ...</source>
        <translation>Measuring the level ...</translation>
    </message>
    <message>
        <source>Der Pegel AD603 minimale Verstaerkung:</source>
        <translation>The level at minimum AD603 gain:</translation>
    </message>
    <message>
        <source>Ein Pegelbereich von 35db - 41dB ist OK. 39dB sind erreichbar,&lt;br&gt;aber mehr als 39dB ist besser.&lt;br&gt;</source>
        <translation>A level range of 35db - 41dB is OK. 39dB can be reached,&lt;br&gt;but more than 39dB is better.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Der Pegel AD603 maximale Verstaerkung:</source>
        <translation>The level at maximum AD603 gain:</translation>
    </message>
    <message>
        <source>Der Pegelbereich des AD603 betraegt  :</source>
        <translation>The level range of the AD603 is  :</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;Im naechsten Schritt werden die 64 DAC Wandlerstufen &lt;br&gt;passend zum AD603 ermittelt&lt;/b&gt;&lt;br&gt;Die Messungen dauern etwa 1 Minute!</source>
        <translation>&lt;b&gt;STEP 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;In the next step the 64 DAC steps are found &lt;br&gt;to match the AD603&lt;/b&gt;&lt;br&gt;The measurements take about 1 minute!</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;Einstellung der 64 DAC Wandlerstufen passend zum AD603&lt;/b&gt;&lt;br&gt;Messung laeuft ...</source>
        <translation>&lt;b&gt;STEP 10&lt;/b&gt;&lt;br&gt;&lt;b&gt;Setting the 64 DAC steps to match the AD603&lt;/b&gt;&lt;br&gt;Measuring ...</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 11&lt;/b&gt;&lt;br&gt;Alle Messungen sind komplett&lt;br&gt;Im naechsten Schritt wird die neue Datei zusammengestellt.</source>
        <translation>&lt;b&gt;STEP 11&lt;/b&gt;&lt;br&gt;All measurements are complete&lt;br&gt;In the next step the new file is put together.</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;Speichern der Datei AD603.dat&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;STEP 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;Saving the file AD603.dat&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;SCHRITT 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;Datei AD603.dat wurde ersetzt&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;STEP 12&lt;/b&gt;&lt;br&gt;&lt;b&gt;The file AD603.dat was replaced&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Erfolgreich Abgeschlossen&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Completed successfully&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>RX-Equalizer</source>
        <comment>TabWindow</comment>
        <translation>RX equalizer</translation>
    </message>
    <message>
        <source>TX-Equalizer</source>
        <comment>TabWindow</comment>
        <translation>TX equalizer</translation>
    </message>
    <message>
        <source>RX Equalizer in DSP laden</source>
        <translation>Load RX equalizer into the DSP</translation>
    </message>
    <message>
        <source>TX Equalizer in DSP laden</source>
        <translation>Load TX equalizer into the DSP</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>DSP-FW Laden</source>
        <translation>Loading DSP firmware</translation>
    </message>
    <message>
        <source>DSP-FW in PIC Laden</source>
        <translation>Loading DSP firmware into the PIC</translation>
    </message>
    <message>
        <source>Parameter -&gt; VESK (Ruvado)</source>
        <translation>Parameters -&gt; VESK (Ruvado)</translation>
    </message>
    <message>
        <source>Datensatz nicht vollstaendig geladen - nichts gesendet!</source>
        <translation>Data set not completely loaded - nothing sent!</translation>
    </message>
    <message>
        <source>buffer2dsp() Fertig!</source>
        <translation>buffer2dsp() done!</translation>
    </message>
    <message>
        <source>parameter2dsp() Fertig!</source>
        <translation>parameter2dsp() done!</translation>
    </message>
    <message>
        <source>buffer2pic_alt() Fertig!</source>
        <translation>buffer2pic_alt() done!</translation>
    </message>
    <message>
        <source>parameter2pic_alt() Fertig!</source>
        <translation>parameter2pic_alt() done!</translation>
    </message>
    <message>
        <source>Binaerdatei (*.bin *.BIN);;Alle Dateien (*.*)</source>
        <comment>FileDialog</comment>
        <translation>Binary file (*.bin *.BIN);;All files (*.*)</translation>
    </message>
    <message>
        <source>ExEeprominhalt Speichern</source>
        <comment>FileDialog</comment>
        <translation>Save EEPROM content</translation>
    </message>
    <message>
        <source>ExEeprom in Datei Speichern</source>
        <translation>Saving the ext. EEPROM to a file</translation>
    </message>
    <message>
        <source>Eeprom-Sicherung: %1 Bytes in Datei &quot;%2&quot; gespeichert</source>
        <translation>EEPROM backup: %1 bytes saved in file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Daten in externen Eeprom Laden</source>
        <translation>Loading data into the external EEPROM</translation>
    </message>
    <message>
        <source>Eeprom-Wiederherstellung: %1 Bytes aus Datei &quot;%2&quot; gesendet</source>
        <translation>EEPROM restore: %1 bytes sent from file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>DSP-Firmware</source>
        <comment>TabWindow</comment>
        <translation>DSP firmware</translation>
    </message>
    <message>
        <source>DSP-Parameter</source>
        <comment>TabWindow</comment>
        <translation>DSP parameters</translation>
    </message>
    <message>
        <source>Parameter-Laden</source>
        <translation>Loading parameters</translation>
    </message>
    <message>
        <source>Parameter in Datei Speichern</source>
        <translation>Saving parameters to a file</translation>
    </message>
    <message>
        <source>Parameter vom Vesk lesen</source>
        <translation>Reading parameters from the Vesk</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Die Parameter wurden nicht gesendet: das Eeprom ist nicht vollstaendig geladen!</source>
        <translation>The parameters were not sent: the EEPROM is not completely loaded!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; ist groesser als der Eeprom (65536 Bytes)!</source>
        <translation>File &quot;%1&quot; is larger than the EEPROM (65536 bytes)!</translation>
    </message>
    <message>
        <source>Datei zu gross!</source>
        <translation>File too large!</translation>
    </message>
    <message>
        <source>Parameter-Datei: %1 Bytes in Datei &quot;%2&quot; gespeichert</source>
        <translation>Parameter file: %1 bytes saved in file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Datensatz nicht vollstaendig geladen - nichts geschrieben!</source>
        <translation>Data set not completely loaded - nothing written!</translation>
    </message>
    <message>
        <source>Download-Image: %1 Bytes in Datei &quot;%2&quot; gespeichert</source>
        <translation>Download image: %1 bytes saved in file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Datei und wird nicht ersetzt!</source>
        <translation>&quot;%1&quot; is not a file and is not replaced!</translation>
    </message>
    <message>
        <source>Datei fehlerhaft!</source>
        <translation>Faulty file!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; enthaelt keine Parameter!</source>
        <translation>File &quot;%1&quot; holds no parameters!</translation>
    </message>
    <message>
        <source>Firmware fehlerhaft!</source>
        <translation>Faulty firmware!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot;: %2</source>
        <translation>File &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Datei leer!</source>
        <translation>Empty file!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; ist leer!</source>
        <translation>File &quot;%1&quot; is empty!</translation>
    </message>
    <message>
        <source>Datei kleiner als der Eeprom</source>
        <translation>File smaller than the EEPROM</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; hat %2 Bytes, der Eeprom %3 Bytes.&lt;br&gt;Nur die ersten %2 Bytes werden ueberschrieben.</source>
        <translation>File &quot;%1&quot; has %2 bytes, the EEPROM %3 bytes.&lt;br&gt;Only the first %2 bytes are overwritten.</translation>
    </message>
    <message>
        <source>Das Segment bei %1 hat %2 Worte und reicht ueber die Adresse FFFF hinaus!</source>
        <translation>The segment at %1 has %2 words and runs past address FFFF!</translation>
    </message>
    <message>
        <source>Download-Image</source>
        <translation>Download image</translation>
    </message>
    <message>
        <source>Eeprom-Sicherung &quot;%1&quot;</source>
        <translation>EEPROM backup &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Eeprom-Inhalt</source>
        <translation>EEPROM contents</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot;</source>
        <translation>File &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Eeprom mit Datei vergleichen</source>
        <translation>Comparing EEPROM with file</translation>
    </message>
    <message>
        <source>Eeprom-Vergleich: Eeprom nicht vollstaendig gelesen - nichts verglichen!</source>
        <translation>EEPROM compare: EEPROM not read completely - nothing compared!</translation>
    </message>
    <message>
        <source>Eeprom Vergleich</source>
        <translation>EEPROM Compare</translation>
    </message>
    <message>
        <source>ExEeprominhalt vergleichen</source>
        <comment>FileDialog</comment>
        <translation>Compare external EEPROM contents</translation>
    </message>
    <message>
        <source>Eeprom-Vergleich nach dem Schreiben abgebrochen - nichts verglichen!</source>
        <translation>EEPROM compare after writing cancelled - nothing compared!</translation>
    </message>
    <message>
        <source>Keine Sicherung moeglich - nichts geschrieben!</source>
        <translation>No backup possible - nothing written!</translation>
    </message>
    <message>
        <source>Sicherung vor dem Schreiben abgebrochen - nichts geschrieben!</source>
        <translation>Backup before writing cancelled - nothing written!</translation>
    </message>
    <message>
        <source>Eeprom vor dem Schreiben sichern</source>
        <translation>Backing up the EEPROM before writing</translation>
    </message>
    <message>
        <source>Sicherung vor dem Schreiben nicht vollstaendig - nichts geschrieben!</source>
        <translation>Backup before writing not complete - nothing written!</translation>
    </message>
    <message>
        <source>Eeprom-Sicherung vor dem Schreiben in Datei &quot;%1&quot;</source>
        <translation>EEPROM backup before writing in file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Alte Sicherung &quot;%1&quot; kann nicht entfernt werden</source>
        <translation>Old backup &quot;%1&quot; cannot be removed</translation>
    </message>
    <message>
        <source>die ersten %1 Bytes verglichen, die Datei ist kuerzer als der Eeprom</source>
        <translation>the first %1 bytes compared, the file is shorter than the EEPROM</translation>
    </message>
    <message>
        <source>%1 Bytes verglichen</source>
        <translation>%1 bytes compared</translation>
    </message>
    <message>
        <source>Eeprom-Vergleich: gleich (%1)</source>
        <translation>EEPROM compare: equal (%1)</translation>
    </message>
    <message>
        <source>Eeprom-Vergleich: %1 Bytes verschieden (%2)</source>
        <translation>EEPROM compare: %1 bytes differ (%2)</translation>
    </message>
    <message>
        <source>Adresse %1 Datei:%2 Eeprom:%3</source>
        <translation>Address %1 File:%2 EEPROM:%3</translation>
    </message>
    <message>
        <source>... und %1 weitere</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>%1 Bytes, SHA-256 %2</source>
        <translation>%1 bytes, SHA-256 %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Der externe Eeprom wurde beschrieben und wird jetzt zur Kontrolle gelesen&lt;/b&gt;&lt;br&gt;Sein Inhalt wird mit der eben geschriebenen Datei verglichen.&lt;br&gt;</source>
        <translation>&lt;b&gt;The external EEPROM has been written and is now read back as a check&lt;/b&gt;&lt;br&gt;Its contents are compared with the file just written.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Der Inhalt des externen Eeproms Talvaro(Quarnel) wird mit einer Datei verglichen&lt;/b&gt;&lt;br&gt;Im Eeprom wird nichts geschrieben.&lt;br&gt;</source>
        <translation>&lt;b&gt;The contents of the external EEPROM Talvaro(Quarnel) are compared with a file&lt;/b&gt;&lt;br&gt;Nothing is written into the EEPROM.&lt;br&gt;</translation>
    </message>
    <message>
        <source>1. Die Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; bleibt.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;997&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation>1. Keep the connection &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt;.&lt;br&gt;2. First press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC.&lt;br&gt;3. Then start function &lt;b&gt;&quot;997&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;4. The Talvaro stays on receive until the function has ended&lt;br&gt;</translation>
    </message>
    <message>
        <source>1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken und die Binaerdatei waehlen.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;997&quot;&lt;/b&gt; starten&lt;br&gt;4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation>1. Connect &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt;.&lt;br&gt;2. First press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC and choose the binary file.&lt;br&gt;3. Then start function &lt;b&gt;&quot;997&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;4. The Talvaro stays on receive until the function has ended&lt;br&gt;</translation>
    </message>
    <message>
        <source>Externen Eeprom VERGLEICHEN</source>
        <translation>COMPARE the external EEPROM</translation>
    </message>
    <message>
        <source>&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;This function can only be used for the &lt;b&gt;Talvaro of the Quarnel design&lt;/b&gt; !!!&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Externen Eeprom vor dem Schreiben SICHERN</source>
        <translation>BACK UP the external EEPROM before writing</translation>
    </message>
    <message>
        <source>Die RS232 %1 ist wieder offen.</source>
        <translation>The RS232 port %1 is open again.</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Seriennummer %1</source>
        <translation>serial number %1</translation>
    </message>
    <message>
        <source>Port %1 existiert nicht</source>
        <translation>Port %1 does not exist</translation>
    </message>
    <message>
        <source>%1 ist kein serieller Port</source>
        <translation>%1 is not a serial port</translation>
    </message>
    <message>
        <source>Port %1 ist belegt: ein anderes Programm hat ihn offen</source>
        <translation>Port %1 is busy: another program has it open</translation>
    </message>
    <message>
        <source>Keine Berechtigung fuer %1</source>
        <translation>No permission for %1</translation>
    </message>
    <message>
        <source>Port %1 laesst sich nicht oeffnen: %2</source>
        <translation>Port %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Die Verbindung ueber %1 ist unterbrochen; der Port wird jede Sekunde neu versucht.</source>
        <translation>The connection through %1 is broken; the port is tried again every second.</translation>
    </message>
    <message>
        <source>&amp;Neu verbinden</source>
        <translation>&amp;Reconnect</translation>
    </message>
    <message>
        <source>Neu verbinden</source>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Den eingestellten Port schliessen und neu oeffnen</source>
        <translation>Close the configured port and open it again</translation>
    </message>
    <message>
        <source>Die Datei enthaelt keine Ladedaten!</source>
        <translation>The file holds no load data!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bevor der externe Eeprom beschrieben wird, wird sein Inhalt gesichert&lt;/b&gt;&lt;br&gt;Die Sicherung kommt in den Ordner &quot;vantrel/sicherungen&quot;.&lt;br&gt;&lt;br&gt;&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Zuerst am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;3. Anschliessend am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;997&quot;&lt;/b&gt; starten&lt;br&gt;4. Ist die Sicherung fertig, folgt die Anleitung zum Schreiben.&lt;br&gt;Ohne vollstaendige Sicherung wird nichts geschrieben.&lt;br&gt;</source>
        <translation>&lt;b&gt;Before the external EEPROM is written, its contents are backed up&lt;/b&gt;&lt;br&gt;The backup goes into the folder &quot;vantrel/sicherungen&quot;.&lt;br&gt;&lt;br&gt;&lt;b&gt;This function can only be used for the &lt;b&gt;Talvaro of the Quarnel design&lt;/b&gt; !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt;.&lt;br&gt;2. First press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC.&lt;br&gt;3. Then start function &lt;b&gt;&quot;997&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;4. When the backup is done, the instructions for writing follow.&lt;br&gt;Without a complete backup nothing is written.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Fehler bei der S-Meter-Kalibrierung!</source>
        <translation>Error in the S-meter calibration!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; ersetzt, die bisherige ist jetzt &quot;%2&quot;.</source>
        <translation>File &quot;%1&quot; replaced, the previous one is now &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>DAC-Stufen ohne Messwert: %1 (z. B. Stufe %2)</source>
        <translation>DAC steps without a measurement: %1 (e.g. step %2)</translation>
    </message>
    <message>
        <source>Die Kurve faellt bei Stufe %1 um %2 dB</source>
        <translation>The curve falls by %2 dB at step %1</translation>
    </message>
    <message>
        <source>%1 von 46 Tabellenwerten sind Fuellwerte (99)</source>
        <translation>%1 of 46 table values are filler values (99)</translation>
    </message>
    <message>
        <source>AD603-Tabelle</source>
        <translation>AD603 table</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>DAC-Stufe</source>
        <translation>DAC step</translation>
    </message>
    <message>
        <source>Pegel [dB]</source>
        <translation>Level [dB]</translation>
    </message>
    <message>
        <source>Die Tabelle wurde nicht gespeichert.&lt;br&gt;&quot;WEITER!&quot; wiederholt die Messung der 64 DAC-Stufen.</source>
        <translation>The table was not saved.&lt;br&gt;&quot;NEXT!&quot; repeats the measurement of the 64 DAC steps.</translation>
    </message>
    <message>
        <source>Kalibrierkurve pruefen</source>
        <translation>Check the calibration curve</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>Die Kurve steigt von Stufe %1 bis Stufe %2 nicht</source>
        <translation>The curve does not rise from step %1 to step %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;%1 laeuft gerade.&lt;/b&gt;&lt;br&gt;Diese Kalibrierung wartet, bis sie beendet oder abgebrochen ist.</source>
        <translation>&lt;br&gt;&lt;b&gt;%1 is running.&lt;/b&gt;&lt;br&gt;This calibration waits until it has ended or been aborted.</translation>
    </message>
    <message>
        <source>Die S-Meter-Kalibrierung</source>
        <translation>The S-meter calibration</translation>
    </message>
    <message>
        <source>Die ZF-Kalibrierung</source>
        <translation>The IF calibration</translation>
    </message>
    <message>
        <source>Ordner &quot;%1&quot; kann nicht angelegt werden!</source>
        <translation>Folder &quot;%1&quot; cannot be created!</translation>
    </message>
    <message>
        <source>Ordner &quot;%1&quot; nicht gefunden!</source>
        <translation>Folder &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>fester Name %1</source>
        <translation>stable name %1</translation>
    </message>
    <message>
        <source>Port %1 ist belegt: %2 hat ihn offen</source>
        <translation>Port %1 is busy: %2 has it open</translation>
    </message>
    <message>
        <source>Port %1 ist belegt: %2 haben ihn offen</source>
        <translation>Port %1 is busy: %2 have it open</translation>
    </message>
    <message>
        <source>Die RS232 %1 ist offen.</source>
        <translation>The RS232 port %1 is open.</translation>
    </message>
    <message>
        <source>Talvaro-Loader</source>
        <translation>Talvaro-Loader</translation>
    </message>
    <message>
        <source>&lt;b&gt;Diese Applikation dient der Aufbereitung&lt;br&gt;der DSP-Firmware des TRX-Talvaro&lt;/b&gt;&lt;br&gt;Es wird die HW von Ruvado und die&lt;br&gt;HW von Quarnel (LCD 4x20 Char)&lt;br&gt;unterstuetzt.&lt;br&gt;&lt;br&gt; </source>
        <translation>&lt;b&gt;This application prepares&lt;br&gt;the DSP firmware of the TRX Talvaro&lt;/b&gt;&lt;br&gt;Supported are the HW of Ruvado and the&lt;br&gt;HW of Quarnel (LCD 4x20 char)&lt;br&gt;alike.&lt;br&gt;&lt;br&gt; </translation>
    </message>
    <message>
        <source>Nicht gespeicherte Aenderungen</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Nicht gespeichert: %1.&lt;br&gt;Vorher speichern?</source>
        <translation>Not saved: %1.&lt;br&gt;Save first?</translation>
    </message>
    <message>
        <source>Profil wechseln</source>
        <translation>Switch profile</translation>
    </message>
    <message>
        <source>%1 laeuft noch.&lt;br&gt;Sie gehoert zum Profil &quot;%2&quot; und wird vor dem Wechsel beendet.&lt;br&gt;Beenden?</source>
        <translation>%1 is still running.&lt;br&gt;It belongs to the profile &quot;%2&quot; and is ended before the switch.&lt;br&gt;End it?</translation>
    </message>
    <message>
        <source>Parameter laden</source>
        <translation>Load parameters</translation>
    </message>
    <message>
        <source>X-Parameter laden</source>
        <translation>Load X parameters</translation>
    </message>
    <message>
        <source>S-Meter-Kalibrierung</source>
        <translation>S-meter calibration</translation>
    </message>
    <message>
        <source>Nur in der Datei, nicht im Talvaro (keine Verbindung): %1</source>
        <translation>Only in the file, not in the Talvaro (no connection): %1</translation>
    </message>
    <message>
        <source>RS232 nicht offen!</source>
        <translation>RS232 not open!</translation>
    </message>
    <message>
        <source>Der Name kommt aus der Einstellung &quot;%1&quot; von Profil %2 (Menue &quot;Einstellungen&quot;, Seite &quot;Talvaro HW%2&quot;).</source>
        <translation>The name comes from the setting &quot;%1&quot; of profile %2 (menu &quot;Settings&quot;, page &quot;Talvaro HW%2&quot;).</translation>
    </message>
    <message>
        <source>Datensatz nicht vollstaendig geladen!</source>
        <translation>Data set not completely loaded!</translation>
    </message>
    <message>
        <source>Der Eeprom ist jetzt teilweise ueberschrieben: %1 von %2 Bytes geschrieben.</source>
        <translation>The EEPROM is now partly overwritten: %1 of %2 bytes written.</translation>
    </message>
    <message>
        <source>Der Eeprom ist nicht vollstaendig: die Firmware ist geschrieben, der Parameterblock nur bis Byte %1 von %2.</source>
        <translation>The EEPROM is incomplete: the firmware is written, the parameter block only up to byte %1 of %2.</translation>
    </message>
    <message>
        <source>ExEeprominhalt restaurieren: Datei fuer den externen Eeprom waehlen</source>
        <comment>FileDialog</comment>
        <translation>Restore ext. EEPROM content: choose the file for the external EEPROM</translation>
    </message>
    <message>
        <source>&lt;b&gt;Der Inhalt des externen Eeproms Talvaro(Quarnel) wird restauriert&lt;/b&gt;&lt;br&gt;Die Daten der Datei &quot;%1&quot; werden in den externen&lt;br&gt;Eeprom des Talvaro zurueckgespeichert.&lt;br&gt;&lt;br&gt;&lt;b&gt;Diese Funktion kann nur fuer den &lt;b&gt;Talvaro nach Quarnel&lt;/b&gt; verwendet werden !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Verbindung &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; und &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt; herstellen.&lt;br&gt;2. Am &quot;Talvaro&quot; Funktion mit &lt;b&gt;&quot;996&quot;&lt;/b&gt; starten&lt;br&gt;3. Am PC in diesem Dialog &lt;b&gt;&quot;OK&quot;&lt;/b&gt; druecken.&lt;br&gt;4. Der Talvaro bleibt auf Empfang bis die Funktion beendet ist&lt;br&gt;</source>
        <translation>&lt;b&gt;The content of the external EEPROM of the Talvaro (Quarnel) is restored&lt;/b&gt;&lt;br&gt;The data of the file &quot;%1&quot; is stored back into the external&lt;br&gt;EEPROM of the Talvaro.&lt;br&gt;&lt;br&gt;&lt;b&gt;This function can only be used for the &lt;b&gt;Talvaro of the Quarnel design&lt;/b&gt; !!!&lt;/b&gt;&lt;br&gt;&lt;br&gt;1. Connect &lt;b&gt;&quot;RS232-PIC&quot;&lt;/b&gt; and &lt;b&gt;&quot;RS232-PC&quot;&lt;/b&gt;.&lt;br&gt;2. Start function &lt;b&gt;&quot;996&quot;&lt;/b&gt; on the &quot;Talvaro&quot;&lt;br&gt;3. Press &lt;b&gt;&quot;OK&quot;&lt;/b&gt; in this dialog on the PC.&lt;br&gt;4. The Talvaro stays on receive until the function has ended&lt;br&gt;</translation>
    </message>
    <message>
        <source>Port %1 ist belegt: das Programm, das ihn offen hat, gehoert einem anderen Benutzer; es laeuft %2, wahrscheinlich ist es das</source>
        <translation>Port %1 is busy: the program that has it open belongs to another user; %2 is running, most likely it is the one</translation>
    </message>
    <message>
        <source>ModemManager prueft neue USB-Adapter mit AT-Befehlen; eine udev-Regel mit ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; fuer den Adapter haelt ihn fern (oder sudo systemctl disable --now ModemManager, wenn kein Modem gebraucht wird; siehe %1).</source>
        <translation>ModemManager probes new USB adapters with AT commands; a udev rule with ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; for the adapter keeps it away (or sudo systemctl disable --now ModemManager when no modem is needed; see %1).</translation>
    </message>
    <message>
        <source>brltty nimmt manche USB-Adapter (CH340, CP210x) fuer eine Braillezeile; ohne Braillezeile haelt sudo apt remove brltty ihn fern, sonst seine udev-Regel fuer diesen Adapter abschalten (siehe %1).</source>
        <translation>brltty takes some USB adapters (CH340, CP210x) for a braille display; without a braille display sudo apt remove brltty keeps it away, otherwise switch off its udev rule for this adapter (see %1).</translation>
    </message>
    <message>
        <source>Keine Berechtigung fuer %1 (Modus %2, Gruppe &quot;%3&quot;): keine Gruppe, der man beitreten kann, darf ihn lesen und schreiben. Abhilfe: eine udev-Regel, die den Adapter der Gruppe &quot;dialout&quot; gibt (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; ein Beispiel steht in %5), dann den Benutzer &quot;%4&quot; in diese Gruppe aufnehmen (sudo usermod -aG dialout %4) und ab- und wieder anmelden.</source>
        <translation>No permission for %1 (mode %2, group &quot;%3&quot;): no group one can join may read and write it. Remedy: a udev rule that gives the adapter to the group &quot;dialout&quot; (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; an example is in %5), then add the user &quot;%4&quot; to that group (sudo usermod -aG dialout %4) and log out and in again.</translation>
    </message>
    <message>
        <source>&amp;Anleitung</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Die Anleitung zum Talvaro-Loader oeffnen</source>
        <translation>Open the manual of Talvaro-Loader</translation>
    </message>
    <message>
        <source>&amp;USB-Adapter</source>
        <translation>&amp;USB adapters</translation>
    </message>
    <message>
        <source>Ports, Berechtigungen, ModemManager und brltty, eine udev-Regel fuer den Adapter</source>
        <translation>Ports, permissions, ModemManager and brltty, a udev rule for the adapter</translation>
    </message>
    <message>
        <source>&amp;Kommandozeile</source>
        <translation>&amp;Command line</translation>
    </message>
    <message>
        <source>talvaro-cli: die Uebertragungen von der Kommandozeile</source>
        <translation>talvaro-cli: the transfers from the command line</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Die Anleitung liegt in &quot;%1&quot;; kein Programm hat sie geoeffnet.</source>
        <translation>The manual is in &quot;%1&quot;; no program opened it.</translation>
    </message>
    <message>
        <source>Die Anleitung &quot;%1&quot; ist nicht installiert.</source>
        <translation>The manual &quot;%1&quot; is not installed.</translation>
    </message>
    <message>
        <source>Es gibt noch keine Konfiguration &quot;%1&quot;: es gelten die Vorgaben.</source>
        <translation>There is no configuration &quot;%1&quot; yet: the defaults apply.</translation>
    </message>
    <message>
        <source>Diese Dateien von Profil %1 fehlen:</source>
        <translation>These files of profile %1 are missing:</translation>
    </message>
    <message>
        <source>Unter &quot;Einstellungen&quot; (Menue oder Werkzeugleiste), Seite &quot;Talvaro HW%1&quot;, das Verzeichnis der Vesk-Software und die Dateien waehlen, dann &quot;OK&quot;.</source>
        <translation>Under &quot;Settings&quot; (menu or tool bar), page &quot;Talvaro HW%1&quot;, choose the folder of the Vesk software and the files, then &quot;OK&quot;.</translation>
    </message>
    <message>
        <source>Ohne Talvaro: &quot;talvaro-loader --simulate&quot; arbeitet mit einem simulierten Talvaro und einem Beispieldatensatz.</source>
        <translation>Without a Talvaro: &quot;talvaro-loader --simulate&quot; works with a simulated Talvaro and a sample data set.</translation>
    </message>
    <message>
        <source>Keine Konfiguration</source>
        <translation>No configuration</translation>
    </message>
    <message>
        <source>Dateien fehlen</source>
        <translation>Files missing</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist %3 - es wird nichts gesendet und nichts geschrieben!</source>
        <translation>%1 &quot;%2&quot; is %3 - nothing is sent and nothing written!</translation>
    </message>
    <message>
        <source>Dateiname ist kein gueltiges UTF-8: %1</source>
        <translation>File name is not valid UTF-8: %1</translation>
    </message>
    <message>
        <source>Image zu gross!</source>
        <translation>Image too large!</translation>
    </message>
    <message>
        <source>Das Image hat %1 Bytes, mit dem Parameterblock %2 Bytes; der Eeprom fasst %3 Bytes - nichts gesendet!</source>
        <translation>The image has %1 bytes, with the parameter block %2 bytes; the EEPROM holds %3 bytes - nothing sent!</translation>
    </message>
    <message>
        <source>dieses Profils</source>
        <translation>of this profile</translation>
    </message>
    <message>
        <source>des Profils %1</source>
        <translation>of profile %1</translation>
    </message>
    <message>
        <source>die Firmware</source>
        <translation>the firmware</translation>
    </message>
    <message>
        <source>die Filterliste</source>
        <translation>the filter list</translation>
    </message>
    <message>
        <source>die Parameterdatei</source>
        <translation>the parameter file</translation>
    </message>
    <message>
        <source>die X-Parameterdatei</source>
        <translation>the X parameter file</translation>
    </message>
    <message>
        <source>die RX-Equalizerdatei</source>
        <translation>the RX equalizer file</translation>
    </message>
    <message>
        <source>die TX-Equalizerdatei</source>
        <translation>the TX equalizer file</translation>
    </message>
    <message>
        <source>die AD603-Datei</source>
        <translation>the AD603 file</translation>
    </message>
    <message>
        <source>die Standard-Parameterdatei</source>
        <translation>the standard parameter file</translation>
    </message>
    <message>
        <source>die S-Meter-Datei</source>
        <translation>the S-meter file</translation>
    </message>
    <message>
        <source>die Testfirmware</source>
        <translation>the test firmware</translation>
    </message>
    <message>
        <source>die Filterdatei &quot;%1&quot; aus der Filterliste %2</source>
        <translation>the filter file &quot;%1&quot; from the filter list %2</translation>
    </message>
    <message>
        <source>Keine Textdatei!</source>
        <translation>Not a text file!</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot; ist keine Textdatei: sie enthaelt Null-Bytes (UTF-16 ohne Byte-Order-Mark oder binaer)!</source>
        <translation>File &quot;%1&quot; is not a text file: it contains NUL bytes (UTF-16 without a byte-order mark, or binary)!</translation>
    </message>
    <message>
        <source>Dateiname ungueltig!</source>
        <translation>Invalid file name!</translation>
    </message>
    <message>
        <source>Konfiguration nicht lesbar</source>
        <translation>Configuration not readable</translation>
    </message>
    <message>
        <source>&lt;br&gt;Es gelten die Vorgaben; die Datei bleibt, wie sie ist. Kein Port wird geoeffnet.</source>
        <translation>&lt;br&gt;The defaults apply; the file stays as it is. No port is opened.</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Die Konfiguration &quot;%1&quot; konnte beim Start nicht gelesen werden und wird nicht ueberschrieben.&lt;br&gt;Die geaenderten Einstellungen in einer anderen Datei speichern?</source>
        <translation>The configuration &quot;%1&quot; could not be read at start and is not overwritten.&lt;br&gt;Save the changed settings in another file?</translation>
    </message>
    <message>
        <source>Einstellungen speichern unter</source>
        <translation>Save settings as</translation>
    </message>
    <message>
        <source>Konfiguration (*.cfg);;Alle Dateien (*)</source>
        <comment>FileDialog</comment>
        <translation>Configuration (*.cfg);;All files (*)</translation>
    </message>
    <message>
        <source>die Konfiguration</source>
        <translation>the configuration</translation>
    </message>
    <message>
        <source>der Trace</source>
        <translation>the trace</translation>
    </message>
    <message>
        <source>die Teilsicherung dieses Befehls</source>
        <translation>this command&apos;s partial backup</translation>
    </message>
    <message>
        <source>der Eeprom-Verlauf</source>
        <translation>the EEPROM history</translation>
    </message>
    <message>
        <source>Parameter-Vergleich: gleich</source>
        <translation>Parameter comparison: equal</translation>
    </message>
    <message>
        <source>Parameter-Vergleich: %1 Unterschiede</source>
        <translation>Parameter comparison: %1 differences</translation>
    </message>
    <message>
        <source>Der Eeprom-Inhalt kann nicht im Verlauf abgelegt werden!</source>
        <translation>The EEPROM content cannot be kept in the history!</translation>
    </message>
    <message>
        <source>Eeprom-Inhalt (%1 Bytes) abgelegt in Datei &quot;%2&quot;</source>
        <translation>EEPROM content (%1 bytes) kept in file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Alte Sicherung &quot;%1&quot; wurde veraendert und bleibt</source>
        <translation>Old backup &quot;%1&quot; was changed and stays</translation>
    </message>
    <message>
        <source>Die Dateien sind gleich</source>
        <translation>The files are equal</translation>
    </message>
    <message>
        <source>%1 Bytes verschieden in %2 Bereichen</source>
        <translation>%1 bytes differ in %2 ranges</translation>
    </message>
    <message>
        <source>... und %1 weitere Bereiche</source>
        <translation>... and %1 more ranges</translation>
    </message>
    <message>
        <source>Eeprom-&amp;Verlauf</source>
        <translation>EEPROM &amp;history</translation>
    </message>
    <message>
        <source>Die Eeprom-Sicherungen dieses Profils vergleichen und wiederherstellen</source>
        <translation>Compare and restore this profile&apos;s EEPROM backups</translation>
    </message>
    <message>
        <source>Der Eeprom-Verlauf &quot;%1&quot; kann nicht gelesen werden!</source>
        <translation>The EEPROM history &quot;%1&quot; cannot be read!</translation>
    </message>
    <message>
        <source>Der Eeprom-Verlauf &quot;%1&quot; ist beschaedigt!</source>
        <translation>The EEPROM history &quot;%1&quot; is damaged!</translation>
    </message>
    <message>
        <source>Der Eeprom-Verlauf &quot;%1&quot; kann nicht geschrieben werden!</source>
        <translation>The EEPROM history &quot;%1&quot; cannot be written!</translation>
    </message>
    <message>
        <source>Der Eeprom-Verlauf &quot;%1&quot; ist gesperrt!</source>
        <translation>The EEPROM history &quot;%1&quot; is locked!</translation>
    </message>
    <message>
        <source>die Eingabe dieses Befehls</source>
        <translation>this command&apos;s input</translation>
    </message>
    <message>
        <source>die Ausgabe dieses Befehls</source>
        <translation>this command&apos;s output</translation>
    </message>
</context>
</TS>
