// SPDX-License-Identifier: GPL-3.0-or-later
#include "drag.h"

#include "kelres.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QWidget>

namespace
{

DragRunner& Runner()
{
    static DragRunner runner;
    return runner;
}

} // namespace

bool StartTextDrag(QWidget* source, const std::string& text)
{
    TextDrag drag{QString::fromLatin1(text.data(), int(text.size())), PixmapFromResource("heartcursor.png"),
                  QPoint(0, 0)};
    if (Runner())
        return Runner()(source, drag);
    auto* qdrag = new QDrag(source);
    auto* mime = new QMimeData;
    mime->setText(drag.text);
    qdrag->setMimeData(mime);
    if (!drag.pixmap.isNull()) {
        qdrag->setPixmap(drag.pixmap);
        qdrag->setHotSpot(drag.hotSpot);
    }
    return qdrag->exec(Qt::CopyAction, Qt::CopyAction) != Qt::IgnoreAction;
}

DragRunner SetDragRunner(DragRunner runner)
{
    DragRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

void AcceptCopyOnly(QDragMoveEvent* event)
{
    if (event->proposedAction() == Qt::CopyAction)
        event->acceptProposedAction();
    else
        event->ignore();
}
