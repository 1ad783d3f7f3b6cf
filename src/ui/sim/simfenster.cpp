#include "sim/simfenster.h"

#include "sim/simdsp.h"
#include "sim/simframe.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sim/simulation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {
// The refresh of the counters while the set takes or sends bytes.
constexpr int kAuffrischenMs = 250;
// S9 at the antenna; an S-unit below it is 6 dB.
constexpr int kS9 = -73;
// The receiver's noise at the antenna: a weaker signal does not move the S-meter.
constexpr double kRauschenDbm = -130.0;
// Where the IF level of the set's receiver model stands for 0 dBm at the antenna.
constexpr double kZfBezug = 123.0;
// Garbage bytes between two telegrams while that fault is on.
constexpr int kMuellBytes = 7;

QString hex(int v, int stellen) {
    return QStringLiteral("%1").arg(v, stellen, 16, QLatin1Char('0')).toUpper();
}
} // namespace

SimFenster::SimFenster(Simulation& simulation, QWidget* parent)
    : QWidget(parent, Qt::Window), m_sim(simulation) {
    setObjectName(QStringLiteral("simfenster"));
    setWindowTitle(tr("Talvaro (Simulation)"));
    bauen();
    m_auffrischen = new QTimer(this);
    m_auffrischen->setObjectName(QStringLiteral("simauffrischen"));
    m_auffrischen->setInterval(kAuffrischenMs);
    connect(m_auffrischen, &QTimer::timeout, this, &SimFenster::auffrischen);
    m_auffrischen->start();
    connect(&m_sim, &Simulation::geraetNeu, this, &SimFenster::verbinden);
    verbinden();
    melden(tr("Eingeschaltet, der DSP laeuft"));
}

SimFenster::~SimFenster() = default;

QString SimFenster::status() const {
    return statuszeile->text();
}

QStringList SimFenster::verlauf() const {
    return m_verlauf;
}

QString SimFenster::sEinheit(int dbm) {
    if (dbm > kS9)
        return QStringLiteral("S9+%1 dB").arg(dbm - kS9);
    const int s = 9 - int(std::lround((kS9 - dbm) / 6.0));
    return QStringLiteral("S%1").arg(qBound(0, s, 9));
}

double SimFenster::zfPegel(int dbm) {
    return double(dbm) + kZfBezug;
}

void SimFenster::bauen() {
    auto* haupt = new QVBoxLayout(this);
    auto knopf = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto schalter = [this](const QString& text, const char* name) {
        auto* c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    auto zahl = [this](const char* name, int max, int wert) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, max);
        s->setValue(wert);
        return s;
    };

    betriebsart = new QLabel(this);
    betriebsart->setObjectName(QStringLiteral("betriebsart"));
    haupt->addWidget(betriebsart);

    auto* gbtasten = new QGroupBox(tr("Tasten beim Einschalten"), this);
    gbtasten->setObjectName(QStringLiteral("gbtasten"));
    auto* lt = new QHBoxLayout(gbtasten);
    btaste0 = knopf(tr("Taste 0"), "btaste0");
    btaste1 = knopf(tr("Taste 1"), "btaste1");
    btasteraute = knopf(tr("Taste #"), "btasteraute");
    btaste0->setToolTip(tr("Startet den DSP-Lader: Firmware direkt in den DSP laden"));
    btaste1->setToolTip(tr("Nach dem Warmstart 999: Parameter in den externen Eeprom"));
    btasteraute->setToolTip(tr("Firmware und Parameter in den externen Eeprom"));
    for (QPushButton* b : {btaste0, btaste1, btasteraute})
        lt->addWidget(b);
    haupt->addWidget(gbtasten);

    auto* gbfunktionen = new QGroupBox(tr("Funktionen"), this);
    gbfunktionen->setObjectName(QStringLiteral("gbfunktionen"));
    auto* lf = new QHBoxLayout(gbfunktionen);
    bf995 = knopf(tr("995"), "bf995");
    bf996 = knopf(tr("996"), "bf996");
    bf997 = knopf(tr("997"), "bf997");
    bf999 = knopf(tr("999"), "bf999");
    bf995->setToolTip(tr("Parameter zum PC senden"));
    bf996->setToolTip(tr("Eeprom-Abbild vom PC empfangen"));
    bf997->setToolTip(tr("Eeprom-Inhalt zum PC senden"));
    bf999->setToolTip(tr("Warmstart: der PIC laedt den DSP aus dem Eeprom"));
    for (QPushButton* b : {bf995, bf996, bf997, bf999})
        lf->addWidget(b);
    haupt->addWidget(gbfunktionen);

    auto* gbempfang = new QGroupBox(tr("Empfang"), this);
    gbempfang->setObjectName(QStringLiteral("gbempfang"));
    auto* le = new QGridLayout(gbempfang);
    auto* signaltext = new QLabel(tr("Eingangssignal"), this);
    signaltext->setObjectName(QStringLiteral("signaltext"));
    signalregler = new QSlider(Qt::Horizontal, this);
    signalregler->setObjectName(QStringLiteral("signalregler"));
    signalregler->setRange(kKeinSignal, kSignalMax);
    signalregler->setPageStep(6);
    signalregler->setValue(kS9);
    signalregler->setToolTip(tr("Pegel am Antenneneingang; ganz links: kein Signal"));
    signalanzeige = new QLabel(this);
    signalanzeige->setObjectName(QStringLiteral("signalanzeige"));
    signalanzeige->setMinimumWidth(
        signalanzeige->fontMetrics().horizontalAdvance(QStringLiteral("-100 dBm (S9+60 dB)")));
    le->addWidget(signaltext, 0, 0);
    le->addWidget(signalregler, 0, 1, 1, 2);
    le->addWidget(signalanzeige, 0, 3);
    cbsenden = schalter(tr("Senden"), "cbsenden");
    cbhang = schalter(tr("Hang"), "cbhang");
    cbspike = schalter(tr("Spike"), "cbspike");
    le->addWidget(cbsenden, 1, 0);
    le->addWidget(cbhang, 1, 1);
    le->addWidget(cbspike, 1, 2);
    haupt->addWidget(gbempfang);

    auto* gbfehler = new QGroupBox(tr("Fehler einspielen"), this);
    gbfehler->setObjectName(QStringLiteral("gbfehler"));
    auto* lx = new QGridLayout(gbfehler);
    cbsync = schalter(tr("Keine Synchronisation (PIC antwortet \"z\")"), "cbsync");
    cbecho = schalter(tr("Falsches Echo bei Byte"), "cbecho");
    sbecho = zahl("sbecho", SimPic::eepromSize - 1, 42);
    cbstill = schalter(tr("PIC verstummt nach Bytes"), "cbstill");
    sbstill = zahl("sbstill", SimPic::eepromSize, 1000);
    cbtrennen = schalter(tr("Leitung trennen nach Bytes"), "cbtrennen");
    sbtrennen = zahl("sbtrennen", SimPic::eepromSize, 1000);
    cbmuell = schalter(tr("Muell zwischen den Telegrammen"), "cbmuell");
    lx->addWidget(cbsync, 0, 0, 1, 2);
    lx->addWidget(cbecho, 1, 0);
    lx->addWidget(sbecho, 1, 1);
    lx->addWidget(cbstill, 2, 0);
    lx->addWidget(sbstill, 2, 1);
    lx->addWidget(cbtrennen, 3, 0);
    lx->addWidget(sbtrennen, 3, 1);
    lx->addWidget(cbmuell, 4, 0, 1, 2);
    haupt->addWidget(gbfehler);

    auto* gbleitung = new QGroupBox(tr("Leitung"), this);
    gbleitung->setObjectName(QStringLiteral("gbleitung"));
    auto* ll = new QGridLayout(gbleitung);
    cbechtzeit = schalter(tr("So schnell wie die echte Leitung (9600 Baud)"), "cbechtzeit");
    cbechtzeit->setChecked(m_sim.echtzeit());
    portanzeige = new QLabel(this);
    portanzeige->setObjectName(QStringLiteral("portanzeige"));
    portanzeige->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bneu = knopf(tr("Neu verbinden"), "bneu");
    bneu->setToolTip(tr("Eine neue Leitung, nachdem sie getrennt wurde"));
    ll->addWidget(cbechtzeit, 0, 0, 1, 2);
    ll->addWidget(portanzeige, 1, 0);
    ll->addWidget(bneu, 1, 1);
    haupt->addWidget(gbleitung);

    statuszeile = new QLabel(this);
    statuszeile->setObjectName(QStringLiteral("statuszeile"));
    QFont f = statuszeile->font();
    f.setBold(true);
    statuszeile->setFont(f);
    statuszeile->setWordWrap(true);
    haupt->addWidget(statuszeile);
    verlaufliste = new QListWidget(this);
    verlaufliste->setObjectName(QStringLiteral("verlaufliste"));
    verlaufliste->setMinimumHeight(90);
    // A long line wraps inside the list: none is cut behind the scroll bar that the list
    // grows once it is full.
    verlaufliste->setWordWrap(true);
    verlaufliste->setResizeMode(QListView::Adjust);
    verlaufliste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    haupt->addWidget(verlaufliste, 1);

    connect(btaste0, &QPushButton::clicked, this, [this] { taste(QLatin1Char('0')); });
    connect(btaste1, &QPushButton::clicked, this, [this] { taste(QLatin1Char('1')); });
    connect(btasteraute, &QPushButton::clicked, this, [this] { taste(QLatin1Char('#')); });
    connect(bf995, &QPushButton::clicked, this, [this] { funktion(995); });
    connect(bf996, &QPushButton::clicked, this, [this] { funktion(996); });
    connect(bf997, &QPushButton::clicked, this, [this] { funktion(997); });
    connect(bf999, &QPushButton::clicked, this, [this] { funktion(999); });
    connect(signalregler, &QSlider::valueChanged, this, &SimFenster::signalGeaendert);
    for (QCheckBox* c : {cbsenden, cbhang, cbspike})
        connect(c, &QCheckBox::toggled, this, &SimFenster::empfangGeaendert);
    for (QCheckBox* c : {cbsync, cbecho, cbstill, cbtrennen, cbmuell})
        connect(c, &QCheckBox::toggled, this, &SimFenster::fehlerGeaendert);
    for (QSpinBox* s : {sbecho, sbstill, sbtrennen})
        connect(s, &QSpinBox::valueChanged, this, &SimFenster::fehlerGeaendert);
    connect(cbechtzeit, &QCheckBox::toggled, this, [this](bool on) { m_sim.setEchtzeit(on); });
    connect(bneu, &QPushButton::clicked, this, [this] {
        if (m_sim.uebertragungLaeuft()) {
            melden(tr("Erst die laufende Uebertragung abbrechen"));
            return;
        }
        const bool ok = m_sim.neuVerbinden();
        melden(ok ? tr("Neue Leitung %1").arg(m_sim.portPath())
                  : tr("Keine neue Leitung moeglich"));
    });
}

void SimFenster::verbinden() {
    delete m_kontext;
    m_kontext = new QObject(this);
    m_sitzung = Sitzung::Keine;
    m_parameterWerte = -1;
    m_picFehler = 0;
    m_laderFehler = 0;
    m_leitungWeg = m_sim.leitungWeg();

    SimTransceiver& sim = m_sim.sim();
    connect(&sim, &SimTransceiver::modeChanged, m_kontext, [this] { betriebsartGeaendert(); });
    connect(&sim, &SimTransceiver::frameReceived, m_kontext, [this](const SimFrame& f) {
        if (m_sim.sim().mode() != SimTransceiver::Mode::RunningDsp)
            return;
        if (f.number == 108) {
            if (f.value == 1) {
                m_parameterWerte = 0;
            } else if (f.value == 0 && m_parameterWerte >= 0) {
                melden(tr("Parameter: %1 Werte empfangen").arg(m_parameterWerte));
                m_parameterWerte = -1;
            }
        } else if (m_parameterWerte >= 0 && f.number >= 10 && f.number <= 99) {
            ++m_parameterWerte;
        } else if (f.number == 52 && (f.value == 1 || f.value == 2)) {
            melden(f.value == 2 ? tr("Telegramme an") : tr("Telegramme aus"));
        } else if (f.number != 111) {
            melden(tr("Befehl %1, Wert %2").arg(f.number).arg(f.value), true);
        }
    });
    connect(&m_sim.loader(), &SimLoader::programStarted, m_kontext, [this] {
        const SimLoader& l = m_sim.loader();
        if (l.checksumOk())
            melden(tr("DSP geladen, Checksumme OK"));
        else if (l.checksumReceived() < 0)
            melden(tr("DSP geladen, ohne Checksumme"));
        else
            melden(tr("DSP geladen, Checksumme FALSCH (%1 empfangen, %2 berechnet)")
                       .arg(hex(l.checksumReceived(), 4), hex(l.checksumComputed(), 4)));
    });
    connect(&m_sim.pic(), &SimPic::sendFinished, m_kontext, [this] {
        const int n = m_sim.pic().sentBytes();
        if (m_sitzung == Sitzung::ParameterDump)
            melden(tr("Parameter: %1 Bytes gesendet").arg(n));
        else
            melden(tr("Eeprom: %1 Bytes gesendet").arg(n));
        m_sitzung = Sitzung::Keine;
    });

    // The panel's settings belong to the set in force.
    m_sim.setEchtzeit(cbechtzeit->isChecked());
    signalGeaendert();
    empfangGeaendert();
    fehlerGeaendert();
    portanzeige->setText(tr("Leitung: %1").arg(m_sim.portPath()));
    m_letzteArt = int(sim.mode());
    betriebsartGeaendert();
}

void SimFenster::melden(const QString& text, bool folge) {
    statuszeile->setText(text);
    // A run of single commands (an equalizer slider being moved) is one line that changes.
    if (folge && m_folge && verlaufliste->count() > 0) {
        m_verlauf.last() = text;
        verlaufliste->item(verlaufliste->count() - 1)->setText(text);
        return;
    }
    m_folge = folge;
    m_verlauf.append(text);
    verlaufliste->addItem(text);
    while (m_verlauf.size() > kVerlaufMax) {
        m_verlauf.removeFirst();
        delete verlaufliste->takeItem(0);
    }
    verlaufliste->scrollToBottom();
}

void SimFenster::taste(QChar k) {
    SimPic& pic = m_sim.pic();
    if (k == QLatin1Char('0')) {
        m_sitzung = Sitzung::Keine;
        const bool schonda = m_sim.sim().mode() == SimTransceiver::Mode::DspLoader;
        pic.key(k);
        // Entering the loader reports itself through the mode; pressed again it does not.
        if (schonda)
            melden(tr("DSP-Lader bereit, die DSP-LED blinkt"));
        return;
    }
    m_sitzung = k == QLatin1Char('#') ? Sitzung::Download : Sitzung::Parameter;
    pic.key(k);
    melden(k == QLatin1Char('#')
               ? tr("Taste #: wartet auf Firmware und Parameter, die LED-Anzeige erlischt")
               : tr("Taste 1: wartet auf die Parameter, die LED-Anzeige erlischt"));
}

void SimFenster::funktion(int nummer) {
    // A restore shorter than the EEPROM leaves the PIC waiting for more: whoever starts the
    // next function (the "997" of a compare after it) has ended it, and hears what it wrote.
    if (m_sitzung == Sitzung::Restore && m_sim.pic().state() == SimPic::State::Write)
        sitzungBeendet();
    switch (nummer) {
    case 995:
        m_sitzung = Sitzung::ParameterDump;
        break;
    case 996:
        m_sitzung = Sitzung::Restore;
        break;
    case 997:
        m_sitzung = Sitzung::Dump;
        break;
    default:
        m_sitzung = Sitzung::Keine;
        break;
    }
    m_sim.pic().function(nummer);
    switch (nummer) {
    case 995:
        melden(tr("995: sendet die Parameter"));
        break;
    case 996:
        melden(tr("996: wartet auf ein Eeprom-Abbild"));
        break;
    case 997:
        melden(tr("997: sendet den Eeprom-Inhalt"));
        break;
    default:
        melden(tr("999: Warmstart, der DSP laeuft"));
        break;
    }
}

void SimFenster::signalGeaendert() {
    const int dbm = signalregler->value();
    SimDsp& dsp = m_sim.dsp();
    if (dbm <= kKeinSignal) {
        dsp.setSignalpegel(-200.0);
        dsp.setEingangDbm(kRauschenDbm);
        signalanzeige->setText(tr("kein Signal"));
        return;
    }
    dsp.setSignalpegel(zfPegel(dbm));
    dsp.setEingangDbm(qMax(double(dbm), kRauschenDbm));
    signalanzeige->setText(tr("%1 dBm (%2)").arg(dbm).arg(sEinheit(dbm)));
}

void SimFenster::empfangGeaendert() {
    SimDsp& dsp = m_sim.dsp();
    dsp.setSenden(cbsenden->isChecked());
    dsp.setHang(cbhang->isChecked());
    dsp.setSpike(cbspike->isChecked());
}

void SimFenster::fehlerGeaendert() {
    SimPic& pic = m_sim.pic();
    pic.setSyncLetter(cbsync->isChecked() ? 'z' : 0);
    pic.setWrongEcho(cbecho->isChecked() ? sbecho->value() : -1);
    pic.setSilentAfter(cbstill->isChecked() ? sbstill->value() : -1);
    pic.setDropAfter(cbtrennen->isChecked() ? sbtrennen->value() : -1);
    m_sim.dsp().setMuell(cbmuell->isChecked() ? kMuellBytes : 0);
}

void SimFenster::betriebsartGeaendert() {
    const auto art = m_sim.sim().mode();
    const auto alt = SimTransceiver::Mode(m_letzteArt);
    m_letzteArt = int(art);
    switch (art) {
    case SimTransceiver::Mode::RunningDsp:
        betriebsart->setText(tr("Betriebsart: DSP laeuft"));
        break;
    case SimTransceiver::Mode::DspLoader:
        betriebsart->setText(tr("Betriebsart: DSP-Lader, die DSP-LED blinkt"));
        break;
    case SimTransceiver::Mode::Pic:
        betriebsart->setText(tr("Betriebsart: PIC, die LED-Anzeige ist aus"));
        break;
    }
    if (art == alt)
        return;
    if (art == SimTransceiver::Mode::DspLoader)
        melden(tr("DSP-Lader bereit, die DSP-LED blinkt"));
    if (alt == SimTransceiver::Mode::Pic && art == SimTransceiver::Mode::RunningDsp)
        sitzungBeendet();
}

void SimFenster::sitzungBeendet() {
    const SimPic& pic = m_sim.pic();
    switch (m_sitzung) {
    case Sitzung::Download:
        melden(tr("Eeprom: %1 Bytes Firmware und %2 Bytes Parameter geschrieben")
                   .arg(pic.imageBytes())
                   .arg(pic.parameterBlock().size()));
        break;
    case Sitzung::Parameter:
        melden(tr("Eeprom: %1 Bytes Parameter geschrieben").arg(pic.parameterBlock().size()));
        break;
    case Sitzung::Restore:
        melden(tr("Eeprom: %1 Bytes geschrieben").arg(pic.dataBytes()));
        break;
    default:
        break;
    }
    m_sitzung = Sitzung::Keine;
}

void SimFenster::auffrischen() {
    if (m_sim.leitungWeg() != m_leitungWeg) {
        m_leitungWeg = m_sim.leitungWeg();
        if (m_leitungWeg)
            melden(tr("Leitung getrennt - \"Neu verbinden\" gibt eine neue"));
    }
    const SimPic& pic = m_sim.pic();
    if (pic.errors().size() < m_picFehler)
        m_picFehler = 0;
    while (m_picFehler < pic.errors().size())
        melden(tr("PIC: %1").arg(pic.errors().at(m_picFehler++)));
    const SimLoader& lader = m_sim.loader();
    if (lader.errors().size() < m_laderFehler)
        m_laderFehler = 0;
    while (m_laderFehler < lader.errors().size())
        melden(tr("DSP-Lader: %1").arg(lader.errors().at(m_laderFehler++)));

    // The counters of a transfer in progress change the status line, not the history.
    QString zaehler;
    switch (m_sim.sim().mode()) {
    case SimTransceiver::Mode::DspLoader:
        if (lader.state() != SimLoader::State::WaitStart)
            zaehler = tr("DSP-Lader: %1 Bytes empfangen").arg(lader.image().size());
        break;
    case SimTransceiver::Mode::Pic:
        if (pic.state() == SimPic::State::Write || pic.state() == SimPic::State::Parameter)
            zaehler = tr("Eeprom: %1 Bytes geschrieben").arg(pic.dataBytes());
        else if (pic.state() == SimPic::State::Send)
            zaehler = tr("Eeprom: %1 Bytes gesendet").arg(pic.sentBytes());
        break;
    case SimTransceiver::Mode::RunningDsp:
        break;
    }
    if (!zaehler.isEmpty())
        statuszeile->setText(zaehler);
}
