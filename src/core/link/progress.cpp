#include "link/progress.h"

#include "link/link.h"

void Progress::pumpend(const std::function<void()>& anzeige) {
    const Link::Pumping pumping;
    anzeige();
}
