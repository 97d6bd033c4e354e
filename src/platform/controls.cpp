#include "platform/controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QSlider>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <vector>

static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace platform {

namespace {

constexpr char TwipsProperty[] = "twipsGeometry";

// The font the layouts were drawn for: its average character width and line
// height in pixels, as dialog units measure them.
constexpr double DesignCharWidth = 6.0;
constexpr double DesignLineHeight = 13.0;

int scaled(int twips, double factor) { return static_cast<int>(std::lround(twips * factor / TwipsPerPixel)); }

// A line or border that a text must not cross, across one axis: it stands
// at `at` twips and covers `before` pixels before that point and `after`
// pixels after it.
struct Edge {
    int at;
    double before;
    double after;
};

// The least factor at which a text of `extent` pixels, anchored at `anchor`
// twips (at its start, its middle or its end: `share` 0, 0.5 or 1 of it lies
// before the anchor) keeps clear of every edge. Each end that is rounded to
// a pixel may lose half of one.
double factorToClear(double extent, double share, int anchor, const std::vector<Edge>& edges)
{
    double factor = 1;
    for (const Edge& e : edges) {
        const double room = std::abs(e.at - anchor) / double(TwipsPerPixel);
        const double need = e.at > anchor ? extent * (1 - share) + e.before : extent * share + e.after;
        const double rounding = (anchor == 0 ? 0 : 0.5) + (e.at == 0 ? 0 : 0.5);
        if (room > 0)
            factor = std::max(factor, (need + rounding) / room);
    }
    return factor;
}

double alignmentShare(Qt::Alignment alignment, Qt::Alignment start, Qt::Alignment middle)
{
    if (alignment & middle)
        return 0.5;
    return alignment & start ? 0 : 1;
}

// The lines and borders beside a label: its box, the lines among its
// siblings whose span meets the label's, and its frame's borders.
void addEdges(const QWidget* label, QRect box, std::vector<Edge>& across, std::vector<Edge>& down)
{
    across.push_back({box.left(), 0, 0});
    across.push_back({box.left() + box.width(), 0, 0});
    down.push_back({box.top(), 0, 0});
    down.push_back({box.top() + box.height(), 0, 0});
    QWidget* parent = label->parentWidget();
    for (const LineControl* line : parent->findChildren<LineControl*>(Qt::FindDirectChildrenOnly)) {
        const QRect span = QRect(line->fromTwips(), line->toTwips()).normalized();
        if (span.width() == 1 && span.top() < box.bottom() && span.bottom() > box.top())
            across.push_back({span.left(), 0, double(line->lineWidth())});
        else if (span.height() == 1 && span.left() < box.right() && span.right() > box.left())
            down.push_back({span.top(), 0, double(line->lineWidth())});
    }
    if (auto* frame = qobject_cast<const FrameControl*>(parent)) {
        const QRect outline = twipsGeometry(frame);
        across.push_back({0, 0, double(FrameControl::LineWidth)});
        across.push_back({outline.width(), double(FrameControl::LineWidth), 0});
        // The top border hangs from the caption, whatever the scale.
        down.push_back({0, 0, double(frame->topLineY() + FrameControl::LineWidth)});
        down.push_back({outline.height(), double(FrameControl::LineWidth), 0});
    }
}

void fitLabel(const QLabel* label, QRect box, LayoutScale& scale)
{
    const QFontMetricsF fm(label->font());
    const QMargins margins = label->contentsMargins() + QMargins(1, 1, 1, 1) * label->margin();
    std::vector<Edge> across;
    std::vector<Edge> down;
    addEdges(label, box, across, down);
    const Qt::Alignment a = label->alignment();
    if (!label->wordWrap()) {
        const double width = fm.horizontalAdvance(label->text()) + margins.left() + margins.right();
        const double share = alignmentShare(a, Qt::AlignLeft, Qt::AlignHCenter);
        const int anchor = box.left() + int(std::lround(box.width() * share));
        scale.atLeast(factorToClear(width, share, anchor, across), 1);
    }
    // Text boxes of several lines are fitted down once the width is known.
    double height = fm.height() + margins.top() + margins.bottom();
    if (label->wordWrap()) {
        const QRectF room(0, 0, scale.toX(box.width()) - margins.left() - margins.right(), 1e6);
        height = fm.boundingRect(room, int(a | Qt::TextWordWrap), label->text()).height() + margins.top()
                 + margins.bottom();
    }
    scale.atLeast(1, factorToClear(height, 0, box.top(), down));
}

// What a button, a text box or a check box needs around its text.
QSize controlNeeds(const QWidget* w)
{
    const QFontMetrics fm(w->font());
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        // A picture button needs its picture inside its bevel, no more.
        if (button->text().isEmpty()) {
            const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, w) + 1;
            return button->iconSize().grownBy(QMargins(frame, frame, frame, frame));
        }
        QSize content = fm.size(Qt::TextShowMnemonic, button->text());
        if (!button->icon().isNull())
            content = QSize(content.width() + option.iconSize.width() + 4,
                            std::max(content.height(), option.iconSize.height()));
        return w->style()->sizeFromContents(QStyle::CT_PushButton, &option, content, w);
    }
    if (auto* box = qobject_cast<const QLineEdit*>(w)) {
        // The text inside the frame, with the two pixels the box keeps on
        // either side of it.
        QStyleOptionFrame option;
        option.initFrom(box);
        const int frame = box->hasFrame() ? w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, w) : 0;
        const QMargins m = box->textMargins() + QMargins(frame, frame, frame, frame);
        return {fm.horizontalAdvance(box->text()) + 4 + m.left() + m.right(), fm.height() + m.top() + m.bottom()};
    }
    if (auto* check = qobject_cast<const QCheckBox*>(w); check && !check->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QSize text = fm.size(Qt::TextShowMnemonic, check->text());
        return w->style()->sizeFromContents(QStyle::CT_CheckBox, &option, text, w);
    }
    return {};
}

} // namespace

LayoutScale::LayoutScale(const QFontMetricsF& metrics)
{
    const double average
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
    x_ = std::max(1.0, average / DesignCharWidth);
    y_ = std::max(1.0, metrics.height() / DesignLineHeight);
}

int LayoutScale::toX(int twips) const { return scaled(twips, x_); }

int LayoutScale::toY(int twips) const { return scaled(twips, y_); }

QRect LayoutScale::rect(QRect twips) const
{
    const int left = toX(twips.x());
    const int top = toY(twips.y());
    return {left, top, toX(twips.x() + twips.width()) - left, toY(twips.y() + twips.height()) - top};
}

void LayoutScale::atLeast(double x, double y)
{
    x_ = std::max(x_, x);
    y_ = std::max(y_, y);
}

void LayoutScale::fitX(double pixels, int twips)
{
    if (twips > 0)
        x_ = std::max(x_, (pixels + 1) * TwipsPerPixel / twips);
}

void LayoutScale::fitY(double pixels, int twips)
{
    if (twips > 0)
        y_ = std::max(y_, (pixels + 1) * TwipsPerPixel / twips);
}

void setTwipsGeometry(QWidget* w, QRect twips)
{
    w->setProperty(TwipsProperty, twips);
    w->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

QRect twipsGeometry(const QWidget* w) { return w->property(TwipsProperty).toRect(); }

LayoutScale fitLayoutToFont(QWidget* window)
{
    LayoutScale scale{QFontMetricsF(window->font())};
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    // Widths first: a label of several lines needs the final width to know
    // its height.
    std::vector<const QLabel*> wrapped;
    for (const QWidget* w : controls) {
        const QRect box = twipsGeometry(w);
        if (!w->isVisibleTo(window) || box.isEmpty())
            continue;
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap())
                wrapped.push_back(label);
            else
                fitLabel(label, box, scale);
        } else if (const QSize needs = controlNeeds(w); needs.isValid()) {
            scale.fitX(needs.width(), box.width());
            scale.fitY(needs.height(), box.height());
        }
    }
    for (const QLabel* label : wrapped)
        fitLabel(label, twipsGeometry(label), scale);

    for (QWidget* w : controls) {
        if (auto* line = qobject_cast<LineControl*>(w))
            line->scaleTo(scale);
        else if (const QRect box = twipsGeometry(w); !box.isEmpty())
            w->setGeometry(scale.rect(box));
    }
    return scale;
}

void initPictures() { registerPictures(); }

QIcon pictureIcon(const QString& name)
{
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/%1.png").arg(name)));
    QPixmap dense(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    dense.setDevicePixelRatio(2);
    icon.addPixmap(dense);
    return icon;
}

QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    return QDir::toNativeSeparators(urls.constFirst().toLocalFile());
}

void ProgramGreyedCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CaptionLabel::setCaption(const QString& caption)
{
    // A caption raises its change only when it really changes.
    if (text() == caption)
        return;
    setText(caption);
    emit changed();
}

QSlider* addSlider(QWidget* parent, int minimum, int maximum)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(std::max(1, (maximum - minimum) / 4));
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(std::max(1, (maximum - minimum) / 10));
    return slider;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, Qt::Alignment alignment)
{
    return placeLabel(new QLabel(text, parent), name, geometry, alignment);
}

QLabel* placeLabel(QLabel* label, const char* name, QRect geometry, Qt::Alignment alignment)
{
    label->setObjectName(QLatin1String(name));
    setTwipsGeometry(label, geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextFormat(Qt::PlainText);
    return label;
}

PictureControl::PictureControl(QWidget* parent, const QString& name)
    : QWidget(parent),
      plain_(QStringLiteral(":/pictures/%1.png").arg(name)),
      dense_(QStringLiteral(":/pictures/%1@2x.png").arg(name))
{
    dense_.setDevicePixelRatio(2);
}

const QPixmap& PictureControl::drawingFor(qreal devicePixelRatio) const
{
    return devicePixelRatio > 1 && !dense_.isNull() ? dense_ : plain_;
}

QRect PictureControl::pictureRect() const
{
    return QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, pictureSize(), rect());
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(pictureRect(), drawingFor(devicePixelRatioF()));
}

// A button that is its own default whenever it has the focus: Qt then
// presses it on Enter, and in a dialog it takes the default's place.
PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) { setAutoDefault(true); }

FrameControl::FrameControl(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

// Through the middle row of the caption.
int FrameControl::topLineY() const { return (titleRect().height() - 1) / 2; }

QRect FrameControl::titleRect() const
{
    const QFontMetrics fm(font());
    const QSize text = fm.size(Qt::TextShowMnemonic, title());
    return {fm.averageCharWidth(), 0, text.width() + 4, text.height()};
}

void FrameControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // An etched outline: a dark line with a light one just inside it.
    const QRect outline = rect().adjusted(0, topLineY(), -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outline.adjusted(1, 1, 0, 0));
    const QRect title = titleRect();
    painter.fillRect(title, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(title, Qt::AlignCenter | Qt::TextShowMnemonic, this->title());
}

LineControl::LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, QColor color, int width)
    : QWidget(parent), fromTwips_(fromTwips), toTwips_(toTwips), color_(color), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    scaleTo(LayoutScale());
}

void LineControl::scaleTo(const LayoutScale& scale)
{
    from_ = scale.point(fromTwips_);
    to_ = scale.point(toTwips_);
    // A level or upright line is a band of whole pixels, `width` thick to
    // the right of or under its end points: sharp at any scale factor.
    const QRect box = QRect(from_, to_).normalized();
    if (box.height() == 1)
        setGeometry(box.left(), box.top(), box.width(), width_);
    else if (box.width() == 1)
        setGeometry(box.left(), box.top(), width_, box.height());
    else
        setGeometry(box.adjusted(0, 0, width_, width_));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = QRect(from_, to_).normalized();
    if (box.height() == 1 || box.width() == 1) {
        painter.fillRect(rect(), color_);
        return;
    }
    QPen pen(color_, width_);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    painter.drawLine(from_ - origin, to_ - origin);
}

} // namespace platform
