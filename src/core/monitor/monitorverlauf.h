// The monitor's history: the decoded telegrams of the last 60 s, each with the time it
// arrived, oldest first, and their CSV form for the export.
#pragma once

#include "monitor/tdspdaten.h"

#include <QByteArray>
#include <QtGlobal>
#include <deque>

class MonitorVerlauf {
public:
    // How far back the history reaches.
    static constexpr qint64 spanneMs = 60000;
    // A guard far above what the line can carry in that time (9600 baud gives about 36
    // telegrams/s): should the clock stand still, the oldest still make room.
    static constexpr size_t hoechstzahl = 4096;

    // Telegrams come every 100 ms or faster while the stream runs: a longer silence than
    // this between two of them is a pause or an outage, and the chart leaves a gap there.
    static constexpr qint64 lueckeMs = 1000;

    struct Eintrag {
        qint64 ms = 0; // arrival, on the clock the caller passes to add
        TDspDaten daten;
    };

    // Appends daten, arrived at ms (a monotonic clock of the caller's), and drops every
    // entry older than spanneMs before it. O(1) amortized.
    void add(const TDspDaten& daten, qint64 ms);
    void clear() { m_eintraege.clear(); }

    bool isEmpty() const { return m_eintraege.empty(); }
    size_t size() const { return m_eintraege.size(); }
    // Entry i, 0 being the oldest.
    const Eintrag& at(size_t i) const { return m_eintraege[i]; }
    const Eintrag& neuestes() const { return m_eintraege.back(); }
    // Entry i came more than lueckeMs after the one before it: a line drawn through the
    // history starts afresh there.
    bool lueckeVor(size_t i) const {
        return i > 0 && i < m_eintraege.size() &&
               m_eintraege[i].ms - m_eintraege[i - 1].ms > lueckeMs;
    }

    // The export: the header line, then one line per entry, oldest first. Fields are
    // separated by ";" (what spreadsheets in German locales expect) and every line ends with
    // CR LF. The first column "zeit_ms" is the arrival in ms after the oldest entry, then
    // the fields of TDspDaten in their order, flags as 0 and 1. An empty history gives the
    // header alone.
    QByteArray csv() const;
    static QByteArray csvKopf();

private:
    std::deque<Eintrag> m_eintraege;
};
