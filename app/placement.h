// Placing windows on the screen.
#pragma once

class QWidget;

// Moves window so that its frame is centred on the available area of its screen (or the primary one).
void CentreOnScreen(QWidget& window);
