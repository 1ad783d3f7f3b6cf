// The PIC of the simulated set with its external EEPROM of 65536 bytes. Keys at power-on:
// "0" starts the DSP's loader, "#" the EEPROM download (handshake, then the image from
// address 0 and the parameter block, every byte written, read back and echoed), "1" (after
// the warm start 999) the parameter block alone. Functions: 997 sends the whole EEPROM,
// 996 takes an image back (handshake, echoed writes from address 0), 995 sends the
// parameter area. Faults on request: a chosen answer to "x", scripted handshake answers, a
// wrong echo at data byte k, silence and a dropped line after n answers.
#pragma once

#include "simpart.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QTimer;
class SimConsole;
class SimTransceiver;

class SimPic : public QObject, public SimPart {
    Q_OBJECT
public:
    enum class State { Idle, Sync, Write, Parameter, Send };
    Q_ENUM(State)

    static constexpr int eepromSize = 65536;
    // Where the parameter block's 9 x 90 values live; function 995 sends 1024 bytes from here.
    static constexpr int parameterArea = 0xFC00;
    static constexpr int parameterAreaSize = 1024;
    static constexpr int parameterBlockSize = 944;

    // Plugs into sim for the mode Pic; leaves again when destroyed.
    explicit SimPic(SimTransceiver* sim, QObject* parent = nullptr);
    ~SimPic() override;

    void leave() override;
    void byte(quint8 value, qint64 timeNs) override;

    // ---- the user at the set ---------------------------------------------------------------
    // '0', '1' or '#'; false for any other key.
    bool key(QChar k);
    // 995, 996, 997 or 999; false for any other number.
    bool function(int number);

    State state() const { return m_state; }
    QByteArray& eeprom() { return m_eeprom; }
    const QByteArray& eeprom() const { return m_eeprom; }

    // ---- what happened in the current session ------------------------------------------------
    // Handshake bytes answered, and how many "x" arrived.
    int syncBytes() const { return m_syncBytes; }
    // Data bytes taken after the handshake (download and restore) or of the parameter block.
    int dataBytes() const { return m_dataBytes; }
    // The parameter block as it arrived, up to its 944 bytes.
    const QByteArray& parameterBlock() const { return m_block; }
    // The 810 values of the parameter area.
    QByteArray parameterValues() const;
    // Image bytes written from address 0 (the download without its parameter block).
    int imageBytes() const { return m_imageBytes; }
    // Bytes sent by a function (997, 995) so far.
    int sentBytes() const { return m_sendPos; }
    // Layout faults in the stream, one line each.
    const QStringList& errors() const { return m_errors; }

    // ---- faults ----------------------------------------------------------------------------
    // The answers to the first handshake bytes of each session, in order; then the PIC
    // answers as it should.
    void setSyncAnswers(const QByteArray& answers) { m_syncScript = answers; }
    // Answers "x" with this letter instead (0: with "x").
    void setSyncLetter(char letter) { m_syncLetter = letter; }
    // Data byte k of a session reads back as value (-1: the byte sent with its lowest bit
    // flipped), and is stored so.
    void setWrongEcho(int k, int value = -1) {
        m_wrongAt = k;
        m_wrongValue = value;
    }
    // After n answers (echoes, handshake answers, bytes sent by a function) in a session the
    // PIC falls silent, or drops the line; -1: never.
    void setSilentAfter(int n) { m_silentAfter = n; }
    void setDropAfter(int n) { m_dropAfter = n; }
    void clearFaults();

    // How fast the functions send: bytes per turn and ms between turns.
    void setSendRate(int bytes, int intervalMs);

    // The words of talvaro-sim for the person at the set: "taste 0|1|#",
    // "funktion 995|996|997|999", "fehler sync <Zeichen>|echo <k> [Wert]|still <n>|
    // trennen <n>|aus".
    void addCommands(SimConsole& console);

signals:
    // A function finished sending everything.
    void sendFinished();

private:
    void begin(State state);
    bool answer(quint8 value);
    void writeByte(quint8 value);
    void parameterByte(quint8 value);
    void imageByte(quint8 value);
    void sendMore();
    void fault(const QString& text);

    SimTransceiver* m_sim;
    QTimer* m_timer;
    QByteArray m_eeprom;
    State m_state = State::Idle;

    // The session.
    bool m_parseImage = false; // the download: records, then the parameter block
    int m_answers = 0;
    int m_syncBytes = 0;
    int m_dataBytes = 0;
    int m_address = 0;
    int m_imageBytes = 0;
    QByteArray m_record; // header of the record being written, to find its end
    int m_recordLeft = 0;
    QByteArray m_block;
    QStringList m_errors;
    QByteArray m_sendData;
    int m_sendPos = 0;
    bool m_silent = false;

    // Faults.
    QByteArray m_syncScript;
    char m_syncLetter = 0;
    int m_wrongAt = -1;
    int m_wrongValue = -1;
    int m_silentAfter = -1;
    int m_dropAfter = -1;

    int m_chunk = 256;
    int m_interval = 1;
};
