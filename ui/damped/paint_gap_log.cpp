#include "ui/damped/paint_gap_log.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace kestrova {

Q_LOGGING_CATEGORY(lcPaint, "kestrova.paint", QtWarningMsg)

void PaintGapLog::Watch(QWidget* widget, const QString& name)
{
    if (lcPaint().isDebugEnabled())
        widget->installEventFilter(new PaintGapLog(widget, name));
}

PaintGapLog::PaintGapLog(QWidget* widget, QString name)
    : QObject(widget)
    , name_(std::move(name))
{ }

bool PaintGapLog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        const bool first = !clock_.isValid();
        if (first)
            clock_.start();
        const qint64 now = clock_.elapsed();
        if (!first) {
            longestGapMs_ = std::max(longestGapMs_, now - lastMs_);
            ++count_;
        }
        lastMs_ = now;
        if (now >= 1000) {
            qCDebug(lcPaint, "%s: %d paints in %lld ms, longest gap %lld ms", qUtf8Printable(name_),
                    count_, static_cast<long long>(now), static_cast<long long>(longestGapMs_));
            clock_.start(); // this paint opens the next count
            lastMs_ = 0;
            longestGapMs_ = 0;
            count_ = 0;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrova
