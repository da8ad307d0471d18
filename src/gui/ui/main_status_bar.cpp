#include "ui/main_status_bar.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QProgressBar>

namespace tovalo::gui {

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("runProgress"));
    progress_->setTextVisible(true);
    progress_->setFormat(QStringLiteral("%v / %m"));
    progress_->hide();
    addWidget(progress_, 1);
    summaryPane_ = new QLabel(this);
    summaryPane_->setObjectName(QStringLiteral("statusSummary"));
    summaryPane_->hide();
    addWidget(summaryPane_, 1);

    demoPane_ = new QLabel(this);
    demoPane_->setObjectName(QStringLiteral("statusDemo"));
    demoPane_->hide();
    addPermanentWidget(demoPane_);
    unavailablePane_ = new QLabel(this);
    unavailablePane_->setObjectName(QStringLiteral("statusUnavailable"));
    unavailablePane_->hide();
    addPermanentWidget(unavailablePane_);
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

QString MainStatusBar::phaseText(RunPhase phase)
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

QString MainStatusBar::stoppingText()
{
    return tr("Stopping...");
}

void MainStatusBar::showPhase(RunPhase phase, bool stopping)
{
    const QString text = stopping ? stoppingText() : phaseText(phase);
    if (text.isEmpty())
        return;
    phase_ = phase;
    stopping_ = stopping;
    phaseShown_ = true;
    setPaneText(phasePane_, text);
}

void MainStatusBar::showVersion(const QString& version)
{
    version_ = version;
    setPaneText(versionPane_, tr("dpct ver: %1").arg(version));
}

void MainStatusBar::showProgress(int done, int total)
{
    if (total < 0) {
        progress_->hide();
        return;
    }
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
    summaryPane_->hide();
    progress_->show();
}

QString MainStatusBar::elapsedText(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    const auto two = [](qint64 n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(two(seconds / 60 % 60), two(seconds % 60));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(two(seconds % 60));
}

QString MainStatusBar::summaryText(const RunSummary& s)
{
    const QString counts =
        tr("%1 OK, %2 NG, %n syntax error(s)", nullptr, s.syntaxErrors).arg(s.ok).arg(s.ng);
    if (s.stopped)
        return tr("Stopped after %1 of %2 items: %3 (%4)")
            .arg(s.finished())
            .arg(s.total)
            .arg(counts, elapsedText(s.elapsedMs));
    return tr("Finished %1 items: %2 (%3)").arg(s.total).arg(counts, elapsedText(s.elapsedMs));
}

void MainStatusBar::showSummary(const RunSummary& summary)
{
    summary_ = summary;
    progress_->hide();
    summaryPane_->setText(summaryText(summary));
    summaryPane_->show();
}

void MainStatusBar::setDemo(bool demo)
{
    demoPane_->setVisible(demo);
}

void MainStatusBar::setConversionUnavailable(bool unavailable)
{
    unavailablePane_->setVisible(unavailable);
}

bool MainStatusBar::conversionUnavailable() const
{
    return !unavailablePane_->isHidden();
}

void MainStatusBar::setPaneText(QLabel* pane, const QString& text)
{
    // The pane is as wide as its text in the status bar's font, plus two pixels.
    pane->setText(text);
    Q_EMIT paneTextChanged(pane == phasePane_ ? 1 : 2, text);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 2 + pane->contentsMargins().left() +
                        pane->contentsMargins().right());
}

void MainStatusBar::retranslate()
{
    demoPane_->setText(tr("DEMO: simulated oneAPI toolkit"));
    unavailablePane_->setText(tr("Conversion unavailable: oneAPI not found"));
    if (summary_)
        summaryPane_->setText(summaryText(*summary_));
    if (phaseShown_)
        setPaneText(phasePane_, stopping_ ? stoppingText() : phaseText(phase_));
    if (!version_.isEmpty())
        showVersion(version_);
}

void MainStatusBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QStatusBar::changeEvent(event);
}

} // namespace tovalo::gui
