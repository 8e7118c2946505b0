// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/wave_view.h"

#include "platform/pixel_blocks.h"
#include "view/shared_state.h"

#include <QPainter>
#include <QScrollBar>

namespace wave {

namespace {

ShapeLayer *marker(QColor pen, QColor fill, QWidget *parent, int left, int top)
{
    auto *shape = new ShapeLayer(ShapeLayer::Kind::Circle, pen, fill, Qt::SolidLine, parent);
    shape->setGeometry(left, top, 5, 5);
    return shape;
}

ImageView *layerImage(QWidget *parent, int width, int height, int left, int top)
{
    auto *image = new ImageView(width, height, parent);
    image->move(left, top);
    return image;
}

} // namespace

WaveView::WaveView(QWidget *parent)
    : QFrame(parent), water(layerImage(this, viewWidth, viewHeight, viewOffset, viewOffset)),
      mim2(layerImage(this, viewWidth, 200, viewOffset, viewOffset)),
      Center1(marker(Qt::black, Qt::black, this, 0, 355)),
      center2(marker(Qt::black, Qt::black, this, 0, 355)),
      center3(marker(Qt::black, Qt::black, this, 0, 355)),
      dissh(marker(Qt::red, QColor(), this, 384, 80)),
      copyshape(
          new ShapeLayer(ShapeLayer::Kind::Rectangle, Qt::black, QColor(), Qt::DashLine, this)),
      Image1(layerImage(this, 105, 105, 624, 48)),
      mim1(layerImage(this, viewWidth, 200, viewOffset, viewOffset)),
      screenpos(
          new ShapeLayer(ShapeLayer::Kind::Rectangle, Qt::black, Qt::black, Qt::SolidLine, this)),
      movescreen(new QScrollBar(Qt::Vertical, this)), canvas_(water->image()),
      mim1Canvas_(mim1->image()), mim2Canvas_(mim2->image())
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedSize(737, 377);
    water->setObjectName(QStringLiteral("water"));
    water->setMouseTracking(true);
    // Tab reaches the picture, and the keys measure on it as the pointer does.
    water->enableKeyboardPointer();
    water->setAccessibleName(tr("Wave view"));
    mim2->setObjectName(QStringLiteral("mim2"));
    Center1->setObjectName(QStringLiteral("Center1"));
    center2->setObjectName(QStringLiteral("center2"));
    center3->setObjectName(QStringLiteral("center3"));
    dissh->setObjectName(QStringLiteral("dissh"));
    dissh->setCursor(Qt::CrossCursor);
    copyshape->setObjectName(QStringLiteral("copyshape"));
    copyshape->setGeometry(536, 88, 65, 65);
    Image1->setObjectName(QStringLiteral("Image1"));
    mim1->setObjectName(QStringLiteral("mim1"));
    screenpos->setObjectName(QStringLiteral("screenpos"));
    screenpos->setGeometry(viewOffset, viewOffset + 20, viewWidth, 2);
    // The pointer measures on the picture wherever it is pressed, over a layer or not.
    for (QWidget *layer : std::initializer_list<QWidget *>{mim2, Center1, center2, center3, dissh,
                                                           copyshape, mim1, screenpos})
        layer->setAttribute(Qt::WA_TransparentForMouseEvents);
    movescreen->setObjectName(QStringLiteral("movescreen"));
    movescreen->setGeometry(706, 16, 17, 251);
    movescreen->setRange(0, 200);
    // An opaque bar is left out of the picture's repaints, which the animation asks for at every
    // tick: painted afresh, its fills of the full height go to Qt's pooled threads in sixteen
    // pieces at zoom 4, and waking them cost more than the zoomed picture's own writing. The
    // style paints every pixel of the bar, so the filled background shows nowhere.
    movescreen->setAutoFillBackground(true);
    movescreen->setAccessibleName(tr("Position of the intensity band"));
    // Up and Down move the thumb and the band line the way the key points.
    movescreen->setFocusPolicy(Qt::StrongFocus);

    for (QWidget *hidden : std::initializer_list<QWidget *>{mim2, center3, dissh, copyshape, Image1,
                                                            mim1, screenpos, movescreen})
        hidden->hide();
    // The shapes keep their places in the picture's own pixels, where the handlers read them;
    // over a zoomed picture the picture draws them enlarged.
    water->overlay = [this](QPainter &painter) { drawZoomedShapes(painter); };
    water->overlayCover = [this] {
        QRegion cover;
        if (water->zoom() > 1)
            for (const ImageView *map : {mim1, mim2})
                if (!map->isHidden())
                    cover += zoomed(map);
        return cover;
    };
    for (ShapeLayer *shape : shapes())
        shape->installEventFilter(this);
    for (ImageView *map : {mim1, mim2})
        map->installEventFilter(this);
}

void WaveView::drawZoomedShapes(QPainter &painter) const
{
    const int zoom = water->zoom();
    if (zoom == 1)
        return;
    // Bottom to top, as the layers lie.
    if (!mim2->isHidden())
        drawPixelBlocks(painter, mim2->image(), zoom, zoomed(mim2).topLeft());
    for (const ShapeLayer *shape : shapes()) {
        if (shape == screenpos && !mim1->isHidden())
            drawPixelBlocks(painter, mim1->image(), zoom, zoomed(mim1).topLeft());
        if (!shape->isHidden())
            shape->paintShape(painter, zoomed(shape).adjusted(0, 0, -1, -1), zoom);
    }
}

QRect WaveView::zoomed(const QWidget *layer) const
{
    const int zoom = water->zoom();
    const QRect place = layer->geometry();
    return QRect((place.x() - viewOffset) * zoom, (place.y() - viewOffset) * zoom,
                 place.width() * zoom, place.height() * zoom);
}

bool WaveView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (water->zoom() > 1 && (type == QEvent::Move || type == QEvent::Resize ||
                              type == QEvent::Show || type == QEvent::Hide))
        water->update();
    return QFrame::eventFilter(watched, event);
}

void WaveView::setZoom(int zoom)
{
    water->setZoom(zoom);
    for (ShapeLayer *shape : shapes())
        shape->setDrawnByPicture(zoom > 1);
    for (ImageView *map : {mim1, mim2})
        map->setDrawnByPicture(zoom > 1);
    // The band's bar runs along the whole height of the zoomed picture.
    movescreen->setGeometry(viewOffset + 692 * zoom, viewOffset + 2 * zoom, 17, 251 * zoom);
    setFixedSize(water->size() + QSize(2 * viewOffset, 2 * viewOffset));
}

void WaveView::setColours(const Palette &colours)
{
    const QColor ink = QColor::fromRgb(colours.ink);
    for (ShapeLayer *marker : markers())
        marker->setColours(ink, ink);
    dissh->setColours(QColor::fromRgb(colours.mark), QColor());
    copyshape->setColours(ink, QColor());
    screenpos->setColours(ink, ink);
}

void WaveView::paintEvent(QPaintEvent *)
{
    // Navy frame with a lowered bevel of 5 pixels around the view.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 128));
    const QRect outer(viewOffset - 5, viewOffset - 5, water->width() + 10, water->height() + 10);
    for (int i = 0; i < 5; ++i) {
        const QRect ring = outer.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(QColor(0, 0, 64));
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(QColor(96, 96, 200));
        painter.drawLine(ring.bottomLeft(), ring.bottomRight());
        painter.drawLine(ring.topRight(), ring.bottomRight());
    }
}

} // namespace wave
