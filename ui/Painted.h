#pragma once

#include <QImage>
#include <QWidget>

class TImage;
class TRoundRect;

// Shows an image model's picture scaled to fit, aspect kept, centred; an empty picture
// shows nothing.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const TImage& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TImage& model_;
};

// A rounded rectangle with the model's fill and outline.
class RoundRectView : public QWidget {
    Q_OBJECT
public:
    RoundRectView(const TRoundRect& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TRoundRect& model_;
};
