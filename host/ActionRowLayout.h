// Where the action rows stand inside the action group box, in pixels of
// its client area. Row i is a check box from x 10 to 305 and a pattern
// combo box from 305 to 455 at y = 18 + 20 * i, as long as that fits: a
// combo box that would reach past the group's right edge moves left,
// keeping its width, and the check box ends where it begins. When more
// rows exist than fit whole above the group's lower edge, a scroll bar at
// the right edge shows them a window's worth at a time, from a first row
// on, each shown row in the place of the row that many rows above it.
#pragma once

#include <windows.h>

class ActionRowLayout {
public:
    static const int kLeft = 10;
    static const int kTop = 18;
    static const int kPitch = 20;
    static const int kCheckHeight = 20;
    static const int kCheckRight = 305;
    static const int kComboRight = 455;
    static const int kComboWidth = kComboRight - kCheckRight;
    // The combo box's rectangle includes its drop-down list.
    static const int kComboHeight = 100;
    // Room kept free for the group's frame at its right and lower edges.
    static const int kFrame = 3;

    ActionRowLayout() = default;
    // rowHeight: the height a row takes on screen (the taller of the check
    // box and the closed combo box); scrollBarWidth: of a vertical scroll bar.
    ActionRowLayout(int clientWidth, int clientHeight, int rowHeight, int scrollBarWidth, int rowCount);

    int RowCount() const { return m_rowCount; }
    // How many rows fit whole, one at least.
    int VisibleRows() const { return m_visibleRows; }
    bool NeedsScrollBar() const { return m_rowCount > m_visibleRows; }
    // The first row brought within 0 .. the last first row that still fills the area.
    int ClampFirstRow(int firstRow) const;

    bool IsShown(int row, int firstRow) const;
    RECT CheckRect(int row, int firstRow) const;
    RECT ComboRect(int row, int firstRow) const;
    RECT ScrollBarRect() const;

private:
    int Top(int row, int firstRow) const { return kTop + kPitch * (row - firstRow); }

    int m_rowCount = 0;
    int m_visibleRows = 1;
    int m_rowHeight = kCheckHeight;
    int m_comboLeft = kCheckRight;
    int m_comboRight = kComboRight;
    RECT m_scrollBar = {};
};
