#include "vantrel.h"

#include "app/configfile.h"
#include "app/fensterbediener.h"
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "calibration/smkalseite.h"
#include "calibration/zfkalseite.h"
#include "control/eqseite.h"
#include "download/eepromverlaufdialog.h"
#include "download/firmwareseite.h"
#include "link/leitungswache.h"
#include "link/modem.h"
#include "monitor/dspmonitor.h"
#include "parameters/parameterseite.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

QString& vantrel::configFileName() {
    static QString name = QStringLiteral("vantrel.cfg");
    return name;
}

static void initResources() {
    Q_INIT_RESOURCE(resources);
}

vantrel::vantrel(QWidget* parent)
    : QMainWindow(parent), m_geraet(new Geraet(this)),
      m_bediener(std::make_unique<FensterBediener>(*this)) {
    initResources();
    setObjectName(QStringLiteral("vantrel"));
    configdir = QDir::current();

    m_geraet->setBediener(m_bediener.get());
    connect(m_geraet->modem(), &Modem::setTtyText, this, &vantrel::setAText);
    // A pulled adapter comes back by itself: the session tries the port again every second.
    m_geraet->setWiederverbinden(true);
    connect(m_geraet->leitungswache(), &Leitungswache::verloren, this, [this](const QString& p) {
        logzeile(tr("Die Verbindung ueber %1 ist unterbrochen; der Port wird jede Sekunde neu "
                    "versucht.")
                     .arg(p));
    });
    m_geraet->setAenderungenSichern([this] { return aenderungensichern(); });

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    setCentralWidget(tabs);

    m_firmware = new FirmwareSeite(*m_geraet);
    tabs->addTab(m_firmware, tr("DSP-Firmware", "TabWindow"));
    m_parameter = new ParameterSeite(*m_geraet);
    tabs->addTab(m_parameter, tr("DSP-Parameter", "TabWindow"));
    connect(m_firmware, &FirmwareSeite::parameterZeigen, this,
            [this] { tabs->setCurrentWidget(m_parameter); });
    m_rxeq = new EqSeite(*m_geraet, eqcurve::Side::Rx);
    tabs->addTab(m_rxeq, tr("RX-Equalizer", "TabWindow"));
    m_txeq = new EqSeite(*m_geraet, eqcurve::Side::Tx);
    tabs->addTab(m_txeq, tr("TX-Equalizer", "TabWindow"));
    tabs->addTab(new ZfKalSeite(*m_geraet, tabs), tr("ZF-Kalibrierung (AD603)", "TabWindow"));
    tabs->addTab(new SmKalSeite(*m_geraet, tabs), tr("S-Meter-Kalibrierung", "TabWindow"));
    // Every page as large as its widest and tallest controls (the parameter page's ten
    // rows, the firmware page's four groups): the window's minimum, and its default size,
    // follow from them, so nothing lies outside the window.
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setMinimumSize(kSeiteMin);

    m_monitor = new DspMonitor(m_geraet);
    // Closed by its title bar or by a line that dropped: the switch follows.
    connect(m_parameter, &ParameterSeite::monitorGeschaltet, m_monitor, &DspMonitor::einschalten);
    connect(m_monitor, &DspMonitor::geschaltet, m_parameter, &ParameterSeite::monitorZeigen);
    connect(m_monitor, &DspMonitor::speicherfehler, this,
            [this](const QString& path) { m_geraet->speicherfehler(path); });
    m_monitor->hide();

    m_odlg = new odlg();
    m_odlg->setAttribute(Qt::WA_QuitOnClose);
    connect(m_odlg, &QDialog::accepted, this, &vantrel::meinstsave);

    createactions();

    // The configuration folder: ~/vantrel, created when missing; the working directory
    // follows it, so the bare default file names are looked up there.
    configdir = QDir::home();
    if (!configdir.cd(QStringLiteral("vantrel"))) {
        configdir.mkdir(QStringLiteral("vantrel"));
        if (!configdir.cd(QStringLiteral("vantrel")))
            configdir = QDir::home();
    }
    QDir::setCurrent(configdir.absolutePath());

    QSettings settings(QStringLiteral("vantrel"), QStringLiteral("AFU"));
    // A position stored on a screen that is gone would put the window out of reach.
    QPoint ort = settings.value(QStringLiteral("pos"), QPoint(200, 200)).toPoint();
    if (!QGuiApplication::screenAt(ort + QPoint(40, 20)))
        if (const QScreen* s = QGuiApplication::primaryScreen())
            ort = s->availableGeometry().topLeft() + QPoint(40, 40);
    move(ort);
    resize(settings.value(QStringLiteral("size"), QSize(400, 400))
               .toSize()
               .expandedTo(minimumSizeHint()));
    m_monitor->platzieren(settings.value(QStringLiteral("monipos"), QPoint(50, 50)).toPoint(),
                          settings.value(QStringLiteral("monisize"), m_monitor->size()).toSize());

    readSettings();
    m_geraet->bildLoeschen();
    m_geraet->paramreset();
}

vantrel::~vantrel() {
    // Nothing the session does from here on may reach the window.
    m_geraet->setBediener(nullptr);
    delete m_monitor;
    m_monitor = nullptr;
    delete m_odlg;
}

void vantrel::createactions() {
    exitAct = new QAction(QIcon(QStringLiteral(":/beenden.xpm")), tr("&Beenden"), this);
    exitAct->setStatusTip(tr("Programm beenden"));
    connect(exitAct, &QAction::triggered, this, &QWidget::close);

    optionAct = new QAction(QIcon(QStringLiteral(":/option.png")), tr("&Einstellungen"), this);
    optionAct->setStatusTip(tr("Grundeinstellungen"));
    connect(optionAct, &QAction::triggered, this, &vantrel::meinst);

    aboutAct = new QAction(QIcon(QStringLiteral(":/info.png")), tr("&Ueber"), this);
    aboutAct->setStatusTip(tr("Ueber die Applikation"));
    connect(aboutAct, &QAction::triggered, this, &vantrel::about);

    aboutQtAct = new QAction(tr("Ueber &Qt"), this);
    aboutQtAct->setStatusTip(tr("Show the Qt library's About box"));
    connect(aboutQtAct, &QAction::triggered, this,
            [this] { UserDialogs::current().aboutQt(this); });

    auto profile = [this](const QString& text, const QString& tip, void (vantrel::*slot)()) {
        auto* a = new QAction(text, this);
        a->setIconText(text);
        a->setCheckable(true);
        a->setStatusTip(tip);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    vesk1Act = profile(tr("Talvaro HW1"), tr("Auswahl des Talvaro1"), &vantrel::auswahlvesk1);
    vesk2Act = profile(tr("Talvaro HW2"), tr("Auswahl des Talvaro2"), &vantrel::auswahlvesk2);
    vesk3Act = profile(tr("Talvaro HW3"), tr("Auswahl des Talvaro3"), &vantrel::auswahlvesk3);
    exitAct->setObjectName(QStringLiteral("exitAct"));
    optionAct->setObjectName(QStringLiteral("optionAct"));
    aboutAct->setObjectName(QStringLiteral("aboutAct"));
    aboutQtAct->setObjectName(QStringLiteral("aboutQtAct"));
    vesk1Act->setObjectName(QStringLiteral("vesk1Act"));
    vesk2Act->setObjectName(QStringLiteral("vesk2Act"));
    vesk3Act->setObjectName(QStringLiteral("vesk3Act"));
    neuverbindenAct = new QAction(tr("&Neu verbinden"), this);
    neuverbindenAct->setObjectName(QStringLiteral("neuverbindenAct"));
    neuverbindenAct->setIconText(tr("Neu verbinden"));
    neuverbindenAct->setStatusTip(tr("Den eingestellten Port schliessen und neu oeffnen"));
    connect(neuverbindenAct, &QAction::triggered, this, &vantrel::neuverbinden);

    verlaufAct = new QAction(tr("Eeprom-&Verlauf"), this);
    verlaufAct->setObjectName(QStringLiteral("verlaufAct"));
    verlaufAct->setStatusTip(tr("Die Eeprom-Sicherungen dieses Profils vergleichen und "
                                "wiederherstellen"));
    connect(verlaufAct, &QAction::triggered, this, &vantrel::eepromverlauf);

    QMenu* datei = menuBar()->addMenu(tr("&Datei"));
    datei->addAction(verlaufAct);
    datei->addSeparator();
    datei->addAction(exitAct);
    QMenu* einstellungen = menuBar()->addMenu(tr("&Einstellungen"));
    einstellungen->addAction(optionAct);
    einstellungen->addAction(neuverbindenAct);
    menuBar()->addSeparator();
    QMenu* hilfe = menuBar()->addMenu(tr("&Hilfe"));
    hilfe->addAction(aboutAct);
    hilfe->addAction(aboutQtAct);
    QMenu* vesk = menuBar()->addMenu(tr("&Vesk Auswahl"));
    vesk->addAction(vesk1Act);
    vesk->addAction(vesk2Act);
    vesk->addAction(vesk3Act);

    QToolBar* tb = addToolBar(tr("File"));
    tb->setObjectName(QStringLiteral("filetoolbar"));
    tb->addAction(exitAct);
    tb->addAction(optionAct);
    tb->addAction(neuverbindenAct);
    tb->addAction(aboutAct);
    tb->addAction(vesk1Act);
    tb->addAction(vesk2Act);
    tb->addAction(vesk3Act);

    statusBar()->showMessage(tr("Ready"));
}

void vantrel::eepromverlauf() {
    if (auto* offen = findChild<EepromVerlaufDialog*>()) {
        offen->neuLaden();
        offen->raise();
        offen->activateWindow();
        return;
    }
    auto* d = new EepromVerlaufDialog(*m_geraet, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the main window only: the simulated set's panel stays usable.
    d->setWindowModality(Qt::WindowModal);
    d->show();
}

void vantrel::readSettings() {
    ConfigFile cfg;
    cfg.load(configdir.filePath(configFileName()));
    TEinstellungen e;
    int profil = 0;
    e.read(cfg, &profil);
    m_geraet->setEinstellungen(e, profil);
    if (!m_geraet->verbinden())
        portfehlerzeigen(tr("RS232 readSettings()"), tr("Die RS232 ist nicht offen!"));
    vesk1Act->setChecked(profil == 0);
    vesk2Act->setChecked(profil == 1);
    vesk3Act->setChecked(profil == 2);
    setactiontexts();
}

bool vantrel::writeSettings() {
    ConfigFile cfg;
    cfg.load(configdir.filePath(configFileName()));
    m_geraet->einstellungen().write(cfg, m_geraet->profil());
    if (cfg.save())
        return true;
    m_geraet->speicherfehler(cfg.fileName());
    return false;
}

void vantrel::setactiontexts() {
    const TEinstellungen& e = m_geraet->einstellungen();
    vesk1Act->setText(e.veskpfad[0]);
    vesk2Act->setText(e.veskpfad[1]);
    vesk3Act->setText(e.veskpfad[2]);
}

void vantrel::setAText(const QString& text) {
    setWindowTitle(QStringLiteral("Talvaro-Loader - ") + QLatin1String(versionText) +
                   QStringLiteral(" - ") + text + QStringLiteral(" - ") +
                   m_geraet->einstellungen().veskpfad[size_t(m_geraet->profil())]);
}

void vantrel::portfehlerzeigen(const QString& titel, const QString& satz) {
    const QString grund = m_geraet->portfehler().text;
    logzeile(grund);
    m_bediener->meldung(
        Bediener::Box::Fehler, titel,
        satz + QStringLiteral("<br>") +
            grund.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

void vantrel::neuverbinden() {
    // Not while a transfer owns the line: it would end on a closed port.
    if (m_geraet->uebertragungLaeuft()) {
        m_bediener->meldung(Bediener::Box::Fehler, tr("Neu verbinden"),
                            tr("Es laeuft bereits eine Uebertragung!"));
        return;
    }
    if (m_geraet->verbinden())
        logzeile(tr("Die RS232 %1 ist offen.").arg(m_geraet->einstellungen().rs232));
    else
        portfehlerzeigen(tr("Neu verbinden"), tr("Die RS232 laesst sich nicht oeffnen!"));
}

void vantrel::about() {
    m_bediener->meldung(
        Bediener::Box::Info, tr("Talvaro-Loader"),
        tr("<b>Diese Applikation dient der Aufbereitung<br>der DSP-Firmware des TRX-Talvaro</b>"
           "<br>Es wird die HW von Ruvado und die<br>HW von Quarnel (LCD 4x20 Char)<br>"
           "unterstuetzt.<br><br> ") +
            QLatin1String(versionText) + QLatin1String(dateText));
}

bool vantrel::ungespeichert() const {
    return m_geraet->paramGeaendert() || m_geraet->xParamGeaendert() || m_rxeq->ungespeichert() ||
           m_txeq->ungespeichert();
}

bool vantrel::aenderungensichern() {
    // An edit younger than the debounce counts as well.
    m_geraet->aenderungenUebernehmen();
    if (!ungespeichert())
        return true;
    const Bediener::Antwort a = m_bediener->frage(
        tr("Nicht gespeicherte Aenderungen"),
        tr("Live geaenderte Parameter, X-Parameter oder Equalizer-Kurven sind nicht "
           "gespeichert.<br>Vorher speichern?"),
        true);
    if (a == Bediener::Antwort::Abbrechen)
        return false;
    if (a == Bediener::Antwort::Nein)
        return true;
    if (m_geraet->paramGeaendert())
        m_parameter->clickparamsave();
    if (m_geraet->xParamGeaendert())
        m_parameter->clickxparamsave();
    for (EqSeite* s : {m_rxeq, m_txeq})
        if (s->ungespeichert())
            s->eqdateispeichern();
    // A save that was cancelled or failed keeps everything as it is.
    return !ungespeichert();
}

void vantrel::setprofile(int n) {
    if (n != m_geraet->profil() && !aenderungensichern())
        n = m_geraet->profil();
    vesk1Act->setChecked(n == 0);
    vesk2Act->setChecked(n == 1);
    vesk3Act->setChecked(n == 2);
    // "Nein" above gives up the old profile's changes: the switch drops them.
    m_geraet->profilWaehlen(n);
    setAText(m_geraet->rs232offen() ? m_geraet->einstellungen().rs232 : QStringLiteral("?"));
    setactiontexts();
}

void vantrel::auswahlvesk1() {
    setprofile(0);
}
void vantrel::auswahlvesk2() {
    setprofile(1);
}
void vantrel::auswahlvesk3() {
    setprofile(2);
}

void vantrel::logzeile(const QString& text) {
    m_firmware->logzeile(text);
}

void vantrel::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (!aenderungensichern()) {
        event->ignore();
        return;
    }
    writeSettings();
    QSettings settings(QStringLiteral("vantrel"), QStringLiteral("AFU"));
    settings.setValue(QStringLiteral("pos"), pos());
    settings.setValue(QStringLiteral("size"), size());
    if (m_monitor) {
        settings.setValue(QStringLiteral("monipos"), m_monitor->pos());
        settings.setValue(QStringLiteral("monisize"), m_monitor->size());
    }
    m_geraet->monitorAus();
    m_txeq->timer()->stop();
    m_rxeq->timer()->stop();
    m_parameter->befehltimer()->stop();
    m_geraet->trennen();
    delete m_monitor;
    m_monitor = nullptr;
    m_closed = true;
    event->accept();
}
