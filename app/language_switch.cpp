// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_switch.h"

#include "interface_language.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QWidget>
#include <QXmlStreamReader>
#include <functional>
#include <optional>
#include <vector>

namespace interface_language
{
namespace
{

// One of the interface's words: the context and English text it is translated from.
struct Source {
    QString context, text, comment;
    QString Now() const
    {
        return QCoreApplication::translate(context.toUtf8().constData(), text.toUtf8().constData(),
                                           comment.isEmpty() ? nullptr : comment.toUtf8().constData());
    }
};

// The interface's words as they read in language code (English: as written), each with its source.
// English is read from any translation's sources; their words are the same in each.
QMultiHash<QString, Source> WordsOf(const QString& code)
{
    QMultiHash<QString, Source> words;
    const QString file = code == "en" ? Available().value(1) : code;
    QFile ts(":/i18n-sources/varnel_" + file + ".ts");
    if (!ts.open(QIODevice::ReadOnly))
        return words;
    QXmlStreamReader xml(&ts);
    QString context;
    Source message;
    QString translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") {
                words.insert(message.text, message); // a word left as in English reads the same
                if (code != "en" && !translation.isEmpty() && translation != message.text)
                    words.insert(translation, message);
                // As the words read on screen now: Qt's own translation answers first for its words.
                if (const QString now = message.Now(); now != message.text && now != translation)
                    words.insert(now, message);
                message = Source{context, {}, {}};
                translation.clear();
            }
            continue;
        }
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            message = Source{context, {}, {}};
        else if (xml.name() == u"source")
            message.text = xml.readElementText();
        else if (xml.name() == u"comment")
            message.comment = xml.readElementText();
        else if (xml.name() == u"translation") // numerus forms are composed words: never matched
            translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return words;
}

// A word with one argument ("Recitation of %1") as it reads in the language before, to be found in texts
// composed from it.
struct Pattern {
    QRegularExpression before;
    Source source;
};

std::vector<Pattern> PatternsOf(const QMultiHash<QString, Source>& words)
{
    std::vector<Pattern> patterns;
    for (auto it = words.cbegin(); it != words.cend(); ++it) {
        const QString& text = it.key();
        if (text.count("%1") != 1 || text.contains(QRegularExpression("%[2-9]|%L1")))
            continue;
        QString expression = QRegularExpression::escape(text);
        expression.replace(QRegularExpression::escape("%1"), "(.+)");
        patterns.push_back({QRegularExpression(QRegularExpression::anchoredPattern(expression)), it.value()});
    }
    return patterns;
}

// How a text on screen is written anew: the same word in the new language, the same word inside its rich
// text tags, or the same composition with its argument (itself translated when it is a word).
using Rewriter = std::function<QString()>;

// Of the sources of one word, the one whose context is the class of object or of a widget it lies in
// (Qt's own words, as "Close" on a panel's title bar; a dialog's words), else the first.
Source Closest(const QList<Source>& sources, const QObject* object)
{
    for (const QObject* o = object; o; o = o->parent())
        for (const QMetaObject* m = o->metaObject();
             m && m != &QWidget::staticMetaObject && m != &QObject::staticMetaObject; // the catch-all
             m = m->superClass())
            for (const Source& s : sources)
                if (s.context == QLatin1String(m->className()))
                    return s;
    for (const Source& s : sources)
        if (s.context == "QObject") // the words of the program's own controls
            return s;
    return sources.last(); // QMultiHash gives the latest first: this is the first in the file
}

Rewriter RewriterFor(const QString& text, const QMultiHash<QString, Source>& words,
                     const std::vector<Pattern>& patterns, const QObject* object = nullptr)
{
    if (text.isEmpty())
        return nullptr;
    if (const QList<Source> sources = words.values(text); !sources.isEmpty())
        return [source = Closest(sources, object)] { return source.Now(); };
    static const QRegularExpression wrapped("^((?:<[^>]+>)+)([^<]+)((?:<[^>]+>)+)$");
    if (const QRegularExpressionMatch m = wrapped.match(text); m.hasMatch()) {
        const QString inner = QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText();
        if (const Rewriter plain = RewriterFor(inner, words, patterns, object))
            return [plain, opening = m.captured(1), closing = m.captured(3)] {
                return opening + plain().toHtmlEscaped() + closing;
            };
    }
    for (const Pattern& p : patterns)
        if (const QRegularExpressionMatch m = p.before.match(text); m.hasMatch()) {
            QString argument = m.captured(1);
            // "Browse for %1" is given a word in small letters: it is found as the word begins.
            const bool lower = argument == argument.toLower();
            auto word = words.find(argument);
            for (auto it = words.cbegin(); lower && word == words.cend() && it != words.cend(); ++it)
                if (it.key().compare(argument, Qt::CaseInsensitive) == 0)
                    word = it;
            return [source = p.source, argument, lower,
                    word = word == words.cend() ? std::optional<Source>() : std::optional<Source>(*word)] {
                const QString filled = word ? (lower ? word->Now().toLower() : word->Now()) : argument;
                return source.Now().arg(filled);
            };
        }
    return nullptr;
}

// A text of a control, to be written anew once the new language is in use. A word's source is kept on
// the control with what was written, so that the next change starts from it, not from a reverse look-up
// (two words may read alike in one language).
struct Rewrite {
    QPointer<QObject> owner;
    Rewriter text;
    std::function<void(QObject*, const QString&)> write;
    QString key;                  // which text of the control, for the word kept on it
    std::optional<Source> source; // the word, when the text is one
};

constexpr const char* kKeptWords =
    "interfaceWords"; // a dynamic property: key -> context, text, comment, written

constexpr const char* kTextProperties[] = {
    "text",      "title",           "windowTitle",           "toolTip",         "statusTip",
    "whatsThis", "accessibleName",  "accessibleDescription", "placeholderText", "prefix",
    "suffix",    "specialValueText"};

// Every text of object that is one of words, with how to write it back.
void Collect(QObject* object, const QMultiHash<QString, Source>& words, const std::vector<Pattern>& patterns,
             std::vector<Rewrite>* out)
{
    const QVariantMap kept = object->property(kKeptWords).toMap();
    auto note = [&](const QString& text, std::function<void(QObject*, const QString&)> write,
                    const QString& key) {
        if (text.isEmpty())
            return;
        const QStringList k = kept.value(key).toStringList();
        std::optional<Source> source;
        if (k.size() == 4 && k[3] == text)
            source = Source{k[0], k[1], k[2]};
        else if (const QList<Source> sources = words.values(text); !sources.isEmpty())
            source = Closest(sources, object);
        if (source)
            out->push_back({object, [s = *source] { return s.Now(); }, std::move(write), key, source});
        else if (Rewriter rewriter = RewriterFor(text, words, patterns, object))
            out->push_back({object, std::move(rewriter), std::move(write), key, std::nullopt});
    };
    // An entry's tool tip that reads as its text does (as Qt derives one) reads so in the new language
    // too, its mnemonic included where the language puts it after the words.
    auto stripped = [](QString text) {
        return text.remove("...").remove(QRegularExpression("&(?!&)")).trimmed();
    };
    auto* action = qobject_cast<QAction*>(object);
    for (const char* name : kTextProperties) {
        const QVariant value = object->property(name);
        if (action && QByteArray(name) == "toolTip" && value.toString() == stripped(action->text())) {
            out->push_back({object, [] { return QString(); },
                            [stripped](QObject* o, const QString&) {
                                auto* a = static_cast<QAction*>(o);
                                a->setToolTip(stripped(a->text()));
                            },
                            QString(), std::nullopt});
            continue;
        }
        if (value.userType() == QMetaType::QString)
            note(
                value.toString(), [name](QObject* o, const QString& t) { o->setProperty(name, t); },
                QString::fromLatin1(name));
    }
    if (auto* combo = qobject_cast<QComboBox*>(object))
        for (int i = 0; i < combo->count(); ++i)
            note(
                combo->itemText(i),
                [i](QObject* o, const QString& t) { static_cast<QComboBox*>(o)->setItemText(i, t); },
                QString("item %1").arg(i));
    if (auto* tabs = qobject_cast<QTabWidget*>(object))
        for (int i = 0; i < tabs->count(); ++i)
            note(
                tabs->tabText(i),
                [i](QObject* o, const QString& t) { static_cast<QTabWidget*>(o)->setTabText(i, t); },
                QString("tab %1").arg(i));
    if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        for (int c = 0; c < tree->columnCount(); ++c) {
            note(
                tree->headerItem()->text(c),
                [c](QObject* o, const QString& t) {
                    static_cast<QTreeWidget*>(o)->headerItem()->setText(c, t);
                },
                QString("header %1").arg(c));
            note(
                tree->headerItem()->toolTip(c),
                [c](QObject* o, const QString& t) {
                    static_cast<QTreeWidget*>(o)->headerItem()->setToolTip(c, t);
                },
                QString("header tip %1").arg(c));
        }
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            note(
                tree->topLevelItem(i)->text(0),
                [i](QObject* o, const QString& t) {
                    if (QTreeWidgetItem* item = static_cast<QTreeWidget*>(o)->topLevelItem(i))
                        item->setText(0, t);
                },
                QString("row %1").arg(i));
    }
}

} // namespace

void Switch(const QString& code)
{
    const QMultiHash<QString, Source> before = WordsOf(Current());
    const std::vector<Pattern> patterns = PatternsOf(before);
    std::vector<Rewrite> rewrites;
    for (QWidget* widget : QApplication::allWidgets()) {
        Collect(widget, before, patterns, &rewrites);
        for (QAction* action : widget->actions())
            Collect(action, before, patterns, &rewrites);
    }
    Use(code.isEmpty() ? Choose(QString(), QLocale::system().uiLanguages()) : code);
    for (const Rewrite& r : rewrites) {
        if (!r.owner)
            continue;
        const QString text = r.text();
        r.write(r.owner, text);
        if (r.source && !r.key.isEmpty()) {
            QVariantMap kept = r.owner->property(kKeptWords).toMap();
            kept.insert(r.key, QStringList{r.source->context, r.source->text, r.source->comment, text});
            r.owner->setProperty(kKeptWords, kept);
        }
    }
    // Qt tells each widget of a new translator only while the event loop runs, and once per translator
    // removed or added: here every widget hears it once, with the new language wholly in place.
    for (QWidget* widget : QApplication::allWidgets()) {
        widget->setLocale(QLocale()); // its numbers too: a widget keeps the locale it was made with
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

} // namespace interface_language
