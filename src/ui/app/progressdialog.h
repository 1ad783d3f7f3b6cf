// A Progress shown as a QProgressDialog modal to its parent's window, visible at once.
#pragma once

#include "link/progress.h"

#include <QPointer>
#include <QProgressDialog>

class QWidget;

class ProgressDialog : public Progress {
    Q_OBJECT
public:
    ProgressDialog(QWidget* parent, const QString& label, const QString& cancelText, int minimum,
                   int maximum);
    ~ProgressDialog() override;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() const override;
    void finish() override;

    QProgressDialog* dialog() const { return m_dialog; }

private:
    QPointer<QProgressDialog> m_dialog;
};
