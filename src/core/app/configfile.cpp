#include "configfile.h"

#include "app/dateischreiben.h"
#include "download/linereader.h"

#include <algorithm>

ConfigFile::~ConfigFile() {
    save();
}

void ConfigFile::load(const QString& path) {
    m_fileName = path;
    // Never opened when it is no regular file: a FIFO would block the start.
    QByteArray all;
    if (LineReader::readFile(path, &all)) {
        loadData(all);
        m_gelesen = all;
    }
}

void ConfigFile::loadData(const QByteArray& all) {
    LineReader in;
    in.setData(all);
    while (!in.atEnd()) {
        const qsizetype pos = in.pos();
        const QByteArray line = in.readLineBytes();
        const QString text = QString::fromLocal8Bit(line);
        // Reading stops at the first line that is no "key=value", but what stands from there
        // on is the person's and goes back into the file as it was.
        if (text.isEmpty() || !text.contains(QLatin1Char('='))) {
            m_rest += all.mid(pos);
            break;
        }
        m_lines.append(text);
        m_roh.append(line);
    }
    sortieren();
}

void ConfigFile::sortieren() {
    QList<qsizetype> reihe(m_lines.size());
    for (qsizetype i = 0; i < reihe.size(); ++i)
        reihe[i] = i;
    std::stable_sort(reihe.begin(), reihe.end(),
                     [this](qsizetype a, qsizetype b) { return m_lines[a] < m_lines[b]; });
    QStringList lines;
    QList<QByteArray> roh;
    for (qsizetype i : reihe) {
        lines.append(m_lines[i]);
        roh.append(m_roh[i]);
    }
    m_lines = lines;
    m_roh = roh;
}

bool ConfigFile::save() {
    if (!m_changed)
        return true;
    m_changed = false;
    sortieren();
    QByteArray bytes;
    for (const QByteArray& line : std::as_const(m_roh)) {
        bytes += line;
        bytes += '\n';
    }
    // A file that would come back as it was is left alone: a read-only one stays untouched.
    if (bytes + m_rest == m_gelesen)
        return true;
    return dateiSchreiben(m_fileName, bytes + m_rest);
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
    // A value written back as it was read keeps its bytes, also those that are no UTF-8.
    QByteArray roh = (prefix + value).toLocal8Bit();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).startsWith(prefix)) {
            if (m_lines.at(i) == prefix + value)
                roh = m_roh.at(i);
            m_lines.removeAt(i);
            m_roh.removeAt(i);
            break;
        }
    }
    m_lines.append(prefix + value);
    m_roh.append(roh);
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
