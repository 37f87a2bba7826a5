#include "common/japanese.h"
#include "common/qt_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs answer on the dialog that the next prompt opens, once it is up.
void whenTheDialogShows(std::function<void(QDialog &)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

QStringList buttonTexts(const QDialog &dialog)
{
    QStringList texts;
    for (const QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
        texts << button->text();
    return texts;
}

QAbstractButton *buttonReading(const QDialog &dialog, const QString &text)
{
    for (QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

TEST(QtPrompter, ButtonsReadInJapaneseAsTheMessagesCallThem)
{
    QtPrompter prompter;
    struct Case
    {
        const char *name;
        std::function<void()> prompt;
        QStringList buttons;
        QString click;
    };
    const Case cases[] = {
        {"question",
         [&] { EXPECT_FALSE(prompter.question(QStringLiteral("保存しますか？"))); },
         {QStringLiteral("はい"), QStringLiteral("いいえ")},
         QStringLiteral("いいえ")},
        {"information",
         [&] { prompter.information(QStringLiteral("登録しました。")); },
         {QStringLiteral("OK")},
         QStringLiteral("OK")},
        {"warning",
         [&] { prompter.warning(QStringLiteral("保存できません。")); },
         {QStringLiteral("OK")},
         QStringLiteral("OK")},
        {"input",
         [&] {
             EXPECT_EQ(prompter.input(QStringLiteral("番号"), QStringLiteral("番号"), {}),
                       std::nullopt);
         },
         {QStringLiteral("OK"), QStringLiteral("キャンセル")},
         QStringLiteral("キャンセル")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList shown;
        whenTheDialogShows([&](QDialog &dialog) {
            shown = buttonTexts(dialog);
            if (auto *box = qobject_cast<QMessageBox *>(&dialog))
                EXPECT_EQ(box->windowTitle(), QStringLiteral("MIRAVO"));
            QAbstractButton *button = buttonReading(dialog, c.click);
            ASSERT_NE(button, nullptr);
            button->click();
        });
        c.prompt();
        shown.sort();
        QStringList expected = c.buttons;
        expected.sort();
        EXPECT_EQ(shown, expected);
    }
}

TEST(QtPrompter, QtsOwnTextsAreJapaneseWhateverTheDesktopSays)
{
    ASSERT_TRUE(installJapaneseQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("アドレス:"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

TEST(QtPrompter, EveryBoxIsCaptionedWithTheProgramsName)
{
    // An error can be reported before the application has its names, or by a tool that
    // never sets them.
    const QString name = QApplication::applicationName();
    QApplication::setApplicationName(QString());
    QtPrompter prompter;
    QString caption;
    whenTheDialogShows([&](QDialog &dialog) {
        caption = dialog.windowTitle();
        dialog.reject();
    });
    prompter.warning(QStringLiteral("/data/x.419\nFile name too long"));
    QApplication::setApplicationName(name);
    EXPECT_EQ(caption, QStringLiteral("MIRAVO"));
}
