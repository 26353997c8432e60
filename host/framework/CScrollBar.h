// A scroll bar control.
#pragma once

#include "CWnd.h"

class CScrollBar : public CWnd {
public:
    // Range 0..maximum, with page positions shown at once; sets the position too.
    void SetScrollInfo(int maximum, int page, int position) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = maximum;
        info.nPage = static_cast<UINT>(page);
        info.nPos = position;
        ::SetScrollInfo(m_hWnd, SB_CTL, &info, TRUE);
    }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }

    // A scroll bar window of the wrapper's own, destroyed with it.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateChild("SCROLLBAR", "", style, rect, parent->m_hWnd, id);
    }
};
