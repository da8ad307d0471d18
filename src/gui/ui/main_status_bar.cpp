#include "ui/main_status_bar.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QProgressBar>

namespace tovalo::gui {

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("runProgress"));
    progress_->setTextVisible(true);
    progress_->setFormat(QStringLiteral("%p%"));
    progress_->hide();
    addWidget(progress_, 1);

    demoPane_ = new QLabel(this);
    demoPane_->setObjectName(QStringLiteral("statusDemo"));
    demoPane_->hide();
    addPermanentWidget(demoPane_);
    phasePane_ = new QLabel(this);
    phasePane_->setObjectName(QStringLiteral("statusPhase"));
    addPermanentWidget(phasePane_);
    versionPane_ = new QLabel(this);
    versionPane_->setObjectName(QStringLiteral("statusVersion"));
    addPermanentWidget(versionPane_);
    setPaneText(phasePane_, QStringLiteral(" "));
    setPaneText(versionPane_, QStringLiteral(" "));
    retranslate();
}

QString CMainStatusBar::phaseText(RunPhase phase)
{
    switch (phase) {
    case RunPhase::Idle:
        return QStringLiteral(" ");
    case RunPhase::AwaitPrompt:
        return QString();
    case RunPhase::SetvarsRequested:
        return tr("Starting setvars");
    case RunPhase::SetvarsRunning:
        return tr("Running setvars...");
    case RunPhase::VersionRequested:
        return tr("Querying the dpct version");
    case RunPhase::VersionRunning:
        return tr("Querying the dpct version...");
    case RunPhase::ItemRequested:
        return tr("dpct conversion started");
    case RunPhase::ItemRunning:
        return tr("dpct converting...");
    case RunPhase::StopRequested:
        return QStringLiteral("  ");
    case RunPhase::Paused:
        return tr("dpct run paused");
    }
    return QString();
}

QString CMainStatusBar::stoppingText()
{
    return tr("Stopping...");
}

void CMainStatusBar::showPhase(RunPhase phase, bool stopping)
{
    const QString text = stopping ? stoppingText() : phaseText(phase);
    if (text.isEmpty())
        return;
    phase_ = phase;
    stopping_ = stopping;
    phaseShown_ = true;
    setPaneText(phasePane_, text);
}

void CMainStatusBar::showVersion(const QString& version)
{
    version_ = version;
    setPaneText(versionPane_, tr("dpct ver: %1").arg(version));
}

void CMainStatusBar::showProgress(int done, int total)
{
    if (total < 0) {
        progress_->hide();
        return;
    }
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
    progress_->show();
}

void CMainStatusBar::setDemo(bool demo)
{
    demoPane_->setVisible(demo);
}

void CMainStatusBar::setPaneText(QLabel* pane, const QString& text)
{
    // The pane is as wide as its text in the status bar's font, plus two pixels.
    pane->setText(text);
    Q_EMIT paneTextChanged(pane == phasePane_ ? 1 : 2, text);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 2 + pane->contentsMargins().left() +
                        pane->contentsMargins().right());
}

void CMainStatusBar::retranslate()
{
    demoPane_->setText(tr("DEMO: simulated oneAPI toolkit"));
    if (phaseShown_)
        setPaneText(phasePane_, stopping_ ? stoppingText() : phaseText(phase_));
    if (!version_.isEmpty())
        showVersion(version_);
}

void CMainStatusBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QStatusBar::changeEvent(event);
}

} // namespace tovalo::gui
