#include "app/language_question.h"

#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

namespace tovalo::gui {
namespace {

QStringList g_testUiLanguages;
std::function<void(LanguageQuestion&)> g_testAnswer;

// Indexed by StartupLanguage. These texts are shown before any language pack is loaded, so they
// are deliberately not translatable through a catalog.
const char* const kPrompts[] = {
    "Tovaloの表示言語を選択してください。\n※起動後、オプションで言語を変更できます。",
    "Please select the display language of Tovalo.\nYou can change the language in the options after "
    "startup.",
    "请选择 Tovalo 的显示语言。\n启动后可以在选项中更改语言。",
    "請選擇 Tovalo 的顯示語言。\n啟動後可以在選項中變更語言。",
    "Tovalo의 표시 언어를 선택하십시오.\n언어는 시작 후 옵션으로 변경할 수 있습니다.",
};
const char* const kLoadFailures[] = {
    "選択した言語のライブラリをロードできませんでした。Tovaloを終了します。",
    "The resources for the selected language could not be loaded. Tovalo will exit.",
    "无法加载所选语言的资源。Tovalo 将退出。",
    "無法載入所選語言的資源。Tovalo 將會結束。",
    "선택한 언어의 리소스를 로드할 수 없습니다. Tovalo를 종료합니다.",
};
const char* const kCancel[] = {"キャンセル", "Cancel", "取消", "取消", "취소"};
const char* const kCaptions[] = {
    "日本語 (Japanese)", "English", "简体中文 (Chinese Simplified)", "繁體中文 (Chinese Traditional)",
    "한국어 (Korean)",
};

/// A command link that shows keyboard focus. The styles draw a command link flat, without the
/// focus frame of a push button, so a user moving through the languages with Tab or the arrow
/// keys would not see where they are.
class FocusShowingLink : public QCommandLinkButton
{
public:
    using QCommandLinkButton::QCommandLinkButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QCommandLinkButton::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        // Shown from the start, not only after a Tab: the dialog opens with a language chosen.
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.rect = rect().adjusted(2, 2, -2, -2);
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

int slot(StartupLanguage language)
{
    const int i = static_cast<int>(language);
    return i >= 0 && i <= 4 ? i : 1;
}

} // namespace

StartupLanguage startupLanguageOf(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return StartupLanguage::English;
    QString name = uiLanguages.constFirst();
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QLocale locale(name);
    switch (locale.language()) {
    case QLocale::Japanese:
        return StartupLanguage::Japanese;
    case QLocale::Korean:
        return StartupLanguage::Korean;
    case QLocale::Chinese: {
        // QLocale fills in the likely script ("zh-TW" is Hant), but look at the name as well in
        // case a platform reports a script or region QLocale does not expand.
        const QStringList parts = name.split(QLatin1Char('-'));
        if (parts.contains(QStringLiteral("Hant"), Qt::CaseInsensitive))
            return StartupLanguage::ChineseTraditional;
        if (parts.contains(QStringLiteral("Hans"), Qt::CaseInsensitive))
            return StartupLanguage::ChineseSimplified;
        if (locale.script() == QLocale::TraditionalChineseScript)
            return StartupLanguage::ChineseTraditional;
        for (const char* region : {"TW", "HK", "MO"}) {
            if (parts.contains(QLatin1String(region), Qt::CaseInsensitive))
                return StartupLanguage::ChineseTraditional;
        }
        return StartupLanguage::ChineseSimplified;
    }
    default:
        return StartupLanguage::English;
    }
}

StartupLanguage systemStartupLanguage()
{
    return startupLanguageOf(g_testUiLanguages.isEmpty() ? QLocale::system().uiLanguages()
                                                         : g_testUiLanguages);
}

void setSystemUiLanguagesForTests(const QStringList& uiLanguages)
{
    g_testUiLanguages = uiLanguages;
}

QString languageQuestionPrompt(StartupLanguage language)
{
    return QString::fromUtf8(kPrompts[slot(language)]);
}

QString packLoadFailureText(StartupLanguage language)
{
    return QString::fromUtf8(kLoadFailures[slot(language)]);
}

QString languageCaption(int index)
{
    return index >= 0 && index <= 4 ? QString::fromUtf8(kCaptions[index]) : QString();
}

LanguageQuestion::LanguageQuestion(StartupLanguage language, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("languageQuestion"));
    setWindowTitle(QStringLiteral("Tovalo"));
    const QIcon icon(QStringLiteral(":/icons/tovalo.png"));
    setWindowIcon(icon);

    const QString prompt = languageQuestionPrompt(language);
    const qsizetype cut = prompt.indexOf(QLatin1Char('\n'));
    instruction_ = new QLabel(cut < 0 ? prompt : prompt.left(cut), this);
    instruction_->setObjectName(QStringLiteral("languageInstruction"));
    instruction_->setWordWrap(true);
    QFont big = instruction_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    instruction_->setFont(big);
    QPalette palette = instruction_->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x33, 0x99)); // the usual main-instruction blue
    instruction_->setPalette(palette);
    content_ = new QLabel(cut < 0 ? QString() : prompt.mid(cut + 1), this);
    content_->setObjectName(QStringLiteral("languageContent"));
    content_->setWordWrap(true);
    content_->setVisible(!content_->text().isEmpty());

    auto iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("languageIcon"));
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(icon.pixmap(side, side));
    iconLabel->setAlignment(Qt::AlignTop);

    auto texts = new QVBoxLayout;
    texts->addWidget(instruction_);
    texts->addWidget(content_);
    for (int i = 0; i < 5; ++i) {
        auto link = new FocusShowingLink(languageCaption(i), this);
        link->setObjectName(QStringLiteral("languageLink%1").arg(i));
        connect(link, &QCommandLinkButton::clicked, this, [this, i] { done(kFirstLinkResult + i); });
        links_.append(link);
        texts->addWidget(link);
    }
    links_.constFirst()->setFocus();

    auto top = new QHBoxLayout;
    top->addWidget(iconLabel, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("languageCancel"));
    // No catalog (not even Qt's own) is loaded yet: the button speaks the prompt's language.
    cancel_->setText(QString::fromUtf8(kCancel[slot(language)]));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

int LanguageQuestion::chosenIndex() const
{
    const int index = result() - kFirstLinkResult;
    return index >= 0 && index <= 4 ? index : -1;
}

int LanguageQuestion::ask(QWidget* parent)
{
    LanguageQuestion dialog(systemStartupLanguage(), parent);
    if (g_testAnswer) {
        dialog.setResult(QDialog::Rejected);
        g_testAnswer(dialog);
        return dialog.chosenIndex();
    }
    dialog.exec();
    return dialog.chosenIndex();
}

void LanguageQuestion::setTestAnswer(std::function<void(LanguageQuestion&)> answer)
{
    g_testAnswer = std::move(answer);
}

} // namespace tovalo::gui
