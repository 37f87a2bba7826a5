#include "window_geometry.h"

int mainWindowHeight(bool designFont, int workAreaBottom)
{
    if (workAreaBottom > 700 && workAreaBottom < 800)
        return workAreaBottom;
    return designFont ? 740 : 736;
}
