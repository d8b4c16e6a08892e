#pragma once

#include <QProxyStyle>

class QApplication;

namespace bw {

// The desktop's widget style with room above group box titles: the common styles place a
// title by the font's ascent and clip it to its box, which cuts off the dots of "Ü", "Ä"
// and "Ö" that rise above the ascent. Frame, title and contents move down together by that
// much, and the title is drawn unclipped into the room.
class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    // The menu bar's overflow button is drawn here: the style's own picture is a file whose
    // reading loads every image format plug-in, at every start.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

    // The pixels by which capitals with accents rise above the ascent of the font.
    static int AccentRoom(const QFontMetrics& fm);
};

// Puts the program's style on the application, built on the style it has now.
void UseProgramStyle(QApplication& app);

} // namespace bw
