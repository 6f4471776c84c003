#pragma once

#include <QDialog>

namespace tesmi {

class CarsPack;

// Form11: the program's name and version, the credits and the logo.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(const CarsPack &cars, QWidget *parent);
};

} // namespace tesmi
