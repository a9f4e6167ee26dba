#include "app/core/layout.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {
int atLeastZero(int v)
{
    return std::max(0, v);
}
} // namespace

Box tabStripClientArea(const Box &tabStrip, int tabRowHeight)
{
    return {tabStrip.left + 2, tabStrip.top + tabRowHeight + 2, atLeastZero(tabStrip.width - 4),
            atLeastZero(tabStrip.height - tabRowHeight - 4)};
}

std::optional<WindowLayout> computeLayout(const LayoutInput &in)
{
    if (in.innerHeight <= 0)
        return std::nullopt;

    WindowLayout out;
    out.tabStrip.width = atLeastZero(in.innerWidth - 8);
    out.tabStrip.left = 2;
    out.tabStrip.top = in.toolbarHeight + 3;
    // One fifth of the tool bar height is left between tab strip and status bar.
    out.tabStrip.height =
        atLeastZero(int(std::lround(in.innerHeight - in.toolbarHeight * 1.2 - in.statusBarHeight)));

    const Box client = tabStripClientArea(out.tabStrip, in.tabRowHeight);
    out.tree.left = client.left + 1;
    out.tree.height = client.height;
    out.tree.top = client.top + 1;
    out.tree.width = in.treeWidth;

    out.pane.top = out.tree.top;
    out.pane.left = out.tree.width + out.tree.left + 5;
    out.pane.height = out.tree.height;
    out.pane.width = atLeastZero(client.width - out.tree.width - 7);
    return out;
}

} // namespace quorvel
