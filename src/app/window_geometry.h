#pragma once

// The outer height of the main window: 740 pixels at the design font (736 with large
// fonts), or exactly the work area when its bottom edge lies strictly between 700 and 800.
int mainWindowHeight(bool designFont, int workAreaBottom);
