#include "userdialogs.h"

#include "progressdialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
UserDialogs* g_installed = nullptr;
}

UserDialogs& UserDialogs::current() {
    static RealDialogs real;
    return g_installed ? *g_installed : real;
}

void UserDialogs::install(UserDialogs* d) {
    g_installed = d;
}

void RealDialogs::about(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

bool RealDialogs::information(QWidget* parent, const QString& title, const QString& text,
                              bool withCancel) {
    const auto buttons = withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
    return QMessageBox::information(parent, title, text, buttons) == QMessageBox::Ok;
}

void RealDialogs::critical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void RealDialogs::aboutQt(QWidget* parent) {
    QMessageBox::aboutQt(parent);
}

QString RealDialogs::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString RealDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString RealDialogs::existingDirectory(QWidget* parent, const QString& title, const QString& dir) {
    return QFileDialog::getExistingDirectory(parent, title, dir, QFileDialog::ShowDirsOnly);
}

std::unique_ptr<Progress> RealDialogs::progress(QWidget* parent, const QString& label,
                                                const QString& cancelText, int minimum,
                                                int maximum) {
    return std::make_unique<ProgressDialog>(parent, label, cancelText, minimum, maximum);
}
