#include "parameters/parametertransfer.h"

namespace parameter {

int spaltenwert(const TParameter& p, Modus modus, Bank bank) {
    const bool cw = modus == Modus::Cw;
    switch (bank) {
    case Bank::Gelb:
        return cw ? p.cwyellow : p.ssbyellow;
    case Bank::Rot:
        return cw ? p.cwred : p.ssbred;
    case Bank::Gruen:
        break;
    }
    return cw ? p.cwgreen : p.ssbgreen;
}

int gruenwert(const TParameter& p, Modus modus) {
    return spaltenwert(p, modus, Bank::Gruen);
}

int anzeigewert(const TParameter& p, Modus modus, Bank bank) {
    const int v = spaltenwert(p, modus, bank);
    if (bank != Bank::Gruen && v == TParameter::wiegruen)
        return gruenwert(p, modus);
    return v;
}

std::optional<int> sendewert(const TParameter& p, int nummer, Modus modus, Bank bank,
                             bool monitor) {
    if (monitor && nummer == kCmdTelegramm)
        return kTelegrammEin;
    const int v = spaltenwert(p, modus, bank);
    if (v == TParameter::fehlt)
        return std::nullopt;
    // A "same as green" entry goes out as the green value, whatever that is, 255 included:
    // the DSP keeps no notion of 254.
    if (bank != Bank::Gruen && v == TParameter::wiegruen)
        return gruenwert(p, modus) & 0xFF;
    return v & 0xFF;
}

QList<Frame> parameterFrames(const ParameterTabelle& tabelle, Modus modus, Bank bank,
                             bool monitor) {
    QList<Frame> frames;
    frames.append({kCmdBlock, 1});
    for (int i = kErste; i <= kLetzte; ++i)
        if (const auto v = sendewert(tabelle[size_t(i)], i, modus, bank, monitor))
            frames.append({i, *v});
    frames.append({kCmdBlock, 0});
    return frames;
}

void uebernehmeBereich(ParameterTabelle& tabelle, const QByteArray& bereich) {
    const qsizetype n = qMin<qsizetype>(bereich.size(), kBereichDaten);
    for (qsizetype k = 0; k < n; ++k) {
        const int block = int(k / kBlockLaenge);
        const int nummer = kErste + int(k % kBlockLaenge);
        const int b = quint8(bereich.at(k));
        TParameter& p = tabelle[size_t(nummer)];
        switch (block) {
        case 0:
            p.ssbgreen = b;
            break;
        case 1:
            p.ssbyellow = b;
            break;
        case 2:
            p.ssbred = b;
            break;
        case 3:
            p.max = b;
            break;
        case 4:
            p.min = b;
            break;
        case 5:
            p.cwgreen = b;
            break;
        case 6:
            p.cwyellow = b;
            break;
        case 7:
            p.cwred = b;
            break;
        default:
            p.user = nummer / 10 * 10 + b;
            break;
        }
    }
}

} // namespace parameter
