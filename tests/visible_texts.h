// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a learner sees, or hears from a screen reader, in the open windows: each widget's own words,
// its tool tip and what it tells assistive tools, the items of its lists, trees and menus, and its actions.
#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>

namespace fixtures
{

// Rich text as it reads, the accelerator marks gone, blanks trimmed.
inline QString Readable(const QString& text)
{
    QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    plain.replace("&&", "\x01").remove('&').replace("\x01", "&");
    return plain.trimmed();
}

inline void AddText(QSet<QString>& texts, const QString& text)
{
    for (const QString& line : Readable(text).split('\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            texts.insert(trimmed);
    }
}

inline void AddAction(QSet<QString>& texts, QAction* action)
{
    if (action->isSeparator())
        return;
    AddText(texts, action->text());
    if (action->toolTip() != action->text().remove('&'))
        AddText(texts, action->toolTip());
    AddText(texts, action->statusTip());
    if (action->menu())
        for (QAction* inner : action->menu()->actions())
            AddAction(texts, inner);
}

inline void AddTreeItem(QSet<QString>& texts, QTreeWidgetItem* item)
{
    for (int c = 0; c < item->columnCount(); ++c) {
        AddText(texts, item->text(c));
        AddText(texts, item->toolTip(c));
        AddText(texts, item->data(c, Qt::AccessibleTextRole).toString());
        AddText(texts, item->data(c, Qt::AccessibleDescriptionRole).toString());
    }
    for (int k = 0; k < item->childCount(); ++k)
        AddTreeItem(texts, item->child(k));
}

inline void AddAccessible(QSet<QString>& texts, QAccessibleInterface* a, int depth = 0)
{
    if (!a || !a->isValid() || depth > 12)
        return;
    AddText(texts, a->text(QAccessible::Name));
    AddText(texts, a->text(QAccessible::Description));
    AddText(texts, a->text(QAccessible::Help));
    const int count = std::min(a->childCount(), 400);
    for (int k = 0; k < count; ++k)
        AddAccessible(texts, a->child(k), depth + 1);
}

// A widget's own words, in order: its titles, tips and what it tells assistive tools, its text, and the
// items of its lists, trees and menus.
inline QStringList TextsOf(QWidget* w)
{
    QSet<QString> seen; // AddText gathers in a set; the order here is the widget's own
    QStringList out;
    auto add = [&](const QString& text) {
        QSet<QString> one;
        AddText(one, text);
        QStringList lines(one.values());
        lines.sort();
        out << lines;
    };
    add(w->windowTitle());
    add(w->toolTip());
    add(w->statusTip());
    add(w->whatsThis());
    add(w->accessibleName());
    add(w->accessibleDescription());
    for (QAction* action : w->actions()) {
        QSet<QString> texts;
        AddAction(texts, action);
        QStringList lines(texts.values());
        lines.sort();
        out << lines;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        add(button->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        add(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w))
        add(group->title());
    if (auto* line = qobject_cast<QLineEdit*>(w))
        add(line->placeholderText());
    if (auto* menu = qobject_cast<QMenu*>(w))
        add(menu->title());
    if (auto* spin = qobject_cast<QSpinBox*>(w))
        add(spin->prefix() + spin->suffix());
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        add(spin->specialValueText() + " " + spin->text());
    if (auto* bar = qobject_cast<QProgressBar*>(w))
        add(bar->text());
    if (auto* browser = qobject_cast<QTextBrowser*>(w))
        add(browser->toPlainText());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        for (int k = 0; k < combo->count(); ++k)
            add(combo->itemText(k));
    if (auto* list = qobject_cast<QListWidget*>(w))
        for (int k = 0; k < list->count(); ++k)
            add(list->item(k)->text());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int k = 0; k < tabs->count(); ++k)
            add(tabs->tabText(k));
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        QSet<QString> texts;
        AddTreeItem(texts, tree->headerItem());
        for (int k = 0; k < tree->topLevelItemCount(); ++k)
            AddTreeItem(texts, tree->topLevelItem(k));
        QStringList lines(texts.values());
        lines.sort();
        out << lines;
    }
    return out;
}

// Where a widget stands in its window's tree: each step its class and its name, or its place among its
// parent's children of its class.
inline QString PlaceOf(const QWidget* w)
{
    QStringList steps;
    for (; w; w = w->parentWidget()) {
        QString step = QString::fromLatin1(w->metaObject()->className());
        if (!w->objectName().isEmpty()) {
            step += ":" + w->objectName();
        } else if (const QWidget* parent = w->parentWidget()) {
            int place = 0;
            for (const QObject* sibling : parent->children()) {
                if (sibling == w)
                    break;
                place += sibling->metaObject() == w->metaObject();
            }
            step += "#" + QString::number(place);
        }
        steps.prepend(step);
    }
    return steps.join('/');
}

// Every widget that exists now, by its place, with its words.
inline QMap<QString, QStringList> ControlTexts()
{
    QMap<QString, QStringList> controls;
    for (QWidget* w : QApplication::allWidgets())
        controls[PlaceOf(w)] << TextsOf(w);
    return controls;
}

// The texts of every widget that exists now, shown or not, and of its actions.
inline QSet<QString> VisibleTexts()
{
    QSet<QString> texts;
    for (QWidget* w : QApplication::allWidgets()) {
        AddText(texts, w->windowTitle());
        AddText(texts, w->toolTip());
        AddText(texts, w->statusTip());
        AddText(texts, w->whatsThis());
        AddText(texts, w->accessibleName());
        AddText(texts, w->accessibleDescription());
        for (QAction* action : w->actions())
            AddAction(texts, action);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            AddText(texts, button->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            AddText(texts, label->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            AddText(texts, group->title());
        if (auto* line = qobject_cast<QLineEdit*>(w))
            AddText(texts, line->placeholderText());
        if (auto* menu = qobject_cast<QMenu*>(w))
            AddText(texts, menu->title());
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            AddText(texts, spin->prefix() + spin->suffix());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            AddText(texts, spin->specialValueText());
        if (auto* bar = qobject_cast<QProgressBar*>(w))
            AddText(texts, bar->text());
        if (auto* browser = qobject_cast<QTextBrowser*>(w))
            AddText(texts, browser->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int k = 0; k < combo->count(); ++k)
                AddText(texts, combo->itemText(k));
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int k = 0; k < list->count(); ++k)
                AddText(texts, list->item(k)->text());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int k = 0; k < tabs->count(); ++k)
                AddText(texts, tabs->tabText(k));
        if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            AddTreeItem(texts, tree->headerItem());
            for (int k = 0; k < tree->topLevelItemCount(); ++k)
                AddTreeItem(texts, tree->topLevelItem(k));
        }
        if (w->isWindow())
            AddAccessible(texts, QAccessible::queryAccessibleInterface(w));
    }
    return texts;
}

} // namespace fixtures
