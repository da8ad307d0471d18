#include "app/language_pack.h"

#include "app/language_question.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace tovalo::gui {
namespace {
const char* const kStems[] = {"TovaloLangJa", "TovaloLangEn", "TovaloLangCn", "TovaloLangTw", "TovaloLangKo"};
const char* const kQtLocales[] = {"ja", "en", "zh_CN", "zh_TW", "ko"};

// Every pack translates this one text into its own version, "major.minor.build". The comment
// tells translators not to translate it; the version is raised when the pack's texts change.
const char* const kVersionContext = "tovalo::gui::LanguagePack";
const struct
{
    const char* source;
    const char* comment;
} kVersion = QT_TRANSLATE_NOOP3("tovalo::gui::LanguagePack", "0.0.0",
                                "The version of this language pack as major.minor.build (numbers only)");

// "a.b.c" with a up to 65535 and b, c up to 255 (the ranges of a file version's parts).
bool isVersionText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return false;
    const int limits[] = {65535, 255, 255};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok);
        if (!ok || value > uint(limits[i]) || parts[i].isEmpty() || !parts[i].at(0).isDigit())
            return false;
    }
    return true;
}
QStringList g_folders;
} // namespace

LanguagePack::LanguagePack() = default;

LanguagePack::~LanguagePack()
{
    unload();
}

QString LanguagePack::fileStem(int index)
{
    if (index < 0 || index > 4)
        index = 0;
    return QString::fromLatin1(kStems[index]);
}

void LanguagePack::setSearchFolders(const QStringList& folders)
{
    g_folders = folders;
}

QStringList LanguagePack::searchFolders()
{
    if (!g_folders.isEmpty())
        return g_folders;
    QStringList folders{QCoreApplication::applicationDirPath()};
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/tovalo/translations"));
    folders.append(installed);
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(data + QStringLiteral("/tovalo/translations"));
    folders.removeDuplicates();
    return folders;
}

QString LanguagePack::loadFailureMessage()
{
    return packLoadFailureText(systemStartupLanguage());
}

QString LanguagePack::qtCatalogName(int index)
{
    return QStringLiteral("qtbase_") + QString::fromLatin1(kQtLocales[index < 0 || index > 4 ? 0 : index]);
}

quint32 LanguagePack::versionValue(int index)
{
    const QStringList parts = versionText(index).split(QLatin1Char('.'));
    return parts.value(0).toUInt() << 16 | parts.value(1).toUInt() << 8 | parts.value(2).toUInt();
}

QString LanguagePack::versionText(int index)
{
    if (index < 0 || index > 4)
        return absentVersionText();
    const QString name = fileStem(index) + QStringLiteral(".qm");
    for (const QString& folder : searchFolders()) {
        const QString path = folder + QLatin1Char('/') + name;
        QTranslator reader; // never installed: the interface language stays as it is
        if (!QFileInfo(path).isFile() || !reader.load(path))
            continue;
        const QString version = reader.translate(kVersionContext, kVersion.source, kVersion.comment);
        return isVersionText(version) ? version : absentVersionText();
    }
    return absentVersionText();
}

bool LanguagePack::load(int index)
{
    unload();
    const QString name = fileStem(index) + QStringLiteral(".qm");
    for (const QString& folder : searchFolders()) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!QFileInfo(path).isFile())
            continue;
        auto pack = std::make_unique<QTranslator>();
        if (!pack->load(path))
            continue;
        pack_ = std::move(pack);
        file_ = path;
        break;
    }
    if (!pack_)
        return false;
    // Qt's own texts (standard buttons, key names) in the same language, where Qt ships them.
    // Installed first, so that the pack, installed last, is asked first: it can mend a text of
    // Qt's (Qt's Traditional Chinese catalog leaves the key name "Return" in English).
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(qtCatalogName(index), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtBase_ = std::move(qt);
        QCoreApplication::installTranslator(qtBase_.get());
    }
    QCoreApplication::installTranslator(pack_.get());
    return true;
}

void LanguagePack::unload()
{
    if (qtBase_)
        QCoreApplication::removeTranslator(qtBase_.get());
    if (pack_)
        QCoreApplication::removeTranslator(pack_.get());
    qtBase_.reset();
    pack_.reset();
    file_.clear();
}

} // namespace tovalo::gui
