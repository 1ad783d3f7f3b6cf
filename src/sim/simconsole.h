// The command lines talvaro-sim takes on stdin, for a person at the terminal: keys and
// device functions. Each part of the set registers its own words; unknown lines are ignored.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QSocketNotifier;

class SimConsole : public QObject {
    Q_OBJECT
public:
    using Command = std::function<void(const QStringList& args)>;

    // Reads lines from the file descriptor fd (stdin unless told otherwise).
    explicit SimConsole(int fd = 0, QObject* parent = nullptr);
    ~SimConsole() override;

    // The first word of a line selects the command (case does not matter); the remaining
    // words are its arguments. A later registration of the same word replaces the earlier.
    void addCommand(const QString& word, Command command);

    // Runs one line as if it had been typed; false when its word is unknown or it is empty.
    bool execute(const QString& line);

signals:
    // stdin reached its end; the program keeps running, it just hears no more lines.
    void closed();

private:
    void onReadable();

    int m_fd;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_pending;
    QHash<QString, Command> m_commands;
};
