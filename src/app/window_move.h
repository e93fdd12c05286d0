#pragma once

#include <QWidget>

namespace aerotrace {

// Lets the window follow the mouse until the button is released, the way
// dragging a title bar does (one implementation per platform).
void startWindowMove(QWidget* window);

}  // namespace aerotrace
