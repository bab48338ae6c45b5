#include "app/tool_bar_layout.h"

#include <algorithm>

namespace {

// One row from x = 0: each button at its design place, moved left only as far as the buttons
// after it need, and never onto the one before it.
QList<QRect> OneRow(const QList<ToolButtonDesign>& buttons, const QList<int>& widths, int available,
                    int rowHeight) {
    QList<int> after(buttons.size() + 1, 0); // the width of the buttons from i to the end
    for (qsizetype i = buttons.size() - 1; i >= 0; --i)
        after[i] = after[i + 1] + widths[i];
    QList<QRect> rects;
    int right = 0;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const int x = std::max(right, std::min(buttons[i].x, available - after[i]));
        rects.append(QRect(x, 0, widths[i], rowHeight));
        right = x + widths[i];
    }
    return rects;
}

} // namespace

QList<QRect> LayOutToolButtons(const QList<ToolButtonDesign>& buttons, int available,
                               int rowHeight) {
    QList<int> widths;
    int total = 0;
    int spare = 0; // what the buttons can give up
    for (const ToolButtonDesign& b : buttons) {
        const int least = std::min(b.width, std::max(b.minimumWidth, 1));
        widths.append(b.width);
        total += b.width;
        spare += b.width - least;
    }
    if (total <= available)
        return OneRow(buttons, widths, available, rowHeight);

    if (total - spare <= available) {
        // Each gives up a share of the deficit in proportion to what it can spare.
        int deficit = total - available;
        int remainingSpare = spare;
        for (qsizetype i = 0; i < buttons.size() && deficit > 0; ++i) {
            const int canGive = widths[i] - std::min(buttons[i].width, buttons[i].minimumWidth);
            if (canGive <= 0)
                continue;
            const int give = std::min(
                canGive, int((qint64(deficit) * canGive + remainingSpare - 1) / remainingSpare));
            widths[i] -= give;
            deficit -= give;
            remainingSpare -= canGive;
        }
        return OneRow(buttons, widths, available, rowHeight);
    }

    // Rows of buttons at their least widths.
    QList<QRect> rects;
    int x = 0;
    int y = 0;
    for (const ToolButtonDesign& b : buttons) {
        const int width = std::min(b.width, std::max(b.minimumWidth, 1));
        if (x > 0 && x + width > available) {
            x = 0;
            y += rowHeight;
        }
        rects.append(QRect(x, y, width, rowHeight));
        x += width;
    }
    return rects;
}
