#include "app/sitzungsfortschritt.h"

SitzungsFortschritt::SitzungsFortschritt(std::unique_ptr<Progress> innen)
    : m_innen(std::move(innen)) {
    // The person's cancel ends a wait as it did without the session in between.
    connect(m_innen.get(), &Progress::canceled, this, [this] {
        if (!m_abgebrochen)
            emit canceled();
    });
}

void SitzungsFortschritt::abbrechen() {
    if (m_abgebrochen || m_innen->wasCanceled())
        return;
    m_abgebrochen = true;
    emit canceled();
}
