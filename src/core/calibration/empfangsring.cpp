#include "empfangsring.h"

#include <algorithm>

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

void Empfangsring::einlesen(const char* data, int n, QList<Telegramm>* gefunden) {
    ++m_leer;
    for (int anfang = 0; anfang < n; anfang += stueck) {
        m_leer = 0;
        for (int i = anfang; i < qMin(n, anfang + stueck); ++i)
            speichern(quint8(data[i]));
        while (const std::optional<Telegramm> t = telegrammsuchen())
            gefunden->append(*t);
    }
}

bool Empfangsring::kopfbei(int j) const {
    return at(j - 1) == Telegramm::kopfbyte && at(j) == Telegramm::kopfbyte;
}

std::optional<Telegramm> Empfangsring::telegrammsuchen() {
    int j = m_wartend;
    if (j < 0) {
        // Both header bytes must have been received since the reset (j - 1 >= 0) and must
        // not have been overwritten since (j - 1 >= m_empfangen - groesse).
        for (int k = qMax(1, m_empfangen - groesse + 1); k < m_empfangen; ++k) {
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
    // The bytes behind the telegram move to the ring's start, where the next search
    // begins: the next telegram may already be among them, complete or in part.
    const int rest = m_empfangen - (j + Telegramm::laenge + 1);
    std::array<quint8, groesse> kopie{};
    for (int k = 0; k < rest; ++k)
        kopie[size_t(k)] = at(j + Telegramm::laenge + 1 + k);
    std::copy_n(kopie.begin(), rest, m_ring.begin());
    m_empfangen = rest;
    m_wartend = -1;
    return t;
}
