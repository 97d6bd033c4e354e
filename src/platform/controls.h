#pragma once

// Standard controls that Qt lacks, the unit the windows are laid out in, and
// the growing of a layout to the font it shows.

#include "platform/translate.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <string_view>

class QFontMetricsF;
class QMimeData;
class QSlider;

namespace platform {

// Layouts are given in twips: 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
inline QRect twipsRect(int x, int y, int width, int height) { return {px(x), px(y), px(width), px(height)}; }

// How much a window's layout grows for the font it shows. The layouts were
// drawn for an 8-point font whose average character is about 6 x 13 pixels
// at 96 dots per inch. As dialog units do, the horizontal factor follows the
// font's average character width and the vertical one its line height, each
// against that font's; either grows further where a text of the window would
// otherwise not fit its box or would cross a line. Never below 1: a smaller
// font keeps the designed size. Twips map to pixels by edges, so that
// controls that touch in the design still touch.
class LayoutScale {
public:
    LayoutScale() = default;
    explicit LayoutScale(const QFontMetricsF& metrics);

    double x() const { return x_; }
    double y() const { return y_; }
    int toX(int twips) const;
    int toY(int twips) const;
    QPoint point(QPoint twips) const { return {toX(twips.x()), toY(twips.y())}; }
    QRect rect(QRect twips) const;
    QSize size(QSize twips) const { return {toX(twips.width()), toY(twips.height())}; }

    // Grow to at least these factors.
    void atLeast(double x, double y);
    // Grow so that `pixels` fit in a span of `twips`, with a pixel to spare
    // for rounding.
    void fitX(double pixels, int twips);
    void fitY(double pixels, int twips);

private:
    double x_ = 1;
    double y_ = 1;
};

// A control's designed place in twips, relative to its parent, kept on the
// widget so that the layout can be scaled to any font.
void setTwipsGeometry(QWidget* w, QRect twips);
QRect twipsGeometry(const QWidget* w);

// Grows `window`'s layout to its font: every control that is not hidden and
// has a designed place gets what its text needs (labels their text, buttons
// what the style wants around theirs, text boxes theirs inside the frame),
// and no label's text crosses a line or a frame border beside it. Then every
// control is placed at its designed place scaled. Returns the scale.
LayoutScale fitLayoutToFont(QWidget* window);

// Registers the compiled-in pictures (":/pictures/..."), which live in this
// static library; every window that shows one calls it first.
void initPictures();

// A compiled-in picture, ":/pictures/<name>.png", with its double-density
// drawing "<name>@2x.png" for screens of two device pixels per pixel.
QIcon pictureIcon(const QString& name);


// The one local file a drag carries (in the system's separators), or
// nothing: both windows take a dropped file.
QString droppedFile(const QMimeData* data);

// A horizontal slider over [minimum, maximum] as every window shows one:
// steps of one, a page a quarter of the range, ticks below at tenths.
QSlider* addSlider(QWidget* parent, int minimum, int maximum);

// A label as the windows use them: plain text, aligned to the top, never
// taking the focus, white or coloured by its parent's palette. `geometry` is
// in twips.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, Qt::Alignment alignment);
// The same for a label made already.
QLabel* placeLabel(QLabel* label, const char* name, QRect geometry, Qt::Alignment alignment);

// A check box whose greyed third state only the program sets; a click
// toggles between checked and unchecked.
class ProgramGreyedCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

// A label whose caption's change is an event, as a designer's label has one.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    void setCaption(const QString& caption);

signals:
    void changed();
};

// A picture at its drawn size, centred in its place: the plain drawing on
// ordinary screens, the double-density one on screens with more than one
// device pixel per pixel.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    PictureControl(QWidget* parent, const QString& name);

    // The picture's size in pixels, as drawn at one device pixel per pixel.
    QSize pictureSize() const { return plain_.size(); }
    // The drawing shown at `devicePixelRatio`.
    const QPixmap& drawingFor(qreal devicePixelRatio) const;
    // Where the picture stands within the control.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap plain_;
    QPixmap dense_;
};

// A push button that Enter presses when it has the focus, as Space does, in
// a main window as in a dialog.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PushButton(const QString& text, QWidget* parent = nullptr);
};

// A frame with its caption on its top border, drawn as an etched line (a
// dark one and a light one), the caption cutting the line: children placed
// just under the top border stay clear of it.
class FrameControl : public QGroupBox {
    Q_OBJECT

public:
    FrameControl(const QString& title, QWidget* parent);

    // Where the caption is drawn, and the band of the top border line.
    QRect titleRect() const;
    int topLineY() const;
    // The border lines' thickness.
    static constexpr int LineWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A plain line between two points of its parent, drawn over its siblings'
// background like a line control. The end points are given in twips and
// placed by the layout; the pixel end points stay readable for tests.
class LineControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPoint from READ from)
    Q_PROPERTY(QPoint to READ to)

public:
    // End points in the parent's twips; `color` and `width` (pixels) as drawn.
    LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, QColor color = Qt::black, int width = 1);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QPoint fromTwips() const { return fromTwips_; }
    QPoint toTwips() const { return toTwips_; }
    QColor color() const { return color_; }
    int lineWidth() const { return width_; }

    // Places the line at its end points scaled.
    void scaleTo(const LayoutScale& scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint fromTwips_;
    QPoint toTwips_;
    QPoint from_;
    QPoint to_;
    QColor color_;
    int width_;
};

} // namespace platform
