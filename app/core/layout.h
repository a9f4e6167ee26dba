#pragma once
// Where the tab strip, the tree and the three stacked panes go when the
// window is resized. Every width and height is clamped at 0, so a window
// shrunk to a sliver lays out without failing.
#include <optional>

namespace quorvel {

struct Box
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Box &) const = default;
};

struct LayoutInput
{
    int innerWidth = 0;
    int innerHeight = 0;
    int toolbarHeight = 0;
    int statusBarHeight = 0;
    int tabRowHeight = 0; // the row of tabs at the top of the tab strip
    int treeWidth = 209;
};

struct WindowLayout
{
    Box tabStrip;
    Box tree;
    Box pane; // WebBrowser1, and WebBrowser2 and Picture2 over it
};

// The tab strip's client area: inside its tab row and a 2-pixel border.
Box tabStripClientArea(const Box &tabStrip, int tabRowHeight);

// nullopt while the inner height is 0 (minimised): the last layout stays.
std::optional<WindowLayout> computeLayout(const LayoutInput &input);

} // namespace quorvel
