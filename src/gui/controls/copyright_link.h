#pragma once
// CCopyrightLink: the about box's notice line, drawn as a link. Its text is one line, vertically
// centred, 2 pixels from the left edge, in its own font (the application's font, underlined and
// one weight unit heavier). The text colour tells the state: a link already followed is dark
// magenta, a pressed or focused one blue, any other cornflower blue; each made lighter or darker
// where the look's window colour needs it to be read (4.5:1). Clicking it (or Space while
// it has the focus) opens its address, if it has one, and marks it followed.

#include <QAbstractButton>
#include <QColor>
#include <QUrl>

namespace tovalo::gui {

class CCopyrightLink : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr QColor kVisitedColor{139, 0, 139};
    static constexpr QColor kActiveColor{0, 0, 255};
    static constexpr QColor kNormalColor{100, 149, 237};

    explicit CCopyrightLink(const QString& text = QString(), QWidget* parent = nullptr);

    void setUrl(const QUrl& url) { url_ = url; }
    QUrl url() const { return url_; }
    bool isVisited() const { return visited_; }
    void setVisited(bool visited);

    /// The colour the text is drawn in now.
    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void follow();
    void updateFont();

    QUrl url_;
    bool visited_ = false;
};

} // namespace tovalo::gui
