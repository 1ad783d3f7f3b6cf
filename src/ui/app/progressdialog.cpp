#include "progressdialog.h"

#include <QProgressDialog>

ProgressDialog::ProgressDialog(QWidget* parent, const QString& label, const QString& cancelText,
                               int minimum, int maximum)
    : m_dialog(new QProgressDialog(label, cancelText, minimum, maximum, parent)) {
    m_dialog->setWindowModality(Qt::WindowModal);
    // Wide enough for its title, the program's name, in a window manager's frame.
    m_dialog->setMinimumWidth(320);
    m_dialog->setMinimumDuration(0);
    // The transfer decides when the dialog goes; reaching the maximum must not close it.
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    connect(m_dialog, &QProgressDialog::canceled, this, &Progress::canceled);
    m_dialog->show();
}

ProgressDialog::~ProgressDialog() {
    if (m_dialog)
        m_dialog->deleteLater();
}

void ProgressDialog::setRange(int minimum, int maximum) {
    if (m_dialog)
        m_dialog->setRange(minimum, maximum);
}

void ProgressDialog::setValue(int value) {
    // A modal QProgressDialog pumps events in setValue; a frame a timer sends from there must
    // wait behind the transfer like one sent from a wait.
    if (m_dialog && !m_dialog->wasCanceled())
        pumpend([this, value] { m_dialog->setValue(value); });
}

bool ProgressDialog::wasCanceled() const {
    return m_dialog && m_dialog->wasCanceled();
}

void ProgressDialog::finish() {
    if (m_dialog)
        m_dialog->close();
}
