// The window's message sink: boxes through the services seam, status texts into the left panel.
#include "app/guimessages.h"

#include <QLabel>

#include "app/guiservices.h"
#include "app/qtext.h"
#include "document/settings.h"

void GuiMessages::ShowErrorBox(const std::string& text) {
    if (beforeErrorBox_) beforeErrorBox_();
    services_.ShowError(parent_, Cp1252ToQString(text));
}

void GuiMessages::ShowInformationBox(const std::string& text) {
    services_.ShowInformation(parent_, Cp1252ToQString(text));
}

void GuiMessages::ShowStatusText(const std::string& text) {
    statusPanel_->setText(Cp1252ToQString(text));
}

bool GuiMessages::ValueInStatusLine() const {
    return options_.ValueInStatusLine;
}
