#include "numbering.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/text_file.h"

#include <QFileInfo>

namespace {

const int firstNumber = 10001;

QString counterPath()
{
    return programFile(QString::fromLatin1(counterFileName));
}

bool numberingOn()
{
    return QFileInfo::exists(counterPath());
}

void writeCounter(qint64 number)
{
    TextFile::writeLines(counterPath(), {QString::number(number)});
}

void announceFirstNumber()
{
    prompter().information(QStringLiteral("10001より開始します。\r\n"));
}

} // namespace

int slipNumberValue(const QString &Bangou)
{
    bool ok = false;
    const int value = Bangou.toInt(&ok);
    return ok ? value : 0;
}

void BANGOU_CALL(QString &Bangou)
{
    if (!numberingOn())
        return;
    const QStringList lines = TextFile::readLines(counterPath());
    if (!lines.isEmpty() && !lines.first().isEmpty())
        Bangou = lines.first();
}

void BANGOU_KOUSIN(const QString &Bangou)
{
    if (!numberingOn())
        return;
    qint64 number = slipNumberValue(Bangou);
    if (number == 0) {
        if (!Bangou.isEmpty())
            return;
        announceFirstNumber();
        number = firstNumber - 1;
    }
    // 64-bit so that the largest slip number cannot overflow on its way to the file.
    writeCounter(number + 1);
}

void saveSlipNumber(const QString &Bangou)
{
    int number = slipNumberValue(Bangou);
    if (number == 0) {
        announceFirstNumber();
        number = firstNumber;
    }
    writeCounter(number);
}

void makeNewSlip(QString &Bangou, bool &newNumberFlag)
{
    BANGOU_CALL(Bangou);
    newNumberFlag = true;
}
