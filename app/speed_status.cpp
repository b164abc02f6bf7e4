#include "app/speed_status.h"

#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace kestrova {

namespace {

// Often enough for tenths of a second to read as running; the line is
// small and the refresh costs next to nothing beside an animation frame.
constexpr int kRefreshMs = 100;

/// The menu bar places its corner by the size hint: a label that asks for
/// its whole width, not only its text's, stays inside the bar as the text
/// grows or changes language.
class CornerLabel final : public QLabel {
public:
    using QLabel::QLabel;
    [[nodiscard]] QSize sizeHint() const override
    {
        return QLabel::sizeHint().expandedTo(minimumSize());
    }
};

} // namespace

SpeedStatus::SpeedStatus(QMainWindow& frame, SimulatedTime simulatedTime)
    : QObject(&frame)
    , frame_(frame)
    , simulatedTime_(std::move(simulatedTime))
    , refresh_(new QTimer(this))
{
    refresh_->setInterval(kRefreshMs);
    connect(refresh_, &QTimer::timeout, this, &SpeedStatus::Refresh);
}

void SpeedStatus::Show(const QString& slowMotion)
{
    slowMotion_ = slowMotion;
    if (slowMotion_.isEmpty()) {
        refresh_->stop();
        if (line_ != nullptr)
            line_->hide();
        return;
    }
    if (line_ == nullptr) {
        line_ = new CornerLabel(&frame_);
        line_->setObjectName(QStringLiteral("lblRalenti"));
        line_->setContentsMargins(8, 0, 8, 0);
        line_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = line_->font();
        bold.setBold(true);
        line_->setFont(bold);
    }
    // Wide enough for a long run's time: the menu bar lays its corner out
    // when it is set, not at every new text.
    line_->setMinimumWidth(
        line_->fontMetrics().horizontalAdvance(Line(slowMotion_, QStringLiteral("000000,0")))
        + line_->contentsMargins().left() + line_->contentsMargins().right());
    // At the right end of the menu bar: the frame keeps its height, so the
    // simulation window stays whole, without scroll bars.
    frame_.menuBar()->setCornerWidget(line_, Qt::TopRightCorner);
    Refresh();
    line_->show();
    refresh_->start();
}

QString SpeedStatus::Text() const
{
    if (slowMotion_.isEmpty())
        return {};
    const std::optional<double> seconds = simulatedTime_ ? simulatedTime_() : std::nullopt;
    if (!seconds)
        return slowMotion_;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return Line(slowMotion_, locale.toString(*seconds, 'f', 1));
}

QString SpeedStatus::Line(const QString& slowMotion, const QString& seconds)
{
    return tr("%1 — temps simulé : %2 s").arg(slowMotion, seconds);
}

void SpeedStatus::Refresh()
{
    if (line_ != nullptr)
        line_->setText(Text());
}

} // namespace kestrova
