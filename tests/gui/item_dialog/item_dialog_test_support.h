#pragma once
// Small helpers shared by the item dialog's and the option-setting page's tests.

#include <string_view>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace testing_itemdlg {

inline QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// Creates an empty file, with the folders that hold it.
inline void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

/// The colour of a refused path.
inline const QColor kRed(255, 0, 0);

} // namespace testing_itemdlg
