#include "ActionRowLayout.h"

#include <algorithm>

ActionRowLayout::ActionRowLayout(int clientWidth, int clientHeight, int rowHeight, int scrollBarWidth,
                                 int rowCount)
    : m_rowCount(std::max(rowCount, 0)), m_rowHeight(std::max(rowHeight, kCheckHeight)) {
    int bottom = clientHeight - kFrame;
    m_visibleRows = std::max(1, (bottom - kTop - m_rowHeight) / kPitch + 1);

    int right = clientWidth - kFrame;
    if (NeedsScrollBar()) {
        m_scrollBar = {right - scrollBarWidth, kTop, right, kTop + kPitch * (m_visibleRows - 1) + m_rowHeight};
        right = m_scrollBar.left - 1;
    }
    m_comboRight = std::min(kComboRight, right);
    m_comboLeft = std::max(kLeft, std::min(kCheckRight, m_comboRight - kComboWidth));
}

int ActionRowLayout::ClampFirstRow(int firstRow) const {
    return std::max(0, std::min(firstRow, m_rowCount - m_visibleRows));
}

bool ActionRowLayout::IsShown(int row, int firstRow) const {
    return row >= firstRow && row < firstRow + m_visibleRows;
}

RECT ActionRowLayout::CheckRect(int row, int firstRow) const {
    int top = Top(row, firstRow);
    return {kLeft, top, m_comboLeft, top + kCheckHeight};
}

RECT ActionRowLayout::ComboRect(int row, int firstRow) const {
    int top = Top(row, firstRow);
    return {m_comboLeft, top, m_comboRight, top + kComboHeight};
}

RECT ActionRowLayout::ScrollBarRect() const { return m_scrollBar; }
