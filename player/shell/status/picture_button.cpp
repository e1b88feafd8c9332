#include "player/shell/status/picture_button.h"

#include <QPainter>

#include "player/shell/status/button_drawing.h"

PictureButton::PictureButton(int id, QWidget* parent) : QAbstractButton(parent), id_(id) {
    setObjectName(QStringLiteral("id%1").arg(id));
    setFocusPolicy(Qt::StrongFocus);
    resize(PictureButtonSize(id));
}

QSize PictureButton::sizeHint() const { return PictureButtonSize(id_); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ButtonState state{isDown(), !isEnabled(), hasFocus()};
    DrawButton(id_, painter, rect(), state, palette().color(QPalette::Button));
}
