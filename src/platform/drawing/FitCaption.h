#pragma once

class QWidget;

namespace platform {

// Where the font in use runs wider or taller than the design's, a captioned control keeps
// its place but grows to the right and downwards rather than cutting its caption off.
void fitCaption(QWidget* w);

} // namespace platform
