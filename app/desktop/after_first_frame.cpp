// SPDX-License-Identifier: GPL-3.0-or-later
#include "after_first_frame.h"

#include <QEvent>
#include <utility>

namespace
{

// Watches window for its first paint, and runs the work from the event loop after it: the frame is then
// painted and on screen.
class FirstFrameWatch : public QObject
{
  public:
    FirstFrameWatch(QWidget* window, std::function<void()> work) : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    work_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstFrame(QWidget* window, std::function<void()> work)
{
    new FirstFrameWatch(window, std::move(work));
}
