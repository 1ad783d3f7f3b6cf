#include "output.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// False when the line could not be written.
bool writeLine(FILE* f, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    const bool ok =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    return std::fflush(f) == 0 && ok;
}
} // namespace

Output::Output(bool quiet, bool json)
    : m_quiet(quiet), m_json(json), m_terminal(isatty(fileno(stderr)) != 0) {}

bool Output::sameTerminal() const {
    if (m_json || !m_terminal || isatty(fileno(stdout)) == 0)
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    struct stat a {
    }, b{};
    return ::fstat(fileno(stdout), &a) == 0 && ::fstat(fileno(stderr), &b) == 0 &&
           a.st_rdev == b.st_rdev;
#endif
}

void Output::closeProgressLine() {
    if (!m_progressOpen)
        return;
    m_progressOpen = false;
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void Output::log(const QString& line) {
    closeProgressLine();
    if (!m_stdoutGone && !writeLine(stdout, line))
        m_stdoutGone = true;
}

void Output::box(const QString& title, const QString& html) {
    log(title);
    log(plain(html));
}

void Output::message(const QString& text) {
    if (m_json)
        return;
    closeProgressLine();
    writeLine(stderr, text);
}

void Output::event(const QJsonObject& object) {
    if (m_json)
        writeLine(stderr, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void Output::progressText(const QByteArray& text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    m_progressOpen = !text.endsWith('\n');
}

QString Output::plain(const QString& html) {
    static const QRegularExpression br(QStringLiteral("<br\\s*/?>"),
                                       QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^>]*>"));
    QString s = html;
    s.replace(br, QStringLiteral("\n"));
    s.remove(tag);
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    // A text that ends in <br> would print an empty last line.
    while (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    return s;
}
