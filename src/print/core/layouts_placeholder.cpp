#include "print/core/layouts.h"

// Placeholder bodies until the real layouts land.
void SaiMen(DrawingSurface&, int, const PageInputs&) {}
void FutoSotu(DrawingSurface&, int, const QString&, const PageInputs&) {}
void FutoHenshin(DrawingSurface&, int, const QString&, const PageInputs&) {}
