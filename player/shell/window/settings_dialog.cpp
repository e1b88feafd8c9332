#include "player/shell/window/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "player/model/settings_form.h"
#include "player/model/settings_rules.h"
#include "player/resources/images.h"
#include "player/shell/dialogs/dialog_units.h"
#include "player/shell/dialogs/player_message.h"

namespace {

constexpr int kFontPoints = 9;
constexpr int kIconPixels = 32;

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

// The dialog builds the template's controls and shows and reads SettingsChoice; the rules live
// in settings_rules.
class SettingsWindow : public QDialog {
public:
    SettingsWindow(const SettingsForm& form, bool japaneseUi);

private:
    template <typename Control>
    Control* Place(Control* control, SettingsControlId id, UnitRect units, int lower = 0);
    void BuildSoundGroup(const SettingsForm& form);
    void BuildLowerPart(const SettingsForm& form);
    void Show(const SettingsChoice& choice);
    SettingsChoice Read() const;
    void StepPolyLimit(int step);

    QSize base_;
    QComboBox* quality_ = nullptr;
    QLineEdit* polyField_ = nullptr;
    QPushButton* lower_ = nullptr;
    QPushButton* raise_ = nullptr;
    QCheckBox* lpfDelay_ = nullptr;
    QCheckBox* waveMapper_ = nullptr;
    QCheckBox* chainPlay_ = nullptr;
    QCheckBox* autoRepeat_ = nullptr;
};

SettingsWindow::SettingsWindow(const SettingsForm& form, bool japaneseUi) {
    setObjectName(QString::fromLatin1(form.id));
    setFont(QFont(Text(form.fontFace), kFontPoints));
    base_ = DialogBaseUnits(font());
    setFixedSize(DialogUnitsToPixels(form.size, base_).size());
    setWindowTitle(Text(form.caption));
    BuildSoundGroup(form);
    BuildLowerPart(form);
    for (const std::u16string& entry : QualityEntries())
        quality_->addItem(QString::fromStdU16String(entry));
    Show(CurrentChoice());
    connect(lower_, &QPushButton::clicked, this, [this] { StepPolyLimit(-1); });
    connect(raise_, &QPushButton::clicked, this, [this] { StepPolyLimit(1); });
    connect(this, &QDialog::accepted, this, [this, japaneseUi] {
        ApplySettingsChoice(Read(), japaneseUi,
                            [](const std::u16string& text) { ShowPlayerMessage(text); });
    });
}

template <typename Control>
Control* SettingsWindow::Place(Control* control, SettingsControlId id, UnitRect units, int lower) {
    if (id != kSettingsNoId)
        control->setObjectName(QStringLiteral("id%1").arg(static_cast<int>(id)));
    control->setGeometry(DialogUnitsToPixels(units.Lowered(lower), base_));
    return control;
}

void SettingsWindow::BuildSoundGroup(const SettingsForm& form) {
    Place(new QGroupBox(Text(form.soundGroup), this), kSettingsNoId, kSoundGroupUnits)->lower();
    Place(new QLabel(Text(form.qualityLabel), this), kSettingsNoId, kQualityLabelUnits);
    quality_ = Place(new QComboBox(this), kSettingsQuality, kQualityUnits);
    quality_->setFixedHeight(DialogUnitsToPixels(QRect(0, 0, 1, 12), base_).height());
    Place(new QLabel(Text(form.polyLabel), this), kSettingsNoId, kPolyLabelUnits);
    polyField_ = Place(new QLineEdit(this), kSettingsPolyField, kPolyFieldUnits);
    polyField_->setReadOnly(true);
    polyField_->setFocusPolicy(Qt::TabFocus);
    lower_ = Place(new QPushButton(QStringLiteral("<"), this), kSettingsLowerPoly, kLowerUnits);
    raise_ = Place(new QPushButton(QStringLiteral(">"), this), kSettingsRaisePoly, kRaiseUnits);
    lpfDelay_ = Place(new QCheckBox(Text(form.lpfDelay), this), kSettingsLpfDelay, kLpfDelayUnits);
    waveMapper_ =
        Place(new QCheckBox(Text(form.waveMapper), this), kSettingsWaveMapper, kWaveMapperUnits);
}

void SettingsWindow::BuildLowerPart(const SettingsForm& form) {
    const int down = form.lowerPart;
    Place(new QGroupBox(Text(form.playGroup), this), kSettingsNoId, kPlayGroupUnits, down)->lower();
    chainPlay_ = Place(new QCheckBox(QStringLiteral("&ChainPlay"), this), kSettingsChainPlay,
                       kChainPlayUnits, down);
    autoRepeat_ = Place(new QCheckBox(QStringLiteral("&AutoRepeat"), this), kSettingsAutoRepeat,
                        kAutoRepeatUnits, down);
    auto* icon = Place(new QLabel(this), kSettingsNoId, kIconUnits, down);
    icon->setPixmap(PlayerIcon(kImageProgram).pixmap(kIconPixels, kIconPixels));
    icon->setAlignment(Qt::AlignCenter);
    Place(new QLabel(QStringLiteral("Software\n Synthesizer"), this), kSettingsNoId,
          kSynthesizerUnits, down);
    Place(new QLabel(QStringLiteral("Tesalo 0.98"), this), kSettingsNoId, kVersionUnits, down)
        ->setAlignment(Qt::AlignCenter);
    Place(new QLabel(QStringLiteral("tesalo: MIDI player"), this), kSettingsNoId, kContactUnits,
          down);
    auto* ok =
        Place(new QPushButton(QStringLiteral("OK"), this), kSettingsOk, kSettingsOkUnits, down);
    auto* cancel = Place(new QPushButton(Text(form.cancel), this), kSettingsCancel,
                         kSettingsCancelUnits, down);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsWindow::Show(const SettingsChoice& choice) {
    quality_->setCurrentIndex(quality_->count() == 1 ? 0 : choice.quality);
    chainPlay_->setChecked(choice.chainPlay);
    autoRepeat_->setChecked(choice.autoRepeat);
    lpfDelay_->setChecked(choice.lpfDelay);
    waveMapper_->setChecked(choice.waveMapper);
    polyField_->setText(QString::number(choice.polyLimit));
    lower_->setEnabled(CanLowerPolyLimit(choice.polyLimit));
    raise_->setEnabled(CanRaisePolyLimit(choice.polyLimit));
}

SettingsChoice SettingsWindow::Read() const {
    SettingsChoice choice;
    choice.qualityEntries = quality_->count();
    choice.quality = quality_->currentIndex();
    choice.polyLimit = polyField_->text().toUInt();
    choice.chainPlay = chainPlay_->isChecked();
    choice.autoRepeat = autoRepeat_->isChecked();
    choice.lpfDelay = lpfDelay_->isChecked();
    choice.waveMapper = waveMapper_->isChecked();
    return choice;
}

void SettingsWindow::StepPolyLimit(int step) {
    const unsigned polyLimit = polyField_->text().toUInt() + static_cast<unsigned>(step);
    polyField_->setText(QString::number(polyLimit));
    lower_->setEnabled(CanLowerPolyLimit(polyLimit));
    raise_->setEnabled(CanRaisePolyLimit(polyLimit));
}

}  // namespace

int SettingsDialog(bool japaneseUi) {
    SettingsWindow dialog(japaneseUi ? kJapaneseSettings : kEnglishSettings, japaneseUi);
    dialog.setWindowIcon(PlayerIcon(kImageProgram));
    dialog.exec();
    return 0;
}
