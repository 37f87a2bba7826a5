#include "file_name_check.h"

#include "prompter.h"

namespace {

const QString &forbiddenCharacters()
{
    static const QString characters = QStringLiteral("\\/:.;*?\"<>|");
    return characters;
}

} // namespace

bool hasForbiddenFileNameCharacter(const QString &name)
{
    for (const QChar character : name) {
        if (forbiddenCharacters().contains(character))
            return true;
        // A control character cannot be typed into a name on purpose, and a NUL would end the
        // name on disk right there ("【10" of "【10\023】..."): the slip would be written
        // under a name that is never listed again.
        if (character.unicode() < 0x20 || character.unicode() == 0x7F)
            return true;
    }
    return false;
}

QString forbiddenFileNameMessage()
{
    QStringList listed;
    for (const QChar character : forbiddenCharacters())
        listed.append(QString(character));
    return QStringLiteral("登録ファイル名に使用できない文字が含まれています。\r\n\r\n") +
           listed.join(QLatin1Char(' '));
}

bool FNAME_CHECK(const QString &name)
{
    if (!hasForbiddenFileNameCharacter(name))
        return false;
    prompter().information(forbiddenFileNameMessage());
    return true;
}
