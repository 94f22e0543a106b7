#include "platform/gui/fonts.h"

#include <QFont>
#include <QStringList>
#include <array>

namespace fonts {

QString mincho() {
    return QStringLiteral(u"ＭＳ 明朝");
}

QString gothic() {
    return QStringLiteral(u"ＭＳ ゴシック");
}

QString proportionalGothic() {
    return QStringLiteral(u"ＭＳ Ｐゴシック");
}

namespace {
struct Substitution {
    QString family;
    QString substitute;
};

const std::array<Substitution, 3>& substitutions() {
    static const std::array<Substitution, 3> table{{
        {mincho(), QStringLiteral("IPAMincho")},
        {gothic(), QStringLiteral("IPAGothic")},
        {proportionalGothic(), QStringLiteral("IPAPGothic")},
    }};
    return table;
}
} // namespace

void installSubstitutions() {
    for (const Substitution& entry : substitutions()) {
        if (!QFont::substitutes(entry.family).contains(entry.substitute, Qt::CaseInsensitive))
            QFont::insertSubstitution(entry.family, entry.substitute);
    }
}

std::optional<double> designedLineHeightEm(const QString& family) {
    // All three faces have a character cell of exactly one em (ascent plus descent).
    for (const Substitution& entry : substitutions()) {
        if (entry.family.compare(family, Qt::CaseInsensitive) == 0)
            return 1.0;
    }
    return std::nullopt;
}

} // namespace fonts
