// The progress the session hands a transfer: the person's progress (dialog, console line)
// inside, and a cancel of the session's own on top, so that a close or a signal can ask the
// transfer under way to end the way the person's "Abbrechen" ends it.
#pragma once

#include "link/progress.h"

#include <memory>

class SitzungsFortschritt : public Progress {
    Q_OBJECT
public:
    explicit SitzungsFortschritt(std::unique_ptr<Progress> innen);

    void setRange(int minimum, int maximum) override { m_innen->setRange(minimum, maximum); }
    void setValue(int value) override { m_innen->setValue(value); }
    bool wasCanceled() const override { return m_abgebrochen || m_innen->wasCanceled(); }
    void finish() override { m_innen->finish(); }
    void ergebnis(const TransferResult& r) override { m_innen->ergebnis(r); }

    // The session asks the transfer to end: wasCanceled() from now on, and canceled() once.
    void abbrechen();

private:
    std::unique_ptr<Progress> m_innen;
    bool m_abgebrochen = false;
};
