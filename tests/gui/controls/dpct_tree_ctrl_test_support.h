#pragma once
// What the item list's suites (tst_dpct_tree_ctrl, tst_dpct_tree_ctrl_input) share: a list over
// a document of its own, items, and helpers to look at the painted view and to turn the wheel.

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_document.h"
#include "data/dpct_data.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

namespace testing_list {

using tovalo::CDpctData;
using tovalo::DefinitionDocument;
using tovalo::ItemStatus;
using tovalo::gui::CDpctTreeCtrl;
using tovalo::gui::DefinitionModel;

inline CDpctData makeItem(const std::string& path, ItemStatus status = ItemStatus::None)
{
    CDpctData item;
    item.path = path;
    item.status = status;
    return item;
}

/// Adds `count` items /src/project/kernel_N.cu at once.
inline void fill(DefinitionDocument& doc, int count)
{
    std::vector<CDpctData> items;
    for (int i = 0; i < count; ++i)
        items.push_back(makeItem("/src/project/kernel_" + std::to_string(i) + ".cu"));
    doc.add(std::move(items));
}

/// A list over a document of its own (the list goes first, then the model, then the document).
struct DocumentList
{
    DefinitionDocument doc;
    DefinitionModel model{doc};
    CDpctTreeCtrl list;
    DocumentList() { list.setModel(&model); }

    /// Adds `rows` kernel items (none for 0), shows the list `size` big and waits until it is
    /// exposed; false when it never is.
    [[nodiscard]] bool show(int rows, QSize size = QSize(400, 300))
    {
        list.resize(size);
        if (rows > 0)
            fill(doc, rows);
        list.show();
        return QTest::qWaitForWindowExposed(&list);
    }
};

inline bool near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

/// Pixels of `rect` within `tolerance` of `color` in each channel.
inline int countNear(const QImage& img, const QRect& rect, const QColor& color, int tolerance)
{
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += near(img.pixelColor(x, y), color, tolerance) ? 1 : 0;
    return n;
}

inline QImage grab(CDpctTreeCtrl& list)
{
    return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline void wheel(CDpctTreeCtrl& list, int delta)
{
    const QPointF pos(50, 50);
    QWheelEvent ev(pos, list.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &ev);
}

/// A point inside a row's name column.
inline QPoint namePoint(const CDpctTreeCtrl& list, int row)
{
    return QPoint(60, list.rowRect(row).center().y());
}

} // namespace testing_list
