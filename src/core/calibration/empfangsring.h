// The receive ring shared by the calibration poll and the monitor poll: the last 256 bytes
// from the DSP, the write index, the count of polls that brought nothing, and the search
// for the status telegrams among them, oldest first.
#pragma once

#include "telegramm.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <optional>

class Empfangsring {
public:
    static constexpr int groesse = 256;
    // The most bytes that may go in between two searches: a header waiting for its last 22
    // bytes is never overwritten by them.
    static constexpr int stueck = groesse - Telegramm::laenge - 2;
    // A poll starts: write index and empty-poll count back to 0, the ring's old bytes
    // no longer count as received.
    void neustart();
    // The bytes one poll read (empty when nothing came or the port is closed): counts the
    // poll as empty, then every byte resets that count and goes into the ring.
    void aufnehmen(const QByteArray& bytes);
    void aufnehmen(const char* data, int n);

    // Takes any number of bytes (one poll's reading, however long) in pieces of at most
    // stueck, and after each piece appends every telegram complete by then to gefunden, in
    // the order they came: no byte is overwritten before it was searched. Counts as one poll.
    void einlesen(const char* data, int n, QList<Telegramm>* gefunden);

    // telegrammsuchen: the telegram behind the lowest header among the bytes not yet
    // searched, once it has fully arrived. A header whose last bytes are still missing is
    // remembered and handled by a later search once they are in. A telegram found moves the
    // bytes behind it to the ring's start (the write index is their count), so calling
    // again until nothing comes hands out every complete telegram, in the order they came.
    std::optional<Telegramm> telegrammsuchen();

    // empfangsindex: where the next byte goes (0..255).
    int empfangsindex() const { return m_empfangen % groesse; }
    // leerabfragen: consecutive polls without a byte.
    int leerabfragen() const { return m_leer; }
    // Bytes received since the index was last set to 0 (at most 511; older ones are gone).
    int empfangen() const { return m_empfangen; }
    // Ring position of a header that waits for the rest of its telegram, or -1.
    int wartenderKopf() const { return m_wartend < 0 ? -1 : (m_wartend - 1) % groesse; }
    // The raw ring byte at position pos modulo 256.
    quint8 at(int pos) const { return m_ring[size_t(((pos % groesse) + groesse) % groesse)]; }

private:
    void speichern(quint8 byte);
    bool kopfbei(int j) const;

    std::array<quint8, groesse> m_ring{};
    // Counts bytes since the last reset; its value modulo 256 is the write index. Kept
    // below 512 by steps of 256, which leaves the index unchanged.
    int m_empfangen = 0;
    int m_leer = 0;
    // Count position of the second 0x7E of a header still waiting for its bytes, or -1.
    int m_wartend = -1;
};
