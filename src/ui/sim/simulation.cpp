#include "sim/simulation.h"

#include "app/simconfig.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/link.h"
#include "link/modem.h"
#include "sim/ptypair.h"
#include "sim/simdsp.h"
#include "sim/simfenster.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

struct Simulation::Geraet {
    SimTransceiver sim;
    SimLoader loader{&sim};
    SimPic pic{&sim};
    SimDsp dsp{&sim};
};

Simulation::Simulation(QObject* parent) : QObject(parent) {
    bauen();
}

Simulation::~Simulation() {
    delete m_fenster;
}

bool Simulation::konfigurieren(const QString& releaseDir, const QStringList& herkunft) {
    // The same folder the window will take: ~/vantrel, else the home folder itself.
    QDir dir = QDir::home();
    if (!dir.cd(QStringLiteral("vantrel"))) {
        dir.mkdir(QStringLiteral("vantrel"));
        if (!dir.cd(QStringLiteral("vantrel")))
            dir = QDir::home();
    }
    vantrel::configFileName() = simconfig::fileName();
    // The wizards and the parameter files save into the profile's folder: that must be a
    // copy of the person's own, not the source tree or an installed release. A copy made
    // before keeps what was saved into it.
    const QString kopie = simconfig::releaseCopy(dir.path());
    m_ordner = QFileInfo(kopie).path();
    QDir().mkpath(m_ordner);
    m_release.clear();
    m_kopierfehler.clear();
    if (!releaseDir.isEmpty()) {
        m_kopierfehler = simconfig::copyRelease(releaseDir, kopie);
        m_release = kopie;
    } else if (QFileInfo(kopie).isDir()) {
        m_release = kopie;
    }
    QStringList alt = herkunft;
    if (!releaseDir.isEmpty())
        alt.append(releaseDir);
    m_konfig = dir.filePath(simconfig::fileName());
    m_konfigOk = simconfig::prepare(m_konfig, m_release, portPath(), alt);
    return m_konfigOk && m_kopierfehler.isEmpty();
}

SimFenster* Simulation::fenster() const {
    return m_fenster;
}

SimFenster* Simulation::zeigen(vantrel* w) {
    m_window = w;
    if (!m_konfigOk) {
        const QString text =
            vantrel::tr("Datei \"%1\" kann nicht geschrieben werden!").arg(m_konfig);
        UserDialogs::current().critical(w, vantrel::tr("Speichern fehlgeschlagen!"), text);
        w->logzeile(text);
    }
    if (!m_kopierfehler.isEmpty()) {
        UserDialogs::current().critical(w, vantrel::tr("Speichern fehlgeschlagen!"),
                                        m_kopierfehler);
        w->logzeile(m_kopierfehler);
    }
    // What the session makes of its own (backups, AD603_1.dat) stays beside the copy, away
    // from the files of the real set.
    if (!m_ordner.isEmpty())
        w->geraet()->setEigenerOrdner(m_ordner);
    w->logzeile(tr("Simulation: der simulierte Talvaro haengt an %1").arg(portPath()));
    if (!m_release.isEmpty())
        w->logzeile(tr("Simulation: Profil 1 arbeitet mit einer Kopie des Beispieldatensatzes "
                       "in %1")
                        .arg(m_release));
    else
        w->logzeile(tr("Simulation: kein Beispieldatensatz gefunden - die Dateien von Profil 1 "
                       "bitte unter \"Einstellungen\" waehlen"));
    if (!m_fenster) {
        m_fenster = new SimFenster(*this);
        // The panel goes with the loader: closing the loader ends the program.
        m_fenster->setAttribute(Qt::WA_QuitOnClose, false);
    }
    platzieren(w);
    m_fenster->show();

    auto* zeige = new QAction(tr("Talvaro (Simulation)"), w);
    zeige->setObjectName(QStringLiteral("simAct"));
    zeige->setStatusTip(tr("Das Bedienfeld des simulierten Talvaro zeigen"));
    connect(zeige, &QAction::triggered, m_fenster, [f = m_fenster] {
        f->show();
        f->raise();
        f->activateWindow();
    });
    if (auto* leiste = w->findChild<QToolBar*>(QStringLiteral("filetoolbar")))
        leiste->addAction(zeige);
    else
        w->addAction(zeige);
    return m_fenster;
}

Simulation::Platz Simulation::platzierung(const QRect& frei, const QRect& haupt,
                                          const QSize& hauptMin, QSize feld, const QSize& feldMin,
                                          const QMargins& rahmen) {
    constexpr int kAbstand = 8;
    const auto mitRahmen = [&rahmen](const QRect& r) { return r.marginsAdded(rahmen); };
    const QSize zusatz(rahmen.left() + rahmen.right(), rahmen.top() + rahmen.bottom());
    feld.setHeight(qMin(feld.height(), qMax(feldMin.height(), frei.height() - zusatz.height())));
    // The panel right of the main window, else left of it, else at the screen's right edge
    // over the main window (a screen too small for both).
    const auto daneben = [&](const QRect& h) {
        const QRect hr = mitRahmen(h);
        QRect f(QPoint(hr.right() + 1 + kAbstand, hr.top()), feld + zusatz);
        if (!frei.contains(f))
            f.moveRight(hr.left() - 1 - kAbstand);
        if (!frei.contains(f))
            f.moveRight(frei.right());
        return f.marginsRemoved(rahmen);
    };
    Platz p{haupt, daneben(haupt)};
    if (frei.contains(mitRahmen(p.haupt)) && frei.contains(mitRahmen(p.feld)) &&
        !mitRahmen(p.haupt).intersects(mitRahmen(p.feld)))
        return p;
    // The pair from the screen's top, side by side and centred: the main window as large as
    // it is, but no wider or taller than the screen leaves, never below its own minimum.
    const int breite =
        qMax(hauptMin.width(),
             qMin(haupt.width(), frei.width() - kAbstand - feld.width() - 2 * zusatz.width()));
    const int hoehe =
        qMax(hauptMin.height(), qMin(haupt.height(), frei.height() - zusatz.height()));
    const int paar = breite + kAbstand + feld.width() + 2 * zusatz.width();
    p.haupt = QRect(QPoint(frei.left() + qMax(0, (frei.width() - paar) / 2) + rahmen.left(),
                           frei.top() + rahmen.top()),
                    QSize(breite, hoehe));
    p.feld = daneben(p.haupt);
    return p;
}

void Simulation::platzieren(vantrel* w) {
    // Both windows side by side on the screen, neither covering the other, the main window's
    // status bar above the screen's bottom. Where the windows already stand so (placed by the
    // person, and kept from the last run), they stay.
    const QScreen* bild = w->screen();
    if (!bild)
        return;
    const QRect g = w->geometry();
    const QRect fg = w->frameGeometry();
    QMargins rahmen(g.left() - fg.left(), g.top() - fg.top(), fg.right() - g.right(),
                    fg.bottom() - g.bottom());
    // The frame a window manager puts round a window is known only once it has one; until
    // then a title bar's height is kept free.
    const QString plattform = QGuiApplication::platformName();
    if (rahmen.isNull() && plattform != QLatin1String("offscreen") &&
        plattform != QLatin1String("minimal"))
        rahmen = QMargins(0, 30, 0, 0);
    const Platz p =
        platzierung(bild->availableGeometry(), g, w->minimumSizeHint().expandedTo(w->minimumSize()),
                    m_fenster->sizeHint().expandedTo(m_fenster->minimumSizeHint()),
                    m_fenster->minimumSizeHint(), rahmen);
    // A window's position is that of its frame.
    w->resize(p.haupt.size());
    w->move(p.haupt.marginsAdded(rahmen).topLeft());
    m_fenster->resize(p.feld.size());
    m_fenster->move(p.feld.marginsAdded(rahmen).topLeft());
}

void Simulation::bauen() {
    m_geraet = std::make_unique<Geraet>();
    setEchtzeit(m_echtzeit);
    // The set records every byte for tests; in a long session that would only grow.
    connect(&m_geraet->sim, &SimTransceiver::bytesReceived, this, [this] {
        SimTransceiver& s = m_geraet->sim;
        if (s.received().size() > kRecordMax || s.sentBytes().size() > kRecordMax)
            s.clearRecord();
    });
}

bool Simulation::isValid() const {
    return m_geraet->sim.isValid();
}

QString Simulation::portPath() const {
    return m_geraet->sim.portPath();
}

bool Simulation::leitungWeg() const {
    return !m_geraet->sim.pty() || !m_geraet->sim.pty()->isValid();
}

SimTransceiver& Simulation::sim() const {
    return m_geraet->sim;
}
SimLoader& Simulation::loader() const {
    return m_geraet->loader;
}
SimPic& Simulation::pic() const {
    return m_geraet->pic;
}
SimDsp& Simulation::dsp() const {
    return m_geraet->dsp;
}

void Simulation::setEchtzeit(bool on) {
    m_echtzeit = on;
    // The PIC's default sends a whole EEPROM in a quarter of a second, far beyond the line.
    if (on)
        m_geraet->pic.setSendRate(kEchtzeitBytes, kEchtzeitMs);
    else
        m_geraet->pic.setSendRate(256, 1);
}

bool Simulation::uebertragungLaeuft() const {
    return m_window && m_window->geraet()->uebertragungLaeuft();
}

bool Simulation::neuVerbinden() {
    // The EEPROM survives, as in the real set; what the loader sent does not (the set starts
    // again as after power-on). The device window sets its levels and faults again.
    const QByteArray eeprom = m_geraet->pic.eeprom();
    // The old set goes first: its parts unplug from a transceiver that still exists.
    m_geraet.reset();
    bauen();
    m_geraet->pic.eeprom() = eeprom;
    emit geraetNeu();
    if (!isValid())
        return false;
    if (vantrel* w = m_window) {
        ::Geraet* g = w->geraet();
        TEinstellungen e = g->einstellungen();
        e.rs232 = portPath();
        g->setEinstellungen(e);
        g->verbinden();
        g->log(tr("Simulation: neue Leitung %1").arg(portPath()));
        return g->rs232offen();
    }
    return true;
}
