#include "player/shell/dialogs/input_name_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "player/model/name_dialog_form.h"
#include "player/model/text_cut.h"
#include "player/shell/dialogs/dialog_units.h"

namespace {

constexpr int kFontPoints = 9;
constexpr std::size_t kTextChars = 255;

// The dialog only builds the template's controls; InputNameDialog holds the logic.
class NameDialog : public QDialog {
public:
    NameDialog(const NameDialogForm& form, const QString& caption, const QString& prompt) {
        setObjectName(QString::fromLatin1(form.id));
        setFont(QFont(QString::fromUtf16(form.fontFace), kFontPoints));
        const QSize base = DialogBaseUnits(font());
        setFixedSize(DialogUnitsToPixels(kNameDialogUnits, base).size());
        setWindowTitle(caption);
        Place(new QLabel(prompt, this), "id1055", kPromptUnits, base);
        edit_ = Place(new QLineEdit(this), "id1027", kNameEditUnits, base);
        auto* ok = Place(new QPushButton(QStringLiteral("OK"), this), "id1", kNameOkUnits, base);
        auto* cancel = Place(new QPushButton(QString::fromUtf16(form.cancelText), this), "id2",
                             kNameCancelUnits, base);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        edit_->setFocus();
    }
    QString Text() const { return edit_->text(); }

private:
    template <typename Control>
    static Control* Place(Control* control, const char* id, const UnitRect& units,
                          const QSize& base) {
        control->setObjectName(QString::fromLatin1(id));
        control->setGeometry(DialogUnitsToPixels(units, base));
        return control;
    }
    QLineEdit* edit_;
};

}  // namespace

int InputNameDialog(bool japaneseUi, const std::u16string& caption, const std::u16string& prompt,
                    int limit, char16_t* output) {
    NameDialog dialog(japaneseUi ? kJapaneseNameDialog : kEnglishNameDialog,
                      QString::fromStdU16String(CutAtCharacter(caption, kTextChars)),
                      QString::fromStdU16String(CutAtCharacter(prompt, kTextChars)));
    if (dialog.exec() != QDialog::Accepted) return 0;
    if (limit > 0) {
        CopyToBuffer(dialog.Text().toStdU16String(), output, static_cast<std::size_t>(limit));
    }
    return 1;
}
