// An owner-drawn picture button of the main window; DrawButton does the drawing.
#pragma once

#include <QAbstractButton>

class PictureButton : public QAbstractButton {
public:
    // Named "id<id>" like every control, sized as the button's pictures are seen, a tab stop.
    explicit PictureButton(int id, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_;
};
