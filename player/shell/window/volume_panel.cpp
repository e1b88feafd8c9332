#include "player/shell/window/volume_panel.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "library/tesalo.h"
#include "player/model/settings.h"
#include "player/model/volume_form.h"
#include "player/model/volume_rules.h"
#include "player/resources/images.h"
#include "player/shell/dialogs/dialog_units.h"

namespace {

constexpr int kFontPoints = 9;

// The panel builds the template's controls; every movement of a slider goes to volume_rules.
class VolumeWindow : public QDialog {
public:
    VolumeWindow();

private:
    template <typename Control>
    Control* Place(Control* control, const char* id, const UnitRect& units) {
        if (id != nullptr) control->setObjectName(QString::fromLatin1(id));
        control->setGeometry(DialogUnitsToPixels(units, base_));
        return control;
    }
    QSlider* Slider(const char* id, const UnitRect& units, int top, int position);

    QSize base_;
    int systemLevel_ = 0;
};

VolumeWindow::VolumeWindow() {
    setObjectName(QStringLiteral("id165"));
    // The template has no caption; a thin border keeps the panel apart from the window behind.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QDialog#id165 { border: 1px solid palette(dark); }"));
    setFont(QFont(QStringLiteral("Tahoma"), kFontPoints));
    base_ = DialogBaseUnits(font());
    setFixedSize(DialogUnitsToPixels(kVolumePanelUnits, base_).size());
    Place(new QLabel(QStringLiteral("System\nVolume"), this), nullptr, kSystemLabelUnits);
    Place(new QLabel(QStringLiteral("Tesalo\nOutput"), this), nullptr, kOutputLabelUnits);
    Place(new QLabel(this), nullptr, kLoudUnits)->setPixmap(PlayerPixmap(kImageVolumeLoud));
    Place(new QLabel(this), nullptr, kSoftUnits)->setPixmap(PlayerPixmap(kImageVolumeSoft));
    systemLevel_ = SystemLevel(TeGetSystemVolume());
    QSlider* system =
        Slider("id1057", kSystemSliderUnits, kTopSystemLevel, kTopSystemLevel - systemLevel_);
    QSlider* output = Slider("id1058", kOutputSliderUnits, kTopOutputLevel,
                             kTopOutputLevel - g_settings.masterVolume);
    // Every kind of movement counts, the release too, as each scroll notification does.
    auto moveSystem = [this, system] { MoveSystemSlider(system->sliderPosition(), systemLevel_); };
    auto moveOutput = [output] { MoveOutputSlider(output->sliderPosition()); };
    connect(system, &QSlider::actionTriggered, this, moveSystem);
    connect(system, &QSlider::sliderReleased, this, moveSystem);
    connect(output, &QSlider::actionTriggered, this, moveOutput);
    connect(output, &QSlider::sliderReleased, this, moveOutput);
    auto* ok = Place(new QPushButton(QStringLiteral("OK"), this), "id1", kVolumeOkUnits);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    output->setFocus();
}

QSlider* VolumeWindow::Slider(const char* id, const UnitRect& units, int top, int position) {
    auto* slider = Place(new QSlider(Qt::Vertical, this), id, units);
    slider->setRange(0, top);
    slider->setValue(position);
    slider->setInvertedAppearance(true);  // position 0, the loud end, at the top
    slider->setInvertedControls(true);
    slider->setTickPosition(QSlider::NoTicks);
    return slider;
}

}  // namespace

int VolumePanel() {
    VolumeWindow panel;
    panel.exec();
    return 0;
}
