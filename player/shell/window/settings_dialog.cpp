#include "player/shell/window/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "player/resources/images.h"
#include "player/shell/dialogs/dialog_units.h"
#include "player/shell/window/settings_form.h"
#include "player/shell/window/settings_rules.h"

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
    Control* Place(Control* control, const char* id, QRect units, int lower = 0);
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
    connect(this, &QDialog::accepted, this,
            [this, japaneseUi] { ApplySettingsChoice(Read(), japaneseUi); });
}

template <typename Control>
Control* SettingsWindow::Place(Control* control, const char* id, QRect units, int lower) {
    if (id != nullptr) control->setObjectName(QString::fromLatin1(id));
    control->setGeometry(DialogUnitsToPixels(units.translated(0, lower), base_));
    return control;
}

void SettingsWindow::BuildSoundGroup(const SettingsForm& form) {
    Place(new QGroupBox(Text(form.soundGroup), this), nullptr, kSoundGroupUnits)->lower();
    Place(new QLabel(Text(form.qualityLabel), this), nullptr, kQualityLabelUnits);
    quality_ = Place(new QComboBox(this), "id1022", kQualityUnits);
    quality_->setFixedHeight(DialogUnitsToPixels(QRect(0, 0, 1, 12), base_).height());
    Place(new QLabel(Text(form.polyLabel), this), nullptr, kPolyLabelUnits);
    polyField_ = Place(new QLineEdit(this), "id1017", kPolyFieldUnits);
    polyField_->setReadOnly(true);
    polyField_->setFocusPolicy(Qt::TabFocus);
    lower_ = Place(new QPushButton(QStringLiteral("<"), this), "id1010", kLowerUnits);
    raise_ = Place(new QPushButton(QStringLiteral(">"), this), "id1009", kRaiseUnits);
    lpfDelay_ = Place(new QCheckBox(Text(form.lpfDelay), this), "id1023", kLpfDelayUnits);
    waveMapper_ = Place(new QCheckBox(Text(form.waveMapper), this), "id1056", kWaveMapperUnits);
}

void SettingsWindow::BuildLowerPart(const SettingsForm& form) {
    const int down = form.lowerPart;
    Place(new QGroupBox(Text(form.playGroup), this), nullptr, kPlayGroupUnits, down)->lower();
    chainPlay_ =
        Place(new QCheckBox(QStringLiteral("&ChainPlay"), this), "id1015", kChainPlayUnits, down);
    autoRepeat_ =
        Place(new QCheckBox(QStringLiteral("&AutoRepeat"), this), "id1016", kAutoRepeatUnits, down);
    auto* icon = Place(new QLabel(this), nullptr, kIconUnits, down);
    icon->setPixmap(PlayerIcon(kImageProgram).pixmap(kIconPixels, kIconPixels));
    icon->setAlignment(Qt::AlignCenter);
    Place(new QLabel(QStringLiteral("Software\n Synthesizer"), this), nullptr, kSynthesizerUnits,
          down);
    Place(new QLabel(QStringLiteral("Tesalo 0.98"), this), nullptr, kVersionUnits, down)
        ->setAlignment(Qt::AlignCenter);
    Place(new QLabel(QStringLiteral("tesalo: MIDI player"), this), nullptr, kContactUnits, down);
    auto* ok = Place(new QPushButton(QStringLiteral("OK"), this), "id1", kOkUnits, down);
    auto* cancel = Place(new QPushButton(Text(form.cancel), this), "id2", kCancelUnits, down);
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
