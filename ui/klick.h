#pragma once

#include <functional>

class QWidget;

namespace ui {

/// Calls handler at every press of the left mouse button on w, as a colour field reports clicks;
/// for controls without a click signal such as labels. The filter lives as long as w.
void beiKlick(QWidget* w, std::function<void()> handler);

}  // namespace ui
