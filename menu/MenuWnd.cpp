// The exported members of the abstract menu window: it has no state, so copies copy nothing.
#include "RKNaviMenu.h"

CRKMenuWnd::CRKMenuWnd() = default;

CRKMenuWnd::CRKMenuWnd(const CRKMenuWnd&) {}

CRKMenuWnd& CRKMenuWnd::operator=(const CRKMenuWnd&)
{
    return *this;
}

CRKMenuWnd::~CRKMenuWnd() = default;
