#include "simconsole.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

namespace {
// A line longer than this without an end is not typed by a person; it is dropped.
constexpr qsizetype kMaxLine = 4096;
} // namespace

SimConsole::SimConsole(int fd, QObject* parent) : QObject(parent), m_fd(fd) {
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimConsole::onReadable);
}

SimConsole::~SimConsole() = default;

void SimConsole::addCommand(const QString& word, Command command) {
    m_commands.insert(word.toLower(), std::move(command));
}

bool SimConsole::execute(const QString& line) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList words = line.split(space, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    const auto it = m_commands.constFind(words.takeFirst().toLower());
    if (it == m_commands.constEnd())
        return false;
    it.value()(words);
    return true;
}

void SimConsole::onReadable() {
    char buf[512];
    const ssize_t n = ::read(m_fd, buf, sizeof buf);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        // End of input or a broken descriptor: stop listening instead of waking for ever.
        m_notifier->setEnabled(false);
        emit closed();
        return;
    }
    m_pending.append(buf, qsizetype(n));
    for (;;) {
        const qsizetype end = m_pending.indexOf('\n');
        if (end < 0)
            break;
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        execute(QString::fromLocal8Bit(line).trimmed());
    }
    if (m_pending.size() > kMaxLine)
        m_pending.clear();
}
