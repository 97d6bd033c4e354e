#include "platform/controls.h"

#include <QLabel>
#include <QPainter>

static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace platform {

void initPictures() { registerPictures(); }

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextFormat(Qt::PlainText);
    return label;
}

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, QColor color, int width)
    : QWidget(parent), from_(from), to_(to), color_(color), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.adjusted(0, 0, width, width));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(color_, width_);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    painter.drawLine(from_ - origin, to_ - origin);
}

} // namespace platform
