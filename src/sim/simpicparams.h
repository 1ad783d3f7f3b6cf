// The parameter area that the PIC sends on its function 995, built from a table the test
// gives: nine blocks of 90 bytes for parameters 10..99 (SSB Gruen, Gelb, Rot, upper limit,
// lower limit, CW Gruen, Gelb, Rot, units digit of the user number), then 213 bytes the
// loader does not use. Encoded here on its own, sharing nothing with the loader.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>

class QTimer;
class SimTransceiver;

// One parameter as the PIC keeps it. Values are bytes; what does not fit is cut to 8 bits.
struct SimPicParam {
    int ssb[3] = {0xFF, 0xFF, 0xFF}; // Gruen, Gelb, Rot
    int cw[3] = {0xFF, 0xFF, 0xFF};
    int min = 0;
    int max = 0xFF;
    int einer = 0; // units digit of the user number
};

class SimPicParams : public QObject {
    Q_OBJECT
public:
    static constexpr int areaSize = 1023;
    // What the unused tail holds: not 0xFF, so that a loader that stored it would show.
    static constexpr char tailByte = 0x5A;

    explicit SimPicParams(SimTransceiver* sim, QObject* parent = nullptr);

    // The area for the table, keyed by parameter number 10..99; numbers not in the table are
    // 0xFF in every block, other numbers are ignored.
    static QByteArray area(const QMap<int, SimPicParam>& table);

    void setTable(const QMap<int, SimPicParam>& table) { m_area = area(table); }
    // Any bytes at all, for areas no table can give.
    void setArea(const QByteArray& bytes) { m_area = bytes; }
    const QByteArray& currentArea() const { return m_area; }

    // How fast it goes out: bytes per turn and ms between turns.
    void setSendRate(int bytes, int intervalMs);
    // The PIC stops after n bytes and says nothing more (-1: sends everything).
    void setStopAfter(int n) { m_stopAfter = n; }

    // The person at the set starts function 995 after delayMs: the area goes out.
    void function995(int delayMs = 0);
    int sentBytes() const { return m_pos; }
    bool sending() const;

signals:
    // The area (or as much as it was told to send) is out.
    void finished();

private:
    void sendMore();

    SimTransceiver* m_sim;
    QTimer* m_timer;
    QByteArray m_area;
    int m_pos = 0;
    int m_chunk = 64;
    int m_stopAfter = -1;
};
