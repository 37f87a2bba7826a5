#include "japanese.h"

#include <QFont>

QLocale japaneseLocale()
{
    return QLocale(QLocale::Japanese, QLocale::Japan);
}

QString statusBarDate(const QDate &date)
{
    return japaneseLocale().toString(date, QStringLiteral("yyyy'/'MM'/'dd' ('dddd')'"));
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳＰ ゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}
