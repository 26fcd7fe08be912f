// The information box: program name, version and what the program is.
#pragma once

#include <QDialog>

class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
