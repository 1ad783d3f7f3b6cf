#include "download/eepromverlauf.h"

#include "app/dateischreiben.h"
#include "download/eeprombackup.h"
#include "download/eepromvergleich.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace download {

namespace {

// An index much larger than this is not ours (a record is about 300 bytes).
constexpr qint64 kIndexGrenze = 64 * 1024 * 1024;

QString dateiSha256(const QString& path, qint64* bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f))
        return {};
    if (bytes)
        *bytes = f.size();
    return QString::fromLatin1(h.result().toHex());
}

// Oldest first; records of the same time keep their order.
void nachZeit(QList<VerlaufEintrag>& liste) {
    std::stable_sort(
        liste.begin(), liste.end(),
        [](const VerlaufEintrag& a, const VerlaufEintrag& b) { return a.zeit < b.zeit; });
}

qint64 mtimeVon(const QString& path) {
    return QFileInfo(path).lastModified().toMSecsSinceEpoch();
}

QJsonObject alsJson(const VerlaufEintrag& e) {
    QJsonObject o = e.json();
    o.insert(QStringLiteral("port"), e.port);
    o.insert(QStringLiteral("mtime"), e.mtime);
    if (e.uebernommen)
        o.insert(QStringLiteral("adopted"), true);
    return o;
}

bool ausJson(const QJsonObject& o, VerlaufEintrag* e) {
    e->zeit = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs)
                  .toUTC();
    e->bytes = o.value(QStringLiteral("bytes")).toInteger(-1);
    e->vollstaendig = o.value(QStringLiteral("complete")).toBool();
    e->sha256 = o.value(QStringLiteral("sha256")).toString();
    e->port = o.value(QStringLiteral("port")).toString();
    e->datei = o.value(QStringLiteral("file")).toString();
    e->uebernommen = o.value(QStringLiteral("adopted")).toBool();
    e->mtime = o.value(QStringLiteral("mtime")).toInteger();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return e->zeit.isValid() && e->bytes >= 0 && hex.match(e->sha256).hasMatch() &&
           !e->datei.isEmpty() &&
           VerlaufEintrag::herkunftAusName(o.value(QStringLiteral("origin")).toString(),
                                           &e->herkunft);
}

// The lock two programs respect while one of them reads, changes and rewrites the index;
// they hold it for milliseconds. One that died holding it leaves a lock whose process is gone,
// which QLockFile takes over at once. Waiting for a live holder pumps events, at most 20 s.
class Sperre {
public:
    // With ordner, that folder is made first: the lock lives beside the index in it.
    explicit Sperre(const QString& index, const QString& ordner = {})
        : m_index(index), m_lock(index + QStringLiteral(".lock")) {
        if (!ordner.isEmpty() && !QDir().mkpath(ordner)) {
            m_kein = true;
            return;
        }
        m_lock.setStaleLockTime(30000);
        QElapsedTimer uhr;
        uhr.start();
        while (!(m_ok = m_lock.tryLock(0)) && m_lock.error() == QLockFile::LockFailedError &&
               uhr.elapsed() < 20000) {
            QEventLoop warten;
            QTimer::singleShot(20, Qt::PreciseTimer, &warten, &QEventLoop::quit);
            warten.exec();
        }
    }
    // Held; if not, *fehler (when given) says why.
    bool ok(QString* fehler) const {
        if (!m_ok && fehler)
            *fehler =
                m_kein ? QCoreApplication::translate(
                             "vantrel", "Der Eeprom-Verlauf \"%1\" kann nicht geschrieben werden!")
                             .arg(m_index)
                       : QCoreApplication::translate("vantrel",
                                                     "Der Eeprom-Verlauf \"%1\" ist gesperrt!")
                             .arg(m_index);
        return m_ok;
    }

private:
    QString m_index;
    QLockFile m_lock;
    bool m_ok = false;
    bool m_kein = false; // the folder could not be made
};

} // namespace

QString VerlaufEintrag::herkunftName(Herkunft h) {
    switch (h) {
    case Herkunft::Sicherung:
        return QStringLiteral("backup");
    case Herkunft::VorWiederherstellung:
        return QStringLiteral("before-restore");
    case Herkunft::VorPicLaden:
        return QStringLiteral("before-pic-download");
    case Herkunft::Vergleich:
        return QStringLiteral("compare");
    case Herkunft::VorSchreiben:
        break;
    }
    return QStringLiteral("before-write");
}

bool VerlaufEintrag::herkunftAusName(const QString& name, Herkunft* h) {
    for (Herkunft k : {Herkunft::Sicherung, Herkunft::VorWiederherstellung, Herkunft::VorPicLaden,
                       Herkunft::Vergleich, Herkunft::VorSchreiben})
        if (herkunftName(k) == name) {
            *h = k;
            return true;
        }
    return false;
}

QJsonObject VerlaufEintrag::json() const {
    return {{QStringLiteral("time"), zeit.toString(Qt::ISODateWithMs)},
            {QStringLiteral("bytes"), bytes},
            {QStringLiteral("complete"), vollstaendig},
            {QStringLiteral("sha256"), sha256},
            {QStringLiteral("origin"), herkunftName(herkunft)},
            {QStringLiteral("file"), datei}};
}

bool VerlaufEintrag::vorhanden() const {
    const QFileInfo info(datei);
    if (!info.isFile() || info.size() != bytes)
        return false;
    if (info.lastModified().toMSecsSinceEpoch() == mtime)
        return true;
    return unveraendert();
}

bool VerlaufEintrag::unveraendert() const {
    qint64 n = -1;
    return QFileInfo(datei).isFile() && dateiSha256(datei, &n) == sha256 && n == bytes;
}

EepromVerlauf::EepromVerlauf(const QString& ordner, int profil)
    : m_ordner(QDir(ordner).absolutePath()), m_profil(qBound(0, profil, 2)) {}

QString EepromVerlauf::indexPfad() const {
    return QDir(m_ordner).filePath(QStringLiteral("verlauf-HW%1.json").arg(m_profil + 1));
}

static QString stamm(int profil) {
    return QStringLiteral("eeprom-HW%1-%2")
        .arg(qBound(0, profil, 2) + 1)
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QString EepromVerlauf::ersterName(const QString& ordner, int profil, const QString& endung) {
    return QDir(ordner).filePath(stamm(profil) + endung);
}

QString EepromVerlauf::platzNehmen(const QString& ordner, int profil, const QString& endung,
                                   bool vorlaeufig) {
    const QString s = stamm(profil);
    if (!QDir().mkpath(ordner))
        return {};
    const auto da = [](const QString& p) {
        return QFileInfo::exists(p) || QFileInfo(p).isSymLink();
    };
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            QDir(ordner).filePath(n == 1 ? s + endung : s + QStringLiteral("-%1").arg(n) + endung);
        const QString teil = name + QStringLiteral(".partial");
        if (da(name) || da(teil))
            continue;
        // Creating it takes the name. Not made for another reason than a run that took it
        // meanwhile: give up.
        QFile platz(vorlaeufig ? teil : name);
        if (!platz.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (!da(platz.fileName()))
                return {};
            continue;
        }
        platz.close();
        // A run that took the name the other way at the same moment: it keeps it.
        if (da(vorlaeufig ? name : teil)) {
            platz.remove();
            continue;
        }
        return name;
    }
    return {};
}

QList<VerlaufEintrag> EepromVerlauf::uebernehmen() const {
    // What an older version made: eeprom-HW<p>-<stamp>[-n].bin, always a whole EEPROM. Its
    // time is the file's, never later than now (a clock set back would rank it newest).
    static const QRegularExpression muster(
        QStringLiteral("^eeprom-HW([1-3])-\\d{8}-\\d{6}(?:-\\d+)?\\.bin$"));
    QList<VerlaufEintrag> liste;
    const QDateTime jetzt = QDateTime::currentDateTimeUtc();
    const QDir ordner(m_ordner);
    for (const QFileInfo& info : ordner.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        const QRegularExpressionMatch m = muster.match(info.fileName());
        if (!m.hasMatch() || m.captured(1).toInt() != m_profil + 1 || info.size() != kEepromGroesse)
            continue;
        VerlaufEintrag e;
        e.datei = info.absoluteFilePath();
        e.sha256 = dateiSha256(e.datei, &e.bytes);
        if (e.sha256.isEmpty() || e.bytes != kEepromGroesse)
            continue;
        e.zeit = qMin(info.lastModified().toUTC(), jetzt);
        e.vollstaendig = true;
        e.herkunft = VerlaufEintrag::Herkunft::VorSchreiben;
        e.uebernommen = true;
        e.mtime = info.lastModified().toMSecsSinceEpoch();
        liste.append(e);
    }
    nachZeit(liste);
    return liste;
}

bool EepromVerlauf::lesenOhneSperre(QList<VerlaufEintrag>* eintraege, bool* da, QString* fehler) {
    eintraege->clear();
    const QString pfad = indexPfad();
    const QFileInfo info(pfad);
    *da = info.exists() || info.isSymLink();
    if (!*da)
        return true;
    QFile f(pfad);
    if (!info.isFile() || info.size() > kIndexGrenze || !f.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QCoreApplication::translate(
                          "vantrel", "Der Eeprom-Verlauf \"%1\" kann nicht gelesen werden!")
                          .arg(pfad);
        return false;
    }
    QJsonParseError pe{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError || !doc.isObject() ||
        !doc.object().value(QStringLiteral("records")).isArray()) {
        if (fehler)
            *fehler =
                QCoreApplication::translate("vantrel", "Der Eeprom-Verlauf \"%1\" ist beschaedigt!")
                    .arg(pfad);
        return false;
    }
    for (const QJsonValue& v : doc.object().value(QStringLiteral("records")).toArray()) {
        VerlaufEintrag e;
        if (v.isObject() && ausJson(v.toObject(), &e))
            eintraege->append(e);
    }
    nachZeit(*eintraege);
    return true;
}

bool EepromVerlauf::schreiben(const QList<VerlaufEintrag>& eintraege, QString* fehler) {
    QJsonArray liste;
    for (const VerlaufEintrag& e : eintraege)
        liste.append(alsJson(e));
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("format"), 1},
                                                       {QStringLiteral("profile"), m_profil + 1},
                                                       {QStringLiteral("records"), liste}})
                                 .toJson(QJsonDocument::Indented);
    const QString pfad = indexPfad();
    // An index reached through a link is not ours to write through.
    const bool ok = !QFileInfo(pfad).isSymLink() && dateiSchreiben(pfad, bytes);
    if (!ok && fehler)
        *fehler = QCoreApplication::translate(
                      "vantrel", "Der Eeprom-Verlauf \"%1\" kann nicht geschrieben werden!")
                      .arg(pfad);
    return ok;
}

bool EepromVerlauf::lesen(QList<VerlaufEintrag>* eintraege, QString* fehler) {
    // Read without the lock when there is an index: it is only ever replaced whole.
    bool da = false;
    if (QFileInfo::exists(indexPfad()))
        return lesenOhneSperre(eintraege, &da, fehler);
    Sperre sperre(indexPfad(), m_ordner);
    if (!sperre.ok(fehler))
        return false;
    if (!lesenOhneSperre(eintraege, &da, fehler))
        return false;
    if (da)
        return true;
    *eintraege = uebernehmen();
    return schreiben(*eintraege, fehler);
}

bool EepromVerlauf::eintragen(VerlaufEintrag eintrag, QString* fehler) {
    eintrag.datei = QFileInfo(eintrag.datei).absoluteFilePath();
    eintrag.mtime = mtimeVon(eintrag.datei);
    Sperre sperre(indexPfad(), m_ordner);
    if (!sperre.ok(fehler))
        return false;
    QList<VerlaufEintrag> liste;
    bool da = false;
    if (!lesenOhneSperre(&liste, &da, fehler))
        return false;
    if (!da)
        liste = uebernehmen();
    // A file taken over while its run was still writing it is that run's record now.
    liste.removeIf(
        [&](const VerlaufEintrag& e) { return e.uebernommen && e.datei == eintrag.datei; });
    liste.append(eintrag);
    return schreiben(liste, fehler);
}

namespace {
constexpr int kInBenutzung = -2;

// The file held exclusively (its descriptor, to close once it is removed), kInBenutzung when
// another holds it, -1 when it cannot be asked.
int exklusiv(const QString& datei) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(datei).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return fd;
    const bool belegt = errno == EWOULDBLOCK;
    ::close(fd);
    return belegt ? kInBenutzung : -1;
#else
    Q_UNUSED(datei);
    return -1;
#endif
}
} // namespace

Lesesperre::Lesesperre(const QString& datei) {
#ifdef Q_OS_UNIX
    m_fd = ::open(QFile::encodeName(datei).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    // A clean-up holds its lock for the moment of the removal only.
    if (m_fd >= 0 && ::flock(m_fd, LOCK_SH) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
#else
    Q_UNUSED(datei);
#endif
}

Lesesperre::~Lesesperre() {
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

EepromVerlauf::Aufraeumen EepromVerlauf::aufraeumen(int behalten, const QDateTime& beginn,
                                                    const QStringList& bleiben, QString* fehler) {
    Aufraeumen a;
    Sperre sperre(indexPfad());
    if (!sperre.ok(fehler))
        return a;
    QList<VerlaufEintrag> liste;
    bool da = false;
    // Without a readable index nothing can be attributed: nothing goes.
    if (!lesenOhneSperre(&liste, &da, fehler) || !da)
        return a;
    const QString ordner = QFileInfo(m_ordner).canonicalFilePath();
    // Known by where they lead: a restore may name its backup through a link.
    QStringList laufend;
    for (const QString& b : bleiben)
        if (const QString echt = QFileInfo(b).canonicalFilePath(); !echt.isEmpty())
            laufend << echt;
    const QDateTime frist = QDateTime::currentDateTimeUtc().addSecs(-kSchonfristSek);
    // The program's files in the folder that are still there, oldest first.
    QList<const VerlaufEintrag*> eigeneDateien;
    for (const VerlaufEintrag& e : std::as_const(liste)) {
        const QFileInfo info(e.datei);
        // Part of a dump is no backup to go back to: it neither counts towards the kept ones
        // nor pushes one out.
        if (e.herkunft == VerlaufEintrag::Herkunft::Sicherung || !e.vollstaendig ||
            info.isSymLink() || !info.isFile() ||
            QFileInfo(info.absolutePath()).canonicalFilePath() != ordner)
            continue;
        eigeneDateien.append(&e);
    }
    qsizetype zuviel = eigeneDateien.size() - behalten;
    for (const VerlaufEintrag* e : std::as_const(eigeneDateien)) {
        if (zuviel <= 0)
            break;
        // A file taken over from an older version is no running operation's, whatever its
        // time (one from a clock set forward is taken over as made now).
        const bool geschuetzt = laufend.contains(QFileInfo(e->datei).canonicalFilePath()) ||
                                (!e->uebernommen && (e->zeit >= beginn || e->zeit > frist));
        if (geschuetzt)
            continue;
        if (!e->unveraendert()) {
            a.veraendert.append(e->datei);
            continue;
        }
        // Read by a running restore or comparison, here or in another program: it stays.
        const int fd = exklusiv(e->datei);
        if (fd == kInBenutzung)
            continue;
        if (QFile::remove(e->datei)) {
            a.entfernt.append(e->datei);
            --zuviel;
        } else {
            a.nichtEntfernt.append(e->datei);
        }
        if (fd >= 0)
            ::close(fd);
    }
    return a;
}

} // namespace download
