#include "app/dateirollen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

QString Dateirollen::schluessel(const QString& path) {
    if (path.isEmpty())
        return {};
#ifdef Q_OS_UNIX
    // stat, not lstat: a link and what it points to are one file, and so are two hard links.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return QStringLiteral("%1:%2").arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
#else
    const QString echt = QFileInfo(path).canonicalFilePath();
    if (!echt.isEmpty())
        return echt.toLower();
#endif
    // Not there yet: where it will be made. A folder reached by a link is the folder.
    const QFileInfo info(path);
    const QString ordner = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (ordner.isEmpty())
        return {};
    return QStringLiteral("neu:") + QDir(ordner).filePath(info.fileName());
}

bool Dateirollen::gleich(const QString& a, const QString& b) {
    const QString k = schluessel(a);
    return !k.isEmpty() && k == schluessel(b);
}

void Dateirollen::gelesen(const QString& path, const QString& rolle) {
    if (!path.isEmpty())
        m_gelesen.append({QFileInfo(path).absoluteFilePath(), rolle, schluessel(path)});
}

void Dateirollen::geschrieben(const QString& path, const QString& rolle) {
    if (!path.isEmpty())
        m_geschrieben.append({QFileInfo(path).absoluteFilePath(), rolle, schluessel(path)});
}

QString Dateirollen::konflikt() const {
    const auto text = [](const Eintrag& w, const Eintrag& andere) {
        QString t = QCoreApplication::translate("vantrel", "%1 \"%2\" ist %3 - es wird nichts "
                                                           "gesendet und nichts geschrieben!")
                        .arg(w.rolle, w.pfad, andere.rolle);
        t[0] = t.at(0).toUpper();
        return t;
    };
    for (qsizetype i = 0; i < m_geschrieben.size(); ++i) {
        const Eintrag& w = m_geschrieben.at(i);
        if (w.schluessel.isEmpty())
            continue;
        for (const Eintrag& r : m_gelesen)
            if (r.schluessel == w.schluessel)
                return text(w, r);
        for (qsizetype j = 0; j < i; ++j)
            if (m_geschrieben.at(j).schluessel == w.schluessel)
                return text(w, m_geschrieben.at(j));
    }
    return {};
}
