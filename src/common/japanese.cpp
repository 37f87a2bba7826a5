#include "japanese.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

QLocale japaneseLocale()
{
    return QLocale(QLocale::Japanese, QLocale::Japan);
}

QString statusBarDate(const QDate &date)
{
    return japaneseLocale().toString(date, QStringLiteral("yyyy'/'MM'/'dd' ('dddd')'"));
}

bool installJapaneseQtTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // By file name, not by QLocale::system(): the desktop's language does not matter.
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳＰ ゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}
