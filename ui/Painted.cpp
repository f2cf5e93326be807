#include "ui/Painted.h"

#include "editor/ControlsSimple.h"
#include "records/StructureImage.h"

#include <QPainter>

#include <algorithm>

ImageView::ImageView(const TImage& model, QWidget* parent) : QWidget(parent), model_(model) {}

void ImageView::paintEvent(QPaintEvent*) {
    const QImage& picture = model_.Picture();
    if (IsEmptyPicture(picture)) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = QSizeF(picture.size()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    painter.drawImage(target, picture);
}

RoundRectView::RoundRectView(const TRoundRect& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundRectView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(model_.Stroke), 1));
    painter.setBrush(QColor::fromRgba(model_.Fill));
    // Corners of a quarter of the shorter side round the frame without cutting far into the picture.
    const qreal radius = std::min(width(), height()) / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
