#include "platform/CClientDC.h"

CClientDC::CClientDC(CWnd*) {}
