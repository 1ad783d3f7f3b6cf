#include "empfangsring.h"

void Empfangsring::neustart() {
    m_empfangen = 0;
    m_leer = 0;
    m_wartend = -1;
}

void Empfangsring::speichern(quint8 byte) {
    m_ring[size_t(m_empfangen % groesse)] = byte;
    ++m_empfangen;
    if (m_empfangen >= 2 * groesse) {
        m_empfangen -= groesse;
        if (m_wartend >= 0)
            m_wartend -= groesse;
    }
    // A waiting header that has been overwritten can no longer be read.
    if (m_wartend >= 0 && m_empfangen - (m_wartend - 1) > groesse)
        m_wartend = -1;
}

void Empfangsring::aufnehmen(const char* data, int n) {
    ++m_leer;
    for (int i = 0; i < n; ++i) {
        m_leer = 0;
        speichern(quint8(data[i]));
    }
}

void Empfangsring::aufnehmen(const QByteArray& bytes) {
    aufnehmen(bytes.constData(), int(bytes.size()));
}

bool Empfangsring::kopfbei(int j) const {
    return at(j - 1) == Telegramm::kopfbyte && at(j) == Telegramm::kopfbyte;
}

std::optional<Telegramm> Empfangsring::telegrammsuchen() {
    if (m_empfangen <= suchfenster)
        return std::nullopt;
    int j = m_wartend;
    if (j < 0) {
        // Both header bytes must have been received since the reset: j - 1 >= 0.
        for (int k = qMax(1, m_empfangen - suchfenster); k < m_empfangen; ++k) {
            if (kopfbei(k)) {
                j = k;
                break;
            }
        }
        if (j < 0)
            return std::nullopt;
    }
    // Byte 22 sits at j + 22; until it has arrived the ring there holds older bytes.
    if (j + Telegramm::laenge >= m_empfangen) {
        m_wartend = j;
        return std::nullopt;
    }
    QByteArray body(Telegramm::laenge, '\0');
    for (int k = 1; k <= Telegramm::laenge; ++k)
        body[k - 1] = char(at(j + k));
    Telegramm t(body, (j - 1) % groesse);
    m_empfangen = 0;
    m_wartend = -1;
    return t;
}
