#pragma once

// Standard controls that Qt lacks, and the unit the windows are laid out in.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

class QLabel;

namespace platform {

// Layouts are given in twips: 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
inline QRect twipsRect(int x, int y, int width, int height) { return {px(x), px(y), px(width), px(height)}; }

// Registers the compiled-in pictures (":/pictures/..."), which live in this
// static library; every window that shows one calls it first.
void initPictures();

// A label as the windows use them: plain text, aligned to the top, never
// taking the focus, white or coloured by its parent's palette.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, Qt::Alignment alignment);

// A plain line between two points of its parent, drawn over its siblings'
// background like a line control. The end points stay readable for tests.
class LineControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPoint from READ from CONSTANT)
    Q_PROPERTY(QPoint to READ to CONSTANT)

public:
    // End points in the parent's pixels; `color` and `width` as drawn.
    LineControl(QWidget* parent, QPoint from, QPoint to, QColor color = Qt::black, int width = 1);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor color() const { return color_; }
    int lineWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor color_;
    int width_;
};

} // namespace platform
