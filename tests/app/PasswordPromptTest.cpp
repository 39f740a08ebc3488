#include "app/PasswordPrompt.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QInputDialog>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TEST(PasswordPrompt, AsksWithTheLanguageTextsAndHidesWhatIsTyped) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    QString shown;
    AnswerNextModal<QInputDialog>([&](QInputDialog& dialog) {
        shown = dialog.windowTitle() + u'|' + dialog.labelText();
        EXPECT_EQ(dialog.textEchoMode(), QLineEdit::Password);
        dialog.setTextValue(u"secret"_s);
        dialog.accept();
    });
    EXPECT_EQ(AskPasswordInDialog(nullptr, language, u"/dl/a.zip"_s, u"x/chair.iff"_s),
              u"secret"_s);
    EXPECT_EQ(shown,
              u"Password|Entry \"x/chair.iff\" in \"%1\" is encrypted. Enter its password:"_s.arg(
                  QDir::toNativeSeparators(u"/dl/a.zip"_s)));

    AnswerNextModal<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(AskPasswordInDialog(nullptr, language, u"/dl/a.zip"_s, u"b.iff"_s), std::nullopt);
}
