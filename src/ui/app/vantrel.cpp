#include "vantrel.h"

#include "app/configfile.h"
#include "app/dateirollen.h"
#include "app/fensterbediener.h"
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "calibration/smkalseite.h"
#include "calibration/zfkalseite.h"
#include "control/eqseite.h"
#include "download/eepromverlaufdialog.h"
#include "download/firmwareseite.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "monitor/dspmonitor.h"
#include "parameters/parameterseite.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

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
    connect(m_geraet, &Geraet::verbunden, this, &vantrel::setAText);
    // A pulled adapter comes back by itself: the session tries the port again every second.
    m_geraet->setWiederverbinden(true);
    m_schliessen = new QTimer(this);
    m_schliessen->setObjectName(QStringLiteral("schliessentimer"));
    m_schliessen->setSingleShot(true);
    m_schliessen->setInterval(20);
    connect(m_schliessen, &QTimer::timeout, this, &QWidget::close);

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
    // Nothing the session does from here on may reach the window; the pages leave it
    // before it goes (it was made first, and children go in that order).
    m_geraet->setBediener(nullptr);
    delete tabs;
    tabs = nullptr;
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
    auto* anleitung = hilfe->addAction(tr("&Anleitung"), this,
                                       [this] { this->hilfe(QStringLiteral("README.md")); });
    anleitung->setObjectName(QStringLiteral("anleitungAct"));
    anleitung->setStatusTip(tr("Die Anleitung zum Talvaro-Loader oeffnen"));
    auto* adapter = hilfe->addAction(tr("&USB-Adapter"), this,
                                     [this] { this->hilfe(QStringLiteral("adapters.md")); });
    adapter->setObjectName(QStringLiteral("adapterAct"));
    adapter->setStatusTip(
        tr("Ports, Berechtigungen, ModemManager und brltty, eine udev-Regel fuer den Adapter"));
    auto* cli = hilfe->addAction(tr("&Kommandozeile"), this,
                                 [this] { this->hilfe(QStringLiteral("talvaro-cli.md")); });
    cli->setObjectName(QStringLiteral("cliAct"));
    cli->setStatusTip(tr("talvaro-cli: die Uebertragungen von der Kommandozeile"));
    hilfe->addSeparator();
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

QString vantrel::konfigurationsdatei() const {
    return configdir.filePath(configFileName());
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
    m_konfigFehler.clear();
    m_konfigGefragt = false;
    m_konfigZiel.clear();
    QByteArray inhalt;
    if (const LineReader::Fehler f = LineReader::dateiLesen(konfigurationsdatei(), &inhalt);
        f == LineReader::Fehler::Keiner)
        cfg.loadData(inhalt);
    else if (f != LineReader::Fehler::Fehlt)
        m_konfigFehler = lesefehler(konfigurationsdatei(), f).text;
    TEinstellungen e;
    int profil = 0;
    e.read(cfg, &profil);
    m_geraet->setEinstellungen(e, profil);
    m_startEinstellungen = e;
    m_startProfil = m_geraet->profil();
    if (!m_konfigFehler.isEmpty()) {
        // The port the file names is unknown: the default one may be another set's line, or
        // none at all. "Neu verbinden" or the options open one on purpose.
        logzeile(m_konfigFehler);
        m_bediener->meldung(Bediener::Box::Warnung, tr("Konfiguration nicht lesbar"),
                            m_konfigFehler +
                                tr("<br>Es gelten die Vorgaben; die Datei bleibt, wie sie ist. "
                                   "Kein Port wird geoeffnet."));
        setAText(QStringLiteral("?"));
    } else if (!m_geraet->verbinden()) {
        portfehlerzeigen(tr("RS232 readSettings()"), tr("Die RS232 ist nicht offen!"));
    }
    vesk1Act->setChecked(profil == 0);
    vesk2Act->setChecked(profil == 1);
    vesk3Act->setChecked(profil == 2);
    setactiontexts();
}

bool vantrel::writeSettings() {
    QString ziel = konfigurationsdatei();
    if (!m_konfigFehler.isEmpty()) {
        // What could not be read is never written over; unchanged defaults need no file.
        if (m_geraet->einstellungen() == m_startEinstellungen &&
            m_geraet->profil() == m_startProfil)
            return true;
        if (!m_konfigGefragt) {
            m_konfigGefragt = true;
            if (m_bediener->frage(tr("Einstellungen speichern"),
                                  tr("Die Konfiguration \"%1\" konnte beim Start nicht gelesen "
                                     "werden und wird nicht ueberschrieben.<br>Die geaenderten "
                                     "Einstellungen in einer anderen Datei speichern?")
                                      .arg(ziel),
                                  false) == Bediener::Antwort::Ja)
                m_konfigZiel = m_bediener->dateiWaehlen(
                    Bediener::Wahl::Speichern, tr("Einstellungen speichern unter"), ziel,
                    tr("Konfiguration (*.cfg);;Alle Dateien (*)", "FileDialog"));
            if (Dateirollen::gleich(m_konfigZiel, ziel))
                m_konfigZiel.clear();
        }
        if (m_konfigZiel.isEmpty())
            return true;
        ziel = m_konfigZiel;
    }
    ConfigFile cfg;
    cfg.load(ziel);
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
    if (!m_geraet->ruhig()) {
        m_bediener->meldung(Bediener::Box::Fehler, tr("Neu verbinden"),
                            tr("Es laeuft bereits eine Uebertragung!"));
        return;
    }
    // What a debounce still holds goes out on the line it was meant for.
    m_geraet->aenderungenUebernehmen();
    if (m_geraet->verbinden())
        logzeile(tr("Die RS232 %1 ist offen.").arg(m_geraet->einstellungen().rs232));
    else
        portfehlerzeigen(tr("Neu verbinden"), tr("Die RS232 laesst sich nicht oeffnen!"));
}

void vantrel::hilfe(const QString& name) {
    // Installed beside the program (share/doc of its prefix), else the tree it was built from.
    QStringList orte{QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../share/doc/talvaro-loader/") + name};
#ifdef TALVARO_SOURCE_DIR
    orte << QStringLiteral(TALVARO_SOURCE_DIR "/") + name
         << QStringLiteral(TALVARO_SOURCE_DIR "/docs/") + name;
#endif
    for (const QString& ort : std::as_const(orte)) {
        const QString pfad = QDir::cleanPath(ort);
        if (!QFileInfo(pfad).isFile())
            continue;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)))
            m_bediener->meldung(Bediener::Box::Info, tr("Hilfe"),
                                tr("Die Anleitung liegt in \"%1\"; kein Programm hat sie "
                                   "geoeffnet.")
                                    .arg(pfad));
        return;
    }
    m_bediener->meldung(Bediener::Box::Warnung, tr("Hilfe"),
                        tr("Die Anleitung \"%1\" ist nicht installiert.").arg(name));
}

void vantrel::erststartpruefen() {
    const QString konfig = konfigurationsdatei();
    const bool ohneKonfig = !QFileInfo::exists(konfig);
    const QStringList fehlend = m_geraet->fehlendeDateien();
    if (!ohneKonfig && fehlend.isEmpty())
        return;
    const int profil = m_geraet->profil() + 1;
    QStringList zeilen;
    if (ohneKonfig)
        zeilen
            << tr("Es gibt noch keine Konfiguration \"%1\": es gelten die Vorgaben.").arg(konfig);
    if (!fehlend.isEmpty()) {
        zeilen << tr("Diese Dateien von Profil %1 fehlen:").arg(profil);
        for (const QString& f : fehlend)
            zeilen << QStringLiteral("  ") + f;
    }
    zeilen << tr("Unter \"Einstellungen\" (Menue oder Werkzeugleiste), Seite \"Talvaro HW%1\", "
                 "das Verzeichnis der Vesk-Software und die Dateien waehlen, dann \"OK\".")
                  .arg(profil)
           << tr("Ohne Talvaro: \"talvaro-loader --simulate\" arbeitet mit einem simulierten "
                 "Talvaro und einem Beispieldatensatz.");
    QStringList html;
    for (const QString& z : std::as_const(zeilen)) {
        html << z.toHtmlEscaped();
        logzeile(html.last());
    }
    m_bediener->meldung(Bediener::Box::Warnung,
                        ohneKonfig ? tr("Keine Konfiguration") : tr("Dateien fehlen"),
                        html.join(QStringLiteral("<br>")));
}

void vantrel::about() {
    m_bediener->meldung(
        Bediener::Box::Info, tr("Talvaro-Loader"),
        tr("<b>Diese Applikation dient der Aufbereitung<br>der DSP-Firmware des TRX-Talvaro</b>"
           "<br>Es wird die HW von Ruvado und die<br>HW von Quarnel (LCD 4x20 Char)<br>"
           "unterstuetzt.<br><br> ") +
            QLatin1String(versionText) + QLatin1String(dateText));
}

void vantrel::setprofile(int n) {
    // A calibration under way keeps its profile unless the person ends it; what is unsaved
    // is asked about.
    // A block or a transfer keeps the table and the files it works on.
    // The unsaved work is asked about before a calibration is ended for the switch: the
    // S-meter tuning can still be saved then, and Abbrechen keeps the calibration running.
    if (n != m_geraet->profil() &&
        (!m_geraet->ruhigSonstMelden(tr("Profil wechseln")) || !m_geraet->aenderungenSichern() ||
         !m_geraet->profilwechselFrei()))
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

void vantrel::signalbeenden() {
    m_ohneFragen = true;
    // A box left open would keep its operation (and the close) waiting for an answer that
    // never comes: it counts as cancelled.
    for (int i = 0; i < 16; ++i) {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            break;
        if (auto* d = qobject_cast<QDialog*>(box))
            d->reject();
        else
            box->close();
    }
    // Tried once the box's operation had its turn.
    m_schliessen->start(0);
}

void vantrel::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    event->ignore();
    if (m_schliesst)
        return;
    // The port closes only on a quiet line: a block runs to its (108, 0), a transfer is
    // asked to cancel and ends; then the close is tried again.
    if (!m_geraet->ruhig()) {
        m_endet = true;
        m_geraet->abbrechen();
        m_schliessen->start();
        return;
    }
    m_schliesst = true;
    if (!m_ohneFragen && !m_geraet->aenderungenSichern()) {
        m_schliesst = false;
        // A signal that came while the question was open answered it with its cancel: the
        // close goes on without questions.
        if (m_ohneFragen)
            m_schliessen->start();
        else
            m_endet = false;
        return;
    }
    // Sending what was pending let other events run: whatever started meanwhile ends first.
    if (!m_geraet->ruhig()) {
        m_schliesst = false;
        m_endet = true;
        m_geraet->abbrechen();
        m_schliessen->start();
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
    m_geraet->herunterfahren();
    delete m_monitor;
    m_monitor = nullptr;
    m_closed = true;
    m_schliesst = false;
    event->accept();
}
