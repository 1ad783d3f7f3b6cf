#include "telegramm.h"

Telegramm::Telegramm(const QByteArray& body, int position) : m_position(position) {
    const int n = qMin(int(body.size()), laenge);
    for (int i = 0; i < n; ++i)
        m_bytes[size_t(i)] = quint8(body.at(i));
}

int Telegramm::byte(int k) const {
    if (k < 1 || k > laenge)
        return 0;
    return m_bytes[size_t(k - 1)];
}

int Telegramm::wort(int n) const {
    if (n < 0 || n > 7)
        return 0;
    // Byte 3 (flags and DAC step) sits between word 0 and word 1.
    const int hoch = n == 0 ? 1 : 2 * n + 2;
    return (byte(hoch) << 8) | byte(hoch + 1);
}

QByteArray Telegramm::body() const {
    return QByteArray(reinterpret_cast<const char*>(m_bytes.data()), laenge);
}
