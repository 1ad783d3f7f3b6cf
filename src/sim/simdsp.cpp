#include "simdsp.h"

#include "ptypair.h"
#include "simconsole.h"
#include "simframe.h"
#include "simtransceiver.h"

#include <QTimer>
#include <cmath>

namespace {
constexpr quint8 kKopf = 0x7E;
// Bytes the line may hold back before the DSP's UART simply loses what it sends: a loader
// that does not read must not make the set hoard telegrams for ever.
constexpr qsizetype kRueckstauMax = 4096;

int runden(double x) {
    return int(std::floor(x + 0.5));
}
} // namespace

SimDsp::SimDsp(SimTransceiver* sim, QObject* parent)
    : QObject(parent), m_sim(sim), m_timer(new QTimer(this)) {
    m_parameter.fill(-1);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(m_periode);
    connect(m_timer, &QTimer::timeout, this, &SimDsp::senden);
    m_sim->setPart(SimTransceiver::Mode::RunningDsp, this);
    connect(m_sim, &SimTransceiver::frameReceived, this, [this](const SimFrame& f) {
        if (m_sim->mode() == SimTransceiver::Mode::RunningDsp)
            frame(f);
    });
}

SimDsp::~SimDsp() {
    if (m_sim->part(SimTransceiver::Mode::RunningDsp) == this)
        m_sim->setPart(SimTransceiver::Mode::RunningDsp, nullptr);
}

void SimDsp::enter() {
    zuruecksetzen();
}

void SimDsp::leave() {
    streamSchalten(false);
}

void SimDsp::zuruecksetzen() {
    streamSchalten(false);
    m_dacfest = -1;
    m_smeinstellung = m_smrichtig;
    m_smliste.clear();
    m_parameter.fill(-1);
    m_echo = -1;
    m_echoNeu = -1;
    m_zfmodus = -1;
}

void SimDsp::setPeriode(int ms) {
    m_periode = qMax(1, ms);
    m_timer->setInterval(m_periode);
}

void SimDsp::streamSchalten(bool an) {
    m_streamAn = an;
    if (an && !m_timer->isActive())
        m_timer->start();
    else if (!an)
        m_timer->stop();
}

void SimDsp::setMuell(int bytes, bool kopfbytes) {
    m_muell = qMax(0, bytes);
    m_muellKopf = kopfbytes;
}

int SimDsp::parameter(int nummer) const {
    return nummer >= 0 && nummer < int(m_parameter.size()) ? m_parameter[size_t(nummer)] : -1;
}

void SimDsp::frame(const SimFrame& f) {
    if (f.number >= 10 && f.number <= 99)
        m_parameter[size_t(f.number)] = f.value;
    switch (f.number) {
    case 52:
        if (f.value == 2)
            streamSchalten(true);
        else if (f.value == 1)
            streamSchalten(false);
        break;
    case 55:
        m_zfmodus = f.value;
        break;
    case 57:
        if (f.value != m_echotaub) {
            m_echoNeu = f.value & 0x0F;
            m_echoAb = m_gesendet + m_echoverzoegerung;
        }
        break;
    case 67:
        m_smeinstellung = f.value;
        m_smliste.append(f.value);
        break;
    case 107:
        m_dacfest = f.value < dacstufen ? f.value : -1;
        break;
    default:
        break;
    }
}

double SimDsp::ad603gain(int dacstufe) {
    // Nearly linear in dB, as the AD603 is, with the steeper middle and the softer ends that
    // the DAC and the control range give it.
    const double x = qBound(0, dacstufe, dacstufen - 1) / double(dacstufen - 1);
    const double s = 0.5 + 0.5 * std::tanh(3.0 * (x - 0.5)) / std::tanh(1.5);
    return gainbereich * (0.7 * x + 0.3 * s);
}

void SimDsp::setAd603Kurve(const QList<double>& kurve) {
    m_ad603kurve = kurve.size() == dacstufen ? kurve : QList<double>();
}

double SimDsp::verstaerkung(int dacstufe) const {
    if (m_ad603kurve.isEmpty())
        return ad603gain(dacstufe);
    return m_ad603kurve.at(qBound(0, dacstufe, dacstufen - 1));
}

double SimDsp::ifpegel(int dacstufe) const {
    double leistung = std::pow(10.0, m_rauschen / 10.0);
    if (m_signal > -100.0)
        leistung += std::pow(10.0, m_signal / 10.0);
    return 10.0 * std::log10(leistung) - (gainbereich - verstaerkung(dacstufe));
}

int SimDsp::wortfuer(double db) {
    const double w = 32768.0 * std::pow(10.0, (db - 90.0) / 20.0);
    return int(qBound(0.0, std::floor(w + 0.5), 65535.0));
}

int SimDsp::pegelwort(int dacstufe) const {
    return wortfuer(ifpegel(dacstufe));
}

int SimDsp::smeterdb() const {
    const double db = m_eingang + 129.0 + (m_smeinstellung - m_smrichtig) * 0.5;
    return qBound(0, runden(db), 255);
}

int SimDsp::smeterstufe() const {
    // S9 is -73 dBm, a reading of 56; an S-unit below it is 6 dB, above it 10 dB per segment.
    const int db = smeterdb();
    if (db >= 56)
        return 9 + qMin(3, (db - 56) / 10);
    return qMax(0, 9 - int(std::ceil((56 - db) / 6.0)));
}

int SimDsp::echocode() const {
    return m_echo >= 0 ? m_echo : m_adcstufe;
}

QByteArray SimDsp::telegramm() {
    if (m_echoNeu >= 0 && m_gesendet >= m_echoAb) {
        m_echo = m_echoNeu;
        m_echoNeu = -1;
    }
    std::uniform_real_distribution<double> streuung(-m_schwankung, m_schwankung);
    const double zufall = m_schwankung > 0 ? streuung(m_zufall) : 0.0;

    // Levels at the eight test points, in the order of the words 0..7.
    std::array<double, 8> db{};
    int agcbyte = 0;
    if (!m_senden) {
        const double zf = ifpegel(dacstufe()) + zufall;
        // The AGC lifts a weak signal towards 62 dB in steps of 2 dB.
        const int agc = qBound(0, runden((62.0 - zf) / 2.0), 72);
        agcbyte = 28 + agc;
        const double nachagc = qMin(zf + 2.0 * agc, 88.0);
        db = {zf + 4.0,      nachagc - 9.0, zf,      nachagc, nachagc - 3.0,
              nachagc - 1.0, nachagc - 2.0, zf + 3.0};
    } else {
        const double mik = m_mikrofon + zufall;
        const int vogad = qBound(0, runden(60.0 - mik), 60);
        agcbyte = 64 + vogad;
        db = {mik, 66.0, mik - 2.0, mik - 3.0, 58.0, 60.0, 62.0, mik - 1.0};
    }

    QByteArray t(24, '\0');
    t[0] = char(kKopf);
    t[1] = char(kKopf);
    // Byte k of the telegram sits at t[k + 1].
    auto setze = [&t](int k, int wert) { t[k + 1] = char(wert & 0xFF); };
    const int wortanfang[8] = {1, 4, 6, 8, 10, 12, 14, 16};
    for (int n = 0; n < 8; ++n) {
        const int w = wortfuer(db[size_t(n)]);
        setze(wortanfang[n], w >> 8);
        setze(wortanfang[n] + 1, w);
    }
    setze(3, (m_senden ? 0x80 : 0) | (m_hang ? 0x40 : 0) | (dacstufe() & 0x3F));
    setze(18, smeterdb());
    setze(19, m_spike ? 1 : 0);
    const int muster = (1 << smeterstufe()) - 1;
    setze(20, (echocode() << 4) | ((muster >> 8) & 0x0F));
    setze(21, muster);
    setze(22, agcbyte);
    return t;
}

void SimDsp::senden() {
    if (!m_streamAn)
        return;
    QByteArray bytes = telegramm();
    ++m_gesendet;
    const QByteArray kopf = bytes;
    if (m_muell > 0) {
        std::uniform_int_distribution<int> zeichen(0, 255);
        for (int i = 0; i < m_muell; ++i) {
            int z = zeichen(m_zufall);
            if (z == kKopf && !m_muellKopf)
                z = 0x7D;
            bytes.append(char(z));
        }
    }
    if (m_sim->pty()->pendingWrite() > kRueckstauMax)
        return;
    m_sim->send(bytes);
    emit telegrammGesendet(kopf);
}

void SimDsp::addCommands(SimConsole& console) {
    auto schalter = [](const QStringList& a) {
        return !a.isEmpty() && a.first().compare(QLatin1String("an"), Qt::CaseInsensitive) == 0;
    };
    console.addCommand(QStringLiteral("telegramme"), [this](const QStringList& a) {
        if (a.isEmpty())
            return;
        if (a.first() == QLatin1String("an"))
            streamSchalten(true);
        else if (a.first() == QLatin1String("aus"))
            streamSchalten(false);
        else if (const int ms = a.first().toInt(); ms > 0)
            setPeriode(ms);
    });
    console.addCommand(QStringLiteral("signal"), [this](const QStringList& a) {
        if (a.isEmpty() || a.first() == QLatin1String("aus"))
            setSignalpegel(-200.0);
        else
            setSignalpegel(a.first().toDouble());
    });
    console.addCommand(QStringLiteral("rauschen"), [this](const QStringList& a) {
        if (!a.isEmpty())
            setRauschpegel(a.first().toDouble());
    });
    console.addCommand(QStringLiteral("eingang"), [this](const QStringList& a) {
        if (!a.isEmpty())
            setEingangDbm(a.first().toDouble());
    });
    console.addCommand(QStringLiteral("senden"),
                       [this, schalter](const QStringList& a) { setSenden(schalter(a)); });
    console.addCommand(QStringLiteral("hang"),
                       [this, schalter](const QStringList& a) { setHang(schalter(a)); });
    console.addCommand(QStringLiteral("spike"),
                       [this, schalter](const QStringList& a) { setSpike(schalter(a)); });
    console.addCommand(QStringLiteral("muell"), [this](const QStringList& a) {
        setMuell(a.isEmpty() ? 0 : a.first().toInt());
    });
}
