// Dialogs that answer every box with OK and every chooser with nothing, printing each
// box's title to stderr. The self-test runs the window with them.
#pragma once

#include "app/userdialogs.h"

class AutoDialogs : public UserDialogs {
public:
    void about(QWidget* parent, const QString& title, const QString& text) override;
    bool information(QWidget* parent, const QString& title, const QString& text,
                     bool withCancel) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
    void aboutQt(QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString existingDirectory(QWidget* parent, const QString& title, const QString& dir) override;
    std::unique_ptr<Progress> progress(QWidget* parent, const QString& label,
                                       const QString& cancelText, int minimum,
                                       int maximum) override;
};
