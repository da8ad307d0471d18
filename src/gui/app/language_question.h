#pragma once
// The first-start language question and the start-up texts the program carries itself.
//
// Before any language pack is loaded the program can only speak through texts built into it:
// the question that asks for the interface language (a prompt and the five language names) and
// the message shown when the chosen pack cannot be loaded. Both come in the system's interface
// language (Japanese, Chinese Simplified, Chinese Traditional, Korean, else English). They are a
// plain table here, not catalog entries, because no catalog is loaded yet when they are shown.

#include <functional>

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLinkButton;
class QLabel;
class QPushButton;

namespace tovalo::gui {

/// The interface languages the built-in texts come in; the order is the language index.
enum class StartupLanguage
{
    Japanese = 0,
    English = 1,
    ChineseSimplified = 2,
    ChineseTraditional = 3,
    Korean = 4,
};

/// The interface language of a list of UI language names (QLocale::uiLanguages() style, first
/// preferred): only the first entry counts. Chinese with the Traditional script, or written
/// for Taiwan, Hong Kong or Macau without a script, is Traditional; anything unknown is English.
StartupLanguage startupLanguageOf(const QStringList& uiLanguages);
/// The system's interface language (QLocale::system().uiLanguages(), or the tests' list).
StartupLanguage systemStartupLanguage();
/// Tests: the UI languages the system reports; an empty list restores the real ones.
void setSystemUiLanguagesForTests(const QStringList& uiLanguages);

/// The question's prompt in `language`: the main instruction, "\n", then the explanation.
QString languageQuestionPrompt(StartupLanguage language);
/// The message for a language pack that cannot be loaded, in `language`.
QString packLoadFailureText(StartupLanguage language);
/// The caption of language `index` (0 to 4) on the question's links.
QString languageCaption(int index);

/// The question itself: program icon, main instruction and explanation, one command link per
/// language and Cancel. exec() returns 1000 + the chosen index, or QDialog::Rejected.
class LanguageQuestion : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kFirstLinkResult = 1000;

    explicit LanguageQuestion(StartupLanguage language, QWidget* parent = nullptr);

    QLabel* instructionLabel() const { return instruction_; }
    QLabel* contentLabel() const { return content_; }
    QCommandLinkButton* link(int index) const { return links_.value(index); }
    QPushButton* cancelButton() const { return cancel_; }
    /// The language index the dialog ended with; -1 while open or after Cancel or closing.
    int chosenIndex() const;

    /// Asks in the system's interface language. Returns the chosen index, or -1 when the user
    /// cancelled or closed the dialog.
    static int ask(QWidget* parent = nullptr);
    /// Tests: ask() builds the dialog, hands it to `answer` instead of running it (the function
    /// clicks a link or Cancel, or leaves it, which counts as closing), and returns what it
    /// chose. An empty function restores the real dialog.
    static void setTestAnswer(std::function<void(LanguageQuestion&)> answer);

private:
    QLabel* instruction_ = nullptr;
    QLabel* content_ = nullptr;
    QList<QCommandLinkButton*> links_;
    QPushButton* cancel_ = nullptr;
};

} // namespace tovalo::gui
