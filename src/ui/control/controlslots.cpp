// Direct DSP commands, the function switches and the sideband.
#include "app/vantrel.h"

void vantrel::clickdspbefehl() {}
void vantrel::setb1() {}
void vantrel::setb2() {}
void vantrel::setb3() {}
void vantrel::setb4() {}
void vantrel::setb5() {}
void vantrel::setb6() {}
void vantrel::setb7() {}
void vantrel::setb9() {}
void vantrel::setparamusb() {}
void vantrel::setparamlsb() {}
