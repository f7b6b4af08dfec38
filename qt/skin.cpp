#include "qt/skin.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

// The pictures live in a static library, whose resources are not registered
// by themselves.
static void loadPictures() { Q_INIT_RESOURCE(vexa); }

namespace vexa::skin {

QColor infoBackground() { return QToolTip::palette().color(QPalette::ToolTipBase); }

QFont windowFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    // A shade tighter than the font's own spacing, so that the longest radio
    // texts fit the groups as the designed font did.
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.2);
    return font;
}

QFont headingFont() {
    QFont font("Liberation Sans");
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

void apply(QApplication& application) {
    QStyle* style = QStyleFactory::create("Fusion");
    application.setStyle(style);
    application.setFont(windowFont());
    QPalette palette = style->standardPalette();
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    application.setPalette(palette);
    QToolTip::setPalette(palette);
    // Group captions sit on the frame line, and radio texts start close to
    // their indicator, as in the windows' designed layout.
    application.setStyleSheet(
        "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0 2px; }"
        "QRadioButton { spacing: 4px; }");
    loadPictures();
}

}  // namespace vexa::skin
