// The help window: a German command reference shown in one non-modal browser window.
#pragma once

class QWidget;

// Shows the contents page of the reference; a second call raises the same window.
void ShowHelpContents(QWidget* parent);
// Shows the page on using the help window itself.
void ShowHelpHowToUse(QWidget* parent);
