// The DSP's loader in the simulated set: it waits for the start bytes "$$$" CR, takes load
// records into program memory (24-bit words) and data memory (16-bit words), checks each
// record's layout, sums the words as the device does and compares the sum with the checksum
// record, and on "###" CR and the start record "$GO" starts the program: the set returns to
// the running DSP. A command frame 111 to the running DSP enters the loader as well.
#pragma once

#include "simpart.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

class SimTransceiver;

class SimLoader : public QObject, public SimPart {
    Q_OBJECT
public:
    enum class State { WaitStart, Records, WaitGo, Started };
    Q_ENUM(State)

    struct Record {
        char memory = 0; // 'P' or 'D'
        int address = 0;
        int count = 0;
        QByteArray words; // as received, most significant byte first
    };

    // Plugs into sim for the mode DspLoader; leaves again when destroyed.
    explicit SimLoader(SimTransceiver* sim, QObject* parent = nullptr);
    ~SimLoader() override;

    void enter() override;
    void byte(quint8 value, qint64 timeNs) override;

    State state() const { return m_state; }
    // The records of the current load, in order, the checksum record included.
    const QList<Record>& records() const { return m_records; }
    // Every record byte of the current load as it arrived, from "$" to CR: the image.
    const QByteArray& image() const { return m_image; }
    // A word of each memory; -1 where nothing was ever loaded.
    qint32 programWord(int address) const;
    qint32 dataWord(int address) const;
    // Words loaded into each memory by the current load.
    int programWordsLoaded() const { return m_programLoaded; }
    int dataWordsLoaded() const { return m_dataLoaded; }

    // The sum over every word before the checksum record, as the device forms it.
    int checksumComputed() const { return m_sum; }
    // The sum the checksum record carried; -1 while none came.
    int checksumReceived() const { return m_checksum; }
    bool checksumOk() const { return m_checksum >= 0 && m_checksum == m_sum; }

    // Layout faults seen in this load, one line each.
    const QStringList& errors() const { return m_errors; }
    // Bytes before the start bytes, ignored.
    int ignoredBytes() const { return m_ignored; }
    bool started() const { return m_state == State::Started; }
    int startAddress() const { return m_startAddress; }

    // A frame 111 to the running DSP enters the loader (on unless switched off).
    void setFollowLoadCommand(bool on) { m_followFrame = on; }

    // The address at which the checksum travels.
    static constexpr int checksumAddress = 0x37FE;

signals:
    void programStarted(int address);

private:
    void startLoad();
    void recordByte(quint8 value);
    void finishRecord();
    void fault(const QString& text);

    SimTransceiver* m_sim;
    State m_state = State::WaitStart;
    bool m_followFrame = true;

    QVector<qint32> m_program;
    QVector<qint32> m_data;
    int m_programLoaded = 0;
    int m_dataLoaded = 0;

    QByteArray m_window;  // the last bytes while waiting for the start or the end bytes
    QByteArray m_current; // the record being received
    bool m_resync = false;
    int m_expected = 0; // bytes of the current record, once its header is in
    QList<Record> m_records;
    QByteArray m_image;
    QStringList m_errors;
    int m_ignored = 0;
    int m_sum = 0;
    int m_lastMiddle = 0;
    int m_checksum = -1;
    int m_startAddress = -1;
};
