#include "vantrel.h"

#include "app/configfile.h"
#include "app/fensterbediener.h"
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "control/eqseite.h"
#include "link/leitungswache.h"
#include "link/link.h"
#include "link/modem.h"
#include "monitor/dspmonitor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
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
      m_bediener(std::make_unique<FensterBediener>(*this)), einst(m_geraet->einst),
      vesknr(m_geraet->vesknr), downloadimage(m_geraet->downloadimage),
      dspzeilen(m_geraet->dspzeilen), filterliste(m_geraet->filterliste),
      datensatzgeladen(m_geraet->datensatzgeladen), parametertabelle(m_geraet->parametertabelle),
      paramgeladen(m_geraet->paramgeladen), dateifehler(m_geraet->dateifehler),
      ladequelle(m_geraet->ladequelle), smkalaktiv(m_geraet->smkalaktiv),
      xparamgeaendert(m_geraet->xparamgeaendert), empfangsring(m_geraet->empfangsring),
      zfmessung(m_geraet->zfmessung), calcurve(m_geraet->zfmessung.calcurve),
      monitorkurve(m_geraet->monitorkurve), ad603tabelle(m_geraet->ad603tabelle),
      smgesendet(m_geraet->smgesendet), dspdaten(m_geraet->dspdaten) {
    initResources();
    setObjectName(QStringLiteral("vantrel"));
    configdir = QDir::current();

    m_geraet->setBediener(m_bediener.get());
    m_modem = m_geraet->modem();
    m_link = m_geraet->link();
    connect(m_modem, &Modem::setTtyText, this, &vantrel::setAText);
    connect(m_geraet, &Geraet::parameterGeladen, this, &vantrel::parametergeladen);
    // A pulled adapter comes back by itself: the session tries the port again every second.
    m_geraet->setWiederverbinden(true);
    connect(m_geraet->leitungswache(), &Leitungswache::verloren, this, [this](const QString& p) {
        logzeile(tr("Die Verbindung ueber %1 ist unterbrochen; der Port wird jede Sekunde neu "
                    "versucht.")
                     .arg(p));
    });
    // The S-meter calibration loads the parameters itself: its log shows what was read.
    connect(m_geraet, &Geraet::parameterzeile, this, [this](const QString& zeile) {
        if (smkalaktiv)
            smlog(zeile);
    });

    auto makeTimer = [this](const char* name, void (vantrel::*slot)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        connect(t, &QTimer::timeout, this, slot);
        return t;
    };
    testtimer = makeTimer("testtimer", &vantrel::testtimerstop);
    repainttimer = makeTimer("repainttimer", &vantrel::actrepainttimer);
    dspbeftimer = makeTimer("dspbeftimer", &vantrel::tstopdspbef);
    smbeftimer = makeTimer("smbeftimer", &vantrel::tstopsmbef);
    empfangtimer = makeTimer("empfangtimer", &vantrel::tstopempfangRS232);
    rxeqtimer = makeTimer("rxeqtimer", &vantrel::timerrxeqstop);
    txeqtimer = makeTimer("txeqtimer", &vantrel::timertxeqstop);
    dspmonitimer = makeTimer("dspmonitimer", &vantrel::timerdspmonistop);
    repainttimer->start(1);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    setCentralWidget(tabs);

    bauefirmwareseite();
    baueparameterseite();
    baueeqseiten();
    bauekalseiten();
    // Every page as large as its widest and tallest controls (the parameter page's ten
    // rows, the firmware page's four groups): the window's minimum, and its default size,
    // follow from them, so nothing lies outside the window.
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setMinimumSize(kSeiteMin);

    m_monitor = new DspMonitor();
    connect(this, &vantrel::sendedspdaten, m_monitor, &DspMonitor::getdspdaten);
    connect(m_monitor, &DspMonitor::speicherfehler, this,
            [this](const QString& path) { speicherfehler(path); });
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
    m_monitor->move(settings.value(QStringLiteral("monipos"), QPoint(50, 50)).toPoint());
    m_monitor->resize(settings.value(QStringLiteral("monisize"), m_monitor->size())
                          .toSize()
                          .expandedTo(m_monitor->minimumSize()));

    readSettings();
    layoutalles();

    paramgeladen = false;
    dateifehler = false;
    ladequelle = 0;
    smkalaktiv = false;
    xparamgeaendert = false;
    bufferloeschen();
    paramreset();
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
    m_neuverbindenAct = new QAction(tr("&Neu verbinden"), this);
    m_neuverbindenAct->setObjectName(QStringLiteral("neuverbindenAct"));
    m_neuverbindenAct->setIconText(tr("Neu verbinden"));
    m_neuverbindenAct->setStatusTip(tr("Den eingestellten Port schliessen und neu oeffnen"));
    connect(m_neuverbindenAct, &QAction::triggered, this, &vantrel::neuverbinden);

    QMenu* datei = menuBar()->addMenu(tr("&Datei"));
    datei->addSeparator();
    datei->addAction(exitAct);
    QMenu* einstellungen = menuBar()->addMenu(tr("&Einstellungen"));
    einstellungen->addAction(optionAct);
    einstellungen->addAction(m_neuverbindenAct);
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
    tb->addAction(m_neuverbindenAct);
    tb->addAction(aboutAct);
    tb->addAction(vesk1Act);
    tb->addAction(vesk2Act);
    tb->addAction(vesk3Act);

    statusBar()->showMessage(tr("Ready"));
}

bool vantrel::rs232offen() const {
    return m_link->isOpen();
}

void vantrel::readSettings() {
    ConfigFile cfg;
    cfg.load(configdir.filePath(configFileName()));
    einst.read(cfg, &vesknr);
    if (!m_geraet->verbinden())
        portfehlerzeigen(tr("RS232 readSettings()"), tr("Die RS232 ist nicht offen!"));
    vesk1Act->setChecked(vesknr == 0);
    vesk2Act->setChecked(vesknr == 1);
    vesk3Act->setChecked(vesknr == 2);
    setactiontexts();
}

bool vantrel::writeSettings() {
    ConfigFile cfg;
    cfg.load(configdir.filePath(configFileName()));
    einst.write(cfg, vesknr);
    if (cfg.save())
        return true;
    speicherfehler(cfg.fileName());
    return false;
}

void vantrel::setactiontexts() {
    vesk1Act->setText(einst.veskpfad[0]);
    vesk2Act->setText(einst.veskpfad[1]);
    vesk3Act->setText(einst.veskpfad[2]);
}

void vantrel::setAText(const QString& text) {
    setWindowTitle(QStringLiteral("Talvaro-Loader - ") + QLatin1String(versionText) +
                   QStringLiteral(" - ") + text + QStringLiteral(" - ") + einst.veskpfad[vesknr]);
}

void vantrel::portfehlerzeigen(const QString& titel, const QString& satz) {
    const QString grund = m_geraet->portfehler().text;
    logzeile(grund);
    UserDialogs::current().about(
        this, titel,
        satz + QStringLiteral("<br>") +
            grund.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

void vantrel::neuverbinden() {
    // Not while a transfer owns the line: it would end on a closed port.
    if (link()->transferActive()) {
        UserDialogs::current().about(this, tr("Neu verbinden"),
                                     tr("Es laeuft bereits eine Uebertragung!"));
        return;
    }
    if (m_geraet->verbinden())
        logzeile(tr("Die RS232 %1 ist offen.").arg(einst.rs232));
    else
        portfehlerzeigen(tr("Neu verbinden"), tr("Die RS232 laesst sich nicht oeffnen!"));
}

void vantrel::about() {
    UserDialogs::current().about(
        this, tr("Talvaro-Loader"),
        tr("<b>Diese Applikation dient der Aufbereitung<br>der DSP-Firmware des TRX-Talvaro</b>"
           "<br>Es wird die HW von Ruvado und die<br>HW von Quarnel (LCD 4x20 Char)<br>"
           "unterstuetzt.<br><br> ") +
            QLatin1String(versionText) + QLatin1String(dateText));
}

bool vantrel::ungespeichert() const {
    return bparamsave->isEnabled() || xparamgeaendert || (rxeq && rxeq->speichern->isEnabled()) ||
           (txeq && txeq->speichern->isEnabled());
}

bool vantrel::aenderungensichern() {
    if (!ungespeichert())
        return true;
    const UserDialogs::Antwort a = UserDialogs::current().frage(
        this, tr("Nicht gespeicherte Aenderungen"),
        tr("Live geaenderte Parameter, X-Parameter oder Equalizer-Kurven sind nicht "
           "gespeichert.<br>Vorher speichern?"));
    if (a == UserDialogs::Antwort::Abbrechen)
        return false;
    if (a == UserDialogs::Antwort::Nein)
        return true;
    if (bparamsave->isEnabled())
        clickparamsave();
    if (xparamgeaendert)
        clickxparamsave();
    for (EqSeite* s : {rxeq, txeq})
        if (s && s->speichern->isEnabled())
            eqdateispeichern(*s);
    // A save that was cancelled or failed keeps everything as it is.
    return !ungespeichert();
}

void vantrel::setprofile(int n) {
    if (n != vesknr && !aenderungensichern())
        n = vesknr;
    vesk1Act->setChecked(n == 0);
    vesk2Act->setChecked(n == 1);
    vesk3Act->setChecked(n == 2);
    if (m_geraet->profilWaehlen(n))
        paramreset();
    setAText(rs232offen() ? einst.rs232 : QStringLiteral("?"));
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

void vantrel::actrepainttimer() {
    layoutalles();
    repainttimer->stop();
}

void vantrel::layoutalles() {
    layoutfirmwareseite();
    panellayout();
    layouteqseiten();
    layoutkalseiten();
}

void vantrel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A box before the first show (a port that would not open) lays out against a window
    // not yet at its size: the pages are laid out again now that it is.
    layoutalles();
}

void vantrel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutalles();
}

void vantrel::logzeile(const QString& text) {
    log->append(text);
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
    dspframe(52, 1);
    dspmonitimer->stop();
    txeqtimer->stop();
    rxeqtimer->stop();
    empfangtimer->stop();
    smbeftimer->stop();
    dspbeftimer->stop();
    m_geraet->trennen();
    delete m_monitor;
    m_monitor = nullptr;
    m_closed = true;
    event->accept();
}
