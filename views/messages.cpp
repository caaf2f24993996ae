// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace
{

MessagePresenter& Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

bool& Answer()
{
    static bool yes = false;
    return yes;
}

} // namespace

bool AskQuestion(const QString& title, const QString& text)
{
    if (Presenter()) {
        Presenter()(title, text);
        return Answer();
    }
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(title, text);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

void SetQuestionAnswer(bool yes) { Answer() = yes; }

void ShowMessage(const QString& title, const QString& text)
{
    if (Presenter()) {
        Presenter()(title, text);
        return;
    }
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(title, text);
    box->exec();
}

void ShowMessageWithAction(const QString& title, const QString& text, const QString& label,
                           const std::function<void()>& action)
{
    if (Presenter()) {
        Presenter()(title, text);
        return;
    }
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(title, text);
    QPushButton* button = box->addButton(label, QMessageBox::ActionRole);
    box->exec();
    if (box->clickedButton() == button)
        action();
}

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& title, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    // Every message is rich text: line breaks are <br>, and names in it are escaped by the caller.
    // Left to guess, the box would show an escaped name without a tag as "&quot;..&quot;".
    box->setTextFormat(Qt::RichText);
    return box;
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}
