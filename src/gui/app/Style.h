#pragma once

class QApplication;

namespace tesmi {

// The program's one look: colours, fonts and the styles of the named areas.
void ApplyStyle(QApplication &app);

} // namespace tesmi
