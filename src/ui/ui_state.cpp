#include "ui/ui_state.h"

int g_windowOnTop = 0;
int g_lastWindowX = 0;
int g_lastWindowY = 0;
RECT g_windowRect = {0, 0, 0, 0};
StringList g_rowBands;
