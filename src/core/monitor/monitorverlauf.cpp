#include "monitorverlauf.h"

void MonitorVerlauf::add(const TDspDaten& daten, qint64 ms) {
    // Kept in order of arrival, whatever the clock says.
    if (!m_eintraege.empty())
        ms = qMax(ms, m_eintraege.back().ms);
    while (!m_eintraege.empty() &&
           (ms - m_eintraege.front().ms > spanneMs || m_eintraege.size() >= hoechstzahl))
        m_eintraege.pop_front();
    m_eintraege.push_back({ms, daten});
}

QByteArray MonitorVerlauf::csvKopf() {
    return QByteArrayLiteral("zeit_ms;wert0;wert1;wert2;wert3;wert4;wert5;wert6;wert7;sigdb;"
                             "spike;adcstufe;agcroh;rx;hang;smeter;ad603;gain;adc;agc;vogad\r\n");
}

QByteArray MonitorVerlauf::csv() const {
    QByteArray out = csvKopf();
    if (m_eintraege.empty())
        return out;
    out.reserve(out.size() + qsizetype(m_eintraege.size()) * 96);
    const qint64 anfang = m_eintraege.front().ms;
    for (const Eintrag& e : m_eintraege) {
        const TDspDaten& d = e.daten;
        const qint64 felder[] = {e.ms - anfang, d.wert0, d.wert1, d.wert2,  d.wert3, d.wert4,
                                 d.wert5,       d.wert6, d.wert7, d.sigdb,  d.spike, d.adcstufe,
                                 d.agcroh,      d.rx,    d.hang,  d.smeter, d.ad603, d.gain,
                                 d.adc,         d.agc,   d.vogad};
        for (size_t i = 0; i < std::size(felder); ++i) {
            if (i)
                out += ';';
            out += QByteArray::number(felder[i]);
        }
        out += "\r\n";
    }
    return out;
}
