// Where talvaro-cli writes: log lines (as the window's log has them) and the confirmation
// texts on stdout, messages and progress on stderr, or with --json one JSON object per line
// on stderr instead of the human messages.
#pragma once

#include <QJsonObject>
#include <QString>

class Output {
public:
    Output(bool quiet, bool json);

    bool quiet() const { return m_quiet; }
    bool json() const { return m_json; }
    // stderr is a terminal: progress may rewrite its line.
    bool terminal() const { return m_terminal; }
    // stdout and stderr are the same terminal, and the messages are shown there (no --json):
    // a line said on both would be read twice.
    bool sameTerminal() const;

    // One log line on stdout, written through at once.
    void log(const QString& line);
    // A confirmation box as plain text on stdout: its title, then its text.
    void box(const QString& title, const QString& html);
    // A message for the person at the terminal, on stderr; nothing with --json (the result
    // object carries it).
    void message(const QString& text);
    // One JSON object as a line on stderr; nothing without --json.
    void event(const QJsonObject& object);
    // Raw text on stderr, for the progress line.
    void progressText(const QByteArray& text);

    // Nobody reads stdout any more (the other end of a pipe has gone, as with "| head").
    bool stdoutGone() const { return m_stdoutGone; }

    // The rich text of a box as plain text: <br> becomes a line break, other tags go.
    static QString plain(const QString& html);

private:
    // Ends a progress line left open on the terminal, so the next text starts on its own.
    void closeProgressLine();

    bool m_quiet;
    bool m_json;
    bool m_terminal;
    bool m_progressOpen = false;
    bool m_stdoutGone = false;
};
