// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes: no parent window, the text and one OK button. Everything that tells the
// learner something goes through ShowMessage, so tests can watch the messages instead of clicking them.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

using MessagePresenter = std::function<void(const QString& title, const QString& text)>;

// Shows the box (or hands it to the presenter a test installed) and returns when it is closed.
void ShowMessage(const QString& title, const QString& text);

// The box ShowMessage shows: the text taken as rich text, no parent window, one OK button.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& title, const QString& text);

// ShowMessage with a second button, labelled label, that runs action as the box closes (a presenter
// gets the text alone).
void ShowMessageWithAction(const QString& title, const QString& text, const QString& label,
                           const std::function<void()>& action);

// Asks a yes-or-no question in the same kind of box, No being the default; true for Yes. With a
// presenter installed, the question goes to it and the answer set by SetQuestionAnswer() is given.
bool AskQuestion(const QString& title, const QString& text);
void SetQuestionAnswer(bool yes);

// Replaces the presenter; an empty one restores the message box. Returns the previous presenter.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);
