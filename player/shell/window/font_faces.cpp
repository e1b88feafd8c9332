#include "player/shell/window/font_faces.h"

#include <QFont>
#include <QString>
#include <QStringList>

void InstallFontFaces() {
    QFont::insertSubstitutions(QString::fromUtf16(u"ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")});
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
}
