#pragma once

/// \file
/// How often a widget reaches the screen, and its longest wait between two
/// paints, logged about once a second when the category is enabled:
/// QT_LOGGING_RULES="kestrova.paint.debug=true".

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QWidget;

namespace kestrova {

class PaintGapLog : public QObject {
public:
    /// Counts the paints of `widget` under `name`, only when the logging
    /// category is enabled; the log goes with the widget.
    static void Watch(QWidget* widget, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaintGapLog(QWidget* widget, QString name);

    QString name_;
    QElapsedTimer clock_;
    int count_ = 0;
    qint64 lastMs_ = 0;
    qint64 longestGapMs_ = 0;
};

} // namespace kestrova
