// Loads the built language packs and checks that the texts of the item list, the option grid's
// descriptions and the item dialog with its option-setting page are really translated at run
// time, i.e. that the catalogs hold them under the contexts the widgets ask for.

#include "controls/commui/color_combo_box.h"
#include "controls/commui/dialog_seam.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/option_help.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace tovalo::gui;

using namespace tovalo;

class TestCatalogs : public QObject
{
    Q_OBJECT

private:
    QTranslator pack_;

    void loadPack(const char* stem)
    {
        QCoreApplication::removeTranslator(&pack_);
        const QString file = QStringLiteral(TOVALO_QM_DIR "/") + QLatin1String(stem) + QStringLiteral(".qm");
        QVERIFY2(pack_.load(file), qPrintable(file));
        QVERIFY(QCoreApplication::installTranslator(&pack_));
    }

private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void init() { DialogSeam::resetLog(); }
    void cleanup() { QCoreApplication::removeTranslator(&pack_); }

    void japaneseItemListAndOptionGrid()
    {
        QStringList english;
        for (int slot = 0; slot < kSlotCount; ++slot)
            english << optionRowDescription(slot);
        loadPack("TovaloLangJa");

        QCOMPARE(QCoreApplication::translate("tovalo::gui::CDpctTreeCtrl", "Waiting"),
                 QStringLiteral("変換待ち"));
        QCOMPARE(CDpctTreeCtrl::statusText(ItemStatus::SyntaxError), QStringLiteral("構文エラーあり"));
        QCOMPARE(optionRowName(0), QStringLiteral("ディレクトリ名"));
        QCOMPARE(optionRowName(kInRoot), QStringLiteral("--in-root"));
        // Every description is translated, without the trailing blanks some of them had.
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const QString text = optionRowDescription(slot);
            QVERIFY2(text != english[slot], qPrintable(english[slot]));
            QCOMPARE(text, text.trimmed());
        }
        QCOMPARE(optionRowDescription(kInRoot),
                 QStringLiteral("移行する必要があるソースツリーのルートのディレクトリパス。 "
                                "このルートの下のファイルのみが移行されます。"));
        QCOMPARE(QCoreApplication::translate("OptionHelp", "Tells the tool not to migrate incrementally."),
                 QStringLiteral("インクリメンタル移行を行いません。"));
    }

    void japaneseItemDialogAndPage()
    {
        loadPack("TovaloLangJa");
        CDpctData target;
        CDpctData defaults;
        CDpctDataDlg add(CDpctDataDlg::Mode::Add, target, &defaults, {}, nullptr);
        QCOMPARE(add.windowTitle(), QStringLiteral("項目の追加"));
        QCOMPARE(add.checkAllButton()->text(), QStringLiteral("すべてチェック(&C)"));
        add.checkAllButton()->click();
        QCOMPARE(add.checkAllButton()->text(), QStringLiteral("チェックをすべて解除(&U)"));
        add.checkAllButton()->click();
        DialogSeam::answerMessage();
        add.okButton()->click(); // empty file path
        QCOMPARE(DialogSeam::last().id, 701);
        QCOMPARE(DialogSeam::last().text,
                 QStringLiteral("無効なファイル名です。有効なファイル名を入力してください。"));

        CDpctDataDlg update(CDpctDataDlg::Mode::Update, target, nullptr, {}, nullptr);
        QCOMPARE(update.windowTitle(), QStringLiteral("項目の編集"));

        // The page's messages: the option name, then the translated body.
        CDpctData record;
        record.setOn(kExtraArg, true);
        record.setOn(kUsmLevel, true);
        CDpctDataSetDlg page(record, nullptr);
        DialogSeam::answerMessage();
        QVERIFY(!page.validateAndStore());
        QCOMPARE(DialogSeam::last().text,
                 QStringLiteral("--extra-arg:\n値が入力されていません。適切な内容を入力してください。"));
        record.setOn(kExtraArg, false);
        CDpctDataSetDlg usm(record, nullptr);
        usm.comboBox(kUsmLevel)->setCurrentIndex(-1);
        DialogSeam::answerMessage();
        QVERIFY(!usm.validateAndStore());
        QCOMPARE(DialogSeam::last().text,
                 QStringLiteral("選択した内容に誤りがあります。正しい値を選択してください。"));
    }

    void englishPackSpeaksPlainEnglish()
    {
        loadPack("TovaloLangEn");
        CDpctData target;
        CDpctDataDlg add(CDpctDataDlg::Mode::Add, target, nullptr, {}, nullptr);
        // The source text "Add Data" reads as translated; the English pack says "Add Item".
        QCOMPARE(add.windowTitle(), QStringLiteral("Add Item"));
        QCOMPARE(CDpctTreeCtrl::statusText(ItemStatus::Waiting), QStringLiteral("Waiting"));
        QCOMPARE(optionRowDescription(kSuppressWarningsAll),
                 QStringLiteral("Suppresses all migration warnings."));
    }
};

QTEST_MAIN(TestCatalogs)
#include "catalogs_test.moc"
