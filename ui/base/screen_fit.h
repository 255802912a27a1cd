// Keeps a window that sizes itself inside its screen's available area, frame
// included: on every show it is made smaller where it would not fit, down to
// what its layout needs, and moved in where it would reach out of the area.
#pragma once

class QWidget;

void KeepOnScreen(QWidget* window);
