// Places the action rows inside the action group box and, when they do not
// all fit, scrolls them with a scroll bar of the group's own: rows outside
// the visible window's worth are hidden, so that every shown row is whole
// and every converter's row can be brought into view.
#pragma once

#include "ActionRowLayout.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CScrollBar.h"

class ActionRowArea {
public:
    ActionRowArea() = default;
    ActionRowArea(const ActionRowArea&) = delete;
    ActionRowArea& operator=(const ActionRowArea&) = delete;

    // Lays out count rows (the two parallel arrays) inside group, which is
    // their parent window.
    void Arrange(CButton& group, CButton* checks, CComboBox* combos, int count);
    // Forgets the rows, before their arrays go.
    void Release();

    // A WM_VSCROLL that the group passed on: true when it came from the
    // rows' scroll bar and was handled.
    bool OnScroll(HWND scrollBar, int code);
    // A mouse wheel turn of the given delta (WHEEL_DELTA per notch).
    bool OnWheel(int delta);

    int FirstRow() const { return m_firstRow; }

private:
    void ShowFrom(int firstRow);

    CScrollBar m_sbRows;
    CButton* m_pGroup = nullptr;
    CButton* m_pChecks = nullptr;
    CComboBox* m_pCombos = nullptr;
    ActionRowLayout m_layout;
    int m_firstRow = 0;
};
