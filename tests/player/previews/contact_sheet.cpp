// imagesheet: every picture of the player on one sheet, to look at. Usage: imagesheet OUT.png
// Buttons are shown as the player draws them: clipped to the button, on its background, plain,
// disabled, focused and pressed; then the status panel's row of buttons, the song rows on light,
// selected and dark lists, the activity frames and the program's icon at every size. Each at
// its own size and four times as large.
#include <cstdio>

#include <QGuiApplication>
#include <QPainter>

#include "player/resources/images.h"

namespace {

struct ButtonPictures {
    int enabled, disabled, focus;
    QSize visible;
    QColor face;
};

const QColor kPanel(Qt::black);
const QColor kFace(0xEF, 0xEF, 0xEF);  // the usual light button face
const ButtonPictures kButtons[] = {
    {125, 128, 129, {22, 22}, kPanel}, {130, 132, 129, {22, 22}, kPanel},
    {133, 134, 129, {22, 22}, kPanel}, {135, 136, 129, {22, 22}, kPanel},
    {137, 138, 129, {22, 22}, kPanel}, {140, 142, 129, {22, 22}, kPanel},
    {141, 143, 129, {22, 22}, kPanel}, {153, 155, 129, {22, 22}, kPanel},
    {154, 156, 129, {22, 22}, kPanel}, {169, 169, 129, {22, 22}, kPanel},
    {157, 157, 129, {22, 22}, kPanel}, {144, 145, 146, {33, 19}, kFace},
};

struct Sheet {
    QImage image;
    int y;
};

// One button as the player paints it.
QImage ButtonView(const ButtonPictures& button, int picture, bool focused, bool pressed) {
    QImage view(button.visible, QImage::Format_ARGB32);
    view.fill(button.face);
    QPainter painter(&view);
    if (focused) painter.drawImage(0, 0, PlayerImage(button.focus));
    painter.drawImage(pressed ? 1 : 0, pressed ? 1 : 0, PlayerImage(picture));
    return view;
}

void Put(Sheet& sheet, const QImage& picture, int x, int scale) {
    QPainter painter(&sheet.image);
    painter.drawImage(QRect(x, sheet.y, picture.width() * scale, picture.height() * scale),
                      picture);
}

void Label(Sheet& sheet, int x, const QString& text) {
    QPainter painter(&sheet.image);
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.setFont(QFont("DejaVu Sans", 9));
    painter.drawText(x, sheet.y + 12, text);
}

// Plain, disabled, focused, focused and pressed: at their size, then four times as large.
void ButtonRow(Sheet& sheet, const ButtonPictures& button) {
    const QImage views[] = {ButtonView(button, button.enabled, false, false),
                            ButtonView(button, button.disabled, false, false),
                            ButtonView(button, button.enabled, true, false),
                            ButtonView(button, button.enabled, true, true)};
    Label(sheet, 8, QString("%1 / %2").arg(button.enabled).arg(button.disabled));
    for (int i = 0; i < 4; ++i) Put(sheet, views[i], 80 + i * 40, 1);
    for (int i = 0; i < 4; ++i) Put(sheet, views[i], 250 + i * 140, 4);
    Put(sheet, PlayerImage(button.enabled), 820, 3);  // the whole picture, beyond the button
    sheet.y += 4 * button.visible.height() + 12;
}

// The status panel's buttons at their places in the window (22 wide, 23 apart), idle: Stop
// disabled, Play focused.
void PanelRow(Sheet& sheet) {
    QImage panel(240, 30, QImage::Format_ARGB32);
    panel.fill(kPanel);
    QPainter painter(&panel);
    for (int i = 0; i < 10; ++i) {
        const ButtonPictures& button = kButtons[i];
        const int picture = button.enabled == 130 ? button.disabled : button.enabled;
        painter.drawImage(6 + 23 * i, 4, ButtonView(button, picture, i == 0, false));
    }
    painter.end();
    Label(sheet, 8, "panel");
    Put(sheet, panel, 80, 1);
    Put(sheet, panel, 340, 3);
    sheet.y += 100;
}

void RowPictures(Sheet& sheet) {
    const QColor backgrounds[] = {Qt::white, QColor(0x30, 0x8C, 0xC6), QColor(0x20, 0x20, 0x20)};
    const int ids[] = {150, 149, 158, 171};
    Label(sheet, 8, "rows");
    for (int b = 0; b < 3; ++b) {
        QImage row(4 * 20 + 4, 20, QImage::Format_ARGB32);
        row.fill(backgrounds[b]);
        QPainter painter(&row);
        for (int i = 0; i < 4; ++i) painter.drawImage(4 + 20 * i, 2, PlayerImage(ids[i]));
        painter.end();
        Put(sheet, row, 80, 1);
        Put(sheet, row, 250, 4);
        sheet.y += 84;
    }
}

void ActivityRow(Sheet& sheet) {
    const QImage strip = PlayerImage(159);
    Label(sheet, 8, "159");
    Put(sheet, strip, 80, 1);
    Put(sheet, strip, 250, 4);
    sheet.y += 4 * 12 + 12;
}

void IconRow(Sheet& sheet) {
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    QIcon icon = PlayerIcon(119);
    Label(sheet, 8, "119");
    int x = 80;
    for (int size : sizes) {
        Put(sheet, icon.pixmap(size).toImage(), x, 1);
        x += size + 12;
    }
    Put(sheet, icon.pixmap(16).toImage(), x, 4);
    Put(sheet, icon.pixmap(32).toImage(), x + 80, 4);
    sheet.y += 260;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a picture to write, no window to show
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: imagesheet OUT.png\n");
        return 2;
    }
    Sheet sheet{QImage(1300, 2400, QImage::Format_ARGB32), 8};  // cut to what is used
    sheet.image.fill(QColor(0x10, 0x10, 0x10));
    for (const ButtonPictures& button : kButtons) ButtonRow(sheet, button);
    PanelRow(sheet);
    RowPictures(sheet);
    ActivityRow(sheet);
    IconRow(sheet);
    if (!sheet.image.copy(0, 0, sheet.image.width(), sheet.y).save(argv[1], "PNG")) {
        std::fprintf(stderr, "imagesheet: %s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
