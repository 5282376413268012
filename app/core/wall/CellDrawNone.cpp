// Builds without the windowing framework (the native build) have no device context: there the
// model is never drawn, and these keep the drawing slots of the classes filled.
#include "app/core/wall/Cell.h"

void CCell::draw(CDC*) {}

void CCellObjImp::draw(CDC*) {}
