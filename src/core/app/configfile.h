// A small key=value text store behind the configuration file. Lines are kept sorted by
// UTF-16 code units; keys it does not know survive a load and a save unchanged.
#pragma once

#include <QString>
#include <QStringList>

class ConfigFile {
public:
    ConfigFile() = default;
    ~ConfigFile();
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // Reads the file; one that cannot be opened leaves the list as it was.
    void load(const QString& path);
    // The same for file contents already read: appends the accepted lines and sorts.
    void loadData(const QByteArray& contents);
    // Writes the file when something was written since; false when that write failed.
    bool save();

    QString readString(const QString& key, const QString& def) const;
    int readInt(const QString& key, int def) const;
    long readLong(const QString& key, long def) const;
    bool readBool(const QString& key, bool def) const;
    double readDouble(const QString& key, double def) const;

    void writeString(const QString& key, const QString& value);
    void writeInt(const QString& key, int value);
    void writeLong(const QString& key, long value);
    void writeBool(const QString& key, bool value);
    void writeDouble(const QString& key, double value);

    const QStringList& lines() const { return m_lines; }
    QString fileName() const { return m_fileName; }
    bool changed() const { return m_changed; }

private:
    // The value text of the first line for key, or a null string when none matches.
    QString lookup(const QString& key) const;

    // The lines sorted by their text, with the bytes each was read as.
    void sortieren();

    QStringList m_lines;
    QList<QByteArray> m_roh;
    // Everything from the first line that is no "key=value" on, kept as it was.
    QByteArray m_rest;
    // The file as load() read it.
    QByteArray m_gelesen;
    QString m_fileName;
    bool m_changed = false;
};
