#include "configfile.h"

#include <QFile>
#include <QSaveFile>

ConfigFile::~ConfigFile() {
    save();
}

void ConfigFile::load(const QString& path) {
    m_fileName = path;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray all = f.readAll();
    f.close();
    loadData(all);
}

void ConfigFile::loadData(const QByteArray& all) {
    if (all.isEmpty()) {
        m_lines.sort(Qt::CaseSensitive);
        return;
    }
    QList<QByteArray> raw = all.split('\n');
    // A final line feed ends the last line; it does not start an empty one.
    if (all.endsWith('\n'))
        raw.removeLast();
    bool accept = true;
    for (QByteArray line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromLocal8Bit(line);
        if (text.isEmpty() || !text.contains(QLatin1Char('='))) {
            accept = false;
            continue;
        }
        if (accept)
            m_lines.append(text);
    }
    m_lines.sort(Qt::CaseSensitive);
}

bool ConfigFile::save() {
    if (!m_changed)
        return true;
    m_changed = false;
    m_lines.sort(Qt::CaseSensitive);
    QSaveFile f(m_fileName);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : std::as_const(m_lines)) {
        f.write(line.toLocal8Bit());
        f.write("\n");
    }
    return f.commit();
}

QString ConfigFile::lookup(const QString& key) const {
    const QString prefix = key + QLatin1Char('=');
    for (const QString& line : m_lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

QString ConfigFile::readString(const QString& key, const QString& def) const {
    const QString v = lookup(key);
    return v.isNull() ? def : v;
}

int ConfigFile::readInt(const QString& key, int def) const {
    const QString v = lookup(key);
    return v.isNull() ? def : v.toInt();
}

long ConfigFile::readLong(const QString& key, long def) const {
    const QString v = lookup(key);
    return v.isNull() ? def : long(v.toLongLong());
}

bool ConfigFile::readBool(const QString& key, bool def) const {
    const QString v = lookup(key);
    return v.isNull() ? def : ((v.toInt() & 0xFF) != 0);
}

double ConfigFile::readDouble(const QString& key, double def) const {
    const QString v = lookup(key);
    return v.isNull() ? def : v.toDouble();
}

void ConfigFile::writeString(const QString& key, const QString& value) {
    m_changed = true;
    const QString prefix = key + QLatin1Char('=');
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).startsWith(prefix)) {
            m_lines.removeAt(i);
            break;
        }
    }
    m_lines.append(prefix + value);
}

void ConfigFile::writeInt(const QString& key, int value) {
    writeString(key, QString::asprintf("%i", value));
}

void ConfigFile::writeLong(const QString& key, long value) {
    writeString(key, QString::asprintf("%li", value));
}

void ConfigFile::writeBool(const QString& key, bool value) {
    writeString(key, QString::asprintf("%i", int(value)));
}

void ConfigFile::writeDouble(const QString& key, double value) {
    writeString(key, QString::asprintf("%f", value));
}
