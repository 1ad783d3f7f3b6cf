#include "autodialogs.h"

#include "link/progress.h"

#include <cstdio>

namespace {
void say(const QString& title) {
    std::fprintf(stderr, "box: %s\n", qPrintable(title));
}
} // namespace

void AutoDialogs::about(QWidget*, const QString& title, const QString&) {
    say(title);
}

bool AutoDialogs::information(QWidget*, const QString& title, const QString&, bool) {
    say(title);
    return true;
}

void AutoDialogs::critical(QWidget*, const QString& title, const QString&) {
    say(title);
}

void AutoDialogs::aboutQt(QWidget*) {
    say(QStringLiteral("About Qt"));
}

QString AutoDialogs::openFileName(QWidget*, const QString& title, const QString&, const QString&) {
    say(title);
    return {};
}

QString AutoDialogs::saveFileName(QWidget*, const QString& title, const QString&, const QString&) {
    say(title);
    return {};
}

QString AutoDialogs::existingDirectory(QWidget*, const QString& title, const QString&) {
    say(title);
    return {};
}

std::unique_ptr<Progress> AutoDialogs::progress(QWidget*, const QString& label, const QString&, int,
                                                int) {
    say(label);
    return std::make_unique<StillerFortschritt>();
}
