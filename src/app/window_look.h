#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace aerotrace::look {

// The colours and font the windows share.
inline const QColor kGrey32{32, 32, 32};
inline const QColor kGrey48{48, 48, 48};
inline const QColor kGrey64{64, 64, 64};
inline const QColor kGrey80{80, 80, 80};
inline const QColor kCaptionGrey{160, 160, 160};

// "Segoe UI Semibold" where it is installed, the nearest sans-serif elsewhere.
QFont font(int pixelSize, bool bold = false);

// A plain background colour for a widget.
void fill(QWidget* widget, const QColor& colour);

// Turns a window into a borderless, always-on-top one.
void makeBorderless(QWidget* window);

}  // namespace aerotrace::look
