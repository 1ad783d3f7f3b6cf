// The paced line to the transceiver: byte senders with the configured delays, the wait
// primitive, command frames, the input flush and the waits for answers. Every wait runs a
// local event loop to a precise deadline, so the window stays alive and no core spins.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>

class Modem;
class Progress;

class Link : public QObject {
    Q_OBJECT
public:
    explicit Link(Modem* modem = nullptr, QObject* parent = nullptr);
    ~Link() override;

    void setModem(Modem* modem);
    Modem* modem() const;

    // rs232offen: the result of the last port open; guards every protocol.
    void setOpen(bool open) { m_open = open; }
    bool isOpen() const { return m_open; }

    // The three write delays in ms (PIC, DSP loader, parameters); below 0 counts as 0.
    void setDelays(int pic, int dsp, int param);
    int picDelay() const { return m_picDelay; }
    int dspDelay() const { return m_dspDelay; }
    int paramDelay() const { return m_paramDelay; }
    // The delay that followed the last byte written (ms), so that a progress display can
    // tell which of the three paces a transfer runs at.
    int lastDelay() const { return m_lastDelay; }

    // Waits ms milliseconds while pumping events; 0 returns at once. Each wait keeps its own
    // deadline: a wait begun inside another never ends it early.
    void warten(int ms);

    // Write one byte, then wait the matching delay counted from the write. They write
    // whether or not the port is open (a closed port writes nothing) and still wait.
    void sendepic(int value);
    void sendedsp(int value);
    void sendeparam(int value);

    // The command frame 0x7E, number, value (low 8 bits each), paced by the parameter delay.
    // Nothing while the port is not open. A frame begun while another frame or a transfer
    // is being paced is queued and goes out whole right after it.
    void dspframe(int number, int value);

    // Reads up to 256 bytes and discards them; true when at least one byte was read.
    bool rs232leeren();
    // rs232leeren until it returns false.
    void leeren();

    // Reads at most n bytes of what has arrived; never waits.
    int readData(char* buffer, int n);

    enum class Wait { Byte, Canceled, Closed };
    // Waits on readyRead for one byte; ends at once when progress is cancelled.
    Wait waitByte(quint8* out, Progress* progress);
    // Waits until at least n bytes are readable (or cancel); reads none of them.
    Wait waitBytes(int n, Progress* progress);

    // One transfer at a time: false when another one runs, and false while a frame is being
    // paced further down the stack (its remaining bytes would land inside the transfer).
    // Frames asked for meanwhile from nested event handling go out at endTransfer.
    bool beginTransfer();
    void endTransfer();
    bool transferActive() const { return m_transfer; }
    // A frame is on its way: its bytes are being paced.
    bool framePaced() const { return m_frameActive; }
    // Events are being handled from inside a wait of the line (or marked Pumping): whatever
    // waits there still owns the line once it returns.
    bool pumpt() const { return m_waitDepth > 0; }

    // How long a full driver queue is waited out before a byte is written anyway.
    static constexpr int kVollMs = 10000;

    // Paced waits begun so far (warten and the senders' delays), for tests and benches that
    // count waits instead of timing them.
    quint64 waitCount() const { return m_waitCount; }

    // Frames waiting for the line, in order.
    const QList<std::pair<int, int>>& queuedFrames() const { return m_queue; }

    // Marks event pumping done outside the Link's own waits (a modal progress dialog that
    // processes events in setValue, say): frames asked for from inside it, while a frame or
    // a transfer runs, are queued like those from inside a Link wait. Without a Link it
    // marks every Link there is, for code that pumps without knowing the line (a dialog).
    class Pumping {
    public:
        explicit Pumping(Link* link = nullptr);
        ~Pumping();
        Pumping(const Pumping&) = delete;
        Pumping& operator=(const Pumping&) = delete;

    private:
        QList<QPointer<Link>> m_links;
    };

    // For as long as it lives, a cancel of progress also ends the wait for room in a full
    // driver queue: the byte is then not written, and the transfer sees the cancel.
    class Abbruch {
    public:
        Abbruch(Link& link, Progress* progress);
        ~Abbruch();
        Abbruch(const Abbruch&) = delete;
        Abbruch& operator=(const Abbruch&) = delete;

    private:
        Link& m_link;
        QPointer<Progress> m_vorher;
    };

    // For as long as it lives, a cancel keeps no frame off the line: what a block must end
    // with (its closing frame, the rest of a parameter block) goes to the port's own buffer
    // when the driver queue is full, instead of being dropped.
    class Ganz {
    public:
        explicit Ganz(Link& link) : m_link(link), m_vorher(link.m_ganz) { link.m_ganz = true; }
        ~Ganz() { m_link.m_ganz = m_vorher; }
        Ganz(const Ganz&) = delete;
        Ganz& operator=(const Ganz&) = delete;

    private:
        Link& m_link;
        bool m_vorher;
    };

    // A cancel that holds for every wait for room, also where no progress is shown (a frame,
    // a parameter block): talvaro-cli's Ctrl-C. A byte whose wait it ends is not written.
    void setAufgegeben(std::function<bool()> f) { m_aufgegeben = std::move(f); }
    // Bytes not written because a cancel ended their wait for room, since the Link was made.
    quint64 verworfen() const { return m_verworfen; }

    // The Link's clock (ns since it was made); write times are on it.
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

signals:
    // Every command frame as it goes on the wire.
    void frameSent(int number, int value);
    // Every byte handed to the port, with the time its write began (nowNs); the byte's
    // delay counts from there.
    void byteWritten(int value, qint64 timeNs);

private:
    void send(int value, int delayMs);
    void waitUntil(qint64 deadlineNs);
    void flushQueue();
    // True when the caller runs inside event handling nested deeper than the frame or
    // transfer that owns the line: a wait of theirs, a modal loop, marked pumping.
    bool nestedSince(int waitBase, int loopBase) const;

    QPointer<Modem> m_modem;
    QPointer<Progress> m_abbruch;
    bool m_open = false;
    int m_picDelay = 10;
    int m_dspDelay = 2;
    int m_paramDelay = 0;
    int m_lastDelay = 0;
    bool m_transfer = false;
    int m_transferBase = 0;
    int m_transferLoop = 0;
    bool m_frameActive = false;
    int m_frameBase = 0;
    int m_frameLoop = 0;
    bool m_flushing = false;
    int m_waitDepth = 0;
    quint64 m_waitCount = 0;
    quint64 m_verworfen = 0;
    // The rest of a frame whose first byte is out, or a block held whole (Ganz): a cancel
    // hands it to the port's buffer instead of dropping it.
    bool m_ganz = false;
    std::function<bool()> m_aufgegeben;
    QList<std::pair<int, int>> m_queue;
    QElapsedTimer m_clock;
};
