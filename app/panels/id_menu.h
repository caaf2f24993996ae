// SPDX-License-Identifier: GPL-3.0-or-later
// A menu whose items carry numeric ids, re-emitted as activated(id) when one of its own items is chosen.
// QMenu's triggered() also reports the items of its submenus, whose data is not an id of this menu.
#pragma once

#include <QAction>
#include <QMenu>

class IdMenu : public QMenu
{
    Q_OBJECT
  public:
    explicit IdMenu(QWidget* parent = nullptr) : QMenu(parent)
    {
        connect(this, &QMenu::triggered, this, [this](QAction* a) {
            if (a->data().isValid() && actions().contains(a))
                emit activated(a->data().toInt());
        });
    }

    // Inserts an item with the id at position index (-1: at the end).
    QAction* InsertItem(const QIcon& icon, const QString& text, int id, int index = -1)
    {
        auto* action = new QAction(icon, text, this);
        action->setData(id);
        const QList<QAction*> list = actions();
        if (index < 0 || index >= list.size())
            addAction(action);
        else
            insertAction(list[index], action);
        return action;
    }

    QAction* Item(int id) const
    {
        for (QAction* a : actions())
            if (a->data().isValid() && a->data().toInt() == id)
                return a;
        return nullptr;
    }

  signals:
    void activated(int id);
};
