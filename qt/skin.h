#pragma once

// Colours and fonts of the windows. Liberation Sans stands in for the
// windows' "MS Sans Serif" 8 pt and for Arial: it is metric-compatible with
// Arial and holds every letter of code page 1250.

#include <QColor>
#include <QFont>

class QApplication;

namespace vexa::skin {

inline const QColor kNavy(0, 0, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLime(0, 255, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kButtonFace(240, 240, 240);

// The system's tool-tip background, behind the light-yellow label strips.
QColor infoBackground();

// The windows' own font: 11 pixels high, like the designed 8 pt.
QFont windowFont();
// The bold 10 pt headings of the panels.
QFont headingFont();

// Style, font, palette and the pictures for the whole application.
void apply(QApplication& application);

}  // namespace vexa::skin
